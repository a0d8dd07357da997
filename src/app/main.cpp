// Corvanthelix - process entry.
#include "app/app.h"
#include "app/startup.h"
#include "platform/textfile.h"

int main(int argc, char **argv)
{
    // From the start: the sound server's client sizes a file of its own too.
    IgnoreFileSizeSignal();
    App::Describe();
    // --help and --version need no display.
    if (AsksForHelpOrVersion(argc, argv))
        return AnswerHelpOrVersion(argc, argv);
    const std::unique_ptr<App> app = OpenApplication(argc, argv);
    ProcessCommandLine(*app);
    return Main(*app);
}
