// Corvanthelix - telling a screen reader what just happened.
#pragma once

#include <QObject>

class QString;
class QWidget;

// Speaks the text through assistive technology without moving the focus and
// without a pixel on screen. Reaches no one while none is listening.
void Announce(QWidget *window, const QString &text);

// Every text announced, as it is said, with the window that says it,
// whether or not a screen reader listens: what a player would hear, in
// order, for the tests to check without one.
class Announcements : public QObject
{
    Q_OBJECT
public:
    static Announcements &instance();

signals:
    void said(QWidget *window, const QString &text);
};

// Sets the description a screen reader reads with the control, and lets the
// player hear the news when the control has the focus.
void Describe(QWidget *control, const QString &description, const QString &news);

// Makes a window a dialog to assistive technology, so that a screen reader
// reads its text when it opens. The window itself does not change.
void ReadOnOpen(QWidget *window);
bool ReadsOnOpen(const QWidget *window);
