// Deleting the one selected transaction.

#include "MyWindowController.h"

using namespace Qt::StringLiterals;

void MyWindowController::deleteTransaction(QObject *)
{
    const int selectedCount = numberOfSelectedRows();
    if (selectedCount <= 0) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"As powerful a computer as I am, I can't read your mind.\n"
                        "Please select a row to be deleted!"_s);
        return;
    }
    if (selectedCount >= 2) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"I con only delete one row at a time.\nPlease select only one row to delete!"_s);
        return;
    }
    const int row = selectedRow();
    if (row == 0) {
        m_toolkit.alert(m_window, u"Error"_s, u"I can't delete what you started out with,\nthat would be silly!"_s);
        return;
    }
    myDocument->remData(myDocument->objectAtIndex(row));
    recalculateCheckbook();
    reloadData();
    autoNumber();
}
