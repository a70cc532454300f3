<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomsWindow</name>
    <message>
        <source>The atoms</source>
        <translation>Die Atome</translation>
    </message>
    <message>
        <source>The atoms, one square each</source>
        <translation>Die Atome, jedes ein Kästchen</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Einzelschritt</translation>
    </message>
    <message>
        <source>Patch 1</source>
        <translation>Teilprobe 1</translation>
    </message>
    <message>
        <source>Patch 2</source>
        <translation>Teilprobe 2</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Drag over the atoms to choose (Shift: draw round them):</source>
        <translation>Zum Wählen über die Atome ziehen (Umschalttaste: umranden):</translation>
    </message>
    <message>
        <source>Chart of the atoms left</source>
        <translation>Grafik der übrigen Atome</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Detector efficiency: %1 %</source>
        <translation>Nachweiswahrscheinlichkeit des Detektors: %1 %</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>Class experiment...</source>
        <translation>Klassenexperiment ...</translation>
    </message>
    <message>
        <source>Save chart as image...</source>
        <translation>Grafik als Bild speichern ...</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Grafik als Bild speichern</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Daten kopieren</translation>
    </message>
    <message>
        <source>Nuclide lab...</source>
        <translation>Nuklidlabor ...</translation>
    </message>
    <message>
        <source>Counting lab...</source>
        <translation>Zähllabor ...</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen ...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Lektion erstellen ...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Abgaben einsammeln ...</translation>
    </message>
