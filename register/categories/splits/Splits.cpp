#include "Splits.h"

#include "Category.h"

#include <QCoreApplication>

namespace {

// The texts of this file, in their translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Splits)
};

// A memo on one line without tabs: both separate the parts of the text.
QString memoOnOneLine(const QString &memo)
{
    QString kept = memo;
    for (QChar &c : kept)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return kept.trimmed();
}

} // namespace

QString splitsText(const std::vector<SplitLine> &lines)
{
    QString text;
    for (const SplitLine &line : lines) {
        if (!text.isEmpty())
            text += u'\n';
        text += moneyText(line.amount) + u'\t' + normalizedCategory(line.category) + u'\t'
            + memoOnOneLine(line.memo);
    }
    return text;
}

std::optional<std::vector<SplitLine>> parseSplits(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::vector<SplitLine> lines;
    const QList<QStringView> texts = text.split(u'\n');
    if (texts.size() > kMostSplitLines)
        return std::nullopt;
    for (QStringView lineText : texts) {
        const QList<QStringView> parts = lineText.split(u'\t');
        if (parts.size() < 2 || parts.size() > 3)
            return std::nullopt;
        const CentsReading amount = readTypedAmount(parts[0], u'.');
        if (!amount.ok())
            return std::nullopt;
        SplitLine line;
        line.amount = amount.cents;
        line.category = normalizedCategory(parts[1]);
        if (parts.size() == 3)
            line.memo = parts[2].toString();
        lines.push_back(std::move(line));
    }
    return lines;
}

QString splitRefusal(const std::vector<SplitLine> &lines, Cents amount, QChar decimalPoint)
{
    if (lines.size() < 2)
        return Texts::tr("a split needs two lines or more; one category is given without one");
    if (lines.size() > size_t(kMostSplitLines))
        return Texts::tr("a split has at most %1 lines").arg(kMostSplitLines);
    Cents sum = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].amount == 0)
            return Texts::tr("line %1 of the split has no amount").arg(i + 1);
        if (!centsInRange(lines[i].amount))
            return Texts::tr("the amount of line %1 of the split is beyond what money can hold").arg(i + 1);
        sum += lines[i].amount; // at most a thousand lines within 2^53 each: no overflow
    }
    if (sum != amount)
        return Texts::tr("the lines of the split add up to %1, not to the transaction's %2: %3 is left to assign")
            .arg(shownMoney(sum, decimalPoint), shownMoney(amount, decimalPoint),
                 shownMoney(amount - sum, decimalPoint));
    return {};
}

std::vector<SplitLine> splitLinesOf(const Record &record)
{
    const Value &splits = record.value(kSplitsKey);
    if (splits.isNull())
        return {};
    std::optional<std::vector<SplitLine>> lines = parseSplits(splits.toString());
    return lines ? std::move(*lines) : std::vector<SplitLine>();
}
