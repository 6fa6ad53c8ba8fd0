#include "MyWindowController.h"

#include "DateReader.h"
#include "PreconditionFailure.h"
#include "RegisterItemDelegate.h"
#include "RegisterTableModel.h"
#include "RegisterTableView.h"
#include "RegisterWindow.h"
#include "RunningBalance.h"
#include "WindowKeys.h"
#include "descriptionfield.h"
#include "ui_MyDocument.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString kRowCondition = u"rowIndex >= 0 && rowIndex < [dataArray count]"_s;
const QString kSource = u"MyWindowController"_s;
} // namespace

MyWindowController::MyWindowController(MyDocument *document, Toolkit &toolkit)
    : QObject(document), myDocument(document), m_toolkit(toolkit)
{
    myDocument->ensureRegister();
    dataArray = myDocument->array();
    m_filter.today = m_toolkit.today();
    buildWindow();
    m_model = new RegisterTableModel(this, this);
    table->setModel(m_model);
    auto *cells = new RegisterItemDelegate(table);
    table->setItemDelegate(cells);
    // Said once the table has given up the edit, not from inside it.
    connect(cells, &RegisterItemDelegate::tooLongToEdit, this, [this](qsizetype length) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"This text is %L1 characters long, more than a cell can edit (%L2 at most).\nThe register "
                        "keeps all of it."_s.arg(length).arg(RegisterItemDelegate::kMaxEditableLength));
    }, Qt::QueuedConnection);
    table->setShowGrid(drawsGrid());
    QHeaderView *header = table->horizontalHeader();
    // The user sets the widths (and they are kept); Description takes the rest.
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(RegisterTableModel::DescriptionColumn, QHeaderView::Stretch);
    header->setHighlightSections(false);
    const int digit = table->fontMetrics().horizontalAdvance(u'0');
    table->setColumnWidth(RegisterTableModel::CheckNumberColumn, digit * 9);
    table->setColumnWidth(RegisterTableModel::DateColumn, digit * 12);
    table->setColumnWidth(RegisterTableModel::AmountColumn, digit * 14);
    table->setColumnWidth(RegisterTableModel::TotalColumn, digit * 14);
    table->setColumnWidth(RegisterTableModel::ReconciledColumn, digit * 3);
    QHeaderView *rows = table->verticalHeader();
    rows->setVisible(false);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(table->fontMetrics().height() + 8);
    recalculateCheckbook();
    doingEndOfMonth = false;
    buildStatusBar();
    connect(myDocument, &MyDocument::historyChanged, this, &MyWindowController::showOpeningHint);
}

MyWindowController::~MyWindowController()
{
    dataArray->clear();
    delete m_window;
}

void MyWindowController::buildWindow()
{
    m_window = new RegisterWindow;
    Ui::MyDocument ui;
    ui.setupUi(m_window);
    table = ui.table;
    CheckNumber = ui.CheckNumber;
    DescriptionofTransaction = ui.DescriptionofTransaction;
    Date = ui.Date;
    Amount = ui.Amount;
    QPushButton *enter = ui.enterButton;
    connect(enter, &QPushButton::clicked, this, [this, enter] { addTransaction(enter); });
    // Return in any entry field presses Enter: an entry at the end.
    for (QLineEdit *field : {CheckNumber, DescriptionofTransaction, Date, static_cast<QLineEdit *>(Amount)})
        connect(field, &QLineEdit::returnPressed, enter, &QPushButton::click);
    connect(m_window, &RegisterWindow::closeRequested, this, &MyWindowController::closeRequested);
    connect(ui.table, &RegisterTableView::leftByTab, this, [this](bool forward) {
        if (forward)
            CheckNumber->setFocus(Qt::TabFocusReason);
        else
            Amount->setFocus(Qt::BacktabFocusReason);
    });
    m_openingHint = ui.openingHint;
    connect(ui.table, &RegisterTableView::typedOutsideCell, this, [this] {
        m_window->statusBar()->showMessage(
            u"To change a cell, double-click it or press F2 or Return; Tab goes to the entry fields."_s, 6000);
    });
    buildPreferencesWindow();
    buildSortQuestionWindow();
    buildFindWindow();
    buildDrawer();
    buildFilterBar();
    buildMenus();
    buildEntryHelpers();
}

void MyWindowController::showAuxiliaryWindow(QWidget *auxiliary)
{
    giveAccessKeys(auxiliary);
    auxiliary->adjustSize();
    auxiliary->move(m_window->geometry().center() - auxiliary->rect().center());
    auxiliary->show();
    auxiliary->raise();
    auxiliary->activateWindow();
}

void MyWindowController::hideAuxiliaryWindow(QWidget *auxiliary)
{
    if (!auxiliary->isVisible())
        return;
    auxiliary->hide();
    m_window->activateWindow();
}

