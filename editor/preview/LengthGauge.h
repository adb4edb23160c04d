#pragma once
// The status bar's length gauge: the post's length as the forum counts it (characters of
// the markup) against the profile's limit, "12,480 / 60,000", in a warning colour past 90 %
// of the limit and an error colour past it, with the level in words beside the numbers.
#include <QColor>
#include <QLabel>

namespace quillmark::preview {

class LengthGauge final : public QLabel {
  Q_OBJECT

 public:
  enum class Level { Normal, Warning, Over };

  explicit LengthGauge(QWidget *parent = nullptr);

  // `limit` 0 means the forum takes any length: the gauge shows the length alone.
  void setLength(int length, int limit);

  int length() const { return length_; }
  int limit() const { return limit_; }
  Level level() const { return level_; }
  // The colour the numbers are drawn in.
  QColor color() const;

  static Level levelFor(int length, int limit);
  // The gauge's value and level in words, as its accessible description says them.
  static QString describe(int length, int limit, Level level);
  // The colour of a level on a palette whose background is `window`: dark shades on a light
  // background, light ones on a dark background, so both stay readable. Normal is the
  // palette's own text colour.
  static QColor colorFor(Level level, const QColor &window, const QColor &text);

 protected:
  void changeEvent(QEvent *event) override;

 private:
  void paintLevel();

  int length_ = 0;
  int limit_ = 0;
  Level level_ = Level::Normal;
  bool painting_ = false;
};

}  // namespace quillmark::preview
