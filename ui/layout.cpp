#include "ui/layout.h"

#include <QFontMetrics>
#include <QLabel>

namespace brimvale::ui {

QLabel* makeLabel(const QString& text, QWidget* parent, const Scale& scale, int left, int top, const QString& name,
                  const QFont* ownFont)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (ownFont)
        label->setFont(*ownFont);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(scale(left), scale(top), QFontMetrics(label->font()).horizontalAdvance(text), scale(13));
    return label;
}

} // namespace brimvale::ui
