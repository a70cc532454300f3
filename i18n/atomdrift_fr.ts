<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomsWindow</name>
    <message>
        <source>The atoms</source>
        <translation>Les atomes</translation>
    </message>
    <message>
        <source>The atoms, one square each</source>
        <translation>Les atomes, un petit carré par atome</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas affiché</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Pas précédent</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas suivant</translation>
    </message>
    <message>
        <source>Patch 1</source>
        <translation>Zone 1</translation>
    </message>
    <message>
        <source>Patch 2</source>
        <translation>Zone 2</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Drag over the atoms to choose (Shift: draw round them):</source>
        <translation>Faites glisser sur les atomes pour choisir (Maj&#xa0;: les entourer)&#xa0;:</translation>
    </message>
    <message>
        <source>Chart of the atoms left</source>
        <translation>Graphique des atomes restants</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Detector efficiency: %1 %</source>
        <translation>Efficacité de détection&#xa0;: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>Class experiment...</source>
        <translation>Expérience de classe...</translation>
    </message>
    <message>
        <source>Save chart as image...</source>
        <translation>Enregistrer le graphique comme image...</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copier les données</translation>
    </message>
    <message>
        <source>Nuclide lab...</source>
        <translation>Laboratoire des nucléides...</translation>
    </message>
    <message>
        <source>Counting lab...</source>
        <translation>Laboratoire de comptage...</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Créer une leçon...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Ramasser les copies...</translation>
    </message>
</context>
<context>
    <name>ChartViews</name>
    <message>
        <source>Atoms vs. time</source>
        <translation>Atomes en fonction du temps</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Decayed atoms vs. time</source>
        <translation>Atomes désintégrés en fonction du temps</translation>
    </message>
    <message>
        <source>Decayed atoms</source>
        <translation>Atomes désintégrés</translation>
    </message>
    <message>
        <source>ln(atoms) vs. time</source>
        <translation>ln(atomes) en fonction du temps</translation>
    </message>
    <message>
        <source>ln(atoms)</source>
        <translation>ln(atomes)</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t) (blue line: y=x)</source>
        <translation>N(t+1) en fonction de N(t) (ligne bleue&#xa0;: y=x)</translation>
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
        <translation>%1. Axe Y&#xa0;: %2. Axe X&#xa0;: %3. %4 points</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, de %1 à %2</translation>
    </message>
</context>
<context>
    <name>ClassExperiment</name>
    <message>
        <source>Class experiment</source>
        <translation>Expérience de classe</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>La classe</translation>
    </message>
    <message>
        <source>Initial number of atoms:</source>
        <translation>Nombre initial d&apos;atomes&#xa0;:</translation>
    </message>
    <message>
        <source>Decay rate per step:</source>
        <translation>Constante radioactive par pas&#xa0;:</translation>
    </message>
    <message>
        <source>Half-life (steps):</source>
        <translation>Demi-vie (pas)&#xa0;:</translation>
    </message>
    <message>
        <source>Last step:</source>
        <translation>Dernier pas&#xa0;:</translation>
    </message>
    <message>
        <source>Runs (students):</source>
        <translation>Simulations (élèves)&#xa0;:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine&#xa0;:</translation>
    </message>
    <message>
        <source>New seed</source>
        <translation>Nouvelle graine</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Press Run: every student makes one random decay run.</source>
        <translation>Cliquez sur «&#xa0;Lancer&#xa0;»&#xa0;: chaque élève fait une simulation de désintégration aléatoire.</translation>
    </message>
    <message>
        <source>Import class data...</source>
        <translation>Importer les données de la classe...</translation>
    </message>
    <message>
        <source>Export runs as CSV...</source>
        <translation>Exporter les simulations en CSV...</translation>
    </message>
    <message>
        <source>Save chart as image...</source>
        <translation>Enregistrer le graphique comme image...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Demi-vies</translation>
    </message>
    <message>
        <source>Chart of the class experiment</source>
        <translation>Graphique de l&apos;expérience de classe</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Moyenne de la classe</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>Half-life where N first falls to N0/2</source>
        <translation>Demi-vie&#xa0;: N atteint pour la première fois N0/2</translation>
    </message>
    <message>
        <source>Half-life from the slope of ln N</source>
        <translation>Demi-vie d&apos;après la pente de ln N</translation>
    </message>
    <message>
        <source>ln 2 / r (the continuous law)</source>
        <translation>ln 2 / r (loi continue)</translation>
    </message>
    <message>
        <source>ln 2 / −ln(1−q) (exact for the draws)</source>
        <translation>ln 2 / −ln(1−q) (exacte pour les tirages)</translation>
    </message>
    <message>
        <source>%1 runs on %2 cores...</source>
        <translation>%1 simulations sur %2 cœurs...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Cancelled; the chart shows the class before.</source>
        <translation>Annulé&#xa0;; le graphique montre la classe précédente.</translation>
    </message>
    <message>
        <source>%1 runs of %2 atoms to step %3; a draw decays with q = %4.</source>
        <translation>%1 simulations de %2 atomes jusqu&apos;au pas %3&#xa0;; un tirage se désintègre avec q = %4.</translation>
    </message>
    <message>
        <source>The class has made no runs yet.</source>
        <translation>La classe n&apos;a encore fait aucune simulation.</translation>
    </message>
    <message>
        <source>%1 of %2 runs fell to N0/2 by the last step; %3 of %2 runs gave a falling line of ln N.</source>
        <translation>%1 simulations sur %2 sont tombées à N0/2 au plus tard au dernier pas&#xa0;; %3 simulations sur %2 ont donné une droite décroissante pour ln N.</translation>
    </message>
    <message>
        <source>decay probability %1 per throw, half-life %2 throws</source>
        <translation>probabilité de désintégration %1 par lancer, demi-vie %2 lancers</translation>
    </message>
    <message>
        <source>the counts do not fall, so no decay probability fits them</source>
        <translation>les relevés ne diminuent pas, aucune probabilité de désintégration ne convient</translation>
    </message>
    <message>
        <source>Class data (%1 groups, %2 throws): %3.</source>
        <translation>Données de la classe (%1 groupes, %2 lancers)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Class data (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Données de la classe (*.csv *.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import class data</source>
        <translation>Importer les données de la classe</translation>
    </message>
    <message>
        <source>The class data were not imported.

%1 cannot be read: %2</source>
        <translation>Les données de la classe n&apos;ont pas été importées.

Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The class data were not imported from %1.

%2</source>
        <translation>Les données de la classe n&apos;ont pas été importées de %1.

%2</translation>
    </message>
    <message>
        <source>Export runs as CSV</source>
        <translation>Exporter les simulations en CSV</translation>
    </message>
    <message>
        <source>Atomdrift class.csv</source>
        <translation>Atomdrift classe.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The runs were not saved.</source>
        <translation>Les simulations n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>Atomdrift worksheet.pdf</source>
        <translation>Atomdrift fiche.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Class experiment</source>
        <translation>Atomdrift — Expérience de classe</translation>
    </message>
    <message>
        <source>Every student of a class of %1 let %2 atoms decay, one random draw per atom and step, with the decay rate r = %3 per step, up to step %4 (seed %5). A draw decays with the exact probability q = %6.</source>
        <translation>Chaque élève d&apos;une classe de %1 a laissé se désintégrer %2 atomes, avec un tirage aléatoire par atome et par pas, avec la constante radioactive r = %3 par pas, jusqu&apos;au pas %4 (graine %5). Un tirage se désintègre avec la probabilité exacte q = %6.</translation>
    </message>
    <message>
        <source>Your own run is one of the thin lines. At which step did your atoms first fall to half of N0? How far is that from the class mean, measured in standard deviations?</source>
        <translation>Ta propre simulation est l&apos;une des lignes fines. À quel pas tes atomes sont-ils tombés pour la première fois à la moitié de N0&#xa0;? À quelle distance de la moyenne de la classe est-ce, en écarts types&#xa0;?</translation>
    </message>
    <message>
        <source>The class mean follows N0·(1−q)^t, not N0·e^(−r·t). Why? Which of the two half-lives in the table does the class find?</source>
        <translation>La moyenne de la classe suit N0·(1−q)^t, et non N0·e^(−r·t). Pourquoi&#xa0;? Laquelle des deux demi-vies du tableau la classe trouve-t-elle&#xa0;?</translation>
    </message>
    <message>
        <source>How would the ±1σ band of the class change with four times as many atoms? Guess first, then try it in the program.</source>
        <translation>Comment la bande ±1σ de la classe changerait-elle avec quatre fois plus d&apos;atomes&#xa0;? Devine d&apos;abord, puis essaie dans le programme.</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Créer une leçon...</translation>
    </message>
    <message>
        <source>Run whose atoms to show</source>
        <translation>Simulation dont les atomes sont affichés</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Afficher les atomes...</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Simulation&#xa0;:</translation>
    </message>
    <message>
        <source>The atoms of run %1</source>
        <translation>Les atomes de la simulation %1</translation>
    </message>
</context>
<context>
    <name>CountingLab</name>
    <message>
        <source>Counting lab</source>
        <translation>Laboratoire de comptage</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Expériences</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Comptage</translation>
    </message>
    <message>
        <source>Radiocarbon dating</source>
        <translation>Datation au carbone 14</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>No run to count yet.</source>
        <translation>Pas encore de simulation à compter.</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Efficiency:</source>
        <translation>Efficacité&#xa0;:</translation>
    </message>
    <message>
        <source>Background rate (per second):</source>
        <translation>Bruit de fond (par seconde)&#xa0;:</translation>
    </message>
    <message>
        <source>Background counting time (s):</source>
        <translation>Durée de mesure du bruit de fond (s)&#xa0;:</translation>
    </message>
    <message>
        <source>Measure background</source>
        <translation>Mesurer le bruit de fond</translation>
    </message>
    <message>
        <source>Members counted:</source>
        <translation>Nucléides comptés&#xa0;:</translation>
    </message>
    <message>
        <source>Counting interval (steps):</source>
        <translation>Intervalle de comptage (pas)&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Aussi vite que possible</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Count lamp</source>
        <translation>Voyant de comptage</translation>
    </message>
    <message>
        <source>Counts in this interval</source>
        <translation>Coups dans cet intervalle</translation>
    </message>
    <message>
        <source>Fit method:</source>
        <translation>Méthode d&apos;ajustement&#xa0;:</translation>
    </message>
    <message>
        <source>Import counts...</source>
        <translation>Importer des coups...</translation>
    </message>
    <message>
        <source>Export counts CSV...</source>
        <translation>Exporter les coups en CSV...</translation>
    </message>
    <message>
        <source>Carbon (g):</source>
        <translation>Carbone (g)&#xa0;:</translation>
    </message>
    <message>
        <source>Age (years, empty for a hidden one):</source>
        <translation>Âge (ans, vide pour un âge caché)&#xa0;:</translation>
    </message>
    <message>
        <source>New sample</source>
        <translation>Nouvel échantillon</translation>
    </message>
    <message>
        <source>Counting time (min):</source>
        <translation>Durée de comptage (min)&#xa0;:</translation>
    </message>
    <message>
        <source>Count sample</source>
        <translation>Compter l&apos;échantillon</translation>
    </message>
    <message>
        <source>Show the true age</source>
        <translation>Afficher l&apos;âge réel</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Échelle log.</translation>
    </message>
    <message>
        <source>Chart of the counts</source>
        <translation>Graphique des coups</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Residuals of the fit</source>
        <translation>Résidus de l&apos;ajustement</translation>
    </message>
    <message>
        <source>Sample: %1, %2 run of %3 steps of %4 %5.</source>
        <extracomment>%1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the step and its unit.</extracomment>
        <translation>Échantillon&#xa0;: %1, simulation %2 de %3 pas de %4 %5.</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacte</translation>
    </message>
    <message>
        <source>Background: %1 counts in %2 s, %3 per second.</source>
        <translation>Bruit de fond&#xa0;: %1 coups en %2 s, %3 par seconde.</translation>
    </message>
    <message>
        <source>Tick at least one member to count.</source>
        <translation>Cochez au moins un nucléide à compter.</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>Counts imported from %1.</source>
        <translation>Coups importés de %1.</translation>
    </message>
    <message>
        <source>Press Start to count the sample.</source>
        <translation>Cliquez sur «&#xa0;Démarrer&#xa0;» pour compter l&apos;échantillon.</translation>
    </message>
    <message>
        <source>No run to count: run a chain in the nuclide lab and press Counter there, or import counts.</source>
        <translation>Aucune simulation à compter&#xa0;: simulez une chaîne dans le laboratoire des nucléides et cliquez sur «&#xa0;Compteur&#xa0;», ou importez des coups.</translation>
    </message>
    <message>
        <source>Count rate: not yet known.</source>
        <translation>Taux de comptage&#xa0;: pas encore connu.</translation>
    </message>
    <message>
        <source>Count rate: %1 per second in the last interval.</source>
        <translation>Taux de comptage&#xa0;: %1 par seconde dans le dernier intervalle.</translation>
    </message>
    <message>
        <source>t = %1 of %2 %3; %4 intervals counted.</source>
        <translation>t = %1 sur %2 %3&#xa0;; %4 intervalles comptés.</translation>
    </message>
    <message>
        <source>%1. Across: %2; up: %3.</source>
        <translation>%1. En abscisse&#xa0;: %2&#xa0;; en ordonnée&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Press Start to count the sample</source>
        <translation>Cliquez sur «&#xa0;Démarrer&#xa0;» pour compter l&apos;échantillon</translation>
    </message>
    <message>
        <source>No counts yet</source>
        <translation>Pas encore de coups</translation>
    </message>
    <message>
        <source>Count rate with √N error bars</source>
        <translation>Taux de comptage avec barres d&apos;erreur √N</translation>
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
        <translation>(N − ajust.) / σ</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Bruit de fond</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Résidus</translation>
    </message>
    <message>
        <source>Press Count sample to date the sample</source>
        <translation>Cliquez sur «&#xa0;Compter l&apos;échantillon&#xa0;» pour le dater</translation>
    </message>
    <message>
        <source>Age from each count of the sample</source>
        <translation>Âge d&apos;après chaque comptage de l&apos;échantillon</translation>
    </message>
    <message>
        <source>Counting time [min]</source>
        <translation>Durée de comptage [min]</translation>
    </message>
    <message>
        <source>Age [years]</source>
        <translation>Âge [ans]</translation>
    </message>
    <message>
        <source>True age</source>
        <translation>Âge réel</translation>
    </message>
    <message>
        <source>The half-life is fitted when the counting stops or pauses.</source>
        <translation>La demi-vie est déterminée par ajustement quand le comptage s&apos;arrête ou se met en pause.</translation>
    </message>
    <message>
        <source>A fit needs the counts of two intervals or more.</source>
        <translation>Un ajustement demande les coups d&apos;au moins deux intervalles.</translation>
    </message>
    <message>
        <source>No half-life could be fitted (%1): %2</source>
        <translation>Aucune demi-vie n&apos;a pu être déterminée par ajustement (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>T½ = %1 %2 (%3)</source>
        <translation>T½ = %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Counts (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Coups (*.csv *.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import counts</source>
        <translation>Importer des coups</translation>
    </message>
    <message>
        <source>The counts were not imported.

%1 cannot be read: %2</source>
        <translation>Les coups n&apos;ont pas été importés.

Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The counts were not imported from %1.

%2</source>
        <translation>Les coups n&apos;ont pas été importés de %1.

%2</translation>
    </message>
    <message>
        <source>Export counts CSV</source>
        <translation>Exporter les coups en CSV</translation>
    </message>
    <message>
        <source>Atomdrift counts.csv</source>
        <translation>Atomdrift coups.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The counts were not saved.</source>
        <translation>Les coups n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>Atomdrift counting lab.pdf</source>
        <translation>Atomdrift laboratoire de comptage.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Counting lab</source>
        <translation>Atomdrift — Laboratoire de comptage</translation>
    </message>
    <message>
        <source>Why are the error bars longer, compared with the count rate, late in the run than early on?</source>
        <translation>Pourquoi les barres d&apos;erreur sont-elles plus longues, par rapport au taux de comptage, à la fin de la simulation qu&apos;au début&#xa0;?</translation>
    </message>
    <message>
        <source>Measure the background for ten times as long and fit again. What changes in the half-life and its uncertainty, and why?</source>
        <translation>Mesure le bruit de fond dix fois plus longtemps et refais l&apos;ajustement. Qu&apos;est-ce qui change pour la demi-vie et son incertitude, et pourquoi&#xa0;?</translation>
    </message>
    <message>
        <source>How much longer would you have to count to halve the uncertainty of the half-life?</source>
        <translation>Combien de temps de plus faudrait-il compter pour diviser par deux l&apos;incertitude de la demi-vie&#xa0;?</translation>
    </message>
    <message>
        <source>Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller uncertainty.</source>
        <translation>Cliquez sur «&#xa0;Nouvel échantillon&#xa0;» pour un morceau de carbone ancien, puis sur «&#xa0;Compter l&apos;échantillon&#xa0;». Un comptage plus long donne une incertitude plus petite.</translation>
    </message>
    <message>
        <source>A sample of %1 g of carbon, of unknown age.</source>
        <translation>Un échantillon de %1 g de carbone, d&apos;âge inconnu.</translation>
    </message>
    <message>
        <source>A sample of %1 g of carbon.</source>
        <translation>Un échantillon de %1 g de carbone.</translation>
    </message>
    <message>
        <source>Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the activity of modern carbon.</source>
        <translation>Compté pendant %1 min&#xa0;: %2 coups, et %3 de bruit de fond en autant de temps&#xa0;; %4&#xa0;% de l&apos;activité du carbone actuel.</translation>
    </message>
    <message>
        <source>True age: %1 y.</source>
        <translation>Âge réel&#xa0;: %1 ans.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Conventional radiocarbon age (Libby half-life, %1 y)</source>
        <translation>Âge radiocarbone conventionnel (demi-vie de Libby, %1 ans)</translation>
    </message>
    <message>
        <source>Sample: %1, %2 run of %3 steps growing tenfold a decade, to %4 %5.</source>
        <extracomment>%1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the last time and its unit.</extracomment>
        <translation>Échantillon&#xa0;: %1, simulation %2 de %3 pas croissant d’un facteur dix par décade, jusqu’à %4 %5.</translation>
    </message>
    <message>
        <source>χ²/ν = %1/%2 = %3, p = %4</source>
        <extracomment>%1 the chi-square, %2 the degrees of freedom, %3 their quotient, %4 the p-value.</extracomment>
        <translation>χ²/ν = %1/%2 = %3, p = %4</translation>
    </message>
    <message>
        <source>±√deviance</source>
        <extracomment>The deviance residual: the signed square root of an interval&apos;s deviance.</extracomment>
        <translation>±√déviance</translation>
    </message>
    <message>
        <source>BP: before the present, that is before 1950, the year the activity of modern carbon refers to.</source>
        <translation>BP&#xa0;: avant le présent, c’est-à-dire avant 1950, l’année à laquelle se rapporte l’activité du carbone moderne.</translation>
    </message>
    <message>
        <source>Age with the half-life %1 ± %2 y</source>
        <translation>Âge avec la demi-vie de %1 ± %2 ans</translation>
    </message>
    <message>
        <source>Age with the textbooks&apos; half-life %1 y</source>
        <translation>Âge avec la demi-vie des manuels, %1 ans</translation>
    </message>
    <message>
        <source>older than %1 y BP (95 %)</source>
        <extracomment>An age in years before 1950 (BP) that the sample is older than, at 95 % confidence.</extracomment>
        <translation>plus de %1 ans BP (95&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 y BP</source>
        <extracomment>An age in years before 1950 (BP) with its interval below and above.</extracomment>
        <translation>%1 ans BP</translation>
    </message>
    <message>
        <source>Repeat counts</source>
        <translation>Comptages répétés</translation>
    </message>
    <message>
        <source>Detector:</source>
        <translation>Détecteur&#xa0;:</translation>
    </message>
    <message>
        <source>Ideal counter</source>
        <translation>Compteur idéal</translation>
    </message>
    <message>
        <source>Geiger tube</source>
        <translation>Tube Geiger</translation>
    </message>
    <message>
        <source>Dead time (µs):</source>
        <translation>Temps mort (µs)&#xa0;:</translation>
    </message>
    <message>
        <source>Dead time kind:</source>
        <translation>Type de temps mort&#xa0;:</translation>
    </message>
    <message>
        <source>non-paralysable</source>
        <translation>non paralysable</translation>
    </message>
    <message>
        <source>paralysable</source>
        <translation>paralysable</translation>
    </message>
    <message>
        <source>Silver activation time (s):</source>
        <translation>Durée d’activation de l’argent (s)&#xa0;:</translation>
    </message>
    <message>
        <source>Count activated silver</source>
        <translation>Compter l’argent activé</translation>
    </message>
    <message>
        <source>Fit model:</source>
        <translation>Modèle d’ajustement&#xa0;:</translation>
    </message>
    <message>
        <source>Corrected for the dead time: %1 per second.</source>
        <translation>Corrigé du temps mort&#xa0;: %1 par seconde.</translation>
    </message>
    <message>
        <source>Too many counts for the dead time to correct.</source>
        <translation>Trop de coups pour corriger le temps mort.</translation>
    </message>
    <message>
        <source>The counter is saturated: more than 1/τ events a second reach it.</source>
        <translation>Le compteur est saturé&#xa0;: plus de 1/τ événements par seconde l’atteignent.</translation>
    </message>
    <message>
        <source>No half-life is fitted: the paralysable counter was saturated, so that more events made it record fewer, and its counts no longer say how many arrived. Count with a weaker sample or a shorter dead time.</source>
        <translation>Aucune demi-vie n’est ajustée&#xa0;: le compteur paralysable était saturé, si bien que plus d’événements lui en faisaient enregistrer moins, et ses coups ne disent plus combien sont arrivés. Comptez avec un échantillon plus faible ou un temps mort plus court.</translation>
    </message>
    <message>
        <source>T½ = %1 %2 and %3 %2 (%4)</source>
        <extracomment>%1 and %3 the two half-lives, %2 their unit, %4 the method.</extracomment>
        <translation>T½ = %1 %2 et %3 %2 (%4)</translation>
    </message>
    <message>
        <source>T½ of %1 = %2 %3 (%4)</source>
        <extracomment>%1 the chain&apos;s first member, %2 its half-life, %3 the unit, %4 the method.</extracomment>
        <translation>T½ de %1 = %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 Efficiency %2, background %3 per second, dead time %4 µs (%5). Fit model: %6. %7</source>
        <extracomment>%1 the sample, %2 the efficiency, %3 the background, %4 the dead time in microseconds, %5 its kind, %6 the fit model, %7 the background measurement.</extracomment>
        <translation>%1 Efficacité %2, bruit de fond %3 par seconde, temps mort %4&#xa0;µs (%5). Modèle d’ajustement&#xa0;: %6. %7</translation>
    </message>
    <message>
        <source>Number of counts:</source>
        <translation>Nombre de comptages&#xa0;:</translation>
    </message>
    <message>
        <source>Events reaching the counter (per second):</source>
        <translation>Événements atteignant le compteur (par seconde)&#xa0;:</translation>
    </message>
    <message>
        <source>Each count lasts (s):</source>
        <translation>Durée de chaque comptage (s)&#xa0;:</translation>
    </message>
    <message>
        <source>Count again and again</source>
        <translation>Compter encore et encore</translation>
    </message>
    <message>
        <source>A long-lived source counted for the same time, again and again: do the counts spread as the Poisson distribution says?</source>
        <translation>Une source de longue vie comptée pendant la même durée, encore et encore&#xa0;: les coups se dispersent-ils comme le dit la loi de Poisson&#xa0;?</translation>
    </message>
    <message>
        <source>%1 counts: mean %2, variance %3.
Index of dispersion D = variance / mean = %4; χ² = (N − 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).
For Poisson counts D is near 1; a counter&apos;s dead time makes it smaller.</source>
        <extracomment>%1 the number of counts, %2 their mean, %3 their variance, %4 the index of dispersion, %5 the chi-square, %6 its degrees of freedom, %7 the p-value.</extracomment>
        <translation>%1 comptages&#xa0;: moyenne %2, variance %3.
Indice de dispersion D = variance / moyenne = %4&#xa0;; χ² = (N − 1) D = %5 pour %6 degrés de liberté, p = %7 (bilatéral).
Pour des coups poissoniens, D est proche de 1&#xa0;; le temps mort d’un compteur le réduit.</translation>
    </message>
    <message>
        <source>1 g of silver after %1 s in a neutron source</source>
        <translation>1 g d’argent après %1&#xa0;s dans une source de neutrons</translation>
    </message>
    <message>
        <source>Counts in an interval</source>
        <translation>Coups par intervalle</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Comptés</translation>
    </message>
    <message>
        <source>Poisson</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Gaussian approximation</source>
        <translation>Approximation gaussienne</translation>
    </message>
    <message>
        <source>Count rate [per second]</source>
        <translation>Taux de comptage [par seconde]</translation>
    </message>
    <message>
        <source>Count rate [per unit of time]</source>
        <translation>Taux de comptage [par unité de temps]</translation>
    </message>
    <message>
        <source>Count rate [per %1]</source>
        <translation>Taux de comptage [par %1]</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades below the top)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (coupé 12 décades sous le haut de l’axe)</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades before the end)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (coupé 12 décades avant la fin)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Créer une leçon...</translation>
    </message>
    <message>
        <source>Real counter: %1 pulses in %2 s; the hold-off of %3 ms is its dead time.</source>
        <extracomment>%1 pulses counted, %2 the seconds listened, %3 the hold-off in milliseconds.</extracomment>
        <translation>Compteur réel&#xa0;: %1 impulsions en %2&#xa0;s&#xa0;; la durée de blocage de %3&#xa0;ms est son temps mort.</translation>
    </message>
    <message>
        <source>%1 stretches of the input were lost; the intervals they reach into are left out.</source>
        <translation>%1 tronçons du signal d&apos;entrée ont été perdus&#xa0;; les intervalles qui les recoupent sont laissés de côté.</translation>
    </message>
    <message>
        <source>Pulses of a real counter: %1 in %2 s, counted in intervals of %3 s, the hold-off of %4 ms taken as a non-paralysable dead time. %5</source>
        <extracomment>%1 pulses, %2 seconds, %3 the interval in seconds, %4 the hold-off in milliseconds, %5 the background sentence.</extracomment>
        <translation>Impulsions d&apos;un compteur réel&#xa0;: %1 en %2&#xa0;s, comptées par intervalles de %3&#xa0;s, la durée de blocage de %4&#xa0;ms étant prise comme temps mort non paralysable. %5</translation>
    </message>
    <message>
        <source>Simulated sample</source>
        <translation>Échantillon simulé</translation>
    </message>
    <message>
        <source>Real counter</source>
        <translation>Compteur réel</translation>
    </message>
    <message>
        <source>How to connect a counter</source>
        <translation>Comment brancher un compteur</translation>
    </message>
    <message>
        <source>Connect the counter&apos;s headphone or loudspeaker output to the computer&apos;s microphone or line input with a cable, or hold a microphone close to its loudspeaker.</source>
        <translation>Reliez par un câble la sortie casque ou haut-parleur du compteur à l&apos;entrée micro ou à l&apos;entrée ligne de l&apos;ordinateur, ou tenez un microphone près de son haut-parleur.</translation>
    </message>
    <message>
        <source>Press Listen and watch the waveform: every click should stand well above the threshold line, and none should reach the top or the bottom of the strip. Turn the counter&apos;s volume or the input level down when the program says the input clips, up when clicks are missed.</source>
        <translation>Cliquez sur «&#xa0;Écouter&#xa0;» et observez la forme d&apos;onde&#xa0;: chaque clic doit dépasser nettement la ligne du seuil, et aucun ne doit atteindre le haut ou le bas de la bande. Baissez le volume du compteur ou le niveau d&apos;entrée quand le logiciel signale que l&apos;entrée sature, augmentez-les quand des clics sont manqués.</translation>
    </message>
    <message>
        <source>Count the background first with the source away and take it as the background, then count the source.</source>
        <translation>Comptez d&apos;abord le bruit de fond, la source éloignée, et retenez-le avec «&#xa0;Prendre comme bruit de fond&#xa0;», puis comptez la source.</translation>
    </message>
    <message>
        <source>Sound input:</source>
        <translation>Entrée audio&#xa0;:</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>Entrée par défaut du système</translation>
    </message>
    <message>
        <source>Threshold (times the noise floor):</source>
        <translation>Seuil (en multiples du niveau de bruit)&#xa0;:</translation>
    </message>
    <message>
        <source>Hold-off (ms):</source>
        <translation>Durée de blocage (ms)&#xa0;:</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Open recording...</source>
        <translation>Ouvrir un enregistrement...</translation>
    </message>
    <message>
        <source>Take as background</source>
        <translation>Prendre comme bruit de fond</translation>
    </message>
    <message>
        <source>The input&apos;s waveform, with the threshold and the pulses found</source>
        <translation>La forme d&apos;onde du signal d&apos;entrée, avec le seuil et les impulsions détectées</translation>
    </message>
    <message>
        <source>Pulses counted</source>
        <translation>Impulsions comptées</translation>
    </message>
    <message>
        <source>Counting interval (s):</source>
        <translation>Intervalle de comptage (s)&#xa0;:</translation>
    </message>
    <message>
        <source>Export pulse times CSV...</source>
        <translation>Exporter les instants des impulsions en CSV...</translation>
    </message>
    <message>
        <source>There is no sound input. Connect the counter&apos;s headphone or loudspeaker output (a cable, or a microphone close to its loudspeaker), or open a recording.</source>
        <translation>Il n&apos;y a aucune entrée audio. Reliez la sortie casque ou haut-parleur du compteur (par un câble, ou avec un microphone placé près de son haut-parleur), ou ouvrez un enregistrement.</translation>
    </message>
    <message>
        <source>Export pulse times CSV</source>
        <translation>Exporter les instants des impulsions en CSV</translation>
    </message>
    <message>
        <source>Atomdrift pulses.csv</source>
        <translation>Atomdrift impulsions.csv</translation>
    </message>
    <message>
        <source>The pulse times were not saved.</source>
        <translation>Les instants des impulsions n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Listen with the source away first, then stop, then take the counts as the background.</source>
        <translation>Écoutez d&apos;abord avec la source éloignée, puis arrêtez l&apos;écoute, puis prenez les coups comme bruit de fond.</translation>
    </message>
    <message>
        <source>Recordings (*.wav);;All files (*)</source>
        <translation>Enregistrements (*.wav);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open recording</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>il ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Take as repeat counts</source>
        <translation>Prendre comme comptages répétés</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source des impulsions</translation>
    </message>
    <message>
        <source>Press Listen, or open a recording.</source>
        <translation>Cliquez sur «&#xa0;Écouter&#xa0;» ou ouvrez un enregistrement.</translation>
    </message>
    <message>
        <source>The real counter&apos;s recording, %1 g of carbon counted with an efficiency of %2: %3 counts in %4 min, and %5 of background in %6 min, each in the time the counter was live; %7 % of the activity of modern carbon.</source>
        <extracomment>%1 grams of carbon, %2 the counter&apos;s efficiency (a fraction), %3 and %4 the sample&apos;s counts and minutes, %5 and %6 the background&apos;s, %7 the percentage of modern carbon&apos;s activity with its interval.</extracomment>
        <translation>L’enregistrement du compteur réel, %1 g de carbone comptés avec une efficacité de %2&#xa0;: %3 coups en %4 min, et %5 de bruit de fond en %6 min, chacun pendant le temps où le compteur était actif&#xa0;; %7&#xa0;% de l’activité du carbone actuel.</translation>
    </message>
    <message>
        <source>Date the recording</source>
        <translation>Dater l’enregistrement</translation>
    </message>
    <message>
        <source>Dates the real counter&apos;s recording as a sample of the carbon above, against the background it recorded, with the detector&apos;s efficiency.</source>
        <translation>Date l’enregistrement du compteur réel comme un échantillon du carbone indiqué ci-dessus, contre le bruit de fond qu’il a enregistré, avec l’efficacité du détecteur.</translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Americium</source>
        <translation>américium</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>argon</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>baryum</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>bismuth</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>césium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>calcium</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>carbone</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>cobalt</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>fluor</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>hélium</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>hydrogène</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>iode</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>plomb</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>molybdène</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>neptunium</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>nickel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>oxygène</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>polonium</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>potassium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>protactinium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>radium</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>radon</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>strontium</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>technétium</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>thallium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>thorium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>uranium</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>xénon</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>zirconium</translation>
    </message>
    <message>
        <source>Neutron</source>
        <translation>neutron</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>béryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>bore</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>néon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>sodium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>magnésium</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>phosphore</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>soufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>chlore</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>titane</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>chrome</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>manganèse</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>fer</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>cuivre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>arsenic</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>sélénium</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>brome</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>rubidium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>niobium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>ruthénium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>étain</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>antimoine</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>tellure</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>lanthane</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>cérium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>praséodyme</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>néodyme</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>prométhium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>lutécium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>tantale</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>tungstène</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>rhénium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>platine</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>mercure</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>astate</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>francium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>actinium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>plutonium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>berkélium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>mendélévium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>nobélium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>meitnérium</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>darmstadtium</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>roentgenium</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>copernicium</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>nihonium</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>flérovium</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>moscovium</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>livermorium</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>tennesse</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>oganesson</translation>
    </message>
</context>
<context>
    <name>ExperimentPlots</name>
    <message>
        <source>Runs</source>
        <translation>Simulations</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Moyenne de la classe</translation>
    </message>
    <message>
        <source>Class ±1σ</source>
        <translation>Classe ±1σ</translation>
    </message>
    <message>
        <source>Expectation N0·(1−q)^t</source>
        <translation>Espérance N0·(1−q)^t</translation>
    </message>
    <message>
        <source>Binomial ±1σ</source>
        <translation>Binomiale ±1σ</translation>
    </message>
    <message>
        <source>Continuous law N0·e^(−r·t)</source>
        <translation>Loi continue N0·e^(−r·t)</translation>
    </message>
    <message>
        <source>Fitted line</source>
        <translation>Droite ajustée</translation>
    </message>
    <message>
        <source>Class data</source>
        <translation>Données de la classe</translation>
    </message>
    <message>
        <source>Class data fit</source>
        <translation>Ajustement des données</translation>
    </message>
    <message>
        <source>Measured half-lives</source>
        <translation>Demi-vies mesurées</translation>
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
        <translation>Demi-vies&#xa0;: N atteint pour la première fois N0/2</translation>
    </message>
    <message>
        <source>Half-life (steps)</source>
        <translation>Demi-vie (pas)</translation>
    </message>
    <message>
        <source>ln N(t) of the class</source>
        <translation>ln N(t) de la classe</translation>
    </message>
    <message>
        <source>Step t</source>
        <translation>Pas t</translation>
    </message>
    <message>
        <source>ln N</source>
        <translation>ln N</translation>
    </message>
    <message>
        <source>Atoms left in each run</source>
        <translation>Atomes restants dans chaque simulation</translation>
    </message>
    <message>
        <source>Atoms N(t)</source>
        <translation>Atomes N(t)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Atomdrift of Radioactive Atoms</source>
        <translation>Atomdrift – désintégration des atomes radioactifs</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>The decay of radioactive atoms is similar to the exponential growth.  The instantaneous rate r is ln2/T, where T is the half-life of the radioactive elements.</source>
        <translation>La désintégration des atomes radioactifs ressemble à la croissance exponentielle.  La constante radioactive r vaut ln2/T, où T est la demi-vie des éléments radioactifs.</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Plus...</translation>
    </message>
    <message>
        <source>More introduction</source>
        <translation>Suite de l&apos;introduction</translation>
    </message>
    <message>
        <source>P</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Données et simulation</translation>
    </message>
    <message>
        <source>Initial number of atoms:</source>
        <translation>Nombre initial d&apos;atomes&#xa0;:</translation>
    </message>
    <message>
        <source>Simulation for t=0 to t =</source>
        <translation>Simulation de t=0 à t =</translation>
    </message>
    <message>
        <source>The instantaneous decay rate:</source>
        <translation>Constante radioactive&#xa0;:</translation>
    </message>
    <message>
        <source>The intrinsic rate r:</source>
        <translation>Constante radioactive r par pas, r = ln 2 / T</translation>
    </message>
    <message>
        <source>The half-life:</source>
        <translation>La demi-vie&#xa0;:</translation>
    </message>
    <message>
        <source>No. of atoms:</source>
        <translation>Nombre d&apos;atomes&#xa0;:</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Random decay</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>S</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Save simulation data</source>
        <translation>Enregistrer les données de la simulation</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Click here to see more graph</source>
        <translation>Cliquez ici pour voir d&apos;autres graphiques</translation>
    </message>
    <message>
        <source>Welcome to Atomdrift!</source>
        <translation>Bienvenue dans Atomdrift&#xa0;!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <translation>lnN = f(t)</translation>
    </message>
    <message>
        <source>lnN(t) vs t</source>
        <translation>lnN(t) en fonction de t</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN = f(t)</translation>
    </message>
    <message>
        <source>dN vs. time</source>
        <translation>dN en fonction du temps</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <translation>N(t) = f(t)</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) en fonction du temps</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) = f(N(t))</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Photograph: an atom drawn in light</source>
        <translation>Photo&#xa0;: un atome dessiné de lumière</translation>
    </message>
    <message>
        <source>© %1 The Atomdrift Project</source>
        <translation>© %1 Le projet Atomdrift</translation>
    </message>
    <message>
        <source>The Atomdrift Project

team@example.org
Atomdrift Teaching Software
Physics Classroom Tools Group
1 Example Road
Example City EX 01234
www.example.org/atomdrift</source>
        <translation>Le projet Atomdrift

team@example.org
Atomdrift, logiciel éducatif
Groupe Outils pour la physique
1 Example Road
Example City EX 01234
www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>Press Enter or click Run to run this program using default values.  If you change the default value, please press ENTER to confirm the change. If you try &quot;random decay&quot;, the decay rate is then the probability that an atom will decay after one time interval. If you run random decay with a large initial number of atoms, it will  take a while (please wait for the result). Click on the graph to see large graph. Comments are welcome.</source>
        <translation>Appuyez sur Entrée ou cliquez sur Exact pour simuler avec les valeurs par défaut.  Si vous changez une valeur, confirmez-la avec ENTRÉE. En mode «&#xa0;aléatoire&#xa0;», r est la probabilité de désintégration par pas, la probabilité qu&apos;un atome se désintègre pendant un pas de temps. Avec beaucoup d&apos;atomes, le mode aléatoire prend du temps (attendez le résultat). Cliquez sur le graphique pour l&apos;agrandir. Vos commentaires sont les bienvenus.</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
    </message>
    <message>
        <source>The simulation data were not saved.</source>
        <translation>Les données de la simulation n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Afficher les atomes...</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Atomdrift backdrop</source>
        <translation>Arrière-plan d&apos;Atomdrift</translation>
    </message>
</context>
<context>
    <name>HandInCollection</name>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fausse</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>sans réponse</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>ramassée</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>non corrigée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Corrigées</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Correction %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Attendu %1</translation>
    </message>
    <message>
        <source>Hand-ins: %1</source>
        <translation>Copies&#xa0;: %1</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Corrections</translation>
    </message>
    <message>
        <source>Files not counted</source>
        <translation>Fichiers non pris en compte</translation>
    </message>
    <message>
        <source>The class&apos;s runs</source>
        <translation>Les simulations de la classe</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Files not counted:</source>
        <translation>Fichiers non pris en compte&#xa0;:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Attendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n hand-in(s) marked</source>
        <translation>
            <numerusform>%n copie corrigée</numerusform>
            <numerusform>%n copies corrigées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not counted.</source>
        <translation>
            <numerusform>%n fichier non pris en compte.</numerusform>
            <numerusform>%n fichiers non pris en compte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source> - marks.csv</source>
        <translation> - corrections.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The marks were not saved.</source>
        <translation>Les corrections n&apos;ont pas été enregistrées.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>There is not enough memory for an image of %1 x %2 pixels.</source>
        <translation>La mémoire ne suffit pas pour une image de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>The picture could not be encoded as a PNG image.</source>
        <translation>L&apos;image n&apos;a pas pu être codée en PNG.</translation>
    </message>
    <message>
        <source>The picture could not be drawn as an SVG drawing.</source>
        <translation>L&apos;image n&apos;a pas pu être dessinée en SVG.</translation>
    </message>
    <message>
        <source>Atomdrift chart.png</source>
        <translation>Atomdrift graphique.png</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>The image was not saved.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Références</translation>
    </message>
    <message>
        <source>The decay of radioactive atoms is usually described as exponential equation A(t)=A(0)Exp(-rt), where A(t) and A(0) are the number of atoms at time t and time zero, respectively. The parameter r is the decay rate. However, the exponential equation gives non-integer results. Furthermore, As the time approaches infinity, A(t) approaches zero. But, it will never be zero. The decay of radioactive atoms is actually binomial function. It means that there are only two possibilities for each atom. Decay or not. If the answer is &quot;yes&quot;, then it is no more radioactive. If the answer is &quot;no&quot;, then it remains radioactive. Based on the binomial phenomenon, the number of radioactive atoms will always be integers. The parameter r is the probability that an atom will decay after one time interval. This can be simulated using random number. As soon as the last atom is decayed, there is no radioactive atom [i.e., A(t)=0]. Each time you try the random decay, you will get different result. It reflects the stochastic property of the decay of radioactive atoms. The above equation A(t)=A(0)Exp(-rt) in the integral form of dA/dt=-rA. If you calculate the half life using T=Log(0.5)/Log(1-r), then you will get different result. In this program, I calculated the half life using T=Log(0.5)/-r.</source>
        <translation>La désintégration des atomes radioactifs est habituellement décrite par l&apos;équation exponentielle A(t)=A(0)Exp(-rt), où A(t) et A(0) sont les nombres d&apos;atomes à l&apos;instant t et à l&apos;instant zéro. Le paramètre r est la constante radioactive. Cependant, l&apos;équation exponentielle donne des résultats non entiers. De plus, quand le temps tend vers l&apos;infini, A(t) tend vers zéro, mais ne vaut jamais zéro. En réalité, la désintégration des atomes radioactifs suit une loi binomiale. Cela signifie que chaque atome n&apos;a que deux possibilités&#xa0;: se désintégrer ou non. Si la réponse est «&#xa0;oui&#xa0;», il n&apos;est plus radioactif. Si la réponse est «&#xa0;non&#xa0;», il reste radioactif. Selon ce modèle binomial, le nombre d&apos;atomes radioactifs est toujours un entier. En simulation aléatoire, r est la probabilité de désintégration par pas, la probabilité qu&apos;un atome se désintègre pendant un pas de temps. On peut le simuler avec des nombres aléatoires. Dès que le dernier atome s&apos;est désintégré, il ne reste plus aucun atome radioactif [c.-à-d. A(t)=0]. À chaque simulation aléatoire, vous obtenez un résultat différent. Cela reflète le caractère aléatoire de la désintégration radioactive. L&apos;équation A(t)=A(0)Exp(-rt) ci-dessus est la forme intégrée de dA/dt=-rA. Si vous calculez la demi-vie avec T=Log(0,5)/Log(1-r), vous obtenez un résultat différent. Dans ce programme, la demi-vie est calculée avec T=Log(0,5)/-r.</translation>
    </message>
</context>
<context>
    <name>LessonDesk</name>
    <message>
        <source>Open lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>The lesson was not opened.</source>
        <translation>La leçon n&apos;a pas été ouverte.</translation>
    </message>
    <message>
        <source>Which lesson do the hand-ins answer?</source>
        <translation>À quelle leçon les copies répondent-elles&#xa0;?</translation>
    </message>
    <message>
        <source>Hand-ins (*.handin);;All files (*)</source>
        <translation>Copies (*.handin);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LessonMaker</name>
    <message>
        <source>Make lesson: %1</source>
        <translation>Créer une leçon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Introduction:</source>
        <translation>Introduction&#xa0;:</translation>
    </message>
    <message>
        <source>The same data for everyone</source>
        <translation>Les mêmes données pour tous</translation>
    </message>
    <message>
        <source>Each student&apos;s own data, from the name typed</source>
        <translation>Des données propres à chaque élève, tirées du nom saisi</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Données&#xa0;:</translation>
    </message>
    <message>
        <source>Check answers at once</source>
        <translation>Vérifier les réponses aussitôt</translation>
    </message>
    <message>
        <source>The hand-in carries the answers</source>
        <translation>La copie contient les réponses</translation>
    </message>
    <message>
        <source>The hand-in carries the run&apos;s data file</source>
        <translation>La copie contient le fichier de données de la simulation</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Student may</source>
        <translation>L&apos;élève peut</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>change it</source>
        <translation>la modifier</translation>
    </message>
    <message>
        <source>see it only (locked)</source>
        <translation>seulement la voir (verrouillée)</translation>
    </message>
    <message>
        <source>not see it (hidden)</source>
        <translation>ne pas la voir (masquée)</translation>
    </message>
    <message>
        <source>change it within a range</source>
        <translation>la modifier dans une plage</translation>
    </message>
    <message>
        <source>The decay run takes the lesson&apos;s entries; its window stays as it is.</source>
        <translation>La simulation de désintégration reprend les valeurs de la leçon&#xa0;; sa fenêtre reste telle quelle.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message>
        <source>Remove step</source>
        <translation>Supprimer l&apos;étape</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>multiple choice</source>
        <translation>choix multiple</translation>
    </message>
    <message>
        <source>free text</source>
        <translation>texte libre</translation>
    </message>
    <message>
        <source>a value read off the chart</source>
        <translation>une valeur lue sur le graphique</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Right within (%):</source>
        <translation>Tolérance (%)&#xa0;:</translation>
    </message>
    <message>
        <source>or within (in the unit):</source>
        <translation>ou en valeur absolue (±, dans l&apos;unité)&#xa0;:</translation>
    </message>
    <message>
        <source>Choices, one a line:</source>
        <translation>Choix, un par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Expected answer:</source>
        <translation>Réponse attendue&#xa0;:</translation>
    </message>
    <message>
        <source>the number or choice below</source>
        <translation>le nombre ou le choix ci-dessous</translation>
    </message>
    <message>
        <source>Number, or choice from 1:</source>
        <translation>Nombre, ou numéro du choix à partir de 1&#xa0;:</translation>
    </message>
    <message>
        <source>Of (name = value; ...):</source>
        <translation>Pour (nom = valeur&#xa0;; ...)&#xa0;:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Enregistrer la leçon...</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Save lesson as web page...</source>
        <translation>Enregistrer la leçon comme page web...</translation>
    </message>
    <message>
        <source>The web page is not installed with this build, so a lesson cannot be saved as a page here.</source>
        <translation>La page web n&apos;est pas installée avec cette version du programme, une leçon ne peut donc pas être enregistrée ici comme page.</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Ramasser les copies...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>It needs: %1.</source>
        <translation>La grandeur demande&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is a time: give the unit as s, min, h, d or y.</source>
        <translation>La grandeur est une durée&#xa0;: donnez l&apos;unité sous la forme s, min, h, d ou y (année).</translation>
    </message>
    <message>
        <source>Give the lesson a title first.</source>
        <translation>Donnez d&apos;abord un titre à la leçon.</translation>
    </message>
    <message>
        <source>The lesson cannot be given to a class yet.</source>
        <translation>La leçon ne peut pas encore être donnée à une classe.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>Lessons (*.atomdrift)</source>
        <translation>Leçons (*.atomdrift)</translation>
    </message>
    <message>
        <source>The lesson was not saved.</source>
        <translation>La leçon n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The link would be %1 characters long, more than the %2 that mail programs and learning platforms keep whole. Hand the lesson out as a file (&quot;Save lesson...&quot;) or as a web page instead.</source>
        <translation>Le lien ferait %1 caractères, plus que les %2 que les logiciels de courriel et les plateformes d&apos;apprentissage conservent en entier. Distribuez plutôt la leçon comme fichier («&#xa0;Enregistrer la leçon...&#xa0;») ou comme page web.</translation>
    </message>
    <message>
        <source>Save lesson as web page</source>
        <translation>Enregistrer la leçon comme page web</translation>
    </message>
    <message>
        <source>The web page %1 cannot be read: %2</source>
        <translation>La page web %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pages web (*.html)</translation>
    </message>
    <message>
        <source>The page was not saved.</source>
        <translation>La page n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Collect hand-ins</source>
        <translation>Ramasser les copies</translation>
    </message>
    <message>
        <source>Edit lesson: %1</source>
        <translation>Modifier la leçon&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message>
        <source>Preview: %1</source>
        <translation>Aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Leçon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ton nom&#xa0;:</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Rendre</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Ramasser les copies...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Value read off the chart:</source>
        <translation>Valeur lue sur le graphique&#xa0;:</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Ta réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Everyone has the same data (seed %1).</source>
        <translation>Tout le monde a les mêmes données (graine %1).</translation>
    </message>
    <message>
        <source>Type your name and press Enter: your own data come from it.</source>
        <translation>Tape ton nom et appuie sur Entrée&#xa0;: tes propres données en dépendent.</translation>
    </message>
    <message>
        <source>Your data come from your name (seed %1).</source>
        <translation>Tes données sont tirées de ton nom (graine %1).</translation>
    </message>
    <message>
        <source>Type your name first: your data come from it.</source>
        <translation>Tape d&apos;abord ton nom&#xa0;: tes données en dépendent.</translation>
    </message>
    <message>
        <source>“%1” is no number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Type your name first: the hand-in carries it.</source>
        <translation>Tape d&apos;abord ton nom&#xa0;: la copie le porte.</translation>
    </message>
    <message>
        <source>Hand-ins (*.handin)</source>
        <translation>Copies (*.handin)</translation>
    </message>
    <message>
        <source>The hand-in was not saved.</source>
        <translation>La copie n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>Save chart as image...</source>
        <translation>Enregistrer le graphique comme image...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>Number of atoms at t=%1</source>
        <translation>Nombre d&apos;atomes à t=%1</translation>
    </message>
    <message>
        <source>The initial number of atoms must be a whole number from %1 to %2.</source>
        <translation>Le nombre initial d&apos;atomes doit être un entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The decay rate must be a number from %1 to %2.</source>
        <translation>La constante radioactive doit être un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The last step must be a whole number from %1 to %2.</source>
        <translation>Le dernier pas doit être un entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of runs must be a whole number from %1 to %2.</source>
        <translation>Le nombre de simulations doit être un entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The seed must be a whole number from %1 to %2.</source>
        <translation>La graine doit être un entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; a class&apos;s counts take far less.</source>
        <translation>Le fichier dépasse %1 Mo&#xa0;; les relevés d&apos;une classe prennent bien moins.</translation>
    </message>
    <message>
        <source>The file holds no counts.</source>
        <translation>Le fichier ne contient aucun relevé.</translation>
    </message>
    <message>
        <source>The file holds the counts of one step only; a decay needs two or more.</source>
        <translation>Le fichier ne contient les relevés que d&apos;un seul pas&#xa0;; une désintégration en demande au moins deux.</translation>
    </message>
    <message>
        <source>Line %1 has only one field: each line needs the step and at least one group&apos;s count.</source>
        <translation>La ligne %1 n&apos;a qu&apos;un champ&#xa0;: chaque ligne doit contenir le pas et le relevé d&apos;au moins un groupe.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 groups.</source>
        <translation>La ligne %1 a plus de %2 groupes.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields, line %3 has %4 fields.</source>
        <translation>La ligne %1 a %2 champs, la ligne %3 en a %4.</translation>
    </message>
    <message>
        <source>Line %1 has %2 field, line %3 has %4 fields.</source>
        <translation>La ligne %1 a %2 champ, la ligne %3 en a %4.</translation>
    </message>
    <message>
        <source>Line %1 is one too many: at most %2 lines of counts.</source>
        <translation>La ligne %1 est de trop&#xa0;: au plus %2 lignes de relevés.</translation>
    </message>
    <message>
        <source>Line %1, field %2 is empty.</source>
        <translation>Ligne %1, champ %2&#xa0;: il est vide.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is not a number.</source>
        <translation>Ligne %1, champ %2&#xa0;: %3 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is negative.</source>
        <translation>Ligne %1, champ %2&#xa0;: %3 est négatif.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the step %3 is not a whole number of throws.</source>
        <translation>Ligne %1, champ %2&#xa0;: le pas %3 n&apos;est pas un nombre entier de lancers.</translation>
    </message>
    <message>
        <source>Line %1: the step %2 does not come after the step before it.</source>
        <translation>Ligne %1&#xa0;: le pas %2 ne suit pas le pas précédent.</translation>
    </message>
    <message>
        <source>Two members are called %1.</source>
        <translation>Deux nucléides s&apos;appellent %1.</translation>
    </message>
    <message>
        <source>Every link joins two different members of the chain.</source>
        <translation>Chaque filiation relie deux nucléides différents de la chaîne.</translation>
    </message>
    <message>
        <source>%1 is stable: it cannot decay to anything.</source>
        <translation>%1 est stable&#xa0;: il ne peut pas se désintégrer.</translation>
    </message>
    <message>
        <source>The link from %1 to %2 is there twice.</source>
        <translation>La filiation de %1 vers %2 figure deux fois.</translation>
    </message>
    <message>
        <source>The branch fraction from %1 to %2 must be a number from 0 to 1.</source>
        <translation>Le rapport d&apos;embranchement de %1 vers %2 doit être un nombre de 0 à 1.</translation>
    </message>
    <message>
        <source>The branch fractions from %1 add up to more than 1.</source>
        <translation>La somme des rapports d&apos;embranchement de %1 dépasse 1.</translation>
    </message>
    <message>
        <source>%1 is not in the nuclide table.</source>
        <translation>%1 n&apos;est pas dans la table des nucléides.</translation>
    </message>
    <message>
        <source>The chain of %1 loops.</source>
        <translation>La chaîne de %1 forme une boucle.</translation>
    </message>
    <message>
        <source>A custom chain has 1 to %1 members.</source>
        <translation>Une chaîne personnalisée a de 1 à %1 nucléides.</translation>
    </message>
    <message>
        <source>The chain has a loop: a member would decay back into itself. Remove one of the links of the loop.</source>
        <translation>La chaîne forme une boucle&#xa0;: un nucléide se désintégrerait en lui-même. Supprimez l&apos;une des filiations de la boucle.</translation>
    </message>
    <message>
        <source>The initial number of atoms of %1 must be a number from 0 to 1E+30.</source>
        <translation>Le nombre initial d&apos;atomes de %1 doit être un nombre de 0 à 1E+30.</translation>
    </message>
    <message>
        <source>At least one member needs atoms at the start.</source>
        <translation>Au moins un nucléide doit avoir des atomes au départ.</translation>
    </message>
    <message>
        <source>The time step must be a number from 1 ns to 1E+12 y.</source>
        <translation>Le pas de temps doit être un nombre de 1 ns à 1E+12 a.</translation>
    </message>
    <message>
        <source>The number of steps must be a whole number from 1 to %1.</source>
        <translation>Le nombre de pas doit être un entier de 1 à %1.</translation>
    </message>
    <message>
        <source>The milking step must be a whole number from 1 to %1.</source>
        <translation>Le pas d&apos;élution doit être un entier de 1 à %1.</translation>
    </message>
    <message>
        <source>Choose the member to milk.</source>
        <translation>Choisissez le nucléide à éluer.</translation>
    </message>
    <message>
        <source>The random run follows whole atoms: give whole numbers of atoms.</source>
        <translation>La simulation aléatoire suit des atomes entiers&#xa0;: donnez des nombres entiers d’atomes.</translation>
    </message>
    <message>
        <source>The efficiency must be a number above %1 and at most %2.</source>
        <translation>L’efficacité doit être un nombre supérieur à %1 et au plus égal à %2.</translation>
    </message>
    <message>
        <source>The counting interval must be a whole number of steps from %1 to %2.</source>
        <translation>L&apos;intervalle de comptage doit être un nombre entier de pas de %1 à %2.</translation>
    </message>
    <message>
        <source>The run has no time step to count in.</source>
        <translation>La simulation n&apos;a pas de pas de temps dans lequel compter.</translation>
    </message>
    <message>
        <source>The run has no steps to count.</source>
        <translation>La simulation n&apos;a aucun pas à compter.</translation>
    </message>
    <message>
        <source>The counter&apos;s settings are out of range.</source>
        <translation>Les réglages du compteur sont hors limites.</translation>
    </message>
    <message>
        <source>The run holds a step with no count of decays or activity.</source>
        <translation>La simulation contient un pas sans nombre de désintégrations ni activité.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; a measurement&apos;s counts take far less.</source>
        <translation>Le fichier dépasse %1 Mo&#xa0;; les coups d&apos;une mesure prennent bien moins.</translation>
    </message>
    <message>
        <source>The file holds the counts of one interval only; a half-life needs two or more.</source>
        <translation>Le fichier ne contient les coups que d&apos;un seul intervalle&#xa0;; une demi-vie en demande au moins deux.</translation>
    </message>
    <message>
        <source>Line %1 has %2 field: each line needs a time and counts, then a background or the end of the interval and a background.</source>
        <translation>La ligne %1 a %2 champ&#xa0;: chaque ligne doit contenir un temps et des coups, puis un bruit de fond ou la fin de l&apos;intervalle et un bruit de fond.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields: each line needs a time and counts, then a background or the end of the interval and a background.</source>
        <translation>La ligne %1 a %2 champs&#xa0;: chaque ligne doit contenir un temps et des coups, puis un bruit de fond ou la fin de l&apos;intervalle et un bruit de fond.</translation>
    </message>
    <message>
        <source>Line %1 is one too many: at most %2 intervals.</source>
        <translation>La ligne %1 est de trop&#xa0;: au plus %2 intervalles.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the counts %3 are not a whole number.</source>
        <translation>Ligne %1, champ %2&#xa0;: les coups %3 ne sont pas un nombre entier.</translation>
    </message>
    <message>
        <source>Line %1: the interval does not end after it starts.</source>
        <translation>Ligne %1&#xa0;: l&apos;intervalle ne finit pas après son début.</translation>
    </message>
    <message>
        <source>Line %1: the interval starts before the one before it ends.</source>
        <translation>Ligne %1&#xa0;: l&apos;intervalle commence avant la fin du précédent.</translation>
    </message>
    <message>
        <source>Line %1: the time does not come after the time before it.</source>
        <translation>Ligne %1&#xa0;: le temps ne suit pas le temps précédent.</translation>
    </message>
    <message>
        <source>Poisson maximum likelihood</source>
        <translation>Maximum de vraisemblance de Poisson</translation>
    </message>
    <message>
        <source>A half-life needs the counts of two intervals or more.</source>
        <translation>Une demi-vie demande les coups d&apos;au moins deux intervalles.</translation>
    </message>
    <message>
        <source>The counts show no decay that a half-life could be fitted to.</source>
        <translation>Les coups ne montrent aucune décroissance à laquelle ajuster une demi-vie.</translation>
    </message>
    <message>
        <source>The counts show too little decay for a half-life: its uncertainty would be more than half of it.</source>
        <translation>Les coups montrent trop peu de désintégration pour une demi-vie&#xa0;: son incertitude dépasserait la moitié de sa valeur.</translation>
    </message>
    <message>
        <source>Member %1 needs a name of 1 to %2 characters.</source>
        <translation>Le nucléide %1 doit avoir un nom de 1 à %2 caractères.</translation>
    </message>
    <message>
        <source>The half-life of %1 must be a number from %2 s to %3 y; leave it empty for a stable member.</source>
        <translation>La demi-vie de %1 doit être un nombre de %2 s à %3 ans&#xa0;; laissez-la vide pour un nucléide stable.</translation>
    </message>
    <message>
        <source>The background must be a number of events per second from %1 to %2.</source>
        <translation>Le bruit de fond doit être un nombre d’événements par seconde de %1 à %2.</translation>
    </message>
    <message>
        <source>A random run&apos;s decays must be whole numbers.</source>
        <translation>Les désintégrations d’une simulation aléatoire doivent être des nombres entiers.</translation>
    </message>
    <message>
        <source>The sample is too active to count: the run would bring more than %1 counts. Take fewer atoms or a lower efficiency.</source>
        <translation>L’échantillon est trop actif pour être compté&#xa0;: la simulation donnerait plus de %1 coups. Prenez moins d’atomes ou une efficacité plus faible.</translation>
    </message>
    <message>
        <source>The background counting time must be a number of seconds from %1 to %2.</source>
        <translation>La durée de comptage du bruit de fond doit être un nombre de secondes de %1 à %2.</translation>
    </message>
    <message>
        <source>Line %1, field %2: the time %3 is not from %4 to %5.</source>
        <translation>Ligne %1, champ %2&#xa0;: le temps %3 n’est pas compris entre %4 et %5.</translation>
    </message>
    <message>
        <source>Line %1, field %2: %3 is not a count from %4 to %5.</source>
        <translation>Ligne %1, champ %2&#xa0;: %3 n’est pas un nombre de coups de %4 à %5.</translation>
    </message>
    <message>
        <source>The carbon must be a number of grams from %1 to %2.</source>
        <translation>Le carbone doit être un nombre de grammes de %1 à %2.</translation>
    </message>
    <message>
        <source>The age must be a number of years from %1 to %2, or empty for a hidden one.</source>
        <translation>L’âge doit être un nombre d’années de %1 à %2, ou vide pour un âge caché.</translation>
    </message>
    <message>
        <source>The counting time must be a number of minutes from %1 to %2.</source>
        <translation>La durée de comptage doit être un nombre de minutes de %1 à %2.</translation>
    </message>
    <message>
        <source>%1 may also decay by %2 (%3); without a measured share it is left out of the chain.</source>
        <translation>%1 peut aussi se désintégrer par %2 (%3)&#xa0;; sans rapport d’embranchement mesuré, cette voie reste hors de la chaîne.</translation>
    </message>
    <message>
        <source>%1 fissions (%2) in %3 % of its decays; the fission products leave the chain.</source>
        <translation>%1 fissionne (%2) dans %3&#xa0;% de ses désintégrations&#xa0;; les produits de fission quittent la chaîne.</translation>
    </message>
    <message>
        <source>%1 decays by %2 in %3 % of its decays into more than one nucleus, which leave the chain.</source>
        <translation>%1 se désintègre par %2 dans %3&#xa0;% de ses désintégrations en plus d’un noyau, qui quittent la chaîne.</translation>
    </message>
    <message>
        <source>%1 → %2 (%3, %4 %) is below the branch threshold of %5 % and left out.</source>
        <translation>%1 → %2 (%3, %4&#xa0;%) est sous le seuil d’embranchement de %5&#xa0;% et n’est pas suivi.</translation>
    </message>
    <message>
        <source>%1 → %2 (%3, %4 %) leaves the chain: %2 is not in the nuclide table.</source>
        <translation>%1 → %2 (%3, %4&#xa0;%) quitte la chaîne&#xa0;: %2 n’est pas dans la table des nucléides.</translation>
    </message>
    <message>
        <source>The chain of %1 has more members than the %2 a run can take; these, which the fewest atoms reach, are left out: %3.</source>
        <translation>La chaîne de %1 compte plus de nucléides que les %2 qu’une simulation peut suivre&#xa0;; ceux-ci, que le moins d’atomes atteignent, sont laissés de côté&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The branch threshold must be a number of percent from %1 to %2.</source>
        <translation>Le seuil d’embranchement doit être un pourcentage de %1 à %2.</translation>
    </message>
    <message>
        <source>The first time must be a number from 1 ns to 1E+12 y.</source>
        <translation>Le premier instant doit être un nombre de 1 ns à 1E+12 a.</translation>
    </message>
    <message>
        <source>The last time must be after the first time, at most 1E+12 y.</source>
        <translation>Le dernier instant doit suivre le premier, au plus 1E+12 a.</translation>
    </message>
    <message>
        <source>The points per decade must be a whole number from 1 to %1.</source>
        <translation>Le nombre de points par décade doit être un entier de 1 à %1.</translation>
    </message>
    <message>
        <source>The grid has more than %1 steps: take fewer points per decade or a shorter span.</source>
        <translation>La grille a plus de %1 pas&#xa0;: prenez moins de points par décade ou une durée plus courte.</translation>
    </message>
    <message>
        <source>The grid&apos;s steps must be at least 1 ns: take fewer points per decade or a later first time.</source>
        <translation>Les pas de la grille doivent durer au moins 1 ns&#xa0;: prenez moins de points par décade ou un premier instant plus tardif.</translation>
    </message>
    <message>
        <source>The initial amount of %1 must be a number of at least 0.</source>
        <translation>La quantité initiale de %1 doit être un nombre positif ou nul.</translation>
    </message>
    <message>
        <source>%1 has no molar mass here: give its amount in atoms.</source>
        <translation>%1 n’a pas de masse molaire ici&#xa0;: donnez sa quantité en atomes.</translation>
    </message>
    <message>
        <source>%1 is stable and has no activity: give its amount in atoms or grams.</source>
        <translation>%1 est stable et n’a pas d’activité&#xa0;: donnez sa quantité en atomes ou en grammes.</translation>
    </message>
    <message>
        <source>The initial amount of %1 is more than 1E+30 atoms.</source>
        <translation>La quantité initiale de %1 dépasse 1E+30 atomes.</translation>
    </message>
    <message>
        <source>Weighted least squares on the counts</source>
        <translation>Moindres carrés pondérés sur les coups</translation>
    </message>
    <message>
        <source>The net counts are below the critical level of this counting time: the sample is older than the age at its detection limit (95 %).</source>
        <translation>Les coups nets sont sous le seuil de décision de cette durée de comptage&#xa0;: l’échantillon est plus ancien que l’âge à sa limite de détection (95&#xa0;%).</translation>
    </message>
    <message>
        <source>Silver-110 (Ag-110)</source>
        <translation>Argent-110 (Ag-110)</translation>
    </message>
    <message>
        <source>Silver-108 (Ag-108)</source>
        <translation>Argent-108 (Ag-108)</translation>
    </message>
    <message>
        <source>The activation time must be a number of seconds from %1 to %2.</source>
        <translation>La durée d’activation doit être un nombre de secondes de %1 à %2.</translation>
    </message>
    <message>
        <source>The dead time must be a number of microseconds from %1 to %2.</source>
        <translation>Le temps mort doit être un nombre de microsecondes de %1 à %2.</translation>
    </message>
    <message>
        <source>The chain counted</source>
        <translation>La chaîne comptée</translation>
    </message>
    <message>
        <source>Two half-lives need the counts of four intervals or more.</source>
        <translation>Deux demi-vies demandent les coups de quatre intervalles ou plus.</translation>
    </message>
    <message>
        <source>The counts are not those of the chain counted, so the chain cannot be fitted to them.</source>
        <translation>Les coups ne sont pas ceux de la chaîne comptée&#xa0;: la chaîne ne peut pas leur être ajustée.</translation>
    </message>
    <message>
        <source>The number of counts must be a whole number from %1 to %2.</source>
        <translation>Le nombre de comptages doit être un entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The count rate must be a number of events per second above %1 and at most %2.</source>
        <translation>Le taux de comptage doit être un nombre d’événements par seconde supérieur à %1 et d’au plus %2.</translation>
    </message>
    <message>
        <source>The counting interval must be a number of seconds from %1 to %2.</source>
        <translation>L’intervalle de comptage doit être un nombre de secondes de %1 à %2.</translation>
    </message>
    <message>
        <source>An interval would bring more than %1 counts; count for less time.</source>
        <translation>Un intervalle apporterait plus de %1 coups&#xa0;; comptez moins longtemps.</translation>
    </message>
    <message>
        <source>One nuclide</source>
        <translation>Un nucléide</translation>
    </message>
    <message>
        <source>Two nuclides</source>
        <translation>Deux nucléides</translation>
    </message>
    <message>
        <source>branches below %2 %: %1</source>
        <extracomment>%1 a count, %2 the branch threshold in percent</extracomment>
        <translation>branches sous %2&#xa0;%&#xa0;: %1</translation>
    </message>
    <message>
        <source>decays that leave the chain: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>désintégrations qui quittent la chaîne&#xa0;: %1</translation>
    </message>
    <message>
        <source>modes without a measured share: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>modes sans part mesurée&#xa0;: %1</translation>
    </message>
    <message>
        <source>members beyond what a run can take: %1</source>
        <extracomment>%1 a count</extracomment>
        <translation>nucléides au-delà de ce qu’une simulation peut prendre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 to %4 the kinds of notes with their counts</extracomment>
        <translation>Laissé de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Left out: %1; %2.</source>
        <translation>Laissé de côté&#xa0;: %1&#xa0;; %2.</translation>
    </message>
    <message>
        <source>Left out: %1; %2; %3.</source>
        <translation>Laissé de côté&#xa0;: %1&#xa0;; %2&#xa0;; %3.</translation>
    </message>
    <message>
        <source>Left out: %1; %2; %3; %4.</source>
        <translation>Laissé de côté&#xa0;: %1&#xa0;; %2&#xa0;; %3&#xa0;; %4.</translation>
    </message>
    <message>
        <source>Take %1 points per decade</source>
        <translation>Prendre %1 points par décade</translation>
    </message>
    <message>
        <source>Take %1 steps of %2 %3</source>
        <translation>Prendre %1 pas de %2 %3</translation>
    </message>
    <message>
        <source>Take an efficiency of %1</source>
        <translation>Prendre une efficacité de %1</translation>
    </message>
    <message>
        <source>Count for %1 s</source>
        <translation>Compter pendant %1 s</translation>
    </message>
    <message>
        <source>The hand-in %1 cannot be read: %2</source>
        <translation>La copie %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>it was made by a later version of Atomdrift, in hand-in format %1; this version reads formats up to %2.</source>
        <translation>elle a été créée par une version plus récente d&apos;Atomdrift, au format de copie %1&#xa0;; cette version lit les formats jusqu&apos;au %2.</translation>
    </message>
    <message>
        <source>it has no checksum.</source>
        <translation>elle n&apos;a pas de somme de contrôle.</translation>
    </message>
    <message>
        <source>its checksum does not match its contents: it was damaged or changed.</source>
        <translation>sa somme de contrôle ne correspond pas à son contenu&#xa0;: elle a été endommagée ou modifiée.</translation>
    </message>
    <message>
        <source>%1 answers another lesson (“%2”).</source>
        <translation>%1 répond à une autre leçon («&#xa0;%2&#xa0;»).</translation>
    </message>
    <message>
        <source>The seed of %1 is not the one the lesson gives %2: the file was changed.</source>
        <translation>La graine de %1 n&apos;est pas celle que la leçon donne à %2&#xa0;: le fichier a été modifié.</translation>
    </message>
    <message>
        <source>%1 answers a step the lesson does not have.</source>
        <translation>%1 répond à une étape que la leçon n&apos;a pas.</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>step, number, choice or text</source>
        <translation>step, number, choice ou text</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présente</translation>
    </message>
    <message>
        <source>a whole number from 0 to 18446744073709551615</source>
        <translation>un entier de 0 à 18446744073709551615</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fausse</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>sans réponse</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>ramassée</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>non corrigée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Corrigées</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Correction %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Attendu %1</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>La leçon %1 ne peut pas être ouverte&#xa0;: %2</translation>
    </message>
    <message>
        <source>the link is damaged or cut short.</source>
        <translation>le lien est endommagé ou tronqué.</translation>
    </message>
    <message>
        <source>the text is no link to a lesson.</source>
        <translation>le texte n&apos;est pas un lien vers une leçon.</translation>
    </message>
    <message>
        <source>%1 needs a text in its first language.</source>
        <translation>%1 a besoin d&apos;un texte dans sa première langue.</translation>
    </message>
    <message>
        <source>The part “%1” has no entry %2.</source>
        <translation>La partie «&#xa0;%1&#xa0;» n&apos;a pas d&apos;entrée %2.</translation>
    </message>
    <message>
        <source>%1 should be true or false, not “%2”.</source>
        <translation>%1 devrait valoir true ou false, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 should be a number written with a point, not “%2”.</source>
        <translation>%1 devrait être un nombre écrit avec un point, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4 the lesson allows.</source>
        <translation>%1 vaut %2, hors de la plage de %3 à %4 que la leçon autorise.</translation>
    </message>
    <message>
        <source>%1 needs one of its items, not an empty text.</source>
        <translation>%1 a besoin de l&apos;un de ses éléments, et non d&apos;un texte vide.</translation>
    </message>
    <message>
        <source>%1 should be one of %2, not “%3”.</source>
        <translation>%1 devrait valoir l&apos;une des valeurs %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The decay run&apos;s windows cannot lock, hide or limit %1: a lesson gives them entries and steps only.</source>
        <translation>Les fenêtres de la simulation de désintégration ne peuvent pas verrouiller, masquer ni limiter %1&#xa0;: une leçon leur donne seulement des valeurs et des étapes.</translation>
    </message>
    <message>
        <source>The part “%1” has no control %2.</source>
        <translation>La partie «&#xa0;%1&#xa0;» n&apos;a pas de commande %2.</translation>
    </message>
    <message>
        <source>%1 takes no range: only number entries do.</source>
        <translation>%1 n&apos;accepte pas de plage&#xa0;: seuls les champs numériques en acceptent.</translation>
    </message>
    <message>
        <source>The range of %1 needs a minimum no larger than its maximum.</source>
        <translation>La plage de %1 a besoin d&apos;un minimum qui ne dépasse pas son maximum.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>%1 needs a tolerance above 0.</source>
        <translation>%1 a besoin d&apos;une tolérance supérieure à 0.</translation>
    </message>
    <message>
        <source>%1 needs the number it expects, or a quantity of the student&apos;s run.</source>
        <translation>%1 a besoin du nombre attendu, ou d&apos;une grandeur de la simulation de l&apos;élève.</translation>
    </message>
    <message>
        <source>%1 expects a number that is not finite.</source>
        <translation>%1 attend un nombre qui n&apos;est pas fini.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 needs at least two choices.</source>
        <translation>%1 a besoin d&apos;au moins deux choix.</translation>
    </message>
    <message>
        <source>%1 expects a choice it does not offer.</source>
        <translation>%1 attend un choix qu&apos;elle ne propose pas.</translation>
    </message>
    <message>
        <source>Decay run</source>
        <translation>Simulation de désintégration</translation>
    </message>
    <message>
        <source>Class experiment</source>
        <translation>Expérience de classe</translation>
    </message>
    <message>
        <source>Nuclide lab</source>
        <translation>Laboratoire des nucléides</translation>
    </message>
    <message>
        <source>Counting lab</source>
        <translation>Laboratoire de comptage</translation>
    </message>
    <message>
        <source>The lesson&apos;s id should be 16 hexadecimal digits, not “%1”.</source>
        <translation>L&apos;identifiant de la leçon devrait compter 16 chiffres hexadécimaux, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <source>it was made by a later version of Atomdrift, in lesson format %1; this version reads formats up to %2.</source>
        <translation>elle a été créée par une version plus récente d&apos;Atomdrift, au format de leçon %1&#xa0;; cette version lit les formats jusqu&apos;au %2.</translation>
    </message>
    <message>
        <source>a text in one or more languages</source>
        <translation>un texte en une ou plusieurs langues</translation>
    </message>
    <message>
        <source>one of the languages en, de, fr and es</source>
        <translation>l&apos;une des langues en, de, fr et es</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>number, choice, text or readOff</source>
        <translation>number, choice, text ou readOff</translation>
    </message>
    <message>
        <source>relative or absolute</source>
        <translation>relative ou absolute</translation>
    </message>
    <message>
        <source>open, locked, hidden or a range</source>
        <translation>open, locked, hidden ou une plage</translation>
    </message>
    <message>
        <source>shared or perStudent</source>
        <translation>shared ou perStudent</translation>
    </message>
    <message>
        <source>policy or value</source>
        <translation>policy ou value</translation>
    </message>
    <message>
        <source>answers or data</source>
        <translation>answers ou data</translation>
    </message>
    <message>
        <source>run, experiment, nuclides or counting</source>
        <translation>run, experiment, nuclides ou counting</translation>
    </message>
    <message>
        <source>This lesson takes values from %1 to %2 here, and %3 is outside them.</source>
        <translation>Cette leçon accepte ici des valeurs de %1 à %2, et %3 est en dehors.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far larger than any it could be.</source>
        <translation>elle dépasse %1 Mo, bien plus qu&apos;elle ne pourrait jamais peser.</translation>
    </message>
    <message>
        <source>its lists and objects nest deeper than %1 levels.</source>
        <translation>ses listes et objets s&apos;imbriquent sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>it is not a complete JSON document; it may be damaged or cut short.</source>
        <translation>ce n&apos;est pas un document JSON complet&#xa0;; elle est peut-être endommagée ou tronquée.</translation>
    </message>
    <message>
        <source>it is a JSON document, but not one of Atomdrift&apos;s: it has no key “%1”.</source>
        <translation>c&apos;est un document JSON, mais pas un document d&apos;Atomdrift&#xa0;: il n&apos;a pas de clé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>its format version “%1” is not a whole number from 1.</source>
        <translation>sa version de format «&#xa0;%1&#xa0;» n&apos;est pas un entier à partir de 1.</translation>
    </message>
    <message>
        <source>the entry “%1” should be %2.</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» devrait être %2.</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a finite number</source>
        <translation>un nombre fini</translation>
    </message>
    <message>
        <source>a whole number in its range</source>
        <translation>un entier dans sa plage</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>%1 is “%2”, which the decay run would replace on Enter.</source>
        <translation>%1 vaut «&#xa0;%2&#xa0;», que la simulation de désintégration remplacerait à la touche Entrée.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Not right yet: look again and try once more.</source>
        <translation>Pas encore juste&#xa0;: regarde de nouveau et réessaie.</translation>
    </message>
    <message>
        <source>Your answer is kept for your teacher.</source>
        <translation>Ta réponse est gardée pour ton professeur.</translation>
    </message>
    <message>
        <source>This answer cannot be checked here: %1</source>
        <translation>Cette réponse ne peut pas être vérifiée ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>Atomdrift knows no quantity “%1”.</source>
        <translation>Atomdrift ne connaît pas de grandeur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the part “%1” has no quantity “%2”.</source>
        <translation>la partie «&#xa0;%1&#xa0;» n&apos;a pas de grandeur «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>the quantity “%1” needs its “%2”.</source>
        <translation>la grandeur «&#xa0;%1&#xa0;» a besoin de l&apos;indication «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>the step of “%1” should be a whole number from 0.</source>
        <translation>le pas de «&#xa0;%1&#xa0;» devrait être un entier à partir de 0.</translation>
    </message>
    <message>
        <source>The nuclide table is not loaded.</source>
        <translation>La table des nucléides n&apos;est pas chargée.</translation>
    </message>
    <message>
        <source>The lesson&apos;s chain cannot be made from the table.</source>
        <translation>La chaîne de la leçon ne peut pas être construite à partir de la table.</translation>
    </message>
    <message>
        <source>The lesson&apos;s run cannot be made from its set-up.</source>
        <translation>La simulation de la leçon ne peut pas être faite avec ses réglages.</translation>
    </message>
    <message>
        <source>The lesson has no such step.</source>
        <translation>La leçon n&apos;a pas cette étape.</translation>
    </message>
    <message>
        <source>The table has no nuclide %1.</source>
        <translation>La table n&apos;a pas de nucléide %1.</translation>
    </message>
    <message>
        <source>%1 is stable and has no half-life.</source>
        <translation>%1 est stable et n&apos;a pas de demi-vie.</translation>
    </message>
    <message>
        <source>The lesson&apos;s chain has no member %1.</source>
        <translation>La chaîne de la leçon n&apos;a pas de nucléide %1.</translation>
    </message>
    <message>
        <source>%1 comes into no equilibrium with %2.</source>
        <translation>%1 n&apos;atteint pas d&apos;équilibre avec %2.</translation>
    </message>
    <message>
        <source>The run ends at step %1, before step %2.</source>
        <translation>La simulation se termine au pas %1, avant le pas %2.</translation>
    </message>
    <message>
        <source>The activity of %1 has no peak in this run.</source>
        <translation>L&apos;activité de %1 n&apos;a pas de maximum dans cette simulation.</translation>
    </message>
    <message>
        <source>The counts of this run give no fit.</source>
        <translation>Les coups de cette simulation ne donnent pas d&apos;ajustement.</translation>
    </message>
    <message>
        <source>A rate of 0 has no half-life.</source>
        <translation>Une constante radioactive nulle ne donne pas de demi-vie.</translation>
    </message>
    <message>
        <source>No run of the class gives that half-life.</source>
        <translation>Aucune simulation de la classe ne donne cette demi-vie.</translation>
    </message>
    <message>
        <source>A time needs a time unit, not “%1”.</source>
        <translation>Un temps a besoin d&apos;une unité de temps, et non de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The atoms left at a step of the student&apos;s random run</source>
        <translation>Les atomes restants à un pas de la simulation aléatoire de l&apos;élève</translation>
    </message>
    <message>
        <source>N0·e^(−r·t) at a step</source>
        <translation>N0·e^(−r·t) à un pas</translation>
    </message>
    <message>
        <source>ln 2 / r, the half-life in steps</source>
        <translation>ln 2 / r, la demi-vie en pas</translation>
    </message>
    <message>
        <source>The class&apos;s mean number of atoms at a step</source>
        <translation>Le nombre moyen d&apos;atomes de la classe à un pas</translation>
    </message>
    <message>
        <source>The class&apos;s mean half-life where N first falls to N0/2</source>
        <translation>La demi-vie moyenne de la classe, quand N tombe pour la première fois à N0/2</translation>
    </message>
    <message>
        <source>The class&apos;s mean half-life from the slope of ln N</source>
        <translation>La demi-vie moyenne de la classe, à partir de la pente de ln N</translation>
    </message>
    <message>
        <source>A nuclide&apos;s half-life in the table</source>
        <translation>La demi-vie d&apos;un nucléide dans la table</translation>
    </message>
    <message>
        <source>The activity of a daughter over that of a member before it, once in equilibrium</source>
        <translation>Le rapport d&apos;activités d&apos;un fils à un nucléide qui le précède, une fois l&apos;équilibre atteint</translation>
    </message>
    <message>
        <source>The atoms of a member at a step of the exact run</source>
        <translation>Les atomes d&apos;un nucléide à un pas de la simulation exacte</translation>
    </message>
    <message>
        <source>When the activity of a member peaks, in the exact run</source>
        <translation>Quand l&apos;activité d&apos;un nucléide atteint son maximum, dans la simulation exacte</translation>
    </message>
    <message>
        <source>The half-life fitted to the student&apos;s counts</source>
        <translation>La demi-vie déterminée par ajustement des coups de l&apos;élève</translation>
    </message>
    <message>
        <source>The background rate the student measured, per second</source>
        <translation>Le taux de comptage du bruit de fond mesuré par l&apos;élève, par seconde</translation>
    </message>
    <message>
        <source>The age of the student&apos;s carbon sample from its first count</source>
        <translation>L&apos;âge de l&apos;échantillon de carbone de l&apos;élève d&apos;après son premier comptage</translation>
    </message>
    <message>
        <source>The true age of the student&apos;s carbon sample</source>
        <translation>L&apos;âge réel de l&apos;échantillon de carbone de l&apos;élève</translation>
    </message>
    <message>
        <source>Make a random run first: its atoms are shown here.</source>
        <translation>Faites d&apos;abord une simulation aléatoire&#xa0;: ses atomes sont affichés ici.</translation>
    </message>
    <message>
        <source>Only the atoms of a random run can be shown.</source>
        <translation>Seuls les atomes d&apos;une simulation aléatoire peuvent être affichés.</translation>
    </message>
    <message>
        <source>The run has no atoms to show.</source>
        <translation>La simulation n&apos;a aucun atome à afficher.</translation>
    </message>
    <message>
        <source>The atoms can be shown one by one for runs of at most %1 atoms.</source>
        <translation>Les atomes ne peuvent être affichés un par un que pour des simulations d&apos;au plus %1 atomes.</translation>
    </message>
    <message>
        <source>The atoms can be shown one by one for runs of at most %1 steps.</source>
        <translation>Les atomes ne peuvent être affichés un par un que pour des simulations d&apos;au plus %1 pas.</translation>
    </message>
    <message>
        <source>The run&apos;s numbers of atoms and their moves do not agree.</source>
        <translation>Les nombres d&apos;atomes de la simulation ne concordent pas avec leurs changements d&apos;état.</translation>
    </message>
    <message>
        <source>Not yet decayed</source>
        <translation>Pas encore désintégré</translation>
    </message>
    <message>
        <source>Decayed</source>
        <translation>Désintégré</translation>
    </message>
    <message>
        <source>Left the chain</source>
        <translation>Sorti de la chaîne</translation>
    </message>
    <message>
        <source>Taken away</source>
        <translation>Élué</translation>
    </message>
    <message>
        <source>Atoms left, each as a fraction of its start</source>
        <translation>Atomes restants, rapportés à leur nombre initial</translation>
    </message>
    <message>
        <source>N(t) / N(0)</source>
        <translation>N(t) / N(0)</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <translation>Temps (pas)</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Temps (%1)</translation>
    </message>
    <message>
        <source>Whole sample: %1 atoms</source>
        <translation>Échantillon entier&#xa0;: %1 atomes</translation>
    </message>
    <message>
        <source>Patch %1: %2 atoms</source>
        <translation>Zone %1&#xa0;: %2 atomes</translation>
    </message>
    <message>
        <source>Expected spread of patch 1</source>
        <translation>Dispersion attendue de la zone 1</translation>
    </message>
    <message>
        <source>Expected spread of patch 2</source>
        <translation>Dispersion attendue de la zone 2</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>t = %1: %2 of %3 atoms left, %4 half-lives</source>
        <translation>t = %1&#xa0;: %2 atomes restants sur %3, %4 demi-vies</translation>
    </message>
    <message>
        <source>t = %1: %2 of %3 atoms left</source>
        <translation>t = %1&#xa0;: %2 atomes restants sur %3</translation>
    </message>
    <message>
        <source>t = %1 %2: %3 of %4 atoms of %5 left, %6 half-lives</source>
        <translation>t = %1 %2&#xa0;: %3 atomes de %5 restants sur %4, %6 demi-vies</translation>
    </message>
    <message>
        <source>t = %1 %2: %3 of %4 atoms of %5 left</source>
        <translation>t = %1 %2&#xa0;: %3 atomes de %5 restants sur %4</translation>
    </message>
    <message>
        <source>%1; patch: %2 of %3</source>
        <translation>%1&#xa0;; zone&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>%1; patch %2: %3 of %4</source>
        <translation>%1&#xa0;; zone %2&#xa0;: %3 sur %4</translation>
    </message>
    <message>
        <source>%1; detector: %2 decays in this step, efficiency %3 %</source>
        <translation>%1&#xa0;; détecteur&#xa0;: %2 désintégrations pendant ce pas, efficacité %3&#xa0;%</translation>
    </message>
    <message>
        <source>The hold-off is the counting chain&apos;s dead time: after each pulse nothing is counted for %1 ms (non-paralysable), so at n counts a second a share n·τ of them is lost, which the lab corrects.</source>
        <translation>La durée de blocage est le temps mort de la chaîne de comptage&#xa0;: après chaque impulsion, rien n&apos;est compté pendant %1&#xa0;ms (non paralysable)&#xa0;; à n coups par seconde, une part n·τ des événements est donc perdue, ce que le laboratoire corrige.</translation>
    </message>
    <message>
        <source>%1 pulses in %2 s: %3 a second.</source>
        <translation>%1 impulsions en %2&#xa0;s&#xa0;: %3 par seconde.</translation>
    </message>
    <message>
        <source>The browser left its sound processing on (%1): pulses may be distorted or missed.</source>
        <translation>Le navigateur a laissé son traitement audio activé (%1)&#xa0;: des impulsions peuvent être déformées ou manquées.</translation>
    </message>
    <message>
        <source>The input seems to be processed (automatic gain or noise suppression): turn that off in the system&apos;s sound settings.</source>
        <translation>L&apos;entrée semble traitée (contrôle automatique du gain ou réduction du bruit)&#xa0;: désactivez ce traitement dans les réglages audio du système.</translation>
    </message>
    <message>
        <source>%1 samples were at full scale: turn the input level down.</source>
        <translation>%1 échantillons du signal ont atteint la pleine échelle&#xa0;: baissez le niveau d&apos;entrée.</translation>
    </message>
    <message>
        <source>%1 s of the input were lost in %2 dropped buffers: no pulse could be counted then, and the intervals they touch are left out.</source>
        <translation>%1&#xa0;s du signal d&apos;entrée ont été perdues dans %2 tampons abandonnés&#xa0;: aucune impulsion n&apos;a pu être comptée pendant ce temps, et les intervalles concernés sont laissés de côté.</translation>
    </message>
    <message>
        <source>The sample counts as more active than modern carbon of its mass. Carbon that grew after 1950 is; otherwise the net counts rose above the background by chance, or the carbon or the efficiency is not the sample&apos;s.</source>
        <translation>L’échantillon compte comme plus actif que du carbone actuel de même masse. Le carbone qui a poussé après 1950 l’est&#xa0;; sinon, les coups nets ont dépassé le bruit de fond par hasard, ou le carbone ou l’efficacité ne sont pas ceux de l’échantillon.</translation>
    </message>
    <message>
        <source>Count the sample with the real counter first (listen, then stop, or open a recording), then date it.</source>
        <translation>Comptez d’abord l’échantillon avec le compteur réel (écouter, puis arrêter, ou ouvrir un enregistrement), puis datez-le.</translation>
    </message>
    <message>
        <source>Count the background with the real counter too: listen with the sample away, stop, and take the counts as the background.</source>
        <translation>Comptez aussi le bruit de fond avec le compteur réel&#xa0;: écoutez sans l’échantillon, arrêtez, et prenez les coups comme bruit de fond.</translation>
    </message>
    <message>
        <source>The background and the sample are the same recording: count the sample in its place, then date it.</source>
        <translation>Le bruit de fond et l’échantillon sont le même enregistrement&#xa0;: comptez l’échantillon à sa place, puis datez-le.</translation>
    </message>
    <message>
        <source>The recording or the background lasted no time at all.</source>
        <translation>L’enregistrement ou le bruit de fond n’a duré aucun temps.</translation>
    </message>
</context>
<context>
    <name>NuclideChart</name>
    <message>
        <source>Chart of nuclides</source>
        <translation>Carte des nucléides</translation>
    </message>
    <message>
        <source>Find nuclide:</source>
        <translation>Chercher un nucléide&#xa0;:</translation>
    </message>
    <message>
        <source>U-238, 238U or uranium 238</source>
        <translation>U-238, 238U ou uranium 238</translation>
    </message>
    <message>
        <source>Colour by:</source>
        <translation>Couleur selon&#xa0;:</translation>
    </message>
    <message>
        <source>Main decay mode</source>
        <translation>Mode de désintégration principal</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Demi-vie</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Carte ou tableau</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Data: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi and G. Audi, Chinese Physics C 45, 030001 (2021), under the CC BY 3.0 licence.</source>
        <translation>Données&#xa0;: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi et G. Audi, Chinese Physics C 45, 030001 (2021), sous licence CC BY 3.0.</translation>
    </message>
    <message>
        <source>Show chain in the lab</source>
        <translation>Montrer la chaîne dans le labo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>Nuclides</source>
        <translation>Nucléides</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nucléide</translation>
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
        <translation>Spin et parité</translation>
    </message>
    <message>
        <source>Decay modes</source>
        <translation>Modes de désintégration</translation>
    </message>
    <message>
        <source>No nuclide of the table is called &quot;%1&quot;.</source>
        <translation>Aucun nucléide de la table ne s’appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 is stable: it has no chain.</source>
        <translation>%1 est stable&#xa0;: il n’a pas de chaîne.</translation>
    </message>
    <message>
        <source>Left out of the chain: %1</source>
        <translation>Hors de la chaîne&#xa0;: %1</translation>
    </message>
    <message>
        <source>The chart shows N %1 to %2 and Z %3 to %4, coloured by %5: %6 nuclides, %7 of them stable.</source>
        <extracomment>%1 to %4 the neutron and proton numbers shown, %5 &quot;main decay mode&quot; or &quot;half-life&quot;, %6 and %7 counts.</extracomment>
        <translation>La carte montre N de %1 à %2 et Z de %3 à %4, en couleur selon %5&#xa0;: %6 nucléides, dont %7 stables.</translation>
    </message>
    <message>
        <source>half-life</source>
        <comment>the chart is coloured by</comment>
        <translation>la demi-vie</translation>
    </message>
    <message>
        <source>main decay mode</source>
        <comment>the chart is coloured by</comment>
        <translation>le mode de désintégration principal</translation>
    </message>
    <message>
        <source>Chosen: %1, half-life %2%3.</source>
        <translation>Choisi&#xa0;: %1, demi-vie %2%3.</translation>
    </message>
    <message>
        <source>The table lists %1 nuclides.</source>
        <translation>Le tableau compte %1 nucléides.</translation>
    </message>
</context>
<context>
    <name>NuclideLab</name>
    <message>
        <source>The nuclide table cannot be read (%1); only a custom chain can be run.</source>
        <translation>La table des nucléides est illisible (%1)&#xa0;; seule une chaîne personnalisée peut être simulée.</translation>
    </message>
    <message>
        <source>Nuclide lab</source>
        <translation>Laboratoire des nucléides</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Échantillon</translation>
    </message>
    <message>
        <source>Custom chain</source>
        <translation>Chaîne personnalisée</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nucléide</translation>
    </message>
    <message>
        <source>Nuclide:</source>
        <translation>Nucléide&#xa0;:</translation>
    </message>
    <message>
        <source>Members of the chain</source>
        <translation>Nucléides de la chaîne</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Demi-vie</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Decays to</source>
        <translation>Noyau fils</translation>
    </message>
    <message>
        <source>Branch fraction</source>
        <translation>Rapport d&apos;embranchement</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Time step:</source>
        <translation>Pas de temps&#xa0;:</translation>
    </message>
    <message>
        <source>Time unit</source>
        <translation>Unité de temps</translation>
    </message>
    <message>
        <source>Number of steps:</source>
        <translation>Nombre de pas&#xa0;:</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Member to milk:</source>
        <translation>Nucléide à éluer&#xa0;:</translation>
    </message>
    <message>
        <source>Milk after step:</source>
        <translation>Éluer après le pas&#xa0;:</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Éluer</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Atoms N(t)</source>
        <translation>Atomes N(t)</translation>
    </message>
    <message>
        <source>Activity A(t)</source>
        <translation>Activité A(t)</translation>
    </message>
    <message>
        <source>Activity ratio</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Échelle log.</translation>
    </message>
    <message>
        <source>Activity unit:</source>
        <translation>Unité d&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>Chart of the nuclide lab</source>
        <translation>Graphique du laboratoire des nucléides</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Type up to five members: a name, a half-life (empty for a stable member), the number of the member it decays to and the branch fraction.</source>
        <translation>Saisissez jusqu&apos;à cinq nucléides&#xa0;: un nom, une demi-vie (vide pour un nucléide stable), le numéro du nucléide en lequel il se désintègre et le rapport d&apos;embranchement.</translation>
    </message>
    <message>
        <source>Press Exact for the continuous solution or Random for a run atom by atom.</source>
        <translation>Cliquez sur «&#xa0;Exact&#xa0;» pour la solution continue ou sur «&#xa0;Aléatoire&#xa0;» pour une simulation atome par atome.</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Noyau père</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Noyau fils</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <source>Unit of member %1</source>
        <translation>Unité du nucléide %1</translation>
    </message>
    <message>
        <source>Member %1 decays to &quot;%2&quot;: give the number of a member from 1 to %3, or leave it empty.</source>
        <translation>Le nucléide %1 se désintègre en «&#xa0;%2&#xa0;»&#xa0;: indiquez le numéro d&apos;un nucléide de 1 à %3, ou laissez le champ vide.</translation>
    </message>
    <message>
        <source>%1 run: %2 steps of %3 %4.</source>
        <translation>Simulation «&#xa0;%1&#xa0;»&#xa0;: %2 pas de %3 %4.</translation>
    </message>
    <message>
        <source>All %1 milked after step %2.</source>
        <translation>Tout le %1 élué après le pas %2.</translation>
    </message>
    <message>
        <source>Press Exact or Random to run the chain</source>
        <translation>Cliquez sur «&#xa0;Exact&#xa0;» ou «&#xa0;Aléatoire&#xa0;» pour simuler la chaîne</translation>
    </message>
    <message>
        <source>t [%1]</source>
        <translation>t [%1]</translation>
    </message>
    <message>
        <source>Activity of %1 over that of %2</source>
        <translation>Activité de %1 rapportée à celle de %2</translation>
    </message>
    <message>
        <source>A(%1) / A(%2)</source>
        <translation>A(%1) / A(%2)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Equilibrium</source>
        <translation>Équilibre</translation>
    </message>
    <message>
        <source>No radioactive daughter to compare with its parent</source>
        <translation>Aucun noyau fils radioactif à comparer à son noyau père</translation>
    </message>
    <message>
        <source>Activity of every member</source>
        <translation>Activité de chaque nucléide</translation>
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
        <translation>Atomes de chaque nucléide</translation>
    </message>
    <message>
        <source>%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.</source>
        <translation>%1. En abscisse&#xa0;: %2&#xa0;; en ordonnée&#xa0;: %3%4. %5 séries de %6 points de t = 0 à %7 %8.</translation>
    </message>
    <message>
        <source>, logarithmic</source>
        <translation>, logarithmique</translation>
    </message>
    <message>
        <source>The chain has no radioactive daughter, so no equilibrium of activities.</source>
        <translation>La chaîne n&apos;a pas de noyau fils radioactif, donc pas d&apos;équilibre des activités.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Atomdrift %1.csv</source>
        <translation>Atomdrift %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The run was not saved.</source>
        <translation>La simulation n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>Atomdrift nuclide lab.pdf</source>
        <translation>Atomdrift laboratoire des nucléides.pdf</translation>
    </message>
    <message>
        <source>Atomdrift — Nuclide lab</source>
        <translation>Atomdrift — Laboratoire des nucléides</translation>
    </message>
    <message>
        <source>Chain: %1. %2</source>
        <translation>Chaîne&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>Read from the chart the time at which the daughter&apos;s activity is largest. Compare it with ln(λ_B/λ_A)/(λ_B−λ_A).</source>
        <translation>Lis sur le graphique l&apos;instant où l&apos;activité du noyau fils est maximale. Compare-le avec ln(λ_B/λ_A)/(λ_B−λ_A).</translation>
    </message>
    <message>
        <source>Which kind of equilibrium does the chain reach, and why does the half-life of the parent decide it?</source>
        <translation>Quel type d&apos;équilibre la chaîne atteint-elle, et pourquoi la demi-vie du noyau père en décide-t-elle&#xa0;?</translation>
    </message>
    <message>
        <source>After milking, how long does the daughter take to grow back to half of its activity before? Which half-life sets that time?</source>
        <translation>Après l&apos;élution, combien de temps faut-il au noyau fils pour retrouver la moitié de son activité d&apos;avant&#xa0;? Quelle demi-vie fixe cette durée&#xa0;?</translation>
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
        <translation>j</translation>
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
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>No equilibrium: %1 is stable and has no activity.</source>
        <translation>Pas d&apos;équilibre&#xa0;: %1 est stable et n&apos;a pas d&apos;activité.</translation>
    </message>
    <message>
        <source>Counter...</source>
        <translation>Compteur...</translation>
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
        <translation>Carte des nucléides…</translation>
    </message>
    <message>
        <source>The chain could not be run with these entries.</source>
        <translation>La chaîne ne peut pas être simulée avec ces valeurs.</translation>
    </message>
    <message>
        <source>Leave out branches below (%):</source>
        <translation>Omettre les embranchements sous (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Decay mode</source>
        <translation>Mode de désintégration</translation>
    </message>
    <message>
        <source>No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing.</source>
        <extracomment>%1 is A(daughter)/A(member upstream).</extracomment>
        <translation>Pas d’équilibre&#xa0;: des nucléides aussi durables que celui qui impose le rythme le suivent&#xa0;; %1 continue donc de croître.</translation>
    </message>
    <message>
        <source>atoms</source>
        <translation>atomes</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammes</translation>
    </message>
    <message>
        <source>becquerel</source>
        <translation>becquerels</translation>
    </message>
    <message>
        <source>Initial amount</source>
        <translation>Quantité initiale</translation>
    </message>
    <message>
        <source>Time grid:</source>
        <translation>Grille de temps&#xa0;:</translation>
    </message>
    <message>
        <source>uniform</source>
        <translation>uniforme</translation>
    </message>
    <message>
        <source>logarithmic</source>
        <translation>logarithmique</translation>
    </message>
    <message>
        <source>First time:</source>
        <translation>Premier instant&#xa0;:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Dernier instant&#xa0;:</translation>
    </message>
    <message>
        <source>Points per decade:</source>
        <translation>Points par décade&#xa0;:</translation>
    </message>
    <message>
        <source>Daughter:</source>
        <translation>Fils&#xa0;:</translation>
    </message>
    <message>
        <source>Over:</source>
        <translation>Rapporté à&#xa0;:</translation>
    </message>
    <message>
        <source>%1 run: %2 times on a logarithmic grid from %3 %4 to %5 %6.</source>
        <extracomment>%1 Exact or Random, %2 the number of times, %3 and %4 the first time and its unit, %5 and %6 the last.</extracomment>
        <translation>Simulation «&#xa0;%1&#xa0;»&#xa0;: %2 instants sur une grille logarithmique de %3 %4 à %5 %6.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The random run was cancelled.</source>
        <translation>Le déroulement aléatoire a été annulé.</translation>
    </message>
    <message>
        <source>Ratio expected</source>
        <translation>Rapport attendu</translation>
    </message>
    <message>
        <source>Total expected</source>
        <translation>Total attendu</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 attendu</translation>
    </message>
    <message>
        <source>Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member on its way to %4, so %5 settles at %6.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number.</extracomment>
        <translation>Équilibre séculaire&#xa0;: %1 (%2 %3) impose le rythme, car il vit bien plus longtemps que chaque nucléide sur son chemin vers %4&#xa0;; %5 se stabilise donc à %6.</translation>
    </message>
    <message>
        <source>Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number.</extracomment>
        <translation>Équilibre transitoire&#xa0;: %1 (%2 %3) impose le rythme, car il vit plus longtemps que chaque nucléide sur son chemin vers %4&#xa0;; %5 se stabilise donc à %6.</translation>
    </message>
    <message>
        <source>Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6; the activity of %7 peaks at %8 %9.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member upstream), %6 a number, %7 the daughter again, %8 and %9 a time and its unit.</extracomment>
        <translation>Équilibre transitoire&#xa0;: %1 (%2 %3) impose le rythme, car il vit plus longtemps que chaque nucléide sur son chemin vers %4&#xa0;; %5 se stabilise donc à %6&#xa0;; l’activité de %7 culmine à %8&#xa0;%9.</translation>
    </message>
    <message>
        <source>No equilibrium: %1 (%2 %3) lives at least as long as the members before it, so %4 keeps growing.</source>
        <extracomment>%1 the daughter, %2 and %3 its half-life and unit, %4 is A(daughter)/A(member upstream).</extracomment>
        <translation>Pas d’équilibre&#xa0;: %1 (%2 %3) vit au moins aussi longtemps que les nucléides qui le précèdent&#xa0;; %4 continue donc de croître.</translation>
    </message>
    <message>
        <source>No equilibrium: %1 (%2 %3) lives longer than %4 (%5 %6), so %7 keeps growing.</source>
        <extracomment>%1 the member that sets the pace and %4 the member upstream, each followed by its half-life and unit, %7 is A(daughter)/A(member upstream).</extracomment>
        <translation>Pas d’équilibre&#xa0;: %1 (%2 %3) vit plus longtemps que %4 (%5 %6)&#xa0;; %7 continue donc de croître.</translation>
    </message>
    <message>
        <source>Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member after %4 on its way to %5, so %6 settles at %7.</source>
        <extracomment>%1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the member upstream compared with, %5 the daughter, %6 is A(daughter)/A(member upstream), %7 a number.</extracomment>
        <translation>Équilibre séculaire&#xa0;: %1 (%2 %3) impose le rythme, car il vit bien plus longtemps que chaque nucléide après %4 sur son chemin vers %5&#xa0;; %6 se stabilise donc à %7.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Amount unit</source>
        <translation>Unité de quantité</translation>
    </message>
    <message>
        <source>Amount unit of %1</source>
        <translation>Unité de quantité de %1</translation>
    </message>
    <message>
        <source>Amount unit of member %1</source>
        <translation>Unité de quantité du nucléide %1</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades below the top)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (coupé 12 décades sous le haut de l’axe)</translation>
    </message>
    <message>
        <source>%1 (cut 12 decades before the end)</source>
        <extracomment>%1 the axis&apos;s title</extracomment>
        <translation>%1 (coupé 12 décades avant la fin)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Créer une leçon...</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Afficher les atomes...</translation>
    </message>
</context>
<context>
    <name>NuclideMap</name>
    <message>
        <source>stable</source>
        <translation>stable</translation>
    </message>
</context>
<context>
    <name>OpenLesson</name>
    <message>
        <source>Example lessons:</source>
        <translation>Leçons d&apos;exemple&#xa0;:</translation>
    </message>
    <message>
        <source>Or paste a lesson&apos;s link:</source>
        <translation>Ou collez le lien d&apos;une leçon&#xa0;:</translation>
    </message>
    <message>
        <source>Open a lesson file...</source>
        <translation>Ouvrir un fichier de leçon...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Lessons (*.atomdrift);;All files (*)</source>
        <translation>Leçons (*.atomdrift);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>from the link</source>
        <translation>du lien</translation>
    </message>
    <message>
        <source>The lesson was not opened.</source>
        <translation>La leçon n&apos;a pas été ouverte.</translation>
    </message>
</context>
<context>
    <name>PartControls</name>
    <message>
        <source>locked by the lesson</source>
        <translation>verrouillée par la leçon</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printer %1 cannot take the job.</source>
        <translation>L&apos;imprimante %1 ne peut pas prendre la tâche.</translation>
    </message>
    <message>
        <source>The printer %1 did not finish the job.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas terminé la tâche.</translation>
    </message>
    <message>
        <source>The page could not be drawn as a PDF document.</source>
        <translation>La page n&apos;a pas pu être dessinée en document PDF.</translation>
    </message>
    <message>
        <source>Save the page as a PDF file instead?</source>
        <translation>Enregistrer plutôt la page dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page was not saved.</source>
        <translation>La page n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
</context>
<context>
    <name>PulseReader</name>
    <message>
        <source>There is no sound input to listen to.</source>
        <translation>Il n&apos;y a aucune entrée audio à écouter.</translation>
    </message>
    <message>
        <source>The sound input cannot be opened.</source>
        <translation>L&apos;entrée audio ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The sound input stopped; the pulses counted until then are kept.</source>
        <translation>L&apos;entrée audio s&apos;est arrêtée&#xa0;; les impulsions comptées jusque-là sont conservées.</translation>
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
        <translation>Retour à l&apos;accueil</translation>
    </message>
    <message>
        <source>     Assuming the half-life a radioactive elements is a year and at the beginning you have 10 atoms, how many atoms left after 4 years? The answer is 0.625 atom.  If the number of atoms must be integer, how can you have 0.625 atom?

      If you use the equation N(t)=N(0)*0.5^t to calculate the number of radioactive atoms after t half-life time intervals, you will certainly encounter this question &quot;Can we have non-integer atoms?&quot;. 

     Half-life is a descriptive method based on statisitics. The decay of radioactive atom is a matter of quantal phenomenon.</source>
        <translation>     Supposons que la demi-vie d&apos;un élément radioactif soit d&apos;un an et qu&apos;au départ tu aies 10 atomes&#xa0;: combien en reste-t-il après 4 ans&#xa0;? La réponse est 0,625 atome.  Si le nombre d&apos;atomes doit être entier, comment avoir 0,625 atome&#xa0;?

      Si tu calcules avec N(t)=N(0)*0,5^t le nombre d&apos;atomes radioactifs après t demi-vies, tu rencontreras forcément la question «&#xa0;Peut-il y avoir des atomes non entiers&#xa0;?&#xa0;» 

     La demi-vie est une description statistique. La désintégration d&apos;un atome radioactif est un phénomène quantique.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Références</translation>
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
        <translation>Un logiciel pédagogique sur la désintégration des atomes radioactifs.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Unknown part &quot;%1&quot;. The parts are: %2.</source>
        <translation>Partie inconnue «&#xa0;%1&#xa0;». Les parties sont&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Opens the program in the given part: %1 (the title window, then the main window; the default), %2 (the class experiment), %3 (the nuclide lab) or %4 (the counting lab).</source>
        <translation>Ouvre le logiciel dans la partie indiquée&#xa0;: %1 (la fenêtre de titre, puis la fenêtre principale&#xa0;; par défaut), %2 (l&apos;expérience de classe), %3 (le laboratoire des nucléides) ou %4 (le laboratoire de comptage).</translation>
    </message>
    <message>
        <source>A lesson (.atomdrift) to open.</source>
        <translation>Une leçon (.atomdrift) à ouvrir.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dédicace</translation>
    </message>
    <message>
        <source>Photograph: a quiet lake at dusk</source>
        <translation>Photo&#xa0;: un lac paisible au crépuscule</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Qu&apos;il repose en paix</translation>
    </message>
</context>
<context>
    <name>ViewRow</name>
    <message>
        <source>View:</source>
        <translation>Vue&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Parts of Atomdrift</source>
        <translation>Parties d’Atomdrift</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Decay run</source>
        <translation>Simulation de désintégration</translation>
    </message>
    <message>
        <source>The runs could not be made: %1</source>
        <translation>Les simulations n’ont pas pu être faites&#xa0;: %1</translation>
    </message>
    <message>
        <source>Arrows move the chosen nuclide, Ctrl and the arrows pan, + and - zoom, Home shows the whole chart, Enter takes the nuclide into the lab.</source>
        <translation>Les flèches déplacent le nucléide choisi, Ctrl et les flèches déplacent la carte, + et - zooment, Origine montre toute la carte, Entrée emmène le nucléide dans le laboratoire.</translation>
    </message>
    <message>
        <source>Running the chain atom by atom...</source>
        <translation>La chaîne se déroule atome par atome...</translation>
    </message>
    <message>
        <source>The random run was cancelled.</source>
        <translation>Le déroulement aléatoire a été annulé.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Whole chart</source>
        <translation>Carte entière</translation>
    </message>
    <message>
        <source>Atoms of the first member:</source>
        <translation>Atomes du premier membre&#xa0;:</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Créer une leçon...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Ramasser les copies...</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Please type a number.</source>
        <translation>Tape un nombre, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Ta réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Value read off the chart (%1):</source>
        <translation>Valeur lue sur le graphique (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Value read off the chart:</source>
        <translation>Valeur lue sur le graphique&#xa0;:</translation>
    </message>
    <message>
        <source>Your answer (%1):</source>
        <translation>Ta réponse (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Everyone has the same data (seed %1).</source>
        <translation>Tout le monde a les mêmes données (graine %1).</translation>
    </message>
    <message>
        <source>Your data come from the seed %1, made from your name.</source>
        <translation>Tes données viennent de la graine %1, tirée de ton nom.</translation>
    </message>
    <message>
        <source>Type your name: your data come from it.</source>
        <translation>Tape ton nom&#xa0;: tes données en dépendent.</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Rendre</translation>
    </message>
    <message>
        <source>Back to the maker</source>
        <translation>Retour à l&apos;éditeur</translation>
    </message>
    <message>
        <source>Close lesson</source>
        <translation>Fermer la leçon</translation>
    </message>
    <message>
        <source>Preview: the lesson as a student sees it.</source>
        <translation>Aperçu&#xa0;: la leçon telle qu&apos;un élève la voit.</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ton nom&#xa0;:</translation>
    </message>
    <message>
        <source>Please type your name first: the hand-in carries it.</source>
        <translation>Tape d&apos;abord ton nom, s&apos;il te plaît&#xa0;: la copie le porte.</translation>
    </message>
    <message>
        <source>The lesson asks for the data of your run: please make the run first.</source>
        <translation>La leçon demande les données de ta simulation&#xa0;: simule d&apos;abord, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>from the link</source>
        <translation>du lien</translation>
    </message>
    <message>
        <source>Lesson file...</source>
        <translation>Fichier de leçon...</translation>
    </message>
    <message>
        <source>Or drop a lesson file on the page.</source>
        <translation>Ou déposez un fichier de leçon sur la page.</translation>
    </message>
    <message>
        <source>Example lessons</source>
        <translation>Leçons d&apos;exemple</translation>
    </message>
    <message>
        <source>Lesson link:</source>
        <translation>Lien de la leçon&#xa0;:</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Make lesson</source>
        <translation>Créer une leçon</translation>
    </message>
    <message>
        <source>The link would be %1 characters long, more than the %2 that mail, chats and learning platforms keep whole. Save the lesson as a file or as a web page instead.</source>
        <translation>Le lien ferait %1 caractères, plus que les %2 que les courriels, messageries et plateformes d&apos;apprentissage conservent en entier. Enregistrez plutôt la leçon comme fichier ou comme page web.</translation>
    </message>
    <message>
        <source>The link is copied: %1 characters.</source>
        <translation>Le lien est copié&#xa0;: %1 caractères.</translation>
    </message>
    <message>
        <source>Copy the link from its field: %1 characters.</source>
        <translation>Copiez le lien depuis son champ&#xa0;: %1 caractères.</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>masqué</translation>
    </message>
    <message>
        <source>range</source>
        <translation>plage</translation>
    </message>
    <message>
        <source>Lowest value of %1</source>
        <translation>Valeur la plus basse de %1</translation>
    </message>
    <message>
        <source>Highest value of %1</source>
        <translation>Valeur la plus haute de %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>For the students</source>
        <translation>Pour les élèves</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>no question</source>
        <translation>pas de question</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>multiple choice</source>
        <translation>choix multiple</translation>
    </message>
    <message>
        <source>free text</source>
        <translation>texte libre</translation>
    </message>
    <message>
        <source>a value read off the chart</source>
        <translation>une valeur lue sur le graphique</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question&#xa0;:</translation>
    </message>
    <message>
        <source>Expected answer:</source>
        <translation>Réponse attendue&#xa0;:</translation>
    </message>
    <message>
        <source>this number</source>
        <translation>ce nombre</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nombre&#xa0;:</translation>
    </message>
    <message>
        <source>Of %1:</source>
        <translation>Valeur de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Tolerance (%):</source>
        <translation>Tolérance (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Or within:</source>
        <translation>Ou en valeur absolue (±)&#xa0;:</translation>
    </message>
    <message>
        <source>Choices, one a line:</source>
        <translation>Choix, un par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Right choice (its number):</source>
        <translation>Bon choix (son numéro)&#xa0;:</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Supprimer l&apos;étape %1</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Seed for everyone:</source>
        <translation>Graine pour tous&#xa0;:</translation>
    </message>
    <message>
        <source>Mark answers at once</source>
        <translation>Corriger les réponses aussitôt</translation>
    </message>
    <message>
        <source>The hand-in carries the answers</source>
        <translation>La copie contient les réponses</translation>
    </message>
    <message>
        <source>The hand-in carries the run&apos;s data file</source>
        <translation>La copie contient le fichier de données de la simulation</translation>
    </message>
    <message>
        <source>Lesson link</source>
        <translation>Lien de la leçon</translation>
    </message>
    <message>
        <source>Make lesson: %1</source>
        <translation>Créer une leçon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Introduction:</source>
        <translation>Introduction&#xa0;:</translation>
    </message>
    <message>
        <source>The lesson starts the decay run with its entries as they stand now.</source>
        <translation>La leçon ouvre la simulation de désintégration avec ses valeurs actuelles.</translation>
    </message>
    <message>
        <source>Controls: the entries as they stand, and what students may do with them</source>
        <translation>Commandes&#xa0;: les valeurs actuelles, et ce que les élèves peuvent en faire</translation>
    </message>
    <message>
        <source>Random runs</source>
        <translation>Simulations aléatoires</translation>
    </message>
    <message>
        <source>Each student&apos;s own data, from the name typed</source>
        <translation>Des données propres à chaque élève, tirées du nom saisi</translation>
    </message>
    <message>
        <source>The same data for everyone</source>
        <translation>Les mêmes données pour tous</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Enregistrer la leçon...</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Save lesson as web page</source>
        <translation>Enregistrer la leçon comme page web</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fausse</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>sans réponse</translation>
    </message>
    <message>
        <source>collected</source>
        <translation>ramassée</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>non corrigée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Corrigées</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Mark %1</source>
        <translation>Correction %1</translation>
    </message>
    <message>
        <source>Expected %1</source>
        <translation>Attendu %1</translation>
    </message>
    <message>
        <source>Collect hand-ins</source>
        <translation>Ramasser les copies</translation>
    </message>
    <message>
        <source>Open the lesson whose hand-ins you collect first: the marks come from it.</source>
        <translation>Ouvrez d&apos;abord la leçon dont vous ramassez les copies&#xa0;: la correction en dépend.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Corrections</translation>
    </message>
    <message>
        <source>%1 hand-ins marked, %2 refused.</source>
        <translation>Copies corrigées&#xa0;: %1, refusées&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 runs beyond the class experiment&apos;s 1,000 are left out of the chart.</source>
        <translation>Simulations au-delà des 1&#x202f;000 de l&apos;expérience de classe, absentes du graphique&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Choose the hand-ins of the class, or drop them here.</source>
        <translation>Choisissez les copies de la classe, ou déposez-les ici.</translation>
    </message>
    <message>
        <source>Collect hand-ins: %1</source>
        <translation>Ramasser les copies&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose hand-ins...</source>
        <translation>Choisir les copies...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Atomdrift marks.csv</source>
        <translation>Atomdrift corrections.csv</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Refused files</source>
        <translation>Fichiers refusés</translation>
    </message>
    <message>
        <source>The class&apos;s runs</source>
        <translation>Les simulations de la classe</translation>
    </message>
    <message>
        <source>locked by the lesson</source>
        <translation>verrouillée par la leçon</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Leçon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Show the atoms...</source>
        <translation>Afficher les atomes...</translation>
    </message>
    <message>
        <source>The atoms</source>
        <translation>Les atomes</translation>
    </message>
    <message>
        <source>The atoms are shown for random runs: make one in the decay run, the class experiment or the nuclide lab.</source>
        <translation>Les atomes sont affichés pour les simulations aléatoires&#xa0;: faites-en une dans la simulation de désintégration, l&apos;expérience de classe ou le laboratoire des nucléides.</translation>
    </message>
    <message>
        <source>The atoms, coloured by state</source>
        <translation>Les atomes, colorés selon leur état</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas affiché</translation>
    </message>
    <message>
        <source>Go to step:</source>
        <translation>Aller au pas&#xa0;:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Pas précédent</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas suivant</translation>
    </message>
    <message>
        <source>Drag a detector frame</source>
        <translation>Glisser pour tracer le cadre du détecteur</translation>
    </message>
    <message>
        <source>Draw round the patch</source>
        <translation>Entourer la zone</translation>
    </message>
    <message>
        <source>Clear patches and detector</source>
        <translation>Effacer les zones et le détecteur</translation>
    </message>
    <message>
        <source>Run of the class:</source>
        <translation>Simulation de la classe&#xa0;:</translation>
    </message>
    <message>
        <source>Drag on the square to choose a patch of atoms; the chart then shows its own curve with the band chance gives a patch of its size.</source>
        <translation>Faites glisser sur le carré pour choisir une zone d&apos;atomes&#xa0;; le graphique montre alors sa propre courbe avec la bande de dispersion que le hasard laisse à une zone de cette taille.</translation>
    </message>
    <message>
        <source>Detector efficiency: %1 %</source>
        <translation>Efficacité de détection&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Browsers allow the microphone only to pages they trust: a page opened from a file may have to be served (for example with &quot;python3 -m http.server&quot; in its folder), or the counter recorded and the recording opened.</source>
        <translation>Les navigateurs n&apos;autorisent le microphone que pour les pages auxquelles ils font confiance&#xa0;: une page ouverte depuis un fichier devra peut-être être servie par un serveur local (par exemple avec «&#xa0;python3 -m http.server&#xa0;» lancé dans son dossier)&#xa0;; sinon, enregistrez le compteur et ouvrez l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The input stopped (was the device unplugged?). The pulses counted so far are kept.</source>
        <translation>L&apos;entrée s&apos;est arrêtée (l&apos;appareil a-t-il été débranché&#xa0;?). Les impulsions comptées jusqu&apos;ici sont conservées.</translation>
    </message>
    <message>
        <source>Listening to the counter.</source>
        <translation>Écoute du compteur en cours.</translation>
    </message>
    <message>
        <source>A page opened from a file may not be given the microphone. Serve its folder instead (for example &quot;python3 -m http.server&quot; in it, then open http://localhost:8000/ and the page), or record the counter and open the recording.</source>
        <translation>Une page ouverte depuis un fichier peut se voir refuser le microphone. Servez plutôt son dossier (par exemple avec «&#xa0;python3 -m http.server&#xa0;» lancé dans ce dossier, puis ouvrez http://localhost:8000/ et la page), ou enregistrez le compteur et ouvrez l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The browser did not let the page listen to the sound input.</source>
        <translation>Le navigateur n&apos;a pas autorisé la page à écouter l&apos;entrée audio.</translation>
    </message>
    <message>
        <source>This browser cannot listen to a sound input here. Open a recording instead.</source>
        <translation>Ce navigateur ne peut pas écouter d&apos;entrée audio ici. Ouvrez plutôt un enregistrement.</translation>
    </message>
    <message>
        <source>The sound input could not be opened: %1</source>
        <translation>L&apos;entrée audio n&apos;a pas pu être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>The browser could not decode %1: %2</source>
        <translation>Le navigateur n&apos;a pas pu décoder le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 pulses found in %2.</source>
        <translation>%1 impulsions détectées dans %2.</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source des impulsions</translation>
    </message>
    <message>
        <source>The pulses of the first %1 s are kept.</source>
        <translation>Les impulsions des %1 premières secondes sont conservées.</translation>
    </message>
</context>
<context>
    <name>WorksheetPage</name>
    <message>
        <source>Name: ______________________________     Date: ________________</source>
        <translation>Nom&#xa0;: ______________________________     Date&#xa0;: ________________</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
</context>
<context>
    <name>copyrigh</name>
    <message>
        <source>Please cite Atomdrift</source>
        <translation>Merci de citer Atomdrift</translation>
    </message>
    <message>
        <source>You are welcome to use this program for personal research.</source>
        <translation>Vous pouvez utiliser ce programme pour vos recherches personnelles.</translation>
    </message>
    <message>
        <source>You may copy Atomdrift and give it to students and colleagues free of charge, as long as it stays unchanged and this notice goes with it. It comes without any warranty: check what it computes before you rely on it.</source>
        <translation>Vous pouvez copier Atomdrift et le donner gratuitement à vos élèves et collègues, tant qu&apos;il reste inchangé et accompagné de cette notice. Il est fourni sans aucune garantie&#xa0;: vérifiez ses calculs avant de vous y fier.</translation>
    </message>
    <message>
        <source>Atomdrift is protected by copyright law and by international treaties.</source>
        <translation>Atomdrift est protégé par le droit d&apos;auteur et par les traités internationaux.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>The Atomdrift Project, 2025-2026</source>
        <translation>Le projet Atomdrift, 2025-2026</translation>
    </message>
    <message>
        <source>Photograph: an atom drawn in light</source>
        <translation>Photo&#xa0;: un atome dessiné de lumière</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you use Atomdrift in research papers, please cite it as follows:</source>
        <translation>Si vous utilisez Atomdrift dans des articles de recherche, citez-le ainsi&#xa0;:</translation>
    </message>
    <message>
        <source>The Atomdrift Project (2026). Atomdrift: a simulation of the decay of radioactive atoms. https://www.example.org/atomdrift</source>
        <translation>Le projet Atomdrift (2026). Atomdrift&#xa0;: une simulation de la désintégration des atomes radioactifs. https://www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>New versions at www.example.org/atomdrift</source>
        <translation>Nouvelles versions&#xa0;: www.example.org/atomdrift</translation>
    </message>
    <message>
        <source>The Atomdrift Project</source>
        <translation>Le projet Atomdrift</translation>
    </message>
    <message>
        <source>Example Physics Teaching Laboratory</source>
        <translation>Laboratoire Example d&apos;enseignement de la physique</translation>
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
        <translation>Graphique</translation>
    </message>
    <message>
        <source>lnN(t) vs. t</source>
        <translation>lnN(t) = f(t)</translation>
    </message>
    <message>
        <source>dN(t) vs. t</source>
        <translation>dN(t) = f(t)</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <translation>N(t) = f(t)</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) = f(N(t))</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t) (Blue line: y=x)</source>
        <translation>N(t+1) en fonction de N(t) (Ligne bleue&#xa0;: y=x)</translation>
    </message>
</context>
<context>
    <name>titlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Touche ou clic pour commencer.</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Make lesson...</source>
        <translation>Créer une leçon...</translation>
    </message>
    <message>
        <source>Collect hand-ins...</source>
        <translation>Ramasser les copies...</translation>
    </message>
</context>
</TS>
