// Relative luminance and contrast of sRGB colours.
#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace quillmark::preview {

namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor mix(const QColor &from, const QColor &to, double share) {
  const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

}  // namespace

double relativeLuminance(const QColor &color) {
  const QColor rgb = color.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b) {
  const double la = relativeLuminance(a);
  const double lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor keepContrast(const QColor &color, const QColor &toward, const QColor &background,
                    double minimum) {
  if (contrastRatio(color, background) >= minimum) return color;
  if (contrastRatio(toward, background) < minimum) return toward.toRgb();
  // The contrast grows along the way to `toward`: the least step that reaches the minimum,
  // by halving the interval (a 255th of the way is the finest step a colour takes).
  double low = 0, high = 1;
  while (high - low > 1.0 / 512) {
    const double middle = (low + high) / 2;
    (contrastRatio(mix(color, toward, middle), background) >= minimum ? high : low) = middle;
  }
  return mix(color, toward, high);
}

}  // namespace quillmark::preview
