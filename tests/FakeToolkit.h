#pragma once

// A toolkit for tests: it records every alert and beep, answers panels and
// questions from queues, and fails the test on one it was not told to expect.

#include "Toolkit.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

class FakeToolkit : public Toolkit
{
public:
    struct Alert {
        QString title;
        QString message;
        QString button;
    };
    std::vector<Alert> alerts;
    int beeps = 0;
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<SaveAnswer> askAnswers;
    std::deque<bool> confirmAnswers;
    std::deque<bool> printAnswers;
    QStringList asked; // the documents askToSave was asked about
    struct Question {
        QString title;
        QString message;
        QString confirmButton;
        QString otherButton;
        bool confirmIsDefault = false;
    };
    std::vector<Question> questions; // every confirm and confirmByDefault, in order
    QDate fixedToday{2026, 12, 7};

    void alert(QWidget *, const QString &title, const QString &message, const QString &button) override
    {
        alerts.push_back({title, message, button});
    }
    using Toolkit::alert;
    void beep() override { ++beeps; }
    QStringList openPanel(QWidget *, const QString &, const QString &, bool, const QString &directory) override
    {
        panelDirectories << directory;
        return next(openAnswers, "open panel");
    }
    QStringList panelDirectories; // the folder each open panel was opened in
    QString savePanel(QWidget *, const QString &, const QString &suggested, const QString &,
                      const QString &suffix) override
    {
        panelSuffixes << suffix;
        savedSuggestions << suggested;
        return next(saveAnswers, "save panel");
    }
    QStringList panelSuffixes; // the default suffix each save panel was given
    QStringList savedSuggestions; // the path each save panel proposed
    SaveAnswer askToSave(QWidget *, const QString &name) override
    {
        asked << name;
        if (askAnswers.empty()) {
            ADD_FAILURE() << "unexpected question to save " << name.toStdString();
            return SaveAnswer::Cancel;
        }
        return next(askAnswers, "save question");
    }
    bool confirm(QWidget *, const QString &title, const QString &message, const QString &confirmButton,
                 const QString &cancelButton) override
    {
        questions.push_back({title, message, confirmButton, cancelButton, false});
        return next(confirmAnswers, "question");
    }
    bool confirmByDefault(QWidget *, const QString &title, const QString &message, const QString &confirmButton,
                          const QString &otherButton) override
    {
        questions.push_back({title, message, confirmButton, otherButton, true});
        return next(confirmAnswers, "question");
    }
    // The answers to questions of several answers, by their words; every
    // such question is kept in questions too (its other answers joined by
    // " / " as otherButton).
    std::deque<QString> chooseAnswers;
    int choose(QWidget *, const QString &title, const QString &message, const QStringList &answers) override
    {
        questions.push_back({title, message, answers.front(), answers.mid(1).join(u" / "), false});
        const QString answer = next(chooseAnswers, "question of several answers");
        const qsizetype i = answers.indexOf(answer);
        if (i < 0)
            ADD_FAILURE() << "no answer " << answer.toStdString() << " among " << answers.join(u", ").toStdString();
        return int(i >= 0 ? i : answers.size() - 1);
    }
    // What the user does in each of the program's own windows, in turn:
    // fills it in and says whether it is accepted.
    std::deque<std::function<bool(QDialog &)>> dialogAnswers;
    bool runDialog(QDialog &dialog) override
    {
        if (dialogAnswers.empty()) {
            ADD_FAILURE() << "unexpected window " << dialog.windowTitle().toStdString();
            return false;
        }
        auto answer = std::move(dialogAnswers.front());
        dialogAnswers.pop_front();
        return answer(dialog);
    }
    bool printDialog(QWidget *, QPrinter &p) override
    {
        if (onPrintDialog)
            onPrintDialog(p);
        return next(printAnswers, "print dialog");
    }
    std::function<void(QPrinter &)> onPrintDialog; // what the user does in the dialog
    void printPreview(QWidget *, QPrinter &p, const std::function<void(QPrinter &)> &paint) override
    {
        ++previews;
        paint(p);
    }
    QPrinter &sharedPrinter() override { return printer; }
    int previews = 0;
    QPrinter printer;
    QDate today() const override { return fixedToday; }
    QTime fixedTime{9, 0};
    bool asking = false; // a question of another on the screen
    QDateTime now() const override { return QDateTime(fixedToday, fixedTime); }
    bool isAsking() const override { return asking; }

    // Progress the tests can stop: the work is cancelled at its cancelAt-th
    // report (never when cancelAt is 0), or at the first report when
    // cancelWhen holds.
    struct FakeProgress : Progress {
        int cancelAt = 0;
        std::function<bool()> cancelWhen;
        int reports = 0;
        bool cancelled = false;
        bool advance(qint64, qint64) override
        {
            cancelled = cancelled || (cancelAt > 0 && ++reports >= cancelAt) || (cancelWhen && cancelWhen());
            return !cancelled;
        }
        bool wasCancelled() const override { return cancelled; }
    };
    std::unique_ptr<Progress> progress(QWidget *, const QString &what, bool cancellable) override
    {
        progressShown << what;
        auto p = std::make_unique<FakeProgress>();
        p->cancelAt = cancellable ? cancelProgressAt : 0;
        if (cancellable)
            p->cancelWhen = cancelProgressWhen;
        return p;
    }
    QStringList progressShown; // what each progress indicator was for
    int cancelProgressAt = 0;
    std::function<bool()> cancelProgressWhen;

    // The one alert shown since the last call, as "title: message".
    QString takeAlert()
    {
        if (alerts.size() != 1) {
            ADD_FAILURE() << alerts.size() << " alerts, expected one";
            alerts.clear();
            return {};
        }
        const QString text = alerts.front().title + QStringLiteral(": ") + alerts.front().message;
        alerts.clear();
        return text;
    }

private:
    template <typename T>
    T next(std::deque<T> &queue, const char *what)
    {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return T{};
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
