#pragma once
// The notifier's list lines as a list model: each line is made into a QString only when the
// view asks for it, so a long list costs nothing until it is scrolled.

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace pelmira {

class HitListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void set_lines(std::vector<std::string> lines);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> lines_;
};

}  // namespace pelmira
