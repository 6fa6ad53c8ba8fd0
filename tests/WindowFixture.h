#pragma once

// A register document with its window, for driving the window in tests.

#include "FakeToolkit.h"
#include "ImportPreviewDialog.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "RegisterTableModel.h"
#include "TestSupport.h"
#include "WindowKeys.h"

#include <QAction>
#include <QHash>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>

// Each access key (Alt and a letter) among these texts has one owner.
inline void expectOneOwnerForEachAccessKey(const QStringList &texts, const QString &where)
{
    QHash<QChar, QString> owners;
    for (const QString &text : texts) {
        const QChar key = accessKey(text);
        if (key.isNull())
            continue;
        EXPECT_FALSE(owners.contains(key)) << where.toStdString() << ": Alt+" << QString(key).toStdString() << " for "
                                           << text.toStdString() << " and " << owners.value(key).toStdString();
        owners.insert(key, text);
    }
}

struct Row {
    const char *amount;
    const char *check = "";
    const char *description = "";
    const char *date = "";
};

class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override { QSettings().clear(); }

    // Opens a register of these rows in a window, as opening a file does
    // (with another toolkit than the fake, when one is given).
    void open(std::initializer_list<Row> rows, Toolkit *with = nullptr)
    {
        doc = std::make_unique<MyDocument>();
        doc->ensureRegister();
        for (const Row &r : rows) {
            RecordPtr record = makeRecord();
            record->set(Key::Amount, Value::text(QString::fromUtf8(r.amount)));
            record->set(Key::CheckNumber, Value::text(QString::fromUtf8(r.check)));
            record->set(Key::DescriptionofTransaction, Value::text(QString::fromUtf8(r.description)));
            record->set(Key::Date, Value::text(QString::fromUtf8(r.date)));
            doc->array()->append(record);
        }
        doc->makeWindowControllers(with ? *with : toolkit);
        c = windowController(doc.get());
    }

    QLineEdit *field(const char *name) const
    {
        return c->window()->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QPushButton *enterButton() const { return c->window()->findChild<QPushButton *>(QStringLiteral("enterButton")); }
    Register &reg() const { return *doc->array(); }

    // The text forms of one key down the register.
    QStringList column(Key key) const
    {
        QStringList out;
        for (const RecordPtr &r : reg().rows())
            out << r->value(key).toString();
        return out;
    }

    // Types into the entry fields (null leaves a field as it is).
    void type(const char *check, const char *description, const char *amount, const char *date = nullptr)
    {
        if (check)
            field("CheckNumber")->setText(QString::fromUtf8(check));
        if (description)
            field("DescriptionofTransaction")->setText(QString::fromUtf8(description));
        if (amount)
            field("Amount")->setText(QString::fromUtf8(amount));
        if (date)
            field("Date")->setText(QString::fromUtf8(date));
    }

    // Presses Import in the statement preview that is open; false when none is.
    bool pressImport()
    {
        ImportPreviewDialog *preview = c->importPreview();
        if (!preview)
            return false;
        preview->findChild<QPushButton *>(QStringLiteral("importButton"))->click();
        return true;
    }

    void selectRows(std::initializer_list<int> rows)
    {
        c->deselectAll();
        for (int row : rows)
            c->selectRowIndexes(row, true);
    }

    FakeToolkit toolkit;
    std::unique_ptr<MyDocument> doc;
    MyWindowController *c = nullptr;
    QAction menuItem; // a sender that is not a button
};
