// What makes the entry fields quick from the keyboard: descriptions proposed
// while one is typed, + and - in the Date and Check # fields, a proposed
// text selected so that typing replaces it, and a date the date reader
// cannot read marked as it is typed and asked about on entry. The texts keep
// the window's translation context, where their translations are.

#include "EntryForm.h"

#include "AmountSum.h"
#include "Category.h"
#include "CategoryRules.h"
#include "CutForShowing.h"
#include "DateReader.h"
#include "EditHistory.h"
#include "EntryFields.h"
#include "FocusHook.h"
#include "MyDocument.h"
#include "PaletteColors.h"
#include "RunningBalance.h"
#include "SuggestionList.h"
#include "Toolkit.h"
#include "descriptionfield.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStringListModel>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSuggestionsShown = 10;
// Only the latest rows are looked at for a payee's category, so that an
// entry stays quick in a long register.
constexpr int kCategoryLookBack = 5000;
const QString kEasterEgg = u"Easter Egg"_s;

// The refusal for an amount that names no number; the fields keep their text.
QString notAnAmountMessage(const QString &typed, NumberStatus status)
{
    if (status == NumberStatus::OutOfRange)
        return QCoreApplication::translate("MyWindowController", "\u201c%1\u201d is more than I can keep track of.\n"
                                                                 "Please enter an amount under 90 trillion!")
            .arg(typed.trimmed());
    return QCoreApplication::translate("MyWindowController",
                                       "\u201c%1\u201d is not an amount.\nPlease enter the transaction amount as a "
                                       "number, like 12.34 for a deposit or -12.34 for a payment!")
        .arg(typed.trimmed());
}

// Keys that step a field's text, and the selection of a text the program
// proposed (not yet touched by the user) whenever the field takes the
// keyboard, so that typing replaces it.
class FieldKeys : public QObject
{
public:
    // previous: the key whose answer the field still holds, if any.
    using Step = std::function<FieldKeyResult(const QString &text, QChar key, QChar previous)>;
    FieldKeys(QLineEdit *field, Step step, Toolkit &toolkit)
        : QObject(field), m_field(field), m_step(std::move(step)), m_toolkit(toolkit)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPressed(static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
                m_selectOnRelease = proposed();
            else if (proposed())
                m_field->selectAll();
            return false;
        case QEvent::MouseButtonRelease:
            // After the click that gave the keyboard, which placed the cursor
            // (unless it dragged out a selection of its own).
            if (m_selectOnRelease && !m_field->hasSelectedText())
                m_field->selectAll();
            m_selectOnRelease = false;
            return false;
        default:
            return false;
        }
    }

private:
    bool proposed() const { return !m_field->isModified() && !m_field->text().isEmpty(); }

    bool keyPressed(QKeyEvent *key)
    {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || key->text().size() != 1)
            return false;
        const QChar typed = key->text().front();
        const QChar previous = !m_answer.isEmpty() && m_field->text() == m_answer ? m_answerKey : QChar();
        const FieldKeyResult result = m_step(m_field->text(), typed, previous);
        m_answer.clear();
        m_answerKey = QChar();
        switch (result.what) {
        case FieldKeyResult::What::Type:
            return false;
        case FieldKeyResult::What::Refuse:
            m_toolkit.beep();
            return true;
        case FieldKeyResult::What::Replace:
            // As typing replaces it: Ctrl+Z in the field takes it back.
            m_field->selectAll();
            m_field->insert(result.text);
            if (result.selected) {
                m_field->selectAll();
                m_answer = result.text;
                m_answerKey = typed;
            }
            return true;
        }
        return false;
    }

    QLineEdit *m_field;
    Step m_step;
    Toolkit &m_toolkit;
    bool m_selectOnRelease = false;
    QString m_answer; // the text the last key put in
    QChar m_answerKey;
};

} // namespace


EntryForm::EntryForm(MyDocument &document, Toolkit &toolkit, QWidget *window, const WrittenForms &forms,
                     const Fields &fields)
    : QObject(window), m_document(document), m_toolkit(toolkit), m_window(window), m_forms(forms), m_fields(fields)
{
    buildHelpers();
    connect(&m_document, &MyDocument::historyChanged, this, &EntryForm::showOpeningHint);
}

