#include "ui/window_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace brimvale::ui {

QFont windowFont()
{
    // In order of likeness: the layouts were drawn for MS Sans Serif, and
    // DejaVu Sans Condensed keeps about its width, so the longer About texts
    // stay inside their frame; plain DejaVu Sans is wider but still fits the
    // controls.
    static const QStringList candidates{
        QStringLiteral("MS Sans Serif"),
        QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("DejaVu Sans Condensed"),
        QStringLiteral("DejaVu Sans"),
    };
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : candidates) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont boldFont(const QFont& base)
{
    QFont bold = base;
    bold.setBold(true);
    return bold;
}

} // namespace brimvale::ui
