// The import of a bank statement into a large register, with duplicate
// detection, against the import as it was before duplicates were looked for
// (the statement read and added, nothing compared), into an empty register.
// Each figure is the median of a few runs in milliseconds; bench/run turns
// them into ratios. The register is read once and is not timed.
//
//   import_scale REGISTER.ldgr STATEMENT.csv [RUNS]

#include "ImportDuplicates.h"
#include "MyDocument.h"
#include "StatementImport.h"
#include "StatementReader.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// What a user's import does: read by content, check against the register,
// add the new lines in one step.
ImportResult importWithDuplicates(MyDocument &doc, const QString &path, int *duplicates)
{
    QString why;
    const QByteArray bytes = readStatementBytes(path, &why);
    const QDate today(2026, 12, 7);
    const StatementRead read = readStatement(bytes, {}, today);
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), read.statement.lines, today);
    ImportPlan plan;
    *duplicates = 0;
    for (size_t i = 0; i < checks.size(); ++i) {
        if (checks[i].verdict == DuplicateCheck::Verdict::New)
            plan.add.push_back(read.statement.lines[i]);
        else
            ++*duplicates;
    }
    return importPlanned(doc, doc.count(), plan, u"statement.csv"_s);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: import_scale REGISTER.ldgr STATEMENT.csv [RUNS]\n");
        return 2;
    }
    const QString registerPath = QString::fromLocal8Bit(argv[1]);
    const QString statementPath = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    MyDocument large;
    QString why;
    if (!large.readFromFile(registerPath, u"ldgr", &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    large.recalculateBalances();

    QElapsedTimer t;
    std::vector<double> before, empty, into;
    std::vector<std::unique_ptr<MyDocument>> kept; // taken apart after the timing
    int added = 0, duplicates = 0;
    for (int run = 0; run < runs; ++run) {
        kept.push_back(std::make_unique<MyDocument>());
        kept.back()->ensureRegister();
        t.start();
        const ImportResult r = importStatement(*kept.back(), 0, statementPath);
        before.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!r.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(r.error));
            return 1;
        }

        kept.push_back(std::make_unique<MyDocument>());
        kept.back()->ensureRegister();
        t.start();
        importWithDuplicates(*kept.back(), statementPath, &duplicates);
        empty.push_back(double(t.nsecsElapsed()) / 1e6);

        t.start();
        const ImportResult into1 = importWithDuplicates(large, statementPath, &duplicates);
        into.push_back(double(t.nsecsElapsed()) / 1e6);
        added = into1.count;
        large.undo();
    }
    std::printf("register_rows %d\n", large.count());
    std::printf("added %d\n", added);
    std::printf("duplicates %d\n", duplicates);
    std::printf("import_before_empty %.1f\n", median(before));
    std::printf("import_empty %.1f\n", median(empty));
    std::printf("import_register %.1f\n", median(into));
    std::fflush(stdout);
    std::_Exit(0); // the documents need not be taken apart
}
