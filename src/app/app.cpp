// Corvanthelix - the application object.
#include "app/app.h"

#include "windows/aboutwindow.h"

App::App(int &argc, char **argv)
    : Application(argc, argv)
{
    setApplicationName(QStringLiteral("Corvanthelix"));
    setApplicationVersion(QStringLiteral(CORVANTHELIX_VERSION));
    setDesktopFileName(QStringLiteral("io.github.corvanthelix.Corvanthelix"));
}

App *App::instance()
{
    return qobject_cast<App *>(QCoreApplication::instance());
}

bool App::AboutCorvanthelix_Action()
{
    AboutWindow *about = AboutWindow::instance();
    about->show();
    about->raise();
    about->activateWindow();
    return false;
}
