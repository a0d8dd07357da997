// Corvanthelix - a multi-column list with clickable headings.
#include "platform/listbox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

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
    : QTableView(parent)
{
    InstallListBoxAccessibility();
    // Rows as a list shows them: no row headings, no grid of the table's own
    // (the delegate draws ours), one height for every row.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false); // Tab leaves the list, as in every other control
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new GridDelegate(this));
    setHorizontalHeader(new Heading(Qt::Horizontal, this));
    applyRowHeight();

    QHeaderView *heading = header();
    heading->setHighlightSections(false);
    heading->setSectionsMovable(false);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setStretchLastSection(false);
    heading->setSectionsClickable(true);
    heading->setSortIndicatorShown(true);
    heading->setSortIndicator(-1, Qt::AscendingOrder);
    // Qt flips the indicator on a click; a new column starts ascending because
    // the models we show answer InitialSortOrderRole so.
    connect(heading, &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
        if (model() && column >= 0)
            model()->sort(column, order);
    });
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

void ListBox::updateGeometries()
{
    QTableView::updateGeometries();
    applyColumnWidths();
}

void ListBox::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
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
    verticalHeader()->setDefaultSectionSize(style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
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
        if (header()->sectionSize(column) != width)
            header()->resizeSection(column, width);
        used += width;
    }
}

void ListBox::clickHeading(int column)
{
    if (!model() || column < 0 || column >= model()->columnCount())
        return;
    const bool again = header()->sortIndicatorSection() == column;
    const Qt::SortOrder order = again && header()->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                                             : Qt::AscendingOrder;
    header()->setSortIndicator(column, order);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Delete && current.isValid())
        return emit cellClick(current.row(), current.column(), -1, -1);
    if (event->modifiers() == Qt::ControlModifier && event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9)
        return clickHeading(event->key() - Qt::Key_1);
    QTableView::keyPressEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit cellClick(index.row(), index.column(), at.x(), at.y());
    QTableView::mousePressEvent(event);
}
