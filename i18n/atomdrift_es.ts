<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AtomsWindow</name>
    <message>
        <source>The atoms</source>
        <translation>Los átomos</translation>
    </message>
    <message>
        <source>The atoms, one square each</source>
        <translation>Los átomos, un cuadradito cada uno</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso adelante</translation>
    </message>
    <message>
        <source>Patch 1</source>
        <translation>Zona 1</translation>
    </message>
    <message>
        <source>Patch 2</source>
        <translation>Zona 2</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Drag over the atoms to choose (Shift: draw round them):</source>
        <translation>Arrastre sobre los átomos para elegir (Mayús: trace su contorno):</translation>
    </message>
    <message>
        <source>Chart of the atoms left</source>
        <translation>Gráfico de los átomos restantes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Detector efficiency: %1 %</source>
        <translation>Eficiencia del detector: %1 %</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>Class experiment...</source>
        <translation>Experimento de clase...</translation>
    </message>
    <message>
        <source>Save chart as image...</source>
        <translation>Guardar el gráfico como imagen...</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Guardar el gráfico como imagen</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copiar los datos</translation>
    </message>
    <message>
        <source>Nuclide lab...</source>
        <translation>Laboratorio de núclidos...</translation>
    </message>
    <message>
        <source>Counting lab...</source>
        <translation>Laboratorio de recuento...</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Crear lección...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Recoger entregas...</translation>
    </message>
</context>
<context>
    <name>ChartViews</name>
    <message>
        <source>Atoms vs. time</source>
        <translation>Átomos frente al tiempo</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Decayed atoms vs. time</source>
        <translation>Átomos desintegrados frente al tiempo</translation>
    </message>
    <message>
        <source>Decayed atoms</source>
        <translation>Átomos desintegrados</translation>
    </message>
    <message>
        <source>ln(atoms) vs. time</source>
        <translation>ln(átomos) frente al tiempo</translation>
    </message>
    <message>
        <source>ln(atoms)</source>
        <translation>ln(átomos)</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t) (blue line: y=x)</source>
        <translation>N(t+1) frente a N(t) (línea azul: y=x)</translation>
    </message>
    <message>
        <source>N(t+1)</source>
        <translation>N(t+1)</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>%1. Y axis: %2. X axis: %3. %4 points</source>
        <translation>%1. Eje Y: %2. Eje X: %3. %4 puntos</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, de %1 a %2</translation>
    </message>
