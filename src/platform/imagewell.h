// Corvanthelix - a control that shows one picture and reports mouse-downs.
#pragma once

#include <QWidget>

class Picture;

class ImageWell : public QWidget
{
    Q_OBJECT
public:
    explicit ImageWell(QWidget *parent = nullptr);

    // The picture object that was set comes back unchanged; the well does not own it.
    const Picture *picture() const { return m_picture; }
    void setPicture(const Picture *picture);

signals:
    // Position inside the well. A quick second click reaches Qt as a
    // double-click; it is still a mouse-down and is reported as one.
    void mouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const Picture *m_picture = nullptr;
};
