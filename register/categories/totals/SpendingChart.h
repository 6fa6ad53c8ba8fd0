#pragma once

// The Charts window's Spending by Category page: where the money went over a
// period, a bar or a slice per category, split lines counted as their
// categories. Subcategories
// are folded into the category they are nested in unless asked for. Only
// the money that went out is drawn; a category that took in more than it
// spent is left out, since it is no spending.

#include "CategoryTotals.h"
#include "Register.h"

#include <QWidget>

#include <functional>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

struct Spending {
    QString category; // as shown: "(no category)" for the money without one
    Cents amount = 0; // spent, above zero
    bool operator==(const Spending &) const = default;
};

class SpendingChart : public QWidget
{
    Q_OBJECT

public:
    SpendingChart(RegisterPtr reg, std::function<QDate()> today, QWidget *parent = nullptr);

    void setDecimalPoint(QChar decimalPoint);
    // The period, typed as dates are typed anywhere; empty for no limit.
    void setPeriod(const QString &from, const QString &to);
    // Works the figures out again and draws them.
    void refresh();
    // What is drawn, most spent first.
    const std::vector<Spending> &spending() const { return m_spending; }

private:
    void draw();

    RegisterPtr m_register;
    std::function<QDate()> m_today;
    QChar m_decimalPoint = u'.';
    std::vector<Spending> m_spending;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QComboBox *m_kind = nullptr;
    QCheckBox *m_subcategories = nullptr;
    QLabel *m_total = nullptr;
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
};
