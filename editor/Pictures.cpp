// Pictures: the toolbar icons, the "Copy to Web" picture, the corner pictures and the program
// icon. Every picture is drawn with QPainter on a small grid and scaled to the size asked; the
// desktop's icon theme wins where it has an icon. The program icon is the one the desktop
// shows, app/data/quillmark.svg, built in as a resource and drawn from its vectors.
#include "Pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPolygonF>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

// The resources of a static library are registered by hand, outside any namespace.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace quillmark::pictures {
namespace {

// The inks of one icon mode. Disabled icons get a grey set so they read as unavailable.
struct Ink {
  QColor line;    // outlines, letters and text lines
  QColor accent;  // the one warm colour: markers, arrows, the colour bar
  QColor paper;   // page and label faces
  QColor tint;    // secondary faces: folds, folder backs, the printer body
  QColor warm;    // folder and clipboard faces
};

Ink inkFor(QIcon::Mode mode) {
  if (mode == QIcon::Disabled)
    return {QColor(0xA3, 0xA6, 0xAB), QColor(0xBD, 0xB6, 0xB4), QColor(0xF4, 0xF4, 0xF4),
            QColor(0xE2, 0xE3, 0xE5), QColor(0xE6, 0xE4, 0xDF)};
  return {QColor(0x33, 0x3D, 0x4D), QColor(0xC2, 0x3B, 0x22), QColor(0xFF, 0xFF, 0xFF),
          QColor(0xD9, 0xDF, 0xE7), QColor(0xEE, 0xCF, 0x8C)};
}

// The program's own colours, those of its icon (app/data/quillmark.svg), for the corner
// pictures.
constexpr QColor kQuillRed(0xC0, 0x39, 0x2B);
constexpr QColor kQuillRedDark(0x7A, 0x1F, 0x16);
constexpr QColor kPageCream(0xF0, 0xE8, 0xD0);
constexpr QColor kSlate(0x33, 0x3D, 0x4D);

// Draws one glyph into the box (0,0)-(grid,grid) of the painter's current coordinates.
using Glyph = void (*)(QPainter&, const Ink&);

constexpr qreal kStroke = 1.25;  // outline width on the 16-unit grid

QPen outlinePen(const QColor& color, qreal width = kStroke) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A short horizontal text line, the common mark for "lines of text".
void textLine(QPainter& p, const QColor& color, qreal x1, qreal x2, qreal y, qreal width = 1.5) {
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

// A path from point to point, closed back to the first unless `closed` is false.
QPainterPath polygonPath(std::initializer_list<QPointF> points, bool closed = true) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  if (closed) path.closeSubpath();
  return path;
}

void drawPage(QPainter& p, const Ink& ink, const QRectF& r, qreal fold) {
  // The outline, its top-right corner folded down by `fold` units.
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.paper);
  p.drawPath(polygonPath({r.topLeft(),
                          {r.right() - fold, r.top()},
                          {r.right(), r.top() + fold},
                          r.bottomRight(),
                          r.bottomLeft()}));
  p.setBrush(ink.tint);
  p.drawPath(polygonPath({{r.right() - fold, r.top()},
                          {r.right() - fold, r.top() + fold},
                          {r.right(), r.top() + fold}}));
}

// The outline of a text run, scaled so its ink fills `box` in height and centred across it.
// Works with whatever font the system substitutes for the family asked.
QPainterPath letters(const QString& text, const QFont& font, const QRectF& box) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF ink = path.boundingRect();
  if (ink.isEmpty()) return path;
  const qreal scale = std::min(box.height() / ink.height(), box.width() / ink.width());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-ink.center().x(), -ink.center().y());
  return t.map(path);
}

QFont glyphFont(bool serif, bool bold, bool italic) {
  QFont font(serif ? u"DejaVu Serif"_s : u"DejaVu Sans"_s);
  font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
  font.setPixelSize(100);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void fillLetters(QPainter& p, const QColor& color, const QString& text, const QFont& font,
                 const QRectF& box) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(letters(text, font, box));
}

