#pragma once

// A register file in a folder of its own, opened through the document
// controller with the program's own signal handling, as the data safety
// tests use it.

#include "AtomicFile.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "FileLock.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "ProcessSignals.h"
#include "RegisterDocumentWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class DataSafetyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        path = dir.filePath(u"checking.ldgr"_s);
        writeFile(path, original);
    }
    void TearDown() override
    {
        for (MyDocument *d : controller.documents())
            d->updateChangeCount();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void enter(MyDocument *d, const QString &amount)
    {
        QMainWindow *w = windowController(d)->window();
        w->findChild<QLineEdit *>(u"Amount"_s)->setText(amount);
        w->findChild<QPushButton *>(u"enterButton"_s)->click();
    }

    QTemporaryDir dir;
    QString path;
    const QByteArray original = "({Amount = 100.00; DescriptionofTransaction = Opening;})";
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    ProcessSignals signalHandling{controller};
};