void MyWindowController::buildMenus()
{
    QMenuBar *bar = m_window->menuBar();
    m_fileMenu = bar->addMenu(u"&File"_s);
    QAction *import = m_fileMenu->addAction(u"&Import Statement\u2026"_s);
    import->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_I);
    connect(import, &QAction::triggered, this, [this, import] { importWF(import); });
    QAction *year = m_fileMenu->addAction(u"New &Year\u2026"_s);
    connect(year, &QAction::triggered, this, [this, year] { newYear(year); });
    m_fileMenu->addSeparator();
    QAction *preview = m_fileMenu->addAction(u"Print Previe&w\u2026"_s);
    connect(preview, &QAction::triggered, this, [this, preview] { printPreview(preview); });
    QAction *pdf = m_fileMenu->addAction(u"&Export PDF\u2026"_s);
    connect(pdf, &QAction::triggered, this, [this, pdf] { exportPdf(pdf); });
    QAction *printItem = m_fileMenu->addAction(u"&Print\u2026"_s);
    printItem->setShortcut(Qt::CTRL | Qt::Key_P);
    connect(printItem, &QAction::triggered, this, [this, printItem] { print(printItem); });
    QAction *printReconciled = m_fileMenu->addAction(u"Print Reconci&liation\u2026"_s);
    connect(printReconciled, &QAction::triggered, this,
            [this, printReconciled] { printReconciliation(printReconciled); });
    QAction *pdfReconciled = m_fileMenu->addAction(u"Export Reconciliation P&DF\u2026"_s);
    connect(pdfReconciled, &QAction::triggered, this, [this, pdfReconciled] { exportReconciliationPdf(pdfReconciled); });

    QMenu *edit = bar->addMenu(u"&Edit"_s);
    buildUndoActions(edit);
    edit->addSeparator();
    QAction *prefs = edit->addAction(u"&Preferences\u2026"_s);
    prefs->setShortcut(Qt::CTRL | Qt::Key_Comma);
    connect(prefs, &QAction::triggered, this, [this, prefs] { openPrefWindow(prefs); });
    edit->addSeparator();
    QAction *findItem = edit->addAction(u"&Find\u2026"_s);
    findItem->setShortcut(Qt::CTRL | Qt::Key_F);
    connect(findItem, &QAction::triggered, this, [this, findItem] { showFindWindow(findItem); });
    QAction *again = edit->addAction(u"Find &Again"_s);
    again->setShortcut(Qt::CTRL | Qt::Key_G);
    connect(again, &QAction::triggered, this, [this, again] { findAgain(again); });

    QMenu *reg = bar->addMenu(u"&Register"_s);
    QAction *insert = reg->addAction(u"&Insert After Selected Row"_s);
    insert->setShortcut(Qt::CTRL | Qt::Key_Return);
    connect(insert, &QAction::triggered, this, [this, insert] { addTransaction(insert); });
    QAction *insertBefore = reg->addAction(tr("Insert Bef&ore Selected Row"));
    insertBefore->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Return);
    insertBefore->setToolTip(tr("Puts the transaction above the selected row; above the first row, it becomes the "
                                "opening balance"));
    connect(insertBefore, &QAction::triggered, this, [this, insertBefore] { insertTransactionBefore(insertBefore); });
    QAction *remove = reg->addAction(u"&Delete Transaction"_s);
    remove->setShortcut(QKeySequence::Delete);
    // Delete deletes a transaction only from the table, never from a field.
    remove->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(remove);
    connect(remove, &QAction::triggered, this, [this, remove] { deleteTransaction(remove); });
    reg->addSeparator();
    QAction *sort = reg->addAction(u"&Sort by Date"_s);
    connect(sort, &QAction::triggered, this, [this, sort] { showSortWarning(sort); });
    QAction *balance = reg->addAction(u"&Balance Month\u2026"_s);
    balance->setShortcut(Qt::CTRL | Qt::Key_B);
    connect(balance, &QAction::triggered, this, [this, balance] { showEndOfMonthWindowAction(balance); });

    buildViewMenu();
}

QMainWindow *MyWindowController::window() const { return m_window; }

void MyWindowController::windowDidLoad()
{
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
    // The window has no size until it is first shown; scroll again then.
    QTimer::singleShot(0, table, [this] { scrollRowToVisible(dataArray->count() - 1); });
    autoNumber();
    Date->setText(today());
    Amount->dataNeeded(dataArray, DescriptionofTransaction);
    Amount->clear();
    CheckNumber->setFocus();
    showOpeningHint();
}