// ---- The glyphs, each on a 16-unit grid. --------------------------------------------------

void glyphNew(QPainter& p, const Ink& ink) {
  drawPage(p, ink, QRectF(3, 1.5, 10, 13), 4);
  // A small spark at the lower right marks the page as new.
  p.setPen(QPen(ink.accent, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12.5, 9.5), QPointF(12.5, 15));
  p.drawLine(QPointF(9.75, 12.25), QPointF(15.25, 12.25));
}

void glyphOpen(QPainter& p, const Ink& ink) {
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.tint);
  p.drawPath(
      polygonPath({{1.5, 13.5}, {1.5, 3}, {5.5, 3}, {7, 4.5}, {12.5, 4.5}, {12.5, 7}}, false));
  p.setBrush(ink.warm);
  p.drawPath(polygonPath({{1.5, 13.5}, {4, 7}, {15, 7}, {12.5, 13.5}}));
}

void glyphSave(QPainter& p, const Ink& ink) {
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.tint);
  p.drawPath(polygonPath({{2, 2}, {12, 2}, {14, 4}, {14, 14}, {2, 14}}));
  // Shutter at the top, with its window.
  p.setBrush(ink.paper);
  p.drawRect(QRectF(4.5, 2, 6.5, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(ink.line);
  p.drawRect(QRectF(8.25, 3, 1.5, 2));
  // Label at the bottom.
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.paper);
  p.drawRect(QRectF(4, 8.5, 8, 5.5));
  textLine(p, ink.accent, 5.75, 10.25, 10.75, 1.25);
}

void glyphPrint(QPainter& p, const Ink& ink) {
  p.setPen(outlinePen(ink.line));
  // The sheet going in at the back.
  p.setBrush(ink.paper);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  // The body.
  p.setBrush(ink.tint);
  p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6.5), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink.accent);
  p.drawEllipse(QPointF(12.25, 7.75), 0.9, 0.9);
  // The printed sheet coming out at the front.
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.paper);
  p.drawRect(QRectF(4.5, 9.5, 7, 5));
  textLine(p, ink.line, 6.25, 9.75, 11.75, 1.0);
  textLine(p, ink.line, 6.25, 8.75, 13.25, 1.0);
}

void glyphCut(QPainter& p, const Ink& ink) {
  // Blades cross above the handles.
  p.setPen(QPen(ink.line, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5.75, 9.5), QPointF(11.5, 1.5));
  p.drawLine(QPointF(10.25, 9.5), QPointF(4.5, 1.5));
  p.setPen(Qt::NoPen);
  p.setBrush(ink.line);
  p.drawEllipse(QPointF(8, 6.4), 0.9, 0.9);
  // Ring handles.
  p.setPen(outlinePen(ink.accent, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
  p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void glyphCopy(QPainter& p, const Ink& ink) {
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.tint);
  p.drawRect(QRectF(1.5, 1.5, 8.5, 10));
  drawPage(p, ink, QRectF(6, 4.5, 8.5, 10), 3);
  textLine(p, ink.line, 8, 12.25, 9.25, 1.0);
  textLine(p, ink.line, 8, 12.25, 11.25, 1.0);
  textLine(p, ink.line, 8, 10.75, 13.0, 1.0);
}

void glyphPaste(QPainter& p, const Ink& ink) {
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.warm);
  p.drawRoundedRect(QRectF(1.5, 2.5, 10.5, 12), 1, 1);
  // The clip.
  p.setBrush(ink.tint);
  p.drawRoundedRect(QRectF(4.25, 1.25, 5, 3), 0.75, 0.75);
  drawPage(p, ink, QRectF(7, 6.5, 7.5, 8.5), 2.5);
  textLine(p, ink.line, 8.75, 12.25, 10.25, 1.0);
  textLine(p, ink.line, 8.75, 11.0, 12.5, 1.0);
}

// A filled disc with one white character on it, for help and about.
void discWithLetter(QPainter& p, const Ink& ink, const QString& letter, const QRectF& box) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink.line);
  p.drawEllipse(QRectF(1, 1, 14, 14));
  fillLetters(p, ink.paper, letter, glyphFont(false, true, false), box);
}