</context>
<context>
    <name>ChartViews</name>
    <message>
        <source>Atoms vs. time</source>
        <translation>Atome über der Zeit</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Decayed atoms vs. time</source>
        <translation>Zerfallene Atome über der Zeit</translation>
    </message>
    <message>
        <source>Decayed atoms</source>
        <translation>Zerfallene Atome</translation>
    </message>
    <message>
        <source>ln(atoms) vs. time</source>
        <translation>ln(Atome) über der Zeit</translation>
    </message>
    <message>
        <source>ln(atoms)</source>
        <translation>ln(Atome)</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t) (blue line: y=x)</source>
        <translation>N(t+1) über N(t) (blaue Linie: y=x)</translation>
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
        <translation>%1. Y-Achse: %2. X-Achse: %3. %4 Punkte</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>ClassExperiment</name>
    <message>
        <source>Class experiment</source>
        <translation>Klassenexperiment</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>Die Klasse</translation>
    </message>
    <message>
        <source>Initial number of atoms:</source>
        <translation>Anfangszahl der Atome:</translation>
    </message>
    <message>
        <source>Decay rate per step:</source>
        <translation>Zerfallskonstante je Schritt:</translation>
    </message>
    <message>
        <source>Half-life (steps):</source>
        <translation>Halbwertszeit (Schritte):</translation>
    </message>
    <message>
        <source>Last step:</source>
        <translation>Letzter Schritt:</translation>
    </message>
    <message>
        <source>Runs (students):</source>
        <translation>Läufe (Schüler):</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>New seed</source>
        <translation>Neuer Startwert</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simulieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Press Run: every student makes one random decay run.</source>
        <translation>Drücken Sie „Simulieren“: Jeder Schüler lässt einmal Atome zufällig zerfallen.</translation>
    </message>
    <message>
        <source>Import class data...</source>
        <translation>Klassendaten importieren ...</translation>
    </message>
    <message>
        <source>Export runs as CSV...</source>
        <translation>Läufe als CSV exportieren ...</translation>
    </message>
    <message>
        <source>Save chart as image...</source>
        <translation>Grafik als Bild speichern ...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Halbwertszeiten</translation>
    </message>
    <message>
        <source>Chart of the class experiment</source>
        <translation>Grafik des Klassenexperiments</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Klassenmittel</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>Half-life where N first falls to N0/2</source>
        <translation>Halbwertszeit: N fällt erstmals auf N0/2</translation>
    </message>
    <message>
        <source>Half-life from the slope of ln N</source>
        <translation>Halbwertszeit aus der Steigung von ln N</translation>
    </message>
    <message>
        <source>ln 2 / r (the continuous law)</source>
        <translation>ln 2 / r (stetiges Gesetz)</translation>
    </message>
    <message>
        <source>ln 2 / −ln(1−q) (exact for the draws)</source>
        <translation>ln 2 / −ln(1−q) (exakt für die Ziehungen)</translation>
    </message>
    <message>
        <source>%1 runs on %2 cores...</source>
        <translation>%1 Läufe auf %2 Kernen ...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen ...</translation>
    </message>
    <message>
        <source>Cancelled; the chart shows the class before.</source>
        <translation>Abgebrochen; die Grafik zeigt die Klasse von vorher.</translation>
    </message>
    <message>
        <source>%1 runs of %2 atoms to step %3; a draw decays with q = %4.</source>
        <translation>%1 Läufe mit %2 Atomen bis Schritt %3; eine Ziehung zerfällt mit q = %4.</translation>
    </message>
    <message>
        <source>The class has made no runs yet.</source>
        <translation>Die Klasse hat noch keine Läufe gemacht.</translation>
    </message>
    <message>
        <source>%1 of %2 runs fell to N0/2 by the last step; %3 of %2 runs gave a falling line of ln N.</source>
        <translation>%1 von %2 Läufen fielen bis zum letzten Schritt auf N0/2; %3 von %2 Läufen ergaben eine fallende Gerade für ln N.</translation>
    </message>
    <message>
        <source>decay probability %1 per throw, half-life %2 throws</source>
        <translation>Zerfallswahrscheinlichkeit %1 je Wurf, Halbwertszeit %2 Würfe</translation>
    </message>
    <message>
        <source>the counts do not fall, so no decay probability fits them</source>
        <translation>die Zählwerte fallen nicht, also passt keine Zerfallswahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Class data (%1 groups, %2 throws): %3.</source>
        <translation>Klassendaten (%1 Gruppen, %2 Würfe): %3.</translation>
    </message>
    <message>
        <source>Class data (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Klassendaten (*.csv *.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import class data</source>
        <translation>Klassendaten importieren</translation>
    </message>
    <message>
        <source>The class data were not imported.

%1 cannot be read: %2</source>
        <translation>Die Klassendaten wurden nicht importiert.

%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The class data were not imported from %1.

%2</source>
        <translation>Die Klassendaten wurden nicht aus %1 importiert.

%2</translation>
    </message>
    <message>
        <source>Export runs as CSV</source>
        <translation>Läufe als CSV exportieren</translation>
    </message>
    <message>
        <source>Atomdrift class.csv</source>
        <translation>Atomdrift Klasse.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The runs were not saved.</source>
        <translation>Die Läufe wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Grafik als Bild speichern</translation>
    </message>
    <message>
        <source>Atomdrift worksheet.pdf</source>
        <translation>Atomdrift Arbeitsblatt.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Class experiment</source>
        <translation>Atomdrift – Klassenexperiment</translation>
    </message>
    <message>
        <source>Every student of a class of %1 let %2 atoms decay, one random draw per atom and step, with the decay rate r = %3 per step, up to step %4 (seed %5). A draw decays with the exact probability q = %6.</source>
        <translation>Jeder Schüler einer Klasse von %1 ließ %2 Atome zerfallen, mit einer Zufallsziehung je Atom und Schritt, bei der Zerfallskonstante r = %3 je Schritt, bis Schritt %4 (Startwert %5). Eine Ziehung zerfällt mit der exakten Wahrscheinlichkeit q = %6.</translation>
    </message>
    <message>
        <source>Your own run is one of the thin lines. At which step did your atoms first fall to half of N0? How far is that from the class mean, measured in standard deviations?</source>
        <translation>Dein eigener Lauf ist eine der dünnen Linien. Bei welchem Schritt fielen deine Atome erstmals auf die Hälfte von N0? Wie weit liegt das vom Klassenmittel entfernt, gemessen in Standardabweichungen?</translation>
    </message>
    <message>
        <source>The class mean follows N0·(1−q)^t, not N0·e^(−r·t). Why? Which of the two half-lives in the table does the class find?</source>
        <translation>Das Klassenmittel folgt N0·(1−q)^t, nicht N0·e^(−r·t). Warum? Welche der beiden Halbwertszeiten in der Tabelle findet die Klasse?</translation>
    </message>
    <message>
        <source>How would the ±1σ band of the class change with four times as many atoms? Guess first, then try it in the program.</source>
        <translation>Wie würde sich das ±1σ-Band der Klasse mit viermal so vielen Atomen ändern? Erst schätzen, dann im Programm ausprobieren.</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen ...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Lektion erstellen ...</translation>
    </message>
    <message>
        <source>Run whose atoms to show</source>
        <translation>Lauf, dessen Atome gezeigt werden</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Atome zeigen ...</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Lauf:</translation>
    </message>
    <message>
        <source>The atoms of run %1</source>
        <translation>Die Atome von Lauf %1</translation>
    </message>
</context>
<context>
    <name>CountingLab</name>
    <message>
        <source>Counting lab</source>
        <translation>Zähllabor</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experimente</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Radiocarbon dating</source>
        <translation>Radiokarbondatierung</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>No run to count yet.</source>
        <translation>Noch kein Lauf zum Zählen.</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Efficiency:</source>
        <translation>Nachweiswahrscheinlichkeit:</translation>
    </message>
    <message>
        <source>Background rate (per second):</source>
        <translation>Nullrate (pro Sekunde):</translation>
    </message>
    <message>
        <source>Background counting time (s):</source>
        <translation>Messzeit des Nulleffekts (s):</translation>
    </message>
    <message>
        <source>Measure background</source>
        <translation>Nulleffekt messen</translation>
    </message>
    <message>
        <source>Members counted:</source>
        <translation>Gezählte Nuklide:</translation>
    </message>
    <message>
        <source>Counting interval (steps):</source>
        <translation>Zählintervall (Schritte):</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>So schnell wie möglich</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Einzelschritt</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Count lamp</source>
        <translation>Zähllampe</translation>
    </message>
    <message>
        <source>Counts in this interval</source>
        <translation>Impulse in diesem Intervall</translation>
    </message>
    <message>
        <source>Fit method:</source>
        <translation>Fitverfahren:</translation>
    </message>
    <message>
        <source>Import counts...</source>
        <translation>Impulse importieren ...</translation>
    </message>
    <message>
        <source>Export counts CSV...</source>
        <translation>Impulse als CSV exportieren ...</translation>
    </message>
    <message>
        <source>Carbon (g):</source>
        <translation>Kohlenstoff (g):</translation>
    </message>
    <message>
        <source>Age (years, empty for a hidden one):</source>
        <translation>Alter (Jahre, leer für ein verborgenes):</translation>
    </message>
    <message>
        <source>New sample</source>
        <translation>Neue Probe</translation>
    </message>
    <message>
        <source>Counting time (min):</source>
        <translation>Messzeit (min):</translation>
    </message>
    <message>
        <source>Count sample</source>
        <translation>Probe zählen</translation>
    </message>
    <message>
        <source>Show the true age</source>
        <translation>Wahres Alter zeigen</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Log. Skala</translation>
    </message>
    <message>
        <source>Chart of the counts</source>
        <translation>Grafik der Impulse</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Residuals of the fit</source>
        <translation>Residuen des Fits</translation>
    </message>
    <message>
        <source>Sample: %1, %2 run of %3 steps of %4 %5.</source>
        <extracomment>%1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the step and its unit.</extracomment>
        <translation>Probe: %1, %2 Lauf mit %3 Schritten zu je %4 %5.</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufälliger</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakter</translation>
    </message>
    <message>
        <source>Background: %1 counts in %2 s, %3 per second.</source>
        <translation>Nulleffekt: %1 Impulse in %2 s, %3 pro Sekunde.</translation>
    </message>
    <message>
        <source>Tick at least one member to count.</source>
        <translation>Haken Sie mindestens ein Nuklid zum Zählen an.</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>leuchtet</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>Counts imported from %1.</source>
        <translation>Impulse aus %1 importiert.</translation>
    </message>
    <message>
        <source>Press Start to count the sample.</source>
        <translation>Drücken Sie „Start“, um die Probe zu zählen.</translation>
    </message>
    <message>
        <source>No run to count: run a chain in the nuclide lab and press Counter there, or import counts.</source>
        <translation>Kein Lauf zum Zählen: Simulieren Sie eine Kette im Nuklidlabor und drücken Sie dort „Zähler“, oder importieren Sie Impulse.</translation>
    </message>
    <message>
        <source>Count rate: not yet known.</source>
        <translation>Zählrate: noch unbekannt.</translation>
    </message>
    <message>
        <source>Count rate: %1 per second in the last interval.</source>
        <translation>Zählrate: %1 pro Sekunde im letzten Intervall.</translation>
    </message>
    <message>
        <source>t = %1 of %2 %3; %4 intervals counted.</source>
        <translation>t = %1 von %2 %3; %4 Intervalle gezählt.</translation>
    </message>
    <message>
        <source>%1. Across: %2; up: %3.</source>
        <translation>%1. Waagrecht: %2; senkrecht: %3.</translation>
    </message>
    <message>
        <source>Press Start to count the sample</source>
        <translation>Drücken Sie „Start“, um die Probe zu zählen</translation>
    </message>
    <message>
        <source>No counts yet</source>
        <translation>Noch keine Impulse</translation>
    </message>
    <message>
        <source>Count rate with √N error bars</source>
        <translation>Zählrate mit √N-Fehlerbalken</translation>
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
        <translation>(N − Fit) / σ</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Impulse</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Nulleffekt</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Residuen</translation>
    </message>
    <message>
        <source>Press Count sample to date the sample</source>
        <translation>Drücken Sie „Probe zählen“, um die Probe zu datieren</translation>
    </message>
    <message>
        <source>Age from each count of the sample</source>
        <translation>Alter aus jeder Zählung der Probe</translation>
    </message>
    <message>
        <source>Counting time [min]</source>
        <translation>Messzeit [min]</translation>
    </message>
    <message>
        <source>Age [years]</source>
        <translation>Alter [Jahre]</translation>
    </message>
    <message>
        <source>True age</source>
        <translation>Wahres Alter</translation>
    </message>
    <message>
        <source>The half-life is fitted when the counting stops or pauses.</source>
        <translation>Die Halbwertszeit wird per Fit bestimmt, wenn das Zählen endet oder pausiert.</translation>
    </message>
    <message>
        <source>A fit needs the counts of two intervals or more.</source>
        <translation>Ein Fit braucht die Impulse von zwei oder mehr Intervallen.</translation>
    </message>
    <message>
        <source>No half-life could be fitted (%1): %2</source>
        <translation>Es ließ sich keine Halbwertszeit per Fit bestimmen (%1): %2</translation>
    </message>
    <message>
        <source>T½ = %1 %2 (%3)</source>
        <translation>T½ = %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Counts (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Impulse (*.csv *.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import counts</source>
        <translation>Impulse importieren</translation>
    </message>
    <message>
        <source>The counts were not imported.

%1 cannot be read: %2</source>
        <translation>Die Impulse wurden nicht importiert.

%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The counts were not imported from %1.

%2</source>
        <translation>Die Impulse wurden nicht aus %1 importiert.

%2</translation>
    </message>
    <message>
        <source>Export counts CSV</source>
        <translation>Impulse als CSV exportieren</translation>
    </message>
    <message>
        <source>Atomdrift counts.csv</source>
        <translation>Atomdrift Impulse.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The counts were not saved.</source>
        <translation>Die Impulse wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Grafik als Bild speichern</translation>
    </message>
    <message>
        <source>Atomdrift counting lab.pdf</source>
        <translation>Atomdrift Zähllabor.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Counting lab</source>
        <translation>Atomdrift – Zähllabor</translation>
    </message>
    <message>
        <source>Why are the error bars longer, compared with the count rate, late in the run than early on?</source>
        <translation>Warum sind die Fehlerbalken im Vergleich zur Zählrate spät im Lauf länger als am Anfang?</translation>
    </message>
    <message>
        <source>Measure the background for ten times as long and fit again. What changes in the half-life and its uncertainty, and why?</source>
        <translation>Miss den Nulleffekt zehnmal so lange und wiederhole den Fit. Was ändert sich an der Halbwertszeit und ihrer Unsicherheit, und warum?</translation>
    </message>
    <message>
        <source>How much longer would you have to count to halve the uncertainty of the half-life?</source>
        <translation>Wie viel länger müsstest du zählen, um die Unsicherheit der Halbwertszeit zu halbieren?</translation>
    </message>
    <message>
        <source>Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller uncertainty.</source>
        <translation>Drücken Sie „Neue Probe“ für ein Stück alten Kohlenstoff, dann „Probe zählen“. Längeres Zählen ergibt eine kleinere Unsicherheit.</translation>
    </message>
    <message>
        <source>A sample of %1 g of carbon, of unknown age.</source>
        <translation>Eine Probe mit %1 g Kohlenstoff, Alter unbekannt.</translation>
    </message>
    <message>
        <source>A sample of %1 g of carbon.</source>
        <translation>Eine Probe mit %1 g Kohlenstoff.</translation>
    </message>
    <message>
        <source>Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the activity of modern carbon.</source>
        <translation>%1 min gezählt: %2 Impulse und %3 Impulse des Nulleffekts in gleicher Zeit; %4 % der Aktivität von heutigem Kohlenstoff.</translation>
    </message>
    <message>
        <source>True age: %1 y.</source>
        <translation>Wahres Alter: %1 a.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Conventional radiocarbon age (Libby half-life, %1 y)</source>
        <translation>Konventionelles Radiokarbonalter (Libby-Halbwertszeit, %1 a)</translation>
    </message>
    <message>
        <source>Sample: %1, %2 run of %3 steps growing tenfold a decade, to %4 %5.</source>
        <extracomment>%1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the last time and its unit.</extracomment>
        <translation>Probe: %1, %2 Lauf mit %3 Schritten, die je Dekade zehnfach wachsen, bis %4 %5.</translation>
    </message>
    <message>
        <source>χ²/ν = %1/%2 = %3, p = %4</source>
        <extracomment>%1 the chi-square, %2 the degrees of freedom, %3 their quotient, %4 the p-value.</extracomment>
        <translation>χ²/ν = %1/%2 = %3, p = %4</translation>
    </message>
    <message>
        <source>±√deviance</source>
        <extracomment>The deviance residual: the signed square root of an interval&apos;s deviance.</extracomment>
        <translation>±√Devianz</translation>
    </message>
    <message>
        <source>BP: before the present, that is before 1950, the year the activity of modern carbon refers to.</source>
        <translation>BP: vor heute, das heißt vor 1950, dem Jahr, auf das sich die Aktivität des modernen Kohlenstoffs bezieht.</translation>
    </message>
    <message>
        <source>Age with the half-life %1 ± %2 y</source>
        <translation>Alter mit der Halbwertszeit %1 ± %2 a</translation>
    </message>
    <message>
        <source>Age with the textbooks&apos; half-life %1 y</source>
        <translation>Alter mit der Halbwertszeit der Lehrbücher, %1 a</translation>
    </message>
    <message>
        <source>older than %1 y BP (95 %)</source>
        <extracomment>An age in years before 1950 (BP) that the sample is older than, at 95 % confidence.</extracomment>
        <translation>älter als %1 a BP (95 %)</translation>
    </message>
    <message>
        <source>%1 y BP</source>
        <extracomment>An age in years before 1950 (BP) with its interval below and above.</extracomment>
        <translation>%1 a BP</translation>
    </message>
    <message>
        <source>Repeat counts</source>
        <translation>Wiederholte Zählungen</translation>
    </message>
    <message>
        <source>Detector:</source>
        <translation>Detektor:</translation>
    </message>
    <message>
        <source>Ideal counter</source>
        <translation>Idealer Zähler</translation>
    </message>
    <message>
        <source>Geiger tube</source>
        <translation>Geiger-Müller-Zählrohr</translation>
    </message>
    <message>
        <source>Dead time (µs):</source>
        <translation>Totzeit (µs):</translation>
    </message>
    <message>
        <source>Dead time kind:</source>
        <translation>Art der Totzeit:</translation>
    </message>
    <message>
        <source>non-paralysable</source>
        <translation>nicht verlängerbar</translation>
    </message>
    <message>
        <source>paralysable</source>
        <translation>verlängerbar</translation>
    </message>
    <message>
        <source>Silver activation time (s):</source>
        <translation>Aktivierungszeit des Silbers (s):</translation>
    </message>
    <message>
        <source>Count activated silver</source>
        <translation>Aktiviertes Silber zählen</translation>
    </message>
    <message>
        <source>Fit model:</source>
        <translation>Fit-Modell:</translation>
    </message>
    <message>
        <source>Corrected for the dead time: %1 per second.</source>
        <translation>Totzeitkorrigiert: %1 pro Sekunde.</translation>
    </message>
    <message>
        <source>Too many counts for the dead time to correct.</source>
        <translation>Zu viele Impulse, um die Totzeit zu korrigieren.</translation>
    </message>
    <message>
        <source>The counter is saturated: more than 1/τ events a second reach it.</source>
        <translation>Der Zähler ist gesättigt: mehr als 1/τ Ereignisse pro Sekunde erreichen ihn.</translation>
    </message>
    <message>
        <source>No half-life is fitted: the paralysable counter was saturated, so that more events made it record fewer, and its counts no longer say how many arrived. Count with a weaker sample or a shorter dead time.</source>
        <translation>Keine Halbwertszeit angepasst: Der verlängerbare Zähler war gesättigt, sodass mehr Ereignisse ihn weniger registrieren ließen, und seine Impulse sagen nicht mehr, wie viele ankamen. Zählen Sie mit einer schwächeren Probe oder einer kürzeren Totzeit.</translation>
    </message>
    <message>
        <source>T½ = %1 %2 and %3 %2 (%4)</source>
        <extracomment>%1 and %3 the two half-lives, %2 their unit, %4 the method.</extracomment>
        <translation>T½ = %1 %2 und %3 %2 (%4)</translation>
    </message>
    <message>
        <source>T½ of %1 = %2 %3 (%4)</source>
        <extracomment>%1 the chain&apos;s first member, %2 its half-life, %3 the unit, %4 the method.</extracomment>
        <translation>T½ von %1 = %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 Efficiency %2, background %3 per second, dead time %4 µs (%5). Fit model: %6. %7</source>
        <extracomment>%1 the sample, %2 the efficiency, %3 the background, %4 the dead time in microseconds, %5 its kind, %6 the fit model, %7 the background measurement.</extracomment>
        <translation>%1 Effizienz %2, Untergrund %3 pro Sekunde, Totzeit %4 µs (%5). Fit-Modell: %6. %7</translation>
    </message>
    <message>
        <source>Number of counts:</source>
        <translation>Anzahl der Zählungen:</translation>
    </message>
    <message>
        <source>Events reaching the counter (per second):</source>
        <translation>Ereignisse am Zähler (pro Sekunde):</translation>
    </message>
    <message>
        <source>Each count lasts (s):</source>
        <translation>Dauer jeder Zählung (s):</translation>
    </message>
    <message>
        <source>Count again and again</source>
        <translation>Immer wieder zählen</translation>
    </message>
    <message>
        <source>A long-lived source counted for the same time, again and again: do the counts spread as the Poisson distribution says?</source>
        <translation>Eine langlebige Quelle, immer wieder gleich lange gezählt: Streuen die Impulse so, wie es die Poisson-Verteilung sagt?</translation>
    </message>
    <message>
        <source>%1 counts: mean %2, variance %3.
Index of dispersion D = variance / mean = %4; χ² = (N − 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).
For Poisson counts D is near 1; a counter&apos;s dead time makes it smaller.</source>
        <extracomment>%1 the number of counts, %2 their mean, %3 their variance, %4 the index of dispersion, %5 the chi-square, %6 its degrees of freedom, %7 the p-value.</extracomment>
        <translation>%1 Zählungen: Mittelwert %2, Varianz %3.
Dispersionsindex D = Varianz / Mittelwert = %4; χ² = (N − 1) D = %5 bei %6 Freiheitsgraden, p = %7 (zweiseitig).
Für Poisson-verteilte Impulse liegt D nahe 1; die Totzeit eines Zählers macht ihn kleiner.</translation>
    </message>
    <message>
        <source>1 g of silver after %1 s in a neutron source</source>
        <translation>1 g Silber nach %1 s in einer Neutronenquelle</translation>
    </message>
    <message>
        <source>Counts in an interval</source>
        <translation>Impulse in einem Intervall</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Wie oft</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Poisson</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Gaussian approximation</source>
        <translation>Gauß-Näherung</translation>
    </message>
    <message>
        <source>Count rate [per second]</source>
        <translation>Zählrate [pro Sekunde]</translation>
    </message>
    <message>
        <source>Count rate [per unit of time]</source>
        <translation>Zählrate [pro Zeiteinheit]</translation>
    </message>
    <message>
        <source>Count rate [per %1]</source>
        <translation>Zählrate [pro %1]</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades below the top)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (12 Dekaden unter dem oberen Ende abgeschnitten)</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades before the end)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (12 Dekaden vor dem Ende abgeschnitten)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen ...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Lektion erstellen ...</translation>
    </message>
    <message>
        <source>Real counter: %1 pulses in %2 s; the hold-off of %3 ms is its dead time.</source>
        <extracomment>%1 pulses counted, %2 the seconds listened, %3 the hold-off in milliseconds.</extracomment>
        <translation>Echter Zähler: %1 Impulse in %2 s; die Sperrzeit von %3 ms ist seine Totzeit.</translation>
    </message>
    <message>
        <source>%1 stretches of the input were lost; the intervals they reach into are left out.</source>
        <translation>%1 Abschnitte des Eingangssignals gingen verloren; die Intervalle, in die sie hineinreichen, bleiben weg.</translation>
    </message>
    <message>
        <source>Pulses of a real counter: %1 in %2 s, counted in intervals of %3 s, the hold-off of %4 ms taken as a non-paralysable dead time. %5</source>
        <extracomment>%1 pulses, %2 seconds, %3 the interval in seconds, %4 the hold-off in milliseconds, %5 the background sentence.</extracomment>
        <translation>Impulse eines echten Zählers: %1 in %2 s, gezählt in Intervallen von %3 s, die Sperrzeit von %4 ms als nicht paralysierbare Totzeit behandelt. %5</translation>
    </message>
    <message>
        <source>Simulated sample</source>
        <translation>Simulierte Probe</translation>
    </message>
    <message>
        <source>Real counter</source>
        <translation>Echter Zähler</translation>
    </message>
    <message>
        <source>How to connect a counter</source>
        <translation>So schließen Sie einen Zähler an</translation>
    </message>
    <message>
        <source>Connect the counter&apos;s headphone or loudspeaker output to the computer&apos;s microphone or line input with a cable, or hold a microphone close to its loudspeaker.</source>
        <translation>Verbinden Sie den Kopfhörer- oder Lautsprecherausgang des Zählers per Kabel mit dem Mikrofon- oder Line-Eingang des Computers, oder halten Sie ein Mikrofon dicht an seinen Lautsprecher.</translation>
    </message>
    <message>
        <source>Press Listen and watch the waveform: every click should stand well above the threshold line, and none should reach the top or the bottom of the strip. Turn the counter&apos;s volume or the input level down when the program says the input clips, up when clicks are missed.</source>
        <translation>Drücken Sie „Abhören“ und beobachten Sie den Signalverlauf: Jeder Klick sollte deutlich über die Schwellenlinie hinausragen, und keiner sollte den oberen oder unteren Rand des Streifens erreichen. Regeln Sie die Lautstärke des Zählers oder den Eingangspegel herunter, wenn das Programm meldet, dass das Eingangssignal übersteuert, und herauf, wenn Klicks übersehen werden.</translation>
    </message>
    <message>
        <source>Count the background first with the source away and take it as the background, then count the source.</source>
        <translation>Zählen Sie zuerst bei entfernter Quelle den Nulleffekt und übernehmen Sie ihn als Nulleffekt; zählen Sie dann die Quelle.</translation>
    </message>
    <message>
        <source>Sound input:</source>
        <translation>Audioeingang:</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>Standard des Systems</translation>
    </message>
    <message>
        <source>Threshold (times the noise floor):</source>
        <translation>Schwelle (Vielfaches des Rauschpegels):</translation>
    </message>
    <message>
        <source>Hold-off (ms):</source>
        <translation>Sperrzeit (ms):</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Abhören</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Open recording...</source>
        <translation>Aufnahme öffnen ...</translation>
    </message>
    <message>
        <source>Take as background</source>
        <translation>Als Nulleffekt übernehmen</translation>
    </message>
    <message>
        <source>The input&apos;s waveform, with the threshold and the pulses found</source>
        <translation>Signalverlauf am Eingang, mit der Schwelle und den gefundenen Impulsen</translation>
    </message>
    <message>
        <source>Pulses counted</source>
        <translation>Gezählte Impulse</translation>
    </message>
    <message>
        <source>Counting interval (s):</source>
        <translation>Zählintervall (s):</translation>
    </message>
    <message>
        <source>Export pulse times CSV...</source>
        <translation>Impulszeiten als CSV exportieren ...</translation>
    </message>
    <message>
        <source>There is no sound input. Connect the counter&apos;s headphone or loudspeaker output (a cable, or a microphone close to its loudspeaker), or open a recording.</source>
        <translation>Es ist kein Audioeingang vorhanden. Schließen Sie den Kopfhörer- oder Lautsprecherausgang des Zählers an (per Kabel oder mit einem Mikrofon dicht an seinem Lautsprecher), oder öffnen Sie eine Aufnahme.</translation>
    </message>
    <message>
        <source>Export pulse times CSV</source>
        <translation>Impulszeiten als CSV exportieren</translation>
    </message>
    <message>
        <source>Atomdrift pulses.csv</source>
        <translation>Atomdrift Impulszeiten.csv</translation>
    </message>
    <message>
        <source>The pulse times were not saved.</source>
        <translation>Die Impulszeiten wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Listen with the source away first, then stop, then take the counts as the background.</source>
        <translation>Hören Sie zuerst bei entfernter Quelle ab, halten Sie dann an und übernehmen Sie danach die Impulse als Nulleffekt.</translation>
    </message>
    <message>
        <source>Recordings (*.wav);;All files (*)</source>
        <translation>Aufnahmen (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open recording</source>
        <translation>Aufnahme öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Take as repeat counts</source>
        <translation>Als wiederholte Zählungen übernehmen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Impulsquelle</translation>
    </message>
    <message>
        <source>Press Listen, or open a recording.</source>
        <translation>Drücken Sie „Abhören“ oder öffnen Sie eine Aufnahme.</translation>
    </message>
    <message>
        <source>The real counter&apos;s recording, %1 g of carbon counted with an efficiency of %2: %3 counts in %4 min, and %5 of background in %6 min, each in the time the counter was live; %7 % of the activity of modern carbon.</source>
        <extracomment>%1 grams of carbon, %2 the counter&apos;s efficiency (a fraction), %3 and %4 the sample&apos;s counts and minutes, %5 and %6 the background&apos;s, %7 the percentage of modern carbon&apos;s activity with its interval.</extracomment>
        <translation>Die Aufnahme des echten Zählers, %1 g Kohlenstoff, gezählt mit einer Nachweiswahrscheinlichkeit von %2: %3 Impulse in %4 min und %5 Impulse des Nulleffekts in %6 min, jeweils in der Zeit, in der der Zähler zählbereit war; %7 % der Aktivität von heutigem Kohlenstoff.</translation>
    </message>
    <message>
        <source>Date the recording</source>
        <translation>Aufnahme datieren</translation>
    </message>
    <message>
        <source>Dates the real counter&apos;s recording as a sample of the carbon above, against the background it recorded, with the detector&apos;s efficiency.</source>
        <translation>Datiert die Aufnahme des echten Zählers als Probe mit dem Kohlenstoff oben, gegen den von ihm aufgenommenen Nulleffekt, mit der Nachweiswahrscheinlichkeit des Detektors.</translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Americium</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Neutron</source>
        <translation>Neutron</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astat</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerium</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstadtium</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenium</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicium</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonium</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovium</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovium</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorium</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tenness</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesson</translation>
    </message>
</context>
<context>
    <name>ExperimentPlots</name>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Klassenmittel</translation>
    </message>
    <message>
        <source>Class ±1σ</source>
        <translation>Klasse ±1σ</translation>
    </message>
    <message>
        <source>Expectation N0·(1−q)^t</source>
        <translation>Erwartungswert N0·(1−q)^t</translation>
    </message>
    <message>
        <source>Binomial ±1σ</source>
        <translation>Binomial ±1σ</translation>
    </message>
    <message>
        <source>Continuous law N0·e^(−r·t)</source>
        <translation>Stetiges Gesetz N0·e^(−r·t)</translation>
    </message>
    <message>
        <source>Fitted line</source>
        <translation>Ausgleichsgerade</translation>
    </message>
    <message>
        <source>Class data</source>
        <translation>Klassendaten</translation>
    </message>
    <message>
        <source>Class data fit</source>
        <translation>Fit an die Klassendaten</translation>
    </message>
    <message>
        <source>Measured half-lives</source>
        <translation>Gemessene Halbwertszeiten</translation>
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
        <translation>Halbwertszeiten: N fällt erstmals auf N0/2</translation>
    </message>
    <message>
        <source>Half-life (steps)</source>
        <translation>Halbwertszeit (Schritte)</translation>
    </message>
    <message>
        <source>ln N(t) of the class</source>
        <translation>ln N(t) der Klasse</translation>
    </message>
    <message>
        <source>Step t</source>
        <translation>Schritt t</translation>
    </message>
    <message>
        <source>ln N</source>
        <translation>ln N</translation>
    </message>
    <message>
        <source>Atoms left in each run</source>
        <translation>Verbleibende Atome in jedem Lauf</translation>
    </message>
    <message>
        <source>Atoms N(t)</source>
        <translation>Atome N(t)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Atomdrift of Radioactive Atoms</source>
        <translation>Atomdrift – Zerfall radioaktiver Atome</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>The decay of radioactive atoms is similar to the exponential growth.  The instantaneous rate r is ln2/T, where T is the half-life of the radioactive elements.</source>
        <translation>Der Zerfall radioaktiver Atome ähnelt dem exponentiellen Wachstum.  Die Zerfallskonstante r ist ln2/T, wobei T die Halbwertszeit der radioaktiven Elemente ist.</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Mehr ...</translation>
    </message>
    <message>
        <source>More introduction</source>
        <translation>Mehr zur Einführung</translation>
    </message>
    <message>
        <source>P</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Daten und Simulation</translation>
    </message>
    <message>
        <source>Initial number of atoms:</source>
        <translation>Anfangszahl der Atome:</translation>
    </message>
    <message>
        <source>Simulation for t=0 to t =</source>
        <translation>Simulation von t=0 bis t =</translation>
    </message>
    <message>
        <source>The instantaneous decay rate:</source>
        <translation>Zerfallskonstante:</translation>
    </message>
    <message>
        <source>The intrinsic rate r:</source>
        <translation>Zerfallskonstante r je Zeitschritt, r = ln 2 / T</translation>
    </message>
    <message>
        <source>The half-life:</source>
        <translation>Die Halbwertszeit:</translation>
    </message>
    <message>
        <source>No. of atoms:</source>
        <translation>Anzahl der Atome:</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>Random decay</source>
        <translation>Zufallszerfall</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Save simulation data</source>
        <translation>Simulationsdaten speichern</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Click here to see more graph</source>
        <translation>Hier klicken für weitere Grafiken</translation>
    </message>
    <message>
        <source>Welcome to Atomdrift!</source>
        <translation>Willkommen bei Atomdrift!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <translation>lnN über t</translation>
    </message>
    <message>
        <source>lnN(t) vs t</source>
        <translation>lnN(t) über t</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN über t</translation>
    </message>
    <message>
        <source>dN vs. time</source>
        <translation>dN über der Zeit</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <translation>N(t) über t</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) über der Zeit</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) über N(t)</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Photograph: an atom drawn in light</source>
        <translation>Foto: ein aus Licht gezeichnetes Atom</translation>
    </message>
    <message>
        <source>© %1 The Atomdrift Project</source>
        <translation>© %1 Das Atomdrift-Projekt</translation>
    </message>
    <message>
        <source>The Atomdrift Project

team@example.org
Atomdrift Teaching Software
Physics Classroom Tools Group
1 Example Road
Example City EX 01234
www.example.org/atomdrift</source>
        <translation>Das Atomdrift-Projekt

team@example.org
Atomdrift Lernsoftware
Gruppe Physik im Unterricht
1 Example Road
Example City EX 01234
www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>Press Enter or click Run to run this program using default values.  If you change the default value, please press ENTER to confirm the change. If you try &quot;random decay&quot;, the decay rate is then the probability that an atom will decay after one time interval. If you run random decay with a large initial number of atoms, it will  take a while (please wait for the result). Click on the graph to see large graph. Comments are welcome.</source>
        <translation>Drücken Sie Enter oder klicken Sie auf LOS, um mit den Vorgabewerten zu simulieren.  Wenn Sie einen Wert ändern, bestätigen Sie ihn bitte mit ENTER. Beim „Zufallszerfall“ gibt r die Zerfallswahrscheinlichkeit je Schritt an: die Wahrscheinlichkeit, dass ein Atom in einem Zeitschritt zerfällt. Mit vielen Atomen dauert der Zufallszerfall eine Weile (bitte warten Sie auf das Ergebnis). Klicken Sie auf die Grafik, um sie groß zu sehen. Kommentare sind willkommen.</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>The simulation data were not saved.</source>
        <translation>Die Simulationsdaten wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Atome zeigen ...</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Atomdrift backdrop</source>
        <translation>Atomdrift-Hintergrund</translation>
    </message>
</context>
<context>
    <name>HandInCollection</name>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>unbeantwortet</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>eingesammelt</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Bewertet</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Bewertung %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Erwartet %1</translation>
    </message>
    <message>
        <source>Hand-ins: %1</source>
        <translation>Abgaben: %1</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>Files not counted</source>
        <translation>Nicht berücksichtigte Dateien</translation>
    </message>
    <message>
        <source>The class&apos;s runs</source>
        <translation>Die Läufe der Klasse</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Files not counted:</source>
        <translation>Nicht berücksichtigte Dateien:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Erwartet: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n hand-in(s) marked</source>
        <translation>
            <numerusform>%n Abgabe bewertet</numerusform>
            <numerusform>%n Abgaben bewertet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not counted.</source>
        <translation>
            <numerusform>%n Datei nicht berücksichtigt.</numerusform>
            <numerusform>%n Dateien nicht berücksichtigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source> - marks.csv</source>
        <translation> - Bewertungen.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The marks were not saved.</source>
        <translation>Die Bewertungen wurden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>There is not enough memory for an image of %1 x %2 pixels.</source>
        <translation>Für ein Bild von %1 x %2 Pixeln reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The picture could not be encoded as a PNG image.</source>
        <translation>Das Bild konnte nicht als PNG-Bild kodiert werden.</translation>
    </message>
    <message>
        <source>The picture could not be drawn as an SVG drawing.</source>
        <translation>Das Bild konnte nicht als SVG-Zeichnung erstellt werden.</translation>
    </message>
    <message>
        <source>Atomdrift chart.png</source>
        <translation>Atomdrift Grafik.png</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>The image was not saved.</source>
        <translation>Das Bild wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>The decay of radioactive atoms is usually described as exponential equation A(t)=A(0)Exp(-rt), where A(t) and A(0) are the number of atoms at time t and time zero, respectively. The parameter r is the decay rate. However, the exponential equation gives non-integer results. Furthermore, As the time approaches infinity, A(t) approaches zero. But, it will never be zero. The decay of radioactive atoms is actually binomial function. It means that there are only two possibilities for each atom. Decay or not. If the answer is &quot;yes&quot;, then it is no more radioactive. If the answer is &quot;no&quot;, then it remains radioactive. Based on the binomial phenomenon, the number of radioactive atoms will always be integers. The parameter r is the probability that an atom will decay after one time interval. This can be simulated using random number. As soon as the last atom is decayed, there is no radioactive atom [i.e., A(t)=0]. Each time you try the random decay, you will get different result. It reflects the stochastic property of the decay of radioactive atoms. The above equation A(t)=A(0)Exp(-rt) in the integral form of dA/dt=-rA. If you calculate the half life using T=Log(0.5)/Log(1-r), then you will get different result. In this program, I calculated the half life using T=Log(0.5)/-r.</source>
        <translation>Der Zerfall radioaktiver Atome wird meist durch die Exponentialgleichung A(t)=A(0)Exp(-rt) beschrieben, wobei A(t) und A(0) die Zahl der Atome zur Zeit t und zur Zeit null sind. Der Parameter r ist die Zerfallskonstante. Die Exponentialgleichung liefert jedoch nicht ganzzahlige Ergebnisse. Außerdem nähert sich A(t) für unendlich lange Zeit der Null, wird aber nie null. Tatsächlich folgt der Zerfall radioaktiver Atome einer Binomialverteilung. Das heißt, für jedes Atom gibt es nur zwei Möglichkeiten: Es zerfällt oder nicht. Lautet die Antwort „ja“, ist es nicht mehr radioaktiv. Lautet sie „nein“, bleibt es radioaktiv. Nach diesem binomialen Modell ist die Zahl der radioaktiven Atome immer ganzzahlig. Beim Zufallszerfall ist r die Zerfallswahrscheinlichkeit je Schritt, die Wahrscheinlichkeit, dass ein Atom in einem Zeitschritt zerfällt. Das lässt sich mit Zufallszahlen simulieren. Sobald das letzte Atom zerfallen ist, gibt es kein radioaktives Atom mehr [d. h. A(t)=0]. Bei jedem Zufallszerfall erhalten Sie ein anderes Ergebnis. Darin zeigt sich die stochastische Natur des Zerfalls radioaktiver Atome. Die obige Gleichung A(t)=A(0)Exp(-rt) ist die integrierte Form von dA/dt=-rA. Wenn Sie die Halbwertszeit mit T=Log(0,5)/Log(1-r) berechnen, erhalten Sie ein anderes Ergebnis. In diesem Programm wird die Halbwertszeit mit T=Log(0,5)/-r berechnet.</translation>
    </message>
</context>
<context>
    <name>LessonDesk</name>
    <message>
        <source>Open lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>The lesson was not opened.</source>
        <translation>Die Lektion wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Which lesson do the hand-ins answer?</source>
        <translation>Auf welche Lektion antworten die Abgaben?</translation>
    </message>
    <message>
        <source>Hand-ins (*.handin);;All files (*)</source>
        <translation>Abgaben (*.handin);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
</context>
<context>
    <name>LessonMaker</name>
    <message>
        <source>Make lesson: %1</source>
        <translation>Lektion erstellen: %1</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Introduction:</source>
        <translation>Einleitung:</translation>
    </message>
    <message>
        <source>The same data for everyone</source>
        <translation>Dieselben Daten für alle</translation>
    </message>
    <message>
        <source>Each student&apos;s own data, from the name typed</source>
        <translation>Eigene Daten für jeden Schüler, aus dem eingegebenen Namen</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message>
        <source>Check answers at once</source>
        <translation>Antworten sofort prüfen</translation>
    </message>
    <message>
        <source>The hand-in carries the answers</source>
        <translation>Die Abgabe enthält die Antworten</translation>
    </message>
    <message>
        <source>The hand-in carries the run&apos;s data file</source>
        <translation>Die Abgabe enthält die Datendatei des Laufs</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienelemente</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Bedienelement</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Student may</source>
        <translation>Schüler dürfen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>change it</source>
        <translation>es ändern</translation>
    </message>
    <message>
        <source>see it only (locked)</source>
        <translation>es nur sehen (gesperrt)</translation>
    </message>
    <message>
        <source>not see it (hidden)</source>
        <translation>es nicht sehen (verborgen)</translation>
    </message>
    <message>
        <source>change it within a range</source>
        <translation>es in einem Bereich ändern</translation>
    </message>
    <message>
        <source>The decay run takes the lesson&apos;s entries; its window stays as it is.</source>
        <translation>Der Zerfallslauf übernimmt die Eingaben der Lektion; sein Fenster bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>Remove step</source>
        <translation>Schritt entfernen</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>multiple choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>free text</source>
        <translation>Freitext</translation>
    </message>
    <message>
        <source>a value read off the chart</source>
        <translation>ein in der Grafik abgelesener Wert</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Right within (%):</source>
        <translation>Toleranz (%):</translation>
    </message>
    <message>
        <source>or within (in the unit):</source>
        <translation>oder absolut (±, in der Einheit):</translation>
    </message>
    <message>
        <source>Choices, one a line:</source>
        <translation>Antworten zur Auswahl, eine je Zeile:</translation>
    </message>
    <message>
        <source>Expected answer:</source>
        <translation>Erwartete Antwort:</translation>
    </message>
    <message>
        <source>the number or choice below</source>
        <translation>die Zahl oder Antwort unten</translation>
    </message>
    <message>
        <source>Number, or choice from 1:</source>
        <translation>Zahl, oder Nummer der Antwort ab 1:</translation>
    </message>
    <message>
        <source>Of (name = value; ...):</source>
        <translation>Für (Name = Wert; ...):</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Lektion speichern ...</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Save lesson as web page...</source>
        <translation>Lektion als Webseite speichern ...</translation>
    </message>
    <message>
        <source>The web page is not installed with this build, so a lesson cannot be saved as a page here.</source>
        <translation>Die Webseite ist mit dieser Programmversion nicht installiert, daher lässt sich eine Lektion hier nicht als Seite speichern.</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Abgaben einsammeln ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>It needs: %1.</source>
        <translation>Die Größe braucht: %1.</translation>
    </message>
    <message>
        <source>It is a time: give the unit as s, min, h, d or y.</source>
        <translation>Die Größe ist eine Zeit: Geben Sie die Einheit als s, min, h, d oder y (Jahr) an.</translation>
    </message>
    <message>
        <source>Give the lesson a title first.</source>
        <translation>Geben Sie der Lektion zuerst einen Titel.</translation>
    </message>
    <message>
        <source>The lesson cannot be given to a class yet.</source>
        <translation>Die Lektion kann noch nicht an eine Klasse ausgegeben werden.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Lektion speichern</translation>
    </message>
    <message>
        <source>Lessons (*.atomdrift)</source>
        <translation>Lektionen (*.atomdrift)</translation>
    </message>
    <message>
        <source>The lesson was not saved.</source>
        <translation>Die Lektion wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The link would be %1 characters long, more than the %2 that mail programs and learning platforms keep whole. Hand the lesson out as a file (&quot;Save lesson...&quot;) or as a web page instead.</source>
        <translation>Der Link wäre %1 Zeichen lang, mehr als die %2, die E-Mail-Programme und Lernplattformen unversehrt lassen. Geben Sie die Lektion stattdessen als Datei („Lektion speichern ...“) oder als Webseite aus.</translation>
    </message>
    <message>
        <source>Save lesson as web page</source>
        <translation>Lektion als Webseite speichern</translation>
    </message>
    <message>
        <source>The web page %1 cannot be read: %2</source>
        <translation>Die Webseite %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
    <message>
        <source>The page was not saved.</source>
        <translation>Die Seite wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Collect hand-ins</source>
        <translation>Abgaben einsammeln</translation>
    </message>
    <message>
        <source>Edit lesson: %1</source>
        <translation>Lektion bearbeiten: %1</translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message>
        <source>Preview: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Abgaben einsammeln ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Value read off the chart:</source>
        <translation>In der Grafik abgelesener Wert:</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Deine Antwort:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Everyone has the same data (seed %1).</source>
        <translation>Alle haben dieselben Daten (Startwert %1).</translation>
    </message>
    <message>
        <source>Type your name and press Enter: your own data come from it.</source>
        <translation>Gib deinen Namen ein und drücke die Eingabetaste: Deine eigenen Daten werden daraus gebildet.</translation>
    </message>
    <message>
        <source>Your data come from your name (seed %1).</source>
        <translation>Deine Daten werden aus deinem Namen gebildet (Startwert %1).</translation>
    </message>
    <message>
        <source>Type your name first: your data come from it.</source>
        <translation>Gib zuerst deinen Namen ein: Deine Daten werden daraus gebildet.</translation>
    </message>
    <message>
        <source>“%1” is no number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Type your name first: the hand-in carries it.</source>
        <translation>Gib zuerst deinen Namen ein: Die Abgabe enthält ihn.</translation>
    </message>
    <message>
        <source>Hand-ins (*.handin)</source>
        <translation>Abgaben (*.handin)</translation>
    </message>
    <message>
        <source>The hand-in was not saved.</source>
        <translation>Die Abgabe wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>Save chart as image...</source>
        <translation>Grafik als Bild speichern ...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>Number of atoms at t=%1</source>
        <translation>Anzahl der Atome bei t=%1</translation>
    </message>
    <message>
        <source>The initial number of atoms must be a whole number from %1 to %2.</source>
        <translation>Die Anfangszahl der Atome muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The decay rate must be a number from %1 to %2.</source>
        <translation>Die Zerfallskonstante muss eine Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The last step must be a whole number from %1 to %2.</source>
        <translation>Der letzte Schritt muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The number of runs must be a whole number from %1 to %2.</source>
        <translation>Die Zahl der Läufe muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from %1 to %2.</source>
        <translation>Der Startwert muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; a class&apos;s counts take far less.</source>
        <translation>Die Datei ist größer als %1 MB; die Zählwerte einer Klasse brauchen weit weniger.</translation>
    </message>
    <message>
        <source>The file holds no counts.</source>
        <translation>Die Datei enthält keine Zählwerte.</translation>
    </message>
    <message>
        <source>The file holds the counts of one step only; a decay needs two or more.</source>
        <translation>Die Datei enthält die Zählwerte nur eines Schritts; ein Zerfall braucht zwei oder mehr.</translation>
    </message>
    <message>
        <source>Line %1 has only one field: each line needs the step and at least one group&apos;s count.</source>
        <translation>Zeile %1 hat nur ein Feld: Jede Zeile braucht den Schritt und mindestens den Zählwert einer Gruppe.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 groups.</source>
        <translation>Zeile %1 hat mehr als %2 Gruppen.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields, line %3 has %4 fields.</source>
        <translation>Zeile %1 hat %2 Felder, Zeile %3 hat %4 Felder.</translation>
    </message>
    <message>
        <source>Line %1 has %2 field, line %3 has %4 fields.</source>
        <translation>Zeile %1 hat %2 Feld, Zeile %3 hat %4 Felder.</translation>
    </message>
    <message>
        <source>Line %1 is one too many: at most %2 lines of counts.</source>
        <translation>Zeile %1 ist eine zu viel: höchstens %2 Zeilen mit Zählwerten.</translation>
    </message>
    <message>
        <source>Line %1, field %2 is empty.</source>
        <translation>Zeile %1, Feld %2 ist leer.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is not a number.</source>
        <translation>Zeile %1, Feld %2: %3 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is negative.</source>
        <translation>Zeile %1, Feld %2: %3 ist negativ.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the step %3 is not a whole number of throws.</source>
        <translation>Zeile %1, Feld %2: Der Schritt %3 ist keine ganze Zahl von Würfen.</translation>
    </message>
    <message>
        <source>Line %1: the step %2 does not come after the step before it.</source>
        <translation>Zeile %1: Der Schritt %2 folgt nicht auf den Schritt davor.</translation>
    </message>
    <message>
        <source>Two members are called %1.</source>
        <translation>Zwei Nuklide heißen %1.</translation>
    </message>
    <message>
        <source>Every link joins two different members of the chain.</source>
        <translation>Jeder Zerfallsweg verbindet zwei verschiedene Nuklide der Kette.</translation>
    </message>
    <message>
        <source>%1 is stable: it cannot decay to anything.</source>
        <translation>%1 ist stabil: Es kann in nichts zerfallen.</translation>
    </message>
    <message>
        <source>The link from %1 to %2 is there twice.</source>
        <translation>Der Zerfall von %1 in %2 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>The branch fraction from %1 to %2 must be a number from 0 to 1.</source>
        <translation>Das Verzweigungsverhältnis von %1 zu %2 muss eine Zahl von 0 bis 1 sein.</translation>
    </message>
    <message>
        <source>The branch fractions from %1 add up to more than 1.</source>
        <translation>Die Verzweigungsverhältnisse von %1 ergeben zusammen mehr als 1.</translation>
    </message>
    <message>
        <source>%1 is not in the nuclide table.</source>
        <translation>%1 steht nicht in der Nuklidtabelle.</translation>
    </message>
    <message>
        <source>The chain of %1 loops.</source>
        <translation>Die Kette von %1 enthält eine Schleife.</translation>
    </message>
    <message>
        <source>A custom chain has 1 to %1 members.</source>
        <translation>Eine eigene Kette hat 1 bis %1 Nuklide.</translation>
    </message>
    <message>
        <source>The chain has a loop: a member would decay back into itself. Remove one of the links of the loop.</source>
        <translation>Die Kette enthält eine Schleife: Ein Nuklid würde wieder in sich selbst zerfallen. Entfernen Sie einen der Zerfallswege der Schleife.</translation>
    </message>
    <message>
        <source>The initial number of atoms of %1 must be a number from 0 to 1E+30.</source>
        <translation>Die Anfangszahl der Atome von %1 muss eine Zahl von 0 bis 1E+30 sein.</translation>
    </message>
    <message>
        <source>At least one member needs atoms at the start.</source>
        <translation>Mindestens ein Nuklid braucht zu Beginn Atome.</translation>
    </message>
    <message>
        <source>The time step must be a number from 1 ns to 1E+12 y.</source>
        <translation>Der Zeitschritt muss eine Zahl von 1 ns bis 1E+12 a sein.</translation>
    </message>
    <message>
        <source>The number of steps must be a whole number from 1 to %1.</source>
        <translation>Die Anzahl der Schritte muss eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>The milking step must be a whole number from 1 to %1.</source>
        <translation>Der Schritt zum Melken muss eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>Choose the member to milk.</source>
        <translation>Wählen Sie das zu melkende Nuklid.</translation>
    </message>
    <message>
        <source>The random run follows whole atoms: give whole numbers of atoms.</source>
        <translation>Der zufällige Lauf verfolgt ganze Atome: Geben Sie ganze Zahlen von Atomen an.</translation>
    </message>
    <message>
        <source>The efficiency must be a number above %1 and at most %2.</source>
        <translation>Die Nachweiswahrscheinlichkeit muss eine Zahl über %1 und höchstens %2 sein.</translation>
    </message>
    <message>
        <source>The counting interval must be a whole number of steps from %1 to %2.</source>
        <translation>Das Zählintervall muss eine ganze Zahl von Schritten von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The run has no time step to count in.</source>
        <translation>Der Lauf hat keinen Zeitschritt, in dem gezählt werden kann.</translation>
    </message>
    <message>
        <source>The run has no steps to count.</source>
        <translation>Der Lauf hat keine Schritte zum Zählen.</translation>
    </message>
    <message>
        <source>The counter&apos;s settings are out of range.</source>
        <translation>Die Einstellungen des Zählers liegen außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The run holds a step with no count of decays or activity.</source>
        <translation>Der Lauf enthält einen Schritt ohne Zahl der Zerfälle oder Aktivität.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; a measurement&apos;s counts take far less.</source>
        <translation>Die Datei ist größer als %1 MB; die Impulse einer Messung brauchen weit weniger.</translation>
    </message>
    <message>
        <source>The file holds the counts of one interval only; a half-life needs two or more.</source>
        <translation>Die Datei enthält die Impulse nur eines Intervalls; eine Halbwertszeit braucht zwei oder mehr.</translation>
    </message>
    <message>
        <source>Line %1 has %2 field: each line needs a time and counts, then a background or the end of the interval and a background.</source>
        <translation>Zeile %1 hat %2 Feld: Jede Zeile braucht eine Zeit und Impulse, dann einen Nulleffekt oder das Ende des Intervalls und einen Nulleffekt.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields: each line needs a time and counts, then a background or the end of the interval and a background.</source>
        <translation>Zeile %1 hat %2 Felder: Jede Zeile braucht eine Zeit und Impulse, dann einen Nulleffekt oder das Ende des Intervalls und einen Nulleffekt.</translation>
    </message>
    <message>
        <source>Line %1 is one too many: at most %2 intervals.</source>
        <translation>Zeile %1 ist eine zu viel: höchstens %2 Intervalle.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the counts %3 are not a whole number.</source>
        <translation>Zeile %1, Feld %2: Die Impulse %3 sind keine ganze Zahl.</translation>
    </message>
    <message>
        <source>Line %1: the interval does not end after it starts.</source>
        <translation>Zeile %1: Das Intervall endet nicht nach seinem Beginn.</translation>
    </message>
    <message>
        <source>Line %1: the interval starts before the one before it ends.</source>
        <translation>Zeile %1: Das Intervall beginnt, bevor das vorige endet.</translation>
    </message>
    <message>
        <source>Line %1: the time does not come after the time before it.</source>
        <translation>Zeile %1: Die Zeit folgt nicht auf die Zeit davor.</translation>
    </message>
    <message>
        <source>Poisson maximum likelihood</source>
        <translation>Poisson-Maximum-Likelihood</translation>
    </message>
    <message>
        <source>A half-life needs the counts of two intervals or more.</source>
        <translation>Eine Halbwertszeit braucht die Impulse von zwei oder mehr Intervallen.</translation>
    </message>
    <message>
        <source>The counts show no decay that a half-life could be fitted to.</source>
        <translation>Die Impulse zeigen keinen Zerfall, aus dem sich per Fit eine Halbwertszeit bestimmen ließe.</translation>
    </message>
    <message>
        <source>The counts show too little decay for a half-life: its uncertainty would be more than half of it.</source>
        <translation>Die Impulse zeigen zu wenig Zerfall für eine Halbwertszeit: Ihre Unsicherheit wäre mehr als die Hälfte von ihr.</translation>
    </message>
    <message>
        <source>Member %1 needs a name of 1 to %2 characters.</source>
        <translation>Nuklid %1 braucht einen Namen aus 1 bis %2 Zeichen.</translation>
    </message>
    <message>
        <source>The half-life of %1 must be a number from %2 s to %3 y; leave it empty for a stable member.</source>
        <translation>Die Halbwertszeit von %1 muss eine Zahl von %2 s bis %3 a sein; für ein stabiles Nuklid bleibt sie leer.</translation>
    </message>
    <message>
        <source>The background must be a number of events per second from %1 to %2.</source>
        <translation>Die Nullrate muss eine Zahl von Ereignissen pro Sekunde von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>A random run&apos;s decays must be whole numbers.</source>
        <translation>Die Zerfälle eines zufälligen Laufs müssen ganze Zahlen sein.</translation>
    </message>
    <message>
        <source>The sample is too active to count: the run would bring more than %1 counts. Take fewer atoms or a lower efficiency.</source>
        <translation>Die Probe ist zu aktiv zum Zählen: Der Lauf brächte mehr als %1 Impulse. Nehmen Sie weniger Atome oder eine kleinere Nachweiswahrscheinlichkeit.</translation>
    </message>
    <message>
        <source>The background counting time must be a number of seconds from %1 to %2.</source>
        <translation>Die Messzeit des Nulleffekts muss eine Zahl von Sekunden von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the time %3 is not from %4 to %5.</source>
        <translation>Zeile %1, Feld %2: Die Zeit %3 liegt nicht zwischen %4 und %5.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is not a count from %4 to %5.</source>
        <translation>Zeile %1, Feld %2: %3 ist keine Impulszahl von %4 bis %5.</translation>
    </message>
    <message>
        <source>The carbon must be a number of grams from %1 to %2.</source>
        <translation>Der Kohlenstoff muss eine Zahl von Gramm von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The age must be a number of years from %1 to %2, or empty for a hidden one.</source>
        <translation>Das Alter muss eine Zahl von Jahren von %1 bis %2 sein, oder leer für ein verborgenes.</translation>
    </message>
    <message>
        <source>The counting time must be a number of minutes from %1 to %2.</source>
        <translation>Die Messzeit muss eine Zahl von Minuten von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>%1 may also decay by %2 (%3); without a measured share it is left out of the chain.</source>
        <translation>%1 kann auch durch %2 zerfallen (%3); ohne gemessenes Verzweigungsverhältnis bleibt dieser Zweig außerhalb der Kette.</translation>
    </message>
    <message>
        <source>%1 fissions (%2) in %3 % of its decays; the fission products leave the chain.</source>
        <translation>%1 spaltet sich (%2) bei %3 % seiner Zerfälle; die Spaltprodukte verlassen die Kette.</translation>
    </message>
    <message>
        <source>%1 decays by %2 in %3 % of its decays into more than one nucleus, which leave the chain.</source>
        <translation>%1 zerfällt bei %3 % seiner Zerfälle durch %2 in mehr als einen Kern; diese verlassen die Kette.</translation>
    </message>
    <message>
        <source>%1 → %2 (%3, %4 %) is below the branch threshold of %5 % and left out.</source>
        <translation>%1 → %2 (%3, %4 %) liegt unter der Schwelle für Zweige von %5 % und bleibt weg.</translation>
    </message>
    <message>
        <source>%1 → %2 (%3, %4 %) leaves the chain: %2 is not in the nuclide table.</source>
        <translation>%1 → %2 (%3, %4 %) verlässt die Kette: %2 steht nicht in der Nuklidtabelle.</translation>
    </message>
    <message>
        <source>The chain of %1 has more members than the %2 a run can take; these, which the fewest atoms reach, are left out: %3.</source>
        <translation>Die Kette von %1 hat mehr Nuklide als die %2, die ein Lauf aufnehmen kann; diese, die die wenigsten Atome erreichen, bleiben weg: %3.</translation>
    </message>
    <message>
        <source>The branch threshold must be a number of percent from %1 to %2.</source>
        <translation>Die Schwelle für Zweige muss eine Zahl in Prozent von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The first time must be a number from 1 ns to 1E+12 y.</source>
        <translation>Der erste Zeitpunkt muss eine Zahl von 1 ns bis 1E+12 a sein.</translation>
    </message>
    <message>
        <source>The last time must be after the first time, at most 1E+12 y.</source>
        <translation>Der letzte Zeitpunkt muss nach dem ersten liegen, höchstens bei 1E+12 a.</translation>
    </message>
    <message>
        <source>The points per decade must be a whole number from 1 to %1.</source>
        <translation>Die Punkte je Dekade müssen eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>The grid has more than %1 steps: take fewer points per decade or a shorter span.</source>
        <translation>Das Zeitraster hat mehr als %1 Schritte: weniger Punkte je Dekade oder eine kürzere Spanne wählen.</translation>
    </message>
    <message>
        <source>The grid&apos;s steps must be at least 1 ns: take fewer points per decade or a later first time.</source>
        <translation>Die Schritte des Zeitrasters müssen mindestens 1 ns lang sein: weniger Punkte je Dekade oder einen späteren ersten Zeitpunkt wählen.</translation>
    </message>
    <message>
        <source>The initial amount of %1 must be a number of at least 0.</source>
        <translation>Die Anfangsmenge von %1 muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>%1 has no molar mass here: give its amount in atoms.</source>
        <translation>%1 hat hier keine molare Masse: die Menge bitte in Atomen angeben.</translation>
    </message>
    <message>
        <source>%1 is stable and has no activity: give its amount in atoms or grams.</source>
        <translation>%1 ist stabil und hat keine Aktivität: die Menge bitte in Atomen oder Gramm angeben.</translation>
    </message>
    <message>
        <source>The initial amount of %1 is more than 1E+30 atoms.</source>
        <translation>Die Anfangsmenge von %1 ist größer als 1E+30 Atome.</translation>
    </message>
    <message>
        <source>Weighted least squares on the counts</source>
        <translation>Gewichtete kleinste Quadrate auf die Impulse</translation>
    </message>
    <message>
        <source>The net counts are below the critical level of this counting time: the sample is older than the age at its detection limit (95 %).</source>
        <translation>Die Netto-Impulse liegen unter der Erkennungsgrenze dieser Messzeit: Die Probe ist älter als das Alter an ihrer Nachweisgrenze (95 %).</translation>
    </message>
    <message>
        <source>Silver-110 (Ag-110)</source>
        <translation>Silber-110 (Ag-110)</translation>
    </message>
    <message>
        <source>Silver-108 (Ag-108)</source>
        <translation>Silber-108 (Ag-108)</translation>
    </message>
    <message>
        <source>The activation time must be a number of seconds from %1 to %2.</source>
        <translation>Die Aktivierungszeit muss eine Zahl von Sekunden von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The dead time must be a number of microseconds from %1 to %2.</source>
        <translation>Die Totzeit muss eine Zahl von Mikrosekunden von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The chain counted</source>
        <translation>Die gezählte Zerfallsreihe</translation>
    </message>
    <message>
        <source>Two half-lives need the counts of four intervals or more.</source>
        <translation>Zwei Halbwertszeiten brauchen die Impulse von vier Intervallen oder mehr.</translation>
    </message>
    <message>
        <source>The counts are not those of the chain counted, so the chain cannot be fitted to them.</source>
        <translation>Die Impulse stammen nicht von der gezählten Zerfallsreihe, daher kann die Reihe nicht an sie angepasst werden.</translation>
    </message>
    <message>
        <source>The number of counts must be a whole number from %1 to %2.</source>
        <translation>Die Anzahl der Zählungen muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The count rate must be a number of events per second above %1 and at most %2.</source>
        <translation>Die Zählrate muss eine Zahl von Ereignissen pro Sekunde über %1 und höchstens %2 sein.</translation>
    </message>
    <message>
        <source>The counting interval must be a number of seconds from %1 to %2.</source>
        <translation>Das Zählintervall muss eine Zahl von Sekunden von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>An interval would bring more than %1 counts; count for less time.</source>
        <translation>Ein Intervall brächte mehr als %1 Impulse; zählen Sie kürzer.</translation>
    </message>
    <message>
        <source>One nuclide</source>
        <translation>Ein Nuklid</translation>
    </message>
    <message>
        <source>Two nuclides</source>
        <translation>Zwei Nuklide</translation>
    </message>
    <message>
        <source>branches below %2 %: %1</source>
        <extracomment>%1 a count, %2 the branch threshold in percent</extracomment>
        <translation>Zweige unter %2 %: %1</translation>
    </message>
    <message>
        <source>decays that leave the chain: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>Zerfälle, die die Kette verlassen: %1</translation>
    </message>
    <message>
        <source>modes without a measured share: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>Zerfallsarten ohne gemessenen Anteil: %1</translation>
    </message>
    <message>
        <source>members beyond what a run can take: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>Nuklide über das hinaus, was ein Lauf aufnehmen kann: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 to %4 the kinds of notes with their counts</extracomment>
        <translation>Weggelassen: %1.</translation>
    </message>
    <message>
        <source>Left out: %1; %2.</source>
        <translation>Weggelassen: %1; %2.</translation>
    </message>
    <message>
        <source>Left out: %1; %2; %3.</source>
        <translation>Weggelassen: %1; %2; %3.</translation>
    </message>
    <message>
        <source>Left out: %1; %2; %3; %4.</source>
        <translation>Weggelassen: %1; %2; %3; %4.</translation>
    </message>
    <message>
        <source>Take %1 points per decade</source>
        <translation>%1 Punkte je Dekade nehmen</translation>
    </message>
    <message>
        <source>Take %1 steps of %2 %3</source>
        <translation>%1 Schritte zu %2 %3 nehmen</translation>
    </message>
    <message>
        <source>Take an efficiency of %1</source>
        <translation>Nachweiswahrscheinlichkeit %1 nehmen</translation>
    </message>
    <message>
        <source>Count for %1 s</source>
        <translation>%1 s lang zählen</translation>
    </message>
    <message>
        <source>The hand-in %1 cannot be read: %2</source>
        <translation>Die Abgabe %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>it was made by a later version of Atomdrift, in hand-in format %1; this version reads formats up to %2.</source>
        <translation>Sie stammt aus einer neueren Version von Atomdrift, im Abgabeformat %1; diese Version liest Formate bis %2.</translation>
    </message>
    <message>
        <source>it has no checksum.</source>
        <translation>Die Datei hat keine Prüfsumme.</translation>
    </message>
    <message>
        <source>its checksum does not match its contents: it was damaged or changed.</source>
        <translation>Die Prüfsumme passt nicht zum Inhalt: Die Datei wurde beschädigt oder verändert.</translation>
    </message>
    <message>
        <source>%1 answers another lesson (“%2”).</source>
        <translation>%1 beantwortet eine andere Lektion („%2“).</translation>
    </message>
    <message>
        <source>The seed of %1 is not the one the lesson gives %2: the file was changed.</source>
        <translation>Der Startwert von %1 ist nicht der, den die Lektion %2 gibt: Die Datei wurde verändert.</translation>
    </message>
    <message>
        <source>%1 answers a step the lesson does not have.</source>
        <translation>%1 beantwortet einen Schritt, den die Lektion nicht hat.</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>step, number, choice or text</source>
        <translation>step, number, choice oder text</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>a whole number from 0 to 18446744073709551615</source>
        <translation>eine ganze Zahl von 0 bis 18446744073709551615</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>unbeantwortet</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>eingesammelt</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Bewertet</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Bewertung %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Erwartet %1</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>Die Lektion %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>the link is damaged or cut short.</source>
        <translation>Der Link ist beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>the text is no link to a lesson.</source>
        <translation>Der Text ist kein Link zu einer Lektion.</translation>
    </message>
    <message>
        <source>%1 needs a text in its first language.</source>
        <translation>%1 braucht einen Text in seiner ersten Sprache.</translation>
    </message>
    <message>
        <source>The part “%1” has no entry %2.</source>
        <translation>Der Teil „%1“ hat keinen Eintrag %2.</translation>
    </message>
    <message>
        <source>%1 should be true or false, not “%2”.</source>
        <translation>%1 sollte true oder false sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 should be a number written with a point, not “%2”.</source>
        <translation>%1 sollte eine mit Punkt geschriebene Zahl sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4 the lesson allows.</source>
        <translation>%1 ist %2, außerhalb des Bereichs %3 bis %4, den die Lektion erlaubt.</translation>
    </message>
    <message>
        <source>%1 needs one of its items, not an empty text.</source>
        <translation>%1 braucht einen seiner Einträge, keinen leeren Text.</translation>
    </message>
    <message>
        <source>%1 should be one of %2, not “%3”.</source>
        <translation>%1 sollte eines von %2 sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>The decay run&apos;s windows cannot lock, hide or limit %1: a lesson gives them entries and steps only.</source>
        <translation>Die Fenster des Zerfallslaufs können %1 nicht sperren, verbergen oder begrenzen: Eine Lektion gibt ihnen nur Eingaben und Schritte vor.</translation>
    </message>
    <message>
        <source>The part “%1” has no control %2.</source>
        <translation>Der Teil „%1“ hat kein Bedienelement %2.</translation>
    </message>
    <message>
        <source>%1 takes no range: only number entries do.</source>
        <translation>%1 erlaubt keinen Bereich: Das können nur Zahlenfelder.</translation>
    </message>
    <message>
        <source>The range of %1 needs a minimum no larger than its maximum.</source>
        <translation>Der Bereich von %1 braucht ein Minimum, das nicht größer als sein Maximum ist.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>%1 needs a tolerance above 0.</source>
        <translation>%1 braucht eine Toleranz über 0.</translation>
    </message>
    <message>
        <source>%1 needs the number it expects, or a quantity of the student&apos;s run.</source>
        <translation>%1 braucht die erwartete Zahl oder eine Größe aus dem Lauf des Schülers.</translation>
    </message>
    <message>
        <source>%1 expects a number that is not finite.</source>
        <translation>%1 erwartet eine Zahl, die nicht endlich ist.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 needs at least two choices.</source>
        <translation>%1 braucht mindestens zwei Antworten zur Auswahl.</translation>
    </message>
    <message>
        <source>%1 expects a choice it does not offer.</source>
        <translation>%1 erwartet eine Antwort, die er nicht zur Auswahl stellt.</translation>
    </message>
    <message>
        <source>Decay run</source>
        <translation>Zerfallslauf</translation>
    </message>
    <message>
        <source>Class experiment</source>
        <translation>Klassenexperiment</translation>
    </message>
    <message>
        <source>Nuclide lab</source>
        <translation>Nuklidlabor</translation>
    </message>
    <message>
        <source>Counting lab</source>
        <translation>Zähllabor</translation>
    </message>
    <message>
        <source>The lesson&apos;s id should be 16 hexadecimal digits, not “%1”.</source>
        <translation>Die ID der Lektion sollte aus 16 Hexadezimalziffern bestehen, nicht „%1“.</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <source>it was made by a later version of Atomdrift, in lesson format %1; this version reads formats up to %2.</source>
        <translation>Sie stammt aus einer neueren Version von Atomdrift, im Lektionsformat %1; diese Version liest Formate bis %2.</translation>
    </message>
    <message>
        <source>a text in one or more languages</source>
        <translation>ein Text in einer oder mehreren Sprachen</translation>
    </message>
    <message>
        <source>one of the languages en, de, fr and es</source>
        <translation>eine der Sprachen en, de, fr und es</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>number, choice, text or readOff</source>
        <translation>number, choice, text oder readOff</translation>
    </message>
    <message>
        <source>relative or absolute</source>
        <translation>relative oder absolute</translation>
    </message>
    <message>
        <source>open, locked, hidden or a range</source>
        <translation>open, locked, hidden oder ein Bereich</translation>
    </message>
    <message>
        <source>shared or perStudent</source>
        <translation>shared oder perStudent</translation>
    </message>
    <message>
        <source>policy or value</source>
        <translation>policy oder value</translation>
    </message>
    <message>
        <source>answers or data</source>
        <translation>answers oder data</translation>
    </message>
    <message>
        <source>run, experiment, nuclides or counting</source>
        <translation>run, experiment, nuclides oder counting</translation>
    </message>
    <message>
        <source>This lesson takes values from %1 to %2 here, and %3 is outside them.</source>
        <translation>Diese Lektion erlaubt hier Werte von %1 bis %2, und %3 liegt außerhalb.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far larger than any it could be.</source>
        <translation>Sie ist größer als %1 MB, weit größer, als sie je sein könnte.</translation>
    </message>
    <message>
        <source>its lists and objects nest deeper than %1 levels.</source>
        <translation>Listen und Objekte sind darin tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>it is not a complete JSON document; it may be damaged or cut short.</source>
        <translation>Sie ist kein vollständiges JSON-Dokument; vielleicht ist sie beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>it is a JSON document, but not one of Atomdrift&apos;s: it has no key “%1”.</source>
        <translation>Sie ist ein JSON-Dokument, aber keines von Atomdrift: Es fehlt der Schlüssel „%1“.</translation>
    </message>
    <message>
        <source>its format version “%1” is not a whole number from 1.</source>
        <translation>Die Formatversion „%1“ ist keine ganze Zahl ab 1.</translation>
    </message>
    <message>
        <source>the entry “%1” should be %2.</source>
        <translation>Der Eintrag „%1“ sollte %2 sein.</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a finite number</source>
        <translation>eine endliche Zahl</translation>
    </message>
    <message>
        <source>a whole number in its range</source>
        <translation>eine ganze Zahl in ihrem Bereich</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>%1 is “%2”, which the decay run would replace on Enter.</source>
        <translation>%1 ist „%2“; das würde der Zerfallslauf bei Enter ersetzen.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Not right yet: look again and try once more.</source>
        <translation>Noch nicht richtig: Schau noch einmal hin und versuche es erneut.</translation>
    </message>
    <message>
        <source>Your answer is kept for your teacher.</source>
        <translation>Deine Antwort wird für deine Lehrkraft aufbewahrt.</translation>
    </message>
    <message>
        <source>This answer cannot be checked here: %1</source>
        <translation>Diese Antwort lässt sich hier nicht prüfen: %1</translation>
    </message>
    <message>
        <source>Atomdrift knows no quantity “%1”.</source>
        <translation>Atomdrift kennt keine Größe „%1“.</translation>
    </message>
    <message>
        <source>the part “%1” has no quantity “%2”.</source>
        <translation>Der Teil „%1“ hat keine Größe „%2“.</translation>
    </message>
    <message>
        <source>the quantity “%1” needs its “%2”.</source>
        <translation>Die Größe „%1“ braucht die Angabe „%2“.</translation>
    </message>
    <message>
        <source>the step of “%1” should be a whole number from 0.</source>
        <translation>Der Schritt von „%1“ sollte eine ganze Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>The nuclide table is not loaded.</source>
        <translation>Die Nuklidtabelle ist nicht geladen.</translation>
    </message>
    <message>
        <source>The lesson&apos;s chain cannot be made from the table.</source>
        <translation>Die Kette der Lektion lässt sich nicht aus der Tabelle bilden.</translation>
    </message>
    <message>
        <source>The lesson&apos;s run cannot be made from its set-up.</source>
        <translation>Der Lauf der Lektion lässt sich mit ihren Einstellungen nicht simulieren.</translation>
    </message>
    <message>
        <source>The lesson has no such step.</source>
        <translation>Die Lektion hat keinen solchen Schritt.</translation>
    </message>
    <message>
        <source>The table has no nuclide %1.</source>
        <translation>Die Tabelle hat kein Nuklid %1.</translation>
    </message>
    <message>
        <source>%1 is stable and has no half-life.</source>
        <translation>%1 ist stabil und hat keine Halbwertszeit.</translation>
    </message>
    <message>
        <source>The lesson&apos;s chain has no member %1.</source>
        <translation>Die Kette der Lektion hat kein Nuklid %1.</translation>
    </message>
    <message>
        <source>%1 comes into no equilibrium with %2.</source>
        <translation>%1 kommt mit %2 in kein Gleichgewicht.</translation>
    </message>
    <message>
        <source>The run ends at step %1, before step %2.</source>
        <translation>Der Lauf endet bei Schritt %1, vor Schritt %2.</translation>
    </message>
    <message>
        <source>The activity of %1 has no peak in this run.</source>
        <translation>Die Aktivität von %1 hat in diesem Lauf kein Maximum.</translation>
    </message>
    <message>
        <source>The counts of this run give no fit.</source>
        <translation>Die Impulse dieses Laufs ergeben keinen Fit.</translation>
    </message>
    <message>
        <source>A rate of 0 has no half-life.</source>
        <translation>Bei einer Zerfallskonstante von 0 gibt es keine Halbwertszeit.</translation>
    </message>
    <message>
        <source>No run of the class gives that half-life.</source>
        <translation>Kein Lauf der Klasse ergibt diese Halbwertszeit.</translation>
    </message>
    <message>
        <source>A time needs a time unit, not “%1”.</source>
        <translation>Eine Zeit braucht eine Zeiteinheit, nicht „%1“.</translation>
    </message>
    <message>
        <source>The atoms left at a step of the student&apos;s random run</source>
        <translation>Die Atome, die im zufälligen Lauf des Schülers bei einem Schritt übrig sind</translation>
    </message>
    <message>
        <source>N0·e^(−r·t) at a step</source>
        <translation>N0·e^(−r·t) bei einem Schritt</translation>
    </message>
    <message>
        <source>ln 2 / r, the half-life in steps</source>
        <translation>ln 2 / r, die Halbwertszeit in Schritten</translation>
    </message>
    <message>
        <source>The class&apos;s mean number of atoms at a step</source>
        <translation>Die mittlere Zahl der Atome der Klasse bei einem Schritt</translation>
    </message>
    <message>
        <source>The class&apos;s mean half-life where N first falls to N0/2</source>
        <translation>Die mittlere Halbwertszeit der Klasse, bei der N erstmals auf N0/2 fällt</translation>
    </message>
    <message>
        <source>The class&apos;s mean half-life from the slope of ln N</source>
        <translation>Die mittlere Halbwertszeit der Klasse aus der Steigung von ln N</translation>
    </message>
    <message>
        <source>A nuclide&apos;s half-life in the table</source>
        <translation>Die Halbwertszeit eines Nuklids laut Tabelle</translation>
    </message>
    <message>
        <source>The activity of a daughter over that of a member before it, once in equilibrium</source>
        <translation>Das Aktivitätsverhältnis einer Tochter zu einem Nuklid vor ihr, sobald Gleichgewicht herrscht</translation>
    </message>
    <message>
        <source>The atoms of a member at a step of the exact run</source>
        <translation>Die Atome eines Nuklids bei einem Schritt des exakten Laufs</translation>
    </message>
    <message>
        <source>When the activity of a member peaks, in the exact run</source>
        <translation>Wann die Aktivität eines Nuklids im exakten Lauf ihr Maximum erreicht</translation>
    </message>
    <message>
        <source>The half-life fitted to the student&apos;s counts</source>
        <translation>Die per Fit aus den Impulsen des Schülers bestimmte Halbwertszeit</translation>
    </message>
    <message>
        <source>The background rate the student measured, per second</source>
        <translation>Die vom Schüler gemessene Nullrate, je Sekunde</translation>
    </message>
    <message>
        <source>The age of the student&apos;s carbon sample from its first count</source>
        <translation>Das Alter der Kohlenstoffprobe des Schülers aus ihrer ersten Zählung</translation>
    </message>
    <message>
        <source>The true age of the student&apos;s carbon sample</source>
        <translation>Das wahre Alter der Kohlenstoffprobe des Schülers</translation>
    </message>
    <message>
        <source>Make a random run first: its atoms are shown here.</source>
        <translation>Simulieren Sie zuerst einen zufälligen Lauf: Seine Atome werden hier gezeigt.</translation>
    </message>
    <message>
        <source>Only the atoms of a random run can be shown.</source>
        <translation>Nur die Atome eines zufälligen Laufs lassen sich zeigen.</translation>
    </message>
    <message>
        <source>The run has no atoms to show.</source>
        <translation>Der Lauf hat keine Atome, die sich zeigen ließen.</translation>
    </message>
    <message>
        <source>The atoms can be shown one by one for runs of at most %1 atoms.</source>
        <translation>Einzeln zeigen lassen sich die Atome nur bei Läufen mit höchstens %1 Atomen.</translation>
    </message>
    <message>
        <source>The atoms can be shown one by one for runs of at most %1 steps.</source>
        <translation>Einzeln zeigen lassen sich die Atome nur bei Läufen mit höchstens %1 Schritten.</translation>
    </message>
    <message>
        <source>The run&apos;s numbers of atoms and their moves do not agree.</source>
        <translation>Die Atomzahlen des Laufs und ihre Übergänge passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Not yet decayed</source>
        <translation>Noch nicht zerfallen</translation>
    </message>
    <message>
        <source>Decayed</source>
        <translation>Zerfallen</translation>
    </message>
    <message>
        <source>Left the chain</source>
        <translation>Kette verlassen</translation>
    </message>
    <message>
        <source>Taken away</source>
        <translation>Entnommen</translation>
    </message>
    <message>
        <source>Atoms left, each as a fraction of its start</source>
        <translation>Übrige Atome, jeweils als Bruchteil ihrer Anfangszahl</translation>
    </message>
    <message>
        <source>N(t) / N(0)</source>
        <translation>N(t) / N(0)</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <translation>Zeit (Schritte)</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Zeit (%1)</translation>
    </message>
    <message>
        <source>Whole sample: %1 atoms</source>
        <translation>Ganze Probe: %1 Atome</translation>
    </message>
    <message>
        <source>Patch %1: %2 atoms</source>
        <translation>Teilprobe %1: %2 Atome</translation>
    </message>
    <message>
        <source>Expected spread of patch 1</source>
        <translation>Erwartete Streuung der Teilprobe 1</translation>
    </message>
    <message>
        <source>Expected spread of patch 2</source>
        <translation>Erwartete Streuung der Teilprobe 2</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>t = %1: %2 of %3 atoms left, %4 half-lives</source>
        <translation>t = %1: %2 von %3 Atomen übrig, %4 Halbwertszeiten</translation>
    </message>
    <message>
        <source>t = %1: %2 of %3 atoms left</source>
        <translation>t = %1: %2 von %3 Atomen übrig</translation>
    </message>
    <message>
        <source>t = %1 %2: %3 of %4 atoms of %5 left, %6 half-lives</source>
        <translation>t = %1 %2: %3 von %4 Atomen von %5 übrig, %6 Halbwertszeiten</translation>
    </message>
    <message>
        <source>t = %1 %2: %3 of %4 atoms of %5 left</source>
        <translation>t = %1 %2: %3 von %4 Atomen von %5 übrig</translation>
    </message>
    <message>
        <source>%1; patch: %2 of %3</source>
        <translation>%1; Teilprobe: %2 von %3</translation>
    </message>
    <message>
        <source>%1; patch %2: %3 of %4</source>
        <translation>%1; Teilprobe %2: %3 von %4</translation>
    </message>
    <message>
        <source>%1; detector: %2 decays in this step, efficiency %3 %</source>
        <translation>%1; Detektor: %2 Zerfälle in diesem Schritt, Nachweiswahrscheinlichkeit %3 %</translation>
    </message>
    <message>
        <source>The hold-off is the counting chain&apos;s dead time: after each pulse nothing is counted for %1 ms (non-paralysable), so at n counts a second a share n·τ of them is lost, which the lab corrects.</source>
        <translation>Die Sperrzeit ist die Totzeit der Messkette: Nach jedem Impuls wird τ = %1 ms lang nichts gezählt (nicht paralysierbar); bei n gezählten Impulsen pro Sekunde geht daher der Bruchteil n·τ der eintreffenden Impulse verloren, was das Labor korrigiert.</translation>
    </message>
    <message>
        <source>%1 pulses in %2 s: %3 a second.</source>
        <translation>%1 Impulse in %2 s: %3 pro Sekunde.</translation>
    </message>
    <message>
        <source>The browser left its sound processing on (%1): pulses may be distorted or missed.</source>
        <translation>Der Browser hat seine Audioverarbeitung eingeschaltet gelassen (%1): Impulse können verzerrt oder übersehen werden.</translation>
    </message>
    <message>
        <source>The input seems to be processed (automatic gain or noise suppression): turn that off in the system&apos;s sound settings.</source>
        <translation>Das Eingangssignal scheint bearbeitet zu werden (automatische Verstärkungsregelung oder Rauschunterdrückung): Schalten Sie das in den Audioeinstellungen des Systems aus.</translation>
    </message>
    <message>
        <source>%1 samples were at full scale: turn the input level down.</source>
        <translation>%1 Abtastwerte lagen an der Aussteuerungsgrenze: Regeln Sie den Eingangspegel herunter.</translation>
    </message>
    <message>
        <source>%1 s of the input were lost in %2 dropped buffers: no pulse could be counted then, and the intervals they touch are left out.</source>
        <translation>%1 s des Eingangssignals gingen in %2 verworfenen Puffern verloren: In dieser Zeit konnte kein Impuls gezählt werden, und die davon berührten Intervalle bleiben weg.</translation>
    </message>
    <message>
        <source>The sample counts as more active than modern carbon of its mass. Carbon that grew after 1950 is; otherwise the net counts rose above the background by chance, or the carbon or the efficiency is not the sample&apos;s.</source>
        <translation>Die Probe zählt als aktiver als heutiger Kohlenstoff gleicher Masse. Kohlenstoff, der nach 1950 gewachsen ist, ist das; sonst lagen die Nettoimpulse durch Zufall über dem Nulleffekt, oder der Kohlenstoff oder die Nachweiswahrscheinlichkeit gehören nicht zu dieser Probe.</translation>
    </message>
    <message>
        <source>Count the sample with the real counter first (listen, then stop, or open a recording), then date it.</source>
        <translation>Zählen Sie die Probe zuerst mit dem echten Zähler (abhören, dann stoppen, oder eine Aufnahme öffnen), dann datieren Sie sie.</translation>
    </message>
    <message>
        <source>Count the background with the real counter too: listen with the sample away, stop, and take the counts as the background.</source>
        <translation>Zählen Sie auch den Nulleffekt mit dem echten Zähler: ohne Probe abhören, stoppen und die Impulse als Nulleffekt übernehmen.</translation>
    </message>
    <message>
        <source>The background and the sample are the same recording: count the sample in its place, then date it.</source>
        <translation>Nulleffekt und Probe sind dieselbe Aufnahme: Zählen Sie die Probe an ihrem Platz, dann datieren Sie sie.</translation>
    </message>
    <message>
        <source>The recording or the background lasted no time at all.</source>
        <translation>Die Aufnahme oder der Nulleffekt dauerte überhaupt keine Zeit.</translation>
    </message>
</context>
<context>
    <name>NuclideChart</name>
    <message>
        <source>Chart of nuclides</source>
        <translation>Nuklidkarte</translation>
    </message>
    <message>
        <source>Find nuclide:</source>
        <translation>Nuklid suchen:</translation>
    </message>
    <message>
        <source>U-238, 238U or uranium 238</source>
        <translation>U-238, 238U oder Uran 238</translation>
    </message>
    <message>
        <source>Colour by:</source>
        <translation>Färben nach:</translation>
    </message>
    <message>
        <source>Main decay mode</source>
        <translation>Hauptzerfallsart</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Karte oder Tabelle</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Data: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi and G. Audi, Chinese Physics C 45, 030001 (2021), under the CC BY 3.0 licence.</source>
        <translation>Daten: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi und G. Audi, Chinese Physics C 45, 030001 (2021), unter der Lizenz CC BY 3.0.</translation>
    </message>
    <message>
        <source>Show chain in the lab</source>
        <translation>Kette im Labor zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Nuclides</source>
        <translation>Nuklide</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nuklid</translation>
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
        <translation>Spin und Parität</translation>
    </message>
    <message>
        <source>Decay modes</source>
        <translation>Zerfallsarten</translation>
    </message>
    <message>
        <source>No nuclide of the table is called &quot;%1&quot;.</source>
        <translation>Kein Nuklid der Tabelle heißt „%1“.</translation>
    </message>
    <message>
        <source>%1 is stable: it has no chain.</source>
        <translation>%1 ist stabil: Es hat keine Kette.</translation>
    </message>
    <message>
        <source>Left out of the chain: %1</source>
        <translation>Nicht in der Kette: %1</translation>
    </message>
    <message>
        <source>The chart shows N %1 to %2 and Z %3 to %4, coloured by %5: %6 nuclides, %7 of them stable.</source>
        <extracomment>%1 to %4 the neutron and proton numbers shown, %5 &quot;main decay mode&quot; or &quot;half-life&quot;, %6 and %7 counts.</extracomment>
        <translation>Die Karte zeigt N %1 bis %2 und Z %3 bis %4, gefärbt nach %5: %6 Nuklide, davon %7 stabil.</translation>
    </message>
    <message>
        <source>half-life</source>
        <comment>the chart is coloured by</comment>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <source>main decay mode</source>
        <comment>the chart is coloured by</comment>
        <translation>Hauptzerfallsart</translation>
    </message>
    <message>
        <source>Chosen: %1, half-life %2%3.</source>
        <translation>Gewählt: %1, Halbwertszeit %2%3.</translation>
    </message>
    <message>
        <source>The table lists %1 nuclides.</source>
        <translation>Die Tabelle enthält %1 Nuklide.</translation>
    </message>
</context>
<context>
    <name>NuclideLab</name>
    <message>
        <source>The nuclide table cannot be read (%1); only a custom chain can be run.</source>
        <translation>Die Nuklidtabelle kann nicht gelesen werden (%1); nur eine eigene Kette lässt sich simulieren.</translation>
    </message>
    <message>
        <source>Nuclide lab</source>
        <translation>Nuklidlabor</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Custom chain</source>
        <translation>Eigene Kette</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nuklid</translation>
    </message>
    <message>
        <source>Nuclide:</source>
        <translation>Nuklid:</translation>
    </message>
    <message>
        <source>Members of the chain</source>
        <translation>Nuklide der Kette</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Decays to</source>
        <translation>Tochternuklid</translation>
    </message>
    <message>
        <source>Branch fraction</source>
        <translation>Verzweigungsverhältnis</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Time step:</source>
        <translation>Zeitschritt:</translation>
    </message>
    <message>
        <source>Time unit</source>
        <translation>Zeiteinheit</translation>
    </message>
    <message>
        <source>Number of steps:</source>
        <translation>Anzahl der Schritte:</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Member to milk:</source>
        <translation>Zu melkendes Nuklid:</translation>
    </message>
    <message>
        <source>Milk after step:</source>
        <translation>Melken nach Schritt:</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Melken</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren ...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Atoms N(t)</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Activity A(t)</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Activity ratio</source>
        <translation>Aktivitätsverhältnis</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Log. Skala</translation>
    </message>
    <message>
        <source>Activity unit:</source>
        <translation>Einheit der Aktivität:</translation>
    </message>
    <message>
        <source>Chart of the nuclide lab</source>
        <translation>Grafik des Nuklidlabors</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Type up to five members: a name, a half-life (empty for a stable member), the number of the member it decays to and the branch fraction.</source>
        <translation>Geben Sie bis zu fünf Nuklide ein: einen Namen, eine Halbwertszeit (leer für ein stabiles Nuklid), die Nummer des Nuklids, in das es zerfällt, und das Verzweigungsverhältnis.</translation>
    </message>
    <message>
        <source>Press Exact for the continuous solution or Random for a run atom by atom.</source>
        <translation>Drücken Sie „Exakt“ für die stetige Lösung oder „Zufällig“ für einen Lauf Atom für Atom.</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Tochter</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <source>Unit of member %1</source>
        <translation>Einheit von Nuklid %1</translation>
    </message>
    <message>
        <source>Member %1 decays to &quot;%2&quot;: give the number of a member from 1 to %3, or leave it empty.</source>
        <translation>Nuklid %1 zerfällt in „%2“: Geben Sie die Nummer eines Nuklids von 1 bis %3 an oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>%1 run: %2 steps of %3 %4.</source>
        <translation>Lauf „%1“: %2 Schritte zu je %3 %4.</translation>
    </message>
    <message>
        <source>All %1 milked after step %2.</source>
        <translation>Alles %1 nach Schritt %2 gemolken.</translation>
    </message>
    <message>
        <source>Press Exact or Random to run the chain</source>
        <translation>Drücken Sie „Exakt“ oder „Zufällig“, um die Kette zu simulieren</translation>
    </message>
    <message>
        <source>t [%1]</source>
        <translation>t [%1]</translation>
    </message>
    <message>
        <source>Activity of %1 over that of %2</source>
        <translation>Aktivität von %1 im Verhältnis zu der von %2</translation>
    </message>
    <message>
        <source>A(%1) / A(%2)</source>
        <translation>A(%1) / A(%2)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Aktivitätsverhältnis</translation>
    </message>
    <message>
        <source>Equilibrium</source>
        <translation>Gleichgewicht</translation>
    </message>
    <message>
        <source>No radioactive daughter to compare with its parent</source>
        <translation>Keine radioaktive Tochter, die sich mit ihrer Mutter vergleichen ließe</translation>
    </message>
    <message>
        <source>Activity of every member</source>
        <translation>Aktivität jedes Nuklids</translation>
    </message>
    <message>
        <source>A(t) [%1]</source>
        <translation>A(t) [%1]</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Atoms of every member</source>
        <translation>Atome jedes Nuklids</translation>
    </message>
    <message>
        <source>%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.</source>
        <translation>%1. Waagrecht: %2; senkrecht: %3%4. %5 Reihen zu %6 Punkten von t = 0 bis %7 %8.</translation>
    </message>
    <message>
        <source>, logarithmic</source>
        <translation>, logarithmisch</translation>
    </message>
    <message>
        <source>The chain has no radioactive daughter, so no equilibrium of activities.</source>
        <translation>Die Kette hat keine radioaktive Tochter, also kein Gleichgewicht der Aktivitäten.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Atomdrift %1.csv</source>
        <translation>Atomdrift %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The run was not saved.</source>
        <translation>Der Lauf wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Grafik als Bild speichern</translation>
    </message>
    <message>
        <source>Atomdrift nuclide lab.pdf</source>
        <translation>Atomdrift Nuklidlabor.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Nuclide lab</source>
        <translation>Atomdrift – Nuklidlabor</translation>
    </message>
    <message>
        <source>Chain: %1. %2</source>
        <translation>Kette: %1. %2</translation>
    </message>
    <message>
        <source>Read from the chart the time at which the daughter&apos;s activity is largest. Compare it with ln(λ_B/λ_A)/(λ_B−λ_A).</source>
        <translation>Lies aus der Grafik ab, wann die Aktivität der Tochter am größten ist. Vergleiche mit ln(λ_B/λ_A)/(λ_B−λ_A).</translation>
    </message>
    <message>
        <source>Which kind of equilibrium does the chain reach, and why does the half-life of the parent decide it?</source>
        <translation>Welches Gleichgewicht erreicht die Kette, und warum entscheidet die Halbwertszeit der Mutter darüber?</translation>
    </message>
    <message>
        <source>After milking, how long does the daughter take to grow back to half of its activity before? Which half-life sets that time?</source>
        <translation>Wie lange braucht die Tochter nach dem Melken, bis sie wieder die Hälfte ihrer früheren Aktivität hat? Welche Halbwertszeit bestimmt diese Zeit?</translation>
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
        <translation>Kein Gleichgewicht: %1 ist stabil und hat keine Aktivität.</translation>
    </message>
    <message>
        <source>Counter...</source>
        <translation>Zähler ...</translation>
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
        <translation>Nuklidkarte …</translation>
    </message>
    <message>
        <source>The chain could not be run with these entries.</source>
        <translation>Mit diesen Eingaben lässt sich die Kette nicht simulieren.</translation>
    </message>
    <message>
        <source>Leave out branches below (%):</source>
        <translation>Zweige weglassen unter (%):</translation>
    </message>
    <message>
        <source>Decay mode</source>
        <translation>Zerfallsart</translation>
    </message>
    <message>
        <source>No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing.</source>
        <extracomment>%1 is A(daughter)/A(member upstream).</extracomment>
        <translation>Kein Gleichgewicht: Auf das taktgebende Nuklid folgen ebenso langlebige; daher wächst %1 weiter.</translation>
    </message>
    <message>
        <source>atoms</source>
        <translation>Atomen</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>becquerel</source>
        <translation>Becquerel</translation>
    </message>
    <message>
        <source>Initial amount</source>
        <translation>Anfangsmenge</translation>
    </message>
    <message>
        <source>Time grid:</source>
        <translation>Zeitraster:</translation>
    </message>
    <message>
        <source>uniform</source>
        <translation>gleichmäßig</translation>
    </message>
    <message>
        <source>logarithmic</source>
        <translation>logarithmisch</translation>
    </message>
    <message>
        <source>First time:</source>
        <translation>Erster Zeitpunkt:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Letzter Zeitpunkt:</translation>
    </message>
    <message>
        <source>Points per decade:</source>
        <translation>Punkte je Dekade:</translation>
    </message>
    <message>
        <source>Daughter:</source>
        <translation>Tochter:</translation>
    </message>
    <message>
        <source>Over:</source>
        <translation>Bezug:</translation>
    </message>
    <message>
        <source>%1 run: %2 times on a logarithmic grid from %3 %4 to %5 %6.</source>
        <extracomment>%1 Exact or Random, %2 the number of times, %3 and %4 the first time and its unit, %5 and %6 the last.</extracomment>
        <translation>Lauf „%1“: %2 Zeitpunkte auf einem logarithmischen Raster von %3 %4 bis %5 %6.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The random run was cancelled.</source>
        <translation>Der Zufallslauf wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Ratio expected</source>
        <translation>Aktivitätsverhältnis erwartet</translation>
    </message>
    <message>
        <source>Total expected</source>
        <translation>Summe erwartet</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 erwartet</translation>
    </message>
    <message>
        <source>Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member on its way to %4, so %5 settles at %6.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number.</extracomment>
        <translation>Säkulares Gleichgewicht: %1 (%2 %3) gibt den Takt vor, da es viel länger lebt als jedes Nuklid auf seinem Weg zu %4; daher stellt sich %5 bei %6 ein.</translation>
    </message>
    <message>
        <source>Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number.</extracomment>
        <translation>Laufendes Gleichgewicht: %1 (%2 %3) gibt den Takt vor, da es länger lebt als jedes Nuklid auf seinem Weg zu %4; daher stellt sich %5 bei %6 ein.</translation>
    </message>
    <message>
        <source>Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6; the activity of %7 peaks at %8 %9.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number, %7 the daughter again, %8 and %9 a time and its unit.</extracomment>
        <translation>Laufendes Gleichgewicht: %1 (%2 %3) gibt den Takt vor, da es länger lebt als jedes Nuklid auf seinem Weg zu %4; daher stellt sich %5 bei %6 ein; die Aktivität von %7 ist bei t&#xa0;=&#xa0;%8&#xa0;%9 am größten.</translation>
    </message>
    <message>
        <source>No equilibrium: %1 (%2 %3) lives at least as long as the members before it, so %4 keeps growing.</source>
        <extracomment>%1 the daughter, %2 and %3 its half-life and unit, %4 is A(daughter)/A(member upstream).</extracomment>
        <translation>Kein Gleichgewicht: %1 (%2 %3) lebt mindestens so lange wie die Nuklide vor ihm; daher wächst %4 weiter.</translation>
    </message>
    <message>
        <source>No equilibrium: %1 (%2 %3) lives longer than %4 (%5 %6), so %7 keeps growing.</source>
        <extracomment>%1 the member that sets the pace and %4 the member upstream, each followed by its half-life and unit, %7 is A(daughter)/A(member upstream).</extracomment>
        <translation>Kein Gleichgewicht: %1 (%2 %3) lebt länger als %4 (%5 %6); daher wächst %7 weiter.</translation>
    </message>
    <message>
        <source>Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member after %4 on its way to %5, so %6 settles at %7.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the member upstream compared with, %5 the daughter, %6 is A(daughter)/A(member upstream), %7 a number.</extracomment>
        <translation>Säkulares Gleichgewicht: %1 (%2 %3) gibt den Takt vor, da es viel länger lebt als jedes Nuklid nach %4 auf seinem Weg zu %5; daher stellt sich %6 bei %7 ein.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Amount unit</source>
        <translation>Einheit der Menge</translation>
    </message>
    <message>
        <source>Amount unit of %1</source>
        <translation>Einheit der Menge von %1</translation>
    </message>
    <message>
        <source>Amount unit of member %1</source>
        <translation>Einheit der Menge von Nuklid %1</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades below the top)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (12 Dekaden unter dem oberen Ende abgeschnitten)</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades before the end)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (12 Dekaden vor dem Ende abgeschnitten)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen ...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Lektion erstellen ...</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Atome zeigen ...</translation>
    </message>
