<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <source>Start Dive [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Dive [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Delay [sec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Off [min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-menu [min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velocity[m/min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake-up  [mbar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max.Surf.[mbar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF display [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min. O2 Dis.[%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive menus[min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturate x [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desaturate x[%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NoFly Ratio [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF alarm 1 [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNSshow surf[%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco Offset [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppO2 low [bar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppO2 high [bar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppO2 show [bar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sampling rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor Decodat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor GF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor ppO2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor CNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNSshow dive[%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logbook offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Deco at[m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Apnoe [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Batt.Volts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF Low [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF High [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color# Battery </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color# Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color# Divemask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color# Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divemode secs. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust fixed SP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn Ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mix type icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink BetterGas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DepthWarn[mbar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNS warning [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF warning [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppO2 warn [bar]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vel.warn[m/min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time offset/day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show altimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Log-Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Stopwatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShowTissueGraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Lead.Tiss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShallowStop 1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas switch[min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BottomGas[/min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AscentGas[/min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future TTS[min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cave Bail Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph. Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show pSCR ppO2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pSCR O2 Drop[%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pSCR lung ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color# inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use safety stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <source>Edit Custom Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Functions I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Functions II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Functions III</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1234567890123456789012345</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <source>OFF</source>
        <comment>CF bool</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <comment>CF bool</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VARN &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <source>Save image...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P. ambient (absolute, millibar)</source>
        <comment>Plot axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P. tissue (N2+He, millibar)</source>
        <comment>Plot axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg image</source>
        <comment>Save plot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image</source>
        <comment>Save plot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF image</source>
        <comment>Save plot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <comment>Save plot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG file</source>
        <comment>Save plot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dump image to...</source>
        <comment>Save plot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTS  = %1</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total= %2</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hx%1/%2</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx%1/%2</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nx%1</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint:%1</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Bail)</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTS  =%1</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total=%2</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF_low</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF_high</source>
        <comment>Plot label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[min]</source>
        <comment>Plot axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Bar]</source>
        <comment>Plot axis</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLabel</name>
    <message>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reading UDDF %1 dive
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a CCR dive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an OC dive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown OC/CCR mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas#%1 skipped: implausible mix.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n setpoint(s) outside 0.16..2.55 bar skipped.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>DivingLog DB %1 dive
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile depths read as feet.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>VARN Planner settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbose simulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you installed the %1 driver ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VARN_Planner</name>
    <message>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from VARN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit CF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to VARN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload CF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download a copy of VARN screen, and save to disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Screen Dump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade VARN firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date &amp; Time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompression Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original ZH-L16C-1a [2002] Bühlmann model, with &lt;b&gt;saturation-desaturation&lt;/b&gt; security factors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bühlmann</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bühlmann model modified by adding &lt;B&gt;gradient factors&lt;/b&gt; security margins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat factor(CF11):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutliplication factor for asymetric gas loading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desat factor (CF12):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication factor for asymetric offgasing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF low (CF32):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient factor at the deepest stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF high (CF33):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient factor at surface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Circuit dive (tanks) mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed Circuit Rebreather mode (constant ppO2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas enable for decompression planning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;OC&lt;/b&gt;: Use this mix as first gas (ie. travel and bottom mix)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: Us this gas as diluent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxygen fraction in the mix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helium fraction in the mix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch depth for the mix during ascent planning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOD: 66m, EAD: ---, END: ---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch delay (CF55):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum stop time for switching mix during decoplan prediction.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCR Setpoints:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Setpoint 1:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting setpoint, and the only one used for decoplanning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary setpoint. For manual switch only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tertiary setpoint. For manual switch only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust setpoint when diluent is in excess.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust fixed SP (CF39)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other VARN dive settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco offset (CF16):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety margin added to stop depth to compute gas loading/unloading during decoplan prediction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last stop used during decoplan prediction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display TTS (Time to surface) if staying extra minutes at current depth.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future TTS (CF58):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last stop (CF29):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppO2 max (CF18):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas consumption during ascent and deco stops (deco SAC) , for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> l/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMV deco gas (CF57):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas consumption during bottom time (bottom SAC), for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMV bottom gas (CF56):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display decoplan with shallowest stop on top (ie. reverse order).&lt;br&gt;&lt;i&gt;New in 1.80&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shallowest stop first (CF54)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max allowed Oxygen partial pressure (Only used to display MOD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive planning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset = start a new dive (non-consecutive).&lt;br&gt;0     = Add a new segment to the current dive.&lt;br&gt;10... = Surface delay between successives dives.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom time, including (instant) descent, or next segment duration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive depth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom or next segment depth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface athmospheric pressure (weather/altitude conditions).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascent rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed for automatic ascent simulation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Make a time/depth simulation segment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &lt;i&gt;Simulate&lt;/i&gt; button will replay depth from a recorded dive profile.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: preview feature not yet finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dive file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop replay simulation when at the depth of the first stop, minus CF16.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks on deco stops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay gas switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do setpoint switches, as recorded in CCR dive profil (IF SUPPORTED BY THE FILE FORMAT USED).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop replay simulation when a better gas is available from the current gas list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks on gas switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks on setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot dive profile during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot ceiling curve (deepest stop depth) during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot time (NDL or deepest stop duration ) curve during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot N2+He gas tension in leading tissue during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lead Tissue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot gradient factor during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot inspired &lt;i&gt;Oxygen&lt;/i&gt; partial pressure during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppO2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot &lt;i&gt;Central Nervous System&lt;/i&gt; toxicity index during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNS O2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add runtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all curves from dive profil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear profil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Planning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;VARN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit CF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload CF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas &amp;volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ascent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;runtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear profil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure &amp;diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date &amp;&amp; Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set VARN Date and Time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new VARN Planner and firmware updates.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VARN_Planner_Interface</name>
    <message>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More stops than listed: the time to surface counts them all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth                         = %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom time                   = %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco:</source>
        <comment>Console</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom time above 255 min: no gas volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The decompression plan did not finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascent speed must be above 0 m/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCENT STOPPED: %1 m not reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  GF_low (CF32) = %1 %
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  GF_high (CF33) = %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Bühlmann ZH-L16C-1a 2002 decompression:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  saturation factor (CF11) = %1 %
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  last stop (CF29) = %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  dive continued at depth = %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCR mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  Setpoint1: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  Diluant gas#%1 = %2/%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OC gas list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  First gas#%1 = %2/%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  Bailout gas#%1 = %2/%3 at %4 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*  Deco gas#%1 = %2/%3 at %4 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK ON STOP @ %1m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas#%1 of the log is not one of the five gases: switch ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SP%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK ON SETPOINT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future TTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future RT </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;i&gt;VARN Planner&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;VARN&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;VARN&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;VARN&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A simulation is running: try again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive profile</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay dive profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read dive profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load dive parameters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dives params (*.div)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of &lt;i&gt;VARN Planner&lt;/i&gt; is available. Please consider upgrading from the website:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new firmware %1 could not be saved: unable to write to &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware %1 available...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 of the &lt;i&gt;VARN&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
