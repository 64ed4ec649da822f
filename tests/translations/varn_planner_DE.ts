<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>VARN_Planner</name>
    <message>
        <source>&amp;File</source>
        <translation>[DE] &amp;File</translation>
    </message>
    <message>
        <source>Decompression Model:</source>
        <translation>[DE] Decompression Model:</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>[DE] &amp;Load...</translation>
    </message>
</context>
<context>
    <name>VARN_Planner_Interface</name>
    <message>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>[DE] Maximum operating depth %1m, EAD:%2m, END:%3m</translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>[DE] MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>[DE] *  last stop (CF29) = %1 m</translation>
    </message>
    <message>
        <source>Dive profile</source>
        <comment>Window Title</comment>
        <translation>[DE] Dive profile</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Window Title</comment>
        <translation>[DE] Tissues plot</translation>
    </message>
    <message>
        <source>VARN Planner help</source>
        <comment>Window Title</comment>
        <translation>[DE] VARN Planner help</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>VARN Planner settings</source>
        <translation>[DE] VARN Planner settings</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>[DE] Language:</translation>
    </message>
    <message>
        <source>Communication port:</source>
        <translation>[DE] Communication port:</translation>
    </message>
    <message>
        <source>Verbose simulations</source>
        <translation>[DE] Verbose simulations</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>[DE] Reset all settings</translation>
    </message>
    <message>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>[DE] Auto setup of date &amp;&amp; time</translation>
    </message>
    <message>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>[DE] If checked, any configuration upload will also setup date and time.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>[DE] Warning</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>[DE] no port</translation>
    </message>
    <message>
        <source>Did you installed the %1 driver ?</source>
        <translation>[DE] Did you installed the %1 driver ?</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <source>Save image...</source>
        <translation>[DE] Save image...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>[DE] Dive traces</translation>
    </message>
    <message>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>[DE] Depth [m]</translation>
    </message>
    <message>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>[DE] time [min]</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>[DE] Tissues plot</translation>
    </message>
    <message>
        <source>P. ambient (absolute, millibar)</source>
        <comment>Plot axis</comment>
        <translation>[DE] P. ambient (absolute, millibar)</translation>
    </message>
    <message>
        <source>P. tissue (N2+He, millibar)</source>
        <comment>Plot axis</comment>
        <translation>[DE] P. tissue (N2+He, millibar)</translation>
    </message>
    <message>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>[DE] Surface</translation>
    </message>
    <message>
        <source>[min]</source>
        <comment>Plot axis</comment>
        <translation>[DE] [min]</translation>
    </message>
    <message>
        <source>[Bar]</source>
        <comment>Plot axis</comment>
        <translation>[DE] [Bar]</translation>
    </message>
</context>
</TS>
