#pragma once

#include "document/config_lines.h"

#include <QAbstractListModel>

namespace brimvale::ui {

// ConfigLines seen as a list model: row k is line k, decoded from
// Windows-1251 for display and otherwise shown exactly as it is. A replaced
// line is reported as changed data, never as a reset, so the view keeps its
// selection and scroll position.
class ConfigLinesModel : public QAbstractListModel, private ConfigLinesListener {
    Q_OBJECT
public:
    ConfigLinesModel(ConfigLines& lines, QObject* parent);
    ~ConfigLinesModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void linesFilled() override;
    void lineReplaced(int index) override;

    ConfigLines& lines_;
};

} // namespace brimvale::ui
