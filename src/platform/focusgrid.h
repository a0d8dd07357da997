// Corvanthelix - a grid of controls that is one stop in the Tab chain.
#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Tab enters the grid on the cell that last had the focus and leaves it on
// the next control; the arrow keys move the focus among the cells and stop
// at the edges. Only the current cell takes Tab focus, and no cell takes the
// focus from a click, so the mouse leaves the focus where it was.
class FocusGrid : public QObject
{
    Q_OBJECT
public:
    // cells row by row, `columns` to a row; the first is current.
    FocusGrid(const QList<QWidget *> &cells, int columns, QObject *parent = nullptr);

    QWidget *current() const { return m_cells[m_current]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeCurrent(int index);

    QList<QWidget *> m_cells;
    int m_columns;
    int m_current = 0;
};
