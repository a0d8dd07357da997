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

void Application::connectItem(const QString &itemName, QObject *receiver, std::function<void()> handler)
{
    Q_ASSERT(m_menuBar);
    if (QAction *action = m_menuBar ? m_menuBar->item(itemName) : nullptr)
        connect(action, &QAction::triggered, receiver, std::move(handler));
}
