// Corvanthelix - start-up and shut-down.
#include "app/app.h"
#include "app/menubar1.h"
#include "platform/pictures.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <cstdio>
#include <cstdlib>

namespace {

void NewAppInstance(App &app)
{
    app.setMenuBar(MenuBar1::instance());
}

void ApplicationAddMenuHandlers()
{
    App *app = App::instance();
    app->addMenuHandler(QStringLiteral("AboutCorvanthelix"), [app] { return app->AboutCorvanthelix_Action(); });
}

void MakeDefaultView()
{
    Window1::instance();
}

// Without a display Qt would abort with a long message; one sentence is kinder.
bool displayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

int Main(int argc, char **argv)
{
    App app(argc, argv);
    NewAppInstance(app);
    ApplicationAddMenuHandlers();
    MakeDefaultView();
    const int status = app.exec();

    // Pictures first: nothing paints once the event loop has returned.
    ReleasePictures();
    Window2::releaseInstance();
    Window1::releaseInstance();
    MenuBar1::releaseInstance();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    if (displayMissing()) {
        std::fputs("Corvanthelix needs a graphical display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    return Main(argc, argv);
}
