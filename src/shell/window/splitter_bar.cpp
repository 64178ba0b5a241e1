#include "shell/window/splitter_bar.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvelis {

SplitterBar::SplitterBar(Qt::Orientation orientation, const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = true;
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) emit dragged(event->position().toPoint());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void SplitterBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window).darker(108));
}

}  // namespace orvelis
