#pragma once

#include <QMainWindow>

// The register window. Closing it is the document's decision (it may have
// unsaved changes), so a close request is passed on rather than obeyed.
class RegisterWindow : public QMainWindow
{
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;
    // Closes for real, once the document agreed.
    void closeForGood()
    {
        m_closing = true;
        close();
    }

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_closing = false;
};
