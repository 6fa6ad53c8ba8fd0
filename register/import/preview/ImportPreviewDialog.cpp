#include "ImportPreviewDialog.h"

#include "ImportPreviewDelegate.h"
#include "ImportPreviewModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ImportPreviewDialog::ImportPreviewDialog(std::unique_ptr<ImportPreview> preview, QWidget *parent,
                                         DateOrder shownDates)
    : QDialog(parent, Qt::Dialog), m_preview(std::move(preview))
{
    setObjectName(u"importPreview"_s);
    setWindowTitle(tr("Import \u201c%1\u201d").arg(m_preview->fileName()));
    m_model = new ImportPreviewModel(*m_preview, shownDates, this);
    build();
    refresh();
}

ImportPreviewDialog::~ImportPreviewDialog()
{
    // The dialog is hidden as its base class goes, after the preview the
    // model shows is gone: the table must not ask for its rows then.
    m_table->setModel(nullptr);
}

QComboBox *ImportPreviewDialog::columnBox(const char *name)
{
    auto *box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(box, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::layoutEdited);
    return box;
}

void ImportPreviewDialog::build()
{
    auto *top = new QVBoxLayout(this);
    m_formatLabel = new QLabel(this);
    m_formatLabel->setObjectName(u"formatLabel"_s);
    m_formatLabel->setWordWrap(true);
    top->addWidget(m_formatLabel);
    // What reading found worth a word: how the dates were read, and why.
    m_notes = new QLabel(this);
    m_notes->setObjectName(u"notesLabel"_s);
    m_notes->setWordWrap(true);
    m_notes->setTextFormat(Qt::PlainText);
    top->addWidget(m_notes);

    m_layoutBox = new QGroupBox(tr("Layout"), this);
    auto *grid = new QGridLayout(m_layoutBox);
    m_separator = new QComboBox(this);
    m_separator->setObjectName(u"separatorBox"_s);
    m_separator->addItem(tr("Comma"), QChar(u','));
    m_separator->addItem(tr("Semicolon"), QChar(u';'));
    m_separator->addItem(tr("Tab"), QChar(u'\t'));
    connect(m_separator, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::layoutEdited);
    m_headerLine = new QSpinBox(this);
    m_headerLine->setObjectName(u"headerLineBox"_s);
    m_headerLine->setRange(0, 40);
    m_headerLine->setSpecialValueText(u"none"_s);
    connect(m_headerLine, &QSpinBox::valueChanged, this, &ImportPreviewDialog::layoutEdited);
    m_dateOrder = new QComboBox(this);
    m_dateOrder->setObjectName(u"dateOrderBox"_s);
    connect(m_dateOrder, &QComboBox::currentIndexChanged, this, [this] {
        const auto order = DateOrder(m_dateOrder->currentData().toInt());
        if (m_refreshing)
            return;
        // The first item chooses nothing: it shows again the order read with.
        if (order != DateOrder::Unknown)
            m_preview->setDateOrder(order);
        refresh();
    });
    m_amountSign = new QComboBox(this);
    m_amountSign->setObjectName(u"amountSignBox"_s);
    m_amountSign->addItem(tr("Choose\u2026"), int(AmountSign::Unasked));
    m_amountSign->addItem(tr("as written (minus is money out)"), int(AmountSign::AsWritten));
    m_amountSign->addItem(tr("money out (a card\u2019s charges)"), int(AmountSign::MoneyOut));
    connect(m_amountSign, &QComboBox::currentIndexChanged, this, [this] {
        const auto sign = AmountSign(m_amountSign->currentData().toInt());
        if (m_refreshing)
            return;
        if (sign != AmountSign::Unasked)
            m_preview->setAmountSign(sign);
        refresh();
    });
    m_decimalComma = new QCheckBox(tr("Decimal comma (-1.234,56)"), this);
    m_decimalComma->setObjectName(u"decimalCommaBox"_s);
    connect(m_decimalComma, &QCheckBox::toggled, this, &ImportPreviewDialog::layoutEdited);
    m_columns = {columnBox("dateColumnBox"),     columnBox("descriptionColumnBox"), columnBox("memoColumnBox"),
                 columnBox("amountColumnBox"),   columnBox("moneyOutColumnBox"),    columnBox("moneyInColumnBox"),
                 columnBox("checkColumnBox"),    columnBox("signColumnBox")};
    const std::pair<QString, QWidget *> left[]
        = {{tr("Separator"), m_separator},  {tr("Header line"), m_headerLine},          {tr("Date"), m_columns.date},
           {tr("Date order"), m_dateOrder}, {tr("Description"), m_columns.description}, {tr("Memo"), m_columns.memo}};
    const std::pair<QString, QWidget *> right[]
        = {{tr("Amount"), m_columns.amount},          {tr("Money out"), m_columns.moneyOut},
           {tr("Money in"), m_columns.moneyIn},       {tr("Check number"), m_columns.checkNumber},
           {tr("Debit/credit word"), m_columns.sign}, {QString(), m_decimalComma}};
    for (int r = 0; r < 6; ++r) {
        grid->addWidget(new QLabel(left[r].first, this), r, 0);
        grid->addWidget(left[r].second, r, 1);
        if (!right[r].first.isEmpty())
            grid->addWidget(new QLabel(right[r].first, this), r, 2);
        grid->addWidget(right[r].second, r, 3);
    }
    grid->addWidget(new QLabel(tr("Amounts are"), this), 6, 2);
    grid->addWidget(m_amountSign, 6, 3);
    grid->setColumnStretch(4, 1);
    top->addWidget(m_layoutBox);

    auto *accountRow = new QHBoxLayout;
    m_accountLabel = new QLabel(tr("Account"), this);
    m_account = new QComboBox(this);
    m_account->setObjectName(u"accountBox"_s);
    connect(m_account, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_refreshing && !m_account->currentData().toString().isEmpty()) {
            m_preview->setAccount(m_account->currentData().toString());
            refresh();
        }
    });
    accountRow->addWidget(m_accountLabel);
    accountRow->addWidget(m_account);
    accountRow->addStretch();
    top->addLayout(accountRow);

    m_blocker = new QLabel(this);
    m_blocker->setObjectName(u"blockerLabel"_s);
    m_blocker->setWordWrap(true);
    m_blocker->setStyleSheet(u"font-weight: bold"_s);
    top->addWidget(m_blocker);

    m_table = new QTableView(this);
    m_table->setObjectName(u"previewTable"_s);
    m_table->setAccessibleName(tr("The statement's lines"));
    m_table->setModel(m_model);
    // A line's status is the register row it is (or new), chosen from a list,
    // and so is the sign of an amount the file did not sign.
    auto *choices = new ImportPreviewDelegate(m_table);
    m_table->setItemDelegateForColumn(ImportPreviewModel::StatusColumn, choices);
    m_table->setItemDelegateForColumn(ImportPreviewModel::AmountColumn, choices);
    m_table->setItemDelegateForColumn(ImportPreviewModel::CategoryColumn, choices);
    // A category chosen for a line kept for every statement to come.
    m_keepRule = new QAction(tr("Keep as a Rule"), m_table);
    m_keepRule->setObjectName(u"keepAsRule"_s);
    m_table->addAction(m_keepRule);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_keepRule, &QAction::triggered, this, &ImportPreviewDialog::keepAsRule);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ImportPreviewDialog::updateKeepRule);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &ImportPreviewDialog::updateKeepRule);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ImportPreviewDialog::updateKeepRule);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed);
    m_table->verticalHeader()->setVisible(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The description gets room for most payees; the status, which names the
    // row a line duplicates, takes the rest.
    header->setSectionResizeMode(ImportPreviewModel::DescriptionColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(ImportPreviewModel::StatusColumn, QHeaderView::Stretch);
    m_table->setColumnWidth(ImportPreviewModel::DescriptionColumn, m_table->fontMetrics().horizontalAdvance(u'M') * 22);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    top->addWidget(m_table, 3);

    m_skipped = new QListWidget(this);
    m_skipped->setObjectName(u"skippedList"_s);
    m_skipped->setMaximumHeight(m_skipped->fontMetrics().height() * 6);
    top->addWidget(m_skipped, 1);

    m_summary = new QLabel(this);
    m_summary->setObjectName(u"summaryLabel"_s);
    auto *buttons = new QDialogButtonBox(this);
    m_acceptMatches = buttons->addButton(tr("Match All Entered"), QDialogButtonBox::ActionRole);
    m_acceptMatches->setObjectName(u"acceptMatchesButton"_s);
    m_acceptMatches->setToolTip(
        tr("Take every line that is probably a transaction you entered as that one, and mark it reconciled"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(u"cancelButton"_s);
    m_import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(u"importButton"_s);
    m_import->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(buttons);
    top->addLayout(bottom);

    connect(m_acceptMatches, &QPushButton::clicked, this, [this] {
        m_preview->acceptAllMatches();
        refresh();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_import, &QPushButton::clicked, this, [this] {
        if (m_preview->blocker().isEmpty())
            emit importRequested();
    });
    connect(m_model, &ImportPreviewModel::actionsChanged, this, [this] {
        m_summary->setText(m_preview->summary() + u'.');
    });
    resize(960, 600);
}

void ImportPreviewDialog::fillColumnBox(QComboBox *box, const QStringList &names, int column)
{
    box->clear();
    box->addItem(tr("(none)"), -1);
    for (int i = 0; i < names.size(); ++i)
        box->addItem(names[i].isEmpty() ? tr("Field %1").arg(i + 1) : names[i], i);
    box->setCurrentIndex(std::max(0, box->findData(column)));
}

void ImportPreviewDialog::refresh()
{
    m_refreshing = true;
    const StatementRead &read = m_preview->read();
    const bool ofx = read.format == StatementFormat::Ofx;
    const CsvLayout &l = read.layout;
    QString format;
    if (ofx) {
        format = read.account.isEmpty() ? tr("An OFX statement of %1 accounts.").arg(read.accounts.size())
                                        : tr("An OFX statement.");
        if (read.ledger.endingBalance && read.ledger.closingDate)
            format += tr(" Its ledger balance is %1 on %2; after the import it is in the balancing panel.")
                          .arg(moneyText(*read.ledger.endingBalance), read.ledger.closingDate->toString(u"MM/dd/yyyy"));
    } else if (read.format == StatementFormat::FiveFieldCsv) {
        format = tr("CSV without a header, read as date, amount, -, -, description.");
    } else {
        format = l.headerLine > 0 ? tr("CSV with its header on line %1.").arg(l.headerLine)
                                  : tr("CSV without a header, in the layout below.");
        if (m_preview->usedRememberedLayout())
            format += tr(" The layout is the one chosen for this bank before.");
    }
    m_formatLabel->setText(format);
    QStringList notes;
    for (const QString &note : m_preview->notes())
        notes << note.at(0).toUpper() + note.mid(1) + u'.';
    m_notes->setText(notes.join(u'\n'));
    m_notes->setVisible(!notes.isEmpty());

    m_layoutBox->setVisible(!ofx);
    if (!ofx) {
        m_separator->setCurrentIndex(std::max(0, m_separator->findData(l.separator)));
        m_headerLine->setValue(l.headerLine);
        const QStringList names = m_preview->columnNames();
        const std::pair<QComboBox *, int> boxes[] = {
            {m_columns.date, l.date},       {m_columns.description, l.description}, {m_columns.memo, l.memo},
            {m_columns.amount, l.amount},   {m_columns.moneyOut, l.moneyOut},       {m_columns.moneyIn, l.moneyIn},
            {m_columns.checkNumber, l.checkNumber}, {m_columns.sign, l.sign}};
        for (const auto &[box, column] : boxes)
            fillColumnBox(box, names, column);
        // The five-field layout keeps each date as the bank wrote it, until an
        // order is chosen; otherwise only orders that read every date are offered.
        const bool fiveField = read.format == StatementFormat::FiveFieldCsv;
        m_dateOrder->clear();
        m_dateOrder->addItem(fiveField ? tr("As written") : tr("Choose\u2026"), int(DateOrder::Unknown));
        for (DateOrder o : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay})
            if (fiveField || read.needsColumns() || readsEveryDate(read.dates, o))
                m_dateOrder->addItem(dateOrderName(o), int(o));
        const bool settled = !read.needsDateOrder() && l.dateOrder != DateOrder::Unknown;
        m_dateOrder->setCurrentIndex(settled ? std::max(0, m_dateOrder->findData(int(l.dateOrder))) : 0);
        m_decimalComma->setChecked(l.decimalComma);
        // Only an amount column without debit/credit words may need telling which way it goes.
        m_amountSign->setEnabled(l.amount >= 0 && l.sign < 0);
        m_amountSign->setCurrentIndex(std::max(0, m_amountSign->findData(int(l.amountSign))));
    }

    const bool choosing = ofx && read.accounts.size() > 1;
    m_accountLabel->setVisible(choosing);
    m_account->setVisible(choosing);
    if (choosing) {
        m_account->clear();
        m_account->addItem(tr("Choose\u2026"), QString());
        for (const OfxAccountChoice &a : read.accounts)
            m_account->addItem(u"%1 (%2)"_s.arg(a.label).arg(a.transactions), a.id);
        m_account->setCurrentIndex(std::max(0, m_account->findData(read.account)));
    }

    const QString blocker = m_preview->blocker();
    m_blocker->setText(blocker);
    m_blocker->setVisible(!blocker.isEmpty());
    m_import->setEnabled(blocker.isEmpty());
    m_acceptMatches->setVisible(std::any_of(m_preview->rows().begin(), m_preview->rows().end(),
                                            [](const ImportPreview::Row &r) {
                                                return r.check.verdict == DuplicateCheck::Verdict::Probable;
                                            }));
    m_skipped->clear();
    for (const SkippedLine &s : read.statement.skipped)
        m_skipped->addItem(u"%1: %2"_s.arg(s.lines(), s.reason));
    m_skipped->setVisible(!read.statement.skipped.empty());
    m_summary->setText(read.ok() ? m_preview->summary() + u'.' : QString());
    m_model->refresh();
    m_refreshing = false;
}

void ImportPreviewDialog::layoutEdited()
{
    if (m_refreshing)
        return;
    CsvLayout l = m_preview->read().layout;
    const int oldHeader = l.headerLine;
    l.separator = m_separator->currentData().toChar();
    l.headerLine = m_headerLine->value();
    l.decimalComma = m_decimalComma->isChecked();
    // A new header line, or a new separator, names new columns: the ones
    // chosen are kept only by their number.
    const std::pair<int *, QComboBox *> columns[] = {
        {&l.date, m_columns.date},         {&l.description, m_columns.description}, {&l.memo, m_columns.memo},
        {&l.amount, m_columns.amount},     {&l.moneyOut, m_columns.moneyOut},       {&l.moneyIn, m_columns.moneyIn},
        {&l.checkNumber, m_columns.checkNumber}, {&l.sign, m_columns.sign}};
    for (const auto &[column, box] : columns)
        *column = box->currentData().toInt();
    if (oldHeader != l.headerLine && l.headerLine == 0)
        l.fieldCount = 0;
    m_preview->setLayout(l);
    refresh();
}

void ImportPreviewDialog::updateKeepRule()
{
    const int row = m_table->currentIndex().row();
    const bool there = row >= 0 && size_t(row) < m_preview->rows().size();
    const CategoryRule rule = there ? ruleFromExample(m_preview->rows()[size_t(row)].line.description,
                                                      m_preview->rows()[size_t(row)].line.category)
                                    : CategoryRule();
    const bool keepable = there && ruleRefusal(rule).isEmpty();
    m_keepRule->setEnabled(keepable);
    m_keepRule->setText(keepable ? tr("Keep as a Rule: Description Contains \u201c%1\u201d \u2192 %2")
                                       .arg(rule.text, rule.category)
                                 : tr("Keep as a Rule"));
}

void ImportPreviewDialog::keepAsRule()
{
    const int row = m_table->currentIndex().row();
    if (row < 0 || size_t(row) >= m_preview->rows().size())
        return;
    const StatementLine &line = m_preview->rows()[size_t(row)].line;
    QSettings settings;
    std::vector<CategoryRule> rules = withRuleFor(storedRules(settings), line.description, line.category);
    storeRules(settings, rules);
    // The other lines of that payee take the category at once.
    m_preview->setRules(std::move(rules));
    m_model->categoriesChanged();
}

void ImportPreviewDialog::recheck()
{
    m_preview->recheck();
    refresh();
}