</context>
<context>
    <name>ClassExperiment</name>
    <message>
        <source>Class experiment</source>
        <translation>Experimento de clase</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>La clase</translation>
    </message>
    <message>
        <source>Initial number of atoms:</source>
        <translation>Número inicial de átomos:</translation>
    </message>
    <message>
        <source>Decay rate per step:</source>
        <translation>Constante r por paso:</translation>
    </message>
    <message>
        <source>Half-life (steps):</source>
        <translation>Semivida (pasos):</translation>
    </message>
    <message>
        <source>Last step:</source>
        <translation>Último paso:</translation>
    </message>
    <message>
        <source>Runs (students):</source>
        <translation>Simulaciones (alumnos):</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>New seed</source>
        <translation>Nueva semilla</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Press Run: every student makes one random decay run.</source>
        <translation>Pulse «Simular»: cada alumno hace una simulación de desintegración aleatoria.</translation>
    </message>
    <message>
        <source>Import class data...</source>
        <translation>Importar datos de la clase...</translation>
    </message>
    <message>
        <source>Export runs as CSV...</source>
        <translation>Exportar las simulaciones como CSV...</translation>
    </message>
    <message>
        <source>Save chart as image...</source>
        <translation>Guardar el gráfico como imagen...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimir la hoja de trabajo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>ln N(t)</source>
        <translation>ln N(t)</translation>
    </message>
    <message>
        <source>Half-lives</source>
        <translation>Semividas</translation>
    </message>
    <message>
        <source>Chart of the class experiment</source>
        <translation>Gráfico del experimento de clase</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Media de la clase</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Desviación típica</translation>
    </message>
    <message>
        <source>Half-life where N first falls to N0/2</source>
        <translation>Semivida: N cae por primera vez a N0/2</translation>
    </message>
    <message>
        <source>Half-life from the slope of ln N</source>
        <translation>Semivida a partir de la pendiente de ln N</translation>
    </message>
    <message>
        <source>ln 2 / r (the continuous law)</source>
        <translation>ln 2 / r (ley continua)</translation>
    </message>
    <message>
        <source>ln 2 / −ln(1−q) (exact for the draws)</source>
        <translation>ln 2 / −ln(1−q) (exacta para los sorteos)</translation>
    </message>
    <message>
        <source>%1 runs on %2 cores...</source>
        <translation>%1 simulaciones en %2 núcleos...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Cancelled; the chart shows the class before.</source>
        <translation>Cancelado; el gráfico muestra la clase anterior.</translation>
    </message>
    <message>
        <source>%1 runs of %2 atoms to step %3; a draw decays with q = %4.</source>
        <translation>%1 simulaciones de %2 átomos hasta el paso %3; un sorteo se desintegra con q = %4.</translation>
    </message>
    <message>
        <source>The class has made no runs yet.</source>
        <translation>La clase aún no ha hecho ninguna simulación.</translation>
    </message>
    <message>
        <source>%1 of %2 runs fell to N0/2 by the last step; %3 of %2 runs gave a falling line of ln N.</source>
        <translation>%1 de %2 simulaciones cayeron a N0/2 hasta el último paso; %3 de %2 dieron una recta descendente de ln N.</translation>
    </message>
    <message>
        <source>decay probability %1 per throw, half-life %2 throws</source>
        <translation>probabilidad de desintegración %1 por lanzamiento, semivida %2 lanzamientos</translation>
    </message>
    <message>
        <source>the counts do not fall, so no decay probability fits them</source>
        <translation>las cuentas no bajan, así que ninguna probabilidad de desintegración se ajusta</translation>
    </message>
    <message>
        <source>Class data (%1 groups, %2 throws): %3.</source>
        <translation>Datos de la clase (%1 grupos, %2 lanzamientos): %3.</translation>
    </message>
    <message>
        <source>Class data (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Datos de la clase (*.csv *.txt *.tsv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import class data</source>
        <translation>Importar datos de la clase</translation>
    </message>
    <message>
        <source>The class data were not imported.

%1 cannot be read: %2</source>
        <translation>Los datos de la clase no se han importado.

No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The class data were not imported from %1.

%2</source>
        <translation>Los datos de la clase no se han importado de %1.

%2</translation>
    </message>
    <message>
        <source>Export runs as CSV</source>
        <translation>Exportar las simulaciones como CSV</translation>
    </message>
    <message>
        <source>Atomdrift class.csv</source>
        <translation>Atomdrift clase.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The runs were not saved.</source>
        <translation>Las simulaciones no se han guardado.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Guardar el gráfico como imagen</translation>
    </message>
    <message>
        <source>Atomdrift worksheet.pdf</source>
        <translation>Atomdrift hoja de trabajo.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Class experiment</source>
        <translation>Atomdrift — Experimento de clase</translation>
    </message>
    <message>
        <source>Every student of a class of %1 let %2 atoms decay, one random draw per atom and step, with the decay rate r = %3 per step, up to step %4 (seed %5). A draw decays with the exact probability q = %6.</source>
        <translation>Cada alumno de una clase de %1 dejó desintegrarse %2 átomos, con un sorteo aleatorio por átomo y paso, con la constante de desintegración r = %3 por paso, hasta el paso %4 (semilla %5). Un sorteo se desintegra con la probabilidad exacta q = %6.</translation>
    </message>
    <message>
        <source>Your own run is one of the thin lines. At which step did your atoms first fall to half of N0? How far is that from the class mean, measured in standard deviations?</source>
        <translation>Tu propia simulación es una de las líneas finas. ¿En qué paso cayeron tus átomos por primera vez a la mitad de N0? ¿A qué distancia está de la media de la clase, medida en desviaciones típicas?</translation>
    </message>
    <message>
        <source>The class mean follows N0·(1−q)^t, not N0·e^(−r·t). Why? Which of the two half-lives in the table does the class find?</source>
        <translation>La media de la clase sigue N0·(1−q)^t, no N0·e^(−r·t). ¿Por qué? ¿Cuál de los dos periodos de semidesintegración de la tabla encuentra la clase?</translation>
    </message>
    <message>
        <source>How would the ±1σ band of the class change with four times as many atoms? Guess first, then try it in the program.</source>
        <translation>¿Cómo cambiaría la banda ±1σ de la clase con cuatro veces más átomos? Primero estímalo y luego pruébalo en el programa.</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Crear lección...</translation>
    </message>
    <message>
        <source>Run whose atoms to show</source>
        <translation>Simulación cuyos átomos se muestran</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Mostrar los átomos...</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Simulación:</translation>
    </message>
    <message>
        <source>The atoms of run %1</source>
        <translation>Los átomos de la simulación %1</translation>
    </message>
</context>
<context>
    <name>CountingLab</name>
    <message>
        <source>Counting lab</source>
        <translation>Laboratorio de recuento</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experimentos</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Radiocarbon dating</source>
        <translation>Datación por radiocarbono</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimir la hoja de trabajo</translation>
    </message>
    <message>
        <source>No run to count yet.</source>
        <translation>Aún no hay ninguna simulación que contar.</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Efficiency:</source>
        <translation>Eficiencia:</translation>
    </message>
    <message>
        <source>Background rate (per second):</source>
        <translation>Tasa de fondo (por segundo):</translation>
    </message>
    <message>
        <source>Background counting time (s):</source>
        <translation>Tiempo de recuento del fondo (s):</translation>
    </message>
    <message>
        <source>Measure background</source>
        <translation>Medir el fondo</translation>
    </message>
    <message>
        <source>Members counted:</source>
        <translation>Núclidos contados:</translation>
    </message>
    <message>
        <source>Counting interval (steps):</source>
        <translation>Intervalo de recuento (pasos):</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Lo más rápido posible</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso a paso</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Count lamp</source>
        <translation>Luz de recuento</translation>
    </message>
    <message>
        <source>Counts in this interval</source>
        <translation>Cuentas en este intervalo</translation>
    </message>
    <message>
        <source>Fit method:</source>
        <translation>Ajuste:</translation>
    </message>
    <message>
        <source>Import counts...</source>
        <translation>Importar cuentas...</translation>
    </message>
    <message>
        <source>Export counts CSV...</source>
        <translation>Exportar cuentas CSV...</translation>
    </message>
    <message>
        <source>Carbon (g):</source>
        <translation>Carbono (g):</translation>
    </message>
    <message>
        <source>Age (years, empty for a hidden one):</source>
        <translation>Edad (años, vacía para una oculta):</translation>
    </message>
    <message>
        <source>New sample</source>
        <translation>Nueva muestra</translation>
    </message>
    <message>
        <source>Counting time (min):</source>
        <translation>Tiempo de recuento (min):</translation>
    </message>
    <message>
        <source>Count sample</source>
        <translation>Contar la muestra</translation>
    </message>
    <message>
        <source>Show the true age</source>
        <translation>Mostrar la edad real</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Escala log.</translation>
    </message>
    <message>
        <source>Chart of the counts</source>
        <translation>Gráfico de las cuentas</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Residuals of the fit</source>
        <translation>Residuos del ajuste</translation>
    </message>
    <message>
        <source>Sample: %1, %2 run of %3 steps of %4 %5.</source>
        <extracomment>%1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the step and its unit.</extracomment>
        <translation>Muestra: %1, simulación %2 de %3 pasos de %4 %5.</translation>
    </message>
    <message>
        <source>random</source>
        <translation>al azar</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacta</translation>
    </message>
    <message>
        <source>Background: %1 counts in %2 s, %3 per second.</source>
        <translation>Fondo: %1 cuentas en %2 s, %3 por segundo.</translation>
    </message>
    <message>
        <source>Tick at least one member to count.</source>
        <translation>Marque al menos un núclido para contar.</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>encendida</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>apagada</translation>
    </message>
    <message>
        <source>Counts imported from %1.</source>
        <translation>Cuentas importadas de %1.</translation>
    </message>
    <message>
        <source>Press Start to count the sample.</source>
        <translation>Pulse «Iniciar» para contar la muestra.</translation>
    </message>
    <message>
        <source>No run to count: run a chain in the nuclide lab and press Counter there, or import counts.</source>
        <translation>No hay ninguna simulación que contar: simule una cadena en el laboratorio de núclidos y pulse allí «Contador», o importe cuentas.</translation>
    </message>
    <message>
        <source>Count rate: not yet known.</source>
        <translation>Tasa de recuento: aún desconocida.</translation>
    </message>
    <message>
        <source>Count rate: %1 per second in the last interval.</source>
        <translation>Tasa de recuento: %1 por segundo en el último intervalo.</translation>
    </message>
    <message>
        <source>t = %1 of %2 %3; %4 intervals counted.</source>
        <translation>t = %1 de %2 %3; %4 intervalos contados.</translation>
    </message>
    <message>
        <source>%1. Across: %2; up: %3.</source>
        <translation>%1. Horizontal: %2; vertical: %3.</translation>
    </message>
    <message>
        <source>Press Start to count the sample</source>
        <translation>Pulse «Iniciar» para contar la muestra</translation>
    </message>
    <message>
        <source>No counts yet</source>
        <translation>Aún no hay cuentas</translation>
    </message>
    <message>
        <source>Count rate with √N error bars</source>
        <translation>Tasa de recuento con barras de error √N</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>t [%1]</source>
        <translation>t [%1]</translation>
    </message>
    <message>
        <source>(counts − fit) / σ</source>
        <translation>(N − ajuste) / σ</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Residuos</translation>
    </message>
    <message>
        <source>Press Count sample to date the sample</source>
        <translation>Pulse «Contar la muestra» para datarla</translation>
    </message>
    <message>
        <source>Age from each count of the sample</source>
        <translation>Edad según cada recuento de la muestra</translation>
    </message>
    <message>
        <source>Counting time [min]</source>
        <translation>Tiempo de recuento [min]</translation>
    </message>
    <message>
        <source>Age [years]</source>
        <translation>Edad [años]</translation>
    </message>
    <message>
        <source>True age</source>
        <translation>Edad real</translation>
    </message>
    <message>
        <source>The half-life is fitted when the counting stops or pauses.</source>
        <translation>El periodo de semidesintegración se ajusta cuando el recuento se detiene o se pausa.</translation>
    </message>
    <message>
        <source>A fit needs the counts of two intervals or more.</source>
        <translation>Un ajuste necesita las cuentas de dos intervalos o más.</translation>
    </message>
    <message>
        <source>No half-life could be fitted (%1): %2</source>
        <translation>No se pudo ajustar un periodo de semidesintegración (%1): %2</translation>
    </message>
    <message>
        <source>T½ = %1 %2 (%3)</source>
        <translation>T½ = %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Counts (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Cuentas (*.csv *.txt *.tsv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import counts</source>
        <translation>Importar cuentas</translation>
    </message>
    <message>
        <source>The counts were not imported.

%1 cannot be read: %2</source>
        <translation>Las cuentas no se han importado.

No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The counts were not imported from %1.

%2</source>
        <translation>Las cuentas no se han importado de %1.

%2</translation>
    </message>
    <message>
        <source>Export counts CSV</source>
        <translation>Exportar cuentas CSV</translation>
    </message>
    <message>
        <source>Atomdrift counts.csv</source>
        <translation>Atomdrift cuentas.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The counts were not saved.</source>
        <translation>Las cuentas no se han guardado.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Guardar el gráfico como imagen</translation>
    </message>
    <message>
        <source>Atomdrift counting lab.pdf</source>
        <translation>Atomdrift laboratorio de recuento.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Counting lab</source>
        <translation>Atomdrift — Laboratorio de recuento</translation>
    </message>
    <message>
        <source>Why are the error bars longer, compared with the count rate, late in the run than early on?</source>
        <translation>¿Por qué las barras de error son más largas, en comparación con la tasa de recuento, al final de la simulación que al principio?</translation>
    </message>
    <message>
        <source>Measure the background for ten times as long and fit again. What changes in the half-life and its uncertainty, and why?</source>
        <translation>Mide el fondo durante diez veces más tiempo y ajusta de nuevo. ¿Qué cambia en el periodo de semidesintegración y en su incertidumbre, y por qué?</translation>
    </message>
    <message>
        <source>How much longer would you have to count to halve the uncertainty of the half-life?</source>
        <translation>¿Cuánto tiempo más tendrías que contar para reducir a la mitad la incertidumbre del periodo de semidesintegración?</translation>
    </message>
    <message>
        <source>Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller uncertainty.</source>
        <translation>Pulse «Nueva muestra» para obtener un trozo de carbono antiguo y luego «Contar la muestra». Contar más tiempo da una incertidumbre menor.</translation>
    </message>
    <message>
        <source>A sample of %1 g of carbon, of unknown age.</source>
        <translation>Una muestra de %1 g de carbono, de edad desconocida.</translation>
    </message>
    <message>
        <source>A sample of %1 g of carbon.</source>
        <translation>Una muestra de %1 g de carbono.</translation>
    </message>
    <message>
        <source>Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the activity of modern carbon.</source>
        <translation>Contado durante %1 min: %2 cuentas, y %3 de fondo en el mismo tiempo; %4 % de la actividad del carbono actual.</translation>
    </message>
    <message>
        <source>True age: %1 y.</source>
        <translation>Edad real: %1 años.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Conventional radiocarbon age (Libby half-life, %1 y)</source>
        <translation>Edad de radiocarbono convencional (semivida de Libby, %1 años)</translation>
    </message>
    <message>
        <source>Sample: %1, %2 run of %3 steps growing tenfold a decade, to %4 %5.</source>
        <extracomment>%1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the last time and its unit.</extracomment>
        <translation>Muestra: %1, simulación %2 de %3 pasos que crecen diez veces por década, hasta %4 %5.</translation>
    </message>
    <message>
        <source>χ²/ν = %1/%2 = %3, p = %4</source>
        <extracomment>%1 the chi-square, %2 the degrees of freedom, %3 their quotient, %4 the p-value.</extracomment>
        <translation>χ²/ν = %1/%2 = %3, p = %4</translation>
    </message>
    <message>
        <source>±√deviance</source>
        <extracomment>The deviance residual: the signed square root of an interval&apos;s deviance.</extracomment>
        <translation>±√devianza</translation>
    </message>
    <message>
        <source>BP: before the present, that is before 1950, the year the activity of modern carbon refers to.</source>
        <translation>BP: antes del presente, es decir, antes de 1950, el año al que se refiere la actividad del carbono moderno.</translation>
    </message>
    <message>
        <source>Age with the half-life %1 ± %2 y</source>
        <translation>Edad con la semivida de %1 ± %2 años</translation>
    </message>
    <message>
        <source>Age with the textbooks&apos; half-life %1 y</source>
        <translation>Edad con la semivida de los libros de texto, %1 años</translation>
    </message>
    <message>
        <source>older than %1 y BP (95 %)</source>
        <extracomment>An age in years before 1950 (BP) that the sample is older than, at 95 % confidence.</extracomment>
        <translation>más de %1 años BP (95 %)</translation>
    </message>
    <message>
        <source>%1 y BP</source>
        <extracomment>An age in years before 1950 (BP) with its interval below and above.</extracomment>
        <translation>%1 años BP</translation>
    </message>
    <message>
        <source>Repeat counts</source>
        <translation>Conteos repetidos</translation>
    </message>
    <message>
        <source>Detector:</source>
        <translation>Detector:</translation>
    </message>
    <message>
        <source>Ideal counter</source>
        <translation>Contador ideal</translation>
    </message>
    <message>
        <source>Geiger tube</source>
        <translation>Tubo Geiger</translation>
    </message>
    <message>
        <source>Dead time (µs):</source>
        <translation>Tiempo muerto (µs):</translation>
    </message>
    <message>
        <source>Dead time kind:</source>
        <translation>Tipo de tiempo muerto:</translation>
    </message>
    <message>
        <source>non-paralysable</source>
        <translation>no paralizable</translation>
    </message>
    <message>
        <source>paralysable</source>
        <translation>paralizable</translation>
    </message>
    <message>
        <source>Silver activation time (s):</source>
        <translation>Tiempo de activación de la plata (s):</translation>
    </message>
    <message>
        <source>Count activated silver</source>
        <translation>Contar plata activada</translation>
    </message>
    <message>
        <source>Fit model:</source>
        <translation>Modelo de ajuste:</translation>
    </message>
    <message>
        <source>Corrected for the dead time: %1 per second.</source>
        <translation>Corregido del tiempo muerto: %1 por segundo.</translation>
    </message>
    <message>
        <source>Too many counts for the dead time to correct.</source>
        <translation>Demasiadas cuentas para corregir el tiempo muerto.</translation>
    </message>
    <message>
        <source>The counter is saturated: more than 1/τ events a second reach it.</source>
        <translation>El contador está saturado: le llegan más de 1/τ sucesos por segundo.</translation>
    </message>
    <message>
        <source>No half-life is fitted: the paralysable counter was saturated, so that more events made it record fewer, and its counts no longer say how many arrived. Count with a weaker sample or a shorter dead time.</source>
        <translation>No se ajusta ninguna semivida: el contador paralizable estaba saturado, de modo que más sucesos le hacían registrar menos, y sus cuentas ya no dicen cuántos llegaron. Cuente con una muestra más débil o un tiempo muerto más corto.</translation>
    </message>
    <message>
        <source>T½ = %1 %2 and %3 %2 (%4)</source>
        <extracomment>%1 and %3 the two half-lives, %2 their unit, %4 the method.</extracomment>
        <translation>T½ = %1 %2 y %3 %2 (%4)</translation>
    </message>
    <message>
        <source>T½ of %1 = %2 %3 (%4)</source>
        <extracomment>%1 the chain&apos;s first member, %2 its half-life, %3 the unit, %4 the method.</extracomment>
        <translation>T½ de %1 = %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 Efficiency %2, background %3 per second, dead time %4 µs (%5). Fit model: %6. %7</source>
        <extracomment>%1 the sample, %2 the efficiency, %3 the background, %4 the dead time in microseconds, %5 its kind, %6 the fit model, %7 the background measurement.</extracomment>
        <translation>%1 Eficiencia %2, fondo %3 por segundo, tiempo muerto %4 µs (%5). Modelo de ajuste: %6. %7</translation>
    </message>
    <message>
        <source>Number of counts:</source>
        <translation>Número de conteos:</translation>
    </message>
    <message>
        <source>Events reaching the counter (per second):</source>
        <translation>Sucesos que llegan al contador (por segundo):</translation>
    </message>
    <message>
        <source>Each count lasts (s):</source>
        <translation>Duración de cada conteo (s):</translation>
    </message>
    <message>
        <source>Count again and again</source>
        <translation>Contar una y otra vez</translation>
    </message>
    <message>
        <source>A long-lived source counted for the same time, again and again: do the counts spread as the Poisson distribution says?</source>
        <translation>Una fuente de vida larga contada durante el mismo tiempo, una y otra vez: ¿se dispersan las cuentas como dice la distribución de Poisson?</translation>
    </message>
    <message>
        <source>%1 counts: mean %2, variance %3.
Index of dispersion D = variance / mean = %4; χ² = (N − 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).
For Poisson counts D is near 1; a counter&apos;s dead time makes it smaller.</source>
        <extracomment>%1 the number of counts, %2 their mean, %3 their variance, %4 the index of dispersion, %5 the chi-square, %6 its degrees of freedom, %7 the p-value.</extracomment>
        <translation>%1 conteos: media %2, varianza %3.
Índice de dispersión D = varianza / media = %4; χ² = (N − 1) D = %5 con %6 grados de libertad, p = %7 (bilateral).
Para cuentas de Poisson D está cerca de 1; el tiempo muerto de un contador lo reduce.</translation>
    </message>
    <message>
        <source>1 g of silver after %1 s in a neutron source</source>
        <translation>1 g de plata tras %1 s en una fuente de neutrones</translation>
    </message>
    <message>
        <source>Counts in an interval</source>
        <translation>Cuentas en un intervalo</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Contados</translation>
    </message>
    <message>
        <source>Poisson</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Gaussian approximation</source>
        <translation>Aproximación gaussiana</translation>
    </message>
    <message>
        <source>Count rate [per second]</source>
        <translation>Tasa de recuento [por segundo]</translation>
    </message>
    <message>
        <source>Count rate [per unit of time]</source>
        <translation>Tasa de recuento [por unidad de tiempo]</translation>
    </message>
    <message>
        <source>Count rate [per %1]</source>
        <translation>Tasa de recuento [por %1]</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades below the top)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (cortado 12 décadas por debajo del extremo superior)</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades before the end)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (cortado 12 décadas antes del final)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Crear lección...</translation>
    </message>
    <message>
        <source>Real counter: %1 pulses in %2 s; the hold-off of %3 ms is its dead time.</source>
        <extracomment>%1 pulses counted, %2 the seconds listened, %3 the hold-off in milliseconds.</extracomment>
        <translation>Contador real: %1 impulsos en %2 s; el tiempo de bloqueo de %3 ms es su tiempo muerto.</translation>
    </message>
    <message>
        <source>%1 stretches of the input were lost; the intervals they reach into are left out.</source>
        <translation>Se han perdido %1 tramos de la entrada; se omiten los intervalos afectados.</translation>
    </message>
    <message>
        <source>Pulses of a real counter: %1 in %2 s, counted in intervals of %3 s, the hold-off of %4 ms taken as a non-paralysable dead time. %5</source>
        <extracomment>%1 pulses, %2 seconds, %3 the interval in seconds, %4 the hold-off in milliseconds, %5 the background sentence.</extracomment>
        <translation>Impulsos de un contador real: %1 en %2 s, contados en intervalos de %3 s, con el tiempo de bloqueo de %4 ms tomado como tiempo muerto no paralizable. %5</translation>
    </message>
    <message>
        <source>Simulated sample</source>
        <translation>Muestra simulada</translation>
    </message>
    <message>
        <source>Real counter</source>
        <translation>Contador real</translation>
    </message>
    <message>
        <source>How to connect a counter</source>
        <translation>Cómo conectar un contador</translation>
    </message>
    <message>
        <source>Connect the counter&apos;s headphone or loudspeaker output to the computer&apos;s microphone or line input with a cable, or hold a microphone close to its loudspeaker.</source>
        <translation>Conecte con un cable la salida de auriculares o de altavoz del contador a la entrada de micrófono o de línea del ordenador, o sostenga un micrófono cerca de su altavoz.</translation>
    </message>
    <message>
        <source>Press Listen and watch the waveform: every click should stand well above the threshold line, and none should reach the top or the bottom of the strip. Turn the counter&apos;s volume or the input level down when the program says the input clips, up when clicks are missed.</source>
        <translation>Pulse «Escuchar» y observe la forma de onda: cada chasquido debe sobresalir claramente por encima de la línea del umbral, y ninguno debe llegar al borde superior ni al inferior de la franja. Baje el volumen del contador o el nivel de entrada cuando el programa indique que la entrada se satura, y súbalo cuando se pierdan chasquidos.</translation>
    </message>
    <message>
        <source>Count the background first with the source away and take it as the background, then count the source.</source>
        <translation>Cuente primero el fondo con la fuente alejada y tómelo como fondo; después, cuente la fuente.</translation>
    </message>
    <message>
        <source>Sound input:</source>
        <translation>Entrada de sonido:</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>La predeterminada del sistema</translation>
    </message>
    <message>
        <source>Threshold (times the noise floor):</source>
        <translation>Umbral (veces el nivel de ruido):</translation>
    </message>
    <message>
        <source>Hold-off (ms):</source>
        <translation>Tiempo de bloqueo (ms):</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Open recording...</source>
        <translation>Abrir grabación...</translation>
    </message>
    <message>
        <source>Take as background</source>
        <translation>Tomar como fondo</translation>
    </message>
    <message>
        <source>The input&apos;s waveform, with the threshold and the pulses found</source>
        <translation>La forma de onda de la entrada, con el umbral y los impulsos detectados</translation>
    </message>
    <message>
        <source>Pulses counted</source>
        <translation>Impulsos contados</translation>
    </message>
    <message>
        <source>Counting interval (s):</source>
        <translation>Intervalo de recuento (s):</translation>
    </message>
    <message>
        <source>Export pulse times CSV...</source>
        <translation>Exportar instantes de los impulsos CSV...</translation>
    </message>
    <message>
        <source>There is no sound input. Connect the counter&apos;s headphone or loudspeaker output (a cable, or a microphone close to its loudspeaker), or open a recording.</source>
        <translation>No hay ninguna entrada de sonido. Conecte la salida de auriculares o de altavoz del contador (con un cable, o con un micrófono cerca de su altavoz), o abra una grabación.</translation>
    </message>
    <message>
        <source>Export pulse times CSV</source>
        <translation>Exportar instantes de los impulsos CSV</translation>
    </message>
    <message>
        <source>Atomdrift pulses.csv</source>
        <translation>Atomdrift impulsos.csv</translation>
    </message>
    <message>
        <source>The pulse times were not saved.</source>
        <translation>Los instantes de los impulsos no se han guardado.</translation>
    </message>
    <message>
        <source>Listen with the source away first, then stop, then take the counts as the background.</source>
        <translation>Escuche primero con la fuente alejada, detenga la escucha y tome entonces las cuentas como fondo.</translation>
    </message>
    <message>
        <source>Recordings (*.wav);;All files (*)</source>
        <translation>Grabaciones (*.wav);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open recording</source>
        <translation>Abrir grabación</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>no se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Take as repeat counts</source>
        <translation>Tomar como cuentas repetidas</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen de las cuentas</translation>
    </message>
    <message>
        <source>Press Listen, or open a recording.</source>
        <translation>Pulse «Escuchar» o abra una grabación.</translation>
    </message>
    <message>
        <source>The real counter&apos;s recording, %1 g of carbon counted with an efficiency of %2: %3 counts in %4 min, and %5 of background in %6 min, each in the time the counter was live; %7 % of the activity of modern carbon.</source>
        <extracomment>%1 grams of carbon, %2 the counter&apos;s efficiency (a fraction), %3 and %4 the sample&apos;s counts and minutes, %5 and %6 the background&apos;s, %7 the percentage of modern carbon&apos;s activity with its interval.</extracomment>
        <translation>La grabación del contador real, %1 g de carbono contados con una eficiencia de %2: %3 cuentas en %4 min, y %5 de fondo en %6 min, cada una en el tiempo en que el contador estaba activo; %7 % de la actividad del carbono actual.</translation>
    </message>
    <message>
        <source>Date the recording</source>
        <translation>Datar la grabación</translation>
    </message>
    <message>
        <source>Dates the real counter&apos;s recording as a sample of the carbon above, against the background it recorded, with the detector&apos;s efficiency.</source>
        <translation>Data la grabación del contador real como una muestra del carbono indicado arriba, frente al fondo que grabó, con la eficiencia del detector.</translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Americium</source>
        <translation>americio</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>argón</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>bario</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>bismuto</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>cesio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>calcio</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>carbono</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>cobalto</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>flúor</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>helio</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>hidrógeno</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>yodo</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>plomo</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>molibdeno</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>neptunio</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>níquel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>oxígeno</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>polonio</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>potasio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>protactinio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>radón</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>estroncio</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>tecnecio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>talio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>torio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>uranio</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>xenón</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>itrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>circonio</translation>
    </message>
    <message>
        <source>Neutron</source>
        <translation>neutrón</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>berilio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>boro</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>neón</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>sodio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>magnesio</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>aluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>azufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>cloro</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>escandio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>titanio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>vanadio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>manganeso</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>hierro</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>cinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>galio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>arsénico</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>selenio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>kriptón</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>rubidio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>niobio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>rutenio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>rodio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>paladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>plata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>cadmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>indio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>estaño</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>telurio</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>lantano</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>cerio</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>praseodimio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>neodimio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>prometio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>samario</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>europio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>gadolinio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>terbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>disprosio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>holmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>erbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>tulio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>iterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>lutecio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>hafnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>tántalo</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>wolframio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>renio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>osmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>iridio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>platino</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>oro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>mercurio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>astato</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>francio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>actinio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>plutonio</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>curio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>berkelio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>californio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>einstenio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>fermio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>mendelevio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>nobelio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>lawrencio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>rutherfordio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>dubnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>seaborgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>bohrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>hasio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>meitnerio</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>darmstatio</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>roentgenio</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>copernicio</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>nihonio</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>flerovio</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>moscovio</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>livermorio</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>teneso</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>oganesón</translation>
    </message>
</context>
<context>
    <name>ExperimentPlots</name>
    <message>
        <source>Runs</source>
        <translation>Simulaciones</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Media de la clase</translation>
    </message>
    <message>
        <source>Class ±1σ</source>
        <translation>Clase ±1σ</translation>
    </message>
    <message>
        <source>Expectation N0·(1−q)^t</source>
        <translation>Valor esperado N0·(1−q)^t</translation>
    </message>
    <message>
        <source>Binomial ±1σ</source>
        <translation>Binomial ±1σ</translation>
    </message>
    <message>
        <source>Continuous law N0·e^(−r·t)</source>
        <translation>Ley continua N0·e^(−r·t)</translation>
    </message>
    <message>
        <source>Fitted line</source>
        <translation>Recta ajustada</translation>
    </message>
    <message>
        <source>Class data</source>
        <translation>Datos de la clase</translation>
    </message>
    <message>
        <source>Class data fit</source>
        <translation>Ajuste de los datos</translation>
    </message>
    <message>
        <source>Measured half-lives</source>
        <translation>Semividas medidas</translation>
    </message>
    <message>
        <source>ln 2 / r</source>
        <translation>ln 2 / r</translation>
    </message>
    <message>
        <source>ln 2 / −ln(1−q)</source>
        <translation>ln 2 / −ln(1−q)</translation>
    </message>
    <message>
        <source>Half-lives where N first falls to N0/2</source>
        <translation>Semividas: N cae por primera vez a N0/2</translation>
    </message>
    <message>
        <source>Half-life (steps)</source>
        <translation>Semivida (pasos)</translation>
    </message>
    <message>
        <source>ln N(t) of the class</source>
        <translation>ln N(t) de la clase</translation>
    </message>
    <message>
        <source>Step t</source>
        <translation>Paso t</translation>
    </message>
    <message>
        <source>ln N</source>
        <translation>ln N</translation>
    </message>
    <message>
        <source>Atoms left in each run</source>
        <translation>Átomos restantes en cada simulación</translation>
    </message>
    <message>
        <source>Atoms N(t)</source>
        <translation>Átomos N(t)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Atomdrift of Radioactive Atoms</source>
        <translation>Atomdrift – desintegración de átomos radiactivos</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>The decay of radioactive atoms is similar to the exponential growth.  The instantaneous rate r is ln2/T, where T is the half-life of the radioactive elements.</source>
        <translation>La desintegración de átomos radiactivos se parece al crecimiento exponencial.  La constante de desintegración r es ln2/T, donde T es el periodo de semidesintegración.</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Más...</translation>
    </message>
    <message>
        <source>More introduction</source>
        <translation>Más introducción</translation>
    </message>
    <message>
        <source>P</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Datos y simulación</translation>
    </message>
    <message>
        <source>Initial number of atoms:</source>
        <translation>Número inicial de átomos:</translation>
    </message>
    <message>
        <source>Simulation for t=0 to t =</source>
        <translation>Simulación de t=0 a t =</translation>
    </message>
    <message>
        <source>The instantaneous decay rate:</source>
        <translation>Constante de desintegración:</translation>
    </message>
    <message>
        <source>The intrinsic rate r:</source>
        <translation>Constante de desintegración r por paso, r = ln 2 / T</translation>
    </message>
    <message>
        <source>The half-life:</source>
        <translation>Semivida:</translation>
    </message>
    <message>
        <source>No. of atoms:</source>
        <translation>N.º de átomos:</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Random decay</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Save simulation data</source>
        <translation>Guardar los datos de la simulación</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Click here to see more graph</source>
        <translation>Haga clic aquí para ver más gráficos</translation>
    </message>
    <message>
        <source>Welcome to Atomdrift!</source>
        <translation>¡Bienvenido a Atomdrift!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <translation>lnN vs. t</translation>
    </message>
    <message>
        <source>lnN(t) vs t</source>
        <translation>lnN(t) frente a t</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN vs. t</translation>
    </message>
    <message>
        <source>dN vs. time</source>
        <translation>dN frente al tiempo</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <translation>N(t) vs. t</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) frente al tiempo</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) vs. N(t)</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Photograph: an atom drawn in light</source>
        <translation>Foto: un átomo dibujado con luz</translation>
    </message>
    <message>
        <source>© %1 The Atomdrift Project</source>
        <translation>© %1 El proyecto Atomdrift</translation>
    </message>
    <message>
        <source>The Atomdrift Project

