// The commands of cheqbook-cli that paint: the printed register and checks
// as PDF, and the layouts checks are printed by. They are built into
// cheqbook-cli-paper, the one program of the command line that loads Qt's
// painting, so that the other commands start without it.

#include "PaperCommands.h"

#include "CheckLayouts.h"
#include "CheckNumbering.h"
#include "CheckPrinter.h"
#include "Commands.h"
#include "PayeeAddresses.h"
#include "PrintedRegister.h"
#include "RunningBalance.h"

#include <QDate>
#include <QLocale>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// "0.5mm,-1mm": each length with its unit, for there is no telling a bare
// number's.
std::optional<QPointF> readOffset(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<qreal> x = readLength(parts[0].trimmed(), std::nullopt);
    const std::optional<qreal> y = readLength(parts[1].trimmed(), std::nullopt);
    if (!x || !y)
        return std::nullopt;
    return QPointF(*x, *y);
}

bool offsetOption(const Arguments &a, CheckPrintSettings *settings)
{
    if (!a.values.contains(u"--offset"_s))
        return true;
    const std::optional<QPointF> offset = readOffset(a.values.value(u"--offset"_s));
    if (!offset) {
        error(u"--offset: \u201c%1\u201d is not two lengths with their units, such as 0.5mm,-1mm or 0.02in,0"_s.arg(
            a.values.value(u"--offset"_s)));
        return false;
    }
    settings->offset = *offset;
    return true;
}

