#include "AboutWindow.h"

#include "AppIdentity.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About Cheqbook"));
    auto *icon = new QLabel(this);
    icon->setPixmap(cheqbookIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    // The Qt the program was built with and the one it found: a mismatch
    // is worth knowing when something looks wrong.
    const QString runtimeQt = QString::fromLatin1(qVersion());
    const QString builtQt = QStringLiteral(QT_VERSION_STR);
    const QString name = u"Cheqbook %1"_s.arg(QCoreApplication::applicationVersion());
    const QString built = runtimeQt == builtQt ? QString() : tr(" (built with Qt %1)").arg(builtQt);
    const QString details = tr("A checkbook register for the desktop.\n\nQt %1%2\n"
                               "Copyright \u00a9 The Cheqbook developers\nReleased under the MIT licence.")
                                .arg(runtimeQt, built);
    m_versionText = name + u'\n' + details;
    auto *title = new QLabel(name, this);
    QFont large = title->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    title->setFont(large);
    auto *text = new QLabel(details, this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(text);
    words->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(words, 1);

    auto *licence = new QPlainTextEdit(this);
    licence->setReadOnly(true);
    QFile licenceFile(u":/help/LICENSE"_s);
    if (licenceFile.open(QIODevice::ReadOnly)) {
        // Paragraphs flow to the window's width rather than breaking where
        // the file's lines do.
        QStringList paragraphs = QString::fromUtf8(licenceFile.readAll()).trimmed().split(u"\n\n"_s);
        for (QString &paragraph : paragraphs)
            paragraph.replace(u'\n', u' ');
        licence->setPlainText(paragraphs.join(u"\n\n"_s));
    }
    const QFontMetrics metrics(licence->font());
    licence->setMinimumSize(60 * metrics.horizontalAdvance(u'0'), 16 * metrics.height());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(licence, 1);
    layout->addWidget(buttons);
}

QString AboutWindow::versionText() const { return m_versionText; }
