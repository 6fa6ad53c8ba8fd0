#pragma once

// Texts from a register or a statement as they are shown: a description can
// be any length (a bank file of one 100 MB line makes one), and laying out,
// measuring or painting a text of millions of characters freezes or crashes
// a window. Whatever shows one shows it cut.

#include "Value.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// More than any window, list or page can show of one text.
inline constexpr qsizetype kMaxShownLength = 4000;

// The text cut to at most maxLength characters, with "…" after what was cut
// (a character beyond the 16-bit range is never split in two).
QString cutForShowing(QStringView text, qsizetype maxLength = kMaxShownLength);
QString cutForShowing(QLatin1StringView text, qsizetype maxLength = kMaxShownLength);
// A value's text form, cut the same way, without copying the whole of it.
QString cutForShowing(const Value &value, qsizetype maxLength = kMaxShownLength);