void EntryForm::buildHelpers()
{
    QLineEdit *date = m_fields.date;
    QLineEdit *number = m_fields.checkNumber;
    new FieldKeys(
        date,
        [this](const QString &text, QChar key, QChar previous) {
            return dateFieldKey(text, key, m_toolkit.today(), previous, m_forms.dateOrder);
        },
        m_toolkit);
    new FieldKeys(
        number,
        [this](const QString &text, QChar key, QChar) {
            return checkNumberFieldKey(text, key, nextCheckNumber(*m_document.array()));
        },
        m_toolkit);
    date->setToolTip(QCoreApplication::translate("MyWindowController", "+ and \u2212 step a day, T is today"));
    number->setToolTip(QCoreApplication::translate("MyWindowController", "%1; + and \u2212 step the number").arg(number->toolTip()));

    m_suggestions = new SuggestionList(m_fields.description, [this](const QString &typed) {
        std::vector<SuggestionList::Item> items;
        m_suggestedRows.clear();
        for (const DescriptionSuggestion &s :
             ::descriptionSuggestions(m_document.textIndex(), *m_document.array(), typed, kSuggestionsShown)) {
            items.push_back({cutForShowing(s.description), shownNumber(s.amount, m_forms.decimalPoint),
                             s.amount.startsWith(u'-')});
            m_suggestedRows.insert(s.description, s.row);
        }
        return items;
    });
    // A payee paid by card last time is paid by card again: no check number
    // (a forgotten Backspace would make the payment a check); a payee paid
    // by check gets the next one.
    connect(m_suggestions, &SuggestionList::taken, this, [this](const QString &description) {
        const Register &rows = *m_document.array();
        const int row = m_suggestedRows.value(description, -1);
        if (row >= 0 && row < rows.count())
            followCheckNumber(rows[row].value(Key::CheckNumber).intValue() != 0);
    });
    buildCategoryField();

    // The index is read from the register when a description is about to be
    // typed, not with every keystroke, nor by a window that is only looked at.
    new FocusHook(m_fields.description, [this] { m_document.textIndex().prepare(*m_document.array()); });

    // Marked while it cannot be read, in a red that reads on the field.
    const QString tip = date->toolTip();
    connect(date, &QLineEdit::textChanged, this, [this, date, tip](const QString &text) {
        if (isReadableDateText(text, m_forms.dateOrder, m_toolkit.today())) {
            date->setStyleSheet(QString());
            date->setToolTip(tip);
            return;
        }
        date->setStyleSheet(questionedFieldStyle(date->palette()));
        date->setToolTip(unreadableDateTip(text, m_forms.dateOrder));
    });
}

void EntryForm::buildCategoryField()
{
    QLineEdit *category = m_fields.category;
    // No keys of its own; a proposed category is selected when the field
    // takes the keyboard, as the other fields' proposals are.
    new FieldKeys(category, [](const QString &, QChar, QChar) { return FieldKeyResult(); }, m_toolkit);
    // The categories in use, worked out when the field takes the keyboard,
    // not with every entry.
    m_categoriesInUse = new QStringListModel(category);
    auto *completer = new QCompleter(m_categoriesInUse, category);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    category->setCompleter(completer);
    new FocusHook(category, [this] { m_categoriesInUse->setStringList(categoriesInUse(*m_document.array())); });
    // Typing (or a completion of it) makes the category the user's, emptied
    // too; only entering the transaction gives the field back to proposals.
    connect(category, &QLineEdit::textEdited, this, [this] { m_categoryTyped = true; });
    // Chosen from the list, or typed and left: the payee's category follows.
    connect(m_suggestions, &SuggestionList::taken, this, &EntryForm::proposeCategory);
    connect(m_fields.description, &QLineEdit::editingFinished, this, &EntryForm::proposeCategory);
}

void EntryForm::proposeCategory()
{
    QLineEdit *field = m_fields.category;
    if (m_categoryTyped)
        return;
    QSettings settings;
    const CategoryRules rules(storedRules(settings));
    const QString proposal =
        proposedCategory(*m_document.array(), m_fields.description->text(), rules, kCategoryLookBack);
    if (proposal == field->text())
        return;
    field->setText(proposal);
    if (field->hasFocus())
        field->selectAll();
}

QString EntryForm::typedCategory() const
{
    // Typed as "food:groceries" it is the "Food:Groceries" already in use.
    return categoryAsInUse(normalizedCategory(m_fields.category->text()), m_categoriesInUse->stringList());
}

QString EntryForm::today() const { return writtenDate(m_toolkit.today(), m_forms.dateOrder); }

void EntryForm::load()
{
    autoNumber();
    m_fields.date->setText(today());
    m_fields.amount->dataNeeded(m_document.array(), m_fields.description);
    m_fields.amount->clear();
    m_fields.checkNumber->setFocus();
    showOpeningHint();
}

