#pragma once

// The controller of a register's window: it loads the window, shares the
// document's register as its working list, serves the table, and holds every
// command a user gives to the register. Each group of commands lives in a
// file of its own; the work they do on the register is plain functions in the
// core, so that the commands only read fields, call them, and update widgets.

#include "MyDocument.h"
#include "Reconciliation.h"
#include "ReconciliationReport.h"
#include "RegisterFilter.h"
#include "RegisterWindow.h"
#include "Toolkit.h"
#include "Value.h"
#include "WrittenForms.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class BalancingDrawer;
class ChartWindow;
class EntryForm;
class FilterBar;
class CheckPrinting;
class ScheduleKeeping;
class MergeOffers;
class SuggestionList;
class FindWindow;
class ImportPreviewDialog;
class ImportDialogs;
class PreferencesWindow;
class SortQuestionDialog;
class StatusBarFigures;
struct ImportResult;
struct StatementRead;
class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMainWindow;
class QTableView;
class QTimer;
class RegisterTableModel;

class MyWindowController : public QObject
{
    Q_OBJECT

public:
    // Builds the window for the document, shares its register (making an
    // empty one if it has none) and recalculates the balances.
    MyWindowController(MyDocument *document, Toolkit &toolkit);
    ~MyWindowController() override;

    QMainWindow *window() const;
    // The window's File menu, holding the register's own file commands; the
    // document architecture adds its commands around them.
    QMenu *fileMenu() const { return m_fileMenu; }
    QTableView *tableView() const { return table; }
    MyDocument *document() const { return myDocument; }
    Toolkit &toolkit() const { return m_toolkit; }
    // The conflict copies offered, and merges (see MergeOffers).
    MergeOffers *mergeOffers() const { return m_merges; }

    // Run once the window is built: preferences first, then the fields.
    void awakeFromNib();
    void windowDidLoad();

    // The table's data source. The value of a cell is the record's value
    // under the column's key; asking for a row rewrites its Amount as money
    // text. Rows outside the register are a precondition failure.
    int numberOfRowsInTableView(const QTableView *tableView) const;
    Value tableViewObjectValue(const QTableView *tableView, QStringView columnIdentifier, int rowIndex);
    // A cell edited by the user. Amount and Total must be amounts (otherwise
    // a beep, and false: the cell keeps its value); they carry the balance
    // down the register. Any accepted edit marks one change.
    bool tableViewSetObjectValue(const QTableView *tableView, const QString &value, QStringView columnIdentifier,
                                 int rowIndex);
    bool drawsGrid() const { return true; }

    // The table as the commands see it.
    void reloadData();
    int numberOfRows() const;
    int numberOfSelectedRows() const;
    int selectedRow() const;
    void selectRowIndexes(int row, bool extendSelection);
    void selectRowRange(int first, int last);
    // Exactly these rows (in ascending order) become the selection.
    void selectRows(const std::vector<int> &rows);
    // The selected rows of the register, ascending.
    std::vector<int> selectedRegisterRows() const;

    // Shows only the rows that pass the filter; the balances stay those of
    // the whole register, and the commands work on the register's rows. The
    // filter bar and the drawer's check box show it.
    void setRowFilter(const RowFilter &filter);
    const RowFilter &rowFilter() const { return m_filter; }
    // The filter bar's choices as the filter they make.
    RowFilter filterBarChoice() const;
    // The preview of the statement being imported, while one is open.
    ImportPreviewDialog *importPreview() const;
    void deselectAll();
    void scrollRowToVisible(int row);

    void recalculateCheckbook();
    // After the document re-read its file into the shared register.
    void registerReverted();

public slots:
    // Entry and deletion.
    void addTransaction(QObject *sender);
    // Inserts the transaction of the entry fields above the selected row;
    // above the first row, it becomes the opening balance.
    void insertTransactionBefore(QObject *sender);
    void autoNumber();
    // The proposed check number brought up to date: the next one (propose)
    // or none, as after an undo or when a payee paid by card is chosen.
    // A number the user typed stays.
    void followCheckNumber(bool propose);
    void deleteTransaction(QObject *sender);

    // Preferences.
    void loadPrefs();
    void openPrefWindow(QObject *sender);
    void saveAndClosePrefs(QObject *sender);

    // Bank statements and the new year. Each statement file is shown in a
    // preview first, one after the other; its Import does the import.
    void importWF(QObject *sender);
    void importFile(const QString &path);
    void newYear(QObject *sender);
    // Another version of the register, chosen in a panel, merged into it.
    void mergeVersion(QAction *sender);

    // Date sort, after a question.
    void showSortWarning(QObject *sender);
    void beginSort(QObject *sender);
    void cancelSort(QObject *sender);

    // Find, in a window of its own.
    void showFindWindow(QObject *sender);
    void find(QObject *sender);
    void findAgain(QObject *sender);
    void cancelFind(QObject *sender);

    // The printed register.
    void print(QObject *sender);
    void printPreview(QObject *sender);
    void exportPdf(QObject *sender);

    // Checks on check stock: the selected checks, or those marked to print.
    void printChecks(QObject *sender);
    void exportChecksPdf(QObject *sender);
    void markChecksToPrint(QObject *sender);
    void editPayeeAddress(QObject *sender);

