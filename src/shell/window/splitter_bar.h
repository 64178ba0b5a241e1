#pragma once
// A splitter bar that reports drags; the window decides where it may go (the geometry rules).

#include <QWidget>

namespace orvelis {

class SplitterBar final : public QWidget {
  Q_OBJECT

 public:
  SplitterBar(Qt::Orientation orientation, const QString& name, QWidget* parent);

 signals:
  // The pointer's position within the bar while a drag is on, in pixels.
  void dragged(QPoint offset);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool dragging_ = false;
};

}  // namespace orvelis