</context>
<context>
    <name>NuclideMap</name>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
</context>
<context>
    <name>OpenLesson</name>
    <message>
        <source>Example lessons:</source>
        <translation>Beispiellektionen:</translation>
    </message>
    <message>
        <source>Or paste a lesson&apos;s link:</source>
        <translation>Oder fügen Sie den Link einer Lektion ein:</translation>
    </message>
    <message>
        <source>Open a lesson file...</source>
        <translation>Lektionsdatei öffnen ...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Lessons (*.atomdrift);;All files (*)</source>
        <translation>Lektionen (*.atomdrift);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>from the link</source>
        <translation>aus dem Link</translation>
    </message>
    <message>
        <source>The lesson was not opened.</source>
        <translation>Die Lektion wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>PartControls</name>
    <message>
        <source>locked by the lesson</source>
        <translation>von der Lektion gesperrt</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>The printer %1 cannot take the job.</source>
        <translation>Der Drucker %1 kann den Auftrag nicht annehmen.</translation>
    </message>
    <message>
        <source>The printer %1 did not finish the job.</source>
        <translation>Der Drucker %1 hat den Auftrag nicht beendet.</translation>
    </message>
    <message>
        <source>The page could not be drawn as a PDF document.</source>
        <translation>Die Seite konnte nicht als PDF-Dokument erstellt werden.</translation>
    </message>
    <message>
        <source>Save the page as a PDF file instead?</source>
        <translation>Die Seite stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The page was not saved.</source>
        <translation>Die Seite wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
