// Corvanthelix - the program's menu bar: File and Edit.
#pragma once

#include "platform/menubar.h"

class MenuBar1 : public MenuBar
{
    Q_OBJECT
public:
    // Built on the first call, the same object afterwards.
    static MenuBar1 *instance();
    static void releaseInstance();

    MenuBar1();

private:
    void Untitled0(); // File
    void Untitled1(); // Edit
};
