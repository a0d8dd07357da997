// Corvanthelix - the list box as assistive technology sees it.
//
// Qt's own table accessibility gives column headings no action, so a screen
// reader player could not sort. This one is the same table (headings first,
// then the cells row by row, as the view numbers them in its focus events)
// with a "Sort" action on each heading that does what a click on it does.
#include "platform/listbox.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QHeaderView>

namespace {

class ListBoxAccessible;

// A heading (row -1) or a cell, read live from the model.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface
{
public:
    CellAccessible(ListBox *list, int row, int column) : m_list(list), m_row(row), m_column(column) {}

    bool isValid() const override
    {
        return m_list && m_list->model() && m_row >= -1 && m_row < m_list->model()->rowCount() && m_column >= 0
               && m_column < m_list->model()->columnCount();
    }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return heading() ? QAccessible::ColumnHeader : QAccessible::Cell; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text type) const override
    {
        if (!isValid() || type != QAccessible::Name)
            return {};
        const QAbstractItemModel *model = m_list->model();
        if (heading())
            return type == QAccessible::Name ? model->headerData(m_column, Qt::Horizontal).toString() : QString();
        if (type == QAccessible::Name)
            return model->index(m_row, m_column).data(Qt::AccessibleTextRole).toString();
        // A screen reader reads the whole row as a cell takes the focus, and
        // the column's heading where the player asks where they are: the
        // cell need not describe the rest of its row again.
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (heading()) {
            QHeaderView *header = m_list->header();
            const QRect section(header->sectionViewportPosition(m_column), 0, header->sectionSize(m_column), header->height());
            return QRect(header->viewport()->mapToGlobal(section.topLeft()), section.size());
        }
        const QRect cell = m_list->visualRect(m_list->model()->index(m_row, m_column));
        return QRect(m_list->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !isValid() || !m_list->isVisible() || rect().isEmpty();
        if (heading() || state.invisible)
            return state;
        const QModelIndex index = m_list->model()->index(m_row, m_column);
        // Selectable only by moving to a row: a screen reader need not say
        // "not selected" of every cell it reads.
        state.focusable = true;
        state.selected = isSelected();
        state.focused = m_list->hasFocus() && m_list->currentIndex() == index;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface && heading())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        return !heading() && isValid() && m_list->selectionModel()
               && m_list->selectionModel()->isSelected(m_list->model()->index(m_row, m_column));
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    void moveTo(int row) { m_row = row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    static QString sortAction() { return QStringLiteral("Sort"); }
    QStringList actionNames() const override { return {sortAction()}; }
    QString localizedActionName(const QString &) const override
    {
        return QCoreApplication::translate("ListBox", "Sort");
    }
    QString localizedActionDescription(const QString &) const override
    {
        return QCoreApplication::translate("ListBox", "Sorts the table by this column; again reverses the order");
    }
    void doAction(const QString &name) override
    {
        if (name == sortAction() && m_list && m_list->isEnabled())
            m_list->clickHeading(m_column);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    bool heading() const { return m_row == -1; }

    QPointer<ListBox> m_list;
    int m_row;
    int m_column;
};

class ListBoxAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit ListBoxAccessible(QWidget *list) : QAccessibleWidget(list, QAccessible::Table) {}
    ~ListBoxAccessible() override
    {
        forgetCells(0);
        if (m_nowhere)
            QAccessible::deleteAccessibleInterface(m_nowhere);
    }

    ListBox *list() const { return static_cast<ListBox *>(widget()); }
    QAbstractItemModel *model() const { return list()->model(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int columnCount() const override { return model() ? model()->columnCount() : 0; }
    int rowCount() const override { return model() ? model()->rowCount() : 0; }
    // A client that lists the children (an inspector, a test tool) gets the
    // headings and the first thousand rows: ten million rows would be twenty
    // million objects on the bus, and a stalled game. The table manages its
    // descendants, so a screen reader reaches every cell through it.
    int childCount() const override { return columnCount() * (std::min(rowCount(), 1000) + 1); }

    // Row -1 is the headings; null for a cell that is not there.
    QAccessibleInterface *cell(int row, int column) const
    {
        if (column < 0 || column >= columnCount() || row < -1 || row >= rowCount())
            return nullptr;
        const int index = ListBox::AccessibleChild(row, column, columnCount());
        if (const QAccessible::Id id = m_cells.value(index))
            return QAccessible::accessibleInterface(id);
        // A client that walks ten million rows keeps only the last few
        // thousand it asked about; any other is made anew when asked again.
        if (m_cells.size() >= 4096)
            forgetCells(columnCount());
        auto *created = new CellAccessible(list(), row, column);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(created));
        return created;
    }

    QAccessibleInterface *child(int index) const override
    {
        const int columns = columnCount();
        return columns && index >= 0 ? cell(index / columns - 1, index % columns) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        auto *other = const_cast<QAccessibleInterface *>(child);
        const auto *cell = other ? other->tableCellInterface() : nullptr;
        return cell && other->parent() && other->parent()->object() == object() && other->isValid()
                   ? ListBox::AccessibleChild(cell->rowIndex(), cell->columnIndex(), columnCount())
                   : -1;
    }

    // Never null: Qt 6.4's bridge calls through what it gets for a row just
    // past the end, as a screen reader that still counts a removed row asks.
    // Such a cell is there, empty, unselected, and one row and column large.
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (QAccessibleInterface *found = cell(row, column))
            return found;
        if (!m_nowhere)
            m_nowhere = QAccessible::registerAccessibleInterface(new CellAccessible(list(), -2, -1));
        return QAccessible::accessibleInterface(m_nowhere);
    }

    // What is at a point is found from where the rows stand, rather than by
    // asking every one of millions of cells for its place.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint inViewport = list()->viewport()->mapFromGlobal(QPoint(x, y));
        if (list()->viewport()->rect().contains(inViewport)) {
            const QModelIndex index = list()->indexAt(inViewport);
            return index.isValid() ? cell(index.row(), index.column()) : nullptr;
        }
        QHeaderView *header = list()->header();
        const QPoint inHeader = header->viewport()->mapFromGlobal(QPoint(x, y));
        const int column = header->viewport()->rect().contains(inHeader) ? header->logicalIndexAt(inHeader) : -1;
        return column >= 0 ? cell(-1, column) : nullptr;
    }
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QString columnDescription(int column) const override
    {
        return model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
    }
    QString rowDescription(int) const override { return {}; }

    QList<int> selectedRows() const override
    {
        QList<int> rows;
        if (list()->selectionModel())
            for (const QModelIndex &index : list()->selectionModel()->selectedRows())
                rows << index.row();
        return rows;
    }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int row : selectedRows())
            for (int column = 0; column < columnCount(); ++column)
                cells << cell(row, column);
        return cells;
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    int selectedColumnCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    // Selecting from outside would bypass the table's one rule, that a click removes a row.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // A cell is a place in the table, read live: when rows come and go, the
    // places past the end go, and the others show what moved into them.
    void modelChange(QAccessibleTableModelChangeEvent *) override
    {
        forgetCells(ListBox::AccessibleChild(rowCount(), 0, columnCount()));
    }