team@example.org
Atomdrift Teaching Software
Physics Classroom Tools Group
1 Example Road
Example City EX 01234
www.example.org/atomdrift</source>
        <translation>El proyecto Atomdrift

team@example.org
Atomdrift, software educativo
Grupo de Física en el Aula
1 Example Road
Example City EX 01234
www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>Press Enter or click Run to run this program using default values.  If you change the default value, please press ENTER to confirm the change. If you try &quot;random decay&quot;, the decay rate is then the probability that an atom will decay after one time interval. If you run random decay with a large initial number of atoms, it will  take a while (please wait for the result). Click on the graph to see large graph. Comments are welcome.</source>
        <translation>Pulse Intro o haga clic en IR para simular con los valores por defecto.  Si cambia un valor, confírmelo con INTRO. En la desintegración «al azar», r es la probabilidad de desintegración por paso, la probabilidad de que un átomo se desintegre en un intervalo de tiempo. Con muchos átomos, la desintegración al azar tarda un rato (espere el resultado). Haga clic en el gráfico para verlo en grande. Los comentarios son bienvenidos.</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>The simulation data were not saved.</source>
        <translation>Los datos de la simulación no se han guardado.</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Mostrar los átomos...</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Atomdrift backdrop</source>
        <translation>Fondo de Atomdrift</translation>
    </message>
</context>
<context>
    <name>HandInCollection</name>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>recogida</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>sin corregir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Corregidas</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Corrección %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Esperado %1</translation>
    </message>
    <message>
        <source>Hand-ins: %1</source>
        <translation>Entregas: %1</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Correcciones</translation>
    </message>
    <message>
        <source>Files not counted</source>
        <translation>Archivos no contabilizados</translation>
    </message>
    <message>
        <source>The class&apos;s runs</source>
        <translation>Las simulaciones de la clase</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Files not counted:</source>
        <translation>Archivos no contabilizados:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Esperado: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n hand-in(s) marked</source>
        <translation>
            <numerusform>%n entrega corregida</numerusform>
            <numerusform>%n entregas corregidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not counted.</source>
        <translation>
            <numerusform>%n archivo no contabilizado.</numerusform>
            <numerusform>%n archivos no contabilizados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source> - marks.csv</source>
        <translation> - correcciones.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The marks were not saved.</source>
        <translation>Las correcciones no se han guardado.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>There is not enough memory for an image of %1 x %2 pixels.</source>
        <translation>No hay memoria suficiente para una imagen de %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>The picture could not be encoded as a PNG image.</source>
        <translation>La imagen no se ha podido codificar como PNG.</translation>
    </message>
    <message>
        <source>The picture could not be drawn as an SVG drawing.</source>
        <translation>La imagen no se ha podido dibujar como SVG.</translation>
    </message>
    <message>
        <source>Atomdrift chart.png</source>
        <translation>Atomdrift gráfico.png</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>The image was not saved.</source>
        <translation>La imagen no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>The decay of radioactive atoms is usually described as exponential equation A(t)=A(0)Exp(-rt), where A(t) and A(0) are the number of atoms at time t and time zero, respectively. The parameter r is the decay rate. However, the exponential equation gives non-integer results. Furthermore, As the time approaches infinity, A(t) approaches zero. But, it will never be zero. The decay of radioactive atoms is actually binomial function. It means that there are only two possibilities for each atom. Decay or not. If the answer is &quot;yes&quot;, then it is no more radioactive. If the answer is &quot;no&quot;, then it remains radioactive. Based on the binomial phenomenon, the number of radioactive atoms will always be integers. The parameter r is the probability that an atom will decay after one time interval. This can be simulated using random number. As soon as the last atom is decayed, there is no radioactive atom [i.e., A(t)=0]. Each time you try the random decay, you will get different result. It reflects the stochastic property of the decay of radioactive atoms. The above equation A(t)=A(0)Exp(-rt) in the integral form of dA/dt=-rA. If you calculate the half life using T=Log(0.5)/Log(1-r), then you will get different result. In this program, I calculated the half life using T=Log(0.5)/-r.</source>
        <translation>La desintegración de los átomos radiactivos se describe normalmente con la ecuación exponencial A(t)=A(0)Exp(-rt), donde A(t) y A(0) son el número de átomos en el instante t y en el instante cero. El parámetro r es la constante de desintegración. Sin embargo, la ecuación exponencial da resultados no enteros. Además, cuando el tiempo tiende a infinito, A(t) tiende a cero, pero nunca llega a ser cero. En realidad, la desintegración de los átomos radiactivos sigue una distribución binomial. Es decir, cada átomo solo tiene dos posibilidades: desintegrarse o no. Si la respuesta es «sí», deja de ser radiactivo. Si la respuesta es «no», sigue siendo radiactivo. Según este modelo binomial, el número de átomos radiactivos siempre es entero. En la simulación al azar, r es la probabilidad de desintegración por paso, la probabilidad de que un átomo se desintegre en un intervalo de tiempo. Esto se puede simular con números aleatorios. En cuanto se desintegra el último átomo, ya no queda ningún átomo radiactivo [es decir, A(t)=0]. Cada vez que pruebe la desintegración al azar obtendrá un resultado distinto. Esto refleja el carácter estocástico de la desintegración radiactiva. La ecuación A(t)=A(0)Exp(-rt) anterior es la forma integrada de dA/dt=-rA. Si calcula el periodo de semidesintegración con T=Log(0,5)/Log(1-r), obtendrá un resultado distinto. En este programa, el periodo de semidesintegración se calcula con T=Log(0,5)/-r.</translation>
    </message>
</context>
<context>
    <name>LessonDesk</name>
    <message>
        <source>Open lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>The lesson was not opened.</source>
        <translation>La lección no se ha abierto.</translation>
    </message>
    <message>
        <source>Which lesson do the hand-ins answer?</source>
        <translation>¿A qué lección responden las entregas?</translation>
    </message>
    <message>
        <source>Hand-ins (*.handin);;All files (*)</source>
        <translation>Entregas (*.handin);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>El archivo %1 no se puede leer: %2</translation>
    </message>
