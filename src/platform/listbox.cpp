// Corvanthelix - a multi-column list with clickable headings.
#include "platform/listbox.h"

#include "platform/announce.h"
#include "platform/displaytext.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// Thin dotted lines between rows and thin solid lines between columns, so the
// cells of a narrow list stay apart.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // A cell shows what fits in it, at a cost that does not grow with the text.
    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        return DisplayText(QStyledItemDelegate::displayText(value, locale), 256);
    }

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
    // Qt turns the second of two quick clicks into a double-click, which a
    // heading ignores; it is a click all the same, and reverses the order.
    void mouseDoubleClickEvent(QMouseEvent *event) override { mousePressEvent(event); }

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

// In listboxaccessible.cpp:
void InstallListBoxAccessibility();
// Moves the accessible cells of a row that moved, so that what assistive
// technology holds of it follows it.
void MoveAccessibleRow(ListBox *list, int from, int to);

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
    if (!model)
        return;
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, changed, this, &ListBox::scheduleDelayedItemsLayout);
    // The current place now shows another row: new to a screen reader that
    // keeps what it read, though nothing is said of it. (Telling its new name
    // would have Orca 48 say the row before the news of the removal.) The
    // focus told again on the cell it already has makes Orca read the cell
    // anew at Where Am I, and say nothing now.
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
        for (int column = 0; currentIndex().isValid() && column < this->model()->columnCount(); ++column)
            tellCell(QAccessible::ObjectCreated, currentIndex().siblingAtColumn(column));
        tellCurrent();
    });
    // A sort moves the current row: what a screen reader holds of it moves
    // with it, so it need not be told of the row again, after the news.
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
        m_quiet = true;
        m_movingFrom = currentIndex().row();
    });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] {
        m_quiet = false;
        if (m_movingFrom >= 0 && currentIndex().isValid() && currentIndex().row() != m_movingFrom)
            MoveAccessibleRow(this, m_movingFrom, currentIndex().row());
    });
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

void ListBox::initViewItemOption(QStyleOptionViewItem *option) const
{
    QAbstractItemView::initViewItemOption(option);
    option->showDecorationSelected = true; // a selected row is highlighted across its whole width
}

void ListBox::tellCell(QAccessible::Event type, const QModelIndex &index)
{
    if (!QAccessible::isActive() || !index.isValid())
        return;
    QAccessibleEvent event(this, type);
    event.setChild(AccessibleChild(index.row(), index.column(), model()->columnCount(rootIndex())));
    QAccessible::updateAccessibility(&event);
}

void ListBox::tellCurrent()
{
    if (hasFocus())
        tellCell(QAccessible::Focus, currentIndex());
}

void ListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (!m_quiet)
        tellCurrent();
    QAbstractItemView::currentChanged(current, previous);
}

void ListBox::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // The rows after them move up, so the places that go are the last ones:
    // a screen reader that keeps what it read of the table forgets it.
    const int rows = model()->rowCount(parent), columns = model()->columnCount(parent);
    for (int row = rows - (end - start + 1); QAccessible::isActive() && row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            tellCell(QAccessible::ObjectDestroyed, model()->index(row, column, parent));
    // The row that moves up into the current one's place is told after the
    // news of the removal, not before it: the cell a screen reader holds
    // shows it already.
    m_quiet = true;
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    m_quiet = false;
}

void ListBox::focusInEvent(QFocusEvent *event)
{
    // A table emptied and filled again has a current row once more.
    if (!currentIndex().isValid() && model() && model()->rowCount() > 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    QAbstractItemView::focusInEvent(event);
    // Qt tells of the list's own focus after this: the current row's comes after that.
    QMetaObject::invokeMethod(this, &ListBox::tellCurrent, Qt::QueuedConnection);
}

void ListBox::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (!selected.isEmpty())
        tellCell(QAccessible::SelectionAdd, selected.indexes().constFirst());
    if (!deselected.isEmpty())
        tellCell(QAccessible::SelectionRemove, deselected.indexes().constFirst());
    QAbstractItemView::selectionChanged(selected, deselected);
}

void ListBox::showSortMark(int column, Qt::SortOrder order)
{
    const QSignalBlocker quiet(m_header);
    m_header->setSortIndicator(column, order);
}

void ListBox::keyboardSearch(const QString &search)
{
    m_searchFrom = currentIndex();
    QAbstractItemView::keyboardSearch(search);
}

void ListBox::showFound(const QModelIndex &index)
{
    if (index.isValid() && currentIndex() == m_searchFrom)
        setCurrentIndex(index);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Delete && current.isValid())
        return emit cellClick(current.row(), current.column(), -1, -1);
    if (event->modifiers() == Qt::ControlModifier && event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9)
        return clickHeading(event->key() - Qt::Key_1);
    QAbstractItemView::keyPressEvent(event);
    // A key that cannot move on says why, rather than nothing.
    if (currentIndex() == current && event->modifiers() == Qt::NoModifier) {
        if (!current.isValid() && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up))
            Announce(window(), tr("The table is empty."));
        else if (event->key() == Qt::Key_Down)
            Announce(window(), tr("Last row."));
        else if (event->key() == Qt::Key_Up)
            Announce(window(), tr("First row."));
    }
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit cellClick(index.row(), index.column(), at.x(), at.y());
    QAbstractItemView::mousePressEvent(event);
}
