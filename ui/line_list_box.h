#pragma once

#include <QListView>

namespace brimvale {
class ConfigLines;
}

namespace brimvale::ui {

class ConfigLinesModel;

// The list of configuration lines: one row per line, each exactly one text
// line of the window font high, shown as it is (no eliding, a long line is
// cut at the right edge, no horizontal scrolling), single selection. The
// keys move the selection but open nothing; a double-click anywhere in the
// list selects the clicked row first and then reports doubleClick().
class LineListBox : public QListView {
    Q_OBJECT
public:
    LineListBox(ConfigLines& lines, int rowHeight, QWidget* parent);

    // The selected row, or -1 when none is selected.
    int selectedIndex() const;
    ConfigLinesModel* linesModel() const noexcept { return model_; }

signals:
    void doubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ConfigLinesModel* model_;
};

} // namespace brimvale::ui
