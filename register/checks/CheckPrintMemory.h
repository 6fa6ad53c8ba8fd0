#pragma once

// What the window remembers between check runs: the layout last printed
// with, the unit offsets are typed in, and each printer's offsets, since
// every printer feeds its sheets a little differently.

#include "CheckLayout.h"

#include <QPointF>
#include <QString>

class QSettings;

// The printer a PDF stands for, under which its offsets are kept.
inline const QString kPdfPrinterKey = QStringLiteral("PDF");

QPointF rememberedCheckOffset(const QSettings &settings, const QString &printer);
void rememberCheckOffset(QSettings &settings, const QString &printer, QPointF offset);

// The layout's id; the first shipped one when none was used yet.
QString rememberedCheckLayout(const QSettings &settings);
void rememberCheckLayout(QSettings &settings, const QString &id);

LengthUnit rememberedOffsetUnit(const QSettings &settings);
void rememberOffsetUnit(QSettings &settings, LengthUnit unit);
