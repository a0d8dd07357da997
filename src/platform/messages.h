// Corvanthelix - telling the player about a trouble.
#pragma once

class QString;
class QWidget;

// Shows the text in a message window beside the parent, not modal: the game
// goes on. One window for each title, brought up to date however often its
// trouble comes back, so that a later trouble never takes the place of one
// the player has not yet read.
void Tell(QWidget *parent, const QString &title, const QString &text);
