// Corvanthelix - a multi-column list with clickable headings: where its rows
// stand, how they scroll and how they are drawn. Every row has the same
// height, so nothing is kept per row.
#include "platform/listbox.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

int ListBox::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ListBox::rowAt(int y) const
{
    const qint64 at = y + m_offset;
    return at >= 0 && at / m_rowHeight < rowCount() ? int(at / m_rowHeight) : -1;
}

int ListBox::rowY(int row) const
{
    return int(std::clamp<qint64>(qint64(row) * m_rowHeight - m_offset, INT_MIN / 2, INT_MAX / 2));
}

qint64 ListBox::offsetFor(int value) const
{
    // At the end of the scroll bar the last row stands at the bottom, however
    // the height divides.
    const QScrollBar *bar = verticalScrollBar();
    if (bar->maximum() > 0 && value == bar->maximum())
        return std::max<qint64>(0, qint64(rowCount()) * m_rowHeight - viewport()->height());
    return qint64(value) * m_rowHeight;
}

int ListBox::verticalOffset() const
{
    return int(std::min<qint64>(m_offset, INT_MAX));
}

QRect ListBox::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return {};
    return QRect(m_header->sectionViewportPosition(index.column()), rowY(index.row()),
                 m_header->sectionSize(index.column()), m_rowHeight);
}

QModelIndex ListBox::indexAt(const QPoint &point) const
{
    const int row = rowAt(point.y()), column = m_header->logicalIndexAt(point.x());
    return row >= 0 && column >= 0 ? model()->index(row, column, rootIndex()) : QModelIndex();
}

void ListBox::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return;
    const int height = viewport()->height(), top = rowY(index.row());
    if (hint == EnsureVisible)
        hint = top < 0 || m_rowHeight > height ? PositionAtTop
             : top + m_rowHeight > height      ? PositionAtBottom
                                               : EnsureVisible;
    if (hint != EnsureVisible) {
        // The first row to show: the row itself, or as many rows above it as
        // fit above it.
        int first = index.row();
        if (hint == PositionAtBottom || hint == PositionAtCenter) {
            const int room = hint == PositionAtCenter ? height / 2 : height;
            first -= std::min(first, std::max(0, (room - m_rowHeight) / m_rowHeight));
        }
        verticalScrollBar()->setValue(first);
    }
    update(index);
}

QRegion ListBox::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex())
            continue;
        const int left = m_header->sectionViewportPosition(range.left());
        const int right = m_header->sectionViewportPosition(range.right()) + m_header->sectionSize(range.right());
        const QRect rect(QPoint(left, rowY(range.top())), QPoint(right - 1, rowY(range.bottom()) + m_rowHeight - 1));
        if (viewport()->rect().intersects(rect))
            region += rect;
    }
    return region;
}

void ListBox::updateGeometries()
{
    if (m_updatingGeometries)
        return;
    m_updatingGeometries = true;
    const int headingHeight = m_header->isHidden()
        ? 0
        : std::min(std::max(m_header->minimumHeight(), m_header->sizeHint().height()), m_header->maximumHeight());
    setViewportMargins(0, headingHeight, 0, 0);
    const QRect inner = viewport()->geometry();
    m_header->setGeometry(inner.left(), inner.top() - headingHeight, inner.width(), headingHeight);

    // Whole rows scroll: the scroll bar counts the rows that are not on show.
    const int rows = rowCount();
    const QSize most = maximumViewportSize();
    const int height = most.height() >= qint64(rows) * m_rowHeight ? most.height() : viewport()->height();
    const int onShow = std::max(1, std::min(rows, height / m_rowHeight));
    verticalScrollBar()->setRange(0, rows - onShow);
    verticalScrollBar()->setPageStep(onShow);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, 0);
    m_offset = offsetFor(verticalScrollBar()->value());
    m_updatingGeometries = false;
    QAbstractItemView::updateGeometries();
    applyColumnWidths();
}

void ListBox::scrollContentsBy(int, int)
{
    const qint64 before = m_offset;
    m_offset = offsetFor(verticalScrollBar()->value());
    const qint64 by = before - m_offset;
    if (by > -viewport()->height() && by < viewport()->height())
        viewport()->scroll(0, int(by));
    else
        viewport()->update();
}

void ListBox::paintEvent(QPaintEvent *event)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const int rows = rowCount(), columns = m_header->count();
    if (rows == 0 || columns == 0)
        return;
    const int right = m_header->length() - m_header->offset() - 1, bottom = rowY(rows - 1) + m_rowHeight - 1;
    auto orLast = [](int found, int last) { return found < 0 ? last : found; }; // past the end: the last
    // A cell the parts of the region share is drawn once: its text drawn
    // twice would look bolder.
    const int firstRow = std::max(rowAt(0), 0), lastRow = orLast(rowAt(viewport()->height()), rows - 1);
    std::vector<bool> drawn(size_t(lastRow - firstRow + 1) * size_t(columns));
    for (QRect dirty : event->region()) {
        dirty.setBottom(std::min(dirty.bottom(), bottom));
        dirty.setRight(std::min(dirty.right(), right));
        const int top = rowAt(dirty.top());
        if (!dirty.isValid() || top < 0)
            continue;
        const int last = orLast(rowAt(dirty.bottom()), rows - 1);
        const int left = std::max(m_header->visualIndexAt(dirty.left()), 0);
        const int end = orLast(m_header->visualIndexAt(dirty.right()), columns - 1);
        for (int row = top; row <= last; ++row)
            for (int visual = left; visual <= end; ++visual) {
                const size_t bit = size_t(row - firstRow) * size_t(columns) + size_t(visual);
                if (row < firstRow || bit >= drawn.size() || drawn[bit])
                    continue;
                drawn[bit] = true;
                const QModelIndex index = model()->index(row, m_header->logicalIndex(visual), rootIndex());
                QStyleOptionViewItem cell = option;
                cell.rect = visualRect(index);
                if (selectionModel() && selectionModel()->isSelected(index))
                    cell.state |= QStyle::State_Selected;
                if (index == m_hover)
                    cell.state |= QStyle::State_MouseOver;
                if (option.state & QStyle::State_Enabled) {
                    const bool enabled = index.flags() & Qt::ItemIsEnabled;
                    cell.state.setFlag(QStyle::State_Enabled, enabled);
                    cell.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
                }
                if (index == currentIndex() && (hasFocus() || viewport()->hasFocus()))
                    cell.state |= QStyle::State_HasFocus;
                style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
                itemDelegateForIndex(index)->paint(&painter, cell, index);
            }
    }
}

bool ListBox::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hover = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QModelIndex();
        break;
    default:
        break;
    }
    return QAbstractItemView::viewportEvent(event);
}

void ListBox::changeEvent(QEvent *event)
{
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        applyRowHeight();
}

void ListBox::applyRowHeight()
{
    // The height a list gives a line of text in this font and style.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.text = QStringLiteral("Xg");
    option.features |= QStyleOptionViewItem::HasDisplay;
    m_rowHeight = std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
    updateGeometries();
    viewport()->update();
}

void ListBox::applyColumnWidths()
{
    // The inner width shrinks when the scroll bar appears; the last column
    // takes the rounding remainder so no horizontal scrolling is ever needed.
    const int inner = viewport()->width();
    int used = 0;
    for (int column = 0; column < m_percents.size(); ++column) {
        const bool last = column + 1 == m_percents.size();
        const int width = last ? inner - used : inner * m_percents[column] / 100;
        if (m_header->sectionSize(column) != width)
            m_header->resizeSection(column, width);
        used += width;
    }
}
