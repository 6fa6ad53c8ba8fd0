// The document's window, made once the document has its register.

#include "MyDocument.h"

#include "MyWindowController.h"

void MyDocument::makeWindowControllers(Toolkit &toolkit)
{
    ensureRegister();
    controller = new MyWindowController(this, toolkit);
    controller->awakeFromNib();
    controller->windowDidLoad();
}
