// The filter bar's texts keep the window's translation context, where their
// translations are.

#include "FilterBar.h"

#include "Category.h"
#include "DateReader.h"
#include "EntryForm.h"
#include "FocusHook.h"
#include "MyDocument.h"
#include "PaletteColors.h"
#include "Toolkit.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QMainWindow>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Escape in a field of the bar.
class EscapeKey : public QObject
{
public:
    EscapeKey(QWidget *field, std::function<void()> onEscape) : QObject(field), m_onEscape(std::move(onEscape))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        m_onEscape();
        return true;
    }

private:
    std::function<void()> m_onEscape;
};

const RowFilter::Reconciled kStates[] = {RowFilter::Reconciled::All, RowFilter::Reconciled::NotReconciled,
                                         RowFilter::Reconciled::Reconciled};

} // namespace


FilterBar::FilterBar(MyDocument &document, Toolkit &toolkit, QMainWindow *window, const WrittenForms &forms)
    : QObject(window), m_document(document), m_toolkit(toolkit), m_forms(forms)
{
    auto *bar = new QWidget;
    bar->setObjectName(u"filterBar"_s);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);

    m_text = new QLineEdit(bar);
    m_text->setObjectName(u"filterText"_s);
    m_text->setPlaceholderText(QCoreApplication::translate("MyWindowController", "Text in any column"));
    m_text->setClearButtonEnabled(true);
    m_text->setToolTip(QCoreApplication::translate("MyWindowController", "Shows only the transactions with this text in any column (Ctrl+Shift+F; Escape "
                                    "shows every transaction again)"));
    auto *textLabel = new QLabel(QCoreApplication::translate("MyWindowController", "Fi&lter:"), bar);
    textLabel->setBuddy(m_text);

    m_state = new QComboBox(bar);
    m_state->setObjectName(u"filterState"_s);
    m_state->addItems({QCoreApplication::translate("MyWindowController", "All"), QCoreApplication::translate("MyWindowController", "Not reconciled"), QCoreApplication::translate("MyWindowController", "Reconciled")});
    auto *stateLabel = new QLabel(QCoreApplication::translate("MyWindowController", "&Show:"), bar);
    stateLabel->setBuddy(m_state);

    m_from = new QLineEdit(bar);
    m_from->setObjectName(u"filterFrom"_s);
    m_to = new QLineEdit(bar);
    m_to->setObjectName(u"filterTo"_s);
    // Its label ("and") says nothing alone.
    m_to->setAccessibleName(QCoreApplication::translate("MyWindowController", "Last date"));
    auto *fromLabel = new QLabel(QCoreApplication::translate("MyWindowController", "Dates &between"), bar);
    fromLabel->setBuddy(m_from);
    auto *toLabel = new QLabel(QCoreApplication::translate("MyWindowController", "and"), bar);
    const int dateWidth = m_from->fontMetrics().horizontalAdvance(u"00/00/00000"_s) + 16;
    for (QLineEdit *field : {m_from, m_to}) {
        field->setPlaceholderText(field == m_from ? QCoreApplication::translate("MyWindowController", "first") : QCoreApplication::translate("MyWindowController", "last"));
        field->setMaximumWidth(dateWidth);
        field->setToolTip(QCoreApplication::translate("MyWindowController", "Leave empty for no limit"));
    }

    layout->addWidget(textLabel);
    layout->addWidget(m_text, 1);
    layout->addSpacing(8);
    layout->addWidget(stateLabel);
    layout->addWidget(m_state);
    layout->addSpacing(8);
    m_category = new QLineEdit(bar);
    m_category->setObjectName(u"filterCategory"_s);
    m_category->setPlaceholderText(QCoreApplication::translate("MyWindowController", "any"));
    m_category->setToolTip(QCoreApplication::translate(
        "MyWindowController", "A category shows its subcategories too, and a split transaction by its lines"));
    m_category->setMaximumWidth(m_category->fontMetrics().horizontalAdvance(u"Household:Utilities"_s) + 16);
    // The categories in use, proposed as they are typed; worked out when the
    // field takes the keyboard, so that typing elsewhere costs nothing.
    auto *inUse = new QStringListModel(m_category);
    auto *completer = new QCompleter(inUse, m_category);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_category->setCompleter(completer);
    new FocusHook(m_category, [this, inUse] { inUse->setStringList(categoriesInUse(*m_document.array())); });
    auto *categoryLabel = new QLabel(QCoreApplication::translate("MyWindowController", "Categor&y:"), bar);
    categoryLabel->setBuddy(m_category);
    layout->addWidget(categoryLabel);
    layout->addWidget(m_category);
    layout->addSpacing(8);
    layout->addWidget(fromLabel);
    layout->addWidget(m_from);
    layout->addWidget(toLabel);
    layout->addWidget(m_to);
    // A bar of the window's own, over the table and the drawer alike, so
    // that the drawer keeps the width it was given.
    auto *toolBar = new QToolBar(QCoreApplication::translate("MyWindowController", "Filter"), window);
    toolBar->setObjectName(u"filterToolBar"_s);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setVisible(false);
    toolBar->addWidget(bar);
    window->addToolBar(Qt::TopToolBarArea, toolBar);

    // Keys typed together are filtered for together: a fast typist waits for
    // one pass over the register, not one per key.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(0);
    connect(m_typing, &QTimer::timeout, this, &FilterBar::apply);
    for (QLineEdit *field : {m_text, m_from, m_to, m_category}) {
        connect(field, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
        new EscapeKey(field, [this] { emit escaped(m_text); });
        new FocusHook(field, [this] { m_document.textIndex().prepare(*m_document.array()); });
    }
    connect(m_state, &QComboBox::currentIndexChanged, this, &FilterBar::apply);
}

