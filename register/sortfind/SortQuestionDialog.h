#pragma once

// The question before a date sort ("Sort", "Cancel", and a box to sort
// without asking from now on).

#include <QObject>

class QCheckBox;
class QDialog;
class QWidget;

class SortQuestionDialog : public QObject
{
    Q_OBJECT

public:
    explicit SortQuestionDialog(QWidget *registerWindow);

    void ask();
    // Sort was chosen: the answer about asking again is remembered.
    void answerSort();
    void cancel();

signals:
    void sortRequested(QObject *button);
    void cancelRequested(QObject *button);

private:
    QWidget *m_registerWindow;
    QDialog *m_dialog;
    QCheckBox *m_showAgain;
};