</context>
<context>
    <name>LessonMaker</name>
    <message>
        <source>Make lesson: %1</source>
        <translation>Crear lección: %1</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Introduction:</source>
        <translation>Introducción:</translation>
    </message>
    <message>
        <source>The same data for everyone</source>
        <translation>Los mismos datos para todos</translation>
    </message>
    <message>
        <source>Each student&apos;s own data, from the name typed</source>
        <translation>Datos propios de cada alumno, a partir del nombre escrito</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Datos:</translation>
    </message>
    <message>
        <source>Check answers at once</source>
        <translation>Comprobar las respuestas al momento</translation>
    </message>
    <message>
        <source>The hand-in carries the answers</source>
        <translation>La entrega lleva las respuestas</translation>
    </message>
    <message>
        <source>The hand-in carries the run&apos;s data file</source>
        <translation>La entrega lleva el archivo de datos de la simulación</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Student may</source>
        <translation>El alumno puede</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>change it</source>
        <translation>cambiarlo</translation>
    </message>
    <message>
        <source>see it only (locked)</source>
        <translation>solo verlo (bloqueado)</translation>
    </message>
    <message>
        <source>not see it (hidden)</source>
        <translation>no verlo (oculto)</translation>
    </message>
    <message>
        <source>change it within a range</source>
        <translation>cambiarlo dentro de un intervalo</translation>
    </message>
    <message>
        <source>The decay run takes the lesson&apos;s entries; its window stays as it is.</source>
        <translation>La simulación de desintegración toma los valores de la lección; su ventana queda tal como está.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Añadir paso</translation>
    </message>
    <message>
        <source>Remove step</source>
        <translation>Quitar paso</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>multiple choice</source>
        <translation>opción múltiple</translation>
    </message>
    <message>
        <source>free text</source>
        <translation>texto libre</translation>
    </message>
    <message>
        <source>a value read off the chart</source>
        <translation>un valor leído en el gráfico</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Right within (%):</source>
        <translation>Tolerancia (%):</translation>
    </message>
    <message>
        <source>or within (in the unit):</source>
        <translation>o en valor absoluto (±, en la unidad):</translation>
    </message>
    <message>
        <source>Choices, one a line:</source>
        <translation>Opciones, una por línea:</translation>
    </message>
    <message>
        <source>Expected answer:</source>
        <translation>Respuesta esperada:</translation>
    </message>
    <message>
        <source>the number or choice below</source>
        <translation>el número o la opción de abajo</translation>
    </message>
    <message>
        <source>Number, or choice from 1:</source>
        <translation>Número, u opción contando desde 1:</translation>
    </message>
    <message>
        <source>Of (name = value; ...):</source>
        <translation>Para (nombre = valor; ...):</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Guardar lección...</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Save lesson as web page...</source>
        <translation>Guardar lección como página web...</translation>
    </message>
    <message>
        <source>The web page is not installed with this build, so a lesson cannot be saved as a page here.</source>
        <translation>La página web no está instalada con esta versión del programa, así que aquí no se puede guardar una lección como página.</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Recoger entregas...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>It needs: %1.</source>
        <translation>La magnitud necesita: %1.</translation>
    </message>
    <message>
        <source>It is a time: give the unit as s, min, h, d or y.</source>
        <translation>La magnitud es un tiempo: indique la unidad como s, min, h, d o y (año).</translation>
    </message>
    <message>
        <source>Give the lesson a title first.</source>
        <translation>Dé primero un título a la lección.</translation>
    </message>
    <message>
        <source>The lesson cannot be given to a class yet.</source>
        <translation>La lección todavía no se puede dar a una clase.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>Lessons (*.atomdrift)</source>
        <translation>Lecciones (*.atomdrift)</translation>
    </message>
    <message>
        <source>The lesson was not saved.</source>
        <translation>La lección no se ha guardado.</translation>
    </message>
    <message>
        <source>The link would be %1 characters long, more than the %2 that mail programs and learning platforms keep whole. Hand the lesson out as a file (&quot;Save lesson...&quot;) or as a web page instead.</source>
        <translation>El enlace tendría %1 caracteres, más de los %2 que los programas de correo y las plataformas de aprendizaje conservan enteros. Reparta mejor la lección como archivo («Guardar lección...») o como página web.</translation>
    </message>
    <message>
        <source>Save lesson as web page</source>
        <translation>Guardar lección como página web</translation>
    </message>
    <message>
        <source>The web page %1 cannot be read: %2</source>
        <translation>La página web %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Páginas web (*.html)</translation>
    </message>
    <message>
        <source>The page was not saved.</source>
        <translation>La página no se ha guardado.</translation>
    </message>
    <message>
        <source>Collect hand-ins</source>
        <translation>Recoger entregas</translation>
    </message>
    <message>
        <source>Edit lesson: %1</source>
        <translation>Editar lección: %1</translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message>
        <source>Preview: %1</source>
        <translation>Vista previa: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lección: %1</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Recoger entregas...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Value read off the chart:</source>
        <translation>Valor leído en el gráfico:</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Tu respuesta:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Everyone has the same data (seed %1).</source>
        <translation>Todos tienen los mismos datos (semilla %1).</translation>
    </message>
    <message>
        <source>Type your name and press Enter: your own data come from it.</source>
        <translation>Escribe tu nombre y pulsa Intro: tus propios datos salen de él.</translation>
    </message>
    <message>
        <source>Your data come from your name (seed %1).</source>
        <translation>Tus datos salen de tu nombre (semilla %1).</translation>
    </message>
    <message>
        <source>Type your name first: your data come from it.</source>
        <translation>Escribe primero tu nombre: tus datos salen de él.</translation>
    </message>
    <message>
        <source>“%1” is no number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>Type your name first: the hand-in carries it.</source>
        <translation>Escribe primero tu nombre: la entrega lo lleva.</translation>
    </message>
    <message>
        <source>Hand-ins (*.handin)</source>
        <translation>Entregas (*.handin)</translation>
    </message>
    <message>
        <source>The hand-in was not saved.</source>
        <translation>La entrega no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>Save chart as image...</source>
        <translation>Guardar el gráfico como imagen...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimir la hoja de trabajo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>Number of atoms at t=%1</source>
        <translation>Número de átomos en t=%1</translation>
    </message>
    <message>
        <source>The initial number of atoms must be a whole number from %1 to %2.</source>
        <translation>El número inicial de átomos debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The decay rate must be a number from %1 to %2.</source>
        <translation>La constante de desintegración debe ser un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The last step must be a whole number from %1 to %2.</source>
        <translation>El último paso debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of runs must be a whole number from %1 to %2.</source>
        <translation>El número de simulaciones debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from %1 to %2.</source>
        <translation>La semilla debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; a class&apos;s counts take far less.</source>
        <translation>El archivo supera los %1 MB; las cuentas de una clase ocupan mucho menos.</translation>
    </message>
    <message>
        <source>The file holds no counts.</source>
        <translation>El archivo no contiene cuentas.</translation>
    </message>
    <message>
        <source>The file holds the counts of one step only; a decay needs two or more.</source>
        <translation>El archivo solo contiene las cuentas de un paso; una desintegración necesita dos o más.</translation>
    </message>
    <message>
        <source>Line %1 has only one field: each line needs the step and at least one group&apos;s count.</source>
        <translation>La línea %1 solo tiene un campo: cada línea necesita el paso y la cuenta de al menos un grupo.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 groups.</source>
        <translation>La línea %1 tiene más de %2 grupos.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields, line %3 has %4 fields.</source>
        <translation>La línea %1 tiene %2 campos, la línea %3 tiene %4.</translation>
    </message>
    <message>
        <source>Line %1 has %2 field, line %3 has %4 fields.</source>
        <translation>La línea %1 tiene %2 campo, la línea %3 tiene %4.</translation>
    </message>
    <message>
        <source>Line %1 is one too many: at most %2 lines of counts.</source>
        <translation>La línea %1 sobra: como máximo %2 líneas de cuentas.</translation>
    </message>
    <message>
        <source>Line %1, field %2 is empty.</source>
        <translation>Línea %1, campo %2: está vacío.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is not a number.</source>
        <translation>Línea %1, campo %2: %3 no es un número.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is negative.</source>
        <translation>Línea %1, campo %2: %3 es negativo.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the step %3 is not a whole number of throws.</source>
        <translation>Línea %1, campo %2: el paso %3 no es un número entero de lanzamientos.</translation>
    </message>
    <message>
        <source>Line %1: the step %2 does not come after the step before it.</source>
        <translation>Línea %1: el paso %2 no sigue al paso anterior.</translation>
    </message>
    <message>
        <source>Two members are called %1.</source>
        <translation>Dos núclidos se llaman %1.</translation>
    </message>
    <message>
        <source>Every link joins two different members of the chain.</source>
        <translation>Cada desintegración debe unir dos núclidos distintos de la cadena.</translation>
    </message>
    <message>
        <source>%1 is stable: it cannot decay to anything.</source>
        <translation>%1 es estable: no puede desintegrarse en nada.</translation>
    </message>
    <message>
        <source>The link from %1 to %2 is there twice.</source>
        <translation>La desintegración de %1 en %2 aparece dos veces.</translation>
    </message>
    <message>
        <source>The branch fraction from %1 to %2 must be a number from 0 to 1.</source>
        <translation>La fracción de ramificación de %1 en %2 debe ser un número de 0 a 1.</translation>
    </message>
    <message>
        <source>The branch fractions from %1 add up to more than 1.</source>
        <translation>Las fracciones de ramificación de %1 suman más de 1.</translation>
    </message>
    <message>
        <source>%1 is not in the nuclide table.</source>
        <translation>%1 no está en la tabla de núclidos.</translation>
    </message>
    <message>
        <source>The chain of %1 loops.</source>
        <translation>La cadena de %1 forma un bucle.</translation>
    </message>
    <message>
        <source>A custom chain has 1 to %1 members.</source>
        <translation>Una cadena propia tiene de 1 a %1 núclidos.</translation>
    </message>
    <message>
        <source>The chain has a loop: a member would decay back into itself. Remove one of the links of the loop.</source>
        <translation>La cadena tiene un bucle: un núclido se desintegraría en sí mismo. Quite una de las desintegraciones del bucle.</translation>
    </message>
    <message>
        <source>The initial number of atoms of %1 must be a number from 0 to 1E+30.</source>
        <translation>El número inicial de átomos de %1 debe ser un número de 0 a 1E+30.</translation>
    </message>
    <message>
        <source>At least one member needs atoms at the start.</source>
        <translation>Al menos un núclido necesita átomos al inicio.</translation>
    </message>
    <message>
        <source>The time step must be a number from 1 ns to 1E+12 y.</source>
        <translation>El paso de tiempo debe ser un número de 1 ns a 1E+12 a.</translation>
    </message>
    <message>
        <source>The number of steps must be a whole number from 1 to %1.</source>
        <translation>El número de pasos debe ser un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>The milking step must be a whole number from 1 to %1.</source>
        <translation>El paso de elución debe ser un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>Choose the member to milk.</source>
        <translation>Elija el núclido que se va a eluir.</translation>
    </message>
    <message>
        <source>The random run follows whole atoms: give whole numbers of atoms.</source>
        <translation>La simulación al azar sigue átomos enteros: indique números enteros de átomos.</translation>
    </message>
    <message>
        <source>The efficiency must be a number above %1 and at most %2.</source>
        <translation>La eficiencia debe ser un número mayor que %1 y como máximo %2.</translation>
    </message>
    <message>
        <source>The counting interval must be a whole number of steps from %1 to %2.</source>
        <translation>El intervalo de recuento debe ser un número entero de pasos de %1 a %2.</translation>
    </message>
    <message>
        <source>The run has no time step to count in.</source>
        <translation>La simulación no tiene un paso de tiempo en el que contar.</translation>
    </message>
    <message>
        <source>The run has no steps to count.</source>
        <translation>La simulación no tiene pasos que contar.</translation>
    </message>
    <message>
        <source>The counter&apos;s settings are out of range.</source>
        <translation>Los ajustes del contador están fuera de rango.</translation>
    </message>
    <message>
        <source>The run holds a step with no count of decays or activity.</source>
        <translation>La simulación contiene un paso sin número de desintegraciones ni actividad.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; a measurement&apos;s counts take far less.</source>
        <translation>El archivo supera los %1 MB; las cuentas de una medida ocupan mucho menos.</translation>
    </message>
    <message>
        <source>The file holds the counts of one interval only; a half-life needs two or more.</source>
        <translation>El archivo solo contiene las cuentas de un intervalo; un periodo de semidesintegración necesita dos o más.</translation>
    </message>
    <message>
        <source>Line %1 has %2 field: each line needs a time and counts, then a background or the end of the interval and a background.</source>
        <translation>La línea %1 tiene %2 campo: cada línea necesita un tiempo y cuentas, y luego un fondo o el final del intervalo y un fondo.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields: each line needs a time and counts, then a background or the end of the interval and a background.</source>
        <translation>La línea %1 tiene %2 campos: cada línea necesita un tiempo y cuentas, y luego un fondo o el final del intervalo y un fondo.</translation>
    </message>
    <message>
        <source>Line %1 is one too many: at most %2 intervals.</source>
        <translation>La línea %1 sobra: como máximo %2 intervalos.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the counts %3 are not a whole number.</source>
        <translation>Línea %1, campo %2: las cuentas %3 no son un número entero.</translation>
    </message>
    <message>
        <source>Line %1: the interval does not end after it starts.</source>
        <translation>Línea %1: el intervalo no termina después de empezar.</translation>
    </message>
    <message>
        <source>Line %1: the interval starts before the one before it ends.</source>
        <translation>Línea %1: el intervalo empieza antes de que termine el anterior.</translation>
    </message>
    <message>
        <source>Line %1: the time does not come after the time before it.</source>
        <translation>Línea %1: el tiempo no sigue al tiempo anterior.</translation>
    </message>
    <message>
        <source>Poisson maximum likelihood</source>
        <translation>Máxima verosimilitud de Poisson</translation>
    </message>
    <message>
        <source>A half-life needs the counts of two intervals or more.</source>
        <translation>Un periodo de semidesintegración necesita las cuentas de dos intervalos o más.</translation>
    </message>
    <message>
        <source>The counts show no decay that a half-life could be fitted to.</source>
        <translation>Las cuentas no muestran ninguna desintegración a la que ajustar un periodo de semidesintegración.</translation>
    </message>
    <message>
        <source>The counts show too little decay for a half-life: its uncertainty would be more than half of it.</source>
        <translation>Las cuentas muestran demasiado poca desintegración para un periodo de semidesintegración: su incertidumbre superaría la mitad de su valor.</translation>
    </message>
    <message>
        <source>Member %1 needs a name of 1 to %2 characters.</source>
        <translation>El núclido %1 necesita un nombre de 1 a %2 caracteres.</translation>
    </message>
    <message>
        <source>The half-life of %1 must be a number from %2 s to %3 y; leave it empty for a stable member.</source>
        <translation>El periodo de semidesintegración de %1 debe ser un número de %2 s a %3 años; déjelo vacío para un núclido estable.</translation>
    </message>
    <message>
        <source>The background must be a number of events per second from %1 to %2.</source>
        <translation>El fondo debe ser un número de sucesos por segundo de %1 a %2.</translation>
    </message>
    <message>
        <source>A random run&apos;s decays must be whole numbers.</source>
        <translation>Las desintegraciones de una simulación al azar deben ser números enteros.</translation>
    </message>
    <message>
        <source>The sample is too active to count: the run would bring more than %1 counts. Take fewer atoms or a lower efficiency.</source>
        <translation>La muestra es demasiado activa para contarla: la simulación daría más de %1 cuentas. Tome menos átomos o una eficiencia menor.</translation>
    </message>
    <message>
        <source>The background counting time must be a number of seconds from %1 to %2.</source>
        <translation>El tiempo de recuento del fondo debe ser un número de segundos de %1 a %2.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the time %3 is not from %4 to %5.</source>
        <translation>Línea %1, campo %2: el tiempo %3 no está entre %4 y %5.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is not a count from %4 to %5.</source>
        <translation>Línea %1, campo %2: %3 no es un número de cuentas de %4 a %5.</translation>
    </message>
    <message>
        <source>The carbon must be a number of grams from %1 to %2.</source>
        <translation>El carbono debe ser un número de gramos de %1 a %2.</translation>
    </message>
    <message>
        <source>The age must be a number of years from %1 to %2, or empty for a hidden one.</source>
        <translation>La edad debe ser un número de años de %1 a %2, o vacía para una edad oculta.</translation>
    </message>
    <message>
        <source>The counting time must be a number of minutes from %1 to %2.</source>
        <translation>El tiempo de recuento debe ser un número de minutos de %1 a %2.</translation>
    </message>
    <message>
        <source>%1 may also decay by %2 (%3); without a measured share it is left out of the chain.</source>
        <translation>%1 también puede desintegrarse por %2 (%3); sin una fracción de ramificación medida, esa rama queda fuera de la cadena.</translation>
    </message>
    <message>
        <source>%1 fissions (%2) in %3 % of its decays; the fission products leave the chain.</source>
        <translation>%1 se fisiona (%2) en el %3 % de sus desintegraciones; los productos de fisión salen de la cadena.</translation>
    </message>
    <message>
        <source>%1 decays by %2 in %3 % of its decays into more than one nucleus, which leave the chain.</source>
        <translation>%1 se desintegra por %2 en el %3 % de sus desintegraciones en más de un núcleo, que salen de la cadena.</translation>
    </message>
    <message>
        <source>%1 → %2 (%3, %4 %) is below the branch threshold of %5 % and left out.</source>
        <translation>%1 → %2 (%3, %4 %) está por debajo del umbral de ramas del %5 % y se omite.</translation>
    </message>
    <message>
        <source>%1 → %2 (%3, %4 %) leaves the chain: %2 is not in the nuclide table.</source>
        <translation>%1 → %2 (%3, %4 %) sale de la cadena: %2 no está en la tabla de núclidos.</translation>
    </message>
    <message>
        <source>The chain of %1 has more members than the %2 a run can take; these, which the fewest atoms reach, are left out: %3.</source>
        <translation>La cadena de %1 tiene más núclidos que los %2 que admite una simulación; estos, a los que llegan menos átomos, se omiten: %3.</translation>
    </message>
    <message>
        <source>The branch threshold must be a number of percent from %1 to %2.</source>
        <translation>El umbral de ramas debe ser un porcentaje de %1 a %2.</translation>
    </message>
    <message>
        <source>The first time must be a number from 1 ns to 1E+12 y.</source>
        <translation>El primer instante debe ser un número de 1 ns a 1E+12 a.</translation>
    </message>
    <message>
        <source>The last time must be after the first time, at most 1E+12 y.</source>
        <translation>El último instante debe ser posterior al primero, como mucho 1E+12 a.</translation>
    </message>
    <message>
        <source>The points per decade must be a whole number from 1 to %1.</source>
        <translation>Los puntos por década deben ser un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>The grid has more than %1 steps: take fewer points per decade or a shorter span.</source>
        <translation>La malla tiene más de %1 pasos: tome menos puntos por década o un intervalo más corto.</translation>
    </message>
    <message>
        <source>The grid&apos;s steps must be at least 1 ns: take fewer points per decade or a later first time.</source>
        <translation>Los pasos de la malla deben durar al menos 1 ns: tome menos puntos por década o un primer instante posterior.</translation>
    </message>
    <message>
        <source>The initial amount of %1 must be a number of at least 0.</source>
        <translation>La cantidad inicial de %1 debe ser un número mayor o igual que 0.</translation>
    </message>
    <message>
        <source>%1 has no molar mass here: give its amount in atoms.</source>
        <translation>%1 no tiene aquí masa molar: indique su cantidad en átomos.</translation>
    </message>
    <message>
        <source>%1 is stable and has no activity: give its amount in atoms or grams.</source>
        <translation>%1 es estable y no tiene actividad: indique su cantidad en átomos o gramos.</translation>
    </message>
    <message>
        <source>The initial amount of %1 is more than 1E+30 atoms.</source>
        <translation>La cantidad inicial de %1 supera 1E+30 átomos.</translation>
    </message>
    <message>
        <source>Weighted least squares on the counts</source>
        <translation>Mínimos cuadrados ponderados sobre las cuentas</translation>
    </message>
    <message>
        <source>The net counts are below the critical level of this counting time: the sample is older than the age at its detection limit (95 %).</source>
        <translation>Las cuentas netas están por debajo del nivel crítico de este tiempo de recuento: la muestra es más antigua que la edad en su límite de detección (95 %).</translation>
    </message>
    <message>
        <source>Silver-110 (Ag-110)</source>
        <translation>Plata-110 (Ag-110)</translation>
    </message>
    <message>
        <source>Silver-108 (Ag-108)</source>
        <translation>Plata-108 (Ag-108)</translation>
    </message>
    <message>
        <source>The activation time must be a number of seconds from %1 to %2.</source>
        <translation>El tiempo de activación debe ser un número de segundos de %1 a %2.</translation>
    </message>
    <message>
        <source>The dead time must be a number of microseconds from %1 to %2.</source>
        <translation>El tiempo muerto debe ser un número de microsegundos de %1 a %2.</translation>
    </message>
    <message>
        <source>The chain counted</source>
        <translation>La cadena contada</translation>
    </message>
    <message>
        <source>Two half-lives need the counts of four intervals or more.</source>
        <translation>Dos semividas necesitan las cuentas de cuatro intervalos o más.</translation>
    </message>
    <message>
        <source>The counts are not those of the chain counted, so the chain cannot be fitted to them.</source>
        <translation>Las cuentas no son las de la cadena contada, así que la cadena no puede ajustarse a ellas.</translation>
    </message>
    <message>
        <source>The number of counts must be a whole number from %1 to %2.</source>
        <translation>El número de conteos debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The count rate must be a number of events per second above %1 and at most %2.</source>
        <translation>La tasa de conteo debe ser un número de sucesos por segundo mayor que %1 y como mucho %2.</translation>
    </message>
    <message>
        <source>The counting interval must be a number of seconds from %1 to %2.</source>
        <translation>El intervalo de conteo debe ser un número de segundos de %1 a %2.</translation>
    </message>
    <message>
        <source>An interval would bring more than %1 counts; count for less time.</source>
        <translation>Un intervalo traería más de %1 cuentas; cuente durante menos tiempo.</translation>
    </message>
    <message>
        <source>One nuclide</source>
        <translation>Un núclido</translation>
    </message>
    <message>
        <source>Two nuclides</source>
        <translation>Dos núclidos</translation>
    </message>
    <message>
        <source>branches below %2 %: %1</source>
        <extracomment>%1 a count, %2 the branch threshold in percent</extracomment>
        <translation>ramas por debajo del %2 %: %1</translation>
    </message>
    <message>
        <source>decays that leave the chain: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>desintegraciones que salen de la cadena: %1</translation>
    </message>
    <message>
        <source>modes without a measured share: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>modos sin fracción medida: %1</translation>
    </message>
    <message>
        <source>members beyond what a run can take: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>núclidos más allá de lo que admite una simulación: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 to %4 the kinds of notes with their counts</extracomment>
        <translation>Omitido: %1.</translation>
    </message>
    <message>
        <source>Left out: %1; %2.</source>
        <translation>Omitido: %1; %2.</translation>
    </message>
    <message>
        <source>Left out: %1; %2; %3.</source>
        <translation>Omitido: %1; %2; %3.</translation>
    </message>
    <message>
        <source>Left out: %1; %2; %3; %4.</source>
        <translation>Omitido: %1; %2; %3; %4.</translation>
    </message>
    <message>
        <source>Take %1 points per decade</source>
        <translation>Tomar %1 puntos por década</translation>
    </message>
    <message>
        <source>Take %1 steps of %2 %3</source>
        <translation>Tomar %1 pasos de %2 %3</translation>
    </message>
    <message>
        <source>Take an efficiency of %1</source>
        <translation>Tomar una eficiencia de %1</translation>
    </message>
    <message>
        <source>Count for %1 s</source>
        <translation>Contar durante %1 s</translation>
    </message>
    <message>
        <source>The hand-in %1 cannot be read: %2</source>
        <translation>La entrega %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>it was made by a later version of Atomdrift, in hand-in format %1; this version reads formats up to %2.</source>
        <translation>se hizo con una versión posterior de Atomdrift, en el formato de entrega %1; esta versión lee formatos hasta el %2.</translation>
    </message>
    <message>
        <source>it has no checksum.</source>
        <translation>no tiene suma de comprobación.</translation>
    </message>
    <message>
        <source>its checksum does not match its contents: it was damaged or changed.</source>
        <translation>su suma de comprobación no coincide con su contenido: se dañó o se modificó.</translation>
    </message>
    <message>
        <source>%1 answers another lesson (“%2”).</source>
        <translation>%1 responde a otra lección («%2»).</translation>
    </message>
    <message>
        <source>The seed of %1 is not the one the lesson gives %2: the file was changed.</source>
        <translation>La semilla de %1 no es la que la lección da a %2: el archivo se modificó.</translation>
    </message>
    <message>
        <source>%1 answers a step the lesson does not have.</source>
        <translation>%1 responde a un paso que la lección no tiene.</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>step, number, choice or text</source>
        <translation>step, number, choice o text</translation>
    </message>
    <message>
        <source>present</source>
        <translation>parte del documento</translation>
    </message>
    <message>
        <source>a whole number from 0 to 18446744073709551615</source>
        <translation>un número entero de 0 a 18446744073709551615</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>recogida</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>sin corregir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Corregidas</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Corrección %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Esperado %1</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>La lección %1 no se puede abrir: %2</translation>
    </message>
    <message>
        <source>the link is damaged or cut short.</source>
        <translation>el enlace está dañado o cortado.</translation>
    </message>
    <message>
        <source>the text is no link to a lesson.</source>
        <translation>el texto no es un enlace a una lección.</translation>
    </message>
    <message>
        <source>%1 needs a text in its first language.</source>
        <translation>%1 necesita un texto en su primer idioma.</translation>
    </message>
    <message>
        <source>The part “%1” has no entry %2.</source>
        <translation>La parte «%1» no tiene ninguna entrada %2.</translation>
    </message>
    <message>
        <source>%1 should be true or false, not “%2”.</source>
        <translation>%1 debería ser true o false, no «%2».</translation>
    </message>
    <message>
        <source>%1 should be a number written with a point, not “%2”.</source>
        <translation>%1 debería ser un número escrito con punto, no «%2».</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4 the lesson allows.</source>
        <translation>%1 vale %2, fuera del intervalo de %3 a %4 que permite la lección.</translation>
    </message>
    <message>
        <source>%1 needs one of its items, not an empty text.</source>
        <translation>%1 necesita uno de sus elementos, no un texto vacío.</translation>
    </message>
    <message>
        <source>%1 should be one of %2, not “%3”.</source>
        <translation>%1 debería ser uno de %2, no «%3».</translation>
    </message>
    <message>
        <source>The decay run&apos;s windows cannot lock, hide or limit %1: a lesson gives them entries and steps only.</source>
        <translation>Las ventanas de la simulación de desintegración no pueden bloquear, ocultar ni limitar %1: una lección solo les da valores y pasos.</translation>
    </message>
    <message>
        <source>The part “%1” has no control %2.</source>
        <translation>La parte «%1» no tiene ningún control %2.</translation>
    </message>
    <message>
        <source>%1 takes no range: only number entries do.</source>
        <translation>%1 no admite intervalo: solo lo admiten los campos numéricos.</translation>
    </message>
    <message>
        <source>The range of %1 needs a minimum no larger than its maximum.</source>
        <translation>El intervalo de %1 necesita un mínimo no mayor que su máximo.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>%1 needs a tolerance above 0.</source>
        <translation>%1 necesita una tolerancia mayor que 0.</translation>
    </message>
    <message>
        <source>%1 needs the number it expects, or a quantity of the student&apos;s run.</source>
        <translation>%1 necesita el número que espera, o una magnitud de la simulación del alumno.</translation>
    </message>
    <message>
        <source>%1 expects a number that is not finite.</source>
        <translation>%1 espera un número que no es finito.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 needs at least two choices.</source>
        <translation>%1 necesita al menos dos opciones.</translation>
    </message>
    <message>
        <source>%1 expects a choice it does not offer.</source>
        <translation>%1 espera una opción que no ofrece.</translation>
    </message>
    <message>
        <source>Decay run</source>
        <translation>Simulación de desintegración</translation>
    </message>
    <message>
        <source>Class experiment</source>
        <translation>Experimento de clase</translation>
    </message>
    <message>
        <source>Nuclide lab</source>
        <translation>Laboratorio de núclidos</translation>
    </message>
    <message>
        <source>Counting lab</source>
        <translation>Laboratorio de recuento</translation>
    </message>
    <message>
        <source>The lesson&apos;s id should be 16 hexadecimal digits, not “%1”.</source>
        <translation>El identificador de la lección debería tener 16 dígitos hexadecimales, no «%1».</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>El título</translation>
    </message>
    <message>
        <source>it was made by a later version of Atomdrift, in lesson format %1; this version reads formats up to %2.</source>
        <translation>se hizo con una versión posterior de Atomdrift, en el formato de lección %1; esta versión lee formatos hasta el %2.</translation>
    </message>
    <message>
        <source>a text in one or more languages</source>
        <translation>un texto en uno o más idiomas</translation>
    </message>
    <message>
        <source>one of the languages en, de, fr and es</source>
        <translation>uno de los idiomas en, de, fr y es</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>number, choice, text or readOff</source>
        <translation>number, choice, text o readOff</translation>
    </message>
    <message>
        <source>relative or absolute</source>
        <translation>relative o absolute</translation>
    </message>
    <message>
        <source>open, locked, hidden or a range</source>
        <translation>open, locked, hidden o un intervalo</translation>
    </message>
    <message>
        <source>shared or perStudent</source>
        <translation>shared o perStudent</translation>
    </message>
    <message>
        <source>policy or value</source>
        <translation>policy o value</translation>
    </message>
    <message>
        <source>answers or data</source>
        <translation>answers o data</translation>
    </message>
    <message>
        <source>run, experiment, nuclides or counting</source>
        <translation>run, experiment, nuclides o counting</translation>
    </message>
    <message>
        <source>This lesson takes values from %1 to %2 here, and %3 is outside them.</source>
        <translation>Esta lección admite aquí valores de %1 a %2, y %3 queda fuera.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far larger than any it could be.</source>
        <translation>ocupa más de %1 MB, mucho más de lo que podría ocupar.</translation>
    </message>
    <message>
        <source>its lists and objects nest deeper than %1 levels.</source>
        <translation>sus listas y objetos se anidan en más de %1 niveles.</translation>
    </message>
    <message>
        <source>it is not a complete JSON document; it may be damaged or cut short.</source>
        <translation>no es un documento JSON completo; puede estar dañada o cortada.</translation>
    </message>
    <message>
        <source>it is a JSON document, but not one of Atomdrift&apos;s: it has no key “%1”.</source>
        <translation>es un documento JSON, pero no de Atomdrift: no tiene la clave «%1».</translation>
    </message>
    <message>
        <source>its format version “%1” is not a whole number from 1.</source>
        <translation>su versión de formato «%1» no es un número entero a partir de 1.</translation>
    </message>
    <message>
        <source>the entry “%1” should be %2.</source>
        <translation>la entrada «%1» debería ser %2.</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>a finite number</source>
        <translation>un número finito</translation>
    </message>
    <message>
        <source>a whole number in its range</source>
        <translation>un número entero dentro de su intervalo</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>%1 is “%2”, which the decay run would replace on Enter.</source>
        <translation>%1 es «%2», que la simulación de desintegración reemplazaría al pulsar Intro.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Not right yet: look again and try once more.</source>
        <translation>Todavía no es correcto: vuelve a mirar e inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Your answer is kept for your teacher.</source>
        <translation>Tu respuesta se guarda para tu profesor.</translation>
    </message>
    <message>
        <source>This answer cannot be checked here: %1</source>
        <translation>Esta respuesta no se puede comprobar aquí: %1</translation>
    </message>
    <message>
        <source>Atomdrift knows no quantity “%1”.</source>
        <translation>Atomdrift no conoce ninguna magnitud «%1».</translation>
    </message>
    <message>
        <source>the part “%1” has no quantity “%2”.</source>
        <translation>la parte «%1» no tiene ninguna magnitud «%2».</translation>
    </message>
    <message>
        <source>the quantity “%1” needs its “%2”.</source>
        <translation>la magnitud «%1» necesita su dato «%2».</translation>
    </message>
    <message>
        <source>the step of “%1” should be a whole number from 0.</source>
        <translation>el paso de «%1» debería ser un número entero a partir de 0.</translation>
    </message>
    <message>
        <source>The nuclide table is not loaded.</source>
        <translation>La tabla de núclidos no está cargada.</translation>
    </message>
    <message>
        <source>The lesson&apos;s chain cannot be made from the table.</source>
        <translation>La cadena de la lección no se puede formar a partir de la tabla.</translation>
    </message>
    <message>
        <source>The lesson&apos;s run cannot be made from its set-up.</source>
        <translation>La simulación de la lección no se puede hacer con sus ajustes.</translation>
    </message>
    <message>
        <source>The lesson has no such step.</source>
        <translation>La lección no tiene ese paso.</translation>
    </message>
    <message>
        <source>The table has no nuclide %1.</source>
        <translation>La tabla no tiene ningún núclido %1.</translation>
    </message>
    <message>
        <source>%1 is stable and has no half-life.</source>
        <translation>%1 es estable y no tiene periodo de semidesintegración.</translation>
    </message>
    <message>
        <source>The lesson&apos;s chain has no member %1.</source>
        <translation>La cadena de la lección no tiene ningún núclido %1.</translation>
    </message>
    <message>
        <source>%1 comes into no equilibrium with %2.</source>
        <translation>%1 no alcanza ningún equilibrio con %2.</translation>
    </message>
    <message>
        <source>The run ends at step %1, before step %2.</source>
        <translation>La simulación termina en el paso %1, antes del paso %2.</translation>
    </message>
    <message>
        <source>The activity of %1 has no peak in this run.</source>
        <translation>La actividad de %1 no tiene máximo en esta simulación.</translation>
    </message>
    <message>
        <source>The counts of this run give no fit.</source>
        <translation>Las cuentas de esta simulación no dan ningún ajuste.</translation>
    </message>
    <message>
        <source>A rate of 0 has no half-life.</source>
        <translation>Con una constante de desintegración de 0 no hay periodo de semidesintegración.</translation>
    </message>
    <message>
        <source>No run of the class gives that half-life.</source>
        <translation>Ninguna simulación de la clase da ese periodo de semidesintegración.</translation>
    </message>
    <message>
        <source>A time needs a time unit, not “%1”.</source>
        <translation>Un tiempo necesita una unidad de tiempo, no «%1».</translation>
    </message>
    <message>
        <source>The atoms left at a step of the student&apos;s random run</source>
        <translation>Los átomos que quedan en un paso de la simulación al azar del alumno</translation>
    </message>
    <message>
        <source>N0·e^(−r·t) at a step</source>
        <translation>N0·e^(−r·t) en un paso</translation>
    </message>
    <message>
        <source>ln 2 / r, the half-life in steps</source>
        <translation>ln 2 / r, la semivida en pasos</translation>
    </message>
    <message>
        <source>The class&apos;s mean number of atoms at a step</source>
        <translation>El número medio de átomos de la clase en un paso</translation>
    </message>
    <message>
        <source>The class&apos;s mean half-life where N first falls to N0/2</source>
        <translation>La semivida media de la clase, cuando N cae por primera vez a N0/2</translation>
    </message>
    <message>
        <source>The class&apos;s mean half-life from the slope of ln N</source>
        <translation>La semivida media de la clase, a partir de la pendiente de ln N</translation>
    </message>
    <message>
        <source>A nuclide&apos;s half-life in the table</source>
        <translation>La semivida de un núclido en la tabla</translation>
    </message>
    <message>
        <source>The activity of a daughter over that of a member before it, once in equilibrium</source>
        <translation>El cociente de actividades de un hijo y un núclido anterior, una vez en equilibrio</translation>
    </message>
    <message>
        <source>The atoms of a member at a step of the exact run</source>
        <translation>Los átomos de un núclido en un paso de la simulación exacta</translation>
    </message>
    <message>
        <source>When the activity of a member peaks, in the exact run</source>
        <translation>Cuándo alcanza su máximo la actividad de un núclido, en la simulación exacta</translation>
    </message>
    <message>
        <source>The half-life fitted to the student&apos;s counts</source>
        <translation>La semivida ajustada a las cuentas del alumno</translation>
    </message>
    <message>
        <source>The background rate the student measured, per second</source>
        <translation>La tasa de recuento del fondo que midió el alumno, por segundo</translation>
    </message>
    <message>
        <source>The age of the student&apos;s carbon sample from its first count</source>
        <translation>La edad de la muestra de carbono del alumno según su primer recuento</translation>
    </message>
    <message>
        <source>The true age of the student&apos;s carbon sample</source>
        <translation>La edad real de la muestra de carbono del alumno</translation>
    </message>
    <message>
        <source>Make a random run first: its atoms are shown here.</source>
        <translation>Haga primero una simulación al azar: aquí se muestran sus átomos.</translation>
    </message>
    <message>
        <source>Only the atoms of a random run can be shown.</source>
        <translation>Solo se pueden mostrar los átomos de una simulación al azar.</translation>
    </message>
    <message>
        <source>The run has no atoms to show.</source>
        <translation>La simulación no tiene átomos que mostrar.</translation>
    </message>
    <message>
        <source>The atoms can be shown one by one for runs of at most %1 atoms.</source>
        <translation>Los átomos se pueden mostrar uno a uno en simulaciones de %1 átomos como máximo.</translation>
    </message>
    <message>
        <source>The atoms can be shown one by one for runs of at most %1 steps.</source>
        <translation>Los átomos se pueden mostrar uno a uno en simulaciones de %1 pasos como máximo.</translation>
    </message>
    <message>
        <source>The run&apos;s numbers of atoms and their moves do not agree.</source>
        <translation>Los números de átomos de la simulación no concuerdan con sus cambios de estado.</translation>
    </message>
    <message>
        <source>Not yet decayed</source>
        <translation>Aún sin desintegrar</translation>
    </message>
    <message>
        <source>Decayed</source>
        <translation>Desintegrados</translation>
    </message>
    <message>
        <source>Left the chain</source>
        <translation>Fuera de la cadena</translation>
    </message>
    <message>
        <source>Taken away</source>
        <translation>Retirados</translation>
    </message>
    <message>
        <source>Atoms left, each as a fraction of its start</source>
        <translation>Átomos restantes, cada curva como fracción de su valor inicial</translation>
    </message>
    <message>
        <source>N(t) / N(0)</source>
        <translation>N(t) / N(0)</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <translation>Tiempo (pasos)</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Tiempo (%1)</translation>
    </message>
    <message>
        <source>Whole sample: %1 atoms</source>
        <translation>Muestra completa: %1 átomos</translation>
    </message>
    <message>
        <source>Patch %1: %2 atoms</source>
        <translation>Zona %1: %2 átomos</translation>
    </message>
    <message>
        <source>Expected spread of patch 1</source>
        <translation>Dispersión esperada de la zona 1</translation>
    </message>
    <message>
        <source>Expected spread of patch 2</source>
        <translation>Dispersión esperada de la zona 2</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>t = %1: %2 of %3 atoms left, %4 half-lives</source>
        <translation>t = %1: quedan %2 de %3 átomos, %4 semividas</translation>
    </message>
    <message>
        <source>t = %1: %2 of %3 atoms left</source>
        <translation>t = %1: quedan %2 de %3 átomos</translation>
    </message>
    <message>
        <source>t = %1 %2: %3 of %4 atoms of %5 left, %6 half-lives</source>
        <translation>t = %1 %2: quedan %3 de %4 átomos de %5, %6 semividas</translation>
    </message>
    <message>
        <source>t = %1 %2: %3 of %4 atoms of %5 left</source>
        <translation>t = %1 %2: quedan %3 de %4 átomos de %5</translation>
    </message>
    <message>
        <source>%1; patch: %2 of %3</source>
        <translation>%1; zona: %2 de %3</translation>
    </message>
    <message>
        <source>%1; patch %2: %3 of %4</source>
        <translation>%1; zona %2: %3 de %4</translation>
    </message>
    <message>
        <source>%1; detector: %2 decays in this step, efficiency %3 %</source>
        <translation>%1; detector: %2 desintegraciones en este paso, eficiencia %3 %</translation>
    </message>
    <message>
        <source>The hold-off is the counting chain&apos;s dead time: after each pulse nothing is counted for %1 ms (non-paralysable), so at n counts a second a share n·τ of them is lost, which the lab corrects.</source>
        <translation>El tiempo de bloqueo es el tiempo muerto del sistema de recuento: tras cada impulso no se cuenta nada durante %1 ms (no paralizable), de modo que con n cuentas por segundo se pierde una fracción n·τ de los sucesos, que el laboratorio corrige.</translation>
    </message>
    <message>
        <source>%1 pulses in %2 s: %3 a second.</source>
        <translation>%1 impulsos en %2 s: %3 por segundo.</translation>
    </message>
    <message>
        <source>The browser left its sound processing on (%1): pulses may be distorted or missed.</source>
        <translation>El navegador ha dejado activado su procesamiento del sonido (%1): los impulsos pueden deformarse o perderse.</translation>
    </message>
    <message>
        <source>The input seems to be processed (automatic gain or noise suppression): turn that off in the system&apos;s sound settings.</source>
        <translation>La entrada parece procesada (control automático de ganancia o supresión de ruido): desactívelo en la configuración de sonido del sistema.</translation>
    </message>
    <message>
        <source>%1 samples were at full scale: turn the input level down.</source>
        <translation>%1 muestras de audio alcanzaron el valor máximo de la escala: baje el nivel de entrada.</translation>
    </message>
    <message>
        <source>%1 s of the input were lost in %2 dropped buffers: no pulse could be counted then, and the intervals they touch are left out.</source>
        <translation>Se perdieron %1 s de la entrada en %2 búferes descartados: en ese tiempo no se pudo contar ningún impulso, y se omiten los intervalos afectados.</translation>
    </message>
    <message>
        <source>The sample counts as more active than modern carbon of its mass. Carbon that grew after 1950 is; otherwise the net counts rose above the background by chance, or the carbon or the efficiency is not the sample&apos;s.</source>
        <translation>La muestra cuenta como más activa que el carbono actual de su masa. El carbono que creció después de 1950 lo es; si no, las cuentas netas superaron el fondo por azar, o el carbono o la eficiencia no son los de la muestra.</translation>
    </message>
    <message>
        <source>Count the sample with the real counter first (listen, then stop, or open a recording), then date it.</source>
        <translation>Cuente primero la muestra con el contador real (escuchar y luego detener, o abrir una grabación) y después féchela.</translation>
    </message>
    <message>
        <source>Count the background with the real counter too: listen with the sample away, stop, and take the counts as the background.</source>
        <translation>Cuente también el fondo con el contador real: escuche sin la muestra, detenga y tome las cuentas como fondo.</translation>
    </message>
    <message>
        <source>The background and the sample are the same recording: count the sample in its place, then date it.</source>
        <translation>El fondo y la muestra son la misma grabación: cuente la muestra en su lugar y después féchela.</translation>
    </message>
    <message>
        <source>The recording or the background lasted no time at all.</source>
        <translation>La grabación o el fondo no duraron nada de tiempo.</translation>
    </message>
