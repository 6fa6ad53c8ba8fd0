#pragma once

// The drawer where a month is balanced against the bank's statement: the
// statement's closing date and ending balance, amounts typed to match, the
// marks set by hand in the table, the live difference, and finishing the
// statement. Every mark and every finished statement is one step of the
// document's; every question goes through the Toolkit.

#include "Reconciliation.h"
#include "WrittenForms.h"

#include <QObject>
#include <QPointer>

class MyDocument;
class QCheckBox;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMainWindow;
class RegisterTableView;
class Toolkit;

class BalancingDrawer : public QObject
{
    Q_OBJECT

public:
    // Docks the drawer, hidden, in window. forms: the window's, as they
    // change; keyboardHome: where the keyboard goes when the drawer closes
    // and had no widget before it.
    BalancingDrawer(MyDocument &document, Toolkit &toolkit, QMainWindow *window, RegisterTableView *view,
                    const WrittenForms &forms, QWidget *keyboardHome);

    bool isBalancing() const { return m_balancing; }
    // Opens the drawer and begins balancing, the selection left as it is.
    void begin();
    // Matches the amount typed with a transaction and marks it.
    void enterAmount();
    // Records the statement typed with the rows it cleared.
    void finish();
    // Ends balancing and closes the drawer.
    void done();
    // The statement as typed; problem says what cannot be read.
    BankStatement typedStatement(QString *problem) const;
    // Puts a statement's closing date and ending balance into the drawer
    // (either may be missing).
    void setStatement(const BankStatement &statement);
    // Asks before a reconciled transaction changes, saying what the change
    // does to the balancing; true to go on.
    bool confirmReconciledChange(const QString &consequence, const QString &goOn);
    // The written forms changed: the closing date typed, read in the old
    // order, shown in the new one.
    void retypeDate(DateOrder before);
    // The placeholders and figures in the window's written forms.
    void showWrittenForms();
    // The register changed outside the drawer (an undo, a redo).
    void showMarkedSum();
    // The filter as the drawer's "only uncleared" box shows it.
    void showOnlyUncleared(bool only);

signals:
    // A row was marked or unmarked: the table shows the register again, the
    // row selected (and scrolled to, when scroll).
    void rowMarked(int row, bool scroll);
    // A statement was finished: the table shows the register again.
    void finished();
    // The "only uncleared" box was ticked or cleared by the user.
    void onlyUnclearedChosen(bool only);

private:
    void updateSummary();
    void toggleReconciled(int row);
    QString shownDateText(const Value &stored) const;
    QString shownDateText(QDate date) const;
    QString shownMoneyText(Cents cents) const;

    MyDocument &m_document;
    Toolkit &m_toolkit;
    QMainWindow *m_window;
    const WrittenForms &m_forms;
    QWidget *m_keyboardHome;
    QDockWidget *m_dock = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_messages = nullptr;
    QLineEdit *m_markedSum = nullptr;
    QCheckBox *m_onlyUncleared = nullptr;
    // The statement's fields and figures.
    struct {
        QLineEdit *date = nullptr;
        QLineEdit *balance = nullptr;
        QLabel *previous = nullptr;
        QLabel *cleared = nullptr;
        QLabel *statementValue = nullptr;
        QLabel *difference = nullptr;
        QLabel *statementLabel = nullptr;
        QLabel *differenceLabel = nullptr;
    } m_statement;
    bool m_balancing = false;
    QPointer<QWidget> m_focusBeforeDrawer; // where the keyboard goes back to when the drawer closes
};
