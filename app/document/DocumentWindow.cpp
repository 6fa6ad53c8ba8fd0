#include "DocumentWindow.h"

#include "MyDocument.h"

#include <QtGlobal>

namespace {
DocumentWindowFactory &registeredFactory()
{
    static DocumentWindowFactory factory;
    return factory;
}
} // namespace

void registerDocumentWindowFactory(DocumentWindowFactory factory)
{
    registeredFactory() = std::move(factory);
}

DocumentWindow *makeDocumentWindow(MyDocument &document, Toolkit &toolkit)
{
    if (!registeredFactory())
        qFatal("No window is registered to show a document in: link the register window");
    return registeredFactory()(document, toolkit);
}

void MyDocument::makeWindowControllers(Toolkit &toolkit)
{
    ensureRegister();
    m_window = makeDocumentWindow(*this, toolkit);
}
