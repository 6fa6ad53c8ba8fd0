#pragma once

// The signals that would end the desktop program without a word. A file size
// limit (SIGXFSZ) and a pipe closed under a write (SIGPIPE) make the write
// fail, so that it is reported like any other failed write. A request to end
// (SIGTERM, SIGHUP, SIGINT) first writes the recovery copies of the
// registers with unsaved changes, then ends the program as the signal would
// have: the handler itself only passes the signal on to the event loop.

#include <QObject>

class DocumentController;
class QSocketNotifier;

class ProcessSignals : public QObject
{
    Q_OBJECT

public:
    explicit ProcessSignals(DocumentController &documents, QObject *parent = nullptr);
    ~ProcessSignals() override;

    // Failed writes instead of a killed program: first thing in main, before
    // anything is written (the single-instance lock is).
    static void reportFailedWrites();

private:
    void endRequested();

    DocumentController &m_documents;
    QSocketNotifier *m_notifier = nullptr;
};