void glyphHelp(QPainter& p, const Ink& ink) {
  discWithLetter(p, ink, u"?"_s, QRectF(4, 3.5, 8, 9));
}

void glyphAbout(QPainter& p, const Ink& ink) {
  discWithLetter(p, ink, u"i"_s, QRectF(5, 3.5, 6, 9));
}

void glyphBold(QPainter& p, const Ink& ink) {
  fillLetters(p, ink.line, u"B"_s, glyphFont(true, true, false), QRectF(2, 2, 12, 12));
}

void glyphItalic(QPainter& p, const Ink& ink) {
  fillLetters(p, ink.line, u"I"_s, glyphFont(true, true, true), QRectF(2, 2, 12, 12));
}

void glyphUnderline(QPainter& p, const Ink& ink) {
  fillLetters(p, ink.line, u"U"_s, glyphFont(true, true, false), QRectF(2, 1, 12, 10.5));
  p.setPen(Qt::NoPen);
  p.setBrush(ink.accent);
  p.drawRect(QRectF(3, 13, 10, 1.75));
}

// Four text lines; the short ones start at `shortStart` (left, centred or right).
void alignment(QPainter& p, const Ink& ink, qreal shortStart) {
  constexpr std::array<qreal, 4> kRows{3, 6.33, 9.67, 13};
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (i % 2 == 0)
      textLine(p, ink.line, 2, 14, kRows[i]);
    else
      textLine(p, ink.line, shortStart, shortStart + 7, kRows[i]);
  }
}

void glyphLeft(QPainter& p, const Ink& ink) { alignment(p, ink, 2); }
void glyphCenter(QPainter& p, const Ink& ink) { alignment(p, ink, 4.5); }
void glyphRight(QPainter& p, const Ink& ink) { alignment(p, ink, 7); }

void glyphBullets(QPainter& p, const Ink& ink) {
  for (const qreal y : {3.0, 8.0, 13.0}) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink.accent);
    p.drawEllipse(QPointF(3, y), 1.5, 1.5);
    textLine(p, ink.line, 7, 14, y);
  }
}

// Three text lines, each after a short upright stroke standing for its number.
void glyphNumbering(QPainter& p, const Ink& ink) {
  for (const qreal y : {3.0, 8.0, 13.0}) {
    p.setPen(QPen(ink.accent, 1.25, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, y - 2), QPointF(3, y + 2));
    p.drawLine(QPointF(2, y - 1), QPointF(3, y - 2));
    textLine(p, ink.line, 7, 14, y);
  }
}