</context>
<context>
    <name>NuclideChart</name>
    <message>
        <source>Chart of nuclides</source>
        <translation>Carta de núclidos</translation>
    </message>
    <message>
        <source>Find nuclide:</source>
        <translation>Buscar núclido:</translation>
    </message>
    <message>
        <source>U-238, 238U or uranium 238</source>
        <translation>U-238, 238U o uranio 238</translation>
    </message>
    <message>
        <source>Colour by:</source>
        <translation>Color según:</translation>
    </message>
    <message>
        <source>Main decay mode</source>
        <translation>Modo de desintegración principal</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Semivida</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Carta o tabla</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Data: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi and G. Audi, Chinese Physics C 45, 030001 (2021), under the CC BY 3.0 licence.</source>
        <translation>Datos: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi y G. Audi, Chinese Physics C 45, 030001 (2021), bajo la licencia CC BY 3.0.</translation>
    </message>
    <message>
        <source>Show chain in the lab</source>
        <translation>Mostrar la cadena en el laboratorio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Nuclides</source>
        <translation>Núclidos</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Núclido</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Spin and parity</source>
        <translation>Espín y paridad</translation>
    </message>
    <message>
        <source>Decay modes</source>
        <translation>Modos de desintegración</translation>
    </message>
    <message>
        <source>No nuclide of the table is called &quot;%1&quot;.</source>
        <translation>Ningún núclido de la tabla se llama «%1».</translation>
    </message>
    <message>
        <source>%1 is stable: it has no chain.</source>
        <translation>%1 es estable: no tiene cadena.</translation>
    </message>
    <message>
        <source>Left out of the chain: %1</source>
        <translation>Fuera de la cadena: %1</translation>
    </message>
    <message>
        <source>The chart shows N %1 to %2 and Z %3 to %4, coloured by %5: %6 nuclides, %7 of them stable.</source>
        <extracomment>%1 to %4 the neutron and proton numbers shown, %5 &quot;main decay mode&quot; or &quot;half-life&quot;, %6 and %7 counts.</extracomment>
        <translation>La carta muestra N de %1 a %2 y Z de %3 a %4, coloreada según %5: %6 núclidos, %7 de ellos estables.</translation>
    </message>
    <message>
        <source>half-life</source>
        <comment>the chart is coloured by</comment>
        <translation>la semivida</translation>
    </message>
    <message>
        <source>main decay mode</source>
        <comment>the chart is coloured by</comment>
        <translation>el modo de desintegración principal</translation>
    </message>
    <message>
        <source>Chosen: %1, half-life %2%3.</source>
        <translation>Elegido: %1, semivida %2%3.</translation>
    </message>
    <message>
        <source>The table lists %1 nuclides.</source>
        <translation>La tabla contiene %1 núclidos.</translation>
    </message>
