// The work categories do over a large register, each the median of a few runs
// in milliseconds: the totals over every row and by month, the filter's
// category test over every row (with subcategories and split lines), the
// categories in use, and the rules run over every row as one step of the
// history and its undo. bench/run sets them against cheqbook-cli report of
// the same file. The register is read once and is not timed.
//
//   categories_scale REGISTER.ldgr [RUNS]

#include "Category.h"
#include "CategoryEdits.h"
#include "CategoryFilter.h"
#include "CategoryTotals.h"
#include "MyDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: categories_scale REGISTER.ldgr [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    MyDocument doc;
    QString why;
    if (!doc.readFromFile(QString::fromLocal8Bit(argv[1]), u"ldgr", &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    const Register &reg = *doc.array();
    const QDate today(2026, 12, 7);
    size_t seen = 0; // kept, so that no work is left out as unused
    std::printf("totals_all %.1f\n", medianMs(runs, [&] { seen += categoryTotals(reg, {}, today).size(); }));
    CategoryPeriod byMonth;
    byMonth.byMonth = true;
    std::printf("totals_by_month %.1f\n", medianMs(runs, [&] { seen += categoryTotals(reg, byMonth, today).size(); }));
    const CategoryFilter food(u"Food"_s);
    std::printf("filter_category %.1f\n", medianMs(runs, [&] { seen += rowsInCategory(reg, food).size(); }));
    std::printf("filter_rows %zu\n", rowsInCategory(reg, food).size());
    std::printf("categories_in_use %.1f\n", medianMs(runs, [&] { seen += size_t(categoriesInUse(reg).size()); }));
    std::vector<int> all(size_t(reg.count()));
    std::iota(all.begin(), all.end(), 0);
    const CategoryRules rules({{CategoryRule::Match::Contains, u"Hy-Vee"_s, u"Food:Groceries:Hy-Vee"_s},
                               {CategoryRule::Match::Pattern, u"^(Aldi|Dillons)$"_s, u"Food:Groceries:Other"_s},
                               {CategoryRule::Match::Contains, u"Shell"_s, u"Auto:Fuel:Shell"_s}});
    QElapsedTimer t;
    t.start();
    const RuleRun run = applyRules(doc, all, rules);
    std::printf("apply_rules %.1f\n", double(t.nsecsElapsed()) / 1e6);
    std::printf("rules_changed %d\n", run.changed);
    t.restart();
    doc.undo();
    std::printf("undo_rules %.1f\n", double(t.nsecsElapsed()) / 1e6);
    return seen == 0 ? 1 : 0;
}
