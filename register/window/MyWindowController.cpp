#include "MyWindowController.h"

#include "BalancingDrawer.h"
#include "DateReader.h"
#include "EntryForm.h"
#include "FilterBar.h"
#include "FindWindow.h"
#include "ImportDialogs.h"
#include "MergeOffers.h"
#include "PreferencesWindow.h"
#include "RegisterItemDelegate.h"
#include "RegisterTableModel.h"
#include "RegisterTableView.h"
#include "RegisterWindow.h"
#include "RunningBalance.h"
#include "ScheduleKeeping.h"
#include "SortQuestionDialog.h"
#include "StatusBarFigures.h"
#include "WindowKeys.h"
#include "descriptionfield.h"
#include "ui_MyDocument.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

using namespace Qt::StringLiterals;

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
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("This text is %L1 characters long, more than a cell can edit (%L2 at most).\nThe register "
                           "keeps all of it.")
                            .arg(length)
                            .arg(RegisterItemDelegate::kMaxEditableLength));
    }, Qt::QueuedConnection);
    table->setShowGrid(drawsGrid());
    table->setAccessibleName(tr("Transactions"));
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
    m_status = new StatusBarFigures(m_window->statusBar(), *myDocument, *m_model, table->selectionModel(),
                                    [this] { return selectedRegisterRows(); }, m_forms);
    buildSchedules();
    m_merges = new MergeOffers(myDocument, m_toolkit, m_window, [this](QDate d) { return shownDateText(d); });
    connect(m_merges, &MergeOffers::merged, this, [this] {
        reloadData();
        scrollRowToVisible(dataArray->count() - 1);
    });
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
    m_entry = new EntryForm(*myDocument, m_toolkit, m_window, m_forms,
                            {ui.CheckNumber, ui.DescriptionofTransaction, ui.Category, ui.Date, ui.Amount,
                             ui.openingHint});
    QPushButton *enter = ui.enterButton;
    connect(enter, &QPushButton::clicked, this, [this, enter] { addTransaction(enter); });
    // Return in any entry field presses Enter: an entry at the end.
    for (QLineEdit *field :
         {ui.CheckNumber, ui.DescriptionofTransaction, ui.Category, ui.Date, static_cast<QLineEdit *>(ui.Amount)})
        connect(field, &QLineEdit::returnPressed, enter, &QPushButton::click);
    connect(m_window, &RegisterWindow::closeRequested, this, &MyWindowController::closeRequested);
    connect(ui.table, &RegisterTableView::leftByTab, this, [this](bool forward) {
        if (forward)
            m_entry->fields().checkNumber->setFocus(Qt::TabFocusReason);
        else
            m_entry->fields().amount->setFocus(Qt::BacktabFocusReason);
    });
    connect(ui.table, &RegisterTableView::typedOutsideCell, this, [this] {
        m_window->statusBar()->showMessage(
            tr("To change a cell, double-click it or press F2 or Return; Tab goes to the entry fields."), 6000);
    });
    buildAuxiliaryWindows();
    m_drawer = new BalancingDrawer(*myDocument, m_toolkit, m_window, ui.table, m_forms, ui.CheckNumber);
    connect(m_drawer, &BalancingDrawer::rowMarked, this, [this](int row, bool scroll) {
        reloadData();
        if (scroll)
            scrollRowToVisible(row);
        selectRowIndexes(row, false);
    });
    connect(m_drawer, &BalancingDrawer::finished, this, &MyWindowController::reloadData);
    connect(m_drawer, &BalancingDrawer::onlyUnclearedChosen, this, [this](bool only) {
        RowFilter filter = m_filter;
        filter.reconciled = only ? RowFilter::Reconciled::NotReconciled : RowFilter::Reconciled::All;
        setRowFilter(filter);
    });
    m_filterBar = new FilterBar(*myDocument, m_toolkit, m_window, m_forms);
    connect(m_filterBar, &FilterBar::chosen, this, &MyWindowController::setRowFilter);
    connect(m_filterBar, &FilterBar::escaped, this, &MyWindowController::clearFilter);
    buildMenus();
}

void MyWindowController::buildAuxiliaryWindows()
{
    m_prefs = new PreferencesWindow(m_window);
    connect(m_prefs, &PreferencesWindow::accepted, this, [this] { saveAndClosePrefs(m_prefs); });
    m_sortQuestion = new SortQuestionDialog(m_window);
    connect(m_sortQuestion, &SortQuestionDialog::sortRequested, this, &MyWindowController::beginSort);
    connect(m_sortQuestion, &SortQuestionDialog::cancelRequested, this, &MyWindowController::cancelSort);
    m_findWindow = new FindWindow(m_window);
    connect(m_findWindow, &FindWindow::findRequested, this, &MyWindowController::find);
    connect(m_findWindow, &FindWindow::findAgainRequested, this, &MyWindowController::findAgain);
    connect(m_findWindow, &FindWindow::cancelRequested, this, &MyWindowController::cancelFind);
    m_imports = new ImportDialogs(*myDocument, m_toolkit, m_window, [this] { return numberOfRows(); }, m_forms);
    connect(m_imports, &ImportDialogs::imported, this, &MyWindowController::showImported);
}

QMainWindow *MyWindowController::window() const { return m_window; }

void MyWindowController::windowDidLoad()
{
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
    // The window has no size until it is first shown; scroll again then.
    QTimer::singleShot(0, table, [this] { scrollRowToVisible(dataArray->count() - 1); });
    m_entry->load();
    // What came due while the register was closed, and copies a sync tool
    // left meanwhile, asked about once the window is up and any question of
    // its opening (its balances, say) is answered.
    QTimer::singleShot(0, m_schedules, [this] {
        m_toolkit.whenNotAsking(m_schedules, [this] { m_schedules->offerDue(); });
    });
    QTimer::singleShot(0, m_merges, [this] { m_toolkit.whenNotAsking(m_merges, [this] { m_merges->lookForCopies(); }); });
}

SuggestionList *MyWindowController::descriptionSuggestions() const { return m_entry->suggestions(); }

QString MyWindowController::shownDateText(const Value &stored) const { return shownDate(stored, m_forms.dateOrder); }

QString MyWindowController::shownDateText(QDate date) const { return writtenDate(date, m_forms.dateOrder); }

QString MyWindowController::shownMoneyText(Cents cents) const { return shownMoney(cents, m_forms.decimalPoint); }

void MyWindowController::recalculateCheckbook()
{
    ::recalculateCheckbook(*dataArray);
    // Done outside the history (as the window opens, before printing): what
    // follows the balances is told all the same.
    myDocument->textIndex().balancesChanged(*dataArray, 0);
}

void MyWindowController::registerReverted()
{
    m_entry->showOpeningHint();
    recalculateCheckbook();
    // Rows a filter showed may be gone: it is worked out again, not kept.
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
    m_schedules->registerReplaced();
}

QString MyWindowController::statusFigures() { return m_status->figures(); }

QString MyWindowController::statusSelection() { return m_status->selection(); }
