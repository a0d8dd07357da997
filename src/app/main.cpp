// Corvanthelix - process entry.
#include "app/app.h"
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    // Without a display Qt would abort with a long message; one sentence is kinder.
    if (DisplayMissing()) {
        std::fputs("Corvanthelix needs a graphical display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    App app(argc, argv);
    return Main(app);
}