void MyWindowController::showOpeningHint()
{
    // The first entry of a new register is its opening balance, which a
    // first payment typed in would otherwise silently become.
    const bool empty = dataArray->isEmpty();
    m_openingHint->setVisible(empty);
    auto *box = static_cast<QGroupBox *>(m_openingHint->parentWidget());
    box->setTitle(empty ? tr("Opening balance") : tr("New transaction"));
    DescriptionofTransaction->setPlaceholderText(empty ? tr("Opening balance") : tr("Payee or description"));
    Amount->setToolTip(empty ? tr("The balance of the account on the day the register starts")
                             : tr("Negative for money going out, positive for a deposit"));
}

QString MyWindowController::today() const { return shownDateText(m_toolkit.today()); }

QString MyWindowController::shownDateText(const Value &stored) const { return shownDate(stored, m_forms.dateOrder); }

QString MyWindowController::shownDateText(QDate date) const { return writtenDate(date, m_forms.dateOrder); }

QString MyWindowController::shownMoneyText(Cents cents) const { return shownMoney(cents, m_forms.decimalPoint); }

// --- The data source --------------------------------------------------------

int MyWindowController::numberOfRowsInTableView(const QTableView *) const { return dataArray->count(); }

Value MyWindowController::tableViewObjectValue(const QTableView *, QStringView columnIdentifier, int rowIndex)
{
    if (!(rowIndex >= 0 && rowIndex < dataArray->count()))
        failPrecondition(kRowCondition, u"tableView:objectValueForTableColumn:row:"_s, kSource, 220);
    Record &record = (*dataArray)[rowIndex];
    if (std::optional<Value> shown = amountAsMoneyText(record)) {
        // A recovery copy may be reading the row on another thread.
        myDocument->recordWillChange(record);
        record.set(Key::Amount, std::move(*shown));
    }
    return record.value(columnIdentifier);
}

bool MyWindowController::tableViewSetObjectValue(const QTableView *, const QString &value,
                                                 QStringView columnIdentifier, int rowIndex)
{
    if (!(rowIndex >= 0 && rowIndex < dataArray->count()))
        failPrecondition(kRowCondition, u"tableView:setObjectValue:forTableColumn:row:"_s, kSource, 238);
    const bool isAmount = columnIdentifier == keyName(Key::Amount);
    const bool isTotal = columnIdentifier == keyName(Key::Total);
    Value stored = Value::text(value);
    if (isAmount || isTotal) {
        // An amount is kept as money text, so that "$1,234.56" reads back as
        // what the user meant and not as 0.
        const CentsReading typed = readTypedAmount(value, m_forms.decimalPoint);
        if (!typed.ok()) {
            m_toolkit.beep();
            m_window->statusBar()->showMessage(
                tr("\u201c%1\u201d is not an amount; the cell keeps what it held.").arg(value.trimmed()), 10000);
            return false;
        }
        stored = Value::text(moneyText(typed.cents));
    }
    const bool isDate = columnIdentifier == keyName(Key::Date);
    if (isDate) {
        if (!cellDateMayBeEntered(value, (*dataArray)[rowIndex].value(Key::Date)))
            return false;
        // Opened and left as it was shown: the date stays as it is kept.
        if (value == shownDateText((*dataArray)[rowIndex].value(Key::Date)))
            stored = (*dataArray)[rowIndex].value(Key::Date);
        else
            stored = Value::text(dateToStore(value));
    }
    const bool bankFigure = isAmount || isDate;
    if (bankFigure && isReconciled((*dataArray)[rowIndex])
        && !confirmReconciledChange(isAmount ? tr("Changing its amount changes the cleared balance, so the "
                                                  "register no longer agrees with the bank.")
                                             : tr("Changing its date can take it out of the statement it cleared, "
                                                  "so the register no longer agrees with the bank."),
                                    u"Change Anyway"_s))
        return false;
    const QString refusal = myDocument->edit(u"Edit "_s + RegisterTableModel::columnTitle(columnIdentifier), [&] {
        myDocument->setValue(rowIndex, columnIdentifier, stored);
        // A Total typed by hand stays; the rows below carry from it.
        if (isAmount || isTotal)
            myDocument->carryBalances(isAmount ? rowIndex : rowIndex + 1);
        myDocument->updateChangeCount(MyDocument::ChangeDone);
    });
    if (!refusal.isEmpty()) {
        m_toolkit.alert(m_window, u"Error"_s, u"The change was not made.\n\n%1"_s.arg(refusal));
        return false;
    }
    myDocument->setStepRows(rowRuns({rowIndex}), rowRuns({rowIndex}));
    reloadData();
    return true;
}

// --- The table as the commands see it ---------------------------------------

