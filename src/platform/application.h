// Corvanthelix - the application object as the windows see it.
#pragma once

#include <QApplication>

class MenuBar;

class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    // Null when the running application is not one of ours (a bare QApplication in a test).
    static Application *instance();

    // The bar every window shows; the application does not own it.
    MenuBar *menuBar() const { return m_menuBar; }
    void setMenuBar(MenuBar *menuBar) { m_menuBar = menuBar; }

    // Binds the handler to the menu item of that name.
    template <typename Receiver> void addMenuHandler(const QString &itemName, Receiver *receiver, void (Receiver::*handler)())
    {
        connectItem(itemName, receiver, [receiver, handler] { (receiver->*handler)(); });
    }

private:
    void connectItem(const QString &itemName, QObject *receiver, std::function<void()> handler);

    MenuBar *m_menuBar = nullptr;
};
