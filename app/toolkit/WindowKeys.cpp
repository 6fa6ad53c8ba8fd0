#include "WindowKeys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QShortcut>
#include <QWidget>

void closeOnEscapeAndCtrlW(QWidget *window)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    keys.prepend(QKeySequence(Qt::Key_Escape));
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
}

QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" is an ampersand shown
    }
    return {};
}

namespace {

// The position in text of the letter to mark: the first free one that
// starts a word, else the first free one anywhere; -1 when none is free.
qsizetype freeLetter(const QString &text, const QSet<QChar> &used)
{
    for (bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool starts = i == 0 || !text[i - 1].isLetterOrNumber();
            if (text[i].isLetterOrNumber() && (starts || !wordStart) && !used.contains(text[i].toLower()))
                return i;
        }
    }
    return -1;
}

} // namespace

void giveAccessKeys(QWidget *window)
{
    QSet<QChar> used;
    QList<QAbstractButton *> keyless;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (const QChar key = accessKey(label->text()); !key.isNull())
            used.insert(key);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->window() != window || button->text().isEmpty())
            continue;
        if (const QChar key = accessKey(button->text()); !key.isNull())
            used.insert(key);
        else
            keyless << button;
    }
    for (QAbstractButton *button : keyless) {
        QString text = button->text();
        const qsizetype at = freeLetter(text, used);
        if (at < 0)
            continue;
        used.insert(text[at].toLower());
        button->setText(text.insert(at, u'&'));
    }
}

void showOverWindow(QWidget *auxiliary, QWidget *window)
{
    giveAccessKeys(auxiliary);
    auxiliary->adjustSize();
    auxiliary->move(window->geometry().center() - auxiliary->rect().center());
    auxiliary->show();
    auxiliary->raise();
    auxiliary->activateWindow();
}

void hideBackToWindow(QWidget *auxiliary, QWidget *window)
{
    if (!auxiliary->isVisible())
        return;
    auxiliary->hide();
    window->activateWindow();
}
