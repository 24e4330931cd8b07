#pragma once

#include <QFont>

namespace brimvale::ui {

// The font of both windows: "MS Sans Serif" with 11-pixel characters where
// the system has it, otherwise the closest plain sans-serif face there is.
QFont windowFont();

// The same font in bold, for the contact addresses on the About tab.
QFont boldFont(const QFont& base);

} // namespace brimvale::ui
