<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <source>Start Dive [m]</source>
        <translation>Début plong [m]</translation>
    </message>
    <message>
        <source>End Dive [m]</source>
        <translation>Fin plongée [m]</translation>
    </message>
    <message>
        <source>End Delay [sec]</source>
        <translation>Délai fin [sec]</translation>
    </message>
    <message>
        <source>Power Off [min]</source>
        <translation>Arrêt auto[min]</translation>
    </message>
    <message>
        <source>Pre-menu [min]</source>
        <translation>Pré-menu [min]</translation>
    </message>
    <message>
        <source>velocity[m/min]</source>
        <translation>Vitesse [m/min]</translation>
    </message>
    <message>
        <source>Wake-up  [mbar]</source>
        <translation>Réveil   [mbar]</translation>
    </message>
    <message>
        <source>max.Surf.[mbar]</source>
        <translation>Surf. max[mbar]</translation>
    </message>
    <message>
        <source>GF display [%]</source>
        <translation>Aff. GF [%]</translation>
    </message>
    <message>
        <source>min. O2 Dis.[%]</source>
        <translation>O2 min aff. [%]</translation>
    </message>
    <message>
        <source>Dive menus[min]</source>
        <translation>Menu plong[min]</translation>
    </message>
    <message>
        <source>Saturate x [%]</source>
        <translation>Satur. x [%]</translation>
    </message>
    <message>
        <source>Desaturate x[%]</source>
        <translation>Désatur. x [%]</translation>
    </message>
    <message>
        <source>NoFly Ratio [%]</source>
        <translation>Ratio NoFly [%]</translation>
    </message>
    <message>
        <source>GF alarm 1 [%]</source>
        <translation>Alarme GF 1 [%]</translation>
    </message>
    <message>
        <source>CNSshow surf[%]</source>
        <translation>Aff.CNS surf[%]</translation>
    </message>
    <message>
        <source>Deco Offset [m]</source>
        <translation>Décal. déco [m]</translation>
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
        <translation>Aff. ppO2 [bar]</translation>
    </message>
    <message>
        <source>sampling rate</source>
        <translation>Échantillonnage</translation>
    </message>
    <message>
        <source>Divisor Temp</source>
        <translation>Diviseur Temp.</translation>
    </message>
    <message>
        <source>Divisor Decodat</source>
        <translation>Diviseur Déco</translation>
    </message>
    <message>
        <source>Divisor GF</source>
        <translation>Diviseur GF</translation>
    </message>
    <message>
        <source>Divisor ppO2</source>
        <translation>Diviseur ppO2</translation>
    </message>
    <message>
        <source>Divisor Debug</source>
        <translation>Diviseur Débog.</translation>
    </message>
    <message>
        <source>Divisor CNS</source>
        <translation>Diviseur CNS</translation>
    </message>
    <message>
        <source>CNSshow dive[%]</source>
        <translation>Aff.CNS plg.[%]</translation>
    </message>
    <message>
        <source>Logbook offset</source>
        <translation>Décal. carnet</translation>
    </message>
    <message>
        <source>Last Deco at[m]</source>
        <translation>Dern. palier[m]</translation>
    </message>
    <message>
        <source>End Apnoe [h]</source>
        <translation>Fin apnée [h]</translation>
    </message>
    <message>
        <source>Show Batt.Volts</source>
        <translation>Aff. tens.batt.</translation>
    </message>
    <message>
        <source>GF Low [%]</source>
        <translation>GF bas [%]</translation>
    </message>
    <message>
        <source>GF High [%]</source>
        <translation>GF haut [%]</translation>
    </message>
    <message>
        <source>Color# Battery </source>
        <translation>Coul.# Batterie</translation>
    </message>
    <message>
        <source>Color# Standard</source>
        <translation>Coul.# Standard</translation>
    </message>
    <message>
        <source>Color# Divemask</source>
        <translation>Coul.# Masque</translation>
    </message>
    <message>
        <source>Color# Warnings</source>
        <translation>Coul.# Alertes</translation>
    </message>
    <message>
        <source>Divemode secs. </source>
        <translation>Sec. en plongée</translation>
    </message>
    <message>
        <source>Adjust fixed SP</source>
        <translation>Ajust. SP fixe</translation>
    </message>
    <message>
        <source>Warn Ceiling</source>
        <translation>Alerte plafond</translation>
    </message>
    <message>
        <source>Mix type icons</source>
        <translation>Icônes mélange</translation>
    </message>
    <message>
        <source>Blink BetterGas</source>
        <translation>Clign. meil.gaz</translation>
    </message>
    <message>
        <source>DepthWarn[mbar]</source>
        <translation>Al. prof.[mbar]</translation>
    </message>
    <message>
        <source>CNS warning [%]</source>
        <translation>Alerte CNS [%]</translation>
    </message>
    <message>
        <source>GF warning [%]</source>
        <translation>Alerte GF [%]</translation>
    </message>
    <message>
        <source>ppO2 warn [bar]</source>
        <translation>Al. ppO2 [bar]</translation>
    </message>
    <message>
        <source>Vel.warn[m/min]</source>
        <translation>Al.vit.[m/min]</translation>
    </message>
    <message>
        <source>Time offset/day</source>
        <translation>Décal. heure/j</translation>
    </message>
    <message>
        <source>Show altimeter</source>
        <translation>Aff. altimètre</translation>
    </message>
    <message>
        <source>Show Log-Marker</source>
        <translation>Aff. marqueur</translation>
    </message>
    <message>
        <source>Show Stopwatch</source>
        <translation>Aff. chrono</translation>
    </message>
    <message>
        <source>ShowTissueGraph</source>
        <translation>Aff.graph.tiss.</translation>
    </message>
    <message>
        <source>Show Lead.Tiss.</source>
        <translation>Aff. tiss. dir.</translation>
    </message>
    <message>
        <source>ShallowStop 1st</source>
        <translation>Palier haut 1er</translation>
    </message>
    <message>
        <source>Gas switch[min]</source>
        <translation>Chgt gaz [min]</translation>
    </message>
    <message>
        <source>BottomGas[/min]</source>
        <translation>Gaz fond [/min]</translation>
    </message>
    <message>
        <source>AscentGas[/min]</source>
        <translation>Gaz déco [/min]</translation>
    </message>
    <message>
        <source>Future TTS[min]</source>
        <translation>TTS futur [min]</translation>
    </message>
    <message>
        <source>Cave Bail Alarm</source>
        <translation>Al. bail grotte</translation>
    </message>
    <message>
        <source>Graph. Velocity</source>
        <translation>Vitesse graph.</translation>
    </message>
    <message>
        <source>Show pSCR ppO2</source>
        <translation>Aff. ppO2 pSCR</translation>
    </message>
    <message>
        <source>pSCR O2 Drop[%]</source>
        <translation>pSCR chuteO2[%]</translation>
    </message>
    <message>
        <source>pSCR lung ratio</source>
        <translation>pSCR ratio poum</translation>
    </message>
    <message>
        <source>Color# inactive</source>
        <translation>Coul.# Inactif</translation>
    </message>
    <message>
        <source>Use safety stop</source>
        <translation>Palier sécurité</translation>
    </message>
    <message>
        <source>unused</source>
        <translation>inutilisé</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <source>Edit Custom Functions</source>
        <translation>Modifier les fonctions personnalisées</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Custom Functions I</source>
        <translation>Fonctions perso. I</translation>
    </message>
    <message>
        <source>Custom Functions II</source>
        <translation>Fonctions perso. II</translation>
    </message>
    <message>
        <source>Custom Functions III</source>
        <translation>Fonctions perso. III</translation>
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
        <translation>NON</translation>
    </message>
    <message>
        <source>ON</source>
        <comment>CF bool</comment>
        <translation>OUI</translation>
    </message>
    <message>
        <source>VARN &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>VARN &lt;i&gt;n° de série non chargé&lt;/i&gt;</translation>
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
        <translation>VARN Planner a rencontré %1 erreurs qu&apos;il n&apos;a pas pu traiter et va se fermer. Les valeurs du formulaire sont enregistrées ; le contenu de la console est perdu.</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <source>Save image...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Tracés de plongée</translation>
    </message>
    <message>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Profondeur [m]</translation>
    </message>
    <message>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>temps [min]</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Graphe des tissus</translation>
    </message>
    <message>
        <source>P. ambient (absolute, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. ambiante (absolue, millibar)</translation>
    </message>
    <message>
        <source>P. tissue (N2+He, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. tissu (N2+He, millibar)</translation>
    </message>
    <message>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Jpeg image</source>
        <comment>Save plot</comment>
        <translation>Image JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <comment>Save plot</comment>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <comment>Save plot</comment>
        <translation>Image TIFF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <comment>Save plot</comment>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>SVG file</source>
        <comment>Save plot</comment>
        <translation>Fichier SVG</translation>
    </message>
    <message>
        <source>Dump image to...</source>
        <comment>Save plot</comment>
        <translation>Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <source>TTS  = %1</source>
        <comment>Plot label</comment>
        <translation>TTS  = %1</translation>
    </message>
    <message>
        <source>Total= %2</source>
        <comment>Plot label</comment>
        <translation>Total= %2</translation>
    </message>
    <message>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation>Gaz%1:</translation>
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
        <translation>Air</translation>
    </message>
    <message>
        <source>Nx%1</source>
        <comment>Plot label</comment>
        <translation>Nx%1</translation>
    </message>
    <message>
        <source>Setpoint:%1</source>
        <comment>Plot label</comment>
        <translation>Consigne:%1</translation>
    </message>
    <message>
        <source> (Bail)</source>
        <comment>Plot label</comment>
        <translation> (Bail)</translation>
    </message>
    <message>
        <source>TTS  =%1</source>
        <comment>Plot label</comment>
        <translation>TTS  =%1</translation>
    </message>
    <message>
        <source>Total=%2</source>
        <comment>Plot label</comment>
        <translation>Total=%2</translation>
    </message>
    <message>
        <source>GF_low</source>
        <comment>Plot label</comment>
        <translation>GF bas</translation>
    </message>
    <message>
        <source>GF_high</source>
        <comment>Plot label</comment>
        <translation>GF haut</translation>
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
        <translation>Cliquer pour changer la couleur</translation>
    </message>
    <message>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation>Choisir la couleur</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reading UDDF %1 dive
</source>
        <translation>Lecture d&apos;une plongée UDDF %1
</translation>
    </message>
    <message>
        <source>This is a CCR dive.</source>
        <translation>C&apos;est une plongée en CCR.</translation>
    </message>
    <message>
        <source>This is an OC dive.</source>
        <translation>C&apos;est une plongée en circuit ouvert (OC).</translation>
    </message>
    <message>
        <source>Unknown OC/CCR mode.</source>
        <translation>Mode OC/CCR inconnu.</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Gas#%1 skipped: implausible mix.
</source>
        <translation>Gaz#%1 ignoré : mélange invraisemblable.
</translation>
    </message>
    <message numerus="yes">
        <source>%n setpoint(s) outside 0.16..2.55 bar skipped.
</source>
        <translation>
            <numerusform>%n consigne hors de 0.16..2.55 bar ignorée.
</numerusform>
            <numerusform>%n consignes hors de 0.16..2.55 bar ignorées.
</numerusform>
        </translation>
    </message>
    <message>
        <source>DivingLog DB %1 dive
</source>
        <translation>Plongée DivingLog DB %1
</translation>
    </message>
    <message>
        <source>Profile depths read as feet.
</source>
        <translation>Profondeurs du profil lues en pieds.
</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>VARN Planner settings</source>
        <translation>Réglages de VARN Planner</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Communication port:</source>
        <translation>Port de communication :</translation>
    </message>
    <message>
        <source>Verbose simulations</source>
        <translation>Simulations détaillées</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Si coché, chaque envoi de la configuration règle aussi la date et l&apos;heure.</translation>
    </message>
    <message>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Réglage auto de la date &amp;&amp; l&apos;heure</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>aucun port</translation>
    </message>
    <message>
        <source>Did you installed the %1 driver ?</source>
        <translation>Le pilote %1 est-il installé ?</translation>
    </message>
</context>
<context>
    <name>VARN_Planner</name>
    <message>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Enregistrer tous les paramètres du modèle et de la plongée dans un fichier *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Sauver...</translation>
    </message>
    <message>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from VARN.</source>
        <translation>Lire la configuration (texte perso, modèle, gaz, consignes et toutes les CF) depuis le VARN.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Modifier le texte perso et toutes les &lt;i&gt;fonctions personnalisées&lt;/i&gt; (CF).</translation>
    </message>
    <message>
        <source>Edit CF...</source>
        <translation>Éditer CF...</translation>
    </message>
    <message>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to VARN.</source>
        <translation>Écrire la configuration (texte perso, modèle, gaz, consignes et toutes les CF) dans le VARN.</translation>
    </message>
    <message>
        <source>Upload CF</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Réglages...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Charger tous les paramètres du modèle et de la plongée depuis un fichier *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Charger...</translation>
    </message>
    <message>
        <source>Download a copy of VARN screen, and save to disk.</source>
        <translation>Télécharger une copie de l&apos;écran du VARN et l&apos;enregistrer sur le disque.</translation>
    </message>
    <message>
        <source> Screen Dump</source>
        <translation> Capture</translation>
    </message>
    <message>
        <source>Upgrade VARN firmware.</source>
        <translation>Mettre à jour le firmware du VARN.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Set Date &amp; Time.</source>
        <translation>Régler la date et l&apos;heure.</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Date &amp;&amp; heure</translation>
    </message>
    <message>
        <source>Decompression Model:</source>
        <translation>Modèle de décompression :</translation>
    </message>
    <message>
        <source>Original ZH-L16C-1a [2002] Bühlmann model, with &lt;b&gt;saturation-desaturation&lt;/b&gt; security factors.</source>
        <translation>Modèle de Bühlmann ZH-L16C-1a [2002] d&apos;origine, avec facteurs de sécurité de &lt;b&gt;saturation-désaturation&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <source>Bühlmann model modified by adding &lt;B&gt;gradient factors&lt;/b&gt; security margins.</source>
        <translation>Modèle de Bühlmann modifié par des marges de sécurité en &lt;B&gt;facteurs de gradient&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Gradient Factor</source>
        <translation>Facteurs de gradient</translation>
    </message>
    <message>
        <source>Sat factor(CF11):</source>
        <translation>Fact. sat. (CF11) :</translation>
    </message>
    <message>
        <source>Mutliplication factor for asymetric gas loading.</source>
        <translation>Facteur multiplicatif pour une saturation asymétrique.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Desat factor (CF12):</source>
        <translation>Fact. désat. (CF12) :</translation>
    </message>
    <message>
        <source>Multiplication factor for asymetric offgasing.</source>
        <translation>Facteur multiplicatif pour une désaturation asymétrique.</translation>
    </message>
    <message>
        <source>GF low (CF32):</source>
        <translation>GF bas (CF32) :</translation>
    </message>
    <message>
        <source>Gradient factor at the deepest stop.</source>
        <translation>Facteur de gradient au palier le plus profond.</translation>
    </message>
    <message>
        <source>GF high (CF33):</source>
        <translation>GF haut (CF33) :</translation>
    </message>
    <message>
        <source>Gradient factor at surface.</source>
        <translation>Facteur de gradient en surface.</translation>
    </message>
    <message>
        <source>Open Circuit dive (tanks) mode.</source>
        <translation>Mode plongée en circuit ouvert (blocs).</translation>
    </message>
    <message>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <source>Closed Circuit Rebreather mode (constant ppO2).</source>
        <translation>Mode recycleur en circuit fermé (ppO2 constante).</translation>
    </message>
    <message>
        <source>CCR</source>
        <translation>CCR</translation>
    </message>
    <message>
        <source>Gas List:</source>
        <translation>Liste des gaz :</translation>
    </message>
    <message>
        <source>Gas enable for decompression planning.</source>
        <translation>Gaz pris en compte dans la planification de la décompression.</translation>
    </message>
    <message>
        <source>Gas 1</source>
        <translation>Gaz 1</translation>
    </message>
    <message>
        <source>&lt;b&gt;OC&lt;/b&gt;: Use this mix as first gas (ie. travel and bottom mix)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: Us this gas as diluent.</source>
        <translation>&lt;b&gt;OC&lt;/b&gt; : utiliser ce mélange comme premier gaz (gaz de transit et gaz fond)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt; : utiliser ce gaz comme diluant.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>O2:</source>
        <translation>O2:</translation>
    </message>
    <message>
        <source>Oxygen fraction in the mix.</source>
        <translation>Fraction d&apos;oxygène du mélange.</translation>
    </message>
    <message>
        <source>He:</source>
        <translation>He:</translation>
    </message>
    <message>
        <source>Helium fraction in the mix.</source>
        <translation>Fraction d&apos;hélium du mélange.</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>à:</translation>
    </message>
    <message>
        <source>Switch depth for the mix during ascent planning.</source>
        <translation>Profondeur de passage sur ce mélange dans la planification de la remontée.</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Gas 2</source>
        <translation>Gaz 2</translation>
    </message>
    <message>
        <source>MOD: 66m, EAD: ---, END: ---</source>
        <translation>MOD: 66m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <source>Gas 3</source>
        <translation>Gaz 3</translation>
    </message>
    <message>
        <source>Gas 4</source>
        <translation>Gaz 4</translation>
    </message>
    <message>
        <source>Gas 5</source>
        <translation>Gaz 5</translation>
    </message>
    <message>
        <source>Switch delay (CF55):</source>
        <translation>Délai chgt gaz (CF55) :</translation>
    </message>
    <message>
        <source>Minimum stop time for switching mix during decoplan prediction.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Durée minimale d&apos;arrêt pour changer de mélange dans le calcul du plan de déco.&lt;br&gt;&lt;i&gt;Nouveau en 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>CCR Setpoints:</source>
        <translation>Consignes CCR :</translation>
    </message>
    <message>
        <source>&lt;b&gt;Setpoint 1:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Consigne 1 :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Starting setpoint, and the only one used for decoplanning.</source>
        <translation>Consigne de départ, la seule utilisée pour planifier la déco.</translation>
    </message>
    <message>
        <source> bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>Setpoint 2:</source>
        <translation>Consigne 2 :</translation>
    </message>
    <message>
        <source>Secondary setpoint. For manual switch only.</source>
        <translation>Deuxième consigne. Uniquement pour un changement manuel.</translation>
    </message>
    <message>
        <source>Setpoint 3:</source>
        <translation>Consigne 3 :</translation>
    </message>
    <message>
        <source>Tertiary setpoint. For manual switch only.</source>
        <translation>Troisième consigne. Uniquement pour un changement manuel.</translation>
    </message>
    <message>
        <source>Adjust setpoint when diluent is in excess.</source>
        <translation>Ajuster la consigne quand la ppO2 du diluant la dépasse.</translation>
    </message>
    <message>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Ajuster SP fixe (CF39)</translation>
    </message>
    <message>
        <source>Other VARN dive settings:</source>
        <translation>Autres réglages de plongée VARN :</translation>
    </message>
    <message>
        <source>Deco offset (CF16):</source>
        <translation>Décal. déco (CF16) :</translation>
    </message>
    <message>
        <source>Safety margin added to stop depth to compute gas loading/unloading during decoplan prediction.</source>
        <translation>Marge de sécurité ajoutée à la profondeur des paliers pour le calcul de saturation/désaturation du plan de déco.</translation>
    </message>
    <message>
        <source>Last stop used during decoplan prediction.</source>
        <translation>Dernier palier utilisé dans le calcul du plan de déco.</translation>
    </message>
    <message>
        <source>Display TTS (Time to surface) if staying extra minutes at current depth.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>Afficher le TTS (durée de remontée) si l&apos;on reste quelques minutes de plus à la profondeur actuelle.&lt;br&gt;&lt;i&gt;Nouveau en 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Future TTS (CF58):</source>
        <translation>TTS futur (CF58) :</translation>
    </message>
    <message>
        <source>Last stop (CF29):</source>
        <translation>Dern. palier (CF29) :</translation>
    </message>
    <message>
        <source>ppO2 max (CF18):</source>
        <translation>ppO2 max (CF18) :</translation>
    </message>
    <message>
        <source>Gas consumption during ascent and deco stops (deco SAC) , for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Consommation de gaz pendant la remontée et les paliers (conso déco), pour l&apos;estimation des volumes.&lt;br&gt;&lt;i&gt;Nouveau en 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source> l/min</source>
        <translation> l/min</translation>
    </message>
    <message>
        <source>RMV deco gas (CF57):</source>
        <translation>Conso déco (CF57) :</translation>
    </message>
    <message>
        <source>Gas consumption during bottom time (bottom SAC), for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Consommation de gaz pendant le temps au fond (conso fond), pour l&apos;estimation des volumes.&lt;br&gt;&lt;i&gt;Nouveau en 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>RMV bottom gas (CF56):</source>
        <translation>Conso fond (CF56) :</translation>
    </message>
    <message>
        <source>Display decoplan with shallowest stop on top (ie. reverse order).&lt;br&gt;&lt;i&gt;New in 1.80&lt;/i&gt;</source>
        <translation>Afficher le plan de déco avec le palier le moins profond en haut (ordre inversé).&lt;br&gt;&lt;i&gt;Nouveau en 1.80&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Shallowest stop first (CF54)</source>
        <translation>Palier haut en 1er (CF54)</translation>
    </message>
    <message>
        <source>Max allowed Oxygen partial pressure (Only used to display MOD).</source>
        <translation>Pression partielle d&apos;oxygène maximale admise (sert uniquement à afficher la MOD).</translation>
    </message>
    <message>
        <source>Dive planning:</source>
        <translation>Planification de plongée :</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>Reset = start a new dive (non-consecutive).&lt;br&gt;0     = Add a new segment to the current dive.&lt;br&gt;10... = Surface delay between successives dives.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>RAZ   = nouvelle plongée (non successive).&lt;br&gt;0     = ajouter un segment à la plongée en cours.&lt;br&gt;10... = intervalle de surface entre plongées successives.&lt;br&gt;&lt;i&gt;Nouveau en 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>Dive time:</source>
        <translation>Temps au fond :</translation>
    </message>
    <message>
        <source>Bottom time, including (instant) descent, or next segment duration.</source>
        <translation>Temps au fond, descente (instantanée) comprise, ou durée du segment suivant.</translation>
    </message>
    <message>
        <source>Dive depth:</source>
        <translation>Profondeur :</translation>
    </message>
    <message>
        <source>Bottom or next segment depth.</source>
        <translation>Profondeur du fond ou du segment suivant.</translation>
    </message>
    <message>
        <source>Patm:</source>
        <translation>Patm :</translation>
    </message>
    <message>
        <source>Surface athmospheric pressure (weather/altitude conditions).</source>
        <translation>Pression atmosphérique en surface (météo, altitude).</translation>
    </message>
    <message>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <source>Ascent rate:</source>
        <translation>Vit. remontée :</translation>
    </message>
    <message>
        <source>Speed for automatic ascent simulation.</source>
        <translation>Vitesse de la remontée automatique simulée.</translation>
    </message>
    <message>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Simuler un segment temps/profondeur.</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simuler</translation>
    </message>
    <message>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Recalculer le plan de déco à partir d&apos;ici et estimer la consommation de chaque bloc.&lt;br&gt;&lt;b&gt;Remarque&lt;/b&gt; : vous pouvez changer la liste des gaz et comparer différents runtimes.&lt;br&gt;&lt;b&gt;Remarque&lt;/b&gt; : en mode CCR, passe au runtime de secours en BAILOUT ; &lt;i&gt;Ajout runtime&lt;/i&gt; trace alors le plan de déco du bailout.</translation>
    </message>
    <message>
        <source>Gas volumes</source>
        <translation>Volumes gaz</translation>
    </message>
    <message>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Simuler une remontée automatique qui respecte les paliers et changements de gaz recalculés en continu.</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Remontée</translation>
    </message>
    <message>
        <source>Replay dive</source>
        <translation>Rejouer une plongée</translation>
    </message>
    <message>
        <source>Replay mode</source>
        <translation>Mode rejeu</translation>
    </message>
    <message>
        <source>The &lt;i&gt;Simulate&lt;/i&gt; button will replay depth from a recorded dive profile.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: preview feature not yet finished.</source>
        <translation>Le bouton &lt;i&gt;Simuler&lt;/i&gt; rejoue la profondeur d&apos;un profil de plongée enregistré.&lt;br&gt;&lt;b&gt;Remarque&lt;/b&gt; : fonction en préversion, pas encore terminée.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>dive file</source>
        <translation>fichier de plongée</translation>
    </message>
    <message>
        <source>Stop replay simulation when at the depth of the first stop, minus CF16.</source>
        <translation>Interrompre le rejeu à la profondeur du premier palier, moins CF16.</translation>
    </message>
    <message>
        <source>Breaks on deco stops.</source>
        <translation>Pause aux paliers.</translation>
    </message>
    <message>
        <source>Replay gas switch</source>
        <translation>Rejouer chgt gaz</translation>
    </message>
    <message>
        <source>Do setpoint switches, as recorded in CCR dive profil (IF SUPPORTED BY THE FILE FORMAT USED).</source>
        <translation>Effectuer les changements de consigne enregistrés dans le profil CCR (SI LE FORMAT DE FICHIER LE PERMET).</translation>
    </message>
    <message>
        <source>Replay setpoint</source>
        <translation>Rejouer consigne</translation>
    </message>
    <message>
        <source>Stop replay simulation when a better gas is available from the current gas list.</source>
        <translation>Interrompre le rejeu quand un meilleur gaz de la liste est disponible.</translation>
    </message>
    <message>
        <source>Breaks on gas switch</source>
        <translation>Pause au chgt gaz</translation>
    </message>
    <message>
        <source>Breaks on setpoint</source>
        <translation>Pause sur consigne</translation>
    </message>
    <message>
        <source>Graphic output:</source>
        <translation>Graphiques :</translation>
    </message>
    <message>
        <source>Plot dive profile during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer le profil de plongée pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Plot ceiling curve (deepest stop depth) during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer la courbe du plafond (profondeur du palier le plus profond) pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Plafond</translation>
    </message>
    <message>
        <source>Plot time (NDL or deepest stop duration ) curve during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer la courbe de temps (NDL ou durée du palier le plus profond) pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Palier</translation>
    </message>
    <message>
        <source>Plot N2+He gas tension in leading tissue during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer la tension N2+He du tissu directeur pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Lead Tissue</source>
        <translation>Tissu directeur</translation>
    </message>
    <message>
        <source>Plot gradient factor during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer le facteur de gradient pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>Plot inspired &lt;i&gt;Oxygen&lt;/i&gt; partial pressure during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer la pression partielle d&apos;&lt;i&gt;oxygène&lt;/i&gt; inspirée pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <source>Plot &lt;i&gt;Central Nervous System&lt;/i&gt; toxicity index during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Tracer l&apos;indice de toxicité pour le &lt;i&gt;système nerveux central&lt;/i&gt; pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>CNS O2</source>
        <translation>CNS O2</translation>
    </message>
    <message>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Ajouter au graphique le runtime du plan de déco actuel (à faire après &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Volumes gaz&lt;/i&gt;).</translation>
    </message>
    <message>
        <source>Add runtime</source>
        <translation>Ajout runtime</translation>
    </message>
    <message>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Tracer les tensions N2+He des tissus pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt; dans une fenêtre séparée.</translation>
    </message>
    <message>
        <source>Pressure diagram</source>
        <translation>Graphe tissus</translation>
    </message>
    <message>
        <source>Remove all curves from dive profil.</source>
        <translation>Effacer toutes les courbes du profil de plongée.</translation>
    </message>
    <message>
        <source>Clear profil</source>
        <translation>Effacer profil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Planning</source>
        <translation>&amp;Planification</translation>
    </message>
    <message>
        <source>&amp;VARN</source>
        <translation>&amp;VARN</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Lire la configuration</translation>
    </message>
    <message>
        <source>&amp;Edit CF...</source>
        <translation>É&amp;diter CF...</translation>
    </message>
    <message>
        <source>&amp;Upload CF</source>
        <translation>Éc&amp;rire la configuration</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simuler</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Volumes gaz</translation>
    </message>
    <message>
        <source>&amp;Ascent</source>
        <translation>&amp;Remontée</translation>
    </message>
    <message>
        <source>Add &amp;runtime</source>
        <translation>&amp;Ajout runtime</translation>
    </message>
    <message>
        <source>&amp;Clear profil</source>
        <translation>&amp;Effacer profil</translation>
    </message>
    <message>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Graphe tissus</translation>
    </message>
    <message>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Régler date &amp;&amp; heure</translation>
    </message>
    <message>
        <source>Set VARN Date and Time.</source>
        <translation>Régler la date et l&apos;heure du VARN.</translation>
    </message>
    <message>
        <source>Check updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Check for new VARN Planner and firmware updates.</source>
        <translation>Rechercher les nouvelles versions de VARN Planner et du firmware.</translation>
    </message>
</context>
<context>
    <name>VARN_Planner_Interface</name>
    <message>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CHANGEMENT Gaz#%1 -&gt; Gaz#%2</translation>
    </message>
    <message>
        <source>More stops than listed: the time to surface counts them all</source>
        <translation>Plus de paliers que ceux listés : le TTS les compte tous</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Depth                         = %1 m</source>
        <translation>Profondeur                    = %1 m</translation>
    </message>
    <message>
        <source>Bottom time                   = %1 min</source>
        <translation>Temps au fond                 = %1 min</translation>
    </message>
    <message>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Consommation au fond (CF56)   = %1 l/min</translation>
    </message>
    <message>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Consommation remontée (CF57)  = %1 l/min</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Deco:</source>
        <comment>Console</comment>
        <translation>Déco :</translation>
    </message>
    <message>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <source>Bottom time above 255 min: no gas volumes</source>
        <translation>Temps au fond supérieur à 255 min : pas de volumes de gaz</translation>
    </message>
    <message>
        <source>The decompression plan did not finish</source>
        <translation>Le plan de décompression n&apos;a pas abouti</translation>
    </message>
    <message>
        <source>Ascent speed must be above 0 m/min</source>
        <translation>La vitesse de remontée doit être supérieure à 0 m/min</translation>
    </message>
    <message>
        <source>ASCENT STOPPED: %1 m not reached</source>
        <translation>REMONTÉE INTERROMPUE : %1 m non atteints</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:
</source>
        <translation>Décompression Bühlmann ZH-L16C-1a 2002 avec FACTEURS DE GRADIENT :
</translation>
    </message>
    <message>
        <source>*  GF_low (CF32) = %1 %
</source>
        <translation>*  GF bas (CF32) = %1 %
</translation>
    </message>
    <message>
        <source>*  GF_high (CF33) = %1 %</source>
        <translation>*  GF haut (CF33) = %1 %</translation>
    </message>
    <message>
        <source>Standard Bühlmann ZH-L16C-1a 2002 decompression:
</source>
        <translation>Décompression Bühlmann ZH-L16C-1a 2002 standard :
</translation>
    </message>
    <message>
        <source>*  saturation factor (CF11) = %1 %
</source>
        <translation>*  facteur de saturation (CF11) = %1 %
</translation>
    </message>
    <message>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  facteur de désaturation (CF12) = %1 %</translation>
    </message>
    <message>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation>*  décalage déco (CF16) = %1 m</translation>
    </message>
    <message>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  dernier palier (CF29) = %1 m</translation>
    </message>
    <message>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  plongée commencée à Pamb = %1 mbar</translation>
    </message>
    <message>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  plongée poursuivie à la profondeur = %1 m</translation>
    </message>
    <message>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Intervalle de surface = %1&apos;</translation>
    </message>
    <message>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Délai de changement de gaz (CF55) = %1 min</translation>
    </message>
    <message>
        <source>CCR mode:</source>
        <translation>Mode CCR :</translation>
    </message>
    <message>
        <source>*  Setpoint1: %1</source>
        <translation>*  Consigne 1 : %1</translation>
    </message>
    <message>
        <source>*  Diluant gas#%1 = %2/%3</source>
        <translation>*  Gaz diluant#%1 = %2/%3</translation>
    </message>
    <message>
        <source>OC gas list:</source>
        <translation>Liste des gaz OC :</translation>
    </message>
    <message>
        <source>*  First gas#%1 = %2/%3</source>
        <translation>*  Premier gaz#%1 = %2/%3</translation>
    </message>
    <message>
        <source>*  Bailout gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Gaz bailout#%1 = %2/%3 à %4 m</translation>
    </message>
    <message>
        <source>*  Deco gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Gaz déco#%1 = %2/%3 à %4 m</translation>
    </message>
    <message>
        <source>BREAK ON STOP @ %1m</source>
        <translation>PAUSE AU PALIER DE %1m</translation>
    </message>
    <message>
        <source>Gas#%1 of the log is not one of the five gases: switch ignored</source>
        <translation>Le Gaz#%1 du profil enregistré n&apos;est pas l&apos;un des cinq gaz : changement ignoré</translation>
    </message>
    <message>
        <source>SP%1</source>
        <translation>SP%1</translation>
    </message>
    <message>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>CHANGEMENT Consigne %1 -&gt; %2</translation>
    </message>
    <message>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>PAUSE SUR MEILLEUR Gaz#%1</translation>
    </message>
    <message>
        <source>BREAK ON SETPOINT</source>
        <translation>PAUSE SUR CONSIGNE</translation>
    </message>
    <message>
        <source>Future TTS</source>
        <translation>TTS futur</translation>
    </message>
    <message>
        <source>Future RT </source>
        <translation>RT futur </translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:%2m, END:%3m</translation>
    </message>
    <message>
        <source>&lt;i&gt;VARN Planner&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;VARN&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;VARN&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;VARN&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>Le logiciel &lt;i&gt;VARN Planner&lt;/i&gt; sert à :&lt;ul&gt;&lt;li&gt;explorer et comprendre les paramètres de déco de votre ordinateur &lt;i&gt;VARN&lt;/i&gt; (modèle, facteurs de gradient, profondeurs de changement, etc.) ;&lt;li&gt;tracer des profils de plongée simulés et comparer plusieurs configurations (mélanges, blocs déco, consignes, paliers, etc.) ;&lt;li&gt;vérifier le &lt;i&gt;VARN&lt;/i&gt; en comparant ses résultats à d&apos;autres logiciels de déco ;&lt;li&gt;sauvegarder, modifier et restaurer les configurations de votre &lt;i&gt;VARN&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Dil:%1/%2, prof. max CCR:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, prof. max CCR:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>A simulation is running: try again when it has ended.</source>
        <translation>Une simulation est en cours : réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>Dive profile</source>
        <comment>Window Title</comment>
        <translation>Profil de plongée</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Window Title</comment>
        <translation>Graphe des tissus</translation>
    </message>
    <message>
        <source>Replay dive profile</source>
        <translation>Rejouer un profil de plongée</translation>
    </message>
    <message>
        <source>Unable to read dive profile</source>
        <translation>Impossible de lire le profil de plongée</translation>
    </message>
    <message>
        <source>Load dive parameters...</source>
        <translation>Charger les paramètres de plongée...</translation>
    </message>
    <message>
        <source>Dives params (*.div)</source>
        <translation>Paramètres de plongée (*.div)</translation>
    </message>
    <message>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Enregistrer tous les paramètres...</translation>
    </message>
    <message>
        <source>Unable to write to &apos;%1&apos;.</source>
        <translation>Impossible d&apos;écrire dans « %1 ».</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Nouvelle version...</translation>
    </message>
    <message>
        <source>A new version of &lt;i&gt;VARN Planner&lt;/i&gt; is available. Please consider upgrading from the website:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</source>
        <translation>Une nouvelle version de &lt;i&gt;VARN Planner&lt;/i&gt; est disponible. Pensez à la mettre à jour depuis le site web :&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The new firmware %1 could not be saved: unable to write to &apos;%2&apos;.</source>
        <translation>Le nouveau firmware %1 n&apos;a pas pu être enregistré : impossible d&apos;écrire dans « %2 ».</translation>
    </message>
    <message>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 disponible...</translation>
    </message>
    <message>
        <source>Version %1 of the &lt;i&gt;VARN&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>La version %1 du firmware du &lt;i&gt;VARN&lt;/i&gt; est disponible. Pensez à mettre à jour votre ordinateur...</translation>
    </message>
    <message>
        <source>No gas volumes: %1</source>
        <translation>Pas de volumes de gaz : %1</translation>
    </message>
    <message>
        <source>The logged greatest depth is missing or implausible: the deepest sample is used.</source>
        <translation>La profondeur maximale enregistrée manque ou est invraisemblable : l&apos;échantillon le plus profond est utilisé.</translation>
    </message>
    <message numerus="yes">
        <source>%n sample(s) without a usable time left out.</source>
        <translation>
            <numerusform>%n échantillon sans temps exploitable écarté.</numerusform>
            <numerusform>%n échantillons sans temps exploitable écartés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n depth(s) missing or implausible: taken from the samples around them.</source>
        <translation>
            <numerusform>%n profondeur manquante ou invraisemblable : déduite des échantillons voisins.</numerusform>
            <numerusform>%n profondeurs manquantes ou invraisemblables : déduites des échantillons voisins.</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>its text encoding %1 is unknown</source>
        <translation>son encodage de texte %1 est inconnu</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s closed circuit mode is kept.</source>
        <translation>Mode de plongée inconnu : le mode circuit fermé du formulaire est conservé.</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s open circuit mode is kept.</source>
        <translation>Mode de plongée inconnu : le mode circuit ouvert du formulaire est conservé.</translation>
    </message>
    <message numerus="yes">
        <source>%n more mix(es) not listed: the computer has five gases.</source>
        <translation>
            <numerusform>%n mélange de plus non listé : l&apos;ordinateur a cinq gaz.</numerusform>
            <numerusform>%n mélanges de plus non listés : l&apos;ordinateur a cinq gaz.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no dive of a %1 log</source>
        <translation>le fichier ne contient aucune plongée au format %1</translation>
    </message>
    <message>
        <source>The log names no gases: the gases of the form are used.</source>
        <translation>Le profil enregistré ne nomme aucun gaz : les gaz du formulaire sont utilisés.</translation>
    </message>
    <message>
        <source>a gas breathed near the surface gives a ppO2 of 0.15 bar or less, too little oxygen for the decompression model</source>
        <translation>un gaz respiré près de la surface donne une ppO2 de 0.15 bar ou moins, trop peu d&apos;oxygène pour le modèle de décompression</translation>
    </message>
    <message>
        <source>a gas of the plan has more than 95 % nitrogen or helium, more than the decompression model takes</source>
        <translation>un gaz du plan contient plus de 95 % d&apos;azote ou d&apos;hélium, plus que ce qu&apos;accepte le modèle de décompression</translation>
    </message>
    <message>
        <source>the gas breathed has more than 95 % inert gas, less than 5 % oxygen for the decompression model</source>
        <translation>le gaz respiré contient plus de 95 % de gaz inerte, soit moins des 5 % d&apos;oxygène requis par le modèle de décompression</translation>
    </message>
    <message>
        <source>the gas breathed there has a nitrogen pressure beyond the decompression model&apos;s range</source>
        <translation>le gaz respiré à cet endroit a une pression d&apos;azote hors de la plage du modèle de décompression</translation>
    </message>
    <message>
        <source>the gas breathed there has a helium pressure beyond the decompression model&apos;s range</source>
        <translation>le gaz respiré à cet endroit a une pression d&apos;hélium hors de la plage du modèle de décompression</translation>
    </message>
    <message>
        <source>the surface pressure is outside the decompression model&apos;s 801 to 1099 mbar</source>
        <translation>la pression en surface est hors des 801 à 1099 mbar du modèle de décompression</translation>
    </message>
    <message>
        <source>the ambient pressure is outside the decompression model&apos;s 0.8 to 14 bar</source>
        <translation>la pression ambiante est hors des 0.8 à 14 bar du modèle de décompression</translation>
    </message>
    <message>
        <source>a value is outside what the decompression model can compute</source>
        <translation>une valeur sort de ce que le modèle de décompression peut calculer</translation>
    </message>
    <message>
        <source>Gas#%1 of the log has no gas set up (its mix was skipped or the gas is off): switch ignored</source>
        <translation>Le Gaz#%1 du profil enregistré n&apos;a aucun gaz configuré (son mélange a été ignoré ou le gaz est désactivé) : changement ignoré</translation>
    </message>
    <message>
        <source>No dive to ascend from: simulate first</source>
        <translation>Aucune plongée d&apos;où remonter : simulez d&apos;abord</translation>
    </message>
    <message>
        <source>Ascent stopped at %1 m: %2</source>
        <translation>Remontée interrompue à %1 m : %2</translation>
    </message>
    <message>
        <source>Simulation stopped at %1 m: %2</source>
        <translation>Simulation interrompue à %1 m : %2</translation>
    </message>
    <message>
        <source>Surface pressure must be above 800 mbar</source>
        <translation>la pression en surface doit être supérieure à 800 mbar</translation>
    </message>
    <message>
        <source>Surface pressure must be below 1100 mbar</source>
        <translation>la pression en surface doit être inférieure à 1100 mbar</translation>
    </message>
    <message>
        <source>Gas %1 has less than 5 % O2</source>
        <translation>le gaz %1 contient moins de 5 % d&apos;O2</translation>
    </message>
    <message>
        <source>Gas %1 has more than 100 % O2 and He together</source>
        <translation>le gaz %1 contient plus de 100 % d&apos;O2 et d&apos;He cumulés</translation>
    </message>
    <message>
        <source>Dive depth must be at most %1 m at a surface pressure of %2 mbar</source>
        <translation>la profondeur ne doit pas dépasser %1 m pour une pression en surface de %2 mbar</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Lecture de %1 ...</translation>
    </message>
    <message>
        <source>Not simulated: %1</source>
        <translation>Non simulé : %1</translation>
    </message>
    <message>
        <source>No ascent: %1</source>
        <translation>Pas de remontée : %1</translation>
    </message>
    <message>
        <source>No finished plan to draw: simulate first</source>
        <translation>Aucun plan terminé à tracer : simulez d&apos;abord</translation>
    </message>
    <message>
        <source>its name ends neither in .xml nor in .uddf</source>
        <translation>son nom ne se termine ni par .xml ni par .uddf</translation>
    </message>
    <message>
        <source>Unable to read dive profile &apos;%1&apos;: %2</source>
        <translation>Impossible de lire le profil de plongée « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 (cannot be replayed: %2)</source>
        <translation>%1 (non rejouable : %2)</translation>
    </message>
    <message>
        <source>the log holds no samples for it</source>
        <translation>le profil enregistré ne contient aucun échantillon pour cette plongée</translation>
    </message>
    <message>
        <source>its samples span no time</source>
        <translation>ses échantillons ne couvrent aucune durée</translation>
    </message>
    <message>
        <source>Dive %1 cannot be replayed: %2.</source>
        <translation>La plongée %1 ne peut pas être rejouée : %2.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s %1 min, not the %2 min of the form.</source>
        <translation>Le rejeu suit les %1 min du profil enregistré, pas les %2 min du formulaire.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s depths (deepest %1 m), not the %2 m of the form.</source>
        <translation>Le rejeu suit les profondeurs du profil enregistré (max %1 m), pas les %2 m du formulaire.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; no longer exists: nothing was loaded</source>
        <translation>« %1 » n&apos;existe plus : rien n&apos;a été chargé</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: nothing was loaded</source>
        <translation>« %1 » est illisible : rien n&apos;a été chargé</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a dive parameter file: nothing was loaded</source>
        <translation>« %1 » n&apos;est pas un fichier de paramètres de plongée : rien n&apos;a été chargé</translation>
    </message>
    <message>
        <source>No serial port is chosen for the dive computer: choose its port with Settings... (button or File menu).</source>
        <translation>Aucun port série n&apos;est choisi pour l&apos;ordinateur de plongée : choisissez son port avec Réglages... (bouton ou menu Fichier).</translation>
    </message>
    <message>
        <source>FAILED: </source>
        <translation>ÉCHEC : </translation>
    </message>
    <message>
        <source>Connecting %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Reading VARN %1 done.</source>
        <translation>Lecture du VARN %1 terminée.</translation>
    </message>
    <message>
        <source>Programming VARN %1 done.</source>
        <translation>Programmation du VARN %1 terminée.</translation>
    </message>
    <message>
        <source>SYNC FAILED</source>
        <translation>ÉCHEC DE LA SYNCHRONISATION</translation>
    </message>
    <message>
        <source>Date and time set to %1</source>
        <translation>Date et heure réglées sur %1</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>Save screen dump...</source>
        <translation>Enregistrer la capture d&apos;écran...</translation>
    </message>
    <message>
        <source>Unable to save the screen dump to &apos;%1&apos;.</source>
        <translation>Impossible d&apos;enregistrer la capture d&apos;écran dans « %1 ».</translation>
    </message>
    <message>
        <source>UPGRADE FAILED</source>
        <translation>ÉCHEC DE LA MISE À JOUR</translation>
    </message>
    <message>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <source>Loading &apos;%1&apos;</source>
        <translation>Chargement de « %1 »</translation>
    </message>
    <message>
        <source>Starting VARN upgrade...</source>
        <translation>Démarrage de la mise à jour du VARN...</translation>
    </message>
    <message>
        <source>VARN upgrade done. rebooting...</source>
        <translation>Mise à jour du VARN terminée. Redémarrage...</translation>
    </message>
    <message>
        <source>The dive computer may now hold settings other than the form&apos;s: download to see them, or upload again.</source>
        <translation>L&apos;ordinateur de plongée contient peut-être maintenant d&apos;autres réglages que ceux du formulaire : lisez-le (Lire) pour les voir, ou écrivez à nouveau la configuration (Écrire).</translation>
    </message>
    <message>
        <source>The dive computer did not answer: check the cable, and that the computer is awake in its PC mode.</source>
        <translation>L&apos;ordinateur de plongée n&apos;a pas répondu : vérifiez le câble, et que l&apos;ordinateur est allumé et dans son mode PC.</translation>
    </message>
    <message>
        <source>Waiting for the dive computer&apos;s boot loader... (try %1 of %2)</source>
        <translation>Attente du chargeur d&apos;amorçage de l&apos;ordinateur de plongée... (essai %1 sur %2)</translation>
    </message>
    <message>
        <source>The dive computer is busy: try again when its transfer has ended.</source>
        <translation>L&apos;ordinateur de plongée est occupé : réessayez quand le transfert sera terminé.</translation>
    </message>
    <message>
        <source>The upgrade did not finish: the dive computer waits in its boot loader. Start the upgrade again with the same file, &apos;%1&apos;.</source>
        <translation>La mise à jour n&apos;est pas terminée : l&apos;ordinateur de plongée attend dans son chargeur d&apos;amorçage. Relancez la mise à jour avec le même fichier, « %1 ».</translation>
    </message>
    <message>
        <source>VARN Planner help</source>
        <comment>Window Title</comment>
        <translation>Aide de VARN Planner</translation>
    </message>
    <message>
        <source>No plan to draw: the ascent ended the plan; simulate again to draw a runtime</source>
        <translation>Aucun plan à tracer : la remontée a terminé le plan ; simulez à nouveau pour ajouter un runtime</translation>
    </message>
    <message>
        <source>No plan to draw: the last run stopped before its plan was finished</source>
        <translation>Aucun plan à tracer : la dernière simulation s&apos;est arrêtée avant la fin de son plan</translation>
    </message>
    <message>
        <source>No plan to draw: the last action was refused</source>
        <translation>Aucun plan à tracer : la dernière action a été refusée</translation>
    </message>
    <message>
        <source>Check updates: a new version of VARN Planner is available.</source>
        <translation>Rechercher des mises à jour : une nouvelle version de VARN Planner est disponible.</translation>
    </message>
    <message>
        <source>Check updates: no new version of VARN Planner.</source>
        <translation>Rechercher des mises à jour : pas de nouvelle version de VARN Planner.</translation>
    </message>
    <message>
        <source>Check updates: the VARN Planner web site %1 could not be reached.</source>
        <translation>Rechercher des mises à jour : le site web de VARN Planner %1 n&apos;a pas pu être joint.</translation>
    </message>
    <message>
        <source>Check updates: no new VARN firmware.</source>
        <translation>Rechercher des mises à jour : pas de nouveau firmware VARN.</translation>
    </message>
    <message>
        <source>Check updates: the firmware web site %1 could not be reached.</source>
        <translation>Rechercher des mises à jour : le site web du firmware %1 n&apos;a pas pu être joint.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but could not be downloaded from %2; the next check tries again.</source>
        <translation>Rechercher des mises à jour : le firmware VARN %1 est annoncé mais n&apos;a pas pu être téléchargé depuis %2 ; la prochaine recherche réessaiera.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but the file served is no firmware (%2): it was not kept.</source>
        <translation>Rechercher des mises à jour : le firmware VARN %1 est annoncé mais le fichier reçu n&apos;est pas un firmware (%2) : il n&apos;a pas été conservé.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is available, saved as %2.</source>
        <translation>Rechercher des mises à jour : le firmware VARN %1 est disponible, enregistré sous %2.</translation>
    </message>
    <message>
        <source>it declares XML entities, which dive logs do not use</source>
        <translation>le fichier déclare des entités XML, que les carnets de plongée n&apos;utilisent pas</translation>
    </message>
    <message>
        <source>The dive computer answered, but garbled, cut short or too long: check the cable, and that no other program or device uses the port, then try again.</source>
        <translation>L&apos;ordinateur de plongée a répondu, mais de façon brouillée, tronquée ou trop longue : vérifiez le câble, et qu&apos;aucun autre programme ni appareil n&apos;utilise le port, puis réessayez.</translation>
    </message>
    <message>
        <source>Something other than the dive computer keeps sending on this port: close the other program or unplug the other device, and check the port chosen with Settings..., then try again.</source>
        <translation>Autre chose que l&apos;ordinateur de plongée envoie sans cesse sur ce port : fermez l&apos;autre programme ou débranchez l&apos;autre appareil, et vérifiez le port choisi avec Réglages..., puis réessayez.</translation>
    </message>
    <message>
        <source>Check updates: a check is already under way; its results follow.</source>
        <translation>Rechercher des mises à jour : une recherche est déjà en cours ; ses résultats suivent.</translation>
    </message>
    <message>
        <source>it is not a complete, well-formed XML file (the fault is at line %1)</source>
        <translation>ce n&apos;est pas un fichier XML complet et bien formé (l&apos;erreur se trouve à la ligne %1)</translation>
    </message>
    <message>
        <source>This try sent no firmware. The upgrade with &apos;%1&apos; was cut off earlier: start the upgrade again with that file.</source>
        <translation>Cet essai n&apos;a envoyé aucun firmware. La mise à jour avec « %1 » a été interrompue plus tôt : relancez la mise à jour avec ce fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not sent to the dive computer.</source>
        <translation>« %1 » n&apos;a pas été envoyé à l&apos;ordinateur de plongée.</translation>
    </message>
    <message>
        <source>This try sent no firmware to the dive computer.</source>
        <translation>Cet essai n&apos;a envoyé aucun firmware à l&apos;ordinateur de plongée.</translation>
    </message>
    <message>
        <source>Looking for the fault in %1 ...</source>
        <translation>Recherche de l&apos;erreur dans %1 ...</translation>
    </message>
</context>
</TS>
