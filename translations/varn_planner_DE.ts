<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <source>Start Dive [m]</source>
        <translation>Tauchstart [m]</translation>
    </message>
    <message>
        <source>End Dive [m]</source>
        <translation>Tauchende [m]</translation>
    </message>
    <message>
        <source>End Delay [sec]</source>
        <translation>Endverzög.[Sek]</translation>
    </message>
    <message>
        <source>Power Off [min]</source>
        <translation>Abschalt. [min]</translation>
    </message>
    <message>
        <source>Pre-menu [min]</source>
        <translation>Vormenü [min]</translation>
    </message>
    <message>
        <source>velocity[m/min]</source>
        <translation>Geschw.[m/min]</translation>
    </message>
    <message>
        <source>Wake-up  [mbar]</source>
        <translation>Aufwachen[mbar]</translation>
    </message>
    <message>
        <source>max.Surf.[mbar]</source>
        <translation>max.Obfl.[mbar]</translation>
    </message>
    <message>
        <source>GF display [%]</source>
        <translation>GF-Anzeige [%]</translation>
    </message>
    <message>
        <source>min. O2 Dis.[%]</source>
        <translation>min. O2 Anz.[%]</translation>
    </message>
    <message>
        <source>Dive menus[min]</source>
        <translation>Tauchmenü [min]</translation>
    </message>
    <message>
        <source>Saturate x [%]</source>
        <translation>Sättigung x[%]</translation>
    </message>
    <message>
        <source>Desaturate x[%]</source>
        <translation>Entsättig. x[%]</translation>
    </message>
    <message>
        <source>NoFly Ratio [%]</source>
        <translation>NoFly-Verh. [%]</translation>
    </message>
    <message>
        <source>GF alarm 1 [%]</source>
        <translation>GF-Alarm 1 [%]</translation>
    </message>
    <message>
        <source>CNSshow surf[%]</source>
        <translation>CNS Anz.Obfl[%]</translation>
    </message>
    <message>
        <source>Deco Offset [m]</source>
        <translation>Deko-Offset [m]</translation>
    </message>
    <message>
        <source>ppO2 low [bar]</source>
        <translation>ppO2 min [bar]</translation>
    </message>
    <message>
        <source>ppO2 high [bar]</source>
        <translation>ppO2 max [bar]</translation>
    </message>
    <message>
        <source>ppO2 show [bar]</source>
        <translation>ppO2 Anz.[bar]</translation>
    </message>
    <message>
        <source>sampling rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Divisor Temp</source>
        <translation>Divisor Temp</translation>
    </message>
    <message>
        <source>Divisor Decodat</source>
        <translation>Divisor Dekodat</translation>
    </message>
    <message>
        <source>Divisor GF</source>
        <translation>Divisor GF</translation>
    </message>
    <message>
        <source>Divisor ppO2</source>
        <translation>Divisor ppO2</translation>
    </message>
    <message>
        <source>Divisor Debug</source>
        <translation>Divisor Debug</translation>
    </message>
    <message>
        <source>Divisor CNS</source>
        <translation>Divisor CNS</translation>
    </message>
    <message>
        <source>CNSshow dive[%]</source>
        <translation>CNS Anz.TG [%]</translation>
    </message>
    <message>
        <source>Logbook offset</source>
        <translation>Logbuch-Offset</translation>
    </message>
    <message>
        <source>Last Deco at[m]</source>
        <translation>Letzte Deko[m]</translation>
    </message>
    <message>
        <source>End Apnoe [h]</source>
        <translation>Apnoe-Ende [h]</translation>
    </message>
    <message>
        <source>Show Batt.Volts</source>
        <translation>Anz. Batt.Volt</translation>
    </message>
    <message>
        <source>GF Low [%]</source>
        <translation>GF Low [%]</translation>
    </message>
    <message>
        <source>GF High [%]</source>
        <translation>GF High [%]</translation>
    </message>
    <message>
        <source>Color# Battery </source>
        <translation>Farbe# Batterie</translation>
    </message>
    <message>
        <source>Color# Standard</source>
        <translation>Farbe# Standard</translation>
    </message>
    <message>
        <source>Color# Divemask</source>
        <translation>Farbe# Maske</translation>
    </message>
    <message>
        <source>Color# Warnings</source>
        <translation>Farbe# Warnung</translation>
    </message>
    <message>
        <source>Divemode secs. </source>
        <translation>Tauchmodus Sek.</translation>
    </message>
    <message>
        <source>Adjust fixed SP</source>
        <translation>Fest-SP anpass.</translation>
    </message>
    <message>
        <source>Warn Ceiling</source>
        <translation>Warnung Ceiling</translation>
    </message>
    <message>
        <source>Mix type icons</source>
        <translation>Gemisch-Symbole</translation>
    </message>
    <message>
        <source>Blink BetterGas</source>
        <translation>Bess.Gas blinkt</translation>
    </message>
    <message>
        <source>DepthWarn[mbar]</source>
        <translation>Tiefenw.[mbar]</translation>
    </message>
    <message>
        <source>CNS warning [%]</source>
        <translation>CNS-Warnung [%]</translation>
    </message>
    <message>
        <source>GF warning [%]</source>
        <translation>GF-Warnung [%]</translation>
    </message>
    <message>
        <source>ppO2 warn [bar]</source>
        <translation>ppO2 Warn.[bar]</translation>
    </message>
    <message>
        <source>Vel.warn[m/min]</source>
        <translation>Geschw.W[m/min]</translation>
    </message>
    <message>
        <source>Time offset/day</source>
        <translation>Zeitkorr./Tag</translation>
    </message>
    <message>
        <source>Show altimeter</source>
        <translation>Anz. Höhenmess.</translation>
    </message>
    <message>
        <source>Show Log-Marker</source>
        <translation>Anz. Log-Marker</translation>
    </message>
    <message>
        <source>Show Stopwatch</source>
        <translation>Anz. Stoppuhr</translation>
    </message>
    <message>
        <source>ShowTissueGraph</source>
        <translation>Anz. Gewebegr.</translation>
    </message>
    <message>
        <source>Show Lead.Tiss.</source>
        <translation>Anz. Leitgewebe</translation>
    </message>
    <message>
        <source>ShallowStop 1st</source>
        <translation>Flachst. zuerst</translation>
    </message>
    <message>
        <source>Gas switch[min]</source>
        <translation>Gaswechsel[min]</translation>
    </message>
    <message>
        <source>BottomGas[/min]</source>
        <translation>AMV Grund[/min]</translation>
    </message>
    <message>
        <source>AscentGas[/min]</source>
        <translation>AMV Deko [/min]</translation>
    </message>
    <message>
        <source>Future TTS[min]</source>
        <translation>Künft.TTS [min]</translation>
    </message>
    <message>
        <source>Cave Bail Alarm</source>
        <translation>Höhl.Bail-Alarm</translation>
    </message>
    <message>
        <source>Graph. Velocity</source>
        <translation>Grafik Geschw.</translation>
    </message>
    <message>
        <source>Show pSCR ppO2</source>
        <translation>Anz. pSCR ppO2</translation>
    </message>
    <message>
        <source>pSCR O2 Drop[%]</source>
        <translation>pSCR O2-Abf.[%]</translation>
    </message>
    <message>
        <source>pSCR lung ratio</source>
        <translation>pSCR Lungenverh</translation>
    </message>
    <message>
        <source>Color# inactive</source>
        <translation>Farbe# inaktiv</translation>
    </message>
    <message>
        <source>Use safety stop</source>
        <translation>Sicherh.-Stopp</translation>
    </message>
    <message>
        <source>unused</source>
        <translation>unbenutzt</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <source>Edit Custom Functions</source>
        <translation>Custom Functions bearbeiten</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Custom Functions I</source>
        <translation>Custom Functions I</translation>
    </message>
    <message>
        <source>Custom Functions II</source>
        <translation>Custom Functions II</translation>
    </message>
    <message>
        <source>Custom Functions III</source>
        <translation>Custom Functions III</translation>
    </message>
    <message>
        <source>1234567890123456789012345</source>
        <translation>1234567890123456789012345</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <source>OFF</source>
        <comment>CF bool</comment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <comment>CF bool</comment>
        <translation>EIN</translation>
    </message>
    <message>
        <source>VARN &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>VARN &lt;i&gt;Seriennummer nicht geladen&lt;/i&gt;</translation>
    </message>
