#include "RegisterDocumentWindow.h"

#include "MergeOffers.h"
#include "RegisterWindow.h"

RegisterDocumentWindow::RegisterDocumentWindow(MyDocument *document, Toolkit &toolkit)
    : MyWindowController(document, toolkit)
{
}

QMainWindow *RegisterDocumentWindow::window() const
{
    return MyWindowController::window();
}

QMenu *RegisterDocumentWindow::fileMenu() const
{
    return MyWindowController::fileMenu();
}

QTableView *RegisterDocumentWindow::tableView() const
{
    return MyWindowController::tableView();
}

void RegisterDocumentWindow::registerReverted()
{
    MyWindowController::registerReverted();
}

void RegisterDocumentWindow::onCloseRequested(QObject *receiver, std::function<void()> close)
{
    connect(this, &MyWindowController::closeRequested, receiver, std::move(close));
}

void RegisterDocumentWindow::closeForGood()
{
    static_cast<RegisterWindow *>(window())->closeForGood();
}

DocumentWindow::MergeOutcome RegisterDocumentWindow::mergeFileOnDisk()
{
    return mergeOffers()->mergeFileOnDisk();
}

MyWindowController *windowController(const MyDocument *document)
{
    return dynamic_cast<RegisterDocumentWindow *>(document->documentWindow());
}

namespace {
// Every program that links the register window shows its documents in it.
[[maybe_unused]] const bool registered = [] {
    registerDocumentWindowFactory([](MyDocument &document, Toolkit &toolkit) -> DocumentWindow * {
        auto *window = new RegisterDocumentWindow(&document, toolkit);
        window->awakeFromNib();
        window->windowDidLoad();
        return window;
    });
    return true;
}();
} // namespace
