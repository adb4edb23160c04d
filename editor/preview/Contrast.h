#pragma once
// Contrast between a text colour and its background, by the relative luminance of sRGB
// colours: 1:1 for equal colours up to 21:1 for black on white. Text is readable by most
// people from 4.5:1 up.
#include <QColor>

namespace quillmark::preview {

// The least contrast the program's own text colours keep against their background.
inline constexpr double kMinimumTextContrast = 4.5;

// The relative luminance of `color`: 0 for black, 1 for white.
double relativeLuminance(const QColor &color);
// (lighter + 0.05) / (darker + 0.05), from 1 to 21; the same either way round.
double contrastRatio(const QColor &a, const QColor &b);
// `color`, or the nearest colour on its way to `toward` that keeps `minimum` contrast against
// `background`; `toward` itself when even that falls short.
QColor keepContrast(const QColor &color, const QColor &toward, const QColor &background,
                    double minimum = kMinimumTextContrast);

}  // namespace quillmark::preview
