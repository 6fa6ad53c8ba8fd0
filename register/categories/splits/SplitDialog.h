#pragma once

// Register > Split Transaction: the lines a transaction's money is split in,
// each a category, a memo and an amount (a sum may be typed). The amount left
// to assign is shown as the lines are typed; OK takes lines that add up to
// the transaction's amount, or no lines at all, which takes the split back.

#include "Splits.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class SplitDialog : public QDialog
{
    Q_OBJECT

public:
    // amount: the transaction's; lines: its split lines, or none.
    SplitDialog(Cents amount, const std::vector<SplitLine> &lines, const QStringList &categories, QChar decimalPoint,
                QWidget *parent = nullptr);

    // The lines typed, blank ones left out; an amount that does not read is 0.
    std::vector<SplitLine> lines() const;
    // What is left to assign, and whether every amount typed reads.
    Cents left() const;
    bool amountsRead() const;
    // Adds a line at the end, as typed in the table.
    void addLine(const SplitLine &line);

    void accept() override;

private:
    void update();
    QString amountText(int row) const;

    Cents m_amount;
    QChar m_decimalPoint;
    QTableWidget *m_table = nullptr;
    QLabel *m_left = nullptr;
    QLabel *m_problem = nullptr;
};
