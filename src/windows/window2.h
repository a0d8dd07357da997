// Corvanthelix - the instructions window.
#pragma once

#include "platform/window.h"

// Takes the main window's place while it is shown; Back (or Return) swaps back.
class Window2 : public Window
{
    Q_OBJECT
public:
    static const WindowSettings Settings;
    static const std::span<const ControlRow> Controls;
    // Named once for the layout table and the wiring.
    static constexpr const char *BackButton = "PushButton1";

    // The shared instance; created on first use and afterwards only hidden and shown.
    static Window2 *instance();
    static void releaseInstance();

    Window2();

    void PushButton1_Action();

protected:
    // It has no close button, but a window manager may offer to close it
    // anyway: that goes back, so the hidden main window is never stranded.
    // Any other close, as when the application quits, is accepted.
    void closeEvent(QCloseEvent *event) override;
};
