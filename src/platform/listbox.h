// Corvanthelix - a multi-column list with clickable headings.
#pragma once

#include <QAbstractItemView>
#include <QAccessible>

class QHeaderView;

// Shows any table model. A heading click asks the model to sort by that
// column, ascending first and reversed by the next click on the same heading;
// a mouse-down on a cell is reported as cellClick. While disabled it does
// neither, as Qt disables the header with the view. From the keyboard, the
// arrow keys move the current row, Delete is a click on it, and Ctrl+1,
// Ctrl+2... are clicks on the first, second... heading.
//
// Every row has the same height, so the list keeps nothing per row: a list of
// ten million rows costs no more than one of ten. It draws and moves like a
// table view with no row headings, scrolling by whole rows.
class ListBox : public QAbstractItemView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    QHeaderView *header() const { return m_header; }

    void setModel(QAbstractItemModel *model) override;
    void setSelectionModel(QItemSelectionModel *selectionModel) override;
    // Both headings from one tab-separated text, set on the model.
    void setHeadings(const QString &tabSeparated);
    // Widths as per cent of the list's inner width, e.g. "66%,34%".
    void setColumnWidths(const QString &percents);
    // What a click on the column's heading does.
    void clickHeading(int column);
    // Marks the heading of the column the model shows its rows sorted by,
    // without asking it to sort again.
    void showSortMark(int column, Qt::SortOrder order);
    // A row that typing looked for, found later: it becomes current unless
    // the player has moved on meanwhile.
    void showFound(const QModelIndex &index);
    // Moves assistive technology's focus to the current row, for a screen
    // reader to read it.
    void tellCurrent();

    // Which of the accessible table's children a cell is: the headings come
    // first, then the cells row by row.
    static int AccessibleChild(int row, int column, int columns) { return (row + 1) * columns + column; }

    // Typing in the list: remembered, so that an answer found later knows
    // whether the player has moved on.
    void keyboardSearch(const QString &search) override;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;

signals:
    void cellClick(int row, int column, int x, int y);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // The second of two quick clicks is a click, as on the wells.
    void mouseDoubleClickEvent(QMouseEvent *event) override { mousePressEvent(event); }
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void changeEvent(QEvent *event) override;

private:
    int rowCount() const;
    // The row at a height in the viewport, or -1.
    int rowAt(int y) const;
    // Where a row's top stands in the viewport, kept within what a rectangle can hold.
    int rowY(int row) const;
    // How far the rows are scrolled, in pixels, for a scroll bar position.
    qint64 offsetFor(int value) const;
    // Tells assistive technology of a change to the cell.
    void tellCell(QAccessible::Event type, const QModelIndex &index);
    void applyColumnWidths();
    void applyRowHeight();

    QHeaderView *m_header;
    int m_rowHeight = 1;
    qint64 m_offset = 0;
    bool m_updatingGeometries = false;
    QPersistentModelIndex m_hover;
    QPersistentModelIndex m_searchFrom; // where typing last began to look
    QList<int> m_percents;
    bool m_quiet = false;   // while rows are removed or moved: the current row is told later, if at all
    int m_movingFrom = -1;  // the current row's place before a sort
};
