// DebugListBox: the FTP protocol trace, one line per row, sent lines green and the rest
// blue, the newest line selected.
#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

namespace talver {

class TraceLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class TraceList : public QListWidget {
  Q_OBJECT

 public:
  explicit TraceList(QWidget* parent = nullptr);
  void AddLine(const QString& line);
};

}  // namespace talver
