#include "notifier/qt/hit_list_model.h"

namespace pelmira {

void HitListModel::set_lines(std::vector<std::string> lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

int HitListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant HitListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
      role != Qt::DisplayRole)
    return {};
  return QString::fromStdString(lines_[static_cast<std::size_t>(index.row())]);
}

}  // namespace pelmira
