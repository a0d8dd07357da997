// Corvanthelix - a multi-column list with clickable headings.
#include "platform/listbox.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <climits>

namespace {

// Thin dotted lines between rows and thin solid lines between columns, so the
// cells of a narrow list stay apart.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        const QColor line = option.palette.color(QPalette::Mid);
        painter->setPen(QPen(line, 0, Qt::DotLine));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        if (index.column() + 1 < index.model()->columnCount(index.parent())) {
            painter->setPen(QPen(line, 0, Qt::SolidLine));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        }
        painter->restore();
    }
};

// Draws the sort mark centred above the heading's text, where it fits even in
// a narrow column, and pointing the way players read it: up for ascending.
class Heading : public QHeaderView
{
public:
    using QHeaderView::QHeaderView;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        option->sortIndicator = QStyleOptionHeader::None; // the text keeps the section's whole width
    }

    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        // The style leaves the painter clipped to nothing once the section is drawn.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        if (!isSortIndicatorShown() || sortIndicatorSection() != logicalIndex)
            return;
        // A small triangle in the heading's text colour, in the margin above the text.
        const int x = rect.center().x(), y = rect.top() + 1;
        const bool up = sortIndicatorOrder() == Qt::AscendingOrder;
        const QPolygon mark = up ? QPolygon({QPoint(x - 3, y + 3), QPoint(x + 3, y + 3), QPoint(x, y)})
                                 : QPolygon({QPoint(x - 3, y), QPoint(x + 3, y), QPoint(x, y + 3)});
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->setBrush(palette().color(QPalette::ButtonText));
        painter->drawPolygon(mark);
    }
};

} // namespace

void InstallListBoxAccessibility(); // in listboxaccessible.cpp

ListBox::ListBox(QWidget *parent)
    : QAbstractItemView(parent)
    , m_header(new Heading(Qt::Horizontal, this))
{
    InstallListBoxAccessibility();
    setTabKeyNavigation(false); // Tab leaves the list, as in every other control
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem); // whatever the style prefers: rows are what it scrolls
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new GridDelegate(this));
    applyRowHeight();

    m_header->setHighlightSections(false);
    m_header->setSectionsMovable(false);
    m_header->setSectionResizeMode(QHeaderView::Fixed);
    m_header->setStretchLastSection(false);
    m_header->setSectionsClickable(true);
    m_header->setSortIndicatorShown(true);
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(m_header, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
    connect(m_header, &QHeaderView::sectionCountChanged, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    connect(m_header, &QHeaderView::geometriesChanged, this, &ListBox::updateGeometries);
    // Qt flips the indicator on a click; a new column starts ascending because
    // the models we show answer InitialSortOrderRole so.
    connect(m_header, &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
        if (model() && column >= 0)
            model()->sort(column, order);
    });
}

void ListBox::setModel(QAbstractItemModel *model)
{
    if (this->model())
        disconnect(this->model(), nullptr, this, nullptr);
    m_header->setModel(model);
    QAbstractItemView::setModel(model);
    // The scroll bar follows the number of rows.
    if (model)
        for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, changed, this, &ListBox::scheduleDelayedItemsLayout);
}

void ListBox::setSelectionModel(QItemSelectionModel *selectionModel)
{
    m_header->setSelectionModel(selectionModel);
    QAbstractItemView::setSelectionModel(selectionModel);
}

void ListBox::setHeadings(const QString &tabSeparated)
{
    if (!model())
        return;
    const QStringList headings = tabSeparated.split(QLatin1Char('\t'));
    for (int column = 0; column < headings.size(); ++column)
        model()->setHeaderData(column, Qt::Horizontal, headings[column]);
}

void ListBox::setColumnWidths(const QString &percents)
{
    m_percents.clear();
    for (QString part : percents.split(QLatin1Char(','))) {
        part = part.trimmed();
        if (part.endsWith(QLatin1Char('%')))
            part.chop(1);
        m_percents.append(part.toInt());
    }
    applyColumnWidths();
}

void ListBox::clickHeading(int column)
{
    if (!model() || column < 0 || column >= model()->columnCount())
        return;
    const bool again = m_header->sortIndicatorSection() == column;
    const Qt::SortOrder order = again && m_header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                                             : Qt::AscendingOrder;
    m_header->setSortIndicator(column, order);
}

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

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const int rows = rowCount(), columns = model() ? model()->columnCount(rootIndex()) : 0;
    if (rows == 0 || columns == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int row = current.row(), column = current.column();
    switch (action) {
    case MoveUp:
        row = std::max(row - 1, 0);
        break;
    case MoveDown:
        row = std::min(row + 1, rows - 1);
        break;
    case MoveLeft:
    case MovePrevious: // Tab leaves the list, so these only cross the row
        column = std::max(column - 1, 0);
        break;
    case MoveRight:
    case MoveNext:
        column = std::min(column + 1, columns - 1);
        break;
    case MoveHome: // Home and End cross the row; with Ctrl, the whole list
        column = 0;
        if (modifiers & Qt::ControlModifier)
            row = 0;
        break;
    case MoveEnd:
        column = columns - 1;
        if (modifiers & Qt::ControlModifier)
            row = rows - 1;
        break;
    case MovePageUp: {
        const int to = rowAt(visualRect(current).bottom() - viewport()->height());
        row = to < 0 ? 0 : to;
        break;
    }
    case MovePageDown: {
        const int to = rowAt(visualRect(current).top() + viewport()->height());
        row = to < 0 ? rows - 1 : to;
        break;
    }
    }
    return model()->index(row, column, rootIndex());
}

void ListBox::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect normal = rect.normalized();
    const QModelIndex from = indexAt(normal.topLeft()), to = indexAt(normal.bottomRight());
    if (selectionModel() && from.isValid() && to.isValid() && (from.flags() & Qt::ItemIsEnabled)
        && (to.flags() & Qt::ItemIsEnabled))
        selectionModel()->select(QItemSelection(from, to), command);
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

void ListBox::initViewItemOption(QStyleOptionViewItem *option) const
{
    QAbstractItemView::initViewItemOption(option);
    option->showDecorationSelected = true; // a selected row is highlighted across its whole width
}

int ListBox::accessibleChild(const QModelIndex &index) const
{
    return (index.row() + 1) * model()->columnCount(rootIndex()) + index.column();
}

void ListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(accessibleChild(current));
        QAccessible::updateAccessibility(&event);
    }
    QAbstractItemView::currentChanged(current, previous);
}

void ListBox::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (QAccessible::isActive()) {
        for (const auto &[indexes, type] : {std::pair(selected.indexes(), QAccessible::SelectionAdd),
                                           std::pair(deselected.indexes(), QAccessible::SelectionRemove)}) {
            if (indexes.isEmpty())
                continue;
            QAccessibleEvent event(this, type);
            event.setChild(accessibleChild(indexes.first()));
            QAccessible::updateAccessibility(&event);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
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

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Delete && current.isValid())
        return emit cellClick(current.row(), current.column(), -1, -1);
    if (event->modifiers() == Qt::ControlModifier && event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9)
        return clickHeading(event->key() - Qt::Key_1);
    QAbstractItemView::keyPressEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit cellClick(index.row(), index.column(), at.x(), at.y());
    QAbstractItemView::mousePressEvent(event);
}
