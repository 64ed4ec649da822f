<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>VARN_Planner</name>
    <message>
        <source>&amp;File</source>
        <translation>[FR] &amp;File</translation>
    </message>
</context>
<context>
    <name>VARN_Planner_Interface</name>
    <message>
        <source>&lt;i&gt;VARN Planner&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;VARN&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;VARN&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;VARN&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>[FR] &lt;i&gt;VARN Planner&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;VARN&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;VARN&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;VARN&lt;/i&gt; computer configurations.&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Language:</source>
        <translation>[FR] Language:</translation>
    </message>
</context>
</TS>