</context>
<context>
    <name>PulseReader</name>
    <message>
        <source>There is no sound input to listen to.</source>
        <translation>Es ist kein Audioeingang zum Abhören vorhanden.</translation>
    </message>
    <message>
        <source>The sound input cannot be opened.</source>
        <translation>Der Audioeingang lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The sound input stopped; the pulses counted until then are kept.</source>
        <translation>Der Audioeingang liefert nichts mehr; die bis dahin gezählten Impulse bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>     Assuming the half-life a radioactive elements is a year and at the beginning you have 10 atoms, how many atoms left after 4 years? The answer is 0.625 atom.  If the number of atoms must be integer, how can you have 0.625 atom?

      If you use the equation N(t)=N(0)*0.5^t to calculate the number of radioactive atoms after t half-life time intervals, you will certainly encounter this question &quot;Can we have non-integer atoms?&quot;. 

     Half-life is a descriptive method based on statisitics. The decay of radioactive atom is a matter of quantal phenomenon.</source>
        <translation>     Die Halbwertszeit eines radioaktiven Elements sei ein Jahr, und am Anfang hast du 10 Atome. Wie viele Atome sind nach 4 Jahren übrig? Die Antwort lautet 0,625 Atome.  Wenn die Zahl der Atome ganzzahlig sein muss, wie kann man 0,625 Atome haben?

      Wer mit N(t)=N(0)*0,5^t die Zahl der radioaktiven Atome nach t Halbwertszeiten berechnet, stößt sicher auf die Frage: „Gibt es nicht ganzzahlige Atome?“ 

     Die Halbwertszeit ist eine statistische Beschreibung. Der Zerfall eines radioaktiven Atoms ist ein Quantenphänomen.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
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
        <translation>Ein Lehrprogramm zum Zerfall radioaktiver Atome.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Unknown part &quot;%1&quot;. The parts are: %2.</source>
        <translation>Unbekannter Teil „%1“. Die Teile sind: %2.</translation>
    </message>
    <message>
        <source>Opens the program in the given part: %1 (the title window, then the main window; the default), %2 (the class experiment), %3 (the nuclide lab) or %4 (the counting lab).</source>
        <translation>Öffnet das Programm im angegebenen Teil: %1 (das Titelfenster, dann das Hauptfenster; die Voreinstellung), %2 (das Klassenexperiment), %3 (das Nuklidlabor) oder %4 (das Zähllabor).</translation>
    </message>
    <message>
        <source>A lesson (.atomdrift) to open.</source>
        <translation>Eine zu öffnende Lektion (.atomdrift).</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Widmung</translation>
    </message>
    <message>
        <source>Photograph: a quiet lake at dusk</source>
        <translation>Foto: ein stiller See in der Abenddämmerung</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Er ruhe in Frieden</translation>
    </message>
