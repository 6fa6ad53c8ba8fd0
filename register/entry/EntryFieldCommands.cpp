// What makes the entry fields quick from the keyboard: descriptions proposed
// while one is typed, + and - in the Date and Check # fields, a proposed
// text selected so that typing replaces it, and a date the date reader
// cannot read marked as it is typed and asked about on entry.

#include "MyWindowController.h"

#include "CutForShowing.h"
#include "DateReader.h"
#include "EntryFields.h"
#include "FocusHook.h"
#include "PaletteColors.h"
#include "SuggestionList.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSuggestionsShown = 10;

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

void MyWindowController::buildEntryHelpers()
{
    new FieldKeys(
        Date,
        [this](const QString &text, QChar key, QChar previous) {
            return dateFieldKey(text, key, m_toolkit.today(), previous, m_forms.dateOrder);
        },
        m_toolkit);
    new FieldKeys(
        CheckNumber,
        [this](const QString &text, QChar key, QChar) {
            return checkNumberFieldKey(text, key, nextCheckNumber(*dataArray));
        },
        m_toolkit);
    Date->setToolTip(u"+ and \u2212 step a day, T is today"_s);
    CheckNumber->setToolTip(CheckNumber->toolTip() + u"; + and \u2212 step the number"_s);

    m_suggestions = new SuggestionList(DescriptionofTransaction, [this](const QString &typed) {
        std::vector<SuggestionList::Item> items;
        m_suggestedRows.clear();
        for (const DescriptionSuggestion &s :
             ::descriptionSuggestions(myDocument->textIndex(), *dataArray, typed, kSuggestionsShown)) {
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
        const int row = m_suggestedRows.value(description, -1);
        if (row >= 0 && row < dataArray->count())
            followCheckNumber((*dataArray)[row].value(Key::CheckNumber).intValue() != 0);
    });
    // The index is read from the register when a description is about to be
    // typed, not with every keystroke, nor by a window that is only looked at.
    new FocusHook(DescriptionofTransaction, [this] { myDocument->textIndex().prepare(*dataArray); });

    // Marked while it cannot be read, in a red that reads on the field.
    const QString tip = Date->toolTip();
    connect(Date, &QLineEdit::textChanged, this, [this, tip](const QString &text) {
        if (isReadableDateText(text, m_forms.dateOrder, m_toolkit.today())) {
            Date->setStyleSheet(QString());
            Date->setToolTip(tip);
            return;
        }
        Date->setStyleSheet(questionedFieldStyle(Date->palette()));
        Date->setToolTip(u"Cheqbook does not read \u201c%1\u201d as a date. It reads dates like %2."_s.arg(
            text.trimmed(), dateFormsRead(m_forms.dateOrder)));
    });
}

bool MyWindowController::dateMayBeEntered()
{
    const QString typed = Date->text();
    if (isReadableDateText(typed, m_forms.dateOrder, m_toolkit.today()) || keepDateAsTyped(typed))
        return true;
    Date->setFocus(Qt::OtherFocusReason);
    Date->selectAll();
    return false;
}

bool MyWindowController::cellDateMayBeEntered(const QString &typed, const Value &stored)
{
    return isReadableDateText(typed, m_forms.dateOrder, m_toolkit.today()) || typed == shownDateText(stored)
        || keepDateAsTyped(typed);
}

bool MyWindowController::keepDateAsTyped(const QString &typed)
{
    return m_toolkit.confirm(m_window, u"Date"_s,
                             u"Keep \u201c%1\u201d as typed?\n\nCheqbook cannot read it as a date, so the date sort "
                             "and the charts will not know where it belongs. It reads dates like %2."_s.arg(
                                 typed.trimmed(), dateFormsRead(m_forms.dateOrder)),
                             u"Keep as Typed"_s, u"Change It"_s);
}
