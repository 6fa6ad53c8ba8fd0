#include "StatementReader.h"

#include "CsvStatement.h"
#include "StatementText.h"

using namespace Qt::StringLiterals;

QString accountList(const std::vector<OfxAccountChoice> &accounts)
{
    QStringList items;
    for (const OfxAccountChoice &a : accounts)
        items << u"%1 (%2)"_s.arg(a.label, a.transactions == 1 ? u"1 transaction"_s
                                                                 : u"%1 transactions"_s.arg(a.transactions));
    return items.join(u", ");
}

namespace {

void readOfxInto(StatementRead &r, const QByteArray &bytes, const QString &wanted)
{
    r.format = StatementFormat::Ofx;
    OfxRead ofx = readOfx(bytes);
    if (!ofx.ok()) {
        r.statement.error = ofx.error;
        return;
    }
    for (const OfxAccount &a : ofx.accounts)
        r.accounts.push_back({a.id, a.label, int(a.statement.lines.size())});
    QString id = wanted;
    if (id.isEmpty() && ofx.accounts.size() == 1)
        id = ofx.accounts.front().id;
    if (id.isEmpty())
        return; // the person chooses
    for (OfxAccount &a : ofx.accounts) {
        if (a.id == id) {
            r.account = id;
            r.statement = std::move(a.statement);
            r.ledger = {a.ledgerDate, a.ledgerBalance};
            return;
        }
    }
    r.statement.error = u"it holds no account \u201c%1\u201d, only %2"_s.arg(id, accountList(r.accounts));
    r.accounts.clear();
}

} // namespace

StatementRead readStatement(const QByteArray &bytes, const ReadChoices &choices, QDate today)
{
    StatementRead r;
    if (looksLikeOfx(bytes)) {
        readOfxInto(r, bytes, choices.account);
        return r;
    }
    const DecodedText decoded = decodeStatementText(bytes);
    if (!decoded.error.isEmpty()) {
        r.statement.error = decoded.error;
        return r;
    }
    r.detected = detectCsvLayout(decoded.text);
    r.layout = choices.layout ? *choices.layout : r.detected.layout;
    r.dateOrderSettled = choices.layout ? r.layout.dateOrder != DateOrder::Unknown : r.detected.dateOrderSettled;
    if (choices.dateOrder) {
        r.layout.dateOrder = *choices.dateOrder;
        r.dateOrderSettled = true;
    }
    if (r.layout.isFiveField()) {
        // Read exactly as it always was: the date's text as the bank wrote it.
        r.format = StatementFormat::FiveFieldCsv;
        r.dateOrderSettled = true;
        r.statement = parseStatement(bytes);
        return r;
    }
    r.format = StatementFormat::LayoutCsv;
    if (r.layout.date < 0 || (r.layout.amount < 0 && r.layout.moneyOut < 0 && r.layout.moneyIn < 0)) {
        r.statement.error = r.layout.date < 0 ? u"the layout names no date column"_s
                                              : u"the layout names no amount column"_s;
        return r;
    }
    r.statement = readCsvStatement(decoded.text, r.layout, today);
    return r;
}
