#include "OfxStatement.h"

#include "OfxScan.h"
#include "StatementText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

bool looksLikeOfx(const QByteArray &bytes)
{
    const QByteArray start = bytes.first(std::min<qsizetype>(bytes.size(), 4096)).toUpper();
    return start.contains("OFXHEADER") || start.contains("<OFX>");
}

namespace {

// What libofx tells of one transaction.
struct LibTransaction {
    double amount = 0;
    bool amountValid = false;
    QString fitid;
    QString name;
    QString memo;
    QString checkNumber;
};

int takeTransaction(const OfxTransactionData data, void *out)
{
    LibTransaction t;
    t.amount = data.amount;
    t.amountValid = data.amount_valid;
    if (data.fi_id_valid)
        t.fitid = QString::fromUtf8(data.fi_id, qstrnlen(data.fi_id, sizeof data.fi_id));
    if (data.name_valid)
        t.name = QString::fromUtf8(data.name, qstrnlen(data.name, sizeof data.name));
    if (data.memo_valid)
        t.memo = QString::fromUtf8(data.memo, qstrnlen(data.memo, sizeof data.memo));
    if (data.check_number_valid)
        t.checkNumber = QString::fromUtf8(data.check_number, qstrnlen(data.check_number, sizeof data.check_number));
    static_cast<std::vector<LibTransaction> *>(out)->push_back(std::move(t));
    return 0;
}

// libofx reads only files. Its messages go to standard error, which is no
// place for them in a window or a pipe; what went wrong is told by us.
std::optional<std::vector<LibTransaction>> libofxTransactions(const QByteArray &bytes)
{
    QTemporaryFile file(QDir::tempPath() + u"/cheqbook-statement-XXXXXX.ofx"_s);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return std::nullopt;
    file.close();
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg =
        ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = ofx_show_position = 0;
    std::vector<LibTransaction> transactions;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, takeTransaction, &transactions);
    libofx_proc_file(context, QFile::encodeName(file.fileName()).constData(), OFX);
    libofx_free_context(context);
    return transactions;
}

QString accountLabel(const OfxScannedStatement &s)
{
    const QString type = s.accountType == u"CREDITCARD" ? u"credit card"_s
        : s.accountType.isEmpty()                        ? u"account"_s
                                                         : s.accountType.toLower();
    return u"%1 %2"_s.arg(type, s.accountId);
}

} // namespace

OfxRead readOfx(const QByteArray &bytes)
{
    OfxRead read;
    const OfxScan scan = scanOfx(bytes);
    if (!scan.error.isEmpty()) {
        read.error = scan.error;
        return read;
    }
    const std::optional<std::vector<LibTransaction>> lib = libofxTransactions(bytes);
    if (!lib) {
        read.error = u"a temporary copy for libofx could not be written to %1"_s.arg(QDir::tempPath());
        return read;
    }
    // libofx and the scan must have read the same transactions, in the same
    // order, with the same amounts; otherwise one of them misread the file.
    size_t total = 0;
    for (const OfxScannedStatement &s : scan.statements)
        total += s.transactions.size();
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
            const LibTransaction &l = (*lib)[k++];
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