// Text lines with the middle two pushed in, and an arrow into (or out of) the gap.
void indent(QPainter& p, const Ink& ink, bool more) {
  textLine(p, ink.line, 2, 14, 2.5);
  textLine(p, ink.line, 8, 14, 6.17);
  textLine(p, ink.line, 8, 14, 9.83);
  textLine(p, ink.line, 2, 14, 13.5);
  const qreal tip = more ? 6 : 1.75;
  const qreal tail = more ? 1.75 : 6;
  const qreal barb = more ? -2 : 2;
  p.setPen(QPen(ink.accent, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(tail, 8), QPointF(tip, 8));
  p.drawPolyline(
      std::array{QPointF(tip + barb, 6), QPointF(tip, 8), QPointF(tip + barb, 10)}.data(), 3);
}

void glyphIndentMore(QPainter& p, const Ink& ink) { indent(p, ink, true); }
void glyphIndentLess(QPainter& p, const Ink& ink) { indent(p, ink, false); }

void glyphColor(QPainter& p, const Ink& ink) {
  fillLetters(p, ink.line, u"A"_s, glyphFont(false, true, false), QRectF(2.5, 1, 11, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(ink.accent);
  p.drawRoundedRect(QRectF(1.5, 12, 13, 3), 0.5, 0.5);
}

void glyphFixedColumns(QPainter& p, const Ink& ink) {
  // A small table: header row tinted, three equal columns of equal-width "characters".
  p.setPen(outlinePen(ink.line));
  p.setBrush(ink.paper);
  p.drawRect(QRectF(1.5, 2, 13, 12));
  p.setBrush(ink.tint);
  p.drawRect(QRectF(1.5, 2, 13, 3));
  p.setPen(QPen(ink.line, 1.0));
  p.drawLine(QPointF(5.83, 2), QPointF(5.83, 14));
  p.drawLine(QPointF(10.17, 2), QPointF(10.17, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(ink.line);
  for (const qreal x : {2.65, 7.0, 11.33})
    for (const qreal y : {7.0, 10.5}) p.drawRect(QRectF(x, y, 2, 1.5));
}

void glyphExit(QPainter& p, const Ink& ink) {
  // Door frame, the door swung open, and an arrow leaving.
  p.setPen(outlinePen(ink.line));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(std::array{QPointF(9.5, 5), QPointF(9.5, 1.5), QPointF(2, 1.5), QPointF(2, 14.5),
                            QPointF(9.5, 14.5), QPointF(9.5, 11)}
                     .data(),
                 6);
  p.setBrush(ink.warm);
  p.drawPath(polygonPath({{2, 1.5}, {6.5, 3.5}, {6.5, 15.5}, {2, 14.5}}));
  p.setPen(QPen(ink.accent, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(8.5, 8), QPointF(14.5, 8));
  p.drawPolyline(std::array{QPointF(12, 5.5), QPointF(14.5, 8), QPointF(12, 10.5)}.data(), 3);
}

void glyphCopyToWeb(QPainter& p, const Ink& ink) {
  drawPage(p, ink, QRectF(1.5, 1, 9.5, 12.5), 3);
  textLine(p, ink.line, 3.5, 7.5, 6, 1.0);
  textLine(p, ink.line, 3.5, 6.5, 8, 1.0);
  // A globe at the lower right.
  const QRectF globe(7.25, 7.25, 8, 8);
  p.setPen(outlinePen(ink.accent, 1.1));
  p.setBrush(ink.paper);
  p.drawEllipse(globe);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(globe.center().x() - 1.6, globe.top(), 3.2, globe.height()));
  p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
}

// A quill feather from its nib at the lower left to its tip at the upper right, filling a
// `size`-unit box. The two halves of the vane take two shades so the feather reads at 16 px.
void drawQuill(QPainter& p, qreal size, const QColor& vane, const QColor& shade) {
  p.save();
  p.scale(size / 32.0, size / 32.0);
  // Laid out along the x axis, then turned to the diagonal.
  p.translate(3.5, 28.5);
  p.rotate(-50);
  QPainterPath feather;
  feather.moveTo(6, 0);
  feather.cubicTo(9, -7.5, 22, -9.5, 35, -1.5);
  feather.cubicTo(26, 4, 13, 6.5, 6, 0);
  // Notches where the barbs part.
  QPainterPath notches = polygonPath({{14, -6.2}, {18.5, -1.4}, {16.2, -6.9}});
  notches.addPath(polygonPath({{21.5, 4.2}, {24.5, 0.5}, {24.6, 3.3}}));
  const QPainterPath shape = feather.subtracted(notches);
  QPainterPath lowerHalf;
  lowerHalf.addRect(QRectF(0, -0.9, 40, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(vane);
  p.drawPath(shape);
  p.setBrush(shade);
  p.drawPath(shape.intersected(lowerHalf));
  p.setPen(QPen(shade, 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0.3, 0), QPointF(7, -0.3));
  p.restore();
}

// The program's icon, as the desktop shows it, on its 64-unit grid.
void glyphApplication(QPainter& p, const Ink&) {
  initPictureResources();
  QSvgRenderer(u":/quillmark/quillmark.svg"_s).render(&p, QRectF(0, 0, 64, 64));
}

// Greys a picture drawn in fixed colours, keeping its alpha, for the disabled mode.
QImage greyed(QImage image) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 128 + qGray(row[x]) / 2;
      row[x] = qRgba(grey, grey, grey, qAlpha(row[x]) * 2 / 3);
    }
  }
  return image;
}

// Paints a glyph at any size and pixel ratio; the drawing is exact at every scale. Glyphs
// drawn with the mode's ink grey themselves; `fixedColours` glyphs are greyed afterwards.
class GlyphEngine final : public QIconEngine {
 public:
  GlyphEngine(QString name, Glyph glyph, qreal grid, bool fixedColours)
      : name_(std::move(name)), glyph_(glyph), grid_(grid), fixedColours_(fixedColours) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    if (mode == QIcon::Disabled && fixedColours_) {
      const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
      QImage image = render(rect.size() * ratio, mode);
      image.setDevicePixelRatio(ratio);
      painter->drawImage(rect.topLeft(), image);
      return;
    }
    const qreal side = std::min(rect.width(), rect.height());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
    painter->scale(side / grid_, side / grid_);
    glyph_(*painter, inkFor(mode));
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // `size` is in device pixels (QIcon::pixmap has already multiplied by the ratio); the
  // picture is drawn at that many pixels and tagged with the ratio.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    if (size.isEmpty()) return {};
    const QString cacheKey = u"quillmark-glyph:%1:%2x%3:%4:%5"_s.arg(name_)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(mode))
                                 .arg(scale);
    QPixmap result;
    if (QPixmapCache::find(cacheKey, &result)) return result;
    result = QPixmap::fromImage(render(size, mode));
    result.setDevicePixelRatio(scale);
    QPixmapCache::insert(cacheKey, result);
    return result;
  }

  QIconEngine* clone() const override {
    return new GlyphEngine(name_, glyph_, grid_, fixedColours_);
  }
  QString key() const override { return u"quillmark-glyph"_s; }
  QString iconName() override { return name_; }
  bool isNull() override { return false; }

 private:
  // The glyph drawn on `size` device pixels.
  QImage render(const QSize& size, QIcon::Mode mode) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      const QIcon::Mode drawMode = fixedColours_ ? QIcon::Normal : mode;
      paint(&painter, QRect(QPoint(0, 0), size), drawMode, QIcon::Off);
    }
    return mode == QIcon::Disabled && fixedColours_ ? greyed(std::move(image)) : image;
  }

  QString name_;
  Glyph glyph_;
  qreal grid_;
  bool fixedColours_;
};