</context>
<context>
    <name>NuclideLab</name>
    <message>
        <source>The nuclide table cannot be read (%1); only a custom chain can be run.</source>
        <translation>No se puede leer la tabla de núclidos (%1); solo se puede simular una cadena propia.</translation>
    </message>
    <message>
        <source>Nuclide lab</source>
        <translation>Laboratorio de núclidos</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Custom chain</source>
        <translation>Cadena propia</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Núclido</translation>
    </message>
    <message>
        <source>Nuclide:</source>
        <translation>Núclido:</translation>
    </message>
    <message>
        <source>Members of the chain</source>
        <translation>Núclidos de la cadena</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Semivida</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Decays to</source>
        <translation>Núclido hijo</translation>
    </message>
    <message>
        <source>Branch fraction</source>
        <translation>Fracción de ramificación</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Time step:</source>
        <translation>Paso de tiempo:</translation>
    </message>
    <message>
        <source>Time unit</source>
        <translation>Unidad de tiempo</translation>
    </message>
    <message>
        <source>Number of steps:</source>
        <translation>Número de pasos:</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Member to milk:</source>
        <translation>Núclido a eluir:</translation>
    </message>
    <message>
        <source>Milk after step:</source>
        <translation>Eluir tras el paso:</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Eluir</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimir la hoja de trabajo</translation>
    </message>
    <message>
        <source>Atoms N(t)</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>Activity A(t)</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Activity ratio</source>
        <translation>Cociente de actividades</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Escala log.</translation>
    </message>
    <message>
        <source>Activity unit:</source>
        <translation>Unidad de actividad:</translation>
    </message>
    <message>
        <source>Chart of the nuclide lab</source>
        <translation>Gráfico del laboratorio de núclidos</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Type up to five members: a name, a half-life (empty for a stable member), the number of the member it decays to and the branch fraction.</source>
        <translation>Escriba hasta cinco núclidos: un nombre, un periodo de semidesintegración (vacío para un núclido estable), el número del núclido en que se desintegra y la fracción de ramificación.</translation>
    </message>
    <message>
        <source>Press Exact for the continuous solution or Random for a run atom by atom.</source>
        <translation>Pulse «Exacta» para la solución continua o «Al azar» para una simulación átomo a átomo.</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>estable</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Núclido padre</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Núclido hijo</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Estable</translation>
    </message>
    <message>
        <source>Unit of member %1</source>
        <translation>Unidad del núclido %1</translation>
    </message>
    <message>
        <source>Member %1 decays to &quot;%2&quot;: give the number of a member from 1 to %3, or leave it empty.</source>
        <translation>El núclido %1 se desintegra en «%2»: indique el número de un núclido de 1 a %3 o déjelo vacío.</translation>
    </message>
    <message>
        <source>%1 run: %2 steps of %3 %4.</source>
        <translation>Simulación «%1»: %2 pasos de %3 %4.</translation>
    </message>
    <message>
        <source>All %1 milked after step %2.</source>
        <translation>Todo el %1 eluido tras el paso %2.</translation>
    </message>
    <message>
        <source>Press Exact or Random to run the chain</source>
        <translation>Pulse «Exacta» o «Al azar» para simular la cadena</translation>
    </message>
    <message>
        <source>t [%1]</source>
        <translation>t [%1]</translation>
    </message>
    <message>
        <source>Activity of %1 over that of %2</source>
        <translation>Actividad de %1 respecto a la de %2</translation>
    </message>
    <message>
        <source>A(%1) / A(%2)</source>
        <translation>A(%1) / A(%2)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Cociente de actividades</translation>
    </message>
    <message>
        <source>Equilibrium</source>
        <translation>Equilibrio</translation>
    </message>
    <message>
        <source>No radioactive daughter to compare with its parent</source>
        <translation>No hay núclido hijo radiactivo que comparar con su padre</translation>
    </message>
    <message>
        <source>Activity of every member</source>
        <translation>Actividad de cada núclido</translation>
    </message>
    <message>
        <source>A(t) [%1]</source>
        <translation>A(t) [%1]</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Atoms of every member</source>
        <translation>Átomos de cada núclido</translation>
    </message>
    <message>
        <source>%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.</source>
        <translation>%1. Horizontal: %2; vertical: %3%4. %5 series de %6 puntos de t = 0 a %7 %8.</translation>
    </message>
    <message>
        <source>, logarithmic</source>
        <translation>, logarítmica</translation>
    </message>
    <message>
        <source>The chain has no radioactive daughter, so no equilibrium of activities.</source>
        <translation>La cadena no tiene núclido hijo radiactivo, así que no hay equilibrio de actividades.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Atomdrift %1.csv</source>
        <translation>Atomdrift %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The run was not saved.</source>
        <translation>La simulación no se ha guardado.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Guardar el gráfico como imagen</translation>
    </message>
    <message>
        <source>Atomdrift nuclide lab.pdf</source>
        <translation>Atomdrift laboratorio de núclidos.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Nuclide lab</source>
        <translation>Atomdrift — Laboratorio de núclidos</translation>
    </message>
    <message>
        <source>Chain: %1. %2</source>
        <translation>Cadena: %1. %2</translation>
    </message>
    <message>
        <source>Read from the chart the time at which the daughter&apos;s activity is largest. Compare it with ln(λ_B/λ_A)/(λ_B−λ_A).</source>
        <translation>Lee en el gráfico el instante en que la actividad del núclido hijo es máxima. Compáralo con ln(λ_B/λ_A)/(λ_B−λ_A).</translation>
    </message>
    <message>
        <source>Which kind of equilibrium does the chain reach, and why does the half-life of the parent decide it?</source>
        <translation>¿Qué tipo de equilibrio alcanza la cadena y por qué lo decide el periodo de semidesintegración del núclido padre?</translation>
    </message>
    <message>
        <source>After milking, how long does the daughter take to grow back to half of its activity before? Which half-life sets that time?</source>
        <translation>Tras la elución, ¿cuánto tarda el núclido hijo en recuperar la mitad de su actividad anterior? ¿Qué periodo de semidesintegración fija ese tiempo?</translation>
    </message>
    <message>
        <source>ns</source>
        <comment>time unit: nanosecond</comment>
        <translation>ns</translation>
    </message>
    <message>
        <source>us</source>
        <comment>time unit: microsecond</comment>
        <translation>µs</translation>
    </message>
    <message>
        <source>ms</source>
        <comment>time unit: millisecond</comment>
        <translation>ms</translation>
    </message>
    <message>
        <source>s</source>
        <comment>time unit: second</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>min</source>
        <comment>time unit: minute</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>m</source>
        <comment>time unit: minute, as NUBASE writes it</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>h</source>
        <comment>time unit: hour</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>d</source>
        <comment>time unit: day</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>y</source>
        <comment>time unit: year</comment>
        <translation>a</translation>
    </message>
    <message>
        <source>ky</source>
        <comment>time unit: thousand years</comment>
        <translation>ka</translation>
    </message>
    <message>
        <source>My</source>
        <comment>time unit: million years</comment>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Gy</source>
        <comment>time unit: thousand million years</comment>
        <translation>Ga</translation>
    </message>
    <message>
        <source>%1-%2 (%3)</source>
        <extracomment>A nuclide: %1 the element&apos;s name, %2 the mass number with an &quot;m&quot; for an isomer, %3 the symbol.</extracomment>
        <translation>%1-%2 (%3)</translation>
    </message>
    <message>
        <source>No equilibrium: %1 is stable and has no activity.</source>
        <translation>Sin equilibrio: %1 es estable y no tiene actividad.</translation>
    </message>
    <message>
        <source>Counter...</source>
        <translation>Contador...</translation>
    </message>
    <message>
        <source>ys</source>
        <comment>time unit: yoctosecond</comment>
        <translation>ys</translation>
    </message>
    <message>
        <source>zs</source>
        <comment>time unit: zeptosecond</comment>
        <translation>zs</translation>
    </message>
    <message>
        <source>as</source>
        <comment>time unit: attosecond</comment>
        <translation>as</translation>
    </message>
    <message>
        <source>fs</source>
        <comment>time unit: femtosecond</comment>
        <translation>fs</translation>
    </message>
    <message>
        <source>ps</source>
        <comment>time unit: picosecond</comment>
        <translation>ps</translation>
    </message>
    <message>
        <source>Ty</source>
        <comment>time unit: 10^12 years</comment>
        <translation>Ta</translation>
    </message>
    <message>
        <source>Py</source>
        <comment>time unit: 10^15 years</comment>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Ey</source>
        <comment>time unit: 10^18 years</comment>
        <translation>Ea</translation>
    </message>
    <message>
        <source>Zy</source>
        <comment>time unit: 10^21 years</comment>
        <translation>Za</translation>
    </message>
    <message>
        <source>Yy</source>
        <comment>time unit: 10^24 years</comment>
        <translation>Ya</translation>
    </message>
    <message>
        <source>%1 ± %2 %3 (%4)</source>
        <extracomment>%1 the half-life as the evaluation prints it, %2 its uncertainty, %3 the unit, %4 the source.</extracomment>
        <translation>%1 ± %2 %3 (%4)</translation>
    </message>
    <message>
        <source>Chart of nuclides...</source>
        <translation>Carta de núclidos…</translation>
    </message>
    <message>
        <source>The chain could not be run with these entries.</source>
        <translation>La cadena no se puede simular con estos datos.</translation>
    </message>
    <message>
        <source>Leave out branches below (%):</source>
        <translation>Omitir ramas por debajo de (%):</translation>
    </message>
    <message>
        <source>Decay mode</source>
        <translation>Modo de desintegración</translation>
    </message>
    <message>
        <source>No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing.</source>
        <extracomment>%1 is A(daughter)/A(member upstream).</extracomment>
        <translation>Sin equilibrio: al núclido que marca el ritmo lo siguen otros igual de longevos; por eso %1 sigue creciendo.</translation>
    </message>
    <message>
        <source>atoms</source>
        <translation>átomos</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>becquerel</source>
        <translation>becquerelios</translation>
    </message>
    <message>
        <source>Initial amount</source>
        <translation>Cantidad inicial</translation>
    </message>
    <message>
        <source>Time grid:</source>
        <translation>Malla temporal:</translation>
    </message>
    <message>
        <source>uniform</source>
        <translation>uniforme</translation>
    </message>
    <message>
        <source>logarithmic</source>
        <translation>logarítmica</translation>
    </message>
    <message>
        <source>First time:</source>
        <translation>Primer instante:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Último instante:</translation>
    </message>
    <message>
        <source>Points per decade:</source>
        <translation>Puntos por década:</translation>
    </message>
    <message>
        <source>Daughter:</source>
        <translation>Hijo:</translation>
    </message>
    <message>
        <source>Over:</source>
        <translation>Respecto a:</translation>
    </message>
    <message>
        <source>%1 run: %2 times on a logarithmic grid from %3 %4 to %5 %6.</source>
        <extracomment>%1 Exact or Random, %2 the number of times, %3 and %4 the first time and its unit, %5 and %6 the last.</extracomment>
        <translation>Simulación «%1»: %2 instantes en una malla logarítmica de %3 %4 a %5 %6.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The random run was cancelled.</source>
        <translation>La simulación al azar se ha cancelado.</translation>
    </message>
    <message>
        <source>Ratio expected</source>
        <translation>Cociente de actividades esperado</translation>
    </message>
    <message>
        <source>Total expected</source>
        <translation>Total esperado</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 esperado</translation>
    </message>
    <message>
        <source>Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member on its way to %4, so %5 settles at %6.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number.</extracomment>
        <translation>Equilibrio secular: %1 (%2 %3) marca el ritmo, pues vive mucho más que cada núclido en su camino hacia %4; por eso %5 se estabiliza en %6.</translation>
    </message>
    <message>
        <source>Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number.</extracomment>
        <translation>Equilibrio transitorio: %1 (%2 %3) marca el ritmo, pues vive más que cada núclido en su camino hacia %4; por eso %5 se estabiliza en %6.</translation>
    </message>
    <message>
        <source>Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6; the activity of %7 peaks at %8 %9.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number, %7 the daughter again, %8 and %9 a time and its unit.</extracomment>
        <translation>Equilibrio transitorio: %1 (%2 %3) marca el ritmo, pues vive más que cada núclido en su camino hacia %4; por eso %5 se estabiliza en %6; la actividad de %7 alcanza su máximo a %8 %9.</translation>
    </message>
    <message>
        <source>No equilibrium: %1 (%2 %3) lives at least as long as the members before it, so %4 keeps growing.</source>
        <extracomment>%1 the daughter, %2 and %3 its half-life and unit, %4 is A(daughter)/A(member upstream).</extracomment>
        <translation>Sin equilibrio: %1 (%2 %3) vive al menos tanto como los núclidos que lo preceden; por eso %4 sigue creciendo.</translation>
    </message>
    <message>
        <source>No equilibrium: %1 (%2 %3) lives longer than %4 (%5 %6), so %7 keeps growing.</source>
        <extracomment>%1 the member that sets the pace and %4 the member upstream, each followed by its half-life and unit, %7 is A(daughter)/A(member upstream).</extracomment>
        <translation>Sin equilibrio: %1 (%2 %3) vive más que %4 (%5 %6); por eso %7 sigue creciendo.</translation>
    </message>
    <message>
        <source>Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member after %4 on its way to %5, so %6 settles at %7.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the member upstream compared with, %5 the daughter, %6 is A(daughter)/A(member upstream), %7 a number.</extracomment>
        <translation>Equilibrio secular: %1 (%2 %3) marca el ritmo, pues vive mucho más que cada núclido después de %4 en su camino hacia %5; por eso %6 se estabiliza en %7.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Amount unit</source>
        <translation>Unidad de cantidad</translation>
    </message>
    <message>
        <source>Amount unit of %1</source>
        <translation>Unidad de cantidad de %1</translation>
    </message>
    <message>
        <source>Amount unit of member %1</source>
        <translation>Unidad de cantidad del núclido %1</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades below the top)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (cortado 12 décadas por debajo del extremo superior)</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades before the end)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (cortado 12 décadas antes del final)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Crear lección...</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Mostrar los átomos...</translation>
    </message>
