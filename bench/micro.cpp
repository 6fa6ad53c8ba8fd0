// Micro-benchmarks of the core on a generated register: the reader in both
// forms, the writer, the running balance, the report, find and the import.
// The register comes from bench/generate.py (CHEQBOOK_BENCH_REGISTER and
// CHEQBOOK_BENCH_STATEMENT name the files; bench/run sets them).

#include "Find.h"
#include "MyDocument.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RunningBalance.h"
#include "Statement.h"
#include "StatementImport.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const char *variable)
{
    const char *path = std::getenv(variable);
    QFile f(QString::fromLocal8Bit(path ? path : ""));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "set %s to a generated file\n", variable);
        std::exit(2);
    }
    return f.readAll();
}

const QByteArray &oldStyleBytes()
{
    static const QByteArray bytes = fileBytes("CHEQBOOK_BENCH_REGISTER");
    return bytes;
}

const std::vector<RecordPtr> &rows()
{
    static const std::vector<RecordPtr> parsed = parseRegister(oldStyleBytes()).rows;
    return parsed;
}

const QByteArray &xmlBytes()
{
    static const QByteArray bytes = *xmlText(rows(), nullptr);
    return bytes;
}

void setRows(benchmark::State &state)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(rows().size()));
}

void BM_ReadOldStyle(benchmark::State &state)
{
    oldStyleBytes(); // made before the timing: a large register runs once
    for (auto _ : state)
        benchmark::DoNotOptimize(parseRegister(oldStyleBytes()));
    setRows(state);
}
BENCHMARK(BM_ReadOldStyle)->Unit(benchmark::kMillisecond);

void BM_ReadXml(benchmark::State &state)
{
    xmlBytes(); // made before the timing: a large register runs once
    for (auto _ : state)
        benchmark::DoNotOptimize(parseRegister(xmlBytes()));
    setRows(state);
}
BENCHMARK(BM_ReadXml)->Unit(benchmark::kMillisecond);

// The XML form as QXmlStreamReader read it, before the one-pass reader.
void BM_ReadXmlReference(benchmark::State &state)
{
    xmlBytes(); // made before the timing: a large register runs once
    for (auto _ : state)
        benchmark::DoNotOptimize(parseRegisterReference(xmlBytes()));
    setRows(state);
}
BENCHMARK(BM_ReadXmlReference)->Unit(benchmark::kMillisecond);

void BM_WriteOldStyle(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(oldStyleText(rows()));
    setRows(state);
}
BENCHMARK(BM_WriteOldStyle)->Unit(benchmark::kMillisecond);

void BM_RunningBalance(benchmark::State &state)
{
    Register reg(rows());
    for (auto _ : state)
        recalculateCheckbook(reg);
    setRows(state);
}
BENCHMARK(BM_RunningBalance)->Unit(benchmark::kMillisecond);

void BM_Report(benchmark::State &state)
{
    Register reg(rows());
    recalculateCheckbook(reg);
    for (auto _ : state)
        benchmark::DoNotOptimize(reportText(reg));
    setRows(state);
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

void BM_FindInLastRow(benchmark::State &state)
{
    Register reg(rows());
    recalculateCheckbook(reg);
    const QString text = reg[reg.count() - 1].value(Key::DescriptionofTransaction).toString();
    for (auto _ : state)
        benchmark::DoNotOptimize(findRow(reg, reg.count() - 2, u"no such text anywhere"));
    setRows(state);
}
BENCHMARK(BM_FindInLastRow)->Unit(benchmark::kMillisecond);

void BM_ImportStatement(benchmark::State &state)
{
    static const QByteArray statement = fileBytes("CHEQBOOK_BENCH_STATEMENT");
    int64_t lines = 0;
    for (auto _ : state) {
        MyDocument doc;
        doc.ensureRegister();
        const Statement parsed = parseStatement(statement);
        lines = int64_t(parsed.lines.size());
        benchmark::DoNotOptimize(importStatement(doc, 0, parsed));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * lines);
}
BENCHMARK(BM_ImportStatement)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