QIcon drawnIcon(const QString& name, Glyph glyph, qreal grid = 16, bool fixedColours = false) {
  return QIcon(new GlyphEngine(name, glyph, grid, fixedColours));
}

// The pictures, by key: the key is the freedesktop icon name tried first in the desktop's
// theme (unless the picture is always drawn), and the drawn picture is the fallback.
struct Picture {
  std::u16string_view key;
  bool fromTheme;
  Glyph glyph;
};

// clang-format off
constexpr std::array kPictures{
    Picture{u"document-new",          true,  glyphNew},
    Picture{u"document-open",         true,  glyphOpen},
    Picture{u"document-save",         true,  glyphSave},
    Picture{u"document-print",        true,  glyphPrint},
    Picture{u"application-exit",      true,  glyphExit},
    Picture{u"edit-cut",              true,  glyphCut},
    Picture{u"edit-copy",             true,  glyphCopy},
    Picture{u"edit-paste",            true,  glyphPaste},
    Picture{u"help-contents",         true,  glyphHelp},
    Picture{u"help-about",            true,  glyphAbout},
    Picture{u"format-text-bold",      true,  glyphBold},
    Picture{u"format-text-italic",    true,  glyphItalic},
    Picture{u"format-text-underline", true,  glyphUnderline},
    Picture{u"format-justify-left",   true,  glyphLeft},
    Picture{u"format-justify-center", true,  glyphCenter},
    Picture{u"format-justify-right",  true,  glyphRight},
    Picture{u"format-list-unordered", true,  glyphBullets},
    Picture{u"format-list-ordered",   true,  glyphNumbering},
    Picture{u"format-indent-more",    true,  glyphIndentMore},
    Picture{u"format-indent-less",    true,  glyphIndentLess},
    Picture{u"format-text-color",     true,  glyphColor},
    Picture{u"fixed-columns",         false, glyphFixedColumns},
};
// clang-format on

