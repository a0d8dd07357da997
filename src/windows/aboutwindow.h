// Corvanthelix - the About window.
#pragma once

#include "platform/window.h"

// Closing it destroys it; the next About makes a new one.
class AboutWindow : public Window
{
    Q_OBJECT
public:
    static const WindowSettings Settings;
    static const std::span<const ControlRow> Controls;

    // The open instance, or a new one.
    static AboutWindow *instance();

    AboutWindow();
};
