#pragma once

// A document's window as the desktop shell sees it: what the shell needs to
// place it, put its File commands in, remember its columns and close it. The
// register window is one; the shell never knows more of it than this, and the
// document only holds it. No widget header here: the document is below them.

#include <functional>

class MyDocument;
class QMainWindow;
class QMenu;
class QObject;
class QTableView;
class Toolkit;

class DocumentWindow
{
public:
    virtual ~DocumentWindow() = default;

    virtual QMainWindow *window() const = 0;
    // Where the shell adds its commands (New, Open, Save, Revert, Close…).
    virtual QMenu *fileMenu() const = 0;
    // The table whose columns the shell remembers for the file.
    virtual QTableView *tableView() const = 0;
    // The register was read again (reverted or restored): show it afresh.
    virtual void registerReverted() = 0;
    // The user asked to close the window: close is called (while receiver
    // lives), and the window stays open until closeForGood.
    virtual void onCloseRequested(QObject *receiver, std::function<void()> close) = 0;
    virtual void closeForGood() = 0;

    // The register's file was changed on disk by another program (a sync
    // tool bringing another computer's save, say) while the window holds
    // changes of its own: merges that version into the window's rows, as
    // one step, nothing written. NothingNew: the window's rows hold all of
    // it already, so writing them over it loses nothing.
    enum class MergeOutcome { Merged, NothingNew, NotMerged };
    virtual MergeOutcome mergeFileOnDisk() = 0;
};

// Makes the window of a document, a child of the document. The window layer
// registers it (the register window does, as the program starts), so that
// neither the document nor the shell includes the window.
using DocumentWindowFactory = std::function<DocumentWindow *(MyDocument &document, Toolkit &toolkit)>;
void registerDocumentWindowFactory(DocumentWindowFactory factory);
// The window of the document from the registered factory; without one
// (a program that links no window) this is a programming fault and aborts.
DocumentWindow *makeDocumentWindow(MyDocument &document, Toolkit &toolkit);