</context>
<context>
    <name>ViewRow</name>
    <message>
        <source>View:</source>
        <translation>Ansicht:</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Parts of Atomdrift</source>
        <translation>Teile von Atomdrift</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Decay run</source>
        <translation>Zerfallslauf</translation>
    </message>
    <message>
        <source>The runs could not be made: %1</source>
        <translation>Die Läufe konnten nicht berechnet werden: %1</translation>
    </message>
    <message>
        <source>Arrows move the chosen nuclide, Ctrl and the arrows pan, + and - zoom, Home shows the whole chart, Enter takes the nuclide into the lab.</source>
        <translation>Die Pfeiltasten bewegen das gewählte Nuklid, Strg und die Pfeiltasten verschieben die Karte, + und - zoomen, Pos1 zeigt die ganze Karte, die Eingabetaste übernimmt das Nuklid ins Labor.</translation>
    </message>
    <message>
        <source>Running the chain atom by atom...</source>
        <translation>Die Kette läuft Atom für Atom...</translation>
    </message>
    <message>
        <source>The random run was cancelled.</source>
        <translation>Der Zufallslauf wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Whole chart</source>
        <translation>Ganze Karte</translation>
    </message>
    <message>
        <source>Atoms of the first member:</source>
        <translation>Atome des ersten Glieds:</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen ...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Lektion erstellen ...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Abgaben einsammeln ...</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Please type a number.</source>
        <translation>Bitte gib eine Zahl ein.</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Deine Antwort:</translation>
    </message>
    <message>
        <source>Value read off the chart (%1):</source>
        <translation>In der Grafik abgelesener Wert (%1):</translation>
    </message>
    <message>
        <source>Value read off the chart:</source>
        <translation>In der Grafik abgelesener Wert:</translation>
    </message>
    <message>
        <source>Your answer (%1):</source>
        <translation>Deine Antwort (%1):</translation>
    </message>
    <message>
        <source>Everyone has the same data (seed %1).</source>
        <translation>Alle haben dieselben Daten (Startwert %1).</translation>
    </message>
    <message>
        <source>Your data come from the seed %1, made from your name.</source>
        <translation>Deine Daten kommen vom Startwert %1, gebildet aus deinem Namen.</translation>
    </message>
    <message>
        <source>Type your name: your data come from it.</source>
        <translation>Gib deinen Namen ein: Deine Daten werden daraus gebildet.</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>Back to the maker</source>
        <translation>Zurück zum Editor</translation>
    </message>
    <message>
        <source>Close lesson</source>
        <translation>Lektion schließen</translation>
    </message>
    <message>
        <source>Preview: the lesson as a student sees it.</source>
        <translation>Vorschau: die Lektion, wie Schüler sie sehen.</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Please type your name first: the hand-in carries it.</source>
        <translation>Bitte gib zuerst deinen Namen ein: Die Abgabe enthält ihn.</translation>
    </message>
    <message>
        <source>The lesson asks for the data of your run: please make the run first.</source>
        <translation>Die Lektion verlangt die Daten deines Laufs: Bitte simuliere zuerst.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>from the link</source>
        <translation>aus dem Link</translation>
    </message>
    <message>
        <source>Lesson file...</source>
        <translation>Lektionsdatei ...</translation>
    </message>
    <message>
        <source>Or drop a lesson file on the page.</source>
        <translation>Oder ziehen Sie eine Lektionsdatei auf die Seite.</translation>
    </message>
    <message>
        <source>Example lessons</source>
        <translation>Beispiellektionen</translation>
    </message>
    <message>
        <source>Lesson link:</source>
        <translation>Link zur Lektion:</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Make lesson</source>
        <translation>Lektion erstellen</translation>
    </message>
    <message>
        <source>The link would be %1 characters long, more than the %2 that mail, chats and learning platforms keep whole. Save the lesson as a file or as a web page instead.</source>
        <translation>Der Link wäre %1 Zeichen lang, mehr als die %2, die E-Mail, Chats und Lernplattformen unversehrt lassen. Speichern Sie die Lektion stattdessen als Datei oder als Webseite.</translation>
    </message>
    <message>
        <source>The link is copied: %1 characters.</source>
        <translation>Der Link ist kopiert: %1 Zeichen.</translation>
    </message>
    <message>
        <source>Copy the link from its field: %1 characters.</source>
        <translation>Kopieren Sie den Link aus seinem Feld: %1 Zeichen.</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Lowest value of %1</source>
        <translation>Kleinster Wert von %1</translation>
    </message>
    <message>
        <source>Highest value of %1</source>
        <translation>Größter Wert von %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Bedienelement</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>For the students</source>
        <translation>Für die Schüler</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienelemente</translation>
    </message>
    <message>
        <source>no question</source>
        <translation>keine Frage</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>multiple choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>free text</source>
        <translation>Freitext</translation>
    </message>
    <message>
        <source>a value read off the chart</source>
        <translation>ein in der Grafik abgelesener Wert</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Expected answer:</source>
        <translation>Erwartete Antwort:</translation>
    </message>
    <message>
        <source>this number</source>
        <translation>diese Zahl</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Zahl:</translation>
    </message>
    <message>
        <source>Of %1:</source>
        <translation>Wert für %1:</translation>
    </message>
    <message>
        <source>Tolerance (%):</source>
        <translation>Toleranz (%):</translation>
    </message>
    <message>
        <source>Or within:</source>
        <translation>Oder absolut (±):</translation>
    </message>
    <message>
        <source>Choices, one a line:</source>
        <translation>Antworten zur Auswahl, eine je Zeile:</translation>
    </message>
    <message>
        <source>Right choice (its number):</source>
        <translation>Richtige Antwort (ihre Nummer):</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Schritt %1 entfernen</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Seed for everyone:</source>
        <translation>Startwert für alle:</translation>
    </message>
    <message>
        <source>Mark answers at once</source>
        <translation>Antworten sofort bewerten</translation>
    </message>
    <message>
        <source>The hand-in carries the answers</source>
        <translation>Die Abgabe enthält die Antworten</translation>
    </message>
    <message>
        <source>The hand-in carries the run&apos;s data file</source>
        <translation>Die Abgabe enthält die Datendatei des Laufs</translation>
    </message>
    <message>
        <source>Lesson link</source>
        <translation>Link zur Lektion</translation>
    </message>
    <message>
        <source>Make lesson: %1</source>
        <translation>Lektion erstellen: %1</translation>
    </message>
    <message>
        <source>Introduction:</source>
        <translation>Einleitung:</translation>
    </message>
    <message>
        <source>The lesson starts the decay run with its entries as they stand now.</source>
        <translation>Die Lektion öffnet den Zerfallslauf mit seinen Eingaben, wie sie jetzt stehen.</translation>
    </message>
    <message>
        <source>Controls: the entries as they stand, and what students may do with them</source>
        <translation>Bedienelemente: die Eingaben, wie sie stehen, und was Schüler damit tun dürfen</translation>
    </message>
    <message>
        <source>Random runs</source>
        <translation>Zufällige Läufe</translation>
    </message>
    <message>
        <source>Each student&apos;s own data, from the name typed</source>
        <translation>Eigene Daten für jeden Schüler, aus dem eingegebenen Namen</translation>
    </message>
    <message>
        <source>The same data for everyone</source>
        <translation>Dieselben Daten für alle</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Lektion speichern ...</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Save lesson as web page</source>
        <translation>Lektion als Webseite speichern</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>unbeantwortet</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>eingesammelt</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Bewertet</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Bewertung %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Erwartet %1</translation>
    </message>
    <message>
        <source>Collect hand-ins</source>
        <translation>Abgaben einsammeln</translation>
    </message>
    <message>
        <source>Open the lesson whose hand-ins you collect first: the marks come from it.</source>
        <translation>Öffnen Sie zuerst die Lektion, deren Abgaben Sie einsammeln: Nach ihr wird bewertet.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>%1 hand-ins marked, %2 refused.</source>
        <translation>Abgaben bewertet: %1, abgelehnt: %2.</translation>
    </message>
    <message>
        <source>%1 runs beyond the class experiment&apos;s 1,000 are left out of the chart.</source>
        <translation>Läufe über die 1000 des Klassenexperiments hinaus, die in der Grafik fehlen: %1.</translation>
    </message>
    <message>
        <source>Choose the hand-ins of the class, or drop them here.</source>
        <translation>Wählen Sie die Abgaben der Klasse, oder ziehen Sie sie hierher.</translation>
    </message>
    <message>
        <source>Collect hand-ins: %1</source>
        <translation>Abgaben einsammeln: %1</translation>
    </message>
    <message>
        <source>Choose hand-ins...</source>
        <translation>Abgaben wählen ...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Atomdrift marks.csv</source>
        <translation>Atomdrift Bewertungen.csv</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Von vorn beginnen</translation>
    </message>
    <message>
        <source>Refused files</source>
        <translation>Abgelehnte Dateien</translation>
    </message>
    <message>
        <source>The class&apos;s runs</source>
        <translation>Die Läufe der Klasse</translation>
    </message>
    <message>
        <source>locked by the lesson</source>
        <translation>von der Lektion gesperrt</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Atome zeigen ...</translation>
    </message>
    <message>
        <source>The atoms</source>
        <translation>Die Atome</translation>
    </message>
    <message>
        <source>The atoms are shown for random runs: make one in the decay run, the class experiment or the nuclide lab.</source>
        <translation>Die Atome werden für zufällige Läufe gezeigt: Simulieren Sie einen im Zerfallslauf, im Klassenexperiment oder im Nuklidlabor.</translation>
    </message>
    <message>
        <source>The atoms, coloured by state</source>
        <translation>Die Atome, nach Zustand gefärbt</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Go to step:</source>
        <translation>Gehe zu Schritt:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Einzelschritt</translation>
    </message>
    <message>
        <source>Drag a detector frame</source>
        <translation>Detektorrahmen aufziehen</translation>
    </message>
    <message>
        <source>Draw round the patch</source>
        <translation>Teilprobe umranden</translation>
    </message>
    <message>
        <source>Clear patches and detector</source>
        <translation>Teilproben und Detektor löschen</translation>
    </message>
    <message>
        <source>Run of the class:</source>
        <translation>Lauf der Klasse:</translation>
    </message>
    <message>
        <source>Drag on the square to choose a patch of atoms; the chart then shows its own curve with the band chance gives a patch of its size.</source>
        <translation>Ziehen Sie über das Quadrat, um eine Teilprobe von Atomen zu wählen; die Grafik zeigt dann ihre eigene Kurve mit dem Streuband, das der Zufall einer Teilprobe dieser Größe lässt.</translation>
    </message>
    <message>
        <source>Detector efficiency: %1 %</source>
        <translation>Nachweiswahrscheinlichkeit des Detektors: %1 %</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Browsers allow the microphone only to pages they trust: a page opened from a file may have to be served (for example with &quot;python3 -m http.server&quot; in its folder), or the counter recorded and the recording opened.</source>
        <translation>Browser geben das Mikrofon nur für Seiten frei, denen sie vertrauen: Eine aus einer Datei geöffnete Seite muss unter Umständen von einem Server ausgeliefert werden (zum Beispiel mit „python3 -m http.server“ in ihrem Ordner), oder Sie nehmen den Zähler auf und öffnen die Aufnahme.</translation>
    </message>
    <message>
        <source>The input stopped (was the device unplugged?). The pulses counted so far are kept.</source>
        <translation>Der Eingang liefert nichts mehr (wurde das Gerät abgezogen?). Die bis dahin gezählten Impulse bleiben erhalten.</translation>
    </message>
    <message>
        <source>Listening to the counter.</source>
        <translation>Der Zähler wird abgehört.</translation>
    </message>
    <message>
        <source>A page opened from a file may not be given the microphone. Serve its folder instead (for example &quot;python3 -m http.server&quot; in it, then open http://localhost:8000/ and the page), or record the counter and open the recording.</source>
        <translation>Eine aus einer Datei geöffnete Seite erhält möglicherweise keinen Zugriff auf das Mikrofon. Lassen Sie ihren Ordner stattdessen von einem Server ausliefern (zum Beispiel mit „python3 -m http.server“ darin, dann http://localhost:8000/ und die Seite öffnen), oder nehmen Sie den Zähler auf und öffnen Sie die Aufnahme.</translation>
    </message>
    <message>
        <source>The browser did not let the page listen to the sound input.</source>
        <translation>Der Browser hat der Seite nicht erlaubt, den Audioeingang abzuhören.</translation>
    </message>
    <message>
        <source>This browser cannot listen to a sound input here. Open a recording instead.</source>
        <translation>Dieser Browser kann hier keinen Audioeingang abhören. Öffnen Sie stattdessen eine Aufnahme.</translation>
    </message>
    <message>
        <source>The sound input could not be opened: %1</source>
        <translation>Der Audioeingang ließ sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>The browser could not decode %1: %2</source>
        <translation>Der Browser konnte %1 nicht decodieren: %2</translation>
    </message>
    <message>
        <source>%1 pulses found in %2.</source>
        <translation>%1 Impulse in %2 gefunden.</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Impulsquelle</translation>
    </message>
    <message>
        <source>The pulses of the first %1 s are kept.</source>
        <translation>Die Impulse der ersten %1 s bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>WorksheetPage</name>
    <message>
        <source>Name: ______________________________     Date: ________________</source>
        <translation>Name: ______________________________     Datum: ________________</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
</context>
<context>
    <name>copyrigh</name>
    <message>
        <source>Please cite Atomdrift</source>
        <translation>Bitte zitieren Sie Atomdrift</translation>
    </message>
    <message>
        <source>You are welcome to use this program for personal research.</source>
        <translation>Sie dürfen dieses Programm gern für Ihre eigene Forschung nutzen.</translation>
    </message>
    <message>
        <source>You may copy Atomdrift and give it to students and colleagues free of charge, as long as it stays unchanged and this notice goes with it. It comes without any warranty: check what it computes before you rely on it.</source>
        <translation>Sie dürfen Atomdrift kopieren und kostenlos an Schüler und Kollegen weitergeben, solange es unverändert bleibt und dieser Hinweis dabei ist. Es kommt ohne jede Gewähr: Prüfen Sie, was es berechnet, bevor Sie sich darauf verlassen.</translation>
    </message>
    <message>
        <source>Atomdrift is protected by copyright law and by international treaties.</source>
        <translation>Atomdrift ist durch das Urheberrecht und internationale Verträge geschützt.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>The Atomdrift Project, 2025-2026</source>
        <translation>Das Atomdrift-Projekt, 2025–2026</translation>
    </message>
    <message>
        <source>Photograph: an atom drawn in light</source>
        <translation>Foto: ein aus Licht gezeichnetes Atom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you use Atomdrift in research papers, please cite it as follows:</source>
        <translation>Wenn Sie Atomdrift in Forschungsarbeiten verwenden, zitieren Sie es bitte so:</translation>
    </message>
    <message>
        <source>The Atomdrift Project (2026). Atomdrift: a simulation of the decay of radioactive atoms. https://www.example.org/atomdrift</source>
        <translation>Das Atomdrift-Projekt (2026). Atomdrift: eine Simulation des Zerfalls radioaktiver Atome. https://www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>New versions at www.example.org/atomdrift</source>
        <translation>Neue Versionen: www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>The Atomdrift Project</source>
        <translation>Das Atomdrift-Projekt</translation>
    </message>
    <message>
        <source>Example Physics Teaching Laboratory</source>
        <translation>Example-Labor für Physikdidaktik</translation>
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
        <translation>Grafik</translation>
    </message>
    <message>
        <source>lnN(t) vs. t</source>
        <translation>lnN(t) über t</translation>
    </message>
    <message>
        <source>dN(t) vs. t</source>
        <translation>dN(t) über t</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <translation>N(t) über t</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) über N(t)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t) (Blue line: y=x)</source>
        <translation>N(t+1) über N(t) (Blaue Linie: y=x)</translation>
    </message>
</context>
<context>
    <name>titlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Taste oder Mausklick zum Starten.</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen ...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Lektion erstellen ...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Abgaben einsammeln ...</translation>
    </message>
</context>
</TS>
