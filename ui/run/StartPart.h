#pragma once

#include <QString>

class Platform;
class ProgramWindows;
class QCommandLineParser;

// The part the program starts in: the main window after the title window, or one of the class
// experiment and the labs on its own, as a launcher's actions ask for it.
enum class Part { Run, Experiment, Nuclides, Counting };

// What the command line asks for: the part, or, when the part named is none of them, the message
// that says so and names those there are.
struct StartRequest {
    Part part = Part::Run;
    QString error;
    QString lesson; // a lesson file to open, as a double-click on one hands it over
};

// --help, --version and --part NAME, where NAME is run, experiment, nuclides or counting, and a
// lesson file.
void addStartOptions(QCommandLineParser& parser);

// The part a parsed command line chooses; the designed start without --part.
StartRequest startRequest(const QCommandLineParser& parser);

// Goes over to `part` once the main window has loaded. The designed start stays as it is. Any
// other part takes the place of the title window and the backdrop; the main window stays hidden,
// and the program ends when the last of its windows has gone.
void startIn(Part part, ProgramWindows& windows, Platform& platform);
