#pragma once

#include "Toolkit.h"

#include <QPrinter>

// A toolkit that never blocks and asks nothing, for programs that drive the
// window without a person: benchmarks and the crash-recovery test's helper.
// Every question gets its default answer.
class QuietToolkit : public Toolkit
{
public:
    void alert(QWidget *, const QString &, const QString &, const QString &) override {}
    void beep() override {}
    QStringList openPanel(QWidget *, const QString &, const QString &, bool, const QString &) override { return {}; }
    QString savePanel(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    SaveAnswer askToSave(QWidget *, const QString &) override { return SaveAnswer::DontSave; }
    bool confirm(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return false;
    }
    bool confirmByDefault(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return true;
    }
    // The safe answer, unless the program driving the window chose one.
    int choose(QWidget *, const QString &, const QString &, const QStringList &answers) override
    {
        const qsizetype i = answers.indexOf(chooseAnswer);
        return int(i >= 0 ? i : answers.size() - 1);
    }
    QString chooseAnswer;
    bool runDialog(QDialog &) override { return false; }
    bool printDialog(QWidget *, QPrinter &) override { return printAnswer; }
    bool printAnswer = false;
    void printPreview(QWidget *, QPrinter &, const std::function<void(QPrinter &)> &) override {}
    QPrinter &sharedPrinter() override { return printer; }
    QPrinter printer;
    QDate today() const override { return QDate(2026, 12, 7); }
    std::unique_ptr<Progress> progress(QWidget *, const QString &, bool) override
    {
        return std::make_unique<NoProgress>();
    }
};
