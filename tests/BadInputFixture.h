#pragma once

// What the tests of malformed registers and statements share: files written
// in odd encodings, the messages they expect, a document with an unsaved
// change, and a snapshot of it to compare before and after.

#include "MyDocument.h"
#include "RegisterFile.h"
#include "RunningBalance.h"
#include "StatementDates.h"
#include "StatementImport.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

inline QByteArray utf16(const QString &text, bool littleEndian, bool bom)
{
    QStringEncoder encoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

inline QByteArray xml(const char *inner)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n" + QByteArray(inner)
        + "\n</array>\n</plist>\n";
}

const QString kNul = u"the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text without the "
                     "byte-order mark that tells how to read it"_s;
const QString kNotUtf8 = u"the file is neither ASCII nor UTF-8 text"_s;
const QString kOutOfRange = u"is out of range (amounts are limited to 90 trillion dollars)"_s;

inline QString notAnAmount(int row, const QString &amount)
{
    return u"row %1: the Amount \u201c%2\u201d is not an amount"_s.arg(row).arg(amount);
}


class BadInput : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_EQ(f.write(bytes), bytes.size());
        return path;
    }
    QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
    // A document that holds rows and an unsaved change.
    void openRegister(MyDocument &doc)
    {
        QString why;
        ASSERT_TRUE(doc.readFromFile(write(u"good.ldgr"_s, m_good), u"ldgr", &why)) << why.toStdString();
        doc.updateChangeCount();
    }

    QTemporaryDir m_dir;
    const QByteArray m_good = "(\n{Amount = 1000; Date = 01/01/2026; DescriptionofTransaction = Opening; "
                              "Total = 1000;},\n{Amount = -45.25; CheckNumber = 101; DescriptionofTransaction = Groceries;}\n)\n";
};

// What a document shows of itself, to compare before and after.
struct Snapshot {
    RegisterPtr array;
    std::vector<RecordPtr> rows;
    QByteArray text;
    QString fileName;
    int changeCount;
    explicit Snapshot(const MyDocument &doc)
        : array(doc.array())
        , rows(doc.array() ? doc.array()->rows() : std::vector<RecordPtr>())
        , text(doc.dataRepresentationOfType().value_or(QByteArray()))
        , fileName(doc.fileName())
        , changeCount(doc.changeCount())
    {
    }
    void expectSame(const MyDocument &doc) const
    {
        const Snapshot now(doc);
        EXPECT_EQ(now.array, array) << "the register object was replaced";
        EXPECT_EQ(now.rows, rows) << "the rows were replaced";
        EXPECT_EQ(now.text, text) << "the rows were changed";
        EXPECT_EQ(now.fileName, fileName);
        EXPECT_EQ(now.changeCount, changeCount);
    }
};


