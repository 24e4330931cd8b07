#pragma once

#include <QString>

namespace brimvale::ui {

// The application's error box: caption the application title, the stop
// icon, one OK button. Modal over every window of the program; when it is
// dismissed the window that was active before is active again.
void showErrorBox(const QString& text);

// A plain message: caption the application title, no icon, one "OK" that
// Enter and Esc press too, centred on the screen. Returns once dismissed.
void showMessageBox(const QString& text);

} // namespace brimvale::ui
