// Corvanthelix - from start-up to shut-down.
#pragma once

#include <memory>

class App;
class QCoreApplication;

// Gives the application its menu bar, binds the About command and opens the
// main window.
void StartUp(App &app);

// StartUp, then the event loop; afterwards releases the pictures, the windows
// and the menu bar. Returns the event loop's exit status.
int Main(App &app);

// Whether the command line asks only for the help or the version, which are
// answered before any display is needed.
bool AsksForHelpOrVersion(int argc, char **argv);
// Prints them and returns the exit status.
int AnswerHelpOrVersion(int argc, char **argv);

// The application object, on the display. When no display can be reached,
// Qt would abort with a long message: instead the player reads one sentence
// that says what to do, and the program exits with status 1.
std::unique_ptr<App> OpenApplication(int &argc, char **argv);

// Installs the translation for the player's language, when the game has one.
void LoadTranslations(QCoreApplication &app);

// The command line, once the application object has taken Qt's own options:
// anything else unknown is refused with status 1.
void ProcessCommandLine(App &app);
