#include "SplitDialog.h"

#include "AmountSum.h"
#include "CategoryRulesDialog.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum LineColumn { CategoryColumn, MemoColumn, AmountColumn };

// The Category cells complete from the categories in use.
class CategoryDelegate : public QStyledItemDelegate
{
public:
    CategoryDelegate(const QStringList &categories, QObject *parent)
        : QStyledItemDelegate(parent), m_categories(categories)
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && index.column() == CategoryColumn) {
            auto *completer = new QCompleter(m_categories, line);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setFilterMode(Qt::MatchContains);
            line->setCompleter(completer);
        }
        return editor;
    }

private:
    QStringList m_categories;
};

} // namespace

SplitDialog::SplitDialog(Cents amount, const std::vector<SplitLine> &lines, const QStringList &categories,
                         QChar decimalPoint, QWidget *parent)
    : QDialog(parent), m_amount(amount), m_decimalPoint(decimalPoint)
{
    setWindowTitle(tr("Split Transaction"));
    setObjectName(u"splitTransaction"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Amount of the transaction: %1").arg(shownMoney(amount, decimalPoint)), this));
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(u"lines"_s);
    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Memo"), tr("Amount")});
    m_table->horizontalHeader()->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    m_table->setItemDelegate(new CategoryDelegate(categories, m_table));
    layout->addWidget(m_table);
    for (const SplitLine &line : lines)
        addLine(line);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("&Add Line"), this);
    auto *remove = new QPushButton(tr("&Remove Line"), this);
    for (QPushButton *b : {add, remove}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    m_left = new QLabel(this);
    m_left->setObjectName(u"left"_s);
    buttons->addWidget(m_left);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        // A new line proposes what is left, so that the last line is one key.
        addLine({QString(), QString(), left()});
        m_table->setCurrentCell(m_table->rowCount() - 1, CategoryColumn);
        m_table->editItem(m_table->currentItem());
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_table->currentRow() >= 0)
            m_table->removeRow(m_table->currentRow());
        update();
    });
    connect(m_table, &QTableWidget::itemChanged, this, [this] { update(); });

    m_problem = addProblemAndButtons(this, layout);
    resize(560, 320);
    update();
}

void SplitDialog::addLine(const SplitLine &line)
{
    const int row = m_table->rowCount();
    const QSignalBlocker quiet(m_table);
    m_table->insertRow(row);
    m_table->setItem(row, CategoryColumn, new QTableWidgetItem(line.category));
    m_table->setItem(row, MemoColumn, new QTableWidgetItem(line.memo));
    auto *amount = new QTableWidgetItem(line.amount == 0 ? QString() : shownMoney(line.amount, m_decimalPoint));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_table->setItem(row, AmountColumn, amount);
    update();
}

QString SplitDialog::amountText(int row) const
{
    const QTableWidgetItem *item = m_table->item(row, AmountColumn);
    return item ? item->text() : QString();
}

std::vector<SplitLine> SplitDialog::lines() const
{
    std::vector<SplitLine> out;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        SplitLine line;
        line.category = m_table->item(row, CategoryColumn) ? m_table->item(row, CategoryColumn)->text() : QString();
        line.memo = m_table->item(row, MemoColumn) ? m_table->item(row, MemoColumn)->text() : QString();
        const SumReading sum = readAmountSum(amountText(row), m_decimalPoint);
        line.amount = sum.ok() ? sum.cents : 0;
        if (line.category.trimmed().isEmpty() && line.memo.trimmed().isEmpty() && amountText(row).trimmed().isEmpty())
            continue;
        out.push_back(std::move(line));
    }
    return out;
}

bool SplitDialog::amountsRead() const
{
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (!amountText(row).trimmed().isEmpty() && !readAmountSum(amountText(row), m_decimalPoint).ok())
            return false;
    return true;
}

Cents SplitDialog::left() const
{
    Cents rest = m_amount;
    for (const SplitLine &line : lines())
        rest -= line.amount;
    return rest;
}

void SplitDialog::update()
{
    if (!m_left) // lines added while the dialog is built
        return;
    m_left->setText(amountsRead() ? tr("Left to assign: %1").arg(shownMoney(left(), m_decimalPoint))
                                  : tr("An amount is not one"));
    m_problem->hide();
}

void SplitDialog::accept()
{
    // A sum typed in a line is shown as its result, as the entry fields do.
    {
        const QSignalBlocker quiet(m_table);
        for (int row = 0; row < m_table->rowCount(); ++row)
            if (const SumReading sum = readAmountSum(amountText(row), m_decimalPoint); sum.ok() && sum.sum)
                m_table->item(row, AmountColumn)->setText(shownMoney(sum.cents, m_decimalPoint));
    }
    update();
    QString why;
    for (int row = 0; row < m_table->rowCount() && why.isEmpty(); ++row)
        if (!amountText(row).trimmed().isEmpty() && !readAmountSum(amountText(row), m_decimalPoint).ok())
            why = tr("The amount of line %1, \u201c%2\u201d, is not an amount.").arg(row + 1).arg(amountText(row));
    const std::vector<SplitLine> typed = lines();
    if (why.isEmpty() && !typed.empty())
        why = splitRefusal(typed, m_amount, m_decimalPoint);
    if (!why.isEmpty()) {
        why[0] = why[0].toUpper();
        m_problem->setText(why);
        m_problem->show();
        return;
    }
    QDialog::accept();
}
