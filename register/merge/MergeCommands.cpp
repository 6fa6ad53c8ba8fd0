// The window's merge command: another version of the register chosen in an
// open panel and merged (see MergeOffers).

#include "MyWindowController.h"

#include "MergeOffers.h"
#include "RegisterWindow.h"

#include <QFileInfo>

void MyWindowController::mergeVersion(QAction *)
{
    const QString folder = myDocument->fileName().isEmpty() ? QString() : QFileInfo(myDocument->fileName()).absolutePath();
    const QStringList files = m_toolkit.openPanel(m_window, tr("Merge Another Version"),
                                                  tr("Registers (*.ldgr)"), false, folder);
    if (!files.isEmpty())
        m_merges->mergeFile(files.front());
}