RowFilter FilterBar::choice() const
{
    RowFilter filter;
    filter.today = m_toolkit.today();
    filter.text = m_text->text();
    filter.reconciled = kStates[std::clamp(m_state->currentIndex(), 0, 2)];
    filter.category = m_category->text().trimmed();
    // A date that cannot be read sets no limit; its field says so.
    for (auto [field, limit] : {std::pair(m_from, &filter.from), std::pair(m_to, &filter.to)}) {
        const QString typed = field->text().trimmed();
        *limit = typed.isEmpty() ? std::nullopt
                                 : readTypedDate(typed, m_forms.dateOrder, filter.today, Yearless::ThisYear);
    }
    return filter;
}

void FilterBar::apply()
{
    m_typing->stop();
    for (QLineEdit *field : {m_from, m_to}) {
        const QString typed = field->text().trimmed();
        const bool unreadable =
            !typed.isEmpty() && !readTypedDate(typed, m_forms.dateOrder, m_toolkit.today(), Yearless::ThisYear);
        field->setStyleSheet(unreadable ? questionedFieldStyle(field->palette()) : QString());
        field->setToolTip(unreadable
                              ? unreadableDateTip(typed, m_forms.dateOrder)
                              : QCoreApplication::translate("MyWindowController", "Leave empty for no limit"));
    }
    emit chosen(choice());
}

void FilterBar::show(const RowFilter &filter)
{
    const QSignalBlocker quietState(m_state);
    m_state->setCurrentIndex(int(std::find(std::begin(kStates), std::end(kStates), filter.reconciled)
                                           - std::begin(kStates)));
    if (m_text->text() != filter.text) {
        const QSignalBlocker quiet(m_text);
        m_text->setText(filter.text);
    }
    if (m_category->text().trimmed() != filter.category) {
        const QSignalBlocker quiet(m_category);
        m_category->setText(filter.category);
    }
    for (auto [field, limit] : {std::pair(m_from, filter.from), std::pair(m_to, filter.to)}) {
        const QString typed = field->text().trimmed();
        const std::optional<QDate> shown =
            typed.isEmpty() ? std::nullopt
                            : readTypedDate(typed, m_forms.dateOrder, filter.today, Yearless::ThisYear);
        if (shown != limit) {
            const QSignalBlocker quiet(field);
            field->setText(limit ? writtenDate(*limit, m_forms.dateOrder) : QString());
            field->setStyleSheet(QString());
        }
    }
}

void FilterBar::focus()
{
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

bool FilterBar::clear(QObject *sender)
{
    for (QLineEdit *field : {m_text, m_from, m_to, m_category}) {
        const QSignalBlocker quiet(field);
        field->clear();
        field->setStyleSheet(QString());
    }
    return sender == m_text;
}
