#pragma once

// What the tests of hostile statements share: OFX files made to measure, and
// a look at the processes reading them.

#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <functional>
#include <optional>
#include <vector>

#include <sys/types.h>

namespace hostile {

// An OFX 1.x statement of one checking account around what is given, which
// is nested five deep (OFX, BANKMSGSRSV1, STMTTRNRS, STMTRS, BANKTRANLIST)
// and starts on line 6.
inline QByteArray ofxStatement(const QByteArray &inside)
{
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD"
           "<BANKACCTFROM><BANKID>1<ACCTID>1111<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>\n"
        + inside + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

// One transaction, on a line of its own.
inline QByteArray ofxTransaction(int i, const QByteArray &memo = "POS PURCHASE")
{
    return "<STMTTRN><TRNTYPE>POS<DTPOSTED>202611" + QByteArray::number(10 + i % 18).rightJustified(2, '0')
        + "<TRNAMT>-" + QByteArray::number(1 + i % 500) + ".25<FITID>" + QByteArray::number(i) + "<NAME>SHOP "
        + QByteArray::number(i % 700) + "<MEMO>" + memo + "</STMTTRN>\n";
}

inline QByteArray ofxTransactions(int n)
{
    QByteArray all;
    for (int i = 0; i < n; ++i)
        all += ofxTransaction(i);
    return all;
}

// A file libofx takes minutes over (its parser is quadratic in the
// transactions), well within every bound.
inline QByteArray slowOfx() { return ofxStatement(ofxTransactions(30000)); }

// /proc/PID/stat's state, parent and process group.
struct ProcessStat {
    char state = 0;
    pid_t parent = 0;
    pid_t group = 0;
};

inline std::optional<ProcessStat> processStat(pid_t pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 3)
        return std::nullopt;
    return ProcessStat{fields[0].isEmpty() ? '?' : fields[0][0], pid_t(fields[1].toInt()), pid_t(fields[2].toInt())};
}

inline std::vector<pid_t> runningProcesses(const std::function<bool(pid_t, const ProcessStat &)> &which)
{
    std::vector<pid_t> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number)
            continue;
        const std::optional<ProcessStat> s = processStat(pid);
        if (s && s->state != 'Z' && which(pid, *s))
            found.push_back(pid);
    }
    return found;
}

// The OFX readers the process parent started that still run.
inline std::vector<pid_t> ofxReadersOf(pid_t parent)
{
    const QString reader = QFileInfo(qEnvironmentVariable("CHEQBOOK_OFX_READER")).canonicalFilePath();
    return runningProcesses([&](pid_t pid, const ProcessStat &s) {
        return s.parent == parent && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath() == reader;
    });
}

// The processes of a reader's process group (the reader and the child it
// reads in) that still run.
inline std::vector<pid_t> processesOfGroup(pid_t group)
{
    return runningProcesses([&](pid_t, const ProcessStat &s) { return s.group == group; });
}

// Waits up to ms for done() to hold.
inline bool waitFor(const std::function<bool()> &done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

// What is in a folder, hidden entries too.
inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace hostile
