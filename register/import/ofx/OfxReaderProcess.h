#pragma once

// libofx runs in cheqbook-ofx-reader, a process of its own (see
// ofxreader/main.cpp): its parser can take minutes over a hostile file, has
// no way to be told to stop, and keeps a copy of the statement in the
// temporary folder while it works. A process can be killed, with its copy,
// where a thread could not; the reading never leaves a copy behind.

#include "Progress.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct LibofxTransaction {
    double amount = 0;
    bool amountValid = false;
    QString fitid;
    QString name;
    QString memo;
    QString checkNumber;
};

struct LibofxReading {
    std::vector<LibofxTransaction> transactions; // in the order libofx read them
    // libofx could not be run or did not finish the file; transactions are then not to be used.
    QString error;
    // The reading was stopped; nothing is to be used, and nothing said.
    bool stopped = false;
    bool ok() const { return error.isEmpty() && !stopped; }
};

// libofx's reading of the bytes, reporting how many transactions it has
// read out of expected to progress (if any). When progress says to stop,
// the reader is killed there and then, and nothing of it is left: no
// process, no copy of the statement.
LibofxReading readWithLibofx(const QByteArray &bytes, qsizetype expected, Progress *progress = nullptr);

// Where cheqbook-ofx-reader is: CHEQBOOK_OFX_READER when it is set, else
// beside the running program (a build), else in ../libexec/cheqbook from it
// (as installed). Empty when it is in none of them.
QString ofxReaderPath();

// Removes, from the temporary folder tempPath, the private folders of
// readers that were killed with their program before they could remove
// them (only where the system gives them no namespace of their own): those
// no reader holds any more.
void sweepOfxReaderFolders(const QString &tempPath);
