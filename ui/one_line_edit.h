#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace brimvale::ui {

// A one-line edit field that holds any length of text and never a line
// break.
//
// Pasting text of several lines inserts its first line only, the way
// single-line fields behave on Windows. Focus that arrives by the keyboard
// (Tab, Shift+Tab, an arrow key on a button) selects the whole text, so that
// typing replaces it; a mouse click only places the caret.
class OneLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit OneLineEdit(QWidget* parent);

    // The text up to its first CR or LF.
    static QString firstLine(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void pasteFirstLine(QClipboard::Mode mode);
    void dropLineBreaks();
};

} // namespace brimvale::ui
