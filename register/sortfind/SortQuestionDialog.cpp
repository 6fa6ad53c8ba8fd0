#include "SortQuestionDialog.h"

#include "DateSort.h"
#include "WindowKeys.h"
#include "ui_SortQuestion.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QSettings>

SortQuestionDialog::SortQuestionDialog(QWidget *registerWindow)
    : QObject(registerWindow), m_registerWindow(registerWindow), m_dialog(new QDialog(registerWindow, Qt::Dialog))
{
    Ui::SortQuestion ui;
    ui.setupUi(m_dialog);
    m_showAgain = ui.showAgainPref;
    connect(ui.sortButton, &QPushButton::clicked, this, [this, b = ui.sortButton] { emit sortRequested(b); });
    connect(ui.cancelButton, &QPushButton::clicked, this, [this, b = ui.cancelButton] { emit cancelRequested(b); });
    connect(m_dialog, &QDialog::rejected, this, [this] { emit cancelRequested(m_dialog); });
}

void SortQuestionDialog::ask() { showOverWindow(m_dialog, m_registerWindow); }

void SortQuestionDialog::answerSort()
{
    QSettings settings;
    rememberSortAnswer(settings, m_showAgain->isChecked());
    hideBackToWindow(m_dialog, m_registerWindow);
}

void SortQuestionDialog::cancel() { hideBackToWindow(m_dialog, m_registerWindow); }
