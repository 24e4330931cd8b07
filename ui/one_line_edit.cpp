#include "ui/one_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <limits>
#include <memory>

namespace brimvale::ui {

OneLineEdit::OneLineEdit(QWidget* parent) : QLineEdit(parent)
{
    // A configuration line may be long; Qt's own limit is 32,767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    // Dropped text could carry line breaks past every paste path below.
    setAcceptDrops(false);
    // The last guard, for any way of inserting text not caught below.
    connect(this, &QLineEdit::textChanged, this, &OneLineEdit::dropLineBreaks);
}

QString OneLineEdit::firstLine(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' || text.at(i) == u'\n')
            return text.left(i);
    }
    return text;
}

void OneLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        // Qt keeps a partial selection here; the whole text is meant.
        selectAll();
        break;
    default:
        break;
    }
}

void OneLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Paste) {
        if (!isReadOnly())
            pasteFirstLine(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void OneLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The X11 selection paste of the middle button.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() && !isReadOnly()
        && rect().contains(event->position().toPoint())) {
        deselect();
        pasteFirstLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void OneLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (!menu)
        return;
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { pasteFirstLine(QClipboard::Clipboard); });
        }
    }
    menu->exec(event->globalPos());
}

void OneLineEdit::pasteFirstLine(QClipboard::Mode mode)
{
    const QString text = firstLine(QGuiApplication::clipboard()->text(mode));
    if (!text.isEmpty() || hasSelectedText())
        insert(text);
}

void OneLineEdit::dropLineBreaks()
{
    const QString current = text();
    const QString kept = firstLine(current);
    if (kept.size() != current.size())
        setText(kept);
}

} // namespace brimvale::ui
