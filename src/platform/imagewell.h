// Corvanthelix - a control that shows one picture and reports mouse-downs.
#pragma once

#include <QWidget>

class Picture;
class QPainter;

// A well with a handler for mouse-down is a button to keyboard and screen
// reader players too: Space or Return on it, or a screen reader's press
// action, is a mouse-down. It shows the style's focus frame only while its
// focus came from the keyboard, so a mouse player sees just the picture.
class ImageWell : public QWidget
{
    Q_OBJECT
public:
    explicit ImageWell(QWidget *parent = nullptr);

    // The picture object that was set comes back unchanged; the well does not own it.
    const Picture *picture() const { return m_picture; }
    void setPicture(const Picture *picture);
    // Pictures are drawn this many times their own size (larger system fonts).
    void setScale(qreal scale);

    bool isPressable() const;
    // Checked is told to assistive technology only: the picture stays as it is.
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    bool showsFocusFrame() const { return hasFocus() && m_keyboardFocus; }
    // What Space, Return and the press action do: a mouse-down in the middle.
    void press();

signals:
    // Position inside the well. A quick second click reaches Qt as a
    // double-click; it is still a mouse-down and is reported as one.
    void mouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The background and the picture, without the focus frame.
    void paintWell(QPainter &painter) const;

    const Picture *m_picture = nullptr;
    qreal m_scale = 1.0;
    bool m_keyboardFocus = false;
    bool m_checked = false;
};
