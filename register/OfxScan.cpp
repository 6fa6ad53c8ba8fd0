#include "OfxScan.h"

using namespace Qt::StringLiterals;

std::optional<Cents> ofxAmount(QByteArrayView t)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        negative = t[i++] == '-';
    Cents whole = 0;
    qsizetype digits = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits) {
        whole = whole * 10 + (t[i] - '0');
        if (whole > kMaxCents / 100)
            return std::nullopt;
    }
    Cents fraction = 0;
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        for (int place = 0; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++place, ++digits) {
            if (place < 2)
                fraction += (t[i] - '0') * (place == 0 ? 10 : 1);
            else if (t[i] != '0')
                return std::nullopt; // a fraction of a cent
        }
    }
    if (i != t.size() || digits == 0)
        return std::nullopt;
    const Cents cents = whole * 100 + fraction;
    if (!centsInRange(cents))
        return std::nullopt;
    return negative ? -cents : cents;
}

std::optional<QDate> ofxDate(QByteArrayView t)
{
    if (t.size() < 8)
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    qsizetype i = 0;
    for (int p = 0; p < 3; ++p) {
        for (int k = 0; k < widths[p]; ++k, ++i) {
            if (t[i] < '0' || t[i] > '9')
                return std::nullopt;
            parts[p] = parts[p] * 10 + (t[i] - '0');
        }
    }
    // A time may follow, but not more digits of the day.
    if (t.size() > 8 && !(t[8] >= '0' && t[8] <= '9') && t[8] != '.' && t[8] != '[' && t[8] != ' ')
        return std::nullopt;
    const QDate date(parts[0], parts[1], parts[2]);
    if (parts[0] < 1000 || !date.isValid())
        return std::nullopt;
    return date;
}

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isSpace(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isSpace(v.back()))
        v.chop(1);
    return v;
}

class Scanner
{
public:
    explicit Scanner(QByteArrayView bytes) : b(bytes) {}

    OfxScan run()
    {
        while (i < b.size() && result.error.isEmpty()) {
            const char c = b[i];
            if (c != '<') {
                step();
                continue;
            }
            tag();
        }
        if (result.error.isEmpty()) {
            endStatement();
            if (!sawOfx)
                result.error = u"there is no <OFX> element, so it is not an OFX statement"_s;
            else if (result.statements.empty())
                result.error = u"it holds no bank or credit card statement"_s;
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

    void fail(int at, const QString &why)
    {
        if (result.error.isEmpty())
            result.error = u"line %1: %2"_s.arg(QString::number(at), why);
    }

    void tag()
    {
        const int tagLine = line;
        const QByteArrayView rest = b.sliced(i);
        if (rest.startsWith("<!--")) {
            if (!skipPast("-->"))
                fail(tagLine, u"a comment that never ends"_s);
            return;
        }
        if (rest.startsWith("<?") || rest.startsWith("<!")) {
            if (!skipPast(">"))
                fail(tagLine, u"a declaration that never ends"_s);
            return;
        }
        qsizetype j = i + 1;
        const bool closing = j < b.size() && b[j] == '/';
        if (closing)
            ++j;
        const qsizetype nameStart = j;
        while (j < b.size() && b[j] != '>' && b[j] != '<' && !isSpace(b[j]))
            ++j;
        const QByteArray name = b.sliced(nameStart, j - nameStart).toByteArray().toUpper();
        while (j < b.size() && b[j] != '>' && b[j] != '<')
            ++j;
        if (j >= b.size() || b[j] != '>') {
            fail(tagLine, u"the tag \u201c%1\u201d never ends"_s.arg(QString::fromLatin1(name.left(40))));
            return;
        }
        while (i <= j)
            step();
        qsizetype valueEnd = i;
        while (valueEnd < b.size() && b[valueEnd] != '<')
            ++valueEnd;
        const QByteArrayView value = trimmed(b.sliced(i, valueEnd - i));
        if (closing)
            close(name);
        else
            open(name, value, tagLine);
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
            endTransaction();
            transaction = Pending{at};
        } else if (name == "LEDGERBAL") {
            inLedger = true;
        } else if (transaction) {
            if (name == "DTPOSTED")
                transaction->posted = value.toByteArray();
            else if (name == "TRNAMT")
                transaction->amount = value.toByteArray();
            else if (name == "FITID")
                transaction->fitid = QString::fromUtf8(value);
        } else if (statement && inAccount && name == "ACCTID") {
            statement->accountId = QString::fromUtf8(value);
        } else if (statement && inAccount && name == "ACCTTYPE") {
            statement->accountType = QString::fromUtf8(value).toUpper();
        } else if (statement && inLedger && name == "BALAMT") {
            statement->ledgerBalance = ofxAmount(value);
            if (!statement->ledgerBalance)
                fail(at, u"the ledger balance \u201c%1\u201d is not an amount"_s.arg(shown(value)));
        } else if (statement && inLedger && name == "DTASOF") {
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
        statement->transactions.push_back({t.line, *date, *amount, t.fitid});
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
    };

    QByteArrayView b;
    qsizetype i = 0;
    int line = 1;
    bool sawOfx = false;
    bool inAccount = false;
    bool inLedger = false;
    OfxScannedStatement *statement = nullptr; // points into result.statements, which only grows at its end
    std::optional<Pending> transaction;
    OfxScan result;
};

} // namespace

OfxScan scanOfx(const QByteArray &bytes) { return Scanner(bytes).run(); }
