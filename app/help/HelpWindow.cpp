#include "HelpWindow.h"

#include "Translations.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Cheqbook Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setMarkdown(guideText());
    m_browser->document()->setDocumentMargin(fontMetrics().height());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    const int em = fontMetrics().horizontalAdvance(u'M');
    QSize size(56 * em, 44 * fontMetrics().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.85);
    resize(size);
}

QString HelpWindow::guideText()
{
    // The guide in the language of the window's texts, if there is one.
    QFile translated(u":/help/user-guide.%1.md"_s.arg(textLanguage()));
    if (translated.open(QIODevice::ReadOnly))
        return QString::fromUtf8(translated.readAll());
    QFile guide(u":/help/user-guide.md"_s);
    if (!guide.open(QIODevice::ReadOnly))
        return tr("# Cheqbook Help\n\nThe user guide is missing from this copy of Cheqbook.");
    return QString::fromUtf8(guide.readAll());
}