// "12,15" and "12-15" as the window counts rows (from 1), as register indexes.
std::optional<std::vector<int>> readRows(const QString &text)
{
    std::vector<int> rows;
    for (const QString &part : text.split(u',')) {
        const QStringList ends = part.trimmed().split(u'-');
        bool okFirst = false, okLast = false;
        const int first = ends[0].toInt(&okFirst);
        const int last = ends.size() == 2 ? ends[1].toInt(&okLast) : first;
        if (!okFirst || (ends.size() == 2 && !okLast) || ends.size() > 2 || first < 1 || last < first ||
            last - first > 100000)
            return std::nullopt;
        for (int row = first; row <= last; ++row)
            rows.push_back(row - 1);
    }
    // Printed in the order of the register, as the stock's numbers run, and each once.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

int runPrint(const Arguments &a)
{
    if (outputIsAnInput(a.output, a.positional, u"the register"_s))
        return Usage;
    auto doc = openRegister(a.positional[0], Recalculate::No, watch(a, "reading", a.positional[0]).get());
    if (!doc)
        return Failed;
    // The paper of the user's country unless told: A4, or US Letter in the
    // United States and Canada.
    QPageSize::PageSizeId paper = paperOfLocale(QLocale());
    if (a.values.contains(u"--paper"_s)) {
        const QString asked = a.values.value(u"--paper"_s).toLower();
        if (asked != u"letter" && asked != u"a4") {
            error(u"--paper: \u201c%1\u201d is not a paper Cheqbook prints on (letter or a4)"_s.arg(
                a.values.value(u"--paper"_s)));
            return Usage;
        }
        paper = asked == u"a4" ? QPageSize::A4 : QPageSize::Letter;
    }
    rewriteAmountsAndRecalculate(*doc->array());
    const QString failure = writeReportPdf(*doc->array(), a.output, watch(a, "printing", a.output).get(), paper);
    if (!failure.isEmpty()) {
        error(failure);
        return Failed;
    }
    return Ok;
}

int runPrintChecks(const Arguments &a)
{
    const QString &path = a.positional[0];
    if (outputIsAnInput(a.output, a.positional, u"the register"_s))
        return Usage;
    const bool marked = a.flags.contains(u"--marked"_s);
    if (marked == a.values.contains(u"--rows"_s)) {
        error(marked ? u"--rows or --marked, not both"_s : u"print-checks needs --rows LIST or --marked"_s);
        return Usage;
    }
    std::vector<int> rows;
    if (!marked) {
        const std::optional<std::vector<int>> given = readRows(a.values.value(u"--rows"_s));
        if (!given) {
            error(u"--rows: \u201c%1\u201d is not a list of rows such as 12,15 or 12-15"_s.arg(
                a.values.value(u"--rows"_s)));
            return Usage;
        }
        rows = *given;
    }
    CheckPrintSettings settings;
    if (!offsetOption(a, &settings))
        return Usage;
    const CheckLayoutReading layout = findCheckLayout(a.values.value(u"--layout"_s, u"voucher-top"_s));
    if (!layout.layout) {
        error(layout.error);
        return Failed;
    }
    if (a.values.contains(u"--start"_s)) {
        bool ok = false;
        settings.firstPlace = a.values.value(u"--start"_s).toInt(&ok);
        if (!ok || settings.firstPlace < 1 || settings.firstPlace > layout.layout->checksPerSheet()) {
            error(u"--start: the layout \u201c%1\u201d has %2 check(s) on a sheet; start at one of them"_s.arg(
                layout.layout->name).arg(layout.layout->checksPerSheet()));
            return Usage;
        }
    }
    std::optional<qint64> first;
    if (a.values.contains(u"--first-number"_s)) {
        bool ok = false;
        first = a.values.value(u"--first-number"_s).toLongLong(&ok);
        if (!ok) {
            error(u"--first-number: \u201c%1\u201d is not a check number"_s.arg(a.values.value(u"--first-number"_s)));
            return Usage;
        }
    }

    MyDocument *doc = openRegister(path);
    if (!doc)
        return Failed;
    const Register &reg = *doc->array();
    if (marked) {
        rows = rowsMarkedToPrint(reg);
        if (rows.empty()) {
            error(u"%1: no transaction is marked to print (a P in its Check #)"_s.arg(path));
            return Failed;
        }
    }
    // The checks marked to print take their numbers from the stock now.
    const auto toNumber = std::count_if(rows.begin(), rows.end(), [&](int row) {
        return row >= 1 && row < reg.count() && isMarkedToPrint(reg[row]);
    });
    if (toNumber > 0) {
        if (!first)
            first = firstNumberToPrint(reg);
        if (!first) {
            error(u"%1: the register holds no check to number on from; give the first number with "
                  "--first-number"_s.arg(path));
            return Failed;
        }
        // Only once the rows are known to be checks.
        if (const CheckContents contents = checkContents(reg, rows, nullptr, {}, WordsLanguage::English);
            !contents.error.isEmpty()) {
            error(u"%1: %2"_s.arg(path, contents.error));
            return Failed;
        }
        if (const QString refusal = numberMarkedChecks(*doc, rows, *first); !refusal.isEmpty()) {
            error(u"%1: %2"_s.arg(path, refusal));
            return Failed;
        }
    }

    PayeeAddresses addresses;
    QString why;
    if (!addresses.load(PayeeAddresses::defaultPath(), &why)) {
        error(why);
        return Failed;
    }
    const QSettings preferences(u"Cheqbook"_s, u"Cheqbook"_s);
    const CheckContents contents =
        checkContents(reg, rows, &addresses, storedForms(preferences, QLocale()), wordsLanguageOf(QLocale()));
    if (!contents.error.isEmpty()) {
        error(u"%1: %2"_s.arg(path, contents.error));
        return Failed;
    }
    if (const QString failure = writeChecksPdf(contents.checks, *layout.layout, a.output, settings);
        !failure.isEmpty()) {
        error(failure);
        return Failed;
    }
    if (toNumber == 0)
        return Ok;
    error(toNumber == 1 ? u"%1: check %2 numbered"_s.arg(path).arg(*first)
                        : u"%1: checks %2 to %3 numbered"_s.arg(path).arg(*first).arg(*first + toNumber - 1));
    return saveRegister(*doc, path);
}

int runCheckLayouts(const Arguments &a)
{
    if (a.flags.contains(u"--alignment"_s)) {
        if (a.positional.isEmpty() || a.output.isEmpty()) {
            error(u"--alignment needs the layout's NAME and -o OUT.pdf"_s);
            return Usage;
        }
        CheckPrintSettings settings;
        if (!offsetOption(a, &settings))
            return Usage;
        const CheckLayoutReading layout = findCheckLayout(a.positional[0]);
        if (!layout.layout) {
            error(layout.error);
            return Failed;
        }
        if (const QString failure = writeAlignmentPdf(*layout.layout, a.output, settings); !failure.isEmpty()) {
            error(failure);
            return Failed;
        }
        return Ok;
    }
    if (!a.positional.isEmpty()) {
        const CheckLayoutReading layout = findCheckLayout(a.positional[0]);
        if (!layout.layout) {
            error(layout.error);
            return Failed;
        }
        writeOut(QByteArrayView(checkLayoutText(a.positional[0])));
        return finishOut() ? Ok : Failed;
    }
    for (const CheckLayoutEntry &entry : checkLayouts()) {
        QString line = entry.id.leftJustified(16) + u"  "_s;
        if (entry.reading.layout)
            line += u"%1, %2 per sheet"_s.arg(entry.reading.layout->name).arg(entry.reading.layout->checksPerSheet());
        else
            line += u"cannot be read: "_s + entry.reading.error;
        if (!entry.shipped)
            line += u" (%1)"_s.arg(entry.path);
        writeOut(line + u'\n');
    }
    return finishOut() ? Ok : Failed;
}

} // namespace cli
