#include "CategoryRulesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

QLabel *addProblemAndButtons(QDialog *dialog, QBoxLayout *layout)
{
    auto *problem = new QLabel(dialog);
    problem->setObjectName(u"problem"_s);
    problem->setWordWrap(true);
    problem->hide();
    layout->addWidget(problem);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(box);
    return problem;
}

namespace {

enum RuleColumn { MatchColumn, TextColumn, CategoryColumn };

} // namespace

CategoryRulesDialog::CategoryRulesDialog(const std::vector<CategoryRule> &rules, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Category Rules"));
    setObjectName(u"categoryRules"_s);
    auto *layout = new QVBoxLayout(this);
    auto *explanation = new QLabel(tr("A transaction whose description fits a rule gets its category; the first rule "
                                      "that fits counts. Letter case does not matter."),
                                   this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(u"rules"_s);
    m_table->setHorizontalHeaderLabels({tr("Description"), tr("Text or pattern"), tr("Category")});
    m_table->horizontalHeader()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_table);
    for (const CategoryRule &rule : rules)
        addRule(rule);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("&Add"), this);
    auto *remove = new QPushButton(tr("&Remove"), this);
    auto *up = new QPushButton(tr("&Up"), this);
    auto *down = new QPushButton(tr("Do&wn"), this);
    for (QPushButton *b : {add, remove, up, down}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        addRule({});
        m_table->setCurrentCell(m_table->rowCount() - 1, TextColumn);
        m_table->editItem(m_table->currentItem());
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_table->currentRow() >= 0)
            m_table->removeRow(m_table->currentRow());
    });
    connect(up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { move(+1); });

    m_problem = addProblemAndButtons(this, layout);
    resize(620, 360);
}

void CategoryRulesDialog::setRow(int row, const CategoryRule &rule)
{
    auto *match = new QComboBox(m_table);
    match->addItem(tr("contains"));
    match->addItem(tr("matches the pattern"));
    match->setCurrentIndex(rule.match == CategoryRule::Match::Pattern ? 1 : 0);
    m_table->setCellWidget(row, MatchColumn, match);
    m_table->setColumnWidth(MatchColumn, std::max(m_table->columnWidth(MatchColumn), match->sizeHint().width()));
    m_table->setItem(row, TextColumn, new QTableWidgetItem(rule.text));
    m_table->setItem(row, CategoryColumn, new QTableWidgetItem(rule.category));
}

void CategoryRulesDialog::addRule(const CategoryRule &rule)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    setRow(row, rule);
}

std::vector<CategoryRule> CategoryRulesDialog::rules() const
{
    std::vector<CategoryRule> out;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        CategoryRule rule;
        const auto *match = qobject_cast<QComboBox *>(m_table->cellWidget(row, MatchColumn));
        rule.match = match && match->currentIndex() == 1 ? CategoryRule::Match::Pattern : CategoryRule::Match::Contains;
        rule.text = m_table->item(row, TextColumn) ? m_table->item(row, TextColumn)->text() : QString();
        rule.category = m_table->item(row, CategoryColumn) ? m_table->item(row, CategoryColumn)->text() : QString();
        if (rule.text.trimmed().isEmpty() && rule.category.trimmed().isEmpty())
            continue;
        out.push_back(std::move(rule));
    }
    return out;
}

void CategoryRulesDialog::move(int by)
{
    const int row = m_table->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_table->rowCount())
        return;
    const std::vector<CategoryRule> all = [&] {
        std::vector<CategoryRule> r;
        for (int i = 0; i < m_table->rowCount(); ++i) {
            const auto *match = qobject_cast<QComboBox *>(m_table->cellWidget(i, MatchColumn));
            r.push_back({match && match->currentIndex() == 1 ? CategoryRule::Match::Pattern
                                                              : CategoryRule::Match::Contains,
                         m_table->item(i, TextColumn)->text(), m_table->item(i, CategoryColumn)->text()});
        }
        return r;
    }();
    setRow(row, all[size_t(to)]);
    setRow(to, all[size_t(row)]);
    m_table->setCurrentCell(to, m_table->currentColumn());
}

void CategoryRulesDialog::accept()
{
    const std::vector<CategoryRule> kept = rules();
    for (size_t i = 0; i < kept.size(); ++i) {
        if (const QString why = ruleRefusal(kept[i]); !why.isEmpty()) {
            m_problem->setText(tr("Rule %1 cannot be kept: %2.").arg(i + 1).arg(why));
            m_problem->show();
            return;
        }
    }
    QDialog::accept();
}
