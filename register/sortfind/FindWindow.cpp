#include "FindWindow.h"

#include "WindowKeys.h"
#include "ui_Find.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

FindWindow::FindWindow(QWidget *registerWindow)
    : QObject(registerWindow), m_registerWindow(registerWindow), m_dialog(new QDialog(registerWindow, Qt::Dialog))
{
    Ui::Find ui;
    ui.setupUi(m_dialog);
    m_field = ui.findField;
    connect(ui.findButton, &QPushButton::clicked, this, [this, b = ui.findButton] { emit findRequested(b); });
    connect(ui.findAgainButton, &QPushButton::clicked, this, [this, b = ui.findAgainButton] { emit findAgainRequested(b); });
    connect(ui.cancelButton, &QPushButton::clicked, this, [this, b = ui.cancelButton] { emit cancelRequested(b); });
}

void FindWindow::show()
{
    m_field->clear();
    showOverWindow(m_dialog, m_registerWindow);
    m_field->setFocus();
}

QString FindWindow::take()
{
    // A line edit always holds a text, possibly empty; an empty one finds nothing.
    const QString text = m_field->text();
    hide();
    return text;
}

void FindWindow::hide() { hideBackToWindow(m_dialog, m_registerWindow); }
