// The least a Qt program with this kind of window costs: a bare window
// holding a list of 648 plain rows, shown and painted once.

#include "paint_once.h"

#include <QApplication>
#include <QListWidget>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    brimvale::bench::selectPlatform();
    QApplication application(argc, argv);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* list = new QListWidget(&window);
    QStringList rows;
    rows.reserve(648);
    for (int i = 0; i < 648; ++i)
        rows << QStringLiteral("set setting-%1 \"value %1\"").arg(i);
    list->addItems(rows);
    layout->addWidget(list);
    window.resize(652, 435);
    window.show();
    return brimvale::bench::runUntilPainted(window);
}
