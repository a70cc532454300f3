// The texts of the browser edition that no desktop window has, listed for lupdate, which reads
// this file into the translations of i18n/ with the desktop's texts. The page looks them up in
// the context "Web" (tr('Web', ...)).
/* global QT_TRANSLATE_NOOP */

// The page's frame and the decay run
QT_TRANSLATE_NOOP("Web", "Parts of Atomdrift");
QT_TRANSLATE_NOOP("Web", "Language:");
QT_TRANSLATE_NOOP("Web", "Decay run");

// The class experiment
QT_TRANSLATE_NOOP("Web", "The runs could not be made: %1");

// The nuclide lab and the chart of nuclides
QT_TRANSLATE_NOOP("Web", "Arrows move the chosen nuclide, Ctrl and the arrows pan, + and - zoom, Home shows the whole chart, Enter takes the nuclide into the lab.");
QT_TRANSLATE_NOOP("Web", "Running the chain atom by atom...");
QT_TRANSLATE_NOOP("Web", "The random run was cancelled.");
QT_TRANSLATE_NOOP("Web", "Zoom in");
QT_TRANSLATE_NOOP("Web", "Zoom out");
QT_TRANSLATE_NOOP("Web", "Whole chart");

// The counting lab
QT_TRANSLATE_NOOP("Web", "Atoms of the first member:");
