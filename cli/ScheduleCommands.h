#pragma once

// cheqbook-cli's commands for scheduled transactions: the forecast, entering
// what is due, and managing the schedules themselves.

#include "Cli.h"

namespace cli {

// The exit status of a forecast whose balance goes under the reserve.
inline constexpr int UnderReserve = 3;

// forecast FILE [--days N | --until-income] [--reserve A] [--from DATE]
int runForecast(const Arguments &a);
extern const char *const kForecastSynopsis;
extern const char *const kForecastHelp;

// post-due FILE [--through DATE] [-o OUT]
int runPostDue(const Arguments &a);
extern const char *const kPostDueSynopsis;
extern const char *const kPostDueHelp;

// schedule FILE list | add ... | remove ID | reserve [AMOUNT]
int runSchedule(const Arguments &a);
extern const char *const kScheduleSynopsis;
extern const char *const kScheduleHelp;

// A date given on the command line, read as the register's dates are (and
// today, yesterday, tomorrow); an error naming the option when it is none.
std::optional<QDate> optionDate(const Arguments &a, const QString &option, QDate today, QString *problem);

} // namespace cli
