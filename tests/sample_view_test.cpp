// The stand-alone sample view: its sample record, its data source and its log.

#include "MyScrollView.h"

#include "PreconditionFailure.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList *g_log = nullptr;

void capture(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    g_log->append(type == QtInfoMsg ? message : u"[not info] "_s + message);
}

class SampleView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log = &m_log;
        m_previous = qInstallMessageHandler(capture);
    }
    void TearDown() override { qInstallMessageHandler(m_previous); }
    // The lines logged since the last call.
    QStringList takeLog() { return std::exchange(m_log, {}); }

    QStringList m_log;
    QtMessageHandler m_previous = nullptr;
};

TEST_F(SampleView, LogsItsMakingAndServesItsRows)
{
    MyScrollView view;
    EXPECT_EQ(takeLog(), (QStringList{u"tableView"_s, u"reloadData"_s, u"Should have one record"_s}));
    EXPECT_EQ(view.numberOfRowsInTableView(view.tableView()), 1);
    EXPECT_EQ(takeLog(), QStringList{u"1"_s});

    const struct {
        QString column;
        Value expected;
    } cases[] = {{u"CheckNumber"_s, Value::text(u"1")}, {u"DescriptionofTransaction"_s, Value::text(u"First")},
                 {u"Date"_s, Value::text(u"3/13")},     {u"Amount"_s, Value::int32(1)},
                 {u"Total"_s, Value::int32(1)},         {u"EOMSeen"_s, Value()},
                 {u"checknumber"_s, Value()}};
    for (const auto &c : cases) {
        const Value v = view.tableViewObjectValue(view.tableView(), c.column, 0);
        EXPECT_EQ(v, c.expected) << c.column.toStdString();
        EXPECT_EQ(v.kind(), c.expected.kind()) << c.column.toStdString();
        EXPECT_EQ(takeLog(), QStringList{u"tableView"_s});
    }
}

TEST_F(SampleView, AGivenListIsSharedAndGetsTheSampleLast)
{
    auto list = std::make_shared<Register>(std::vector<RecordPtr>{makeRecord(), makeRecord()});
    MyScrollView view(list);
    EXPECT_EQ(view.array(), list);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ((*list)[2].value(Key::DescriptionofTransaction), Value::text(u"First"));
    takeLog();
    EXPECT_EQ(view.numberOfRowsInTableView(view.tableView()), 3);
    EXPECT_EQ(takeLog(), QStringList{u"3"_s});
}

TEST_F(SampleView, ARowOutsideTheListIsAPreconditionFailure)
{
    const QString description = u"Invalid parameter not satisfying: rowIndex >= 0 && rowIndex < [dataArray count]"_s;
    MyScrollView view;
    for (int row : {-1, 1}) {
        takeLog();
        try {
            view.tableViewObjectValue(view.tableView(), u"CheckNumber"_s, row);
            ADD_FAILURE() << "no failure for row " << row;
        } catch (const PreconditionFailure &failure) {
            EXPECT_EQ(QString::fromUtf8(failure.what()), description);
            EXPECT_EQ(failure.source(), u"MyScrollView"_s);
            EXPECT_EQ(failure.line(), 42);
        }
        const QStringList log = takeLog();
        ASSERT_EQ(log.size(), 2) << row;
        EXPECT_EQ(log[0], u"tableView"_s);
        EXPECT_TRUE(log[1].contains(u"MyScrollView:42"_s) && log[1].contains(description)) << log[1].toStdString();
    }
}

} // namespace
