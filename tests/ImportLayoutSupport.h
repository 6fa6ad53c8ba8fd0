#pragma once

// What the tests of banks' layouts share: the statements in the test data,
// and the lines and skipped lines a reading must give.

#include "Statement.h"

#include "TestSupport.h"

#include <QDate>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

inline const QDate kToday(2026, 12, 7);

inline QByteArray statementFile(const char *name)
{
    const QByteArray bytes = readFile(QStringLiteral(TEST_DATA_DIR "/statements/") + QString::fromLatin1(name));
    EXPECT_FALSE(bytes.isEmpty()) << name;
    return bytes;
}

struct Line {
    int line;
    const char16_t *date;
    const char16_t *check;
    const char16_t *description;
    Cents amount;
};

inline void expectLines(const Statement &s, const std::vector<Line> &expected,
                 const std::vector<std::pair<int, const char16_t *>> &skipped)
{
    ASSERT_TRUE(s.ok()) << s.error.toStdString();
    ASSERT_EQ(s.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.lines[i].lineNumber, expected[i].line);
        EXPECT_EQ(s.lines[i].date, QStringView(expected[i].date).toString());
        EXPECT_EQ(s.lines[i].checkNumber, QStringView(expected[i].check).toString());
        EXPECT_EQ(s.lines[i].description, QStringView(expected[i].description).toString());
        EXPECT_EQ(s.lines[i].amount, expected[i].amount);
        EXPECT_TRUE(s.lines[i].bankId.startsWith(u"csv:")) << s.lines[i].bankId.toStdString();
    }
    ASSERT_EQ(s.skipped.size(), skipped.size());
    for (size_t i = 0; i < skipped.size(); ++i) {
        EXPECT_EQ(s.skipped[i].lineNumber, skipped[i].first);
        EXPECT_EQ(s.skipped[i].reason, QStringView(skipped[i].second).toString());
    }
}
