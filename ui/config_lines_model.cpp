#include "ui/config_lines_model.h"

#include "ui/text_codec.h"

namespace brimvale::ui {

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
    return fromCp1251(lines_.at(index.row()));
}

Qt::ItemFlags ConfigLinesModel::flags(const QModelIndex& index) const
{
    // Selectable, never editable in place: editing goes through the dialog.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
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
