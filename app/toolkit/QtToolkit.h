#pragma once

#include "Toolkit.h"

#include <memory>

// The toolkit of the running application: Qt's message boxes, file dialogs
// and print dialog.
class QtToolkit : public Toolkit
{
public:
    QtToolkit();
    ~QtToolkit() override;
    void alert(QWidget *parent, const QString &title, const QString &message, const QString &button) override;
    using Toolkit::alert;
    void beep() override;
    QStringList openPanel(QWidget *parent, const QString &title, const QString &filter, bool multiple,
                          const QString &directory = {}) override;
    QString savePanel(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter,
                      const QString &defaultSuffix) override;
    SaveAnswer askToSave(QWidget *parent, const QString &documentName) override;
    bool confirm(QWidget *parent, const QString &title, const QString &message, const QString &confirmButton,
                 const QString &cancelButton) override;
    bool confirmByDefault(QWidget *parent, const QString &title, const QString &message, const QString &confirmButton,
                          const QString &otherButton) override;
    int choose(QWidget *parent, const QString &title, const QString &message, const QStringList &answers) override;
    bool runDialog(QDialog &dialog) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    void printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    QPrinter &sharedPrinter() override;
    std::unique_ptr<Progress> progress(QWidget *parent, const QString &what, bool cancellable) override;
    QDate today() const override;
    bool isAsking() const override;

private:
    std::unique_ptr<QPrinter> m_printer;
};
