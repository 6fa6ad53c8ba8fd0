#pragma once

// The document architecture: one MyDocument and one register window per
// register; new, open (and open recent), close, save, save as, revert and
// quit, with Save / Don't Save / Cancel for unsaved changes.

#include "Toolkit.h"

#include <QHash>
#include <QList>
#include <QObject>

class MyDocument;
class QMenu;
class QWidget;

class DocumentController : public QObject
{
    Q_OBJECT

public:
    explicit DocumentController(Toolkit &toolkit, QObject *parent = nullptr);
    ~DocumentController() override;

    // File > New: an untitled register in a window of its own.
    MyDocument *newDocument();
    // Opens a register file in a window, or brings its window forward when it
    // is open already. A file that cannot be read shows the reader's message
    // and opens nothing (null).
    MyDocument *openDocument(const QString &path);
    void openDocuments(const QStringList &paths);
    // File > Open...: several files at once.
    void showOpenPanel(QWidget *parent);

    // Closes a document and its window, asking first when it has unsaved
    // changes; false when the user cancelled or saving failed.
    bool closeDocument(MyDocument *document);
    // Saves under the document's name, or asks for one; false on cancel or
    // failure (the failure is shown and the document stays modified).
    bool saveDocument(MyDocument *document);
    bool saveDocumentAs(MyDocument *document);
    // Writes the document to path, adding .ldgr when the name has no extension.
    bool saveDocumentTo(MyDocument *document, QString path);
    // Rereads the document's file after asking; false when nothing changed.
    bool revertDocument(MyDocument *document);
    // Closes every document (asking for each); false when the user cancelled.
    bool closeAll();
    void quit();

    QList<MyDocument *> documents() const { return m_documents; }
    MyDocument *documentForPath(const QString &path) const;
    // The file's name, or "Untitled", "Untitled 2", ...
    QString displayName(const MyDocument *document) const;

    QStringList recentFiles() const;
    void clearRecentFiles();

private:
    void showDocument(MyDocument *document);
    void installMenus(MyDocument *document);
    void fillRecentMenu(QMenu *menu);
    void updateWindow(MyDocument *document);
    void noteRecentFile(const QString &path);
    QWidget *windowOf(const MyDocument *document) const;

    Toolkit &m_toolkit;
    QList<MyDocument *> m_documents;
    QHash<const MyDocument *, QString> m_untitledNames;
    int m_untitledCount = 0;
};