    // Scheduled transactions: their list, a new one from the entry fields
    // or repeating the selected row, what is due, suggestions, the reserve.
    void showSchedules(QObject *sender);
    void newScheduleFromEntry(QObject *sender);
    void repeatTransaction(QObject *sender);
    void enterDueSchedules(QObject *sender);
    void suggestSchedules(QObject *sender);
    void setScheduleReserve(QObject *sender);
    ScheduleKeeping *schedules() const { return m_schedules; }

    // Undo and redo of the register's changes.
    void undo(QObject *sender);
    void redo(QObject *sender);

    // The filter bar: the keyboard to its text, and every choice undone.
    void focusFilter(QObject *sender);
    void clearFilter(QObject *sender);

    // Each column as wide as what it shows (Description takes the rest).
    void fitColumns(QObject *sender);

    // The chart window (on its Spending by Category page), and saving and
    // printing what it shows.
    void showCharts(QObject *sender);
    void showSpending(QObject *sender);
    void saveChartImage(QObject *sender);
    void printCharts(QObject *sender);

    // End-of-month balancing (the drawer).
    void showEndOfMonthWindowAction(QObject *sender);
    void EOMEnterButton(QObject *sender);
    void EOMDoneButton(QObject *sender);
    // Records the statement typed in the drawer with the rows it cleared.
    void finishStatementButton(QObject *sender);
    // Puts a statement's closing date and ending balance into the drawer,
    // as a downloaded statement gives them (either may be missing).
    void setStatement(const BankStatement &statement);
    // The reconciliation report: for the statement being balanced, or else
    // the last one finished.
    void printReconciliation(QObject *sender);
    void exportReconciliationPdf(QObject *sender);

public:
    // The forms in which dates and amounts are typed into this window and
    // shown in it: the preferences', or else the locale's.
    const WrittenForms &writtenForms() const { return m_forms; }
    void setWrittenForms(const WrittenForms &forms);
    // The descriptions typed before, proposed while a description is typed.
    SuggestionList *descriptionSuggestions() const;
    ChartWindow *chartWindow() const;
    // The status bar's figures, as they stand.
    QString statusFigures();
    QString statusSelection();

signals:
    // The window asks to close; the document architecture decides.
    void closeRequested();

private:
    void openCharts(bool spending);
    void buildWindow();
    void buildMenus();
    void buildAuxiliaryWindows();
    void sortRegister();
    void buildUndoActions(QMenu *edit);
    void updateUndoActions();
    // After an undo or redo: the table shows the register, these rows selected.
    void showStep(const RowRuns &rows);
    // A path to export a PDF to, asked for; never the register's own file.
    QString exportPath(const QString &title, const QString &suggested);
    // The window's check printing, made when first asked for.
    CheckPrinting &checkPrinting();
    // The forecast below the table, the figure in the status bar, and the
    // schedules menu's forecast choices.
    void buildSchedules();
    // The reconciliation report to print, or nothing (after telling why).
    std::optional<ReconciliationReport> reconciliationReport();
    QString reportText(const ReconciliationReport &report) const;
    // Where the report is proposed to go, without the extension: the
    // register's folder, named after it and the statement's date.
    QString reconciliationFileName(const ReconciliationReport &report) const;
    // A date kept in the register, or a day, as this window shows it.
    QString shownDateText(const Value &stored) const;
    QString shownDateText(QDate date) const;
    QString shownMoneyText(Cents cents) const;
    // Enters the transaction of the entry fields at the end, or next to the
    // selected row (which it asks for); the opening row of an empty register
    // is always appended.
    enum class Placement { End, AfterSelection, BeforeSelection };
    void enterTransaction(QObject *sender, Placement placement);
    void showWrittenForms();
    // The table after a statement came in: its rows selected, the bank's
    // ledger balance in the drawer.
    void showImported(const ImportResult &result, const StatementRead &read);

    // The table laid out again showing these rows (all of them for none),
    // the selected transactions kept selected and the top row in view.
    void showRows(std::optional<std::vector<int>> rows);
    void showFilterInWidgets();
    void buildViewMenu();
    // The categories' commands in the Register menu, and sums in the amount fields.
    void buildCategoryMenus(QMenu *registerMenu);
    void showCategoryColumnIfAnyIn(int firstRow, int count);

    MyDocument *myDocument;
    RegisterWindow *m_window = nullptr;
    MergeOffers *m_merges = nullptr;
    QTableView *table = nullptr;
    WrittenForms m_forms;
    RegisterPtr dataArray;

    Toolkit &m_toolkit;
    RegisterTableModel *m_model = nullptr;
    QMenu *m_fileMenu = nullptr;
    QAction *m_undoAction = nullptr;
    RowFilter m_filter;
    QAction *m_redoAction = nullptr;

    // The window's features, each a class of its own.
    StatusBarFigures *m_status = nullptr;
    PreferencesWindow *m_prefs = nullptr;
    FindWindow *m_findWindow = nullptr;
    SortQuestionDialog *m_sortQuestion = nullptr;
    ImportDialogs *m_imports = nullptr;
    QPointer<ChartWindow> m_charts;
    CheckPrinting *m_checks = nullptr;
    ScheduleKeeping *m_schedules = nullptr;
    QMenu *m_schedulesMenu = nullptr;
    BalancingDrawer *m_drawer = nullptr;
    EntryForm *m_entry = nullptr;
    FilterBar *m_filterBar = nullptr;
};
