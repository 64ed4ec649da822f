<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <source>Start Dive [m]</source>
        <translation>Inicio buceo[m]</translation>
    </message>
    <message>
        <source>End Dive [m]</source>
        <translation>Fin buceo [m]</translation>
    </message>
    <message>
        <source>End Delay [sec]</source>
        <translation>Retardo fin [s]</translation>
    </message>
    <message>
        <source>Power Off [min]</source>
        <translation>Apagado [min]</translation>
    </message>
    <message>
        <source>Pre-menu [min]</source>
        <translation>Pre-menú [min]</translation>
    </message>
    <message>
        <source>velocity[m/min]</source>
        <translation>Veloc. [m/min]</translation>
    </message>
    <message>
        <source>Wake-up  [mbar]</source>
        <translation>Activac. [mbar]</translation>
    </message>
    <message>
        <source>max.Surf.[mbar]</source>
        <translation>máx.Sup. [mbar]</translation>
    </message>
    <message>
        <source>GF display [%]</source>
        <translation>Ver GF [%]</translation>
    </message>
    <message>
        <source>min. O2 Dis.[%]</source>
        <translation>mín. O2 vis.[%]</translation>
    </message>
    <message>
        <source>Dive menus[min]</source>
        <translation>Menú buceo[min]</translation>
    </message>
    <message>
        <source>Saturate x [%]</source>
        <translation>Satur. x [%]</translation>
    </message>
    <message>
        <source>Desaturate x[%]</source>
        <translation>Desatur. x [%]</translation>
    </message>
    <message>
        <source>NoFly Ratio [%]</source>
        <translation>Factor NoFly[%]</translation>
    </message>
    <message>
        <source>GF alarm 1 [%]</source>
        <translation>Alarma GF 1 [%]</translation>
    </message>
    <message>
        <source>CNSshow surf[%]</source>
        <translation>Ver CNS sup.[%]</translation>
    </message>
    <message>
        <source>Deco Offset [m]</source>
        <translation>Margen deco [m]</translation>
    </message>
    <message>
        <source>ppO2 low [bar]</source>
        <translation>ppO2 baja [bar]</translation>
    </message>
    <message>
        <source>ppO2 high [bar]</source>
        <translation>ppO2 alta [bar]</translation>
    </message>
    <message>
        <source>ppO2 show [bar]</source>
        <translation>Ver ppO2 [bar]</translation>
    </message>
    <message>
        <source>sampling rate</source>
        <translation>Frec. muestreo</translation>
    </message>
    <message>
        <source>Divisor Temp</source>
        <translation>Divisor temp.</translation>
    </message>
    <message>
        <source>Divisor Decodat</source>
        <translation>Divisor deco</translation>
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
        <translation>Divisor depur.</translation>
    </message>
    <message>
        <source>Divisor CNS</source>
        <translation>Divisor CNS</translation>
    </message>
    <message>
        <source>CNSshow dive[%]</source>
        <translation>Ver CNS inm.[%]</translation>
    </message>
    <message>
        <source>Logbook offset</source>
        <translation>Offset bitácora</translation>
    </message>
    <message>
        <source>Last Deco at[m]</source>
        <translation>Últ. parada [m]</translation>
    </message>
    <message>
        <source>End Apnoe [h]</source>
        <translation>Fin apnea [h]</translation>
    </message>
    <message>
        <source>Show Batt.Volts</source>
        <translation>Ver volt. bat.</translation>
    </message>
    <message>
        <source>GF Low [%]</source>
        <translation>GF bajo [%]</translation>
    </message>
    <message>
        <source>GF High [%]</source>
        <translation>GF alto [%]</translation>
    </message>
    <message>
        <source>Color# Battery </source>
        <translation>Color# batería </translation>
    </message>
    <message>
        <source>Color# Standard</source>
        <translation>Color# estándar</translation>
    </message>
    <message>
        <source>Color# Divemask</source>
        <translation>Color# rótulos</translation>
    </message>
    <message>
        <source>Color# Warnings</source>
        <translation>Color# avisos</translation>
    </message>
    <message>
        <source>Divemode secs. </source>
        <translation>Segundos buceo</translation>
    </message>
    <message>
        <source>Adjust fixed SP</source>
        <translation>Ajustar SP fijo</translation>
    </message>
    <message>
        <source>Warn Ceiling</source>
        <translation>Aviso techo</translation>
    </message>
    <message>
        <source>Mix type icons</source>
        <translation>Iconos mezcla</translation>
    </message>
    <message>
        <source>Blink BetterGas</source>
        <translation>Parpad.MejorGas</translation>
    </message>
    <message>
        <source>DepthWarn[mbar]</source>
        <translation>AvisoProf[mbar]</translation>
    </message>
    <message>
        <source>CNS warning [%]</source>
        <translation>Aviso CNS [%]</translation>
    </message>
    <message>
        <source>GF warning [%]</source>
        <translation>Aviso GF [%]</translation>
    </message>
    <message>
        <source>ppO2 warn [bar]</source>
        <translation>Aviso ppO2[bar]</translation>
    </message>
    <message>
        <source>Vel.warn[m/min]</source>
        <translation>Av.veloc[m/min]</translation>
    </message>
    <message>
        <source>Time offset/day</source>
        <translation>Ajuste hora/día</translation>
    </message>
    <message>
        <source>Show altimeter</source>
        <translation>Ver altímetro</translation>
    </message>
    <message>
        <source>Show Log-Marker</source>
        <translation>Ver marcador</translation>
    </message>
    <message>
        <source>Show Stopwatch</source>
        <translation>Ver cronómetro</translation>
    </message>
    <message>
        <source>ShowTissueGraph</source>
        <translation>Gráfico tejidos</translation>
    </message>
    <message>
        <source>Show Lead.Tiss.</source>
        <translation>Ver tej. líder</translation>
    </message>
    <message>
        <source>ShallowStop 1st</source>
        <translation>ParadaSomera 1ª</translation>
    </message>
    <message>
        <source>Gas switch[min]</source>
        <translation>Cambio gas[min]</translation>
    </message>
    <message>
        <source>BottomGas[/min]</source>
        <translation>GasFondo[/min]</translation>
    </message>
    <message>
        <source>AscentGas[/min]</source>
        <translation>GasAscen.[/min]</translation>
    </message>
    <message>
        <source>Future TTS[min]</source>
        <translation>TTS futuro[min]</translation>
    </message>
    <message>
        <source>Cave Bail Alarm</source>
        <translation>Alarm.bailCueva</translation>
    </message>
    <message>
        <source>Graph. Velocity</source>
        <translation>Veloc. gráfica</translation>
    </message>
    <message>
        <source>Show pSCR ppO2</source>
        <translation>Ver ppO2 pSCR</translation>
    </message>
    <message>
        <source>pSCR O2 Drop[%]</source>
        <translation>pSCR caídaO2[%]</translation>
    </message>
    <message>
        <source>pSCR lung ratio</source>
        <translation>pSCR rel.pulmón</translation>
    </message>
    <message>
        <source>Color# inactive</source>
        <translation>Color# inactivo</translation>
    </message>
    <message>
        <source>Use safety stop</source>
        <translation>Parada segurid.</translation>
    </message>
    <message>
        <source>unused</source>
        <translation>sin uso</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <source>Edit Custom Functions</source>
        <translation>Editar funciones personalizadas</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Custom Functions I</source>
        <translation>Funciones pers. I</translation>
    </message>
    <message>
        <source>Custom Functions II</source>
        <translation>Funciones pers. II</translation>
    </message>
    <message>
        <source>Custom Functions III</source>
        <translation>Funciones pers. III</translation>
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
        <translation>NO</translation>
    </message>
    <message>
        <source>ON</source>
        <comment>CF bool</comment>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>VARN &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>VARN &lt;i&gt;n.º de serie no cargado&lt;/i&gt;</translation>
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
        <translation>VARN Planner ha sufrido %1 fallos que no ha podido gestionar y se cierra ahora. Los valores del formulario se guardan; el contenido de la consola se pierde.</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <source>Save image...</source>
        <translation>Guardar imagen...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Curvas de la inmersión</translation>
    </message>
    <message>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Profundidad [m]</translation>
    </message>
    <message>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>tiempo [min]</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Gráfico de tejidos</translation>
    </message>
    <message>
        <source>P. ambient (absolute, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. ambiente (absoluta, milibar)</translation>
    </message>
    <message>
        <source>P. tissue (N2+He, millibar)</source>
        <comment>Plot axis</comment>
        <translation>P. tejido (N2+He, milibar)</translation>
    </message>
    <message>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Jpeg image</source>
        <comment>Save plot</comment>
        <translation>Imagen JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <comment>Save plot</comment>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <comment>Save plot</comment>
        <translation>Imagen TIFF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <comment>Save plot</comment>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>SVG file</source>
        <comment>Save plot</comment>
        <translation>Archivo SVG</translation>
    </message>
    <message>
        <source>Dump image to...</source>
        <comment>Save plot</comment>
        <translation>Guardar imagen en...</translation>
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
        <translation>Aire</translation>
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
        <translation>GF bajo</translation>
    </message>
    <message>
        <source>GF_high</source>
        <comment>Plot label</comment>
        <translation>GF alto</translation>
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
        <translation>Haga clic para cambiar el color</translation>
    </message>
    <message>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation>Elija un color</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reading UDDF %1 dive
</source>
        <translation>Lectura de inmersión UDDF %1
</translation>
    </message>
    <message>
        <source>This is a CCR dive.</source>
        <translation>Inmersión en CCR.</translation>
    </message>
    <message>
        <source>This is an OC dive.</source>
        <translation>Inmersión en OC.</translation>
    </message>
    <message>
        <source>Unknown OC/CCR mode.</source>
        <translation>Modo OC/CCR desconocido.</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas#%1 skipped: implausible mix.
</source>
        <translation>Gas#%1 omitido: mezcla inverosímil.
</translation>
    </message>
    <message numerus="yes">
        <source>%n setpoint(s) outside 0.16..2.55 bar skipped.
</source>
        <translation>
            <numerusform>%n setpoint fuera de 0.16..2.55 bar omitido.
</numerusform>
            <numerusform>%n setpoints fuera de 0.16..2.55 bar omitidos.
</numerusform>
        </translation>
    </message>
    <message>
        <source>DivingLog DB %1 dive
</source>
        <translation>Inmersión de DivingLog DB %1
</translation>
    </message>
    <message>
        <source>Profile depths read as feet.
</source>
        <translation>Profundidades del perfil leídas en pies.
</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>VARN Planner settings</source>
        <translation>Ajustes de VARN Planner</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Communication port:</source>
        <translation>Puerto de comunicación:</translation>
    </message>
    <message>
        <source>Verbose simulations</source>
        <translation>Simulaciones detalladas</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Restablecer ajustes</translation>
    </message>
    <message>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Si está marcado, cada envío de la configuración ajusta también la fecha y la hora.</translation>
    </message>
    <message>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Ajuste automático de fecha &amp;&amp; hora</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>sin puerto</translation>
    </message>
    <message>
        <source>Did you installed the %1 driver ?</source>
        <translation>¿Está instalado el driver %1?</translation>
    </message>
</context>
<context>
    <name>VARN_Planner</name>
    <message>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Guardar todos los parámetros de modelo/inmersión en un archivo *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from VARN.</source>
        <translation>Leer la configuración (texto personal, modelo, gases, setpoints y todas las CF) del VARN.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Leer CF</translation>
    </message>
    <message>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Editar el texto personal y todas las &lt;i&gt;funciones personalizadas&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Edit CF...</source>
        <translation>Editar CF...</translation>
    </message>
    <message>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to VARN.</source>
        <translation>Escribir la configuración (texto personal, modelo, gases, setpoints y todas las CF) en el VARN.</translation>
    </message>
    <message>
        <source>Upload CF</source>
        <translation>Enviar CF</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ajustes...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Cargar todos los parámetros de modelo/inmersión desde un archivo *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <source>Download a copy of VARN screen, and save to disk.</source>
        <translation>Descargar una copia de la pantalla del VARN y guardarla en disco.</translation>
    </message>
    <message>
        <source> Screen Dump</source>
        <translation> Captura</translation>
    </message>
    <message>
        <source>Upgrade VARN firmware.</source>
        <translation>Actualizar el firmware del VARN.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Set Date &amp; Time.</source>
        <translation>Ajustar fecha y hora.</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Fecha &amp;&amp; hora</translation>
    </message>
    <message>
        <source>Decompression Model:</source>
        <translation>Modelo de descompresión:</translation>
    </message>
    <message>
        <source>Original ZH-L16C-1a [2002] Bühlmann model, with &lt;b&gt;saturation-desaturation&lt;/b&gt; security factors.</source>
        <translation>Modelo Bühlmann ZH-L16C-1a [2002] original, con factores de seguridad de &lt;b&gt;saturación-desaturación&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <source>Bühlmann model modified by adding &lt;B&gt;gradient factors&lt;/b&gt; security margins.</source>
        <translation>Modelo Bühlmann modificado con márgenes de seguridad por &lt;B&gt;factores de gradiente&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Gradient Factor</source>
        <translation>Factor de gradiente</translation>
    </message>
    <message>
        <source>Sat factor(CF11):</source>
        <translation>Factor sat. (CF11):</translation>
    </message>
    <message>
        <source>Mutliplication factor for asymetric gas loading.</source>
        <translation>Factor multiplicador para una saturación asimétrica.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Desat factor (CF12):</source>
        <translation>Factor desat. (CF12):</translation>
    </message>
    <message>
        <source>Multiplication factor for asymetric offgasing.</source>
        <translation>Factor multiplicador para una desaturación asimétrica.</translation>
    </message>
    <message>
        <source>GF low (CF32):</source>
        <translation>GF bajo (CF32):</translation>
    </message>
    <message>
        <source>Gradient factor at the deepest stop.</source>
        <translation>Factor de gradiente en la parada más profunda.</translation>
    </message>
    <message>
        <source>GF high (CF33):</source>
        <translation>GF alto (CF33):</translation>
    </message>
    <message>
        <source>Gradient factor at surface.</source>
        <translation>Factor de gradiente en superficie.</translation>
    </message>
    <message>
        <source>Open Circuit dive (tanks) mode.</source>
        <translation>Modo de buceo en circuito abierto (botellas).</translation>
    </message>
    <message>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <source>Closed Circuit Rebreather mode (constant ppO2).</source>
        <translation>Modo recirculador de circuito cerrado (ppO2 constante).</translation>
    </message>
    <message>
        <source>CCR</source>
        <translation>CCR</translation>
    </message>
    <message>
        <source>Gas List:</source>
        <translation>Lista de gases:</translation>
    </message>
    <message>
        <source>Gas enable for decompression planning.</source>
        <translation>Gas activo en la planificación de la descompresión.</translation>
    </message>
    <message>
        <source>Gas 1</source>
        <translation>Gas 1</translation>
    </message>
    <message>
        <source>&lt;b&gt;OC&lt;/b&gt;: Use this mix as first gas (ie. travel and bottom mix)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: Us this gas as diluent.</source>
        <translation>&lt;b&gt;OC&lt;/b&gt;: usar esta mezcla como primer gas (es decir, mezcla de viaje y de fondo)&lt;br&gt;&lt;b&gt;CCR&lt;/b&gt;: usar este gas como diluyente.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>O2:</source>
        <translation>O2:</translation>
    </message>
    <message>
        <source>Oxygen fraction in the mix.</source>
        <translation>Fracción de oxígeno en la mezcla.</translation>
    </message>
    <message>
        <source>He:</source>
        <translation>He:</translation>
    </message>
    <message>
        <source>Helium fraction in the mix.</source>
        <translation>Fracción de helio en la mezcla.</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>a:</translation>
    </message>
    <message>
        <source>Switch depth for the mix during ascent planning.</source>
        <translation>Profundidad de cambio a esta mezcla en la planificación del ascenso.</translation>
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
        <translation>Retardo cambio (CF55):</translation>
    </message>
    <message>
        <source>Minimum stop time for switching mix during decoplan prediction.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Tiempo mínimo de parada para cambiar de mezcla en la previsión del plan deco.&lt;br&gt;&lt;i&gt;Nuevo en 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>CCR Setpoints:</source>
        <translation>Setpoints CCR:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Setpoint 1:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Setpoint 1:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Starting setpoint, and the only one used for decoplanning.</source>
        <translation>Setpoint inicial, el único que se usa en la planificación deco.</translation>
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
        <translation>Setpoint secundario. Solo para cambio manual.</translation>
    </message>
    <message>
        <source>Setpoint 3:</source>
        <translation>Setpoint 3:</translation>
    </message>
    <message>
        <source>Tertiary setpoint. For manual switch only.</source>
        <translation>Setpoint terciario. Solo para cambio manual.</translation>
    </message>
    <message>
        <source>Adjust setpoint when diluent is in excess.</source>
        <translation>Ajustar el setpoint cuando la ppO2 del diluyente lo supera.</translation>
    </message>
    <message>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Ajustar SP fijo (CF39)</translation>
    </message>
    <message>
        <source>Other VARN dive settings:</source>
        <translation>Otros ajustes de buceo del VARN:</translation>
    </message>
    <message>
        <source>Deco offset (CF16):</source>
        <translation>Margen deco (CF16):</translation>
    </message>
    <message>
        <source>Safety margin added to stop depth to compute gas loading/unloading during decoplan prediction.</source>
        <translation>Margen de seguridad sumado a la profundidad de parada para calcular la saturación/desaturación en la previsión del plan deco.</translation>
    </message>
    <message>
        <source>Last stop used during decoplan prediction.</source>
        <translation>Última parada usada en la previsión del plan deco.</translation>
    </message>
    <message>
        <source>Display TTS (Time to surface) if staying extra minutes at current depth.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>Mostrar el TTS (tiempo hasta superficie) tras permanecer minutos extra a la profundidad actual.&lt;br&gt;&lt;i&gt;Nuevo en 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Future TTS (CF58):</source>
        <translation>TTS futuro (CF58):</translation>
    </message>
    <message>
        <source>Last stop (CF29):</source>
        <translation>Última parada (CF29):</translation>
    </message>
    <message>
        <source>ppO2 max (CF18):</source>
        <translation>ppO2 máx. (CF18):</translation>
    </message>
    <message>
        <source>Gas consumption during ascent and deco stops (deco SAC) , for volume evaluation.&lt;br&gt;&lt;i&gt;New in 1.90&lt;/i&gt;</source>
        <translation>Consumo de gas durante el ascenso y las paradas deco (SAC deco), para estimar volúmenes.&lt;br&gt;&lt;i&gt;Nuevo en 1.90&lt;/i&gt;</translation>
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
        <translation>Consumo de gas durante el tiempo de fondo (SAC de fondo), para estimar volúmenes.&lt;br&gt;&lt;i&gt;Nuevo en 1.90&lt;/i&gt;</translation>
    </message>
    <message>
        <source>RMV bottom gas (CF56):</source>
        <translation>RMV gas fondo (CF56):</translation>
    </message>
    <message>
        <source>Display decoplan with shallowest stop on top (ie. reverse order).&lt;br&gt;&lt;i&gt;New in 1.80&lt;/i&gt;</source>
        <translation>Mostrar el plan deco con la parada menos profunda arriba (es decir, en orden inverso).&lt;br&gt;&lt;i&gt;Nuevo en 1.80&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Shallowest stop first (CF54)</source>
        <translation>Parada somera primero (CF54)</translation>
    </message>
    <message>
        <source>Max allowed Oxygen partial pressure (Only used to display MOD).</source>
        <translation>Presión parcial de oxígeno máxima admitida (solo se usa para mostrar la MOD).</translation>
    </message>
    <message>
        <source>Dive planning:</source>
        <translation>Planificación de inmersión:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalo:</translation>
    </message>
    <message>
        <source>Reset = start a new dive (non-consecutive).&lt;br&gt;0     = Add a new segment to the current dive.&lt;br&gt;10... = Surface delay between successives dives.&lt;br&gt;&lt;i&gt;New in 2.00&lt;/i&gt;</source>
        <translation>Nueva = empezar una inmersión nueva (no sucesiva).&lt;br&gt;0     = añadir un segmento nuevo a la inmersión actual.&lt;br&gt;10... = intervalo en superficie entre inmersiones sucesivas.&lt;br&gt;&lt;i&gt;Nuevo en 2.00&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Dive time:</source>
        <translation>Tiempo de fondo:</translation>
    </message>
    <message>
        <source>Bottom time, including (instant) descent, or next segment duration.</source>
        <translation>Tiempo de fondo, incluido el descenso (instantáneo), o duración del siguiente segmento.</translation>
    </message>
    <message>
        <source>Dive depth:</source>
        <translation>Profundidad:</translation>
    </message>
    <message>
        <source>Bottom or next segment depth.</source>
        <translation>Profundidad del fondo o del siguiente segmento.</translation>
    </message>
    <message>
        <source>Patm:</source>
        <translation>Patm:</translation>
    </message>
    <message>
        <source>Surface athmospheric pressure (weather/altitude conditions).</source>
        <translation>Presión atmosférica en superficie (según meteorología/altitud).</translation>
    </message>
    <message>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <source>Ascent rate:</source>
        <translation>Vel. ascenso:</translation>
    </message>
    <message>
        <source>Speed for automatic ascent simulation.</source>
        <translation>Velocidad de la simulación de ascenso automático.</translation>
    </message>
    <message>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Simular un segmento de tiempo/profundidad.</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simular</translation>
    </message>
    <message>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Recalcular el plan deco desde aquí y estimar el consumo de gas de cada botella.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: se puede cambiar la lista de gases y probar distintos runtimes.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: en modo CCR pasa al runtime de escape en BAILOUT, y &lt;i&gt;Añadir runtime&lt;/i&gt; dibuja entonces el plan deco de escape en bailout.</translation>
    </message>
    <message>
        <source>Gas volumes</source>
        <translation>Volúmenes de gas</translation>
    </message>
    <message>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Simular un ascenso automático que respeta las paradas y cambios de gas recalculados sobre la marcha.</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Ascenso</translation>
    </message>
    <message>
        <source>Replay dive</source>
        <translation>Reproducir inmersión</translation>
    </message>
    <message>
        <source>Replay mode</source>
        <translation>Modo reproducción</translation>
    </message>
    <message>
        <source>The &lt;i&gt;Simulate&lt;/i&gt; button will replay depth from a recorded dive profile.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: preview feature not yet finished.</source>
        <translation>El botón &lt;i&gt;Simular&lt;/i&gt; reproduce la profundidad de un perfil de inmersión registrado.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: función preliminar aún sin terminar.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>dive file</source>
        <translation>archivo de inmersión</translation>
    </message>
    <message>
        <source>Stop replay simulation when at the depth of the first stop, minus CF16.</source>
        <translation>Detener la reproducción al llegar a la profundidad de la primera parada, menos CF16.</translation>
    </message>
    <message>
        <source>Breaks on deco stops.</source>
        <translation>Pausa en paradas deco.</translation>
    </message>
    <message>
        <source>Replay gas switch</source>
        <translation>Reproducir cambio de gas</translation>
    </message>
    <message>
        <source>Do setpoint switches, as recorded in CCR dive profil (IF SUPPORTED BY THE FILE FORMAT USED).</source>
        <translation>Hacer los cambios de setpoint registrados en el perfil CCR (SI EL FORMATO DEL ARCHIVO LOS ADMITE).</translation>
    </message>
    <message>
        <source>Replay setpoint</source>
        <translation>Reproducir setpoint</translation>
    </message>
    <message>
        <source>Stop replay simulation when a better gas is available from the current gas list.</source>
        <translation>Detener la reproducción cuando haya un gas mejor en la lista de gases actual.</translation>
    </message>
    <message>
        <source>Breaks on gas switch</source>
        <translation>Pausa en cambio de gas</translation>
    </message>
    <message>
        <source>Breaks on setpoint</source>
        <translation>Pausa en setpoint</translation>
    </message>
    <message>
        <source>Graphic output:</source>
        <translation>Salida gráfica:</translation>
    </message>
    <message>
        <source>Plot dive profile during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar el perfil de inmersión durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Plot ceiling curve (deepest stop depth) during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar la curva de techo (profundidad de la parada más profunda) durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Techo</translation>
    </message>
    <message>
        <source>Plot time (NDL or deepest stop duration ) curve during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar la curva de tiempo (NDL o duración de la parada más profunda) durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Plot N2+He gas tension in leading tissue during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar la tensión de N2+He en el tejido líder durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Lead Tissue</source>
        <translation>Tejido líder</translation>
    </message>
    <message>
        <source>Plot gradient factor during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar el factor de gradiente durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>Plot inspired &lt;i&gt;Oxygen&lt;/i&gt; partial pressure during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar la presión parcial de &lt;i&gt;oxígeno&lt;/i&gt; inspirado durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <source>Plot &lt;i&gt;Central Nervous System&lt;/i&gt; toxicity index during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt;.</source>
        <translation>Dibujar el índice de toxicidad del &lt;i&gt;sistema nervioso central&lt;/i&gt; durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>CNS O2</source>
        <translation>CNS O2</translation>
    </message>
    <message>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Añadir al diagrama el runtime deco del momento (después de &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Volúmenes de gas&lt;/i&gt;).</translation>
    </message>
    <message>
        <source>Add runtime</source>
        <translation>Añadir runtime</translation>
    </message>
    <message>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Dibujar las tensiones de N2+He de los tejidos durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt; en una ventana aparte.</translation>
    </message>
    <message>
        <source>Pressure diagram</source>
        <translation>Diagrama de presión</translation>
    </message>
    <message>
        <source>Remove all curves from dive profil.</source>
        <translation>Quitar todas las curvas del perfil de inmersión.</translation>
    </message>
    <message>
        <source>Clear profil</source>
        <translation>Borrar perfil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Planning</source>
        <translation>&amp;Planificación</translation>
    </message>
    <message>
        <source>&amp;VARN</source>
        <translation>&amp;VARN</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Cargar...</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Leer CF</translation>
    </message>
    <message>
        <source>&amp;Edit CF...</source>
        <translation>&amp;Editar CF...</translation>
    </message>
    <message>
        <source>&amp;Upload CF</source>
        <translation>E&amp;nviar CF</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simular</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Volúmenes de gas</translation>
    </message>
    <message>
        <source>&amp;Ascent</source>
        <translation>&amp;Ascenso</translation>
    </message>
    <message>
        <source>Add &amp;runtime</source>
        <translation>Añadir &amp;runtime</translation>
    </message>
    <message>
        <source>&amp;Clear profil</source>
        <translation>&amp;Borrar perfil</translation>
    </message>
    <message>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Diagrama de presión</translation>
    </message>
    <message>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Ajustar fecha &amp;&amp; hora</translation>
    </message>
    <message>
        <source>Set VARN Date and Time.</source>
        <translation>Ajustar la fecha y la hora del VARN.</translation>
    </message>
    <message>
        <source>Check updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for new VARN Planner and firmware updates.</source>
        <translation>Buscar nuevas versiones de VARN Planner y del firmware.</translation>
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
        <translation>Más paradas de las listadas: el tiempo hasta superficie las cuenta todas</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Depth                         = %1 m</source>
        <translation>Profundidad                   = %1 m</translation>
    </message>
    <message>
        <source>Bottom time                   = %1 min</source>
        <translation>Tiempo de fondo               = %1 min</translation>
    </message>
    <message>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Consumo en fondo (CF56)       = %1 l/min</translation>
    </message>
    <message>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Consumo en ascenso (CF57)     = %1 l/min</translation>
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
        <translation>Tiempo de fondo superior a 255 min: sin volúmenes de gas</translation>
    </message>
    <message>
        <source>The decompression plan did not finish</source>
        <translation>El plan de descompresión no terminó</translation>
    </message>
    <message>
        <source>Ascent speed must be above 0 m/min</source>
        <translation>La velocidad de ascenso debe ser mayor que 0 m/min</translation>
    </message>
    <message>
        <source>ASCENT STOPPED: %1 m not reached</source>
        <translation>ASCENSO DETENIDO: %1 m no alcanzados</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:
</source>
        <translation>Descompresión Bühlmann ZH-L16C-1a 2002 con FACTORES DE GRADIENTE:
</translation>
    </message>
    <message>
        <source>*  GF_low (CF32) = %1 %
</source>
        <translation>*  GF bajo (CF32) = %1 %
</translation>
    </message>
    <message>
        <source>*  GF_high (CF33) = %1 %</source>
        <translation>*  GF alto (CF33) = %1 %</translation>
    </message>
    <message>
        <source>Standard Bühlmann ZH-L16C-1a 2002 decompression:
</source>
        <translation>Descompresión Bühlmann ZH-L16C-1a 2002 estándar:
</translation>
    </message>
    <message>
        <source>*  saturation factor (CF11) = %1 %
</source>
        <translation>*  factor de saturación (CF11) = %1 %
</translation>
    </message>
    <message>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  factor de desaturación (CF12) = %1 %</translation>
    </message>
    <message>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation>*  margen deco (CF16) = %1 m</translation>
    </message>
    <message>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  última parada (CF29) = %1 m</translation>
    </message>
    <message>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  inmersión iniciada con Pamb = %1 mbar</translation>
    </message>
    <message>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  inmersión continuada a la profundidad = %1 m</translation>
    </message>
    <message>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  intervalo con la inmersión anterior = %1&apos;</translation>
    </message>
    <message>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  retardo de cambio de gas (CF55) = %1 min</translation>
    </message>
    <message>
        <source>CCR mode:</source>
        <translation>Modo CCR:</translation>
    </message>
    <message>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1: %1</translation>
    </message>
    <message>
        <source>*  Diluant gas#%1 = %2/%3</source>
        <translation>*  Gas#%1 diluyente = %2/%3</translation>
    </message>
    <message>
        <source>OC gas list:</source>
        <translation>Lista de gases OC:</translation>
    </message>
    <message>
        <source>*  First gas#%1 = %2/%3</source>
        <translation>*  Gas#%1 inicial = %2/%3</translation>
    </message>
    <message>
        <source>*  Bailout gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Gas#%1 bailout = %2/%3 a %4 m</translation>
    </message>
    <message>
        <source>*  Deco gas#%1 = %2/%3 at %4 m</source>
        <translation>*  Gas#%1 deco = %2/%3 a %4 m</translation>
    </message>
    <message>
        <source>BREAK ON STOP @ %1m</source>
        <translation>PAUSA EN PARADA @ %1m</translation>
    </message>
    <message>
        <source>Gas#%1 of the log is not one of the five gases: switch ignored</source>
        <translation>El Gas#%1 del registro no es uno de los cinco gases: cambio ignorado</translation>
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
        <translation>PAUSA POR MEJOR Gas#%1</translation>
    </message>
    <message>
        <source>BREAK ON SETPOINT</source>
        <translation>PAUSA EN SETPOINT</translation>
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
        <translation>El programa &lt;i&gt;VARN Planner&lt;/i&gt; sirve para:&lt;ul&gt;&lt;li&gt;Experimentar con los parámetros de descompresión del ordenador &lt;i&gt;VARN&lt;/i&gt; y entenderlos (modelo, factores de gradiente, profundidad de cambio, etc.).&lt;li&gt;Dibujar perfiles de inmersión simulados y comparar varias configuraciones (mezclas, botellas deco, setpoints, paradas, etc.)&lt;li&gt;Comprobar el &lt;i&gt;VARN&lt;/i&gt; comparando sus resultados con otros programas de descompresión.&lt;li&gt;Hacer copias de seguridad, editar y restaurar las configuraciones del ordenador &lt;i&gt;VARN&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Dil:%1/%2, prof. máx. CCR:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, prof. máx. CCR:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <source>A simulation is running: try again when it has ended.</source>
        <translation>Hay una simulación en curso: vuelva a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>Dive profile</source>
        <comment>Window Title</comment>
        <translation>Perfil de inmersión</translation>
    </message>
    <message>
        <source>Tissues plot</source>
        <comment>Window Title</comment>
        <translation>Gráfico de tejidos</translation>
    </message>
    <message>
        <source>Replay dive profile</source>
        <translation>Reproducir perfil de inmersión</translation>
    </message>
    <message>
        <source>Unable to read dive profile</source>
        <translation>No se puede leer el perfil de inmersión</translation>
    </message>
    <message>
        <source>Load dive parameters...</source>
        <translation>Cargar parámetros de inmersión...</translation>
    </message>
    <message>
        <source>Dives params (*.div)</source>
        <translation>Parámetros de inmersión (*.div)</translation>
    </message>
    <message>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Guardar todos los parámetros...</translation>
    </message>
    <message>
        <source>Unable to write to &apos;%1&apos;.</source>
        <translation>No se puede escribir en «%1».</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Nueva versión...</translation>
    </message>
    <message>
        <source>A new version of &lt;i&gt;VARN Planner&lt;/i&gt; is available. Please consider upgrading from the website:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</source>
        <translation>Hay una nueva versión de &lt;i&gt;VARN Planner&lt;/i&gt; disponible. Se recomienda actualizar desde el sitio web:&lt;br&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The new firmware %1 could not be saved: unable to write to &apos;%2&apos;.</source>
        <translation>No se ha podido guardar el nuevo firmware %1: no se puede escribir en «%2».</translation>
    </message>
    <message>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 disponible...</translation>
    </message>
    <message>
        <source>Version %1 of the &lt;i&gt;VARN&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>La versión %1 del firmware del &lt;i&gt;VARN&lt;/i&gt; está disponible. Se recomienda actualizar el ordenador...</translation>
    </message>
    <message>
        <source>No gas volumes: %1</source>
        <translation>Sin volúmenes de gas: %1</translation>
    </message>
    <message>
        <source>The logged greatest depth is missing or implausible: the deepest sample is used.</source>
        <translation>Falta la profundidad máxima registrada o es inverosímil: se usa la muestra más profunda.</translation>
    </message>
    <message numerus="yes">
        <source>%n sample(s) without a usable time left out.</source>
        <translation>
            <numerusform>%n muestra sin tiempo utilizable descartada.</numerusform>
            <numerusform>%n muestras sin tiempo utilizable descartadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n depth(s) missing or implausible: taken from the samples around them.</source>
        <translation>
            <numerusform>%n profundidad ausente o inverosímil: tomada de las muestras vecinas.</numerusform>
            <numerusform>%n profundidades ausentes o inverosímiles: tomadas de las muestras vecinas.</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>its text encoding %1 is unknown</source>
        <translation>su codificación de texto %1 es desconocida</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>sus elementos están anidados en más de %1 niveles</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s closed circuit mode is kept.</source>
        <translation>Modo de inmersión desconocido: se mantiene el modo de circuito cerrado del formulario.</translation>
    </message>
    <message>
        <source>Dive mode unknown: the form&apos;s open circuit mode is kept.</source>
        <translation>Modo de inmersión desconocido: se mantiene el modo de circuito abierto del formulario.</translation>
    </message>
    <message numerus="yes">
        <source>%n more mix(es) not listed: the computer has five gases.</source>
        <translation>
            <numerusform>%n mezcla más no listada: el ordenador tiene cinco gases.</numerusform>
            <numerusform>%n mezclas más no listadas: el ordenador tiene cinco gases.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no dive of a %1 log</source>
        <translation>no contiene ninguna inmersión de un registro %1</translation>
    </message>
    <message>
        <source>The log names no gases: the gases of the form are used.</source>
        <translation>El registro no indica gases: se usan los gases del formulario.</translation>
    </message>
    <message>
        <source>a gas breathed near the surface gives a ppO2 of 0.15 bar or less, too little oxygen for the decompression model</source>
        <translation>un gas respirado cerca de la superficie da una ppO2 de 0.15 bar o menos, demasiado poco oxígeno para el modelo de descompresión</translation>
    </message>
    <message>
        <source>a gas of the plan has more than 95 % nitrogen or helium, more than the decompression model takes</source>
        <translation>un gas del plan tiene más del 95 % de nitrógeno o helio, más de lo que admite el modelo de descompresión</translation>
    </message>
    <message>
        <source>the gas breathed has more than 95 % inert gas, less than 5 % oxygen for the decompression model</source>
        <translation>el gas respirado tiene más del 95 % de gas inerte, es decir, menos del 5 % de oxígeno que exige el modelo de descompresión</translation>
    </message>
    <message>
        <source>the gas breathed there has a nitrogen pressure beyond the decompression model&apos;s range</source>
        <translation>el gas respirado ahí tiene una presión de nitrógeno fuera del rango del modelo de descompresión</translation>
    </message>
    <message>
        <source>the gas breathed there has a helium pressure beyond the decompression model&apos;s range</source>
        <translation>el gas respirado ahí tiene una presión de helio fuera del rango del modelo de descompresión</translation>
    </message>
    <message>
        <source>the surface pressure is outside the decompression model&apos;s 801 to 1099 mbar</source>
        <translation>la presión en superficie está fuera de los 801 a 1099 mbar del modelo de descompresión</translation>
    </message>
    <message>
        <source>the ambient pressure is outside the decompression model&apos;s 0.8 to 14 bar</source>
        <translation>la presión ambiente está fuera de los 0.8 a 14 bar del modelo de descompresión</translation>
    </message>
    <message>
        <source>a value is outside what the decompression model can compute</source>
        <translation>un valor está fuera de lo que el modelo de descompresión puede calcular</translation>
    </message>
    <message>
        <source>Gas#%1 of the log has no gas set up (its mix was skipped or the gas is off): switch ignored</source>
        <translation>El Gas#%1 del registro no tiene gas configurado (su mezcla se omitió o el gas está desactivado): cambio ignorado</translation>
    </message>
    <message>
        <source>No dive to ascend from: simulate first</source>
        <translation>No hay inmersión desde la que ascender: simule primero</translation>
    </message>
    <message>
        <source>Ascent stopped at %1 m: %2</source>
        <translation>Ascenso detenido a %1 m: %2</translation>
    </message>
    <message>
        <source>Simulation stopped at %1 m: %2</source>
        <translation>Simulación detenida a %1 m: %2</translation>
    </message>
    <message>
        <source>Surface pressure must be above 800 mbar</source>
        <translation>la presión en superficie debe ser mayor que 800 mbar</translation>
    </message>
    <message>
        <source>Surface pressure must be below 1100 mbar</source>
        <translation>la presión en superficie debe ser menor que 1100 mbar</translation>
    </message>
    <message>
        <source>Gas %1 has less than 5 % O2</source>
        <translation>el gas %1 tiene menos del 5 % de O2</translation>
    </message>
    <message>
        <source>Gas %1 has more than 100 % O2 and He together</source>
        <translation>el gas %1 tiene más del 100 % de O2 y He juntos</translation>
    </message>
    <message>
        <source>Dive depth must be at most %1 m at a surface pressure of %2 mbar</source>
        <translation>la profundidad debe ser como máximo %1 m con una presión en superficie de %2 mbar</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Leyendo %1 ...</translation>
    </message>
    <message>
        <source>Not simulated: %1</source>
        <translation>No simulado: %1</translation>
    </message>
    <message>
        <source>No ascent: %1</source>
        <translation>Sin ascenso: %1</translation>
    </message>
    <message>
        <source>No finished plan to draw: simulate first</source>
        <translation>No hay ningún plan terminado que dibujar: simule primero</translation>
    </message>
    <message>
        <source>its name ends neither in .xml nor in .uddf</source>
        <translation>su nombre no termina en .xml ni en .uddf</translation>
    </message>
    <message>
        <source>Unable to read dive profile &apos;%1&apos;: %2</source>
        <translation>No se puede leer el perfil de inmersión «%1»: %2</translation>
    </message>
    <message>
        <source>%1 (cannot be replayed: %2)</source>
        <translation>%1 (no reproducible: %2)</translation>
    </message>
    <message>
        <source>the log holds no samples for it</source>
        <translation>el registro no tiene muestras de esta inmersión</translation>
    </message>
    <message>
        <source>its samples span no time</source>
        <translation>sus muestras no abarcan ningún tiempo</translation>
    </message>
    <message>
        <source>Dive %1 cannot be replayed: %2.</source>
        <translation>La inmersión %1 no se puede reproducir: %2.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s %1 min, not the %2 min of the form.</source>
        <translation>La reproducción sigue los %1 min del registro, no los %2 min del formulario.</translation>
    </message>
    <message>
        <source>The replay follows the log&apos;s depths (deepest %1 m), not the %2 m of the form.</source>
        <translation>La reproducción sigue las profundidades del registro (máx. %1 m), no los %2 m del formulario.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; no longer exists: nothing was loaded</source>
        <translation>«%1» ya no existe: no se ha cargado nada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: nothing was loaded</source>
        <translation>«%1» no se puede leer: no se ha cargado nada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a dive parameter file: nothing was loaded</source>
        <translation>«%1» no es un archivo de parámetros de inmersión: no se ha cargado nada</translation>
    </message>
    <message>
        <source>No serial port is chosen for the dive computer: choose its port with Settings... (button or File menu).</source>
        <translation>No se ha elegido ningún puerto serie para el ordenador de buceo: elija su puerto en Ajustes... (botón o menú Archivo).</translation>
    </message>
    <message>
        <source>FAILED: </source>
        <translation>ERROR: </translation>
    </message>
    <message>
        <source>Connecting %1</source>
        <translation>Conectando con %1</translation>
    </message>
    <message>
        <source>Reading VARN %1 done.</source>
        <translation>Lectura del VARN %1 terminada.</translation>
    </message>
    <message>
        <source>Programming VARN %1 done.</source>
        <translation>Programación del VARN %1 terminada.</translation>
    </message>
    <message>
        <source>SYNC FAILED</source>
        <translation>ERROR DE SINCRONIZACIÓN</translation>
    </message>
    <message>
        <source>Date and time set to %1</source>
        <translation>Fecha y hora ajustadas a %1</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Save screen dump...</source>
        <translation>Guardar captura de pantalla...</translation>
    </message>
    <message>
        <source>Unable to save the screen dump to &apos;%1&apos;.</source>
        <translation>No se puede guardar la captura de pantalla en «%1».</translation>
    </message>
    <message>
        <source>UPGRADE FAILED</source>
        <translation>ERROR DE ACTUALIZACIÓN</translation>
    </message>
    <message>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <source>Loading &apos;%1&apos;</source>
        <translation>Cargando «%1»</translation>
    </message>
    <message>
        <source>Starting VARN upgrade...</source>
        <translation>Iniciando la actualización del VARN...</translation>
    </message>
    <message>
        <source>VARN upgrade done. rebooting...</source>
        <translation>Actualización del VARN terminada. Reiniciando...</translation>
    </message>
    <message>
        <source>The dive computer may now hold settings other than the form&apos;s: download to see them, or upload again.</source>
        <translation>El ordenador de buceo puede contener ahora ajustes distintos de los del formulario: use «Leer CF» para verlos, o «Enviar CF» para enviar de nuevo los del formulario.</translation>
    </message>
    <message>
        <source>The dive computer did not answer: check the cable, and that the computer is awake in its PC mode.</source>
        <translation>El ordenador de buceo no ha respondido: compruebe el cable y que el ordenador esté encendido y en su modo PC.</translation>
    </message>
    <message>
        <source>Waiting for the dive computer&apos;s boot loader... (try %1 of %2)</source>
        <translation>Esperando al cargador de arranque del ordenador de buceo... (intento %1 de %2)</translation>
    </message>
    <message>
        <source>The dive computer is busy: try again when its transfer has ended.</source>
        <translation>El ordenador de buceo está ocupado: vuelva a intentarlo cuando termine la transferencia.</translation>
    </message>
    <message>
        <source>The upgrade did not finish: the dive computer waits in its boot loader. Start the upgrade again with the same file, &apos;%1&apos;.</source>
        <translation>La actualización no ha terminado: el ordenador de buceo espera en su cargador de arranque. Vuelva a iniciar la actualización con el mismo archivo, «%1».</translation>
    </message>
    <message>
        <source>VARN Planner help</source>
        <comment>Window Title</comment>
        <translation>Ayuda de VARN Planner</translation>
    </message>
    <message>
        <source>No plan to draw: the ascent ended the plan; simulate again to draw a runtime</source>
        <translation>No hay ningún plan que dibujar: el ascenso terminó el plan; simule de nuevo para añadir un runtime</translation>
    </message>
    <message>
        <source>No plan to draw: the last run stopped before its plan was finished</source>
        <translation>No hay ningún plan que dibujar: la última simulación se detuvo antes de terminar su plan</translation>
    </message>
    <message>
        <source>No plan to draw: the last action was refused</source>
        <translation>No hay ningún plan que dibujar: la última acción fue rechazada</translation>
    </message>
    <message>
        <source>Check updates: a new version of VARN Planner is available.</source>
        <translation>Buscar actualizaciones: hay una nueva versión de VARN Planner disponible.</translation>
    </message>
    <message>
        <source>Check updates: no new version of VARN Planner.</source>
        <translation>Buscar actualizaciones: no hay ninguna versión nueva de VARN Planner.</translation>
    </message>
    <message>
        <source>Check updates: the VARN Planner web site %1 could not be reached.</source>
        <translation>Buscar actualizaciones: no se pudo acceder al sitio web de VARN Planner %1.</translation>
    </message>
    <message>
        <source>Check updates: no new VARN firmware.</source>
        <translation>Buscar actualizaciones: no hay ningún firmware nuevo del VARN.</translation>
    </message>
    <message>
        <source>Check updates: the firmware web site %1 could not be reached.</source>
        <translation>Buscar actualizaciones: no se pudo acceder al sitio web del firmware %1.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but could not be downloaded from %2; the next check tries again.</source>
        <translation>Buscar actualizaciones: se anuncia el firmware %1 del VARN, pero no se pudo descargar de %2; la próxima búsqueda lo intentará de nuevo.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is announced but the file served is no firmware (%2): it was not kept.</source>
        <translation>Buscar actualizaciones: se anuncia el firmware %1 del VARN, pero el archivo recibido no es un firmware (%2): no se ha guardado.</translation>
    </message>
    <message>
        <source>Check updates: VARN firmware %1 is available, saved as %2.</source>
        <translation>Buscar actualizaciones: el firmware %1 del VARN está disponible, guardado como %2.</translation>
    </message>
    <message>
        <source>it declares XML entities, which dive logs do not use</source>
        <translation>declara entidades XML, que los registros de inmersión no usan</translation>
    </message>
    <message>
        <source>The dive computer answered, but garbled, cut short or too long: check the cable, and that no other program or device uses the port, then try again.</source>
        <translation>El ordenador de buceo ha respondido, pero de forma ilegible, incompleta o demasiado larga: compruebe el cable y que ningún otro programa o dispositivo use el puerto, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Something other than the dive computer keeps sending on this port: close the other program or unplug the other device, and check the port chosen with Settings..., then try again.</source>
        <translation>Algo distinto del ordenador de buceo envía sin parar por este puerto: cierre el otro programa o desconecte el otro dispositivo, compruebe el puerto elegido en Ajustes... y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Check updates: a check is already under way; its results follow.</source>
        <translation>Buscar actualizaciones: ya hay una búsqueda en curso; sus resultados se mostrarán a continuación.</translation>
    </message>
    <message>
        <source>it is not a complete, well-formed XML file (the fault is at line %1)</source>
        <translation>no es un archivo XML completo y bien formado (el error está en la línea %1)</translation>
    </message>
    <message>
        <source>This try sent no firmware. The upgrade with &apos;%1&apos; was cut off earlier: start the upgrade again with that file.</source>
        <translation>Este intento no ha enviado firmware. La actualización con «%1» se interrumpió antes: vuelva a iniciar la actualización con ese archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not sent to the dive computer.</source>
        <translation>«%1» no se ha enviado al ordenador de buceo.</translation>
    </message>
    <message>
        <source>This try sent no firmware to the dive computer.</source>
        <translation>Este intento no ha enviado firmware al ordenador de buceo.</translation>
    </message>
    <message>
        <source>Looking for the fault in %1 ...</source>
        <translation>Buscando el error en %1 ...</translation>
    </message>
</context>
</TS>
