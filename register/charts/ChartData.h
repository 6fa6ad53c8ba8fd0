#pragma once

// The pictures of the money that the chart window draws, as numbers: the
// balance over time, money in and out month by month, and the payees that
// took the most. Rows whose date cannot be read have no place in time: they
// are left out of all three and counted.

#include "Register.h"

class Progress;

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct BalancePoint {
    QDate day;
    Cents balance = 0;
    bool operator==(const BalancePoint &) const = default;
};

struct MoneyFlow {
    QDate start; // the first day of the month (or of the year)
    Cents in = 0;
    Cents out = 0; // money going out, as a positive amount
    bool operator==(const MoneyFlow &) const = default;
};

struct PayeeTotal {
    QString payee;
    Cents spent = 0; // what went out to it, less what came back from it
    int count = 0;
    bool operator==(const PayeeTotal &) const = default;
};

// Days from one to another, both included; an end not given is open.
struct DateSpan {
    std::optional<QDate> from;
    std::optional<QDate> to;
    bool contains(QDate day) const { return (!from || day >= *from) && (!to || day <= *to); }
};

enum class ChartPeriod { All, ThisMonth, LastThreeMonths, LastTwelveMonths, ThisYear, LastYear };
// Whole calendar months and years: the last three months are this month and
// the two before it.
DateSpan periodSpan(ChartPeriod period, QDate today);

struct ChartData {
    // One point a day within the span, in date order: the balance after the
    // day's last row in the register.
    std::vector<BalancePoint> balance;
    // Rows left out because their date cannot be read, in the whole register.
    int unreadableDates = 0;
    // Money in and out (the opening balance is neither) for every month from
    // the first to the last that had any, or for every year when the months
    // would be more than the chart shows.
    std::vector<MoneyFlow> flows;
    bool flowsByYear = false;
    // The payees that took the most money in the span, the most first.
    std::vector<PayeeTotal> payees;
};

// A long register tells the progress how far the reading has come.
ChartData chartData(const Register &reg, const DateSpan &span, QDate today, int maxBars = 48, int payeeLimit = 10,
                    Progress *progress = nullptr);

// A line of many points as drawn buckets wide: in each bucket of days, its
// first, lowest, highest and last points, in order, so that every peak and
// dip still shows.
std::vector<BalancePoint> reducedForWidth(const std::vector<BalancePoint> &points, int buckets);