</context>
<context>
    <name>NuclideMap</name>
    <message>
        <source>stable</source>
        <translation>estable</translation>
    </message>
</context>
<context>
    <name>OpenLesson</name>
    <message>
        <source>Example lessons:</source>
        <translation>Lecciones de ejemplo:</translation>
    </message>
    <message>
        <source>Or paste a lesson&apos;s link:</source>
        <translation>O pegue el enlace de una lección:</translation>
    </message>
    <message>
        <source>Open a lesson file...</source>
        <translation>Abrir un archivo de lección...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Lessons (*.atomdrift);;All files (*)</source>
        <translation>Lecciones (*.atomdrift);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>from the link</source>
        <translation>del enlace</translation>
    </message>
    <message>
        <source>The lesson was not opened.</source>
        <translation>La lección no se ha abierto.</translation>
    </message>
</context>
<context>
    <name>PartControls</name>
    <message>
        <source>locked by the lesson</source>
        <translation>bloqueado por la lección</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>The printer %1 cannot take the job.</source>
        <translation>La impresora %1 no puede aceptar el trabajo.</translation>
    </message>
    <message>
        <source>The printer %1 did not finish the job.</source>
        <translation>La impresora %1 no ha terminado el trabajo.</translation>
    </message>
    <message>
        <source>The page could not be drawn as a PDF document.</source>
        <translation>La página no se ha podido dibujar como documento PDF.</translation>
    </message>
    <message>
        <source>Save the page as a PDF file instead?</source>
        <translation>¿Guardar la página como archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page was not saved.</source>
        <translation>La página no se ha guardado.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
</context>
<context>
    <name>PulseReader</name>
    <message>
        <source>There is no sound input to listen to.</source>
        <translation>No hay ninguna entrada de sonido que escuchar.</translation>
    </message>
    <message>
        <source>The sound input cannot be opened.</source>
        <translation>No se puede abrir la entrada de sonido.</translation>
    </message>
    <message>
        <source>The sound input stopped; the pulses counted until then are kept.</source>
        <translation>La entrada de sonido se ha detenido; se conservan los impulsos contados hasta entonces.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Volver al inicio</translation>
    </message>
    <message>
        <source>     Assuming the half-life a radioactive elements is a year and at the beginning you have 10 atoms, how many atoms left after 4 years? The answer is 0.625 atom.  If the number of atoms must be integer, how can you have 0.625 atom?

      If you use the equation N(t)=N(0)*0.5^t to calculate the number of radioactive atoms after t half-life time intervals, you will certainly encounter this question &quot;Can we have non-integer atoms?&quot;. 

     Half-life is a descriptive method based on statisitics. The decay of radioactive atom is a matter of quantal phenomenon.</source>
        <translation>     El periodo de semidesintegración de un elemento radiactivo es de un año y al principio tienes 10 átomos: ¿cuántos quedan tras 4 años? La respuesta es 0,625 átomos.  Si el número de átomos debe ser entero, ¿cómo puede haber 0,625?

      Si calculas con N(t)=N(0)*0,5^t los átomos que quedan tras t periodos de semidesintegración, te surgirá la pregunta «¿Hay átomos no enteros?» 

     El periodo de semidesintegración es una descripción estadística. La desintegración de un átomo es un fenómeno cuántico.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>StartPart</name>
    <message>
        <source>A teaching program about the decay of radioactive atoms.</source>
        <translation>Un programa didáctico sobre la desintegración de los átomos radiactivos.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Unknown part &quot;%1&quot;. The parts are: %2.</source>
        <translation>Parte desconocida «%1». Las partes son: %2.</translation>
    </message>
    <message>
        <source>Opens the program in the given part: %1 (the title window, then the main window; the default), %2 (the class experiment), %3 (the nuclide lab) or %4 (the counting lab).</source>
        <translation>Abre el programa en la parte indicada: %1 (la ventana de título y después la ventana principal; por defecto), %2 (el experimento de clase), %3 (el laboratorio de núclidos) o %4 (el laboratorio de recuento).</translation>
    </message>
    <message>
        <source>A lesson (.atomdrift) to open.</source>
        <translation>Una lección (.atomdrift) que abrir.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dedicatoria</translation>
    </message>
    <message>
        <source>Photograph: a quiet lake at dusk</source>
        <translation>Foto: un lago tranquilo al anochecer</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Descanse en paz</translation>
    </message>
