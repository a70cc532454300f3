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

// Lessons: opening, the panel, the maker and the collection of hand-ins
QT_TRANSLATE_NOOP("Web", "Open lesson...");
QT_TRANSLATE_NOOP("Web", "Make lesson...");
QT_TRANSLATE_NOOP("Web", "Collect hand-ins...");
QT_TRANSLATE_NOOP("Web", "Open lesson");
QT_TRANSLATE_NOOP("Web", "Please type a number.");
QT_TRANSLATE_NOOP("Web", "Your answer");
QT_TRANSLATE_NOOP("Web", "Your answer:");
QT_TRANSLATE_NOOP("Web", "Value read off the chart (%1):");
QT_TRANSLATE_NOOP("Web", "Value read off the chart:");
QT_TRANSLATE_NOOP("Web", "Your answer (%1):");
QT_TRANSLATE_NOOP("Web", "Everyone has the same data (seed %1).");
QT_TRANSLATE_NOOP("Web", "Your data come from the seed %1, made from your name.");
QT_TRANSLATE_NOOP("Web", "Type your name: your data come from it.");
QT_TRANSLATE_NOOP("Web", "Hand in");
QT_TRANSLATE_NOOP("Web", "Back to the maker");
QT_TRANSLATE_NOOP("Web", "Close lesson");
QT_TRANSLATE_NOOP("Web", "Preview: the lesson as a student sees it.");
QT_TRANSLATE_NOOP("Web", "locked by the lesson");
QT_TRANSLATE_NOOP("Web", "Lesson: %1");
QT_TRANSLATE_NOOP("Web", "Your name:");
QT_TRANSLATE_NOOP("Web", "Please type your name first: the hand-in carries it.");
QT_TRANSLATE_NOOP("Web", "The lesson asks for the data of your run: please make the run first.");
QT_TRANSLATE_NOOP("Web", "Lesson");
QT_TRANSLATE_NOOP("Web", "%1 cannot be read: %2");
QT_TRANSLATE_NOOP("Web", "from the link");
QT_TRANSLATE_NOOP("Web", "Lesson file...");
QT_TRANSLATE_NOOP("Web", "Or drop a lesson file on the page.");
QT_TRANSLATE_NOOP("Web", "Example lessons");
QT_TRANSLATE_NOOP("Web", "Lesson link:");
QT_TRANSLATE_NOOP("Web", "Open link");
QT_TRANSLATE_NOOP("Web", "Close");
QT_TRANSLATE_NOOP("Web", "Make lesson");
QT_TRANSLATE_NOOP("Web", "The link would be %1 characters long, more than the %2 that mail, chats and learning platforms keep whole. Save the lesson as a file or as a web page instead.");
QT_TRANSLATE_NOOP("Web", "The link is copied: %1 characters.");
QT_TRANSLATE_NOOP("Web", "Copy the link from its field: %1 characters.");
QT_TRANSLATE_NOOP("Web", "open");
QT_TRANSLATE_NOOP("Web", "locked");
QT_TRANSLATE_NOOP("Web", "hidden");
QT_TRANSLATE_NOOP("Web", "range");
QT_TRANSLATE_NOOP("Web", "Lowest value of %1");
QT_TRANSLATE_NOOP("Web", "Highest value of %1");
QT_TRANSLATE_NOOP("Web", "Control");
QT_TRANSLATE_NOOP("Web", "Entry");
QT_TRANSLATE_NOOP("Web", "For the students");
QT_TRANSLATE_NOOP("Web", "Range");
QT_TRANSLATE_NOOP("Web", "Controls");
QT_TRANSLATE_NOOP("Web", "no question");
QT_TRANSLATE_NOOP("Web", "a number");
QT_TRANSLATE_NOOP("Web", "multiple choice");
QT_TRANSLATE_NOOP("Web", "free text");
QT_TRANSLATE_NOOP("Web", "a value read off the chart");
QT_TRANSLATE_NOOP("Web", "Question:");
QT_TRANSLATE_NOOP("Web", "Expected answer:");
QT_TRANSLATE_NOOP("Web", "this number");
QT_TRANSLATE_NOOP("Web", "Unit:");
QT_TRANSLATE_NOOP("Web", "Number:");
QT_TRANSLATE_NOOP("Web", "Of %1:");
QT_TRANSLATE_NOOP("Web", "Tolerance (%):");
QT_TRANSLATE_NOOP("Web", "Or within:");
QT_TRANSLATE_NOOP("Web", "Choices, one a line:");
QT_TRANSLATE_NOOP("Web", "Right choice (its number):");
QT_TRANSLATE_NOOP("Web", "Step %1");
QT_TRANSLATE_NOOP("Web", "Text:");
QT_TRANSLATE_NOOP("Web", "Remove step %1");
QT_TRANSLATE_NOOP("Web", "Title:");
QT_TRANSLATE_NOOP("Web", "Seed for everyone:");
QT_TRANSLATE_NOOP("Web", "Mark answers at once");
QT_TRANSLATE_NOOP("Web", "The hand-in carries the answers");
QT_TRANSLATE_NOOP("Web", "The hand-in carries the run's data file");
QT_TRANSLATE_NOOP("Web", "Lesson link");
QT_TRANSLATE_NOOP("Web", "Make lesson: %1");
QT_TRANSLATE_NOOP("Web", "Introduction:");
QT_TRANSLATE_NOOP("Web", "The lesson starts the decay run with its entries as they stand now.");
QT_TRANSLATE_NOOP("Web", "Controls: the entries as they stand, and what students may do with them");
QT_TRANSLATE_NOOP("Web", "Random runs");
QT_TRANSLATE_NOOP("Web", "Each student's own data, from the name typed");
QT_TRANSLATE_NOOP("Web", "The same data for everyone");
QT_TRANSLATE_NOOP("Web", "Answers");
QT_TRANSLATE_NOOP("Web", "Add step");
QT_TRANSLATE_NOOP("Web", "Preview");
QT_TRANSLATE_NOOP("Web", "Save lesson...");
QT_TRANSLATE_NOOP("Web", "Copy link");
QT_TRANSLATE_NOOP("Web", "Save lesson as web page");
QT_TRANSLATE_NOOP("Web", "right");
QT_TRANSLATE_NOOP("Web", "wrong");
QT_TRANSLATE_NOOP("Web", "unanswered");
QT_TRANSLATE_NOOP("Web", "collected");
QT_TRANSLATE_NOOP("Web", "not marked");
QT_TRANSLATE_NOOP("Web", "Name");
QT_TRANSLATE_NOOP("Web", "File");
QT_TRANSLATE_NOOP("Web", "Seed");
QT_TRANSLATE_NOOP("Web", "Right");
QT_TRANSLATE_NOOP("Web", "Marked");
QT_TRANSLATE_NOOP("Web", "Answer %1");
QT_TRANSLATE_NOOP("Web", "Mark %1");
QT_TRANSLATE_NOOP("Web", "Expected %1");
QT_TRANSLATE_NOOP("Web", "Collect hand-ins");
QT_TRANSLATE_NOOP("Web", "Open the lesson whose hand-ins you collect first: the marks come from it.");
QT_TRANSLATE_NOOP("Web", "Student");
QT_TRANSLATE_NOOP("Web", "%1 of %2");
QT_TRANSLATE_NOOP("Web", "Marks");
QT_TRANSLATE_NOOP("Web", "%1 hand-ins marked, %2 refused.");
QT_TRANSLATE_NOOP("Web", "%1 runs beyond the class experiment's 1,000 are left out of the chart.");
QT_TRANSLATE_NOOP("Web", "Choose the hand-ins of the class, or drop them here.");
QT_TRANSLATE_NOOP("Web", "Collect hand-ins: %1");
QT_TRANSLATE_NOOP("Web", "Choose hand-ins...");
QT_TRANSLATE_NOOP("Web", "Export CSV");
QT_TRANSLATE_NOOP("Web", "Atomdrift marks.csv");
QT_TRANSLATE_NOOP("Web", "Start again");
QT_TRANSLATE_NOOP("Web", "Refused files");
QT_TRANSLATE_NOOP("Web", "The class's runs");

