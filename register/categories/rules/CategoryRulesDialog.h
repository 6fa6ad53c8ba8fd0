#pragma once

// Register > Category Rules: the person's rules in their order, each "the
// description contains (or matches the pattern) … → category". The first
// rule that fits a description gives its category, so order matters: Up and
// Down move a rule. OK keeps the rules only when each can be kept, and says
// of the first that cannot which it is and why.

#include "CategoryRules.h"

#include <QDialog>

#include <vector>

class QBoxLayout;
class QLabel;
class QTableWidget;

// The end of this folder's dialogs: a line saying why OK was refused
// (hidden until then), and OK and Cancel. Returns the line.
QLabel *addProblemAndButtons(QDialog *dialog, QBoxLayout *layout);

class CategoryRulesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CategoryRulesDialog(const std::vector<CategoryRule> &rules, QWidget *parent = nullptr);

    // The rules as the table holds them, blank rows left out.
    std::vector<CategoryRule> rules() const;
    // Adds a rule at the end, as typed in the table.
    void addRule(const CategoryRule &rule);

    void accept() override;

private:
    void move(int by);
    void setRow(int row, const CategoryRule &rule);

    QTableWidget *m_table = nullptr;
    QLabel *m_problem = nullptr;
};
