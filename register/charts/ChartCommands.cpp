// The View menu, and the chart window of the register: opened from the
// menu, following every change to the register, saved as PNG and printed.

#include "MyWindowController.h"

#include "AccessibleWindows.h"
#include "AtomicFile.h"
#include "ChartWindow.h"
#include "SpendingChart.h"
#include "WindowKeys.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>

using namespace Qt::StringLiterals;

ChartWindow *MyWindowController::chartWindow() const { return m_charts; }

void MyWindowController::showCharts(QObject *) { openCharts(false); }

void MyWindowController::showSpending(QObject *) { openCharts(true); }

void MyWindowController::openCharts(bool spending)
{
    if (!m_charts) {
        // Only a long register shows the indicator: it appears after half a
        // second. Charts that follow a change made in the register show none,
        // since an indicator would take the keyboard the user is typing with
        // (what is typed meanwhile waits for the drawing, and is not lost).
        auto progress = [this]() -> std::unique_ptr<Progress> {
            if (!m_charts || !m_charts->isVisible())
                return m_toolkit.progress(m_window, tr("Drawing the charts\u2026"), false);
            if (QApplication::activeWindow() != m_charts)
                return nullptr;
            return m_toolkit.progress(m_charts, tr("Drawing the charts\u2026"), false);
        };
        m_charts = new ChartWindow(dataArray, [this] { return m_toolkit.today(); }, progress, m_window);
        m_charts->setDecimalPoint(m_forms.decimalPoint);
        closeOnEscapeAndCtrlW(m_charts);
        announceAsWindow(m_charts);
        connect(m_charts, &ChartWindow::saveRequested, this, [this] { saveChartImage(m_charts); });
        connect(m_charts, &ChartWindow::printRequested, this, [this] { printCharts(m_charts); });
        // Worked out again after each change while it is open, and when it
        // opens again after changes made while it was closed.
        connect(myDocument, &MyDocument::historyChanged, m_charts, [this] {
            if (m_charts->isVisible())
                m_charts->scheduleRefresh();
        });
        auto title = [this] {
            const QString name = myDocument->fileName();
            m_charts->setWindowTitle(
                tr("Charts \u2014 %1").arg(name.isEmpty() ? tr("Untitled") : QFileInfo(name).fileName()));
        };
        connect(myDocument, &MyDocument::fileNameChanged, m_charts, title);
        title();
        m_charts->move(m_window->geometry().center() - m_charts->rect().center());
        auto *page = new SpendingChart(dataArray, [this] { return m_toolkit.today(); });
        page->setDecimalPoint(m_forms.decimalPoint);
        connect(m_charts, &ChartWindow::decimalPointChanged, page, &SpendingChart::setDecimalPoint);
        m_charts->addPage(page, tr("Spending by &Category"), [page] { page->refresh(); });
    }
    // Changes made while the window was closed are drawn as it opens.
    if (spending)
        m_charts->showPageAnew(m_charts->findChild<SpendingChart *>());
    else
        m_charts->refreshShownPage();
    m_charts->show();
    m_charts->raise();
    m_charts->activateWindow();
}

void MyWindowController::saveChartImage(QObject *)
{
    if (!m_charts)
        return;
    const QString current = myDocument->fileName();
    const QString suggested = current.isEmpty() ? u"Charts.png"_s
                                                : QFileInfo(current).absolutePath() + u'/'
            + QFileInfo(current).completeBaseName() + u" charts.png"_s;
    const QString path = m_toolkit.savePath(m_charts, tr("Save Charts"), suggested, tr("PNG images (*.png)"), u"png"_s);
    if (path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!m_charts->picture().save(&buffer, "PNG")) {
        m_toolkit.alert(m_charts, Toolkit::errorTitle(), tr("The charts could not be drawn as a picture."));
        return;
    }
    if (const QString failure = writeFileAtomically(path, png); !failure.isEmpty())
        m_toolkit.alert(m_charts, Toolkit::errorTitle(), tr("The charts could not be saved.\n\n%1").arg(failure));
}

void MyWindowController::printCharts(QObject *)
{
    if (!m_charts)
        return;
    QPrinter &printer = m_toolkit.sharedPrinter();
    printer.setDocName(m_charts->windowTitle());
    printer.setFromTo(1, 1);
    if (!m_toolkit.printDialog(m_charts, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_toolkit.alert(m_charts, Toolkit::errorTitle(),
                        tr("The charts could not be printed: the printer could not be used."));
        return;
    }
    m_charts->paint(painter, QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    if (!painter.end())
        m_toolkit.alert(m_charts, Toolkit::errorTitle(),
                        tr("The charts could not be printed: the printer did not take them."));
}
