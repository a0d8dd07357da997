// Corvanthelix - a fixed-size window whose controls come from a layout table.
#pragma once

#include "platform/layout.h"

#include <QMainWindow>
#include <span>
#include <vector>

class QScrollArea;

class Window : public QMainWindow
{
    Q_OBJECT
public:
    // Applies the settings and shows the application's menu bar, if any.
    explicit Window(const WindowSettings &settings, QWidget *parent = nullptr);

    // The area the layout coordinates refer to, below the menu bar.
    QWidget *content() const { return m_content; }
    // Creates the table's controls in order.
    void createControls(std::span<const ControlRow> table);
    // Tells assistive technology the text each time the window opens, once it
    // is active: its keys, which a sighted player finds by looking. A window
    // read whole as it opens (ReadOnOpen) reads them after its last label's
    // text, as part of it: a notice from inside it would have a screen reader
    // read the whole window again. Call it once that text is set.
    void tellOnOpen(const QString &text);
    // The control the table made with that id; asserts that it has that type.
    template <typename T> T *created(int id) const
    {
        for (size_t i = 0; i < m_table.size(); ++i)
            if (m_table[i].id == id) {
                auto *found = qobject_cast<T *>(m_made[i]);
                Q_ASSERT_X(found, "Window::created", m_table[i].name);
                return found;
            }
        Q_ASSERT_X(false, "Window::created", "no such id");
        return nullptr;
    }

signals:
    // A mouse-down on the content area outside every control.
    void mouseDown(int x, int y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The desktop's palette or font changed while the game runs: every
    // control takes its colours, or its size and font, anew by the rules it
    // was made with. Nothing else changes.
    void changeEvent(QEvent *event) override;
    // A window hidden and shown again keeps the focus frame the keyboard gave it.
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyLook();
    // A window grown for a larger font beyond what the screen can show
    // scrolls, with every control reachable and every text whole.
    void fitScreen();
    void setFrameSize(QSize content, QSize room);

    QWidget *m_frame;   // what the window shows below its menu bar: the content, or a scroller with it
    QWidget *m_content;
    QScrollArea *m_scroller = nullptr;
    qreal m_scale; // of the layout, for the system font
    QSize m_designedSize;
    std::span<const ControlRow> m_table;
    std::vector<QObject *> m_made; // the table's controls, row by row
    bool m_keyboardFocus = false;
    QString m_toldOnOpen;
    bool m_opening = false;
};
