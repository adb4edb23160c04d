// The length gauge: numbers in the user's locale, colours from the palette's lightness.
#include "LengthGauge.h"

#include <QEvent>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace quillmark::preview {

namespace {

// Warning past this share of the limit.
constexpr double kWarningShare = 0.9;

// Amber and red, one pair for light backgrounds and one for dark ones; each keeps a contrast
// of at least 4.5:1 against the backgrounds it is used on.
constexpr QRgb kWarningOnLight = 0x8a5300;
constexpr QRgb kErrorOnLight = 0xb00020;
constexpr QRgb kWarningOnDark = 0xffc266;
constexpr QRgb kErrorOnDark = 0xff8a80;

}  // namespace

LengthGauge::LengthGauge(QWidget *parent) : QLabel(parent) {
  setObjectName(u"lblPostLength"_s);
  setToolTip(u"The post's length as the forum counts it, and the longest post it takes"_s);
  setAccessibleName(tr("Post length"));
  setLength(0, 0);
}

LengthGauge::Level LengthGauge::levelFor(int length, int limit) {
  if (limit <= 0) return Level::Normal;
  if (length > limit) return Level::Over;
  if (length > limit * kWarningShare) return Level::Warning;
  return Level::Normal;
}

QColor LengthGauge::colorFor(Level level, const QColor &window, const QColor &text) {
  const bool dark = window.lightnessF() < 0.5;
  switch (level) {
    case Level::Warning:
      return QColor::fromRgb(dark ? kWarningOnDark : kWarningOnLight);
    case Level::Over:
      return QColor::fromRgb(dark ? kErrorOnDark : kErrorOnLight);
    case Level::Normal:
      break;
  }
  return text;
}

void LengthGauge::setLength(int length, int limit) {
  length_ = length;
  limit_ = limit;
  level_ = levelFor(length, limit);
  const QLocale locale;
  // The level is said in words beside its colour, on the gauge and to a screen reader.
  const QString numbers = limit > 0
                              ? u"%1 / %2"_s.arg(locale.toString(length), locale.toString(limit))
                              : locale.toString(length);
  switch (level_) {
    case Level::Normal:
      setText(numbers);
      break;
    case Level::Warning:
      setText(tr("%1 (near the limit)").arg(numbers));
      break;
    case Level::Over:
      setText(tr("%1 (over by %2)").arg(numbers, locale.toString(length - limit)));
      break;
  }
  setAccessibleDescription(describe(length, limit, level_));
  paintLevel();
}

QString LengthGauge::describe(int length, int limit, Level level) {
  const QLocale locale;
  const QString count = locale.toString(length);
  if (limit <= 0) return tr("%1 characters; this forum takes posts of any length").arg(count);
  const QString most = locale.toString(limit);
  switch (level) {
    case Level::Warning:
      return tr("%1 of the %2 characters this forum takes: near the limit").arg(count, most);
    case Level::Over:
      return tr("%1 characters, %2 more than the %3 this forum takes: over the limit")
          .arg(count, locale.toString(length - limit), most);
    case Level::Normal:
      break;
  }
  return tr("%1 of the %2 characters this forum takes").arg(count, most);
}

QColor LengthGauge::color() const { return palette().color(QPalette::WindowText); }

// The colours come from the palette the gauge inherits (the status bar's), so that a change
// of the desktop's colours repaints it.
void LengthGauge::paintLevel() {
  if (painting_) return;
  painting_ = true;
  const QPalette inherited = parentWidget() ? parentWidget()->palette() : QPalette();
  QPalette own = inherited;
  own.setColor(QPalette::WindowText, colorFor(level_, inherited.color(QPalette::Window),
                                              inherited.color(QPalette::WindowText)));
  setPalette(own);
  painting_ = false;
}

void LengthGauge::changeEvent(QEvent *event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange) paintLevel();
}

}  // namespace quillmark::preview
