// The balance always in sight: the status bar's figures for the register,
// for what the filter shows and for the selected rows.

#include "MyWindowController.h"

#include "RegisterFigures.h"
#include "RegisterTableModel.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

using namespace Qt::StringLiterals;

void MyWindowController::buildStatusBar()
{
    QStatusBar *bar = m_window->statusBar();
    m_selectionFigures = new QLabel(bar);
    m_selectionFigures->setObjectName(u"selectionFigures"_s);
    m_figures = new QLabel(bar);
    m_figures->setObjectName(u"registerFigures"_s);
    m_figures->setToolTip(tr("The balance after the last transaction, the balance of what the bank has cleared, and "
                             "the number of transactions"));
    bar->addPermanentWidget(m_selectionFigures);
    bar->addPermanentWidget(m_figures);
    // Worked out once the events of a change are over: a command that
    // reloads the table twice, or a selection dragged over many rows, costs
    // one working out.
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(0);
    connect(m_statusTimer, &QTimer::timeout, this, &MyWindowController::updateStatusBar);
    connect(myDocument, &MyDocument::historyChanged, this, [this] {
        m_figuresStale = true;
        scheduleStatusUpdate();
    });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MyWindowController::scheduleStatusUpdate);
    updateStatusBar();
}

void MyWindowController::scheduleStatusUpdate()
{
    if (m_statusTimer)
        m_statusTimer->start();
}

void MyWindowController::updateStatusBar()
{
    m_statusTimer->stop();
    if (m_figuresStale) {
        m_registerFigures = registerFigures(*dataArray);
        m_figuresStale = false;
    }
    const std::optional<int> shown = m_model->isFiltered() ? std::optional(m_model->rowCount()) : std::nullopt;
    m_figures->setText(figuresText(m_registerFigures, shown, m_forms.decimalPoint));
    const QString selection =
        selectionText(selectionFigures(*dataArray, selectedRegisterRows()), m_forms.decimalPoint);
    m_selectionFigures->setText(selection.isEmpty() ? selection : selection + u" \u00b7"_s);
}

QString MyWindowController::statusFigures()
{
    if (m_statusTimer->isActive())
        updateStatusBar();
    return m_figures->text();
}

QString MyWindowController::statusSelection()
{
    if (m_statusTimer->isActive())
        updateStatusBar();
    return m_selectionFigures->text();
}
