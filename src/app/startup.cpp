// Corvanthelix - from start-up to shut-down.
#include "app/startup.h"

#include "app/app.h"
#include "app/menubar1.h"
#include "platform/pictures.h"
#include "windows/window1.h"
#include "windows/window2.h"

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

} // namespace

void StartUp(App &app)
{
    NewAppInstance(app);
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

int Main(App &app)
{
    StartUp(app);
    const int status = app.exec();

    // Pictures first: nothing paints once the event loop has returned.
    ReleasePictures();
    Window2::releaseInstance();
    Window1::releaseInstance();
    MenuBar1::releaseInstance();
    return status;
}

bool DisplayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return false;
#endif
}
