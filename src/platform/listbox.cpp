// Corvanthelix - a multi-column list with clickable headings.
#include "platform/listbox.h"

#include <QHeaderView>
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

} // namespace

ListBox::ListBox(QWidget *parent)
    : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // keeps a list of a million rows cheap to lay out
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new GridDelegate(this));

    QHeaderView *heading = header();
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
    QTreeView::updateGeometries();
    applyColumnWidths();
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

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit cellClick(index.row(), index.column(), at.x(), at.y());
    QTreeView::mousePressEvent(event);
}
