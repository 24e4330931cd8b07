#pragma once

#include <QString>

namespace brimvale::ui {

// The application title: the main window's caption, and the caption of every
// message box the program shows.
QString applicationTitle();

// Sets what the desktop knows the program by: its name, version, icon and
// desktop entry. Call once, right after the QApplication exists.
void initialiseApplication();

} // namespace brimvale::ui
