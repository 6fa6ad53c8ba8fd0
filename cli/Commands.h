#pragma once

// The commands of cheqbook-cli, one function each: what main runs for a
// command line once its arguments are read.

#include "Cli.h"

#include <QDate>

#include <memory>
#include <optional>

namespace cli {

// What the user sees of long work with --progress: "cheqbook-cli: reading
// FILE 45%" on a terminal.
std::unique_ptr<Progress> watch(const Arguments &a, const char *doing, const QString &path);

int runReport(const Arguments &a);
int runBalance(const Arguments &a);
int runConvert(const Arguments &a);
int runSort(const Arguments &a);
int runReconciliation(const Arguments &a);
int runRollover(const Arguments &a);
int runBackups(const Arguments &a);
int runMerge(const Arguments &a);
int runConflicts(const Arguments &a);

// Scheduled transactions: the forecast, entering what is due, and managing
// the schedules themselves. The exit status of a forecast whose balance goes under the reserve.
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
