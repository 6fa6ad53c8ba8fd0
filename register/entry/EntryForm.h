#pragma once

// The window's entry fields (Check #, Description, Category, Date, Amount):
// what their keys do, the descriptions proposed while one is typed, the
// proposed check number, category and date, the questions about a date
// Cheqbook cannot read, and the transaction they hold, entered as one step of
// the document's.

#include "Record.h"
#include "WrittenForms.h"

#include <QHash>
#include <QObject>

#include <functional>

class MyDocument;
class QLabel;
class QLineEdit;
class QStringListModel;
class SuggestionList;
class Toolkit;
class Value;
class descriptionfield;

// What a date field says of a date it cannot read.
QString unreadableDateTip(const QString &typed, DateOrder order);

class EntryForm : public QObject
{
    Q_OBJECT

public:
    struct Fields {
        QLineEdit *checkNumber = nullptr;
        QLineEdit *description = nullptr;
        QLineEdit *category = nullptr;
        QLineEdit *date = nullptr;
        descriptionfield *amount = nullptr;
        QLabel *openingHint = nullptr; // in the group box the fields are in
    };
    // forms: the window's, as they change.
    EntryForm(MyDocument &document, Toolkit &toolkit, QWidget *window, const WrittenForms &forms,
              const Fields &fields);

    const Fields &fields() const { return m_fields; }
    SuggestionList *suggestions() const { return m_suggestions; }
    void setAutoNumber(bool on) { m_autoNumber = on; }
    // A new transaction starts from the date of the last one entered.
    void setNewDateFromLast(bool on) { m_newDateFromLast = on; }

    // As the window opens: a number, today, the keyboard in Check #.
    void load();
    // The transaction the fields hold, for the end of the register (its
    // balance carried from the last row) or to be placed among the rows;
    // null after the user was told what is wrong (placementOk is asked
    // once the amount reads, and says what is wrong itself).
    RecordPtr typedRecord(bool atEnd, const std::function<bool()> &placementOk);
    // Enters record at row as one step; the row it went to, or -1 after an alert.
    int enter(const RecordPtr &record, int row, bool atEnd);
    // After an entry: the fields emptied for the next transaction.
    void entered(const RecordPtr &record);
    // An entry refused: the keyboard to the widget at fault, then the alert.
    void refuse(QWidget *atFault, const QString &message);
    void autoNumber();
    // The proposed check number brought up to date: the next one (propose)
    // or none. A number the user typed stays.
    void followCheckNumber(bool propose);
    // The category field brought up to the description: the payee's
    // category of last time, or a rule's, selected so that typing replaces
    // it. A category the user typed (or emptied) stays.
    void proposeCategory();
    // Tells a new register's user what its first row is, while it is empty.
    void showOpeningHint();
    // Whether a cell's typed date may go in: a date, blank, unchanged, or
    // kept as typed after a question.
    bool cellDateMayBeEntered(const QString &typed, const Value &stored);
    // What a typed date is kept as: the full date it names, or the text
    // itself when it names none.
    QString dateToStore(const QString &typed) const;
    // The written forms changed: the date typed, read in the old order,
    // shown in the new one.
    void retypeDate(DateOrder before);
    void showWrittenForms();

private:
    void buildHelpers();
    void buildCategoryField();
    QString typedCategory() const;
    bool dateMayBeEntered();
    bool keepDateAsTyped(const QString &typed);
    QString today() const;

    MyDocument &m_document;
    Toolkit &m_toolkit;
    QWidget *m_window;
    const WrittenForms &m_forms;
    Fields m_fields;
    bool m_autoNumber = false;
    bool m_newDateFromLast = false;
    SuggestionList *m_suggestions = nullptr;
    QStringListModel *m_categoriesInUse = nullptr; // what the category field completes from
    bool m_categoryTyped = false; // the category field holds the user's text, not a proposal
    QHash<QString, int> m_suggestedRows; // the latest row of each description listed
};
