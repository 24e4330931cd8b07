#pragma once

class QWidget;

namespace brimvale::bench {

// Selects the offscreen platform unless the caller chose one, so that the
// measurement runs anywhere and the same way for both programs.
void selectPlatform();

// Runs the event loop until `window` has been painted once, then returns.
int runUntilPainted(QWidget& window);

} // namespace brimvale::bench