// The atoms of a random run
QT_TRANSLATE_NOOP("Web", "Show the atoms...");
QT_TRANSLATE_NOOP("Web", "The atoms");
QT_TRANSLATE_NOOP("Web", "The atoms are shown for random runs: make one in the decay run, the class experiment or the nuclide lab.");
QT_TRANSLATE_NOOP("Web", "The atoms, coloured by state");
QT_TRANSLATE_NOOP("Web", "Time step");
QT_TRANSLATE_NOOP("Web", "Go to step:");
QT_TRANSLATE_NOOP("Web", "Play");
QT_TRANSLATE_NOOP("Web", "Step back");
QT_TRANSLATE_NOOP("Web", "Step");
QT_TRANSLATE_NOOP("Web", "Drag a detector frame");
QT_TRANSLATE_NOOP("Web", "Draw round the patch");
QT_TRANSLATE_NOOP("Web", "Clear patches and detector");
QT_TRANSLATE_NOOP("Web", "Run of the class:");
QT_TRANSLATE_NOOP("Web", "Drag on the square to choose a patch of atoms; the chart then shows its own curve with the band chance gives a patch of its size.");
QT_TRANSLATE_NOOP("Web", "Close");
QT_TRANSLATE_NOOP("Web", "Detector efficiency: %1 %");
QT_TRANSLATE_NOOP("Web", "Pause");

// The real counter
QT_TRANSLATE_NOOP("Web", "Browsers allow the microphone only to pages they trust: a page opened from a file may have to be served (for example with \"python3 -m http.server\" in its folder), or the counter recorded and the recording opened.");
QT_TRANSLATE_NOOP("Web", "The input stopped (was the device unplugged?). The pulses counted so far are kept.");
QT_TRANSLATE_NOOP("Web", "Listening to the counter.");
QT_TRANSLATE_NOOP("Web", "A page opened from a file may not be given the microphone. Serve its folder instead (for example \"python3 -m http.server\" in it, then open http://localhost:8000/ and the page), or record the counter and open the recording.");
QT_TRANSLATE_NOOP("Web", "The browser did not let the page listen to the sound input.");
QT_TRANSLATE_NOOP("Web", "This browser cannot listen to a sound input here. Open a recording instead.");
QT_TRANSLATE_NOOP("Web", "The sound input could not be opened: %1");
QT_TRANSLATE_NOOP("Web", "The pulses of the first %1 s are kept.");
QT_TRANSLATE_NOOP("Web", "The browser could not decode %1: %2");
QT_TRANSLATE_NOOP("Web", "%1 pulses found in %2.");
QT_TRANSLATE_NOOP("Web", "Source");
