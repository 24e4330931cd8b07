#pragma once

#include "ui/scale.h"

#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QWidget;

namespace brimvale::ui {

// Gives a component its name and its place from the stored layout, already
// scaled; returns it so that creation, naming and placing read as one step.
template <typename Widget>
Widget* place(Widget* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A label as the layouts have them: plain text, left-aligned, one text line
// high and as wide as its text, at the stored position scaled.
QLabel* makeLabel(const QString& text, QWidget* parent, const Scale& scale, int left, int top, const QString& name,
                  const QFont* ownFont = nullptr);

} // namespace brimvale::ui
