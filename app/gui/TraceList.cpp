#include "app/gui/TraceList.h"

#include <QPainter>

#include "app/Trace.h"

namespace talver {

namespace {

constexpr int kLineHeight = 13;

QColor ToQColor(const Colour& colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace

void TraceLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const QString text = index.data().toString();
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const QColor background =
      selected ? ToQColor(colours::kTraceSelection) : option.palette.color(QPalette::Base);
  const QColor foreground =
      selected ? QColor(Qt::white) : ToQColor(TraceLineColour(text.toStdString()));
  painter->save();
  painter->fillRect(option.rect, background);
  painter->setPen(foreground);
  painter->setFont(option.font);
  painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter->restore();
}

QSize TraceLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
}

TraceList::TraceList(QWidget* parent) : QListWidget(parent) {
  setObjectName("DebugListBox");
  setItemDelegate(new TraceLineDelegate(this));
  setUniformItemSizes(true);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
}

void TraceList::AddLine(const QString& line) {
  addItem(line);
  setCurrentRow(count() - 1);
  scrollToBottom();
}

}  // namespace talver
