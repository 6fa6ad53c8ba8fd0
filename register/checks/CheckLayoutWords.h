#pragma once

// The words a check layout file is written in, shared by its reader and the
// functions of CheckLayout.h that read and write lengths and field names.

#include "CheckLayout.h"

#include <QStringList>

#include <optional>

inline constexpr qreal kPointsPerInch = 72;
inline constexpr qreal kPointsPerMillimetre = 72 / 25.4;

qreal pointsPer(LengthUnit unit);
// "in", "mm" or "pt".
QString unitName(LengthUnit unit);
// A line cut into words at blanks; "double quotes" hold blanks, # begins a
// comment. Nothing when a quote is not closed.
std::optional<QStringList> lineWords(QStringView line);
