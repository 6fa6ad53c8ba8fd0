#include "PaletteColors.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {
double channel(float c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

double leastContrast(const QColor &color, std::initializer_list<QColor> backgrounds)
{
    double least = 21;
    for (const QColor &background : backgrounds)
        least = std::min(least, contrastRatio(color, background));
    return least;
}

// The text's own red and green, as a light theme shows them.
const QColor kNegativeRed(0xc0, 0x1c, 0x28);
const QColor kReconciledGreen(0x1a, 0x7f, 0x37);
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &preferred, std::initializer_list<QColor> backgrounds, double minimum)
{
    if (leastContrast(preferred, backgrounds) >= minimum)
        return preferred;
    // Lighter on dark backgrounds, darker on light ones: whichever end, white
    // or black, stands out more.
    const QColor white(Qt::white), black(Qt::black);
    const bool lighter = leastContrast(white, backgrounds) > leastContrast(black, backgrounds);
    float hue, saturation, lightness, alpha;
    preferred.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    constexpr int kSteps = 64;
    for (int step = 1; step < kSteps; ++step) {
        const float t = float(step) / kSteps;
        const float l = lighter ? lightness + (1 - lightness) * t : lightness * (1 - t);
        const QColor candidate = QColor::fromHslF(hue, saturation, l, alpha);
        if (leastContrast(candidate, backgrounds) >= minimum)
            return candidate.toRgb();
    }
    return lighter ? white : black;
}

QColor negativeAmountColor(const QPalette &palette)
{
    return readableOn(kNegativeRed, {palette.color(QPalette::Base), palette.color(QPalette::AlternateBase)});
}

QColor reconciledMarkColor(const QPalette &palette)
{
    return readableOn(kReconciledGreen, {palette.color(QPalette::Base), palette.color(QPalette::AlternateBase)});
}

QString questionedFieldStyle(const QPalette &palette)
{
    // 3 is what a frame needs to be seen (text needs more).
    const QColor red = readableOn(kNegativeRed, {palette.color(QPalette::Base), palette.color(QPalette::Window)}, 3);
    return QStringLiteral("QLineEdit { border: 2px solid %1; border-radius: 3px; padding: 1px; }").arg(red.name());
}
