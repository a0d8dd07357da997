// Corvanthelix - the application object as the windows see it.
#include "platform/application.h"

#include "platform/menubar.h"

#include <QAction>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

Application *Application::instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

void Application::addMenuHandler(const QString &itemName, std::function<bool()> handler)
{
    Q_ASSERT(m_menuBar);
    if (QAction *action = m_menuBar ? m_menuBar->item(itemName) : nullptr)
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}
