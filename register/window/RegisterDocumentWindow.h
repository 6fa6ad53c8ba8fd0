#pragma once

// The register window as the desktop shell's DocumentWindow: the window
// controller itself, seen through the shell's small interface.

#include "DocumentWindow.h"
#include "MyWindowController.h"

class RegisterDocumentWindow : public MyWindowController, public DocumentWindow
{
public:
    RegisterDocumentWindow(MyDocument *document, Toolkit &toolkit);

    QMainWindow *window() const override;
    QMenu *fileMenu() const override;
    QTableView *tableView() const override;
    void registerReverted() override;
    void onCloseRequested(QObject *receiver, std::function<void()> close) override;
    void closeForGood() override;
    MergeOutcome mergeFileOnDisk() override;
};

// The controller of a document's register window; null before the window is made.
MyWindowController *windowController(const MyDocument *document);
