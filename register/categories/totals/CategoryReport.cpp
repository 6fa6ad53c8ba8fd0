#include "CategoryReport.h"

#include "Report.h"
#include "RunningBalance.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <charconv>

using namespace Qt::StringLiterals;

namespace {

// 2026-12, from the digits: a register of many years by month has hundreds
// of thousands of totals, and a date's own formatting is slow.
QString monthText(QDate month)
{
    if (!month.isValid())
        return {};
    int year = 0, number = 0;
    month.getDate(&year, &number, nullptr);
    return QString::number(year).rightJustified(4, u'0') + u'-' + QString::number(number).rightJustified(2, u'0');
}

// The month of each total, made once for the totals of that month.
class MonthTexts
{
public:
    const QString &of(QDate month)
    {
        if (!m_known || month != m_month) {
            m_known = true;
            m_month = month;
            m_text = monthText(month);
        }
        return m_text;
    }

private:
    bool m_known = false;
    QDate m_month;
    QString m_text;
};

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')
        && text.trimmed() == text)
        return text;
    return u'"' + QString(text).replace(u'"', u"\"\""_s) + u'"';
}

// A text made once for each of the few categories, not for each line.
template <typename Make>
const QString &madeOnce(QHash<QString, QString> &made, const QString &category, Make make)
{
    auto at = made.find(category);
    if (at == made.end())
        at = made.insert(category, make(category));
    return *at;
}

struct Line {
    QString month; // shared with the other lines of the month
    QString category;
    Cents amount = 0;
    int count = 0;
};

// A line's figures written into a buffer of its own, not made texts of.
struct Figures {
    char amount[32];
    char count[16];
    int amountSize;
    int countSize;
    explicit Figures(const Line &l)
        : amountSize(writeMoneyText(amount, l.amount)),
          countSize(int(std::to_chars(count, count + sizeof count, l.count).ptr - count))
    {
    }
};

void appendPadded(QString &out, QStringView text, qsizetype width, bool right)
{
    const qsizetype pad = std::max<qsizetype>(0, width - text.size());
    if (right)
        out.resize(out.size() + pad, u' ');
    out += text;
    if (!right)
        out.resize(out.size() + pad, u' ');
}

void appendPadded(QString &out, QLatin1StringView text, qsizetype width)
{
    out.resize(out.size() + std::max<qsizetype>(0, width - text.size()), u' ');
    out += text;
}

} // namespace

QString categoryTotalsTable(const std::vector<CategoryTotal> &totals, bool byMonth)
{
    const QString none = QCoreApplication::translate("CategoryReport", "(no category)");
    const QString total = QCoreApplication::translate("CategoryReport", "Total");
    std::vector<Line> lines;
    lines.reserve(totals.size() + totals.size() / 4 + 2);
    MonthTexts months;
    QHash<QString, QString> shown;
    Cents allAmount = 0;
    int allCount = 0;
    Cents monthAmount = 0;
    int monthCount = 0;
    for (size_t i = 0; i < totals.size(); ++i) {
        const CategoryTotal &t = totals[i];
        const QString &month = months.of(t.month);
        const QString &category = t.category.isEmpty()
            ? none
            : madeOnce(shown, t.category, [](const QString &c) { return withControlsShown(c); });
        lines.push_back({month, category, t.amount, t.count});
        allAmount = addCents(allAmount, t.amount);
        allCount += t.count;
        monthAmount = addCents(monthAmount, t.amount);
        monthCount += t.count;
        if (byMonth && (i + 1 == totals.size() || totals[i + 1].month != t.month)) {
            lines.push_back({month, total, monthAmount, monthCount});
            monthAmount = 0;
            monthCount = 0;
        }
    }
    lines.push_back({QString(), total, allAmount, allCount});
    const QString titles[] = {QCoreApplication::translate("CategoryReport", "Month"),
                              QCoreApplication::translate("CategoryReport", "Category"),
                              QCoreApplication::translate("CategoryReport", "Amount"),
                              QCoreApplication::translate("CategoryReport", "Count")};
    qsizetype monthWidth = titles[0].size(), categoryWidth = titles[1].size();
    qsizetype amountWidth = titles[2].size(), countWidth = titles[3].size();
    for (const Line &l : lines) {
        const Figures f(l);
        monthWidth = std::max(monthWidth, l.month.size());
        categoryWidth = std::max(categoryWidth, l.category.size());
        amountWidth = std::max<qsizetype>(amountWidth, f.amountSize);
        countWidth = std::max<qsizetype>(countWidth, f.countSize);
    }
    QString out;
    const qsizetype lineWidth = (byMonth ? monthWidth + 2 : 0) + categoryWidth + amountWidth + countWidth + 5;
    out.reserve((qsizetype(lines.size()) + 1) * lineWidth);
    const auto start = [&](const QString &month, const QString &category) {
        if (byMonth) {
            appendPadded(out, month, monthWidth, false);
            out += u"  "_s;
        }
        appendPadded(out, category, categoryWidth, false);
        out += u"  "_s;
    };
    start(titles[0], titles[1]);
    appendPadded(out, titles[2], amountWidth, true);
    out += u"  "_s;
    appendPadded(out, titles[3], countWidth, true);
    out += u'\n';
    for (const Line &l : lines) {
        const Figures f(l);
        start(l.month, l.category);
        appendPadded(out, QLatin1StringView(f.amount, f.amountSize), amountWidth);
        out += u"  "_s;
        appendPadded(out, QLatin1StringView(f.count, f.countSize), countWidth);
        out += u'\n';
    }
    return out;
}

QString categoryTotalsCsv(const std::vector<CategoryTotal> &totals, bool byMonth)
{
    QString out = byMonth ? u"month,category,amount,count\n"_s : u"category,amount,count\n"_s;
    MonthTexts months;
    QHash<QString, QString> fields;
    for (const CategoryTotal &t : totals) {
        if (byMonth)
            out += months.of(t.month) + u',';
        out += madeOnce(fields, t.category, csvField) + u',' + moneyText(t.amount) + u',' + QString::number(t.count)
            + u'\n';
    }
    return out;
}
