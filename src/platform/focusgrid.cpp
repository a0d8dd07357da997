// Corvanthelix - a grid of controls that is one stop in the Tab chain.
#include "platform/focusgrid.h"

#include <QKeyEvent>
#include <QWidget>

FocusGrid::FocusGrid(const QList<QWidget *> &cells, int columns, QObject *parent)
    : QObject(parent)
    , m_cells(cells)
    , m_columns(columns)
{
    Q_ASSERT(!cells.isEmpty() && columns > 0 && cells.size() % columns == 0);
    for (QWidget *cell : m_cells)
        cell->installEventFilter(this);
    makeCurrent(0);
}

void FocusGrid::makeCurrent(int index)
{
    m_current = index;
    for (int i = 0; i < m_cells.size(); ++i)
        m_cells[i]->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
}

bool FocusGrid::eventFilter(QObject *watched, QEvent *event)
{
    const int index = m_cells.indexOf(static_cast<QWidget *>(watched));
    if (event->type() == QEvent::FocusIn && index != m_current)
        makeCurrent(index);
    if (event->type() != QEvent::KeyPress || index < 0)
        return false;
    const int row = index / m_columns, column = index % m_columns, rows = int(m_cells.size()) / m_columns;
    int to = index;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left: to = column > 0 ? index - 1 : index; break;
    case Qt::Key_Right: to = column + 1 < m_columns ? index + 1 : index; break;
    case Qt::Key_Up: to = row > 0 ? index - m_columns : index; break;
    case Qt::Key_Down: to = row + 1 < rows ? index + m_columns : index; break;
    default: return false;
    }
    if (to != index)
        m_cells[to]->setFocus(Qt::TabFocusReason); // the keyboard's, so the focus frame shows
    return true;
}