void EntryForm::showOpeningHint()
{
    // The first entry of a new register is its opening balance, which a
    // first payment typed in would otherwise silently become.
    const bool empty = m_document.array()->isEmpty();
    m_fields.openingHint->setVisible(empty);
    auto *box = static_cast<QGroupBox *>(m_fields.openingHint->parentWidget());
    box->setTitle(empty ? QCoreApplication::translate("MyWindowController", "Opening balance") : QCoreApplication::translate("MyWindowController", "New transaction"));
    m_fields.description->setPlaceholderText(empty ? QCoreApplication::translate("MyWindowController", "Opening balance") : QCoreApplication::translate("MyWindowController", "Payee or description"));
    m_fields.amount->setToolTip(empty ? QCoreApplication::translate("MyWindowController", "The balance of the account on the day the register starts")
                                      : QCoreApplication::translate("MyWindowController", "Negative for money going out, positive for a deposit"));
}

RecordPtr EntryForm::typedRecord(bool atEnd, const std::function<bool()> &placementOk)
{
    descriptionfield *amountField = m_fields.amount;
    if (m_fields.description->text() == kEasterEgg)
        m_toolkit.alert(m_window, QCoreApplication::translate("MyWindowController", "Boing"), QCoreApplication::translate("MyWindowController", "You paid how much for that Easter Egg?"));

    // While balancing too the entry fields enter a transaction (the fee the
    // statement shows and the register lacks); the drawer's fields have an
    // Enter of their own.

    // Blanks alone are nothing too.
    if (amountField->text().trimmed().isEmpty()) {
        refuse(amountField, QCoreApplication::translate("MyWindowController", "I can't make something from nothing.\nPlease enter the transaction amount!"));
        return nullptr;
    }
    const CentsReading amount = readAmountSum(amountField->text(), m_forms.decimalPoint).reading();
    if (!amount.ok()) {
        refuse(amountField, notAnAmountMessage(amountField->text(), amount.status));
        return nullptr;
    }
    // An insertion needs a selection, which is checked before the fields
    // are emptied so that a refusal loses nothing the user typed.
    if (!placementOk() || !dateMayBeEntered())
        return nullptr;

    const Register &rows = *m_document.array();
    const Record *previous = rows.isEmpty() ? nullptr : &rows[rows.count() - 1];
    RecordPtr record = makeRecord();
    record->set(Key::CheckNumber, Value::text(m_fields.checkNumber->text()));
    record->set(Key::DescriptionofTransaction, Value::text(m_fields.description->text()));
    record->set(Key::Date, Value::text(dateToStore(m_fields.date->text())));
    record->set(Key::Amount, Value::text(moneyText(amount.cents)));
    // Return in the description enters before the field is left: the
    // payee's category is proposed all the same.
    proposeCategory();
    if (const QString category = typedCategory(); !category.isEmpty())
        record->set(Key::Category, Value::text(category));
    // Inserted among other rows, the balance is worked out with theirs, in
    // their form; at the end it is carried from the last row as money text.
    if (atEnd) {
        const Cents total = previous && previous->contains(Key::Total)
            ? addCents(amount.cents, previous->value(Key::Total).centsOrZero())
            : amount.cents;
        record->set(Key::Total, Value::text(moneyText(total)));
    }
    return record;
}

int EntryForm::enter(const RecordPtr &record, int row, bool atEnd)
{
    const QString description = m_fields.description->text();
    const QString stepName = atEnd
        ? transactionStepName(QCoreApplication::translate("MyWindowController", "Enter \u201c%1\u201d"), QCoreApplication::translate("MyWindowController", "Enter Transaction"), description)
        : transactionStepName(QCoreApplication::translate("MyWindowController", "Insert \u201c%1\u201d"), QCoreApplication::translate("MyWindowController", "Insert Transaction"), description);
    const QString refusal = m_document.edit(stepName, [&] {
        m_document.addData(record, row);
        if (!atEnd)
            m_document.recalculateBalances();
        m_document.updateChangeCount(MyDocument::ChangeDone);
    });
    if (!refusal.isEmpty()) {
        refuse(m_fields.amount, QCoreApplication::translate("MyWindowController", "The transaction was not entered.\n\n%1").arg(refusal));
        return -1;
    }
    // Into an empty register the record was appended whatever the row.
    const int newRow = std::min(row, m_document.array()->count() - 1);
    m_document.setStepRows({}, rowRuns({newRow}));
    // What was typed went into the register: emptied with setText, which
    // forgets the fields' own typing, so that Ctrl+Z now undoes the entry.
    for (QLineEdit *field : {m_fields.checkNumber, m_fields.description, m_fields.category, m_fields.date,
                             static_cast<QLineEdit *>(m_fields.amount)})
        field->setText(QString());
    m_categoryTyped = false;
    return newRow;
}

