#include "CategoryReport.h"

#include "Report.h"
#include "RunningBalance.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString monthText(QDate month) { return month.isValid() ? month.toString(u"yyyy-MM"_s) : QString(); }

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')
        && text.trimmed() == text)
        return text;
    return u'"' + QString(text).replace(u'"', u"\"\""_s) + u'"';
}

struct Line {
    QString month;
    QString category;
    Cents amount = 0;
    int count = 0;
};

} // namespace

QString categoryTotalsTable(const std::vector<CategoryTotal> &totals, bool byMonth)
{
    const QString none = QCoreApplication::translate("CategoryReport", "(no category)");
    const QString total = QCoreApplication::translate("CategoryReport", "Total");
    std::vector<Line> lines;
    Line all{QString(), total};
    for (size_t i = 0; i < totals.size(); ++i) {
        const CategoryTotal &t = totals[i];
        lines.push_back({monthText(t.month), t.category.isEmpty() ? none : withControlsShown(t.category),
                         t.amount, t.count});
        all.amount = addCents(all.amount, t.amount);
        all.count += t.count;
        if (byMonth && (i + 1 == totals.size() || totals[i + 1].month != t.month)) {
            Line month{monthText(t.month), total};
            for (size_t k = i + 1; k-- > 0 && totals[k].month == t.month;) {
                month.amount = addCents(month.amount, totals[k].amount);
                month.count += totals[k].count;
            }
            lines.push_back(month);
        }
    }
    lines.push_back(all);
    const QString monthTitle = QCoreApplication::translate("CategoryReport", "Month");
    Line title{monthTitle, QCoreApplication::translate("CategoryReport", "Category")};
    const QString amountTitle = QCoreApplication::translate("CategoryReport", "Amount");
    const QString countTitle = QCoreApplication::translate("CategoryReport", "Count");
    qsizetype monthWidth = monthTitle.size(), categoryWidth = title.category.size();
    qsizetype amountWidth = amountTitle.size(), countWidth = countTitle.size();
    for (const Line &l : lines) {
        monthWidth = std::max(monthWidth, l.month.size());
        categoryWidth = std::max(categoryWidth, l.category.size());
        amountWidth = std::max(amountWidth, moneyText(l.amount).size());
        countWidth = std::max(countWidth, QString::number(l.count).size());
    }
    const auto row = [&](const QString &month, const QString &category, const QString &amount, const QString &count) {
        QString text;
        if (byMonth)
            text += month.leftJustified(monthWidth) + u"  "_s;
        text += category.leftJustified(categoryWidth) + u"  "_s + amount.rightJustified(amountWidth) + u"  "_s
            + count.rightJustified(countWidth);
        return text + u'\n';
    };
    QString out = row(title.month, title.category, amountTitle, countTitle);
    for (const Line &l : lines)
        out += row(l.month, l.category, moneyText(l.amount), QString::number(l.count));
    return out;
}

QString categoryTotalsCsv(const std::vector<CategoryTotal> &totals, bool byMonth)
{
    QString out = byMonth ? u"month,category,amount,count\n"_s : u"category,amount,count\n"_s;
    for (const CategoryTotal &t : totals) {
        if (byMonth)
            out += monthText(t.month) + u',';
        out += csvField(t.category) + u',' + moneyText(t.amount) + u',' + QString::number(t.count) + u'\n';
    }
    return out;
}
