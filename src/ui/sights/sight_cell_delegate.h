#pragma once
// The editors of the sight form's Body and Limb cells: a list to choose from, in which a typed
// name is taken as typed (a whole name, never completed to another body: the table reads it);
// every other cell is edited as text.
#include <QStyledItemDelegate>
#include <functional>

namespace nocturna {

class SightCellDelegate : public QStyledItemDelegate {
 public:
  // alphabetical: whether the body list is in alphabetical order, asked at each edit.
  SightCellDelegate(std::function<bool()> alphabetical, QObject* parent);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  std::function<bool()> alphabetical_;
};

}  // namespace nocturna
