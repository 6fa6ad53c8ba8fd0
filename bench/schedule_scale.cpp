// The schedules' work on a large register, in milliseconds (medians of a few
// runs; bench/run turns them into ratios and budgets):
//
//   open, open_schedules     a register read and its balances worked out, without
//                            and with schedules on its opening row
//   book_read                the schedules read from the opening row
//   book_scan                the look for schedules in a register that has none
//   forecast_after_edit      after an entry, the schedules read and 90 days forecast
//   due                      the due occurrences worked out
//   suggest                  the register looked through for schedules to suggest
//
//   schedule_scale REGISTER.ldgr REGISTER-WITH-SCHEDULES.ldgr [RUNS]

#include "Forecast.h"
#include "MyDocument.h"
#include "ScheduleSuggest.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timed(int runs, const std::function<void()> &f)
{
    std::vector<double> ms;
    QElapsedTimer t;
    for (int run = 0; run < runs; ++run) {
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

std::unique_ptr<MyDocument> opened(const QString &path)
{
    auto doc = std::make_unique<MyDocument>();
    QString why;
    if (!doc->readFromFile(path, u"ldgr", &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        std::exit(1);
    }
    doc->recalculateBalances();
    return doc;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: schedule_scale REGISTER.ldgr REGISTER-WITH-SCHEDULES.ldgr [RUNS]\n");
        return 2;
    }
    const QString plain = QString::fromLocal8Bit(argv[1]);
    const QString scheduled = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const QDate today = QDate::currentDate();
    std::vector<std::unique_ptr<MyDocument>> kept; // taken apart after the timing

    // Alternated, so that a machine busy for a while weighs on both alike.
    std::vector<double> open, openScheduled;
    for (int run = 0; run < runs; ++run) {
        for (const QString *path : {&plain, &scheduled}) {
            QElapsedTimer t;
            t.start();
            kept.push_back(opened(*path));
            (path == &plain ? open : openScheduled).push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("open %.3f\nopen_schedules %.3f\n", median(open), median(openScheduled));

    MyDocument &doc = *kept.back();
    MyDocument &without = *kept.front();
    size_t schedules = 0;
    std::printf("book_read %.3f\n", timed(runs, [&] { schedules = readScheduleBook(*doc.array()).schedules.size(); }));
    std::printf("book_scan %.3f\n", timed(runs, [&] { readScheduleBook(*without.array()); }));
    // The edit itself is the window's figure; this is what follows it.
    size_t rows = 0;
    std::vector<double> afterEdit;
    for (int run = 0; run < std::max(runs, 5); ++run) {
        RecordPtr r = makeRecord();
        r->set(Key::Amount, Value::text(u"-12.34"));
        r->set(Key::Total, Value::money(lastBalance(*doc.array()) - 1234));
        doc.edit(u"Enter"_s, [&] { doc.addData(r, doc.count()); });
        afterEdit.push_back(timed(1, [&] {
            const ScheduleBook book = readScheduleBook(*doc.array());
            rows = forecast(book, lastBalance(*doc.array()), today, Horizon{90, false}).rows.size();
        }));
    }
    std::printf("forecast_after_edit %.3f\n", median(afterEdit));
    size_t due = 0;
    std::printf("due %.3f\n", timed(runs, [&] { due = dueOccurrences(readScheduleBook(*doc.array()), today.addDays(30)).size(); }));
    size_t suggested = 0;
    std::printf("suggest %.3f\n", timed(runs, [&] { suggested = suggestSchedules(*doc.array(), ScheduleBook(), today).size(); }));
    std::printf("schedules %zu\nforecast_rows %zu\ndue_occurrences %zu\nsuggestions %zu\n", schedules, rows, due, suggested);
    std::fflush(stdout);
    std::_Exit(0);
}
