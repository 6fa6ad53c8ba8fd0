#pragma once

// The Find window: the text to find, and Find, Find Again and Cancel. The
// register's window does the finding.

#include <QObject>

class QDialog;
class QLineEdit;
class QWidget;

class FindWindow : public QObject
{
    Q_OBJECT

public:
    explicit FindWindow(QWidget *registerWindow);

    // Shown with an empty field holding the keyboard.
    void show();
    // The text to find; the window goes away.
    QString take();
    void hide();

signals:
    void findRequested(QObject *button);
    void findAgainRequested(QObject *button);
    void cancelRequested(QObject *button);

private:
    QWidget *m_registerWindow;
    QDialog *m_dialog;
    QLineEdit *m_field;
};