void MyWindowController::reloadData()
{
    // Commands change rows without a step of the history too (a row shown
    // has its Amount rewritten, balancing marks a row).
    m_figuresStale = true;
    if (!m_filter.isActive() && !m_model->isFiltered()) {
        m_model->reload();
        scheduleStatusUpdate();
        return;
    }
    if (!m_filter.isActive()) {
        showRows(std::nullopt);
        return;
    }
    RegisterIndex &index = myDocument->textIndex();
    index.prepare(*dataArray);
    showRows(filteredRows(*dataArray, m_filter, &index));
}

std::vector<int> MyWindowController::selectedRegisterRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        if (index.row() < m_model->rowCount())
            rows.push_back(m_model->registerRow(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MyWindowController::numberOfRows() const { return m_model->cachedRowCount(); }

int MyWindowController::numberOfSelectedRows() const
{
    std::vector<std::pair<int, int>> spans;
    for (const QItemSelectionRange &range : table->selectionModel()->selection())
        spans.emplace_back(range.top(), range.bottom());
    std::sort(spans.begin(), spans.end());
    int count = 0;
    int coveredTo = -1;
    for (const auto &[top, bottom] : spans) {
        const int from = std::max(top, coveredTo + 1);
        if (bottom >= from)
            count += bottom - from + 1;
        coveredTo = std::max(coveredTo, bottom);
    }
    return count;
}

int MyWindowController::selectedRow() const
{
    // With several rows selected, the row selected last: the current one.
    const QItemSelectionModel *selection = table->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isSelected(current))
        return m_model->registerRow(current.row());
    const QItemSelection selected = selection->selection();
    return selected.isEmpty() ? -1 : m_model->registerRow(selected.last().bottom());
}

void MyWindowController::selectRowIndexes(int row, bool extendSelection)
{
    if (row < 0 || row >= m_model->cachedRowCount() || m_model->viewRow(row) < 0)
        return;
    const QModelIndex index = m_model->index(m_model->viewRow(row), 0);
    QItemSelectionModel *selection = table->selectionModel();
    selection->select(index, QItemSelectionModel::Rows
                                 | (extendSelection ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect));
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void MyWindowController::selectRowRange(int first, int last)
{
    last = std::min(last, m_model->cachedRowCount() - 1);
    if (first < 0 || first > last)
        return;
    if (m_model->isFiltered()) {
        std::vector<int> rows;
        for (int row = first; row <= last; ++row)
            rows.push_back(row);
        selectRows(rows);
        return;
    }
    QItemSelectionModel *selection = table->selectionModel();
    selection->select(QItemSelection(m_model->index(first, 0),
                                     m_model->index(last, RegisterTableModel::ColumnCount - 1)),
                      QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(m_model->index(first, 0), QItemSelectionModel::NoUpdate);
}

void MyWindowController::selectRows(const std::vector<int> &registerRows)
{
    // In table rows; runs of neighbouring rows become one range each, which
    // keeps a large selection quick. Rows hidden by a filter stay unselected.
    std::vector<int> rows;
    rows.reserve(registerRows.size());
    for (int row : registerRows)
        if (const int shown = m_model->viewRow(row); shown >= 0)
            rows.push_back(shown);
    QItemSelection selection;
    const int lastColumn = RegisterTableModel::ColumnCount - 1;
    for (size_t i = 0; i < rows.size();) {
        size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(m_model->index(rows[i], 0), m_model->index(rows[j], lastColumn));
        i = j + 1;
    }
    QItemSelectionModel *model = table->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty())
        model->setCurrentIndex(m_model->index(rows.back(), 0), QItemSelectionModel::NoUpdate);
}

void MyWindowController::deselectAll() { table->selectionModel()->clearSelection(); }

void MyWindowController::scrollRowToVisible(int row)
{
    if (row < 0 || row >= m_model->cachedRowCount())
        return;
    // A row a filter hides: the nearest shown row after it, or the last.
    int shown = m_model->viewRow(row);
    if (shown < 0 && m_model->isFiltered()) {
        for (int next = row + 1; next < m_model->cachedRowCount() && shown < 0; ++next)
            shown = m_model->viewRow(next);
        if (shown < 0)
            shown = m_model->rowCount() - 1;
    }
    if (shown < 0)
        return;
    // After a reload the scroll range is laid out lazily; lay it out now, or
    // a row past the old end could not be reached.
    table->doItemsLayout();
    table->scrollTo(m_model->index(shown, 0));
}

void MyWindowController::recalculateCheckbook()
{
    ::recalculateCheckbook(*dataArray);
    // Done outside the history (as the window opens, before printing): what
    // follows the balances is told all the same.
    myDocument->textIndex().balancesChanged(*dataArray, 0);
}

void MyWindowController::registerReverted()
{
    showOpeningHint();
    recalculateCheckbook();
    // Rows a filter showed may be gone: it is worked out again, not kept.
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
}
