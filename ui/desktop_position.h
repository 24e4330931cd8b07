#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace brimvale::ui {

// Where a window of outer size `window` (frame included) stands when centred
// on a desktop of size `desktop` measured from (0, 0): halves of the
// differences, rounded toward zero and never negative.
QPoint desktopCentre(QSize window, QSize desktop) noexcept;

// Moves a top-level window, frame included, to the centre of the desktop
// that spans all screens.
void centreOnDesktop(QWidget& window);

} // namespace brimvale::ui
