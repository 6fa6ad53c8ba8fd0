// Sorting the register by date, after a question the user can silence.

#include "MyWindowController.h"

#include "DateSort.h"
#include "ui_SortQuestion.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QSettings>

void MyWindowController::buildSortQuestionWindow()
{
    sortQuestionWindow = new QDialog(m_window, Qt::Dialog);
    Ui::SortQuestion ui;
    ui.setupUi(sortQuestionWindow);
    showAgainPref = ui.showAgainPref;
    connect(ui.sortButton, &QPushButton::clicked, this, [this, b = ui.sortButton] { beginSort(b); });
    connect(ui.cancelButton, &QPushButton::clicked, this, [this, b = ui.cancelButton] { cancelSort(b); });
    connect(sortQuestionWindow, &QDialog::rejected, this, [this] { cancelSort(sortQuestionWindow); });
}

void MyWindowController::showSortWarning(QObject *)
{
    if (sortWithoutAsking(QSettings())) {
        sortRegister();
        return;
    }
    showAuxiliaryWindow(sortQuestionWindow);
}

void MyWindowController::beginSort(QObject *)
{
    QSettings settings;
    rememberSortAnswer(settings, showAgainPref->isChecked());
    hideAuxiliaryWindow(sortQuestionWindow);
    sortRegister();
}

void MyWindowController::cancelSort(QObject *) { hideAuxiliaryWindow(sortQuestionWindow); }

void MyWindowController::sortRegister()
{
    sortByDate(*dataArray, m_toolkit.today());
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
    myDocument->updateChangeCount(MyDocument::ChangeDone);
}
