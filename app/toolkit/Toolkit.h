#pragma once

// The boundary to everything modal or platform-bound: alerts, the beep, file
// panels, questions, the print dialog and the clock. The application passes
// QtToolkit; tests pass a recording fake, so no test ever blocks on a dialog.

#include "Progress.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QPrinter;
class QWidget;

class QObject;

class Toolkit
{
public:
    virtual ~Toolkit() = default;

    // A modal alert with one button. An alert titled errorTitle() tells of
    // something that went wrong; any other, of something to know.
    virtual void alert(QWidget *parent, const QString &title, const QString &message, const QString &button) = 0;
    void alert(QWidget *parent, const QString &title, const QString &message)
    {
        alert(parent, title, message, okButton());
    }
    // The words every alert and question shares, in the user's language.
    static QString errorTitle();
    static QString okButton();
    static QString cancelButton();
    virtual void beep() = 0;

    // The files chosen in an open panel; empty when the user cancelled.
    // filter is a QFileDialog name filter, e.g. "Registers (*.ldgr)". The
    // panel opens in directory, or where it was last when none is given.
    virtual QStringList openPanel(QWidget *parent, const QString &title, const QString &filter, bool multiple,
                                  const QString &directory = {}) = 0;
    // The path chosen in a save panel; empty when the user cancelled. A name
    // typed without an extension gets defaultSuffix ("ldgr") before the panel
    // asks whether to replace a file of that name.
    virtual QString savePanel(QWidget *parent, const QString &title, const QString &suggestedPath,
                              const QString &filter, const QString &defaultSuffix) = 0;
    // A path to write a file of this extension to: the save panel, then the
    // extension added when the chosen name lacks it ("rollover 12.31.2026"
    // has a dot but is no register name), asking before replacing a file of
    // the name so made, since the panel asked about the name without it.
    // Empty when the user cancelled.
    QString savePath(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter,
                     const QString &extension);

    enum class SaveAnswer { Save, DontSave, Cancel };
    // Save / Don't Save / Cancel for a document with unsaved changes.
    virtual SaveAnswer askToSave(QWidget *parent, const QString &documentName) = 0;
    // A question with two answers; true for the first (confirming) one.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &message, const QString &confirmButton,
                         const QString &cancelButton) = 0;
    // The same, for a question whose safe answer is the confirming one: it is
    // the default, which Return gives; Escape gives the other.
    virtual bool confirmByDefault(QWidget *parent, const QString &title, const QString &message,
                                  const QString &confirmButton, const QString &otherButton) = 0;
    // A question with several answers (three, say), the first the most
    // forward; the last is the safe one, the default, which Return and
    // Escape give. The index of the answer chosen.
    virtual int choose(QWidget *parent, const QString &title, const QString &message, const QStringList &answers) = 0;
    // A window of the program's own, shown modal; true when it was accepted.
    virtual bool runDialog(QDialog &dialog) = 0;
    // The print dialog for printer; true when the user chose to print.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    // A print preview; paint draws the pages on the printer it is given.
    virtual void printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
    // The page settings of the session, shared by every window.
    virtual QPrinter &sharedPrinter() = 0;

    // A progress indicator for long work, shown only once the work has taken
    // half a second; with a Cancel button when the work can stop.
    virtual std::unique_ptr<Progress> progress(QWidget *parent, const QString &what, bool cancellable) = 0;

    // Today, in the local time zone.
    virtual QDate today() const = 0;
    // The moment, for what is to happen a while later (a question asked again
    // in an hour).
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }

    // Whether a question is on the screen (a modal dialog is up). What the
    // program asks by itself waits until none is: asked inside another
    // question's dialog it would stand over it, and the question asked
    // first would be read last.
    virtual bool isAsking() const { return false; }
    // Calls ask from context's thread once no question is on the screen.
    void whenNotAsking(QObject *context, std::function<void()> ask);
};
