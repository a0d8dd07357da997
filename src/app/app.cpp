// Corvanthelix - the application object.
#include "app/app.h"

#include "windows/aboutwindow.h"

#include <QIcon>

App::App(int &argc, char **argv)
    : Application(argc, argv)
{
    Describe();
    setDesktopFileName(QStringLiteral("io.github.corvanthelix.corvanthelix"));
    // The sizes a window manager draws in a title bar or a switcher; larger
    // ones come from the installed icon theme, and X would be sent (and the
    // game would decode) every size given here at the first show.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
}

void App::Describe()
{
    setApplicationName(QStringLiteral("Corvanthelix"));
    setApplicationVersion(QStringLiteral(CORVANTHELIX_VERSION));
}

App *App::instance()
{
    return qobject_cast<App *>(QCoreApplication::instance());
}

void App::AboutCorvanthelix_Action()
{
    AboutWindow *about = AboutWindow::instance();
    about->setWindowState(about->windowState() & ~Qt::WindowMinimized);
    about->show();
    about->raise();
    about->activateWindow();
}