</context>
<context>
    <name>PlannerApplication</name>
    <message>
        <source>VARN Planner</source>
        <translation>VARN Planner</translation>
    </message>
    <message>
        <source>VARN Planner met %1 failures it could not handle and ends now. The values of the form are saved; the Console is lost.</source>
        <translation>VARN Planner ist auf %1 Fehler gestoßen, die es nicht behandeln konnte, und wird jetzt beendet. Die Werte des Formulars werden gespeichert; der Inhalt der Konsole geht verloren.</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <source>Save image...</source>
        <translation>Bild speichern...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Tauchkurven</translation>
    </message>
    <message>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Tiefe [m]</translation>
    </message>
    <message>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>Zeit [min]</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Gewebediagramm</translation>
    </message>
    <message>
        <source>P. ambient (absolute, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. Umgebung (absolut, Millibar)</translation>
    </message>
    <message>
        <source>P. tissue (N2+He, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. Gewebe (N2+He, Millibar)</translation>
    </message>
    <message>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Jpeg image</source>
        <comment>Save plot</comment>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>PNG image</source>
        <comment>Save plot</comment>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <comment>Save plot</comment>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>PDF file</source>
        <comment>Save plot</comment>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>SVG file</source>
        <comment>Save plot</comment>
        <translation>SVG-Datei</translation>
    </message>
    <message>
        <source>Dump image to...</source>
        <comment>Save plot</comment>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>TTS  = %1</source>
        <comment>Plot label</comment>
        <translation>TTS   = %1</translation>
    </message>
    <message>
        <source>Total= %2</source>
        <comment>Plot label</comment>
        <translation>Gesamt= %2</translation>
    </message>
    <message>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation>Gas%1:</translation>
    </message>
    <message>
        <source>Hx%1/%2</source>
        <comment>Plot label</comment>
        <translation>Hx%1/%2</translation>
    </message>
    <message>
        <source>Tx%1/%2</source>
        <comment>Plot label</comment>
        <translation>Tx%1/%2</translation>
    </message>
    <message>
        <source>Air</source>
        <comment>Plot label</comment>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Nx%1</source>
        <comment>Plot label</comment>
        <translation>Nx%1</translation>
    </message>
    <message>
        <source>Setpoint:%1</source>
        <comment>Plot label</comment>
        <translation>Setpoint:%1</translation>
    </message>
    <message>
        <source> (Bail)</source>
        <comment>Plot label</comment>
        <translation> (Bail)</translation>
    </message>
    <message>
        <source>TTS  =%1</source>
        <comment>Plot label</comment>
        <translation>TTS   =%1</translation>
    </message>
    <message>
        <source>Total=%2</source>
        <comment>Plot label</comment>
        <translation>Gesamt=%2</translation>
    </message>
    <message>
        <source>GF_low</source>
        <comment>Plot label</comment>
        <translation>GF_low</translation>
    </message>
    <message>
        <source>GF_high</source>
        <comment>Plot label</comment>
        <translation>GF_high</translation>
    </message>
    <message>
        <source>[min]</source>
        <comment>Plot axis</comment>
        <translation>[min]</translation>
    </message>
    <message>
        <source>[Bar]</source>
        <comment>Plot axis</comment>
        <translation>[bar]</translation>
    </message>
</context>
<context>
    <name>QLabel</name>
    <message>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation>Klicken, um die Farbe zu ändern</translation>
    </message>
    <message>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation>Farbe wählen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reading UDDF %1 dive
</source>
        <translation>Tauchgang aus UDDF %1 wird gelesen
</translation>
    </message>
    <message>
        <source>This is a CCR dive.</source>
        <translation>Dies ist ein CCR-Tauchgang.</translation>
    </message>
    <message>
        <source>This is an OC dive.</source>
        <translation>Dies ist ein OC-Tauchgang.</translation>
    </message>
    <message>
        <source>Unknown OC/CCR mode.</source>
        <translation>Unbekannter OC/CCR-Modus.</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas#%1 skipped: implausible mix.
</source>
        <translation>Gas#%1 übersprungen: unplausibles Gemisch.
</translation>
    </message>
    <message numerus="yes">
        <source>%n setpoint(s) outside 0.16..2.55 bar skipped.
</source>
        <translation>
            <numerusform>%n Setpoint außerhalb 0.16..2.55 bar übersprungen.
</numerusform>
            <numerusform>%n Setpoints außerhalb 0.16..2.55 bar übersprungen.
</numerusform>
        </translation>
    </message>
    <message>
        <source>DivingLog DB %1 dive
</source>
        <translation>Tauchgang aus DivingLog DB %1
</translation>
    </message>
    <message>
        <source>Profile depths read as feet.
</source>
        <translation>Profiltiefen als Fuß gelesen.
</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>VARN Planner settings</source>
        <translation>VARN Planner – Einstellungen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Communication port:</source>
        <translation>Serieller Port:</translation>
    </message>
    <message>
        <source>Verbose simulations</source>
        <translation>Ausführliche Simulationen</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Wenn aktiviert, stellt jedes Senden der Konfiguration auch Datum und Uhrzeit.</translation>
    </message>
    <message>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Datum &amp;&amp; Uhrzeit automatisch stellen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>kein Port</translation>
    </message>
    <message>
        <source>Did you installed the %1 driver ?</source>
        <translation>Ist der Treiber %1 installiert?</translation>
    </message>
</context>
<context>
    <name>VARN_Planner</name>
    <message>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Alle Modell- und Tauchgangsparameter in einer *.div-Datei speichern.&lt;br&gt;[Strg+S]</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Sichern...</translation>
    </message>
    <message>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from VARN.</source>
        <translation>Konfiguration (eigener Text, Modell, Gase, Setpoints und alle CFs) aus dem VARN auslesen.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Eigenen Text und alle &lt;i&gt;Custom Functions&lt;/i&gt; bearbeiten.</translation>
    </message>
    <message>
        <source>Edit CF...</source>
        <translation>CF ändern...</translation>
    </message>
    <message>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to VARN.</source>
        <translation>Konfiguration (eigener Text, Modell, Gase, Setpoints und alle CFs) an den VARN senden.</translation>
    </message>
    <message>
        <source>Upload CF</source>
        <translation>CF senden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Alle Modell- und Tauchgangsparameter aus einer *.div-Datei laden.&lt;br&gt;[Strg+L]</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Download a copy of VARN screen, and save to disk.</source>
        <translation>Eine Kopie des VARN-Bildschirms auslesen und als Datei speichern.</translation>
    </message>
    <message>
        <source> Screen Dump</source>
        <translation> Screenshot</translation>
    </message>
    <message>
        <source>Upgrade VARN firmware.</source>
        <translation>VARN-Firmware aktualisieren.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Set Date &amp; Time.</source>
        <translation>Datum &amp; Uhrzeit stellen.</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Decompression Model:</source>
        <translation>Dekompressionsmodell:</translation>
    </message>
    <message>
        <source>Original ZH-L16C-1a [2002] Bühlmann model, with &lt;b&gt;saturation-desaturation&lt;/b&gt; security factors.</source>
        <translation>Originales Bühlmann-Modell ZH-L16C-1a [2002] mit Sicherheitsfaktoren für &lt;b&gt;Sättigung und Entsättigung&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <source>Bühlmann model modified by adding &lt;B&gt;gradient factors&lt;/b&gt; security margins.</source>
        <translation>Bühlmann-Modell, ergänzt um Sicherheitsreserven durch &lt;B&gt;Gradientenfaktoren&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Gradient Factor</source>
        <translation>Gradientenfaktor</translation>
    </message>
    <message>
        <source>Sat factor(CF11):</source>
        <translation>Sättigung (CF11):</translation>
    </message>
    <message>
        <source>Mutliplication factor for asymetric gas loading.</source>
        <translation>Multiplikationsfaktor für eine asymmetrische Sättigung.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Desat factor (CF12):</source>
        <translation>Entsättigung (CF12):</translation>
    </message>
    <message>
        <source>Multiplication factor for asymetric offgasing.</source>
        <translation>Multiplikationsfaktor für eine asymmetrische Entsättigung.</translation>
    </message>
    <message>
        <source>GF low (CF32):</source>
        <translation>GF Low (CF32):</translation>
    </message>
    <message>
        <source>Gradient factor at the deepest stop.</source>
        <translation>Gradientenfaktor am tiefsten Stopp.</translation>
    </message>
    <message>
        <source>GF high (CF33):</source>
        <translation>GF High (CF33):</translation>
    </message>
    <message>
        <source>Gradient factor at surface.</source>
        <translation>Gradientenfaktor an der Oberfläche.</translation>
    </message>
    <message>
        <source>Open Circuit dive (tanks) mode.</source>
        <translation>Tauchen im offenen Kreislauf (Flaschen).</translation>
    </message>
    <message>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <source>Closed Circuit Rebreather mode (constant ppO2).</source>
        <translation>Kreislaufgerät mit geschlossenem Kreislauf (konstanter ppO2).</translation>
    </message>
    <message>
        <source>CCR</source>
        <translation>CCR</translation>
    </message>
    <message>
        <source>Gas List:</source>
        <translation>Gasliste:</translation>
    </message>
    <message>
        <source>Gas enable for decompression planning.</source>
        <translation>Gas für die Dekompressionsplanung verwenden.</translation>
    </message>
    <message>
        <source>Gas 1</source>
        <translation>Gas 1</translation>
    </message>
    <message>
        <source>&lt;b&gt;OC&lt;/b&gt;: Use this mix as first gas (ie. travel and bottom mix)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: Us this gas as diluent.</source>
        <translation>&lt;b&gt;OC&lt;/b&gt;: Dieses Gemisch als erstes Gas verwenden (d. h. Travel- und Grundgas)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: Dieses Gas als Diluent verwenden.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>O2:</source>
        <translation>O2:</translation>
    </message>
    <message>
        <source>Oxygen fraction in the mix.</source>
        <translation>Sauerstoffanteil im Gemisch.</translation>
    </message>
    <message>
        <source>He:</source>
        <translation>He:</translation>
    </message>
    <message>
        <source>Helium fraction in the mix.</source>
        <translation>Heliumanteil im Gemisch.</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>ab:</translation>
    </message>
    <message>
        <source>Switch depth for the mix during ascent planning.</source>
        <translation>Wechseltiefe für dieses Gemisch bei der Aufstiegsplanung.</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Gas 2</source>
        <translation>Gas 2</translation>
    </message>
    <message>
        <source>MOD: 66m, EAD: ---, END: ---</source>
        <translation>MOD: 66m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <source>Gas 3</source>
        <translation>Gas 3</translation>
    </message>
    <message>
        <source>Gas 4</source>
        <translation>Gas 4</translation>
    </message>
    <message>
        <source>Gas 5</source>
        <translation>Gas 5</translation>
    </message>
    <message>
        <source>Switch delay (CF55):</source>
        <translation>Wechseldauer (CF55):</translation>
    </message>
    <message>
        <source>Minimum stop time for switching mix during decoplan prediction.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Mindeststoppzeit für einen Gaswechsel bei der Vorausberechnung des Dekoplans.&lt;br&gt;&lt;i&gt;Neu in 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>CCR Setpoints:</source>
        <translation>CCR-Setpoints:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Setpoint 1:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Setpoint 1:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Starting setpoint, and the only one used for decoplanning.</source>
        <translation>Start-Setpoint, und der einzige, der für die Dekoplanung verwendet wird.</translation>
    </message>
    <message>
        <source> bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>Setpoint 2:</source>
        <translation>Setpoint 2:</translation>
    </message>
    <message>
        <source>Secondary setpoint. For manual switch only.</source>
        <translation>Zweiter Setpoint. Nur für manuellen Wechsel.</translation>
    </message>
    <message>
        <source>Setpoint 3:</source>
        <translation>Setpoint 3:</translation>
    </message>
    <message>
        <source>Tertiary setpoint. For manual switch only.</source>
        <translation>Dritter Setpoint. Nur für manuellen Wechsel.</translation>
    </message>
    <message>
        <source>Adjust setpoint when diluent is in excess.</source>
        <translation>Setpoint anheben, wenn der ppO2 des Diluents höher ist.</translation>
    </message>
    <message>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Festen SP anpassen (CF39)</translation>
    </message>
    <message>
        <source>Other VARN dive settings:</source>
        <translation>Weitere VARN-Einstellungen:</translation>
    </message>
    <message>
        <source>Deco offset (CF16):</source>
        <translation>Deko-Offset (CF16):</translation>
    </message>
    <message>
        <source>Safety margin added to stop depth to compute gas loading/unloading during decoplan prediction.</source>
        <translation>Sicherheitszuschlag zur Stopptiefe für die Berechnung von Sättigung/Entsättigung bei der Vorausberechnung des Dekoplans.</translation>
    </message>
    <message>
        <source>Last stop used during decoplan prediction.</source>
        <translation>Letzter Stopp bei der Vorausberechnung des Dekoplans.</translation>
    </message>
    <message>
        <source>Display TTS (Time to surface) if staying extra minutes at current depth.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>TTS (Zeit bis zur Oberfläche) anzeigen, wenn Sie noch einige Minuten auf der aktuellen Tiefe bleiben.&lt;br&gt;&lt;i&gt;Neu in 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Future TTS (CF58):</source>
        <translation>Künftige TTS (CF58):</translation>
    </message>
    <message>
        <source>Last stop (CF29):</source>
        <translation>Letzter Stopp (CF29):</translation>
    </message>
    <message>
        <source>ppO2 max (CF18):</source>
        <translation>ppO2 max (CF18):</translation>
    </message>
    <message>
        <source>Gas consumption during ascent and deco stops (deco SAC) , for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Gasverbrauch während Aufstieg und Deko-Stopps (Deko-AMV), für die Berechnung der Gasmengen.&lt;br&gt;&lt;i&gt;Neu in 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source> l/min</source>
        <translation> l/min</translation>
    </message>
    <message>
        <source>RMV deco gas (CF57):</source>
        <translation>AMV Deko (CF57):</translation>
    </message>
    <message>
        <source>Gas consumption during bottom time (bottom SAC), for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Gasverbrauch während der Grundzeit (Grund-AMV), für die Berechnung der Gasmengen.&lt;br&gt;&lt;i&gt;Neu in 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>RMV bottom gas (CF56):</source>
        <translation>AMV Grundzeit (CF56):</translation>
    </message>
    <message>
        <source>Display decoplan with shallowest stop on top (ie. reverse order).&lt;br&gt;&lt;i&gt;New in 1.80&lt;/i&gt;</source>
        <translation>Dekoplan mit dem flachsten Stopp oben anzeigen (d. h. in umgekehrter Reihenfolge).&lt;br&gt;&lt;i&gt;Neu in 1.80&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Shallowest stop first (CF54)</source>
        <translation>Flachster Stopp zuerst (CF54)</translation>
    </message>
    <message>
        <source>Max allowed Oxygen partial pressure (Only used to display MOD).</source>
        <translation>Höchster erlaubter Sauerstoffpartialdruck (nur für die Anzeige der MOD).</translation>
    </message>
    <message>
        <source>Dive planning:</source>
        <translation>Tauchgangsplanung:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Reset = start a new dive (non-consecutive).&lt;br&gt;0     = Add a new segment to the current dive.&lt;br&gt;10... = Surface delay between successives dives.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>Neu   = einen neuen Tauchgang beginnen (kein Wiederholungstauchgang).&lt;br&gt;0     = einen neuen Abschnitt an den aktuellen Tauchgang anhängen.&lt;br&gt;10... = Oberflächenpause zwischen aufeinanderfolgenden Tauchgängen.&lt;br&gt;&lt;i&gt;Neu in 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Dive time:</source>
        <translation>Tauchzeit:</translation>
    </message>
    <message>
        <source>Bottom time, including (instant) descent, or next segment duration.</source>
        <translation>Grundzeit einschließlich (sofortigem) Abstieg, oder Dauer des nächsten Abschnitts.</translation>
    </message>
    <message>
        <source>Dive depth:</source>
        <translation>Tauchtiefe:</translation>
    </message>
    <message>
        <source>Bottom or next segment depth.</source>
        <translation>Grundtiefe oder Tiefe des nächsten Abschnitts.</translation>
    </message>
    <message>
        <source>Patm:</source>
        <translation>Patm:</translation>
    </message>
    <message>
        <source>Surface athmospheric pressure (weather/altitude conditions).</source>
        <translation>Luftdruck an der Oberfläche (Wetter, Höhenlage).</translation>
    </message>
    <message>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <source>Ascent rate:</source>
        <translation>Aufstiegsrate:</translation>
    </message>
    <message>
        <source>Speed for automatic ascent simulation.</source>
        <translation>Geschwindigkeit für die automatische Aufstiegssimulation.</translation>
    </message>
    <message>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Einen Abschnitt mit Zeit und Tiefe simulieren.</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simulieren</translation>
    </message>
    <message>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Dekoplanung ab hier neu berechnen und den Gasverbrauch jeder Flasche ermitteln.&lt;br&gt;&lt;b&gt;Hinweis&lt;/b&gt;: Sie können die Gasliste ändern und verschiedene Runtimes testen.&lt;br&gt;&lt;b&gt;Hinweis&lt;/b&gt;: Im CCR-Modus wird auf die BAILOUT-Runtime umgeschaltet, &lt;i&gt;Runtime eintragen&lt;/i&gt; zeichnet dann die Dekoplanung für den Bailout-Aufstieg.</translation>
    </message>
    <message>
        <source>Gas volumes</source>
        <translation>Gasmengen</translation>
    </message>
    <message>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Einen automatischen Aufstieg simulieren, mit laufend neu berechneten Stopps und Gaswechseln.</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Aufstieg</translation>
    </message>
    <message>
        <source>Replay dive</source>
        <translation>Tauchgang wiedergeben</translation>
    </message>
    <message>
        <source>Replay mode</source>
        <translation>Wiedergabemodus</translation>
    </message>
    <message>
        <source>The &lt;i&gt;Simulate&lt;/i&gt; button will replay depth from a recorded dive profile.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: preview feature not yet finished.</source>
        <translation>Die Schaltfläche &lt;i&gt;Simulieren&lt;/i&gt; spielt die Tiefe eines aufgezeichneten Tauchprofils ab.&lt;br&gt;&lt;b&gt;Hinweis&lt;/b&gt;: Vorschaufunktion, noch nicht fertig.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>dive file</source>
        <translation>Tauchgangsdatei</translation>
    </message>
    <message>
        <source>Stop replay simulation when at the depth of the first stop, minus CF16.</source>
        <translation>Wiedergabe anhalten, wenn die Tiefe des ersten Stopps minus CF16 erreicht ist.</translation>
    </message>
    <message>
        <source>Breaks on deco stops.</source>
        <translation>Halt bei Deko-Stopps.</translation>
    </message>
    <message>
        <source>Replay gas switch</source>
        <translation>Gaswechsel übernehmen</translation>
    </message>
    <message>
        <source>Do setpoint switches, as recorded in CCR dive profil (IF SUPPORTED BY THE FILE FORMAT USED).</source>
        <translation>Setpoint-Wechsel so ausführen, wie sie im CCR-Tauchprofil aufgezeichnet sind (FALLS DAS DATEIFORMAT SIE ENTHÄLT).</translation>
    </message>
    <message>
        <source>Replay setpoint</source>
        <translation>Setpoints übernehmen</translation>
    </message>
    <message>
        <source>Stop replay simulation when a better gas is available from the current gas list.</source>
        <translation>Wiedergabe anhalten, wenn ein besseres Gas aus der aktuellen Gasliste verfügbar ist.</translation>
    </message>
    <message>
        <source>Breaks on gas switch</source>
        <translation>Halt bei Gaswechsel</translation>
    </message>
    <message>
        <source>Breaks on setpoint</source>
        <translation>Halt bei Setpoint</translation>
    </message>
    <message>
        <source>Graphic output:</source>
        <translation>Grafikausgabe:</translation>
    </message>
    <message>
        <source>Plot dive profile during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tauchprofil bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Plot ceiling curve (deepest stop depth) during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Ceiling-Kurve (Tiefe des tiefsten Stopps) bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Ceiling</translation>
    </message>
    <message>
        <source>Plot time (NDL or deepest stop duration ) curve during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Zeitkurve (Nullzeit oder Dauer des tiefsten Stopps) bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Plot N2+He gas tension in leading tissue during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>N2+He-Gasspannung im Leitgewebe bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>Lead Tissue</source>
        <translation>Leitgewebe</translation>
    </message>
    <message>
        <source>Plot gradient factor during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Gradientenfaktor bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>Plot inspired &lt;i&gt;Oxygen&lt;/i&gt; partial pressure during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Eingeatmeten &lt;i&gt;Sauerstoff&lt;/i&gt;-Partialdruck bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <source>Plot &lt;i&gt;Central Nervous System&lt;/i&gt; toxicity index during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>CNS-Toxizitätsindex (&lt;i&gt;zentrales Nervensystem&lt;/i&gt;) bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; zeichnen.</translation>
    </message>
    <message>
        <source>CNS O2</source>
        <translation>CNS O2</translation>
    </message>
    <message>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Runtime des aktuellen Dekoplans ins Diagramm eintragen (nach &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Gasmengen&lt;/i&gt;).</translation>
    </message>
    <message>
        <source>Add runtime</source>
        <translation>Runtime eintragen</translation>
    </message>
    <message>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>N2+He-Spannungen der Gewebe bei &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; in einem eigenen Fenster zeichnen.</translation>
    </message>
    <message>
        <source>Pressure diagram</source>
        <translation>Druckdiagramm</translation>
    </message>
    <message>
        <source>Remove all curves from dive profil.</source>
        <translation>Alle Kurven aus dem Tauchprofil entfernen.</translation>
    </message>
    <message>
        <source>Clear profil</source>
        <translation>Profil leeren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Planning</source>
        <translation>&amp;Planung</translation>
    </message>
    <message>
        <source>&amp;VARN</source>
        <translation>&amp;VARN</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Sichern...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Auslesen</translation>
    </message>
    <message>
        <source>&amp;Edit CF...</source>
        <translation>CF &amp;ändern...</translation>
    </message>
    <message>
        <source>&amp;Upload CF</source>
        <translation>CF &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simulieren</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Gasmengen</translation>
    </message>
    <message>
        <source>&amp;Ascent</source>
        <translation>&amp;Aufstieg</translation>
    </message>
    <message>
        <source>Add &amp;runtime</source>
        <translation>&amp;Runtime eintragen</translation>
    </message>
    <message>
        <source>&amp;Clear profil</source>
        <translation>Profil &amp;leeren</translation>
    </message>
    <message>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Druckdiagramm</translation>
    </message>
    <message>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Datum &amp;&amp; Uhrzeit stellen</translation>
    </message>
    <message>
        <source>Set VARN Date and Time.</source>
        <translation>Datum und Uhrzeit des VARN stellen.</translation>
    </message>
    <message>
        <source>Check updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Check for new VARN Planner and firmware updates.</source>
        <translation>Nach neuen Versionen von VARN Planner und der Firmware suchen.</translation>
    </message>
</context>
<context>
    <name>VARN_Planner_Interface</name>
    <message>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>WECHSEL Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <source>More stops than listed: the time to surface counts them all</source>
        <translation>Mehr Stopps als aufgelistet: die Zeit bis zur Oberfläche enthält sie alle</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Depth                         = %1 m</source>
        <translation>Tiefe                         = %1 m</translation>
    </message>
    <message>
        <source>Bottom time                   = %1 min</source>
        <translation>Grundzeit                     = %1 min</translation>
    </message>
    <message>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Gasverbrauch Grundzeit (CF56) = %1 l/min</translation>
    </message>
    <message>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Gasverbrauch Aufstieg (CF57)  = %1 l/min</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Deco:</source>
        <comment>Console</comment>
        <translation>Deko:</translation>
    </message>
    <message>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <source>Bottom time above 255 min: no gas volumes</source>
        <translation>Grundzeit über 255 min: keine Gasmengen</translation>
    </message>
    <message>
        <source>The decompression plan did not finish</source>
        <translation>Der Dekompressionsplan wurde nicht fertig berechnet</translation>
    </message>
    <message>
        <source>Ascent speed must be above 0 m/min</source>
        <translation>Die Aufstiegsgeschwindigkeit muss über 0 m/min liegen</translation>
    </message>
    <message>
        <source>ASCENT STOPPED: %1 m not reached</source>
        <translation>AUFSTIEG GESTOPPT: %1 m nicht erreicht</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:
</source>
        <translation>Bühlmann ZH-L16C-1a 2002 mit GRADIENTENFAKTOR-Dekompression:
</translation>
    </message>
    <message>
        <source>*  GF_low (CF32) = %1 %
</source>
        <translation>*  GF_low (CF32) = %1 %
</translation>
    </message>
    <message>
        <source>*  GF_high (CF33) = %1 %</source>
        <translation>*  GF_high (CF33) = %1 %</translation>
    </message>
    <message>
        <source>Standard Bühlmann ZH-L16C-1a 2002 decompression:
</source>
        <translation>Standard-Dekompression Bühlmann ZH-L16C-1a 2002:
</translation>
    </message>
    <message>
        <source>*  saturation factor (CF11) = %1 %
</source>
        <translation>*  Sättigungsfaktor (CF11) = %1 %
</translation>
    </message>
    <message>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  Entsättigungsfaktor (CF12) = %1 %</translation>
    </message>
    <message>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation>*  Deko-Offset (CF16) = %1 m</translation>
    </message>
    <message>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  letzter Stopp (CF29) = %1 m</translation>
    </message>
    <message>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  Tauchgang begonnen bei Pamb = %1 mbar</translation>
    </message>
    <message>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  Tauchgang fortgesetzt in Tiefe = %1 m</translation>
    </message>
    <message>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Oberflächenpause seit vorigem Tauchgang = %1&apos;</translation>
    </message>
    <message>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Gaswechseldauer (CF55) = %1 min</translation>
    </message>
    <message>
        <source>CCR mode:</source>
        <translation>CCR-Modus:</translation>
    </message>
    <message>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1: %1</translation>
    </message>
    <message>
        <source>*  Diluant gas#%1 = %2/%3</source>
        <translation>*  Diluent Gas#%1 = %2/%3</translation>
    </message>
    <message>
        <source>OC gas list:</source>
        <translation>OC-Gasliste:</translation>
    </message>
    <message>
        <source>*  First gas#%1 = %2/%3</source>
        <translation>*  Erstes Gas#%1 = %2/%3</translation>
    </message>
    <message>
        <source>*  Bailout gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Bailout-Gas#%1 = %2/%3 ab %4 m</translation>
    </message>
    <message>
        <source>*  Deco gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Deko-Gas#%1 = %2/%3 ab %4 m</translation>
    </message>
    <message>
        <source>BREAK ON STOP @ %1m</source>
        <translation>HALT BEI STOPP @ %1m</translation>
    </message>
    <message>
        <source>Gas#%1 of the log is not one of the five gases: switch ignored</source>
        <translation>Gas#%1 des Logs ist keines der fünf Gase: Wechsel ignoriert</translation>
    </message>
    <message>
        <source>SP%1</source>
        <translation>SP%1</translation>
    </message>
    <message>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>WECHSEL Setpoint %1 -&gt; %2</translation>
    </message>
    <message>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>HALT BEI BESSEREM Gas#%1</translation>
    </message>
    <message>
        <source>BREAK ON SETPOINT</source>
        <translation>HALT BEI SETPOINT</translation>
    </message>
    <message>
        <source>Future TTS</source>
        <translation>Künft. TTS</translation>
    </message>
    <message>
        <source>Future RT </source>
        <translation>Künft. RT </translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:%2m, END:%3m</translation>
    </message>
    <message>
        <source>&lt;i&gt;VARN Planner&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;VARN&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;VARN&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;VARN&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>Die Software &lt;i&gt;VARN Planner&lt;/i&gt; dient dazu:&lt;ul&gt;&lt;li&gt;die Dekompressionsparameter Ihres &lt;i&gt;VARN&lt;/i&gt; (Modell, Gradientenfaktoren, Wechseltiefen usw.) auszuprobieren und zu verstehen.&lt;li&gt;simulierte Tauchprofile zu zeichnen und Konfigurationen zu vergleichen (Gase, Deko-Flaschen, Setpoints, Stopps usw.)&lt;li&gt;den &lt;i&gt;VARN&lt;/i&gt; durch Vergleich mit anderer Deko-Software zu prüfen.&lt;li&gt;die Konfigurationen Ihres &lt;i&gt;VARN&lt;/i&gt; zu sichern, zu bearbeiten und wiederherzustellen.&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Dil:%1/%2, CCR-MOD:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, CCR-MOD:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>A simulation is running: try again when it has ended.</source>
        <translation>Eine Simulation läuft: Bitte versuchen Sie es nach ihrem Ende erneut.</translation>
    </message>
    <message>
        <source>Dive profile</source>
        <comment>Window Title</comment>
        <translation>Tauchprofil</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Window Title</comment>
        <translation>Gewebediagramm</translation>
    </message>
    <message>
        <source>Replay dive profile</source>
        <translation>Tauchprofil wiedergeben</translation>
    </message>
    <message>
        <source>Unable to read dive profile</source>
        <translation>Das Tauchprofil kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Load dive parameters...</source>
        <translation>Tauchparameter laden...</translation>
    </message>
    <message>
        <source>Dives params (*.div)</source>
        <translation>Tauchparameter (*.div)</translation>
    </message>
    <message>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Alle Parameter sichern...</translation>
    </message>
    <message>
        <source>Unable to write to &apos;%1&apos;.</source>
        <translation>„%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Neue Version...</translation>
    </message>
    <message>
        <source>A new version of &lt;i&gt;VARN Planner&lt;/i&gt; is available. Please consider upgrading from the website:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</source>
        <translation>Eine neue Version von &lt;i&gt;VARN Planner&lt;/i&gt; ist verfügbar. Bitte aktualisieren Sie über die Website:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The new firmware %1 could not be saved: unable to write to &apos;%2&apos;.</source>
        <translation>Die neue Firmware %1 konnte nicht gespeichert werden: „%2“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 verfügbar...</translation>
    </message>
    <message>
        <source>Version %1 of the &lt;i&gt;VARN&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>Version %1 der &lt;i&gt;VARN&lt;/i&gt;-Firmware ist verfügbar. Bitte aktualisieren Sie Ihren Tauchcomputer...</translation>
    </message>
    <message>
        <source>No gas volumes: %1</source>
        <translation>Keine Gasmengen: %1</translation>
    </message>
    <message>
        <source>The logged greatest depth is missing or implausible: the deepest sample is used.</source>
        <translation>Die aufgezeichnete Maximaltiefe fehlt oder ist unplausibel: der tiefste Profilpunkt wird verwendet.</translation>
    </message>
    <message numerus="yes">
        <source>%n sample(s) without a usable time left out.</source>
        <translation>
            <numerusform>%n Profilpunkt ohne brauchbare Zeitangabe ausgelassen.</numerusform>
            <numerusform>%n Profilpunkte ohne brauchbare Zeitangabe ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n depth(s) missing or implausible: taken from the samples around them.</source>
        <translation>
            <numerusform>%n Tiefe fehlt oder ist unplausibel: aus den benachbarten Profilpunkten ergänzt.</numerusform>
            <numerusform>%n Tiefen fehlen oder sind unplausibel: aus den benachbarten Profilpunkten ergänzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>die Datei ist keine normale Datei</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>die Datei ist nicht lesbar</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>its text encoding %1 is unknown</source>
        <translation>die Textkodierung %1 ist unbekannt</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>die Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s closed circuit mode is kept.</source>
        <translation>Tauchmodus unbekannt: der im Formular gewählte geschlossene Kreislauf (CCR) bleibt erhalten.</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s open circuit mode is kept.</source>
        <translation>Tauchmodus unbekannt: der im Formular gewählte offene Kreislauf (OC) bleibt erhalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n more mix(es) not listed: the computer has five gases.</source>
        <translation>
            <numerusform>%n weiteres Gemisch nicht aufgeführt: der Tauchcomputer hat fünf Gase.</numerusform>
            <numerusform>%n weitere Gemische nicht aufgeführt: der Tauchcomputer hat fünf Gase.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no dive of a %1 log</source>
        <translation>die Datei enthält keinen Tauchgang im Format %1</translation>
    </message>
    <message>
        <source>The log names no gases: the gases of the form are used.</source>
        <translation>Das Log nennt keine Gase: die Gase des Formulars werden verwendet.</translation>
    </message>
    <message>
        <source>a gas breathed near the surface gives a ppO2 of 0.15 bar or less, too little oxygen for the decompression model</source>
        <translation>ein nahe der Oberfläche geatmetes Gas ergibt einen ppO2 von 0.15 bar oder weniger, zu wenig Sauerstoff für das Dekompressionsmodell</translation>
    </message>
    <message>
        <source>a gas of the plan has more than 95 % nitrogen or helium, more than the decompression model takes</source>
        <translation>ein Gas des Plans enthält mehr als 95 % Stickstoff oder Helium, mehr als das Dekompressionsmodell verarbeitet</translation>
    </message>
    <message>
        <source>the gas breathed has more than 95 % inert gas, less than 5 % oxygen for the decompression model</source>
        <translation>das geatmete Gas enthält mehr als 95 % Inertgas, also weniger als die 5 % Sauerstoff, die das Dekompressionsmodell braucht</translation>
    </message>
    <message>
        <source>the gas breathed there has a nitrogen pressure beyond the decompression model&apos;s range</source>
        <translation>der Stickstoffdruck des dort geatmeten Gases liegt außerhalb des Bereichs des Dekompressionsmodells</translation>
    </message>
    <message>
        <source>the gas breathed there has a helium pressure beyond the decompression model&apos;s range</source>
        <translation>der Heliumdruck des dort geatmeten Gases liegt außerhalb des Bereichs des Dekompressionsmodells</translation>
    </message>
    <message>
        <source>the surface pressure is outside the decompression model&apos;s 801 to 1099 mbar</source>
        <translation>der Oberflächendruck liegt außerhalb der 801 bis 1099 mbar des Dekompressionsmodells</translation>
    </message>
    <message>
        <source>the ambient pressure is outside the decompression model&apos;s 0.8 to 14 bar</source>
        <translation>der Umgebungsdruck liegt außerhalb der 0.8 bis 14 bar des Dekompressionsmodells</translation>
    </message>
    <message>
        <source>a value is outside what the decompression model can compute</source>
        <translation>ein Wert liegt außerhalb dessen, was das Dekompressionsmodell berechnen kann</translation>
    </message>
    <message>
        <source>Gas#%1 of the log has no gas set up (its mix was skipped or the gas is off): switch ignored</source>
        <translation>Für Gas#%1 des Logs ist kein Gas eingerichtet (sein Gemisch wurde übersprungen oder das Gas ist aus): Wechsel ignoriert</translation>
    </message>
    <message>
        <source>No dive to ascend from: simulate first</source>
        <translation>Kein Tauchgang für einen Aufstieg: zuerst simulieren</translation>
    </message>
    <message>
        <source>Ascent stopped at %1 m: %2</source>
        <translation>Aufstieg bei %1 m gestoppt: %2</translation>
    </message>
    <message>
        <source>Simulation stopped at %1 m: %2</source>
        <translation>Simulation bei %1 m gestoppt: %2</translation>
    </message>
    <message>
        <source>Surface pressure must be above 800 mbar</source>
        <translation>Der Oberflächendruck muss über 800 mbar liegen</translation>
    </message>
    <message>
        <source>Surface pressure must be below 1100 mbar</source>
        <translation>Der Oberflächendruck muss unter 1100 mbar liegen</translation>
    </message>
    <message>
        <source>Gas %1 has less than 5 % O2</source>
        <translation>Gas %1 hat weniger als 5 % O2</translation>
    </message>
    <message>
        <source>Gas %1 has more than 100 % O2 and He together</source>
        <translation>Gas %1 hat zusammen mehr als 100 % O2 und He</translation>
    </message>
    <message>
        <source>Dive depth must be at most %1 m at a surface pressure of %2 mbar</source>
        <translation>Die Tauchtiefe darf bei einem Oberflächendruck von %2 mbar höchstens %1 m betragen</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>Not simulated: %1</source>
        <translation>Nicht simuliert: %1</translation>
    </message>
    <message>
        <source>No ascent: %1</source>
        <translation>Kein Aufstieg: %1</translation>
    </message>
    <message>
        <source>No finished plan to draw: simulate first</source>
        <translation>Kein fertiger Plan zum Zeichnen: zuerst simulieren</translation>
    </message>
    <message>
        <source>its name ends neither in .xml nor in .uddf</source>
        <translation>der Dateiname endet weder auf .xml noch auf .uddf</translation>
    </message>
    <message>
        <source>Unable to read dive profile &apos;%1&apos;: %2</source>
        <translation>Das Tauchprofil „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 (cannot be replayed: %2)</source>
        <translation>%1 (nicht wiedergebbar: %2)</translation>
    </message>
    <message>
        <source>the log holds no samples for it</source>
        <translation>das Log enthält keine Profilpunkte für diesen Tauchgang</translation>
    </message>
    <message>
        <source>its samples span no time</source>
        <translation>die Profilpunkte umfassen keine Zeitspanne</translation>
    </message>
    <message>
        <source>Dive %1 cannot be replayed: %2.</source>
        <translation>Tauchgang %1 kann nicht wiedergegeben werden: %2.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s %1 min, not the %2 min of the form.</source>
        <translation>Die Wiedergabe folgt den %1 min des Logs, nicht den %2 min des Formulars.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s depths (deepest %1 m), not the %2 m of the form.</source>
        <translation>Die Wiedergabe folgt den Tiefen des Logs (maximal %1 m), nicht den %2 m des Formulars.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; no longer exists: nothing was loaded</source>
        <translation>„%1“ existiert nicht mehr: es wurde nichts geladen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: nothing was loaded</source>
        <translation>„%1“ kann nicht gelesen werden: es wurde nichts geladen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a dive parameter file: nothing was loaded</source>
        <translation>„%1“ ist keine Datei mit Tauchparametern: es wurde nichts geladen</translation>
    </message>
    <message>
        <source>No serial port is chosen for the dive computer: choose its port with Settings... (button or File menu).</source>
        <translation>Für den Tauchcomputer ist kein serieller Port gewählt: Wählen Sie seinen Port unter Optionen... (Schaltfläche oder Menü Datei).</translation>
    </message>
    <message>
        <source>FAILED: </source>
        <translation>FEHLER: </translation>
    </message>
    <message>
        <source>Connecting %1</source>
        <translation>Verbindung mit %1</translation>
    </message>
    <message>
        <source>Reading VARN %1 done.</source>
        <translation>VARN %1 ausgelesen.</translation>
    </message>
    <message>
        <source>Programming VARN %1 done.</source>
        <translation>VARN %1 programmiert.</translation>
    </message>
    <message>
        <source>SYNC FAILED</source>
        <translation>UHRZEIT NICHT GESTELLT</translation>
    </message>
    <message>
        <source>Date and time set to %1</source>
        <translation>Datum und Uhrzeit auf %1 gestellt</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Save screen dump...</source>
        <translation>Screenshot speichern...</translation>
    </message>
    <message>
        <source>Unable to save the screen dump to &apos;%1&apos;.</source>
        <translation>Der Screenshot kann nicht unter „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>UPGRADE FAILED</source>
        <translation>UPDATE FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <source>Loading &apos;%1&apos;</source>
        <translation>„%1“ wird geladen</translation>
    </message>
    <message>
        <source>Starting VARN upgrade...</source>
        <translation>VARN-Update wird gestartet...</translation>
    </message>
    <message>
        <source>VARN upgrade done. rebooting...</source>
        <translation>VARN-Update abgeschlossen. Neustart...</translation>
    </message>
    <message>
        <source>The dive computer may now hold settings other than the form&apos;s: download to see them, or upload again.</source>
        <translation>Der Tauchcomputer enthält jetzt womöglich andere Einstellungen als das Formular: Lesen Sie ihn mit „Auslesen“ aus, um sie zu sehen, oder senden Sie erneut mit „CF senden“.</translation>
    </message>
    <message>
        <source>The dive computer did not answer: check the cable, and that the computer is awake in its PC mode.</source>
        <translation>Der Tauchcomputer hat nicht geantwortet: Prüfen Sie das Kabel und ob der Computer eingeschaltet und in seinem PC-Modus ist.</translation>
    </message>
    <message>
        <source>Waiting for the dive computer&apos;s boot loader... (try %1 of %2)</source>
        <translation>Warten auf den Bootloader des Tauchcomputers... (Versuch %1 von %2)</translation>
    </message>
    <message>
        <source>The dive computer is busy: try again when its transfer has ended.</source>
        <translation>Der Tauchcomputer ist beschäftigt: Bitte versuchen Sie es nach dem Ende der Übertragung erneut.</translation>
    </message>
    <message>
        <source>The upgrade did not finish: the dive computer waits in its boot loader. Start the upgrade again with the same file, &apos;%1&apos;.</source>
        <translation>Das Update wurde nicht beendet: Der Tauchcomputer wartet in seinem Bootloader. Starten Sie das Update erneut mit derselben Datei, „%1“.</translation>
    </message>
    <message>
        <source>VARN Planner help</source>
        <comment>Window Title</comment>
        <translation>VARN Planner – Hilfe</translation>
    </message>
    <message>
        <source>No plan to draw: the ascent ended the plan; simulate again to draw a runtime</source>
        <translation>Kein Plan zum Zeichnen: Der Aufstieg hat den Plan beendet; erneut simulieren, um eine Runtime einzutragen</translation>
    </message>
    <message>
        <source>No plan to draw: the last run stopped before its plan was finished</source>
        <translation>Kein Plan zum Zeichnen: Der letzte Lauf endete, bevor sein Plan fertig war</translation>
    </message>
    <message>
        <source>No plan to draw: the last action was refused</source>
        <translation>Kein Plan zum Zeichnen: Die letzte Aktion wurde abgelehnt</translation>
    </message>
    <message>
        <source>Check updates: a new version of VARN Planner is available.</source>
        <translation>Nach Updates suchen: Eine neue Version von VARN Planner ist verfügbar.</translation>
    </message>
    <message>
        <source>Check updates: no new version of VARN Planner.</source>
        <translation>Nach Updates suchen: Keine neue Version von VARN Planner.</translation>
    </message>
    <message>
        <source>Check updates: the VARN Planner web site %1 could not be reached.</source>
        <translation>Nach Updates suchen: Die Website von VARN Planner %1 war nicht erreichbar.</translation>
    </message>
    <message>
        <source>Check updates: no new VARN firmware.</source>
        <translation>Nach Updates suchen: Keine neue VARN-Firmware.</translation>
    </message>
    <message>
        <source>Check updates: the firmware web site %1 could not be reached.</source>
        <translation>Nach Updates suchen: Die Firmware-Website %1 war nicht erreichbar.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but could not be downloaded from %2; the next check tries again.</source>
        <translation>Nach Updates suchen: VARN-Firmware %1 ist angekündigt, konnte aber nicht von %2 heruntergeladen werden; die nächste Suche versucht es erneut.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but the file served is no firmware (%2): it was not kept.</source>
        <translation>Nach Updates suchen: VARN-Firmware %1 ist angekündigt, aber die gelieferte Datei ist keine Firmware (%2): Sie wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is available, saved as %2.</source>
        <translation>Nach Updates suchen: VARN-Firmware %1 ist verfügbar, gespeichert als %2.</translation>
    </message>
    <message>
        <source>it declares XML entities, which dive logs do not use</source>
        <translation>die Datei deklariert XML-Entitäten, die Tauchprotokolle nicht verwenden</translation>
    </message>
    <message>
        <source>The dive computer answered, but garbled, cut short or too long: check the cable, and that no other program or device uses the port, then try again.</source>
        <translation>Der Tauchcomputer hat geantwortet, aber verstümmelt, abgebrochen oder zu lang: Prüfen Sie das Kabel und ob kein anderes Programm oder Gerät die Schnittstelle benutzt, dann versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Something other than the dive computer keeps sending on this port: close the other program or unplug the other device, and check the port chosen with Settings..., then try again.</source>
        <translation>Etwas anderes als der Tauchcomputer sendet ständig auf diesem Port: Schließen Sie das andere Programm oder trennen Sie das andere Gerät, und prüfen Sie den unter Optionen... gewählten Port, dann versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Check updates: a check is already under way; its results follow.</source>
        <translation>Nach Updates suchen: Eine Suche läuft bereits; ihre Ergebnisse folgen.</translation>
    </message>
    <message>
        <source>it is not a complete, well-formed XML file (the fault is at line %1)</source>
        <translation>die Datei ist keine vollständige, wohlgeformte XML-Datei (der Fehler steht in Zeile %1)</translation>
    </message>
    <message>
        <source>This try sent no firmware. The upgrade with &apos;%1&apos; was cut off earlier: start the upgrade again with that file.</source>
        <translation>Dieser Versuch hat keine Firmware übertragen. Das Update mit „%1“ wurde früher abgebrochen: Starten Sie das Update erneut mit dieser Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not sent to the dive computer.</source>
        <translation>„%1“ wurde nicht an den Tauchcomputer übertragen.</translation>
    </message>
    <message>
        <source>This try sent no firmware to the dive computer.</source>
        <translation>Dieser Versuch hat keine Firmware an den Tauchcomputer übertragen.</translation>
    </message>
    <message>
        <source>Looking for the fault in %1 ...</source>
        <translation>Der Fehler in %1 wird gesucht ...</translation>
    </message>
</context>
</TS>