</context>
<context>
    <name>ViewRow</name>
    <message>
        <source>View:</source>
        <translation>Vista:</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Parts of Atomdrift</source>
        <translation>Partes de Atomdrift</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Decay run</source>
        <translation>Simulación de desintegración</translation>
    </message>
    <message>
        <source>The runs could not be made: %1</source>
        <translation>No se pudieron hacer las simulaciones: %1</translation>
    </message>
    <message>
        <source>Arrows move the chosen nuclide, Ctrl and the arrows pan, + and - zoom, Home shows the whole chart, Enter takes the nuclide into the lab.</source>
        <translation>Las flechas mueven el núclido elegido, Ctrl y las flechas desplazan la carta, + y - acercan y alejan, Inicio muestra toda la carta, Intro lleva el núclido al laboratorio.</translation>
    </message>
    <message>
        <source>Running the chain atom by atom...</source>
        <translation>La cadena se ejecuta átomo a átomo...</translation>
    </message>
    <message>
        <source>The random run was cancelled.</source>
        <translation>La simulación al azar se ha cancelado.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Whole chart</source>
        <translation>Carta completa</translation>
    </message>
    <message>
        <source>Atoms of the first member:</source>
        <translation>Átomos del primer miembro:</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Crear lección...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Recoger entregas...</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>Please type a number.</source>
        <translation>Escribe un número, por favor.</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Tu respuesta:</translation>
    </message>
    <message>
        <source>Value read off the chart (%1):</source>
        <translation>Valor leído en el gráfico (%1):</translation>
    </message>
    <message>
        <source>Value read off the chart:</source>
        <translation>Valor leído en el gráfico:</translation>
    </message>
    <message>
        <source>Your answer (%1):</source>
        <translation>Tu respuesta (%1):</translation>
    </message>
    <message>
        <source>Everyone has the same data (seed %1).</source>
        <translation>Todos tienen los mismos datos (semilla %1).</translation>
    </message>
    <message>
        <source>Your data come from the seed %1, made from your name.</source>
        <translation>Tus datos salen de la semilla %1, obtenida de tu nombre.</translation>
    </message>
    <message>
        <source>Type your name: your data come from it.</source>
        <translation>Escribe tu nombre: tus datos salen de él.</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Back to the maker</source>
        <translation>Volver al editor</translation>
    </message>
    <message>
        <source>Close lesson</source>
        <translation>Cerrar lección</translation>
    </message>
    <message>
        <source>Preview: the lesson as a student sees it.</source>
        <translation>Vista previa: la lección tal como la ve un alumno.</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Please type your name first: the hand-in carries it.</source>
        <translation>Escribe primero tu nombre, por favor: la entrega lo lleva.</translation>
    </message>
    <message>
        <source>The lesson asks for the data of your run: please make the run first.</source>
        <translation>La lección pide los datos de tu simulación: simula primero, por favor.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>El archivo %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>from the link</source>
        <translation>del enlace</translation>
    </message>
    <message>
        <source>Lesson file...</source>
        <translation>Archivo de lección...</translation>
    </message>
    <message>
        <source>Or drop a lesson file on the page.</source>
        <translation>O suelte un archivo de lección en la página.</translation>
    </message>
    <message>
        <source>Example lessons</source>
        <translation>Lecciones de ejemplo</translation>
    </message>
    <message>
        <source>Lesson link:</source>
        <translation>Enlace de la lección:</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Make lesson</source>
        <translation>Crear lección</translation>
    </message>
    <message>
        <source>The link would be %1 characters long, more than the %2 that mail, chats and learning platforms keep whole. Save the lesson as a file or as a web page instead.</source>
        <translation>El enlace tendría %1 caracteres, más de los %2 que el correo, los chats y las plataformas de aprendizaje conservan enteros. Guarde mejor la lección como archivo o como página web.</translation>
    </message>
    <message>
        <source>The link is copied: %1 characters.</source>
        <translation>El enlace está copiado: %1 caracteres.</translation>
    </message>
    <message>
        <source>Copy the link from its field: %1 characters.</source>
        <translation>Copie el enlace de su campo: %1 caracteres.</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>range</source>
        <translation>intervalo</translation>
    </message>
    <message>
        <source>Lowest value of %1</source>
        <translation>Valor mínimo de %1</translation>
    </message>
    <message>
        <source>Highest value of %1</source>
        <translation>Valor máximo de %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>For the students</source>
        <translation>Para los alumnos</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>no question</source>
        <translation>sin pregunta</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>multiple choice</source>
        <translation>opción múltiple</translation>
    </message>
    <message>
        <source>free text</source>
        <translation>texto libre</translation>
    </message>
    <message>
        <source>a value read off the chart</source>
        <translation>un valor leído en el gráfico</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Expected answer:</source>
        <translation>Respuesta esperada:</translation>
    </message>
    <message>
        <source>this number</source>
        <translation>este número</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>Of %1:</source>
        <translation>Valor de %1:</translation>
    </message>
    <message>
        <source>Tolerance (%):</source>
        <translation>Tolerancia (%):</translation>
    </message>
    <message>
        <source>Or within:</source>
        <translation>O en valor absoluto (±):</translation>
    </message>
    <message>
        <source>Choices, one a line:</source>
        <translation>Opciones, una por línea:</translation>
    </message>
    <message>
        <source>Right choice (its number):</source>
        <translation>Opción correcta (su número):</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Quitar el paso %1</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Seed for everyone:</source>
        <translation>Semilla para todos:</translation>
    </message>
    <message>
        <source>Mark answers at once</source>
        <translation>Corregir las respuestas al momento</translation>
    </message>
    <message>
        <source>The hand-in carries the answers</source>
        <translation>La entrega lleva las respuestas</translation>
    </message>
    <message>
        <source>The hand-in carries the run&apos;s data file</source>
        <translation>La entrega lleva el archivo de datos de la simulación</translation>
    </message>
    <message>
        <source>Lesson link</source>
        <translation>Enlace de la lección</translation>
    </message>
    <message>
        <source>Make lesson: %1</source>
        <translation>Crear lección: %1</translation>
    </message>
    <message>
        <source>Introduction:</source>
        <translation>Introducción:</translation>
    </message>
    <message>
        <source>The lesson starts the decay run with its entries as they stand now.</source>
        <translation>La lección abre la simulación de desintegración con sus valores tal como están ahora.</translation>
    </message>
    <message>
        <source>Controls: the entries as they stand, and what students may do with them</source>
        <translation>Controles: los valores tal como están y lo que los alumnos pueden hacer con ellos</translation>
    </message>
    <message>
        <source>Random runs</source>
        <translation>Simulaciones al azar</translation>
    </message>
    <message>
        <source>Each student&apos;s own data, from the name typed</source>
        <translation>Datos propios de cada alumno, a partir del nombre escrito</translation>
    </message>
    <message>
        <source>The same data for everyone</source>
        <translation>Los mismos datos para todos</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Añadir paso</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Guardar lección...</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Save lesson as web page</source>
        <translation>Guardar lección como página web</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>recogida</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>sin corregir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Corregidas</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Corrección %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Esperado %1</translation>
    </message>
    <message>
        <source>Collect hand-ins</source>
        <translation>Recoger entregas</translation>
    </message>
    <message>
        <source>Open the lesson whose hand-ins you collect first: the marks come from it.</source>
        <translation>Abra primero la lección cuyas entregas recoge: la corrección sale de ella.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Correcciones</translation>
    </message>
    <message>
        <source>%1 hand-ins marked, %2 refused.</source>
        <translation>Entregas corregidas: %1; rechazadas: %2.</translation>
    </message>
    <message>
        <source>%1 runs beyond the class experiment&apos;s 1,000 are left out of the chart.</source>
        <translation>Simulaciones más allá de las 1000 del experimento de clase, que quedan fuera del gráfico: %1.</translation>
    </message>
    <message>
        <source>Choose the hand-ins of the class, or drop them here.</source>
        <translation>Elija las entregas de la clase o suéltelas aquí.</translation>
    </message>
    <message>
        <source>Collect hand-ins: %1</source>
        <translation>Recoger entregas: %1</translation>
    </message>
    <message>
        <source>Choose hand-ins...</source>
        <translation>Elegir entregas...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Atomdrift marks.csv</source>
        <translation>Atomdrift correcciones.csv</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Refused files</source>
        <translation>Archivos rechazados</translation>
    </message>
    <message>
        <source>The class&apos;s runs</source>
        <translation>Las simulaciones de la clase</translation>
    </message>
    <message>
        <source>locked by the lesson</source>
        <translation>bloqueado por la lección</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lección: %1</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Mostrar los átomos...</translation>
    </message>
    <message>
        <source>The atoms</source>
        <translation>Los átomos</translation>
    </message>
    <message>
        <source>The atoms are shown for random runs: make one in the decay run, the class experiment or the nuclide lab.</source>
        <translation>Los átomos se muestran para simulaciones al azar: haga una en la simulación de desintegración, el experimento de clase o el laboratorio de núclidos.</translation>
    </message>
    <message>
        <source>The atoms, coloured by state</source>
        <translation>Los átomos, coloreados según su estado</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Go to step:</source>
        <translation>Ir al paso:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso adelante</translation>
    </message>
    <message>
        <source>Drag a detector frame</source>
        <translation>Arrastrar el recuadro del detector</translation>
    </message>
    <message>
        <source>Draw round the patch</source>
        <translation>Trazar el contorno de la zona</translation>
    </message>
    <message>
        <source>Clear patches and detector</source>
        <translation>Borrar las zonas y el detector</translation>
    </message>
    <message>
        <source>Run of the class:</source>
        <translation>Simulación de la clase:</translation>
    </message>
    <message>
        <source>Drag on the square to choose a patch of atoms; the chart then shows its own curve with the band chance gives a patch of its size.</source>
        <translation>Arrastre sobre el cuadrado para elegir una zona de átomos; el gráfico muestra entonces su propia curva con la banda de dispersión que el azar deja a una zona de ese tamaño.</translation>
    </message>
    <message>
        <source>Detector efficiency: %1 %</source>
        <translation>Eficiencia del detector: %1 %</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Browsers allow the microphone only to pages they trust: a page opened from a file may have to be served (for example with &quot;python3 -m http.server&quot; in its folder), or the counter recorded and the recording opened.</source>
        <translation>Los navegadores solo dan acceso al micrófono a las páginas de confianza: puede que una página abierta desde un archivo tenga que servirse (por ejemplo, con «python3 -m http.server» en su carpeta), o que haya que grabar el contador y abrir la grabación.</translation>
    </message>
    <message>
        <source>The input stopped (was the device unplugged?). The pulses counted so far are kept.</source>
        <translation>La entrada se ha detenido (¿se ha desconectado el dispositivo?). Se conservan los impulsos contados hasta ahora.</translation>
    </message>
    <message>
        <source>Listening to the counter.</source>
        <translation>Escuchando el contador.</translation>
    </message>
    <message>
        <source>A page opened from a file may not be given the microphone. Serve its folder instead (for example &quot;python3 -m http.server&quot; in it, then open http://localhost:8000/ and the page), or record the counter and open the recording.</source>
        <translation>Puede que una página abierta desde un archivo no obtenga acceso al micrófono. Sirva en su lugar su carpeta (por ejemplo, con «python3 -m http.server» en ella; luego abra http://localhost:8000/ y la página), o grabe el contador y abra la grabación.</translation>
    </message>
    <message>
        <source>The browser did not let the page listen to the sound input.</source>
        <translation>El navegador no ha permitido que la página escuche la entrada de sonido.</translation>
    </message>
    <message>
        <source>This browser cannot listen to a sound input here. Open a recording instead.</source>
        <translation>Este navegador no puede escuchar aquí una entrada de sonido. Abra una grabación en su lugar.</translation>
    </message>
    <message>
        <source>The sound input could not be opened: %1</source>
        <translation>No se ha podido abrir la entrada de sonido: %1</translation>
    </message>
    <message>
        <source>The browser could not decode %1: %2</source>
        <translation>El navegador no ha podido descodificar %1: %2</translation>
    </message>
    <message>
        <source>%1 pulses found in %2.</source>
        <translation>Se han detectado %1 impulsos en %2.</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen de las cuentas</translation>
    </message>
    <message>
        <source>The pulses of the first %1 s are kept.</source>
        <translation>Se conservan los pulsos de los primeros %1 s.</translation>
    </message>
</context>
<context>
    <name>WorksheetPage</name>
    <message>
        <source>Name: ______________________________     Date: ________________</source>
        <translation>Nombre: ______________________________     Fecha: ________________</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
</context>
<context>
    <name>copyrigh</name>
    <message>
        <source>Please cite Atomdrift</source>
        <translation>Por favor, cite Atomdrift</translation>
    </message>
    <message>
        <source>You are welcome to use this program for personal research.</source>
        <translation>Puede usar este programa para su investigación personal.</translation>
    </message>
    <message>
        <source>You may copy Atomdrift and give it to students and colleagues free of charge, as long as it stays unchanged and this notice goes with it. It comes without any warranty: check what it computes before you rely on it.</source>
        <translation>Puede copiar Atomdrift y dárselo gratis a alumnos y colegas, siempre que no se modifique y vaya acompañado de este aviso. Se ofrece sin ninguna garantía: compruebe lo que calcula antes de confiar en ello.</translation>
    </message>
    <message>
        <source>Atomdrift is protected by copyright law and by international treaties.</source>
        <translation>Atomdrift está protegido por la ley de derechos de autor y por tratados internacionales.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Derechos reservados.</translation>
    </message>
    <message>
        <source>The Atomdrift Project, 2025-2026</source>
        <translation>El proyecto Atomdrift, 2025-2026</translation>
    </message>
    <message>
        <source>Photograph: an atom drawn in light</source>
        <translation>Foto: un átomo dibujado con luz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you use Atomdrift in research papers, please cite it as follows:</source>
        <translation>Si usa Atomdrift en artículos de investigación, cítelo así:</translation>
    </message>
    <message>
        <source>The Atomdrift Project (2026). Atomdrift: a simulation of the decay of radioactive atoms. https://www.example.org/atomdrift</source>
        <translation>El proyecto Atomdrift (2026). Atomdrift: una simulación de la desintegración de átomos radiactivos. https://www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>New versions at www.example.org/atomdrift</source>
        <translation>Nuevas versiones: www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>The Atomdrift Project</source>
        <translation>El proyecto Atomdrift</translation>
    </message>
    <message>
        <source>Example Physics Teaching Laboratory</source>
        <translation>Laboratorio Example de Enseñanza de la Física</translation>
    </message>
</context>
<context>
    <name>larggraf</name>
    <message>
        <source>Form2</source>
        <translation>Form2</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>lnN(t) vs. t</source>
        <translation>lnN(t) vs. t</translation>
    </message>
    <message>
        <source>dN(t) vs. t</source>
        <translation>dN(t) vs. t</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <translation>N(t) vs. t</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) vs. N(t)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t) (Blue line: y=x)</source>
        <translation>N(t+1) frente a N(t) (Línea azul: y=x)</translation>
    </message>
</context>
<context>
    <name>titlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Tecla o clic para empezar.</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Crear lección...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Recoger entregas...</translation>
    </message>
</context>
</TS>