// The corner pictures are drawn with ordinary text; these fonts keep them in the program's
// style and fall back to the system's serif or sans where the family is missing.
QFont cornerFont(bool serif, int pixelSize, QFont::Weight weight, bool italic) {
  QFont font = glyphFont(serif, false, italic);
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  return font;
}

void paintWordMark(QPainter& p) {
  p.save();
  p.translate(1, 1);
  drawQuill(p, 34, kQuillRed, kQuillRedDark);
  p.restore();
  // The name in two tones, "Quill" in slate and "mark" in the quill's red, fitted as one run
  // into the space right of the quill.
  const QFont font = cornerFont(true, 100, QFont::DemiBold, true);
  const QString first = u"Quill"_s;
  const QString second = u"mark"_s;
  QPainterPath firstPath;
  firstPath.addText(0, 0, font, first);
  QPainterPath secondPath;
  secondPath.addText(QFontMetricsF(font).horizontalAdvance(first), 0, font, second);
  const QRectF ink = firstPath.boundingRect().united(secondPath.boundingRect());
  const QRectF box(33, 7, 114, 22);
  const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
  QTransform t;
  t.translate(box.left(), box.center().y());
  t.scale(scale, scale);
  t.translate(-ink.left(), -ink.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(kSlate);
  p.drawPath(t.map(firstPath));
  p.setBrush(kQuillRed);
  p.drawPath(t.map(secondPath));
}

void paintMakerBadge(QPainter& p) {
  const QRectF badge(1.5, 6.5, 97, 23);
  p.setPen(QPen(kSlate, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(badge, 4, 4);
  // Monogram disc.
  const QRectF disc(5.5, 9.5, 17, 17);
  p.setPen(Qt::NoPen);
  p.setBrush(kQuillRed);
  p.drawEllipse(disc);
  fillLetters(p, kPageCream, u"N"_s, glyphFont(true, true, false), disc.adjusted(4.5, 4, -4.5, -4));
  const QFont font = cornerFont(false, 12, QFont::DemiBold, false);
  const QRectF text(27, 12.5, 68, 11);
  p.setBrush(kSlate);
  p.drawPath(letters(u"NORVANE"_s, font, text));
}

}  // namespace

QIcon icon(std::u16string_view key) {
  const auto row = std::find_if(kPictures.begin(), kPictures.end(),
                                [key](const Picture& r) { return r.key == key; });
  if (row == kPictures.end()) return {};
  const QString name = QString::fromUtf16(row->key.data(), qsizetype(row->key.size()));
  QIcon drawn = drawnIcon(name, row->glyph);
  if (!row->fromTheme) return drawn;
  return QIcon::fromTheme(name, drawn);
}

QIcon copyToWebIcon() { return drawnIcon(u"copy-to-web"_s, glyphCopyToWeb); }

QPixmap cornerPicture(int index, qreal devicePixelRatio) {
  if (index != 0 && index != 1) return {};
  const QSize logical = index == 0 ? QSize(150, 36) : QSize(100, 36);
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QPixmap pixmap(logical * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (index == 0)
    paintWordMark(painter);
  else
    paintMakerBadge(painter);
  return pixmap;
}

QIcon applicationIcon() { return drawnIcon(u"quillmark"_s, glyphApplication, 64, true); }

}  // namespace quillmark::pictures
