// Corvanthelix - a multi-column list with clickable headings.
#pragma once

#include <QTableView>

// Shows any table model. A heading click asks the model to sort by that
// column, ascending first and reversed by the next click on the same heading;
// a mouse-down on a cell is reported as cellClick. While disabled it does
// neither, as Qt disables the header with the view. From the keyboard, the
// arrow keys move the current row, Delete is a click on it, and Ctrl+1,
// Ctrl+2... are clicks on the first, second... heading.
//
// A table view keeps nothing per row, where a tree view keeps and lays out an
// item for every row: a list of ten million rows stays light.
class ListBox : public QTableView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    QHeaderView *header() const { return horizontalHeader(); }

    // Both headings from one tab-separated text, set on the model.
    void setHeadings(const QString &tabSeparated);
    // Widths as per cent of the list's inner width, e.g. "66%,34%".
    void setColumnWidths(const QString &percents);
    // What a click on the column's heading does.
    void clickHeading(int column);

signals:
    void cellClick(int row, int column, int x, int y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void updateGeometries() override;
    void changeEvent(QEvent *event) override;

private:
    void applyColumnWidths();
    void applyRowHeight();

    QList<int> m_percents;
};
