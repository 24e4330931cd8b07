#pragma once

#include "document/config_lines.h"

#include <QAbstractListModel>

#include <array>
#include <cstddef>
#include <string>

class QFont;

namespace brimvale::ui {

// ConfigLines seen as a list model: row k is line k, decoded from
// Windows-1251 for display and otherwise shown exactly as it is. A replaced
// line is reported as changed data, never as a reset, so the view keeps its
// selection and scroll position.
//
// A row shows only what fits across it, yet a pasted line may be a
// megabyte long; decoding and laying out all of it with every paint would
// stall the list for most of a second per row. Once told the list's font
// and row width, the model therefore hands out only the beginning of a
// line: as many characters as would fill twice the row's width by their
// advances (kerning and ligatures only ever make the laid-out text
// narrower, and characters that take no room are not counted), at least
// MinShownCharacters and at most MaxShownCharacters. Every line that fits
// in that room comes out whole.
class ConfigLinesModel : public QAbstractListModel, private ConfigLinesListener {
    Q_OBJECT
public:
    // Enough for any line of the template even before the list has its
    // final width.
    static constexpr std::size_t MinShownCharacters = 256;
    // Far more than any row can show; only a line whose first thousands of
    // characters take no room at all would look different cut here.
    static constexpr std::size_t MaxShownCharacters = 8192;

    ConfigLinesModel(ConfigLines& lines, QObject* parent);
    ~ConfigLinesModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The font the rows are drawn in and the width of a row in pixels.
    // Until this is called, and with a width of 0, data() hands out whole
    // lines.
    void setRowWidth(const QFont& font, int width);

    // How many leading bytes (each one character) of `line` data() hands out.
    std::size_t shownLength(const std::string& line) const;

private:
    void linesFilled() override;
    void lineReplaced(int index) override;

    ConfigLines& lines_;
    // Advance in pixels of each Windows-1251 character in the rows' font;
    // zero for those that are drawn without taking room.
    std::array<double, 256> advances_{};
    double shownWidth_ = 0;
};

} // namespace brimvale::ui
