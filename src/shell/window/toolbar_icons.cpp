#include "shell/window/toolbar_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace orvelis {
namespace {

using Drawing = std::function<void(QPainter&)>;  // draws in a 24 x 24 box

// Paints the drawing at whatever size and scale the icon is asked for.
class VectorIconEngine final : public QIconEngine {
 public:
  explicit VectorIconEngine(Drawing drawing) : drawing_(std::move(drawing)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 24.0, rect.height() / 24.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    drawing_(*painter);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  QIconEngine* clone() const override { return new VectorIconEngine(drawing_); }

 private:
  Drawing drawing_;
};

const QColor kInk(52, 52, 96);
const QColor kAccent(60, 60, 216);

QIcon Make(Drawing drawing) { return QIcon(new VectorIconEngine(std::move(drawing))); }

void Triangle(QPainter& p, double x, double direction, QColor colour) {
  QPainterPath path;
  path.moveTo(x, 12);
  path.lineTo(x - 7 * direction, 5);
  path.lineTo(x - 7 * direction, 19);
  path.closeSubpath();
  p.fillPath(path, colour);
}

void Arrow(QPainter& p, double direction) {
  p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(12 - 7 * direction, 12), QPointF(12 + 7 * direction, 12));
  p.drawLine(QPointF(12 + 7 * direction, 12), QPointF(12 + 2 * direction, 7));
  p.drawLine(QPointF(12 + 7 * direction, 12), QPointF(12 + 2 * direction, 17));
}

void Page(QPainter& p, QRectF r) {
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(Qt::white);
  p.drawRect(r);
}

void Text(QPainter& p, const QString& text) {
  QFont font = p.font();
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawRect(QRectF(2, 5, 20, 14));
  p.drawText(QRectF(2, 5, 20, 14), Qt::AlignCenter, text);
}

void Book(QPainter& p, bool open) {
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(QColor(230, 226, 250));
  if (open) {
    p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(12, 8), QPointF(12, 20), QPointF(2, 18)}));
    p.drawPolygon(QPolygonF({QPointF(22, 6), QPointF(12, 8), QPointF(12, 20), QPointF(22, 18)}));
  } else {
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(5, 3, 14, 18), 2, 2);
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(8, 7), QPointF(16, 7));
  }
}

void Folder(QPainter& p, bool open) {
  p.setPen(QPen(QColor(150, 110, 20), 1.2));
  p.setBrush(QColor(250, 210, 100));
  p.drawRect(QRectF(3, 7, 18, 12));
  p.drawRect(QRectF(3, 5, 7, 2));
  if (open) {
    p.setBrush(QColor(255, 232, 150));
    p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 19), QPointF(3, 19)}));
  }
}

void Star(QPainter& p) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? 10 : 4.2;
    const double a = -M_PI / 2 + i * M_PI / 5;
    star << QPointF(12 + r * std::cos(a), 12.5 + r * std::sin(a));
  }
  p.setPen(QPen(QColor(170, 120, 0), 1.2));
  p.setBrush(QColor(255, 200, 40));
  p.drawPolygon(star);
}

Drawing ToolbarDrawing(int index) {
  switch (index) {
    case 1: return [](QPainter& p) { Arrow(p, -1); };
    case 2: return [](QPainter& p) { Arrow(p, 1); };
    case 3: return [](QPainter& p) {
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 3, 10, 7));
      p.setBrush(QColor(200, 200, 215));
      p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 14, 10, 7));
    };
    case 5: return [](QPainter& p) { Book(p, false); };
    case 6: return [](QPainter& p) {
      p.setPen(QPen(kInk, 2.2));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(3, 3, 12, 12));
      p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14, 14), QPointF(20, 20));
    };
    case 7: return [](QPainter& p) { Star(p); };
    case 9: return [](QPainter& p) { Triangle(p, 6, -1, kInk), Triangle(p, 13, -1, kInk); };
    case 10: return [](QPainter& p) { Triangle(p, 8, -1, kInk); };
    case 11: return [](QPainter& p) {
      Page(p, QRectF(4, 2, 16, 20));
      for (int y : {7, 11, 15}) p.drawLine(QPointF(7, y), QPointF(17, y));
    };
    case 12: return [](QPainter& p) { Triangle(p, 16, 1, kInk); };
    case 13: return [](QPainter& p) { Triangle(p, 11, 1, kInk), Triangle(p, 18, 1, kInk); };
    case 15: return [](QPainter& p) {
      Page(p, QRectF(3, 3, 13, 18));
      p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(10, 12), QPointF(21, 12));
      p.drawLine(QPointF(21, 12), QPointF(17, 8));
      p.drawLine(QPointF(21, 12), QPointF(17, 16));
    };
    case 17: return [](QPainter& p) { Text(p, QStringLiteral("RU")); };
    case 18: return [](QPainter& p) { Text(p, QStringLiteral("EN")); };
    case 20: return [](QPainter& p) { Page(p, QRectF(4, 3, 16, 18)); };
    case 21: return [](QPainter& p) {
      Page(p, QRectF(4, 2, 16, 9));
      Page(p, QRectF(4, 13, 16, 9));
    };
    case 22: return [](QPainter& p) {
      Page(p, QRectF(2, 3, 9, 18));
      Page(p, QRectF(13, 3, 9, 18));
    };
    case 23: return [](QPainter& p) {
      Page(p, QRectF(2, 3, 8, 18));
      Page(p, QRectF(14, 3, 8, 18));
      p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(6, 8), QPointF(18, 8));
      p.drawLine(QPointF(6, 16), QPointF(18, 16));
    };
    case 25: return [](QPainter& p) {
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(QColor(220, 232, 255));
      p.drawEllipse(QRectF(3, 3, 18, 18));
      p.drawEllipse(QRectF(8, 3, 8, 18));
      p.drawLine(QPointF(3, 12), QPointF(21, 12));
    };
    default: return [](QPainter&) {};
  }
}

}  // namespace

QIcon ToolbarIcon(int index) { return Make(ToolbarDrawing(index)); }

QIcon NamedIcon(const QString& name) {
  if (name == QLatin1String("book")) return Make([](QPainter& p) { Book(p, false); });
  if (name == QLatin1String("book_open")) return Make([](QPainter& p) { Book(p, true); });
  if (name == QLatin1String("doc")) return Make([](QPainter& p) {
    Page(p, QRectF(6, 3, 12, 18));
    for (int y : {8, 12, 16}) p.drawLine(QPointF(8, y), QPointF(16, y));
  });
  if (name == QLatin1String("favor")) return Make([](QPainter& p) { Star(p); });
  if (name == QLatin1String("folder")) return Make([](QPainter& p) { Folder(p, false); });
  if (name == QLatin1String("open_folder")) return Make([](QPainter& p) { Folder(p, true); });
  if (name == QLatin1String("close")) return Make([](QPainter& p) {
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(17, 17));
    p.drawLine(QPointF(17, 7), QPointF(7, 17));
  });
  return {};
}

}  // namespace orvelis
