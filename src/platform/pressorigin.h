// Corvanthelix - whether a control was pressed with the mouse.
#pragma once

class QWidget;

// Watches the control's presses: a mouse button, or a key that presses it
// (Space, Return, the keypad's Enter).
void WatchPresses(QWidget *control);

// Whether the press being handled came from the mouse; asked once per press.
// A press that neither made, such as a screen reader's press action, is not
// the mouse's: the answer is forgotten once given.
bool PressedByMouse(QWidget *control);
