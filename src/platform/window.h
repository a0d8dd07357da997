// Corvanthelix - a fixed-size window whose controls come from a layout table.
#pragma once

#include "platform/layout.h"

#include <QHash>
#include <QMainWindow>
#include <span>

class Window : public QMainWindow
{
    Q_OBJECT
public:
    // Applies the settings and shows the application's menu bar, if any.
    explicit Window(const WindowSettings &settings, QWidget *parent = nullptr);

    // The area the layout coordinates refer to, below the menu bar.
    QWidget *content() const { return m_content; }

    // Creates the table's controls in order and keeps them by name.
    void createControls(std::span<const ControlRow> table);
    // The control of that name; asserts that it exists and has that type.
    template <typename T> T *control(const QString &name) const
    {
        auto *found = qobject_cast<T *>(m_controls.value(name));
        Q_ASSERT_X(found, "Window::control", qPrintable(name));
        return found;
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

    QWidget *m_content;
    qreal m_scale; // of the layout, for the system font
    QSize m_designedSize;
    std::span<const ControlRow> m_table;
    QHash<QString, QObject *> m_controls;
    bool m_keyboardFocus = false;
};
