#include "OfxScan.h"

#include "OfxValues.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class Scanner
{
public:
    Scanner(QByteArrayView bytes, Progress *progress) : b(bytes), stop(progress, 1 << 16) {}

    OfxScan run()
    {
        if (b.size() > kMaxOfxBytes) {
            fail(0, u"the file is %1 MB, more than the %2 MB Cheqbook reads as an OFX statement (a year of a busy "
                     "account is a few); nothing was imported"_s.arg(megabytes(b.size())).arg(kMaxOfxBytes >> 20));
            return std::move(result);
        }
        while (i < b.size() && result.error.isEmpty()) {
            stop.pass(i, b.size());
            const char c = b[i];
            if (c != '<') {
                step();
                continue;
            }
            tag();
        }
        if (result.error.isEmpty()) {
            if (statement)
                fail(lastLine(), u"the file ends here, inside the statement that begins on line %1: the download "
                                 "was probably cut off; nothing was imported"_s.arg(statement->line));
            endStatement();
            if (!sawOfx)
                fail(0, u"there is no <OFX> element, so it is not an OFX statement"_s);
            else if (result.statements.empty() && !bankError.isEmpty())
                fail(bankErrorLine, bankError);
            else if (result.statements.empty())
                fail(0, u"it holds no bank or credit card statement"_s);
        }
        if (!result.error.isEmpty())
            result.statements.clear();
        return std::move(result);
    }

private:
    void step()
    {
        if (b[i] == '\n' || (b[i] == '\r' && (i + 1 >= b.size() || b[i + 1] != '\n')))
            ++line;
        ++i;
    }

    // Moves past the first occurrence of end, counting lines; false at the end of the text.
    bool skipPast(QByteArrayView end)
    {
        while (i < b.size()) {
            if (b.sliced(i).startsWith(end)) {
                i += end.size();
                return true;
            }
            step();
        }
        return false;
    }

    static qsizetype megabytes(qsizetype bytes) { return (bytes + (1 << 20) - 1) >> 20; }

    // A text (between two tags, or a tag, comment or declaration itself)
    // beyond what libofx is given.
    bool tooLong(qsizetype length, int at, const QString &what)
    {
        if (length <= kMaxOfxText)
            return false;
        fail(at, u"%1 is %2 characters long, more than the %3 Cheqbook reads in one piece of an OFX file (a "
                  "bank writes a few hundred at most); nothing was imported"_s.arg(what)
                     .arg(length)
                     .arg(kMaxOfxText));
        return true;
    }

    void fail(int at, const QString &why)
    {
        if (result.error.isEmpty())
            result.error = at > 0 ? u"line %1: %2"_s.arg(QString::number(at), why) : why;
    }

    // The last line that holds anything.
    int lastLine() const
    {
        qsizetype end = b.size();
        while (end > 0 && isOfxSpace(b[end - 1]))
            --end;
        int n = 1;
        for (qsizetype k = 0; k < end; ++k)
            n += b[k] == '\n' || (b[k] == '\r' && (k + 1 >= b.size() || b[k + 1] != '\n'));
        return n;
    }

    void tag()
    {
        const int tagLine = line;
        const QByteArrayView rest = b.sliced(i);
        const qsizetype start = i;
        if (rest.startsWith("<!--")) {
            if (!skipPast("-->"))
                fail(tagLine, u"a comment that never ends"_s);
            tooLong(i - start, tagLine, u"the comment that begins here"_s);
            return;
        }
        if (rest.startsWith("<!DOCTYPE")) {
            // The declarations between [ and ] are read one by one.
            // Looked for within the bound, or a file of many would be read over and over.
            const QByteArrayView head = rest.first(std::min(rest.size(), kMaxOfxText));
            const qsizetype open = head.indexOf('['), close = head.indexOf('>');
            if (close < 0) {
                const qsizetype end = rest.indexOf('>');
                if (end < 0)
                    fail(tagLine, u"a declaration that never ends"_s);
                else
                    tooLong(end + 1, tagLine, u"the declaration that begins here"_s);
                return;
            }
            const qsizetype past = open >= 0 && open < close ? open + 1 : close + 1;
            for (qsizetype k = 0; k < past; ++k)
                step();
            return;
        }
        if (rest.startsWith("<!ENTITY"))
            entities.declare(rest.first(std::min<qsizetype>(rest.size(), 4096)));
        if (rest.startsWith("<?") || rest.startsWith("<!")) {
            if (!skipPast(">"))
                fail(tagLine, u"a declaration that never ends"_s);
            tooLong(i - start, tagLine, u"the declaration that begins here"_s);
            return;
        }
        qsizetype j = i + 1;
        const bool closing = j < b.size() && b[j] == '/';
        if (closing)
            ++j;
        const qsizetype nameStart = j;
        while (j < b.size() && b[j] != '>' && b[j] != '<' && !isOfxSpace(b[j]))
            ++j;
        const QByteArray name = b.sliced(nameStart, j - nameStart).toByteArray().toUpper();
        while (j < b.size() && b[j] != '>' && b[j] != '<')
            ++j;
        if (j >= b.size() || b[j] != '>') {
            fail(tagLine, u"the tag \u201c%1\u201d never ends"_s.arg(QString::fromLatin1(name.left(40))));
            return;
        }
        const QString shownTag = u"<%1%2>"_s.arg(closing ? u"/"_s : QString(), QString::fromLatin1(name.left(40)));
        if (tooLong(j + 1 - i, tagLine, u"the tag %1"_s.arg(shownTag)))
            return;
        while (i <= j)
            step();
        qsizetype valueEnd = i;
        while (valueEnd < b.size() && b[valueEnd] != '<')
            ++valueEnd;
        if (tooLong(valueEnd - i, tagLine, u"the text after %1"_s.arg(shownTag)))
            return;
        const QByteArrayView value = ofxTrimmed(b.sliced(i, valueEnd - i));
        if (closing) {
            closeAggregate(name);
            close(name);
        } else {
            if (value.isEmpty() && !openAggregate(name, tagLine))
                return;
            open(name, value, tagLine);
        }
    }

    // An element followed by another tag rather than by its value holds
    // others (or is an empty value, which SGML never closes: it is closed
    // with the element around it). How deep they are nested is bounded.
    bool openAggregate(const QByteArray &name, int at)
    {
        if (int(nesting.size()) >= kMaxOfxDepth) {
            fail(at, u"<%1> is nested %2 deep, more than the %3 Cheqbook reads (a bank's statement is nested "
                     "about 8 deep); nothing was imported"_s.arg(QString::fromLatin1(name.left(40)))
                         .arg(nesting.size() + 1)
                         .arg(kMaxOfxDepth));
            return false;
        }
        nesting.push_back(name);
        return true;
    }

    // A closing tag closes its element and every one opened in it since; one
    // that closes nothing open (a value's, in XML) changes nothing.
    void closeAggregate(const QByteArray &name)
    {
        for (auto k = nesting.size(); k > 0; --k) {
            if (nesting[k - 1] == name) {
                nesting.resize(k - 1);
                return;
            }
        }
    }

    void open(const QByteArray &name, QByteArrayView value, int at)
    {
        if (name == "OFX") {
            sawOfx = true;
        } else if (name == "STMTRS" || name == "CCSTMTRS") {
            endStatement();
            result.statements.push_back({});
            statement = &result.statements.back();
            statement->line = at;
            if (name == "CCSTMTRS")
                statement->accountType = u"CREDITCARD"_s;
        } else if (name == "INVSTMTRS") {
            fail(at, u"an investment statement, which a checkbook register does not import"_s);
        } else if (name == "BANKACCTFROM" || name == "CCACCTFROM") {
            inAccount = true;
        } else if (name == "STMTTRN") {
            if (!statement)
                return fail(at, u"a transaction outside any statement"_s);
            if (++transactions > kMaxOfxTransactions)
                return fail(at, u"transaction %1 begins here, more than the %2 Cheqbook reads from one OFX file (a "
                                "year of a busy account has a few thousand): ask the bank for a shorter period; "
                                "nothing was imported"_s.arg(transactions)
                                    .arg(kMaxOfxTransactions));
            endTransaction();
            transaction = Pending();
            transaction->line = at;
        } else if (name == "LEDGERBAL") {
            inLedger = true;
        } else if (name == "STATUS") {
            status = Status();
            status->line = at;
        } else if (status && (name == "CODE" || name == "SEVERITY" || name == "MESSAGE")) {
            (name == "CODE" ? status->code : name == "SEVERITY" ? status->severity : status->message) =
                QString::fromUtf8(value).trimmed();
        } else if (transaction) {
            if (name == "DTPOSTED")
                transaction->posted = value.toByteArray();
            else if (name == "TRNAMT")
                transaction->amount = value.toByteArray();
            else if (name == "FITID")
                transaction->fitid = QString::fromUtf8(value);
            else if (name == "NAME" || name == "MEMO") {
                (name == "NAME" ? transaction->name : transaction->memo) =
                    entities.expanded(value, &transaction->entityDoubt);
                transaction->ownText = transaction->ownText || OfxEntities::hasOtherEntity(value);
            }
        } else if (statement && inAccount && name == "ACCTID") {
            statement->accountId = QString::fromUtf8(value);
        } else if (statement && inAccount && name == "ACCTTYPE") {
            statement->accountType = QString::fromUtf8(value).toUpper();
        } else if (statement && inLedger && name == "BALAMT" && !value.isEmpty()) {
            // An empty one (some banks send it) is no balance at all.
            statement->ledgerBalance = ofxAmount(value);
            if (!statement->ledgerBalance)
                fail(at, u"the ledger balance \u201c%1\u201d is not an amount"_s.arg(shown(value)));
        } else if (statement && inLedger && name == "DTASOF" && !value.isEmpty()) {
            statement->ledgerDate = ofxDate(value);
            if (!statement->ledgerDate)
                fail(at, u"the ledger balance's date \u201c%1\u201d is not a date"_s.arg(shown(value)));
        }
    }

    void close(const QByteArray &name)
    {
        if (name == "STMTTRN")
            endTransaction();
        else if (name == "STMTRS" || name == "CCSTMTRS")
            endStatement();
        else if (name == "BANKACCTFROM" || name == "CCACCTFROM")
            inAccount = false;
        else if (name == "LEDGERBAL")
            inLedger = false;
        else if (name == "STATUS")
            endStatus();
    }

    // The bank's own words when it sends an error instead of a statement.
    void endStatus()
    {
        if (!status)
            return;
        const Status st = *status;
        status.reset();
        if (st.severity.compare(u"ERROR", Qt::CaseInsensitive) != 0 || !bankError.isEmpty())
            return;
        QString words = st.message.isEmpty() ? knownStatus(st.code) : st.message;
        bankError = words.isEmpty()
            ? u"the bank sent an error (code %1) instead of a statement"_s.arg(st.code)
            : u"the bank sent an error instead of a statement: \u201c%1\u201d (code %2)"_s.arg(words, st.code);
        bankErrorLine = st.line;
    }

    // What OFX says the commonest error codes mean, for a bank that sends no message.
    static QString knownStatus(const QString &code)
    {
        static const std::pair<const char *, const char *> known[] = {
            {"2000", "General error"}, {"2002", "Invalid account"}, {"2003", "Account not found"},
            {"2019", "Duplicate request"}, {"15000", "Must change USERPASS"}, {"15500", "Signon invalid"},
            {"15501", "Customer account already in use"}, {"15502", "USERPASS lockout"}};
        for (const auto &[c, words] : known)
            if (code == QLatin1StringView(c))
                return QString::fromLatin1(words);
        return {};
    }

    static QString shown(QByteArrayView v) { return QString::fromUtf8(v.first(std::min<qsizetype>(v.size(), 40))); }

    void endTransaction()
    {
        if (!transaction || !statement)
            return;
        const Pending t = *transaction;
        transaction.reset();
        if (t.posted.isNull())
            return fail(t.line, u"the transaction that begins here has no posted date (DTPOSTED)"_s);
        if (t.amount.isNull())
            return fail(t.line, u"the transaction that begins here has no amount (TRNAMT)"_s);
        const std::optional<QDate> date = ofxDate(t.posted);
        if (!date)
            return fail(t.line, u"the posted date \u201c%1\u201d is not a date"_s.arg(shown(t.posted)));
        const std::optional<Cents> amount = ofxAmount(t.amount);
        if (!amount)
            return fail(t.line, u"the amount \u201c%1\u201d is not an amount to the cent"_s.arg(shown(t.amount)));
        statement->transactions.push_back({t.line, *date, *amount, t.fitid, t.name, t.memo, t.ownText, t.entityDoubt});
    }

    void endStatement()
    {
        endTransaction();
        statement = nullptr;
        inAccount = inLedger = false;
    }

    struct Pending {
        int line = 0;
        QByteArray posted;
        QByteArray amount;
        QString fitid;
        QString name, memo;
        bool ownText = false;
        QString entityDoubt;
    };
    struct Status {
        int line = 0;
        QString code, severity, message;
    };

    QByteArrayView b;
    StopPoint stop;
    qsizetype i = 0;
    int line = 1;
    bool sawOfx = false;
    bool inAccount = false;
    bool inLedger = false;
    OfxScannedStatement *statement = nullptr; // points into result.statements, which only grows at its end
    std::optional<Pending> transaction;
    std::optional<Status> status;
    QString bankError;
    int bankErrorLine = 0;
    OfxEntities entities;
    std::vector<QByteArray> nesting; // the aggregates open, outermost first
    int transactions = 0;
    OfxScan result;
};

} // namespace

OfxScan scanOfx(const QByteArray &bytes, Progress *progress) { return Scanner(bytes, progress).run(); }
