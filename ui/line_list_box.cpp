#include "ui/line_list_box.h"

#include "ui/config_lines_model.h"

#include <QEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QStyledItemDelegate>

namespace brimvale::ui {

namespace {

// Rows as high as the font's text and no wider than the list, so that
// nothing ever scrolls sideways; the view stretches each row to its width
// and the text is cut at the edge.
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {1, rowHeight_}; }

private:
    int rowHeight_;
};

} // namespace

LineListBox::LineListBox(ConfigLines& lines, int rowHeight, QWidget* parent)
    : QListView(parent), model_(new ConfigLinesModel(lines, this))
{
    setModel(model_);
    setItemDelegate(new RowDelegate(rowHeight, this));
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setDragEnabled(false);
    setAcceptDrops(false);
    model_->setRowWidth(font(), width());
}

int LineListBox::selectedIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void LineListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt selects the row under the pointer here if the first press did not.
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClick();
}

// The model hands out only as much of a long line as the rows can show, so
// it has to know how wide they are and in which font. The list's own width
// is a little more than a row's, which errs on the side of showing more.
void LineListBox::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    model_->setRowWidth(font(), width());
}

void LineListBox::changeEvent(QEvent* event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        model_->setRowWidth(font(), width());
}

} // namespace brimvale::ui
