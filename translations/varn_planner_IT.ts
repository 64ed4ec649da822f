<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <source>Start Dive [m]</source>
        <translation>Inizio imm.[m]</translation>
    </message>
    <message>
        <source>End Dive [m]</source>
        <translation>Fine imm. [m]</translation>
    </message>
    <message>
        <source>End Delay [sec]</source>
        <translation>Rit. fine [sec]</translation>
    </message>
    <message>
        <source>Power Off [min]</source>
        <translation>Spegnim. [min]</translation>
    </message>
    <message>
        <source>Pre-menu [min]</source>
        <translation>Premenu [min]</translation>
    </message>
    <message>
        <source>velocity[m/min]</source>
        <translation>Velocità[m/min]</translation>
    </message>
    <message>
        <source>Wake-up  [mbar]</source>
        <translation>Risveglio[mbar]</translation>
    </message>
    <message>
        <source>max.Surf.[mbar]</source>
        <translation>Max.sup. [mbar]</translation>
    </message>
    <message>
        <source>GF display [%]</source>
        <translation>Mostra GF [%]</translation>
    </message>
    <message>
        <source>min. O2 Dis.[%]</source>
        <translation>Min.O2 vis.[%]</translation>
    </message>
    <message>
        <source>Dive menus[min]</source>
        <translation>Menu imm.[min]</translation>
    </message>
    <message>
        <source>Saturate x [%]</source>
        <translation>Saturaz. x [%]</translation>
    </message>
    <message>
        <source>Desaturate x[%]</source>
        <translation>Desaturaz.x [%]</translation>
    </message>
    <message>
        <source>NoFly Ratio [%]</source>
        <translation>Rapp.NoFly [%]</translation>
    </message>
    <message>
        <source>GF alarm 1 [%]</source>
        <translation>Allarme GF1 [%]</translation>
    </message>
    <message>
        <source>CNSshow surf[%]</source>
        <translation>CNS vis.sup.[%]</translation>
    </message>
    <message>
        <source>Deco Offset [m]</source>
        <translation>Offset deco [m]</translation>
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
        <translation>ppO2 vis. [bar]</translation>
    </message>
    <message>
        <source>sampling rate</source>
        <translation>Freq. campion.</translation>
    </message>
    <message>
        <source>Divisor Temp</source>
        <translation>Divisore Temp</translation>
    </message>
    <message>
        <source>Divisor Decodat</source>
        <translation>Divisore Deco</translation>
    </message>
    <message>
        <source>Divisor GF</source>
        <translation>Divisore GF</translation>
    </message>
    <message>
        <source>Divisor ppO2</source>
        <translation>Divisore ppO2</translation>
    </message>
    <message>
        <source>Divisor Debug</source>
        <translation>Divisore Debug</translation>
    </message>
    <message>
        <source>Divisor CNS</source>
        <translation>Divisore CNS</translation>
    </message>
    <message>
        <source>CNSshow dive[%]</source>
        <translation>CNS vis.imm.[%]</translation>
    </message>
    <message>
        <source>Logbook offset</source>
        <translation>Offset logbook</translation>
    </message>
    <message>
        <source>Last Deco at[m]</source>
        <translation>Ultima tappa[m]</translation>
    </message>
    <message>
        <source>End Apnoe [h]</source>
        <translation>Fine apnea [h]</translation>
    </message>
    <message>
        <source>Show Batt.Volts</source>
        <translation>Mostra V batt.</translation>
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
        <translation>Col.# Batteria</translation>
    </message>
    <message>
        <source>Color# Standard</source>
        <translation>Col.# Standard</translation>
    </message>
    <message>
        <source>Color# Divemask</source>
        <translation>Col.# Maschera</translation>
    </message>
    <message>
        <source>Color# Warnings</source>
        <translation>Col.# Avvisi</translation>
    </message>
    <message>
        <source>Divemode secs. </source>
        <translation>Secondi in imm.</translation>
    </message>
    <message>
        <source>Adjust fixed SP</source>
        <translation>Adatta SP fisso</translation>
    </message>
    <message>
        <source>Warn Ceiling</source>
        <translation>Avviso tetto</translation>
    </message>
    <message>
        <source>Mix type icons</source>
        <translation>Icone tipo mix</translation>
    </message>
    <message>
        <source>Blink BetterGas</source>
        <translation>Lamp. gas migl.</translation>
    </message>
    <message>
        <source>DepthWarn[mbar]</source>
        <translation>Avv.prof.[mbar]</translation>
    </message>
    <message>
        <source>CNS warning [%]</source>
        <translation>Avviso CNS [%]</translation>
    </message>
    <message>
        <source>GF warning [%]</source>
        <translation>Avviso GF [%]</translation>
    </message>
    <message>
        <source>ppO2 warn [bar]</source>
        <translation>Avv.ppO2 [bar]</translation>
    </message>
    <message>
        <source>Vel.warn[m/min]</source>
        <translation>Avv.vel.[m/min]</translation>
    </message>
    <message>
        <source>Time offset/day</source>
        <translation>Corr.ora/giorno</translation>
    </message>
    <message>
        <source>Show altimeter</source>
        <translation>Mostra altim.</translation>
    </message>
    <message>
        <source>Show Log-Marker</source>
        <translation>Mostra marcat.</translation>
    </message>
    <message>
        <source>Show Stopwatch</source>
        <translation>Mostra cronom.</translation>
    </message>
    <message>
        <source>ShowTissueGraph</source>
        <translation>Grafico tessuti</translation>
    </message>
    <message>
        <source>Show Lead.Tiss.</source>
        <translation>Tessuto guida</translation>
    </message>
    <message>
        <source>ShallowStop 1st</source>
        <translation>Tappe invertite</translation>
    </message>
    <message>
        <source>Gas switch[min]</source>
        <translation>Cambio gas[min]</translation>
    </message>
    <message>
        <source>BottomGas[/min]</source>
        <translation>Gas fondo[/min]</translation>
    </message>
    <message>
        <source>AscentGas[/min]</source>
        <translation>Gas ris. [/min]</translation>
    </message>
    <message>
        <source>Future TTS[min]</source>
        <translation>TTS futuro[min]</translation>
    </message>
    <message>
        <source>Cave Bail Alarm</source>
        <translation>All.bail grotta</translation>
    </message>
    <message>
        <source>Graph. Velocity</source>
        <translation>Velocità graf.</translation>
    </message>
    <message>
        <source>Show pSCR ppO2</source>
        <translation>Vis. ppO2 pSCR</translation>
    </message>
    <message>
        <source>pSCR O2 Drop[%]</source>
        <translation>Calo O2 pSCR[%]</translation>
    </message>
    <message>
        <source>pSCR lung ratio</source>
        <translation>Rapp.polm. pSCR</translation>
    </message>
    <message>
        <source>Color# inactive</source>
        <translation>Col.# Inattivo</translation>
    </message>
    <message>
        <source>Use safety stop</source>
        <translation>Sosta sicurezza</translation>
    </message>
    <message>
        <source>unused</source>
        <translation>non usato</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <source>Edit Custom Functions</source>
        <translation>Modifica funzioni personalizzate</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Custom Functions I</source>
        <translation>Funzioni pers. I</translation>
    </message>
    <message>
        <source>Custom Functions II</source>
        <translation>Funzioni pers. II</translation>
    </message>
    <message>
        <source>Custom Functions III</source>
        <translation>Funzioni pers. III</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <comment>CF bool</comment>
        <translation>ON</translation>
    </message>
    <message>
        <source>VARN &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>VARN &lt;i&gt;numero di serie non caricato&lt;/i&gt;</translation>
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
        <translation>VARN Planner ha incontrato %1 errori che non è riuscito a gestire e ora si chiude. I valori del modulo sono salvati; il contenuto della console va perso.</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <source>Save image...</source>
        <translation>Salva immagine...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Tracce dell&apos;immersione</translation>
    </message>
    <message>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Profondità [m]</translation>
    </message>
    <message>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>tempo [min]</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Grafico dei tessuti</translation>
    </message>
    <message>
        <source>P. ambient (absolute, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. ambiente (assoluta, millibar)</translation>
    </message>
    <message>
        <source>P. tissue (N2+He, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. tessuto (N2+He, millibar)</translation>
    </message>
    <message>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Jpeg image</source>
        <comment>Save plot</comment>
        <translation>Immagine JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <comment>Save plot</comment>
        <translation>Immagine PNG</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <comment>Save plot</comment>
        <translation>Immagine TIFF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <comment>Save plot</comment>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>SVG file</source>
        <comment>Save plot</comment>
        <translation>File SVG</translation>
    </message>
    <message>
        <source>Dump image to...</source>
        <comment>Save plot</comment>
        <translation>Salva immagine in...</translation>
    </message>
    <message>
        <source>TTS  = %1</source>
        <comment>Plot label</comment>
        <translation>TTS   = %1</translation>
    </message>
    <message>
        <source>Total= %2</source>
        <comment>Plot label</comment>
        <translation>Totale= %2</translation>
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
        <translation>Aria</translation>
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
        <translation>Totale=%2</translation>
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
        <translation>Clic per cambiare colore</translation>
    </message>
    <message>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation>Scegli il colore</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reading UDDF %1 dive
</source>
        <translation>Lettura immersione UDDF %1
</translation>
    </message>
    <message>
        <source>This is a CCR dive.</source>
        <translation>Immersione in CCR.</translation>
    </message>
    <message>
        <source>This is an OC dive.</source>
        <translation>Immersione in OC.</translation>
    </message>
    <message>
        <source>Unknown OC/CCR mode.</source>
        <translation>Modalità OC/CCR sconosciuta.</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas#%1 skipped: implausible mix.
</source>
        <translation>Gas#%1 ignorato: miscela non plausibile.
</translation>
    </message>
    <message numerus="yes">
        <source>%n setpoint(s) outside 0.16..2.55 bar skipped.
</source>
        <translation>
            <numerusform>%n setpoint fuori da 0.16..2.55 bar ignorato.
</numerusform>
            <numerusform>%n setpoint fuori da 0.16..2.55 bar ignorati.
</numerusform>
        </translation>
    </message>
    <message>
        <source>DivingLog DB %1 dive
</source>
        <translation>Immersione DivingLog DB %1
</translation>
    </message>
    <message>
        <source>Profile depths read as feet.
</source>
        <translation>Profondità del profilo lette in piedi.
</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>VARN Planner settings</source>
        <translation>Opzioni di VARN Planner</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Communication port:</source>
        <translation>Porta di comunicazione:</translation>
    </message>
    <message>
        <source>Verbose simulations</source>
        <translation>Simulazioni dettagliate</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Ripristina tutte le opzioni</translation>
    </message>
    <message>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Se attivo, ogni invio della configurazione imposta anche data e ora.</translation>
    </message>
    <message>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Imposta da solo data &amp;&amp; ora</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>nessuna porta</translation>
    </message>
    <message>
        <source>Did you installed the %1 driver ?</source>
        <translation>Driver %1 installato?</translation>
    </message>
</context>
<context>
    <name>VARN_Planner</name>
    <message>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Salva tutti i parametri del modello e dell&apos;immersione in un file *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from VARN.</source>
        <translation>Legge la configurazione (testo personalizzato, modello, gas, setpoint e tutte le CF) dal VARN.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Modifica il testo personalizzato e tutte le &lt;i&gt;funzioni personalizzate&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Edit CF...</source>
        <translation>Modifica CF...</translation>
    </message>
    <message>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to VARN.</source>
        <translation>Scrive la configurazione (testo personalizzato, modello, gas, setpoint e tutte le CF) nel VARN.</translation>
    </message>
    <message>
        <source>Upload CF</source>
        <translation>Invia CF</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Carica tutti i parametri del modello e dell&apos;immersione da un file *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Carica...</translation>
    </message>
    <message>
        <source>Download a copy of VARN screen, and save to disk.</source>
        <translation>Scarica una copia dello schermo del VARN e la salva su disco.</translation>
    </message>
    <message>
        <source> Screen Dump</source>
        <translation> Schermata</translation>
    </message>
    <message>
        <source>Upgrade VARN firmware.</source>
        <translation>Aggiorna il firmware del VARN.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Set Date &amp; Time.</source>
        <translation>Imposta data e ora.</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Data &amp;&amp; ora</translation>
    </message>
    <message>
        <source>Decompression Model:</source>
        <translation>Modello di decompressione:</translation>
    </message>
    <message>
        <source>Original ZH-L16C-1a [2002] Bühlmann model, with &lt;b&gt;saturation-desaturation&lt;/b&gt; security factors.</source>
        <translation>Modello Bühlmann ZH-L16C-1a [2002] originale, con fattori di sicurezza di &lt;b&gt;saturazione-desaturazione&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <source>Bühlmann model modified by adding &lt;B&gt;gradient factors&lt;/b&gt; security margins.</source>
        <translation>Modello Bühlmann modificato aggiungendo i margini di sicurezza dei &lt;B&gt;fattori di gradiente&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Gradient Factor</source>
        <translation>Fattori di gradiente</translation>
    </message>
    <message>
        <source>Sat factor(CF11):</source>
        <translation>Fatt. sat. (CF11):</translation>
    </message>
    <message>
        <source>Mutliplication factor for asymetric gas loading.</source>
        <translation>Fattore moltiplicativo per una saturazione asimmetrica.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Desat factor (CF12):</source>
        <translation>Fatt. desat. (CF12):</translation>
    </message>
    <message>
        <source>Multiplication factor for asymetric offgasing.</source>
        <translation>Fattore moltiplicativo per una desaturazione asimmetrica.</translation>
    </message>
    <message>
        <source>GF low (CF32):</source>
        <translation>GF low (CF32):</translation>
    </message>
    <message>
        <source>Gradient factor at the deepest stop.</source>
        <translation>Fattore di gradiente alla tappa più profonda.</translation>
    </message>
    <message>
        <source>GF high (CF33):</source>
        <translation>GF high (CF33):</translation>
    </message>
    <message>
        <source>Gradient factor at surface.</source>
        <translation>Fattore di gradiente in superficie.</translation>
    </message>
    <message>
        <source>Open Circuit dive (tanks) mode.</source>
        <translation>Immersione a circuito aperto (bombole).</translation>
    </message>
    <message>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <source>Closed Circuit Rebreather mode (constant ppO2).</source>
        <translation>Rebreather a circuito chiuso (ppO2 costante).</translation>
    </message>
    <message>
        <source>CCR</source>
        <translation>CCR</translation>
    </message>
    <message>
        <source>Gas List:</source>
        <translation>Lista dei gas:</translation>
    </message>
    <message>
        <source>Gas enable for decompression planning.</source>
        <translation>Usa il gas nella pianificazione della decompressione.</translation>
    </message>
    <message>
        <source>Gas 1</source>
        <translation>Gas 1</translation>
    </message>
    <message>
        <source>&lt;b&gt;OC&lt;/b&gt;: Use this mix as first gas (ie. travel and bottom mix)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: Us this gas as diluent.</source>
        <translation>&lt;b&gt;OC&lt;/b&gt;: usa questa miscela come primo gas (cioè miscela di trasferimento e di fondo)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: usa questo gas come diluente.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>O2:</source>
        <translation>O2:</translation>
    </message>
    <message>
        <source>Oxygen fraction in the mix.</source>
        <translation>Frazione di ossigeno nella miscela.</translation>
    </message>
    <message>
        <source>He:</source>
        <translation>He:</translation>
    </message>
    <message>
        <source>Helium fraction in the mix.</source>
        <translation>Frazione di elio nella miscela.</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>a:</translation>
    </message>
    <message>
        <source>Switch depth for the mix during ascent planning.</source>
        <translation>Profondità di cambio per questa miscela nella pianificazione della risalita.</translation>
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
        <translation>Ritardo cambio (CF55):</translation>
    </message>
    <message>
        <source>Minimum stop time for switching mix during decoplan prediction.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Tempo minimo di sosta per il cambio di miscela nel calcolo del piano deco.&lt;br&gt;&lt;i&gt;Novità della 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>CCR Setpoints:</source>
        <translation>Setpoint CCR:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Setpoint 1:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Setpoint 1:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Starting setpoint, and the only one used for decoplanning.</source>
        <translation>Setpoint iniziale, l&apos;unico usato per il piano di decompressione.</translation>
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
        <translation>Secondo setpoint. Solo per cambio manuale.</translation>
    </message>
    <message>
        <source>Setpoint 3:</source>
        <translation>Setpoint 3:</translation>
    </message>
    <message>
        <source>Tertiary setpoint. For manual switch only.</source>
        <translation>Terzo setpoint. Solo per cambio manuale.</translation>
    </message>
    <message>
        <source>Adjust setpoint when diluent is in excess.</source>
        <translation>Adatta il setpoint quando il diluente è in eccesso.</translation>
    </message>
    <message>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Adatta SP fisso (CF39)</translation>
    </message>
    <message>
        <source>Other VARN dive settings:</source>
        <translation>Altre impostazioni del VARN:</translation>
    </message>
    <message>
        <source>Deco offset (CF16):</source>
        <translation>Offset deco (CF16):</translation>
    </message>
    <message>
        <source>Safety margin added to stop depth to compute gas loading/unloading during decoplan prediction.</source>
        <translation>Margine di sicurezza aggiunto alla profondità della tappa per calcolare saturazione/desaturazione nel calcolo del piano deco.</translation>
    </message>
    <message>
        <source>Last stop used during decoplan prediction.</source>
        <translation>Ultima tappa usata nel calcolo del piano deco.</translation>
    </message>
    <message>
        <source>Display TTS (Time to surface) if staying extra minutes at current depth.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>Mostra il TTS (tempo di risalita) se si restano altri minuti alla profondità attuale.&lt;br&gt;&lt;i&gt;Novità della 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Future TTS (CF58):</source>
        <translation>TTS futuro (CF58):</translation>
    </message>
    <message>
        <source>Last stop (CF29):</source>
        <translation>Ultima tappa (CF29):</translation>
    </message>
    <message>
        <source>ppO2 max (CF18):</source>
        <translation>ppO2 max (CF18):</translation>
    </message>
    <message>
        <source>Gas consumption during ascent and deco stops (deco SAC) , for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Consumo di gas in risalita e nelle tappe deco (SAC deco), per il calcolo dei volumi.&lt;br&gt;&lt;i&gt;Novità della 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source> l/min</source>
        <translation> l/min</translation>
    </message>
    <message>
        <source>RMV deco gas (CF57):</source>
        <translation>RMV gas deco (CF57):</translation>
    </message>
    <message>
        <source>Gas consumption during bottom time (bottom SAC), for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Consumo di gas durante il tempo di fondo (SAC fondo), per il calcolo dei volumi.&lt;br&gt;&lt;i&gt;Novità della 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>RMV bottom gas (CF56):</source>
        <translation>RMV gas fondo (CF56):</translation>
    </message>
    <message>
        <source>Display decoplan with shallowest stop on top (ie. reverse order).&lt;br&gt;&lt;i&gt;New in 1.80&lt;/i&gt;</source>
        <translation>Mostra il piano deco con la tappa meno profonda in alto (cioè in ordine inverso).&lt;br&gt;&lt;i&gt;Novità della 1.80&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Shallowest stop first (CF54)</source>
        <translation>Tappe invertite (CF54)</translation>
    </message>
    <message>
        <source>Max allowed Oxygen partial pressure (Only used to display MOD).</source>
        <translation>Pressione parziale massima di ossigeno ammessa (usata solo per mostrare la MOD).</translation>
    </message>
    <message>
        <source>Dive planning:</source>
        <translation>Pianificazione immersione:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <source>Reset = start a new dive (non-consecutive).&lt;br&gt;0     = Add a new segment to the current dive.&lt;br&gt;10... = Surface delay between successives dives.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>Azzera = inizia una nuova immersione (non successiva).&lt;br&gt;0      = aggiunge un segmento all&apos;immersione attuale.&lt;br&gt;10...  = intervallo di superficie tra immersioni successive.&lt;br&gt;&lt;i&gt;Novità della 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Dive time:</source>
        <translation>Tempo di fondo:</translation>
    </message>
    <message>
        <source>Bottom time, including (instant) descent, or next segment duration.</source>
        <translation>Tempo di fondo, discesa (istantanea) compresa, o durata del segmento successivo.</translation>
    </message>
    <message>
        <source>Dive depth:</source>
        <translation>Profondità:</translation>
    </message>
    <message>
        <source>Bottom or next segment depth.</source>
        <translation>Profondità di fondo o del segmento successivo.</translation>
    </message>
    <message>
        <source>Patm:</source>
        <translation>Patm:</translation>
    </message>
    <message>
        <source>Surface athmospheric pressure (weather/altitude conditions).</source>
        <translation>Pressione atmosferica in superficie (condizioni meteo/altitudine).</translation>
    </message>
    <message>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <source>Ascent rate:</source>
        <translation>Vel. risalita:</translation>
    </message>
    <message>
        <source>Speed for automatic ascent simulation.</source>
        <translation>Velocità della risalita automatica simulata.</translation>
    </message>
    <message>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Simula un segmento tempo/profondità.</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simula</translation>
    </message>
    <message>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Ricalcola da qui il piano di decompressione e stima il consumo di gas di ogni bombola.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: puoi cambiare la lista dei gas e provare runtime diversi.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: in CCR passa al runtime di BAILOUT, quindi &lt;i&gt;Aggiungi runtime&lt;/i&gt; traccerà il piano di decompressione in bailout.</translation>
    </message>
    <message>
        <source>Gas volumes</source>
        <translation>Volumi gas</translation>
    </message>
    <message>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Simula una risalita automatica, rispettando le tappe e i cambi gas ricalcolati via via.</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Risalita</translation>
    </message>
    <message>
        <source>Replay dive</source>
        <translation>Riproduci immersione</translation>
    </message>
    <message>
        <source>Replay mode</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>The &lt;i&gt;Simulate&lt;/i&gt; button will replay depth from a recorded dive profile.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: preview feature not yet finished.</source>
        <translation>Il pulsante &lt;i&gt;Simula&lt;/i&gt; riprodurrà le profondità di un profilo d&apos;immersione registrato.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: funzione in anteprima, non ancora completa.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>dive file</source>
        <translation>file immersione</translation>
    </message>
    <message>
        <source>Stop replay simulation when at the depth of the first stop, minus CF16.</source>
        <translation>Ferma la riproduzione alla profondità della prima tappa, meno CF16.</translation>
    </message>
    <message>
        <source>Breaks on deco stops.</source>
        <translation>Pausa alle tappe deco.</translation>
    </message>
    <message>
        <source>Replay gas switch</source>
        <translation>Riproduci cambi gas</translation>
    </message>
    <message>
        <source>Do setpoint switches, as recorded in CCR dive profil (IF SUPPORTED BY THE FILE FORMAT USED).</source>
        <translation>Esegue i cambi di setpoint registrati nel profilo d&apos;immersione CCR (SE IL FORMATO DEL FILE LI SUPPORTA).</translation>
    </message>
    <message>
        <source>Replay setpoint</source>
        <translation>Riproduci setpoint</translation>
    </message>
    <message>
        <source>Stop replay simulation when a better gas is available from the current gas list.</source>
        <translation>Ferma la riproduzione quando nella lista dei gas c&apos;è un gas migliore.</translation>
    </message>
    <message>
        <source>Breaks on gas switch</source>
        <translation>Pausa al cambio gas</translation>
    </message>
    <message>
        <source>Breaks on setpoint</source>
        <translation>Pausa al setpoint</translation>
    </message>
    <message>
        <source>Graphic output:</source>
        <translation>Grafici:</translation>
    </message>
    <message>
        <source>Plot dive profile during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia il profilo d&apos;immersione durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Plot ceiling curve (deepest stop depth) during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia la curva del tetto di decompressione (profondità della tappa più profonda) durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Tetto</translation>
    </message>
    <message>
        <source>Plot time (NDL or deepest stop duration ) curve during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia la curva del tempo (NDL o durata della tappa più profonda) durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Tappa</translation>
    </message>
    <message>
        <source>Plot N2+He gas tension in leading tissue during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia la tensione di N2+He nel tessuto guida durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Lead Tissue</source>
        <translation>Tessuto guida</translation>
    </message>
    <message>
        <source>Plot gradient factor during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia il fattore di gradiente durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>Plot inspired &lt;i&gt;Oxygen&lt;/i&gt; partial pressure during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia la pressione parziale dell&apos;&lt;i&gt;ossigeno&lt;/i&gt; inspirato durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <source>Plot &lt;i&gt;Central Nervous System&lt;/i&gt; toxicity index during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Traccia l&apos;indice di tossicità per il &lt;i&gt;sistema nervoso centrale&lt;/i&gt; durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>CNS O2</source>
        <translation>CNS O2</translation>
    </message>
    <message>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Aggiunge al grafico il runtime del piano deco attuale (da fare dopo &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Volumi gas&lt;/i&gt;).</translation>
    </message>
    <message>
        <source>Add runtime</source>
        <translation>Aggiungi runtime</translation>
    </message>
    <message>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Traccia le tensioni di N2+He nei tessuti durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt; in una finestra separata.</translation>
    </message>
    <message>
        <source>Pressure diagram</source>
        <translation>Grafico pressioni</translation>
    </message>
    <message>
        <source>Remove all curves from dive profil.</source>
        <translation>Toglie tutte le curve dal profilo d&apos;immersione.</translation>
    </message>
    <message>
        <source>Clear profil</source>
        <translation>Pulisci profilo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Planning</source>
        <translation>&amp;Pianificazione</translation>
    </message>
    <message>
        <source>&amp;VARN</source>
        <translation>&amp;VARN</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Carica...</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Scarica</translation>
    </message>
    <message>
        <source>&amp;Edit CF...</source>
        <translation>&amp;Modifica CF...</translation>
    </message>
    <message>
        <source>&amp;Upload CF</source>
        <translation>&amp;Invia CF</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simula</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Volumi gas</translation>
    </message>
    <message>
        <source>&amp;Ascent</source>
        <translation>&amp;Risalita</translation>
    </message>
    <message>
        <source>Add &amp;runtime</source>
        <translation>&amp;Aggiungi runtime</translation>
    </message>
    <message>
        <source>&amp;Clear profil</source>
        <translation>&amp;Pulisci profilo</translation>
    </message>
    <message>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Grafico pressioni</translation>
    </message>
    <message>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Imposta data &amp;&amp; ora</translation>
    </message>
    <message>
        <source>Set VARN Date and Time.</source>
        <translation>Imposta data e ora del VARN.</translation>
    </message>
    <message>
        <source>Check updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Check for new VARN Planner and firmware updates.</source>
        <translation>Cerca nuove versioni di VARN Planner e aggiornamenti del firmware.</translation>
    </message>
</context>
<context>
    <name>VARN_Planner_Interface</name>
    <message>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CAMBIO Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <source>More stops than listed: the time to surface counts them all</source>
        <translation>Più tappe di quelle elencate: il tempo di risalita le conta tutte</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Depth                         = %1 m</source>
        <translation>Profondità                    = %1 m</translation>
    </message>
    <message>
        <source>Bottom time                   = %1 min</source>
        <translation>Tempo di fondo                = %1 min</translation>
    </message>
    <message>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Consumo gas fondo (CF56)      = %1 l/min</translation>
    </message>
    <message>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Consumo gas risalita (CF57)   = %1 l/min</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Deco:</source>
        <comment>Console</comment>
        <translation>Deco:</translation>
    </message>
    <message>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <source>Bottom time above 255 min: no gas volumes</source>
        <translation>Tempo di fondo oltre 255 min: niente volumi di gas</translation>
    </message>
    <message>
        <source>The decompression plan did not finish</source>
        <translation>Il piano di decompressione non è stato completato</translation>
    </message>
    <message>
        <source>Ascent speed must be above 0 m/min</source>
        <translation>La velocità di risalita deve superare 0 m/min</translation>
    </message>
    <message>
        <source>ASCENT STOPPED: %1 m not reached</source>
        <translation>RISALITA INTERROTTA: %1 m non raggiunti</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:
</source>
        <translation>Decompressione Bühlmann ZH-L16C-1a 2002 con FATTORI DI GRADIENTE:
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
        <translation>Decompressione Bühlmann ZH-L16C-1a 2002 standard:
</translation>
    </message>
    <message>
        <source>*  saturation factor (CF11) = %1 %
</source>
        <translation>*  fattore di saturazione (CF11) = %1 %
</translation>
    </message>
    <message>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  fattore di desaturazione (CF12) = %1 %</translation>
    </message>
    <message>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation>*  offset deco (CF16) = %1 m</translation>
    </message>
    <message>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  ultima tappa (CF29) = %1 m</translation>
    </message>
    <message>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  immersione iniziata a Pamb = %1 mbar</translation>
    </message>
    <message>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  immersione proseguita alla profondità = %1 m</translation>
    </message>
    <message>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Intervallo dall&apos;immersione precedente = %1&apos;</translation>
    </message>
    <message>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Ritardo cambio gas (CF55) = %1 min</translation>
    </message>
    <message>
        <source>CCR mode:</source>
        <translation>Modalità CCR:</translation>
    </message>
    <message>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1: %1</translation>
    </message>
    <message>
        <source>*  Diluant gas#%1 = %2/%3</source>
        <translation>*  Gas diluente#%1 = %2/%3</translation>
    </message>
    <message>
        <source>OC gas list:</source>
        <translation>Lista gas OC:</translation>
    </message>
    <message>
        <source>*  First gas#%1 = %2/%3</source>
        <translation>*  Primo gas#%1 = %2/%3</translation>
    </message>
    <message>
        <source>*  Bailout gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Gas bailout#%1 = %2/%3 a %4 m</translation>
    </message>
    <message>
        <source>*  Deco gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Gas deco#%1 = %2/%3 a %4 m</translation>
    </message>
    <message>
        <source>BREAK ON STOP @ %1m</source>
        <translation>PAUSA ALLA TAPPA @ %1m</translation>
    </message>
    <message>
        <source>Gas#%1 of the log is not one of the five gases: switch ignored</source>
        <translation>Il Gas#%1 del log non è tra i cinque gas: cambio ignorato</translation>
    </message>
    <message>
        <source>SP%1</source>
        <translation>SP%1</translation>
    </message>
    <message>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>CAMBIO Setpoint %1 -&gt; %2</translation>
    </message>
    <message>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>PAUSA PER GAS MIGLIORE Gas#%1</translation>
    </message>
    <message>
        <source>BREAK ON SETPOINT</source>
        <translation>PAUSA AL SETPOINT</translation>
    </message>
    <message>
        <source>Future TTS</source>
        <translation>TTS futuro</translation>
    </message>
    <message>
        <source>Future RT </source>
        <translation>RT futuro </translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:%2m, END:%3m</translation>
    </message>
    <message>
        <source>&lt;i&gt;VARN Planner&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;VARN&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;VARN&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;VARN&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>Il software &lt;i&gt;VARN Planner&lt;/i&gt; serve a:&lt;ul&gt;&lt;li&gt;Sperimentare e capire i parametri di decompressione del tuo computer &lt;i&gt;VARN&lt;/i&gt; (modello, fattori di gradiente, profondità di cambio gas, ecc.).&lt;li&gt;Tracciare profili d&apos;immersione simulati e confrontare diverse configurazioni (miscele, bombole deco, setpoint, tappe, ecc.)&lt;li&gt;Verificare il &lt;i&gt;VARN&lt;/i&gt; confrontandone i risultati con altri software di decompressione.&lt;li&gt;Salvare, modificare e ripristinare le configurazioni del tuo computer &lt;i&gt;VARN&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Dil:%1/%2, prof.max CCR:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, prof.max CCR:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>A simulation is running: try again when it has ended.</source>
        <translation>Simulazione in corso: riprova quando è terminata.</translation>
    </message>
    <message>
        <source>Dive profile</source>
        <comment>Window Title</comment>
        <translation>Profilo d&apos;immersione</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Window Title</comment>
        <translation>Grafico dei tessuti</translation>
    </message>
    <message>
        <source>Replay dive profile</source>
        <translation>Riproduci un profilo d&apos;immersione</translation>
    </message>
    <message>
        <source>Unable to read dive profile</source>
        <translation>Impossibile leggere il profilo d&apos;immersione</translation>
    </message>
    <message>
        <source>Load dive parameters...</source>
        <translation>Carica i parametri d&apos;immersione...</translation>
    </message>
    <message>
        <source>Dives params (*.div)</source>
        <translation>Parametri d&apos;immersione (*.div)</translation>
    </message>
    <message>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Salva tutti i parametri...</translation>
    </message>
    <message>
        <source>Unable to write to &apos;%1&apos;.</source>
        <translation>Impossibile scrivere in &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Nuova versione...</translation>
    </message>
    <message>
        <source>A new version of &lt;i&gt;VARN Planner&lt;/i&gt; is available. Please consider upgrading from the website:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</source>
        <translation>È disponibile una nuova versione di &lt;i&gt;VARN Planner&lt;/i&gt;. Ti consigliamo di aggiornarla dal sito web:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The new firmware %1 could not be saved: unable to write to &apos;%2&apos;.</source>
        <translation>Il nuovo firmware %1 non è stato salvato: impossibile scrivere in &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 disponibile...</translation>
    </message>
    <message>
        <source>Version %1 of the &lt;i&gt;VARN&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>È disponibile la versione %1 del firmware &lt;i&gt;VARN&lt;/i&gt;. Ti consigliamo di aggiornare il tuo computer...</translation>
    </message>
    <message>
        <source>No gas volumes: %1</source>
        <translation>Niente volumi di gas: %1</translation>
    </message>
    <message>
        <source>The logged greatest depth is missing or implausible: the deepest sample is used.</source>
        <translation>La profondità massima registrata manca o non è plausibile: si usa il campione più profondo.</translation>
    </message>
    <message numerus="yes">
        <source>%n sample(s) without a usable time left out.</source>
        <translation>
            <numerusform>%n campione senza un tempo utilizzabile scartato.</numerusform>
            <numerusform>%n campioni senza un tempo utilizzabile scartati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n depth(s) missing or implausible: taken from the samples around them.</source>
        <translation>
            <numerusform>%n profondità mancante o non plausibile: ricavata dai campioni vicini.</numerusform>
            <numerusform>%n profondità mancanti o non plausibili: ricavate dai campioni vicini.</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>è più grande di %1 MB</translation>
    </message>
    <message>
        <source>its text encoding %1 is unknown</source>
        <translation>la sua codifica del testo %1 è sconosciuta</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>i suoi elementi sono annidati oltre %1 livelli</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s closed circuit mode is kept.</source>
        <translation>Modalità di immersione sconosciuta: resta il circuito chiuso impostato nel modulo.</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s open circuit mode is kept.</source>
        <translation>Modalità di immersione sconosciuta: resta il circuito aperto impostato nel modulo.</translation>
    </message>
    <message numerus="yes">
        <source>%n more mix(es) not listed: the computer has five gases.</source>
        <translation>
            <numerusform>%n miscela in più non elencata: il computer ha cinque gas.</numerusform>
            <numerusform>%n miscele in più non elencate: il computer ha cinque gas.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no dive of a %1 log</source>
        <translation>non contiene alcuna immersione di un log %1</translation>
    </message>
    <message>
        <source>The log names no gases: the gases of the form are used.</source>
        <translation>Il log non indica gas: si usano i gas del modulo.</translation>
    </message>
    <message>
        <source>a gas breathed near the surface gives a ppO2 of 0.15 bar or less, too little oxygen for the decompression model</source>
        <translation>un gas respirato vicino alla superficie dà una ppO2 di 0.15 bar o meno, troppo poco ossigeno per il modello di decompressione</translation>
    </message>
    <message>
        <source>a gas of the plan has more than 95 % nitrogen or helium, more than the decompression model takes</source>
        <translation>un gas del piano ha più del 95 % di azoto o elio, più di quanto accetti il modello di decompressione</translation>
    </message>
    <message>
        <source>the gas breathed has more than 95 % inert gas, less than 5 % oxygen for the decompression model</source>
        <translation>il gas respirato ha più del 95 % di gas inerte, cioè meno del 5 % di ossigeno richiesto dal modello di decompressione</translation>
    </message>
    <message>
        <source>the gas breathed there has a nitrogen pressure beyond the decompression model&apos;s range</source>
        <translation>il gas respirato lì ha una pressione di azoto fuori dall&apos;intervallo del modello di decompressione</translation>
    </message>
    <message>
        <source>the gas breathed there has a helium pressure beyond the decompression model&apos;s range</source>
        <translation>il gas respirato lì ha una pressione di elio fuori dall&apos;intervallo del modello di decompressione</translation>
    </message>
    <message>
        <source>the surface pressure is outside the decompression model&apos;s 801 to 1099 mbar</source>
        <translation>la pressione in superficie è fuori dall&apos;intervallo da 801 a 1099 mbar del modello di decompressione</translation>
    </message>
    <message>
        <source>the ambient pressure is outside the decompression model&apos;s 0.8 to 14 bar</source>
        <translation>la pressione ambiente è fuori dall&apos;intervallo da 0.8 a 14 bar del modello di decompressione</translation>
    </message>
    <message>
        <source>a value is outside what the decompression model can compute</source>
        <translation>un valore è fuori da ciò che il modello di decompressione può calcolare</translation>
    </message>
    <message>
        <source>Gas#%1 of the log has no gas set up (its mix was skipped or the gas is off): switch ignored</source>
        <translation>Il Gas#%1 del log non ha un gas impostato (la sua miscela è stata ignorata o il gas è disattivato): cambio ignorato</translation>
    </message>
    <message>
        <source>No dive to ascend from: simulate first</source>
        <translation>Nessuna immersione da cui risalire: prima simula</translation>
    </message>
    <message>
        <source>Ascent stopped at %1 m: %2</source>
        <translation>Risalita interrotta a %1 m: %2</translation>
    </message>
    <message>
        <source>Simulation stopped at %1 m: %2</source>
        <translation>Simulazione interrotta a %1 m: %2</translation>
    </message>
    <message>
        <source>Surface pressure must be above 800 mbar</source>
        <translation>la pressione in superficie deve superare 800 mbar</translation>
    </message>
    <message>
        <source>Surface pressure must be below 1100 mbar</source>
        <translation>la pressione in superficie deve essere inferiore a 1100 mbar</translation>
    </message>
    <message>
        <source>Gas %1 has less than 5 % O2</source>
        <translation>il gas %1 ha meno del 5 % di O2</translation>
    </message>
    <message>
        <source>Gas %1 has more than 100 % O2 and He together</source>
        <translation>il gas %1 ha più del 100 % di O2 e He insieme</translation>
    </message>
    <message>
        <source>Dive depth must be at most %1 m at a surface pressure of %2 mbar</source>
        <translation>la profondità deve essere al massimo %1 m con una pressione in superficie di %2 mbar</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Lettura di %1 ...</translation>
    </message>
    <message>
        <source>Not simulated: %1</source>
        <translation>Non simulato: %1</translation>
    </message>
    <message>
        <source>No ascent: %1</source>
        <translation>Nessuna risalita: %1</translation>
    </message>
    <message>
        <source>No finished plan to draw: simulate first</source>
        <translation>Nessun piano completo da tracciare: prima simula</translation>
    </message>
    <message>
        <source>its name ends neither in .xml nor in .uddf</source>
        <translation>il suo nome non termina né in .xml né in .uddf</translation>
    </message>
    <message>
        <source>Unable to read dive profile &apos;%1&apos;: %2</source>
        <translation>Impossibile leggere il profilo d&apos;immersione &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 (cannot be replayed: %2)</source>
        <translation>%1 (non riproducibile: %2)</translation>
    </message>
    <message>
        <source>the log holds no samples for it</source>
        <translation>il log non contiene campioni per questa immersione</translation>
    </message>
    <message>
        <source>its samples span no time</source>
        <translation>i suoi campioni non coprono alcun intervallo di tempo</translation>
    </message>
    <message>
        <source>Dive %1 cannot be replayed: %2.</source>
        <translation>L&apos;immersione %1 non può essere riprodotta: %2.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s %1 min, not the %2 min of the form.</source>
        <translation>La riproduzione segue i %1 min del log, non i %2 min del modulo.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s depths (deepest %1 m), not the %2 m of the form.</source>
        <translation>La riproduzione segue le profondità del log (massima %1 m), non i %2 m del modulo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; no longer exists: nothing was loaded</source>
        <translation>&apos;%1&apos; non esiste più: non è stato caricato nulla</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: nothing was loaded</source>
        <translation>&apos;%1&apos; non si può leggere: non è stato caricato nulla</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a dive parameter file: nothing was loaded</source>
        <translation>&apos;%1&apos; non è un file di parametri d&apos;immersione: non è stato caricato nulla</translation>
    </message>
    <message>
        <source>No serial port is chosen for the dive computer: choose its port with Settings... (button or File menu).</source>
        <translation>Nessuna porta seriale scelta per il computer subacqueo: scegli la sua porta con Opzioni... (pulsante o menu File).</translation>
    </message>
    <message>
        <source>FAILED: </source>
        <translation>ERRORE: </translation>
    </message>
    <message>
        <source>Connecting %1</source>
        <translation>Connessione a %1</translation>
    </message>
    <message>
        <source>Reading VARN %1 done.</source>
        <translation>Lettura del VARN %1 completata.</translation>
    </message>
    <message>
        <source>Programming VARN %1 done.</source>
        <translation>Programmazione del VARN %1 completata.</translation>
    </message>
    <message>
        <source>SYNC FAILED</source>
        <translation>SINCRONIZZAZIONE FALLITA</translation>
    </message>
    <message>
        <source>Date and time set to %1</source>
        <translation>Data e ora impostate a %1</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Save screen dump...</source>
        <translation>Salva schermata...</translation>
    </message>
    <message>
        <source>Unable to save the screen dump to &apos;%1&apos;.</source>
        <translation>Impossibile salvare la schermata in &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>UPGRADE FAILED</source>
        <translation>AGGIORNAMENTO FALLITO</translation>
    </message>
    <message>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <source>Loading &apos;%1&apos;</source>
        <translation>Caricamento di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Starting VARN upgrade...</source>
        <translation>Avvio dell&apos;aggiornamento del VARN...</translation>
    </message>
    <message>
        <source>VARN upgrade done. rebooting...</source>
        <translation>Aggiornamento del VARN completato. Riavvio...</translation>
    </message>
    <message>
        <source>The dive computer may now hold settings other than the form&apos;s: download to see them, or upload again.</source>
        <translation>Il computer subacqueo potrebbe ora contenere impostazioni diverse da quelle del modulo: usa Scarica per vederle, oppure Invia CF per inviare di nuovo quelle del modulo.</translation>
    </message>
    <message>
        <source>The dive computer did not answer: check the cable, and that the computer is awake in its PC mode.</source>
        <translation>Il computer subacqueo non ha risposto: controlla il cavo e che il computer sia acceso e nella sua modalità PC.</translation>
    </message>
    <message>
        <source>Waiting for the dive computer&apos;s boot loader... (try %1 of %2)</source>
        <translation>In attesa del bootloader del computer subacqueo... (tentativo %1 di %2)</translation>
    </message>
    <message>
        <source>The dive computer is busy: try again when its transfer has ended.</source>
        <translation>Il computer subacqueo è occupato: riprova quando il trasferimento è terminato.</translation>
    </message>
    <message>
        <source>The upgrade did not finish: the dive computer waits in its boot loader. Start the upgrade again with the same file, &apos;%1&apos;.</source>
        <translation>L&apos;aggiornamento non è terminato: il computer subacqueo attende nel suo bootloader. Riavvia l&apos;aggiornamento con lo stesso file, &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>VARN Planner help</source>
        <comment>Window Title</comment>
        <translation>Guida di VARN Planner</translation>
    </message>
    <message>
        <source>No plan to draw: the ascent ended the plan; simulate again to draw a runtime</source>
        <translation>Nessun piano da tracciare: la risalita ha concluso il piano; simula di nuovo per aggiungere un runtime</translation>
    </message>
    <message>
        <source>No plan to draw: the last run stopped before its plan was finished</source>
        <translation>Nessun piano da tracciare: l&apos;ultima simulazione si è fermata prima di completare il piano</translation>
    </message>
    <message>
        <source>No plan to draw: the last action was refused</source>
        <translation>Nessun piano da tracciare: l&apos;ultima azione è stata rifiutata</translation>
    </message>
    <message>
        <source>Check updates: a new version of VARN Planner is available.</source>
        <translation>Cerca aggiornamenti: è disponibile una nuova versione di VARN Planner.</translation>
    </message>
    <message>
        <source>Check updates: no new version of VARN Planner.</source>
        <translation>Cerca aggiornamenti: nessuna nuova versione di VARN Planner.</translation>
    </message>
    <message>
        <source>Check updates: the VARN Planner web site %1 could not be reached.</source>
        <translation>Cerca aggiornamenti: impossibile raggiungere il sito web di VARN Planner %1.</translation>
    </message>
    <message>
        <source>Check updates: no new VARN firmware.</source>
        <translation>Cerca aggiornamenti: nessun nuovo firmware VARN.</translation>
    </message>
    <message>
        <source>Check updates: the firmware web site %1 could not be reached.</source>
        <translation>Cerca aggiornamenti: impossibile raggiungere il sito web del firmware %1.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but could not be downloaded from %2; the next check tries again.</source>
        <translation>Cerca aggiornamenti: il firmware VARN %1 è annunciato ma non è stato possibile scaricarlo da %2; la prossima ricerca riproverà.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but the file served is no firmware (%2): it was not kept.</source>
        <translation>Cerca aggiornamenti: il firmware VARN %1 è annunciato ma il file ricevuto non è un firmware (%2): non è stato conservato.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is available, saved as %2.</source>
        <translation>Cerca aggiornamenti: il firmware VARN %1 è disponibile, salvato come %2.</translation>
    </message>
    <message>
        <source>it declares XML entities, which dive logs do not use</source>
        <translation>dichiara entità XML, che i log di immersione non usano</translation>
    </message>
    <message>
        <source>The dive computer answered, but garbled, cut short or too long: check the cable, and that no other program or device uses the port, then try again.</source>
        <translation>Il computer subacqueo ha risposto, ma in modo illeggibile, troncato o troppo lungo: controlla il cavo e che nessun altro programma o dispositivo usi la porta, poi riprova.</translation>
    </message>
    <message>
        <source>Something other than the dive computer keeps sending on this port: close the other program or unplug the other device, and check the port chosen with Settings..., then try again.</source>
        <translation>Qualcosa di diverso dal computer subacqueo continua a trasmettere su questa porta: chiudi l&apos;altro programma o scollega l&apos;altro dispositivo, e controlla la porta scelta con Opzioni..., poi riprova.</translation>
    </message>
    <message>
        <source>Check updates: a check is already under way; its results follow.</source>
        <translation>Cerca aggiornamenti: una ricerca è già in corso; i suoi risultati seguiranno.</translation>
    </message>
    <message>
        <source>it is not a complete, well-formed XML file (the fault is at line %1)</source>
        <translation>non è un file XML completo e ben formato (l&apos;errore è alla riga %1)</translation>
    </message>
    <message>
        <source>This try sent no firmware. The upgrade with &apos;%1&apos; was cut off earlier: start the upgrade again with that file.</source>
        <translation>Questo tentativo non ha inviato alcun firmware. L&apos;aggiornamento con &apos;%1&apos; è stato interrotto prima: riavvia l&apos;aggiornamento con quel file.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not sent to the dive computer.</source>
        <translation>&apos;%1&apos; non è stato inviato al computer subacqueo.</translation>
    </message>
    <message>
        <source>This try sent no firmware to the dive computer.</source>
        <translation>Questo tentativo non ha inviato alcun firmware al computer subacqueo.</translation>
    </message>
    <message>
        <source>Looking for the fault in %1 ...</source>
        <translation>Ricerca dell&apos;errore in %1 ...</translation>
    </message>
</context>
</TS>
