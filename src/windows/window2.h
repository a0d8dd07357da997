// Corvanthelix - the instructions window.
#pragma once

#include "platform/window.h"

#include "platform/picture.h"

#include <QPointer>
#include <memory>

// Takes the place of the window that opens it while it is shown; Back (or
// Return) swaps back.
class Window2 : public Window
{
    Q_OBJECT
public:
    static const WindowSettings Settings;
    static const std::span<const ControlRow> Controls;
    enum Part { BackButton, NumberPicture, ScorePicture };

    // The shared instance; created on first use and afterwards only hidden and shown.
    static Window2 *instance();
    static void releaseInstance();

    Window2();

    // Shows this window; Back shows the other one again.
    void showInPlaceOf(QWidget *window);
    void PushButton1_Action();

protected:
    // It has no close button, but a window manager may offer to close it
    // anyway: that goes back, so the hidden main window is never stranded.
    // Any other close, as when the application quits, is accepted.
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QWidget> m_replaced;
    // The pictures with words, drawn in the player's language.
    std::unique_ptr<Picture> m_numberPicture, m_scorePicture;
};
