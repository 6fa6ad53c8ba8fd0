// Editing a large register in the window while its recovery copies are
// written: an entry or a cell edit every quarter of a second, and a timer
// that should fire every 5 ms, whose late firings are the frames the user
// waited for. Prints the longest frame, the frames over 100 ms and the
// copies written, in milliseconds and counts; bench/run makes them ratios.
// With --on-window-thread the copies are written as Cheqbook wrote them
// before they were written on a thread of their own: whole, on the window's
// thread, every 3 seconds while there are changes (RecoveryStore::save).
//
// With --no-copies no copy is written: the edits alone.
//
//   editing_frames REGISTER.ldgr [SECONDS] [--on-window-thread | --no-copies]

#include "DocumentController.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "QuietToolkit.h"
#include "RecoveryStore.h"
#include "RegisterTableModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"CheqbookBench"_s);
    QApplication::setApplicationName(u"CheqbookBench"_s);
    if (argc < 2) {
        std::fprintf(stderr, "usage: editing_frames REGISTER.ldgr [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 12;
    const bool onWindowThread = argc > 3 && std::strcmp(argv[3], "--on-window-thread") == 0;
    const bool noCopies = argc > 3 && std::strcmp(argv[3], "--no-copies") == 0;
    QTemporaryDir recovery;
    QuietToolkit toolkit;
    // On the window's thread, the controller's own copies cannot be made
    // (their folder cannot be), and the bench writes them instead.
    DocumentController documents(toolkit,
                                 onWindowThread || noCopies ? u"/proc/no-recovery-here"_s : recovery.path());
    RecoveryStore store(recovery.path());
    MyDocument *doc = documents.openDocument(QString::fromLocal8Bit(argv[1]));
    if (!doc)
        return 1;
    MyWindowController *c = windowController(doc);
    QMainWindow *w = c->window();
    w->resize(1000, 700);
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    double longest = 0;
    int over = 0;
    QTimer frames;
    frames.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frames, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double frame = double(now - last) / 1e6;
        last = now;
        longest = std::max(longest, frame);
        over += frame > 100;
    });

    int edits = 0;
    QTimer editing;
    QObject::connect(&editing, &QTimer::timeout, [&] {
        // Entries at the end, and descriptions edited in place all over.
        if (edits % 2 == 0) {
            w->findChild<QLineEdit *>(u"DescriptionofTransaction"_s)->setText(u"Coffee %1"_s.arg(edits));
            w->findChild<QLineEdit *>(u"Amount"_s)->setText(u"-4.50"_s);
            c->addTransaction(w->findChild<QPushButton *>(u"enterButton"_s));
        } else {
            QAbstractItemModel *model = c->tableView()->model();
            const int row = 1 + (edits * 7919) % (model->rowCount() - 1);
            model->setData(model->index(row, RegisterTableModel::DescriptionColumn), u"Edited %1"_s.arg(edits));
        }
        ++edits;
        w->repaint();
    });

    int copies = 0;
    QTimer watchCopies;
    QDateTime lastCopy;
    QObject::connect(&watchCopies, &QTimer::timeout, [&] {
        for (const QFileInfo &f : QDir(recovery.path()).entryInfoList({u"*.ldgr"_s}, QDir::Files))
            if (f.lastModified() != lastCopy) {
                lastCopy = f.lastModified();
                ++copies;
            }
    });

    QTimer oldCopies;
    QObject::connect(&oldCopies, &QTimer::timeout, [&] {
        if (doc->isDocumentEdited())
            store.save(1, doc->fileName(), doc->diskStamp(), *doc->array());
    });
    if (onWindowThread)
        oldCopies.start(DocumentController::kRecoveryDelayMs);

    last = clock.nsecsElapsed();
    frames.start(5);
    editing.start(250);
    watchCopies.start(500);
    QTimer::singleShot(seconds * 1000, &app, [&] {
        frames.stop();
        editing.stop();
        std::printf("editing_longest_frame %.1f\n", longest);
        std::printf("editing_frames_over_100ms %d\n", over);
        std::printf("editing_edits %d\n", edits);
        std::printf("editing_recovery_copies %d\n", copies);
        std::fflush(stdout);
        std::_Exit(0); // taking a large register apart is not what is measured
    });
    return app.exec();
}
