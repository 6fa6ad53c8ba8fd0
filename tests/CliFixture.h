#pragma once

// cheqbook-cli run as a user runs it, with what it remembers kept apart from
// the user's own settings.

#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Where cheqbook-cli keeps what it remembers (the layouts of banks' files):
// never the user's own settings.
inline const QString &configHome()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

inline ProgramRun cli(const QStringList &args, const QString &stdoutFile = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, configHome());
    return runProgram(QString::fromUtf8(CHEQBOOK_CLI), args, stdoutFile, env);
}

class CliTest : public ::testing::Test
{
protected:
    // Each test starts with nothing remembered.
    void SetUp() override { QDir(configHome() + u"/Cheqbook"_s).removeRecursively(); }
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    QTemporaryDir m_dir;
    const QByteArray m_register = "(\n"
                                  "{Amount = 1000; CheckNumber = \"\"; Date = 03/01/2007; "
                                  "DescriptionofTransaction = Paycheck; Total = 1000;},\n"
                                  "{Amount = -45.25; CheckNumber = 101; Date = 03/12/2007; "
                                  "DescriptionofTransaction = Groceries;}\n"
                                  ")\n";
};
