#pragma once

// The dates of a bank's CSV export, whose parts come in the order of the
// bank's country: which order a whole column settles, and a date read in an
// order. The register's own date reader (DateReader.h) reads month first
// with slashes and day first with dots; a statement's column may be either.

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

enum class DateOrder { Unknown, MonthDayYear, DayMonthYear, YearMonthDay };

// "mdy", "dmy", "ymd" (and back; nothing for any other text).
QString dateOrderCode(DateOrder order);
std::optional<DateOrder> dateOrderFromCode(QStringView code);
// "month/day/year" and so on, for telling the user.
QString dateOrderName(DateOrder order);

// The order the date column's texts settle, or Unknown when they read both
// ways (every day 12 or less) or contradict each other.
struct DateOrderEvidence {
    DateOrder order = DateOrder::Unknown;
    bool settled = true; // an order that does not matter (four-digit years first, month names) is settled
};
DateOrderEvidence decideDateOrder(const std::vector<QString> &dates);

// A statement's date in the given order: 12/03/2026, 3.12.26, 2026-12-03,
// 20261203 (any time after the date aside), or with an English month name
// (03-Dec-2026, Dec 3, 2026). Nothing for a text that is no such date.
std::optional<QDate> readDateInOrder(QStringView text, DateOrder order, QDate today);