    // The table is empty: said where the player asks what it holds.
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Description && rowCount() == 0)
            return QCoreApplication::translate("ListBox", "The table is empty.");
        return QAccessibleWidget::text(type);
    }

    // The cells of a row that moved from one place to another take its place,
    // and those at that place take the one it left.
    void moveRow(int from, int to)
    {
        for (int column = 0; column < columnCount(); ++column) {
            const int a = ListBox::AccessibleChild(from, column, columnCount());
            const int b = ListBox::AccessibleChild(to, column, columnCount());
            const QAccessible::Id first = m_cells.take(a), second = m_cells.take(b);
            if (first) {
                static_cast<CellAccessible *>(QAccessible::accessibleInterface(first))->moveTo(to);
                m_cells.insert(b, first);
            }
            if (second) {
                static_cast<CellAccessible *>(QAccessible::accessibleInterface(second))->moveTo(from);
                m_cells.insert(a, second);
            }
        }
    }

private:
    // Forgets the cells from that child index on.
    void forgetCells(int from) const
    {
        for (auto it = m_cells.begin(); it != m_cells.end();) {
            if (it.key() < from) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_cells.erase(it);
        }
    }

    mutable QHash<int, QAccessible::Id> m_cells; // by child index
    mutable QAccessible::Id m_nowhere = 0;       // the cell that is not there
};

QList<QAccessibleInterface *> CellAccessible::columnHeaderCells() const
{
    auto *table = static_cast<ListBoxAccessible *>(QAccessible::queryAccessibleInterface(m_list));
    return heading() || !table || !isValid() ? QList<QAccessibleInterface *>()
                                             : QList<QAccessibleInterface *>{table->cell(-1, m_column)};
}

QAccessibleInterface *listBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ListBox"))
        return new ListBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void MoveAccessibleRow(ListBox *list, int from, int to)
{
    if (!QAccessible::isActive())
        return;
    if (auto *table = dynamic_cast<ListBoxAccessible *>(QAccessible::queryAccessibleInterface(list)))
        table->moveRow(from, to);
}

void InstallListBoxAccessibility()
{
    static const bool installed = (QAccessible::installFactory(listBoxFactory), true);
    Q_UNUSED(installed);
}
