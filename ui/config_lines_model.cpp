#include "ui/config_lines_model.h"

#include "document/cp1251.h"
#include "ui/text_codec.h"

#include <QChar>
#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <string_view>

namespace brimvale::ui {

namespace {

// Characters that the text layout draws without advancing: controls, the
// soft hyphen and other format characters, and marks over the character
// before them.
bool takesNoRoom(QChar ch)
{
    switch (ch.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

} // namespace

ConfigLinesModel::ConfigLinesModel(ConfigLines& lines, QObject* parent) : QAbstractListModel(parent), lines_(lines)
{
    lines_.setListener(this);
}

ConfigLinesModel::~ConfigLinesModel()
{
    lines_.setListener(nullptr);
}

int ConfigLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : lines_.count();
}

QVariant ConfigLinesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_.count())
        return {};
    const std::string& line = lines_.at(index.row());
    return fromCp1251(std::string_view(line).substr(0, shownLength(line)));
}

Qt::ItemFlags ConfigLinesModel::flags(const QModelIndex& index) const
{
    // Selectable, never editable in place: editing goes through the dialog.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

void ConfigLinesModel::setRowWidth(const QFont& font, int width)
{
    const QFontMetricsF metrics(font);
    for (std::size_t byte = 0; byte < advances_.size(); ++byte) {
        const QChar ch(static_cast<char16_t>(cp1251::toUnicode(static_cast<unsigned char>(byte))));
        advances_[byte] = takesNoRoom(ch) ? 0.0 : std::max(0.0, metrics.horizontalAdvance(ch));
    }
    shownWidth_ = 2.0 * std::max(width, 0);
    if (lines_.count() > 0)
        emit dataChanged(index(0), index(lines_.count() - 1), {Qt::DisplayRole});
}

std::size_t ConfigLinesModel::shownLength(const std::string& line) const
{
    if (shownWidth_ <= 0 || line.size() <= MinShownCharacters)
        return line.size();
    const std::size_t most = std::min(line.size(), MaxShownCharacters);
    double width = 0;
    for (std::size_t i = 0; i < most; ++i) {
        width += advances_[static_cast<unsigned char>(line[i])];
        if (width > shownWidth_)
            return std::max(i + 1, MinShownCharacters);
    }
    return most;
}

void ConfigLinesModel::linesFilled()
{
    beginResetModel();
    endResetModel();
}

void ConfigLinesModel::lineReplaced(int index)
{
    const QModelIndex changed = this->index(index);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

} // namespace brimvale::ui
