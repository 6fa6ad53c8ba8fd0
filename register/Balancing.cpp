// End-of-month balancing against the bank's statement.

#include "MyWindowController.h"

void MyWindowController::EOMEnterButton(QObject *) {}
