// The register window's balancing commands: each hands over to the window's
// balancing drawer.

#include "MyWindowController.h"

#include "BalancingDrawer.h"

void MyWindowController::showEndOfMonthWindowAction(QObject *) { m_drawer->begin(); }

void MyWindowController::EOMEnterButton(QObject *) { m_drawer->enterAmount(); }

void MyWindowController::EOMDoneButton(QObject *) { m_drawer->done(); }

void MyWindowController::finishStatementButton(QObject *) { m_drawer->finish(); }

void MyWindowController::setStatement(const BankStatement &statement) { m_drawer->setStatement(statement); }