void EntryForm::entered(const RecordPtr &record)
{
    autoNumber();
    m_fields.date->setText(m_newDateFromLast ? shownDate(record->value(Key::Date), m_forms.dateOrder) : today());
    showOpeningHint();
    m_fields.checkNumber->setFocus(Qt::OtherFocusReason);
    m_fields.checkNumber->selectAll();
}

QString EntryForm::dateToStore(const QString &typed) const
{
    // "yesterday" and "12/1" are kept as the day they mean now, not read
    // anew each day; a date in the user's order is kept in the file's.
    const std::optional<QDate> date = readTypedDate(typed, m_forms.dateOrder, m_toolkit.today());
    return date ? fileDateText(*date) : typed;
}

void EntryForm::refuse(QWidget *atFault, const QString &message)
{
    // The keyboard goes where the fault is before the alert takes it, so that
    // it comes back there: what is typed next mends the fault instead of
    // landing in another field.
    atFault->setFocus(Qt::OtherFocusReason);
    if (auto *field = qobject_cast<QLineEdit *>(atFault))
        field->selectAll();
    m_toolkit.alert(m_window, Toolkit::errorTitle(), message);
}

void EntryForm::autoNumber()
{
    if (!m_autoNumber)
        return;
    if (const std::optional<qint64> next = nextCheckNumber(*m_document.array())) {
        m_fields.checkNumber->setText(QString::number(*next));
        // Proposed, not typed: typing replaces it.
        m_fields.checkNumber->selectAll();
    }
}

void EntryForm::followCheckNumber(bool propose)
{
    // A number the user typed is the user's; only a proposal (or nothing)
    // follows the register.
    QLineEdit *number = m_fields.checkNumber;
    if (!m_autoNumber || (number->isModified() && !number->text().isEmpty()))
        return;
    const std::optional<qint64> next = propose ? nextCheckNumber(*m_document.array()) : std::nullopt;
    number->setText(next ? QString::number(*next) : QString());
    number->selectAll();
}

bool EntryForm::dateMayBeEntered()
{
    const QString typed = m_fields.date->text();
    if (isReadableDateText(typed, m_forms.dateOrder, m_toolkit.today()) || keepDateAsTyped(typed))
        return true;
    m_fields.date->setFocus(Qt::OtherFocusReason);
    m_fields.date->selectAll();
    return false;
}

bool EntryForm::cellDateMayBeEntered(const QString &typed, const Value &stored)
{
    return isReadableDateText(typed, m_forms.dateOrder, m_toolkit.today())
        || typed == shownDate(stored, m_forms.dateOrder) || keepDateAsTyped(typed);
}

bool EntryForm::keepDateAsTyped(const QString &typed)
{
    return m_toolkit.confirm(m_window, QCoreApplication::translate("MyWindowController", "Date"),
                             QCoreApplication::translate("MyWindowController", "Keep \u201c%1\u201d as typed?\n\nCheqbook cannot read it as a date, so the date "
                               "sort and the charts will not know where it belongs. It reads dates like %2.")
                                 .arg(typed.trimmed(), dateFormsRead(m_forms.dateOrder)),
                             QCoreApplication::translate("MyWindowController", "Keep as Typed"), QCoreApplication::translate("MyWindowController", "Change It"));
}

QString unreadableDateTip(const QString &typed, DateOrder order)
{
    return QCoreApplication::translate("MyWindowController", "Cheqbook does not read \u201c%1\u201d as a date. It reads dates like %2.")
        .arg(typed.trimmed(), dateFormsRead(order));
}

void EntryForm::retypeDate(DateOrder before)
{
    if (const std::optional<QDate> typed = readTypedDate(m_fields.date->text(), before, m_toolkit.today()))
        m_fields.date->setText(writtenDate(*typed, m_forms.dateOrder));
}

void EntryForm::showWrittenForms()
{
    m_fields.date->setPlaceholderText(datePlaceholder(m_forms.dateOrder));
    m_fields.amount->setPlaceholderText(shownMoney(-1234, m_forms.decimalPoint));
    m_fields.amount->setDecimalPoint(m_forms.decimalPoint);
}
