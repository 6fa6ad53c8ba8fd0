#include "RegisterWindow.h"

#include <QCloseEvent>

void RegisterWindow::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    emit closeRequested();
}
