#include "ConflictChooser.h"

#include "ImportDuplicates.h"
#include "Money.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ConflictChooser::ConflictChooser(RegisterMerge &merge, const QString &theirsName, QWidget *parent)
    : QDialog(parent), m_merge(merge)
{
    setWindowTitle(tr("Merge Conflicts"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Both versions changed these differently. Choose what the merged register keeps; "
                                "the rest of \u201c%1\u201d is merged as it is.")
                                 .arg(theirsName));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table = new QTableWidget(0, 4);
    m_table->setHorizontalHeaderLabels({tr("Transaction"), tr("What"), tr("This Computer"), tr("Other Computer")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto addLine = [&](int conflict, int field, const QString &what, const QString &mine, const QString &theirs) {
        const RowConflict &c = merge.conflicts[size_t(conflict)];
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(describeRow(c.shown())));
        m_table->setItem(row, 1, new QTableWidgetItem(what));
        auto *group = new QButtonGroup(this);
        const std::optional<MergeSide> chosen = field < 0 ? c.chosen : c.fields[size_t(field)].chosen;
        for (const MergeSide side : {MergeSide::Mine, MergeSide::Theirs}) {
            auto *button = new QRadioButton(side == MergeSide::Mine ? mine : theirs);
            group->addButton(button, int(side));
            button->setChecked(chosen.value_or(MergeSide::Mine) == side);
            m_table->setCellWidget(row, side == MergeSide::Mine ? 2 : 3, button);
        }
        m_lines.push_back({conflict, field, group});
    };
    for (int i = 0; i < int(merge.conflicts.size()); ++i) {
        const RowConflict &c = merge.conflicts[size_t(i)];
        switch (c.kind) {
        case RowConflict::Kind::DeletedByMine:
            addLine(i, -1, tr("Deleted here, changed there"), tr("Deleted"), tr("Kept as changed"));
            break;
        case RowConflict::Kind::DeletedByTheirs:
            addLine(i, -1, tr("Changed here, deleted there"), tr("Kept as changed"), tr("Deleted"));
            break;
        case RowConflict::Kind::Changed:
            for (int f = 0; f < int(c.fields.size()); ++f) {
                const FieldConflict &field = c.fields[size_t(f)];
                addLine(i, f, shownKey(field.key), shownValue(field.key, field.mine),
                        shownValue(field.key, field.theirs));
            }
            break;
        }
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox;
    QPushButton *allMine = buttons->addButton(tr("Keep All Mine"), QDialogButtonBox::ResetRole);
    QPushButton *allTheirs = buttons->addButton(tr("Take All Theirs"), QDialogButtonBox::ResetRole);
    // Return merges, whichever button has the focus.
    allMine->setAutoDefault(false);
    allTheirs->setAutoDefault(false);
    buttons->addButton(tr("Merge"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(allMine, &QPushButton::clicked, this, [this] { chooseAll(MergeSide::Mine); });
    connect(allTheirs, &QPushButton::clicked, this, [this] { chooseAll(MergeSide::Theirs); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        writeChoices();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 360);
}

void ConflictChooser::chooseAll(MergeSide side)
{
    for (int line = 0; line < lineCount(); ++line)
        choose(line, side);
}

MergeSide ConflictChooser::choice(int line) const
{
    return MergeSide(m_lines[size_t(line)].group->checkedId());
}

void ConflictChooser::choose(int line, MergeSide side) { m_lines[size_t(line)].group->button(int(side))->setChecked(true); }

void ConflictChooser::writeChoices()
{
    for (int line = 0; line < lineCount(); ++line) {
        const Line &l = m_lines[size_t(line)];
        RowConflict &c = m_merge.conflicts[size_t(l.conflict)];
        (l.field < 0 ? c.chosen : c.fields[size_t(l.field)].chosen) = choice(line);
    }
}

QString ConflictChooser::shownKey(const QString &key)
{
    if (key == keyName(Key::Date))
        return tr("Date");
    if (key == keyName(Key::Amount))
        return tr("Amount");
    if (key == keyName(Key::DescriptionofTransaction))
        return tr("Description");
    if (key == keyName(Key::CheckNumber))
        return tr("Number");
    if (key == keyName(Key::EOMSeen))
        return tr("Reconciled");
    return key;
}

QString ConflictChooser::shownValue(const QString &key, const Value &value)
{
    if (key == keyName(Key::EOMSeen))
        return value.intValue() == 1 ? tr("Reconciled") : tr("Not reconciled");
    if (value.isNull())
        return tr("(none)");
    if (key == keyName(Key::Amount) && value.cents().ok())
        return moneyText(value.cents().cents);
    return value.toString();
}
