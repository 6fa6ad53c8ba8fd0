#include "StatusBarFigures.h"

#include "MyDocument.h"
#include "RegisterTableModel.h"
#include "WrittenForms.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

StatusBarFigures::StatusBarFigures(QStatusBar *bar, MyDocument &document, const RegisterTableModel &model,
                                   QItemSelectionModel *selection, SelectedRows selectedRows,
                                   const WrittenForms &forms)
    : QObject(bar), m_document(document), m_model(model), m_selectedRows(std::move(selectedRows)), m_forms(forms)
{
    m_selectionFigures = new QLabel(bar);
    m_selectionFigures->setObjectName(u"selectionFigures"_s);
    m_selectionFigures->setAccessibleName(tr("Selected transactions"));
    m_figures = new QLabel(bar);
    m_figures->setObjectName(u"registerFigures"_s);
    m_figures->setAccessibleName(tr("Balance"));
    m_figures->setToolTip(tr("The balance after the last transaction, the balance of what the bank has cleared, and "
                             "the number of transactions"));
    bar->addPermanentWidget(m_selectionFigures);
    bar->addPermanentWidget(m_figures);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &StatusBarFigures::update);
    connect(&document, &MyDocument::historyChanged, this, &StatusBarFigures::registerChanged);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &StatusBarFigures::schedule);
    update();
}

void StatusBarFigures::registerChanged()
{
    m_stale = true;
    schedule();
}

void StatusBarFigures::schedule() { m_timer->start(); }

void StatusBarFigures::update()
{
    m_timer->stop();
    const Register &reg = *m_document.array();
    if (m_stale) {
        m_registerFigures = registerFigures(reg);
        m_stale = false;
    }
    const std::optional<int> shown = m_model.isFiltered() ? std::optional(m_model.rowCount()) : std::nullopt;
    m_figures->setText(figuresText(m_registerFigures, shown, m_forms.decimalPoint));
    const QString selected = selectionText(selectionFigures(reg, m_selectedRows()), m_forms.decimalPoint);
    m_selectionFigures->setText(selected.isEmpty() ? selected : selected + u" \u00b7"_s);
}

QString StatusBarFigures::figures()
{
    if (m_timer->isActive())
        update();
    return m_figures->text();
}

QString StatusBarFigures::selection()
{
    if (m_timer->isActive())
        update();
    return m_selectionFigures->text();
}
