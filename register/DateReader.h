#pragma once

// Dates as people and banks write them, read without any locale: the date
// sort must order a register the same way on every machine.
//
// Read: 12/7/2026 and 12/07/26 (month first; a two-digit year 00-69 is
// 2000-2069, 70-99 is 1970-1999), 12/7 (the year of `today`), 12-07-2026,
// 2026-12-07 (optionally with a time: 2026-12-07T10:30:00, 2026-12-07 10:30),
// English month names, full or short, either side of the day, with or without
// a comma and with or without a year (Dec 7, 2026; 7 December 2026; Sept 7),
// and the words today, yesterday and tomorrow. Letter case and surrounding
// blanks do not matter.

#include <QDate>
#include <QLatin1StringView>
#include <QStringView>

#include <optional>

// The date a text names, or nothing for a text that names no date (blank, a
// column title, free words) or an impossible one (02/30/2026, 13/01/2026).
std::optional<QDate> readDate(QStringView text, QDate today);
std::optional<QDate> readDate(QLatin1StringView text, QDate today);
