#pragma once

// Colours that keep their meaning and stay readable whatever the desktop's
// palette: light, dark or high-contrast. Each keeps its hue and is made
// lighter or darker until it reads on the backgrounds it is drawn on.

#include <QColor>
#include <QString>

#include <initializer_list>

class QPalette;

// The contrast ratio of two colours as WCAG defines it: 1 (none) to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The colour nearest to preferred, in the same hue, whose contrast with every
// background is at least minimum (4.5 is what text needs to be read easily).
// When no shade of the hue gets there, the best there is.
QColor readableOn(const QColor &preferred, std::initializer_list<QColor> backgrounds, double minimum = 4.5);

// In a table of this palette (rows on Base and AlternateBase):
QColor negativeAmountColor(const QPalette &palette);
QColor reconciledMarkColor(const QPalette &palette);

// The style sheet of a text field whose text is in question: a red frame
// that reads on the field and around it.
QString questionedFieldStyle(const QPalette &palette);
