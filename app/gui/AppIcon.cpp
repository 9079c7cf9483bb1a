#include "app/gui/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace talver {

QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The Earth under the arcs of the ionosphere.
    painter.setBrush(QColor(0, 90, 160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(size * 0.25, size * 0.45, size * 0.5, size * 0.5));
    QPen arc(QColor(0, 160, 80));
    arc.setWidthF(size / 10.0);
    painter.setPen(arc);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(size * 0.08, size * 0.25, size * 0.84, size * 0.84), 20 * 16, 140 * 16);
    painter.drawArc(QRectF(size * 0.02, size * 0.08, size * 0.96, size * 0.96), 30 * 16, 120 * 16);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace talver
