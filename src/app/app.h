// Corvanthelix - the application object.
#pragma once

#include "platform/application.h"

class App : public Application
{
    Q_OBJECT
public:
    App(int &argc, char **argv);

    // The running application object.
    static App *instance();
    // Sets the program's name and version, which need no application object.
    static void Describe();

    // The About command: shows the About window, or the one already open.
    void AboutCorvanthelix_Action();
};
