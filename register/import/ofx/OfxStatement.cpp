#include "OfxStatement.h"

#include "OfxReaderProcess.h"
#include "OfxScan.h"
#include "StatementText.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

bool looksLikeOfx(const QByteArray &bytes)
{
    const QByteArray start = bytes.first(std::min<qsizetype>(bytes.size(), 4096)).toUpper();
    return start.contains("OFXHEADER") || start.contains("<OFX>");
}

namespace {

QString accountLabel(const OfxScannedStatement &s)
{
    const QString type = s.accountType == u"CREDITCARD" ? u"credit card"_s
        : s.accountType.isEmpty()                        ? u"account"_s
                                                         : s.accountType.toLower();
    return u"%1 %2"_s.arg(type, s.accountId);
}

} // namespace

OfxRead readOfx(const QByteArray &bytes, Progress *progress)
{
    OfxRead read;
    OfxScan scan;
    try {
        scan = scanOfx(bytes, progress);
    } catch (const WorkStopped &) {
        read.stopped = true;
        read.error = kReadingStoppedMessage.toString();
        return read;
    }
    if (!scan.error.isEmpty()) {
        read.error = scan.error;
        return read;
    }
    size_t total = 0;
    for (const OfxScannedStatement &s : scan.statements)
        total += s.transactions.size();
    const LibofxReading libofx = readWithLibofx(bytes, qsizetype(total), progress);
    if (!libofx.ok()) {
        read.stopped = libofx.stopped;
        read.error = libofx.stopped ? kReadingStoppedMessage.toString() : libofx.error;
        return read;
    }
    const std::vector<LibofxTransaction> *lib = &libofx.transactions;
    // libofx and the scan must have read the same transactions, in the same
    // order, with the same amounts; otherwise one of them misread the file.
    size_t k = 0;
    for (const OfxScannedStatement &s : scan.statements) {
        for (const OfxScannedTransaction &t : s.transactions) {
            const std::optional<Cents> libCents =
                k < lib->size() && (*lib)[k].amountValid ? centsFromDouble((*lib)[k].amount) : std::nullopt;
            if (!libCents || *libCents != t.amount) {
                read.error = u"line %1: the transaction that begins here is not written as OFX says (libofx "
                             "read %2 transactions where the file has %3); nothing was imported"_s.arg(t.line)
                                 .arg(lib->size())
                                 .arg(total);
                return read;
            }
            ++k;
        }
    }
    if (lib->size() != total) {
        read.error = u"libofx read %1 transactions where the file has %2; nothing was imported"_s.arg(lib->size())
                         .arg(total);
        return read;
    }

    k = 0;
    for (const OfxScannedStatement &s : scan.statements) {
        auto same = std::find_if(read.accounts.begin(), read.accounts.end(),
                                 [&](const OfxAccount &a) { return a.id == s.accountId; });
        if (same == read.accounts.end()) {
            read.accounts.push_back({s.accountId, accountLabel(s), {}, {}, {}});
            same = read.accounts.end() - 1;
        }
        // A date without a balance is nothing to balance against.
        if (s.ledgerBalance) {
            same->ledgerBalance = s.ledgerBalance;
            same->ledgerDate = s.ledgerDate;
        }
        for (const OfxScannedTransaction &t : s.transactions) {
            const LibofxTransaction &l = (*lib)[k++];
            StatementLine line;
            line.lineNumber = t.line;
            line.date = t.posted.toString(u"MM/dd/yyyy");
            line.amount = t.amount;
            // libofx leaves out what an entity of the file's own stands for;
            // the scan's reading of such a payee is used instead.
            const QString described = t.ownText ? describeWithMemo(t.name, t.memo) : describeWithMemo(l.name, l.memo);
            line.doubt = t.entityDoubt;
            line.description = limitedText(withoutControls(described), kMaxStatementDescription,
                                           u"the description"_s, &line.note);
            QString cut;
            line.checkNumber = statementCheckNumber(l.checkNumber, &cut);
            if (line.note.isEmpty())
                line.note = cut;
            const QString fitid = l.fitid.isEmpty() ? t.fitid : l.fitid;
            // A bank that sends no id gets the transaction's fingerprint instead.
            const QString id = fitid.isEmpty()
                ? fieldsFingerprint({line.date, QString::number(line.amount), l.name, l.memo, l.checkNumber}).mid(4)
                : fitid;
            line.bankId = u"ofx:%1:%2"_s.arg(s.accountId, id);
            same->statement.lines.push_back(std::move(line));
        }
    }
    for (OfxAccount &a : read.accounts)
        numberRepeatedIds(a.statement.lines);
    return read;
}
