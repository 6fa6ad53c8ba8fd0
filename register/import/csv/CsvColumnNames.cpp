#include "CsvColumnNames.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

// Lower case letters without their accents, digits and '#': "Check or Slip
// #" is "checkorslip#", "Libellé" is "libelle".
QString normalisedName(QStringView name)
{
    QString out;
    out.reserve(name.size());
    const QString decomposed = name.toString().normalized(QString::NormalizationForm_D);
    for (QChar c : decomposed)
        if ((c.isLetterOrNumber() && c.category() != QChar::Mark_NonSpacing) || c == u'#')
            out += c.toLower();
    return out;
}

namespace {

// Each role's names, the preferred first.
struct RoleNames {
    ColumnRole role;
    std::initializer_list<QStringView> names;
};
const RoleNames kRoleNames[] = {
    {ColumnRole::Date,
     {u"date", u"postingdate", u"posteddate", u"postdate", u"dateposted", u"transactiondate", u"transdate",
      u"txndate", u"bookingdate", u"datum", u"buchungstag", u"buchungsdatum", u"boekdatum", u"boekingsdatum",
      u"transactiedatum", u"fecha", u"fechaoperacion", u"fechacontable", u"data", u"dataoperazione",
      u"datacontabile", u"dateoperation", u"datedoperation", u"datecomptable", u"valuedate", u"effectivedate",
      u"valuta", u"valutadatum", u"wertstellung", u"rentedatum", u"fechavalor", u"fvalor", u"datavaluta",
      u"datevaleur", u"datedevaleur"}},
    {ColumnRole::Description,
     {u"description", u"payee", u"payeename", u"name", u"partnername", u"merchant", u"merchantname",
      u"transactiondescription", u"narrative", u"originaldescription", u"details", u"transaction",
      u"auftraggeberbegunstigter", u"auftraggeberbeguenstigter", u"begunstigterzahlungspflichtiger",
      u"beguenstigterzahlungspflichtiger", u"namezahlungsbeteiligter", u"auftraggeberempfanger",
      u"auftraggeber", u"empfanger", u"zahlungsempfanger", u"begunstigter", u"beschreibung", u"buchungstext",
      u"libelle", u"libelleoperation", u"libellesimplifie", u"tiers", u"concepto", u"descripcion", u"movimiento",
      u"naamomschrijving", u"naamtegenpartij", u"tegenpartij", u"naam", u"omschrijving", u"omschrijving1",
      u"descrizione", u"descrizioneoperazione", u"causale", u"beneficiario"}},
    {ColumnRole::Memo,
     {u"memo", u"notes", u"note", u"reference", u"verwendungszweck", u"mededelingen", u"informations",
      u"observaciones"}},
    {ColumnRole::Amount,
     {u"amount", u"transactionamount", u"betrag", u"umsatz", u"montant", u"importe", u"cantidad", u"bedrag",
      u"importo"}},
    {ColumnRole::MoneyOut,
     {u"debit", u"debits", u"debitamount", u"withdrawal", u"withdrawals", u"withdrawalamount", u"moneyout",
      u"paidout", u"outflow", u"soll", u"ausgang", u"cargo", u"cargos", u"af", u"dare", u"addebiti",
      u"uscite"}},
    {ColumnRole::MoneyIn,
     {u"credit", u"credits", u"creditamount", u"deposit", u"deposits", u"depositamount", u"moneyin", u"paidin",
      u"inflow", u"haben", u"eingang", u"abono", u"abonos", u"bij", u"avere", u"accrediti", u"entrate"}},
    {ColumnRole::CheckNumber,
     {u"checknumber", u"check#", u"checkno", u"checknum", u"checkorslip#", u"chequenumber", u"cheque#",
      u"chequeno", u"num", u"check", u"cheque", u"numerodecheque", u"chequenummer"}},
    {ColumnRole::Sign,
     {u"type", u"transactiontype", u"debitcredit", u"creditdebit", u"drcr", u"crdr", u"creditdebitindicator",
      u"afbij", u"sollhaben", u"cargoabono", u"dareavere"}},
    {ColumnRole::Balance,
     {u"balance", u"runningbalance", u"runningbal", u"availablebalance", u"ledgerbalance", u"saldo",
      u"kontostand", u"solde"}},
};

// A currency after a money column's name: "Amount (USD)", "Betrag EUR", "Débit euros".
bool isCurrencySuffix(QStringView s)
{
    return s.size() <= 3 || s == u"euro" || s == u"euros";
}

} // namespace

// How much a role prefers a name: 0 is best; -1 when the name is not one of it.
int columnNameRank(ColumnRole role, const QString &normalised)
{
    const bool money = role == ColumnRole::Amount || role == ColumnRole::MoneyOut || role == ColumnRole::MoneyIn;
    for (const RoleNames &r : kRoleNames) {
        if (r.role != role)
            continue;
        int i = 0;
        for (QStringView n : r.names) {
            if (normalised == n)
                return i;
            ++i;
        }
        if (money) {
            int k = 0;
            for (QStringView n : r.names) {
                if (n.size() > 2 && normalised.startsWith(n) && isCurrencySuffix(QStringView(normalised).sliced(n.size())))
                    return i + k;
                ++k;
            }
        }
    }
    return -1;
}

int debitCreditSign(QStringView cell)
{
    const QString w = normalisedName(cell);
    const bool debit = w.contains(u"debit"), credit = w.contains(u"credit");
    // "Credit card payment" goes either way, as do words with both.
    if ((debit && credit) || (credit && w.contains(u"card")))
        return 0;
    if (debit || w == u"dr" || w == u"db" || w.startsWith(u"withdrawal") || w == u"check" || w == u"checkpaid"
        || w.startsWith(u"fee") || w == u"purchase" || w == u"sale" || w == u"af" || w == u"soll"
        || w == u"lastschrift" || w == u"cargo" || w == u"dare" || w == u"addebito")
        return -1;
    if (credit || w == u"cr" || w.startsWith(u"deposit") || w == u"dep" || w == u"dslip" || w == u"refund"
        || w == u"bij" || w == u"haben" || w == u"gutschrift" || w == u"abono" || w == u"avere")
        return 1;
    return 0;
}

ColumnRole columnRole(QStringView name)
{
    const QString n = normalisedName(name);
    for (const RoleNames &r : kRoleNames)
        if (columnNameRank(r.role, n) >= 0)
            return r.role;
    return ColumnRole::None;
}

QString headerKeyOf(const QStringList &header, QChar separator)
{
    QStringList names;
    for (const QString &h : header)
        names << h.trimmed().toLower();
    return QString(separator) + u'|' + names.join(u'|');
}

QString namesRead()
{
    return QCoreApplication::translate(
        "CsvLayout",
        "a date (Date, Posting Date, Datum, Buchungstag, Date op\u00e9ration, Fecha, Boekdatum, Data\u2026), "
        "an amount (Amount, Betrag, Montant, Importe, Bedrag, Importo\u2026) or money out and in (Debit and "
        "Credit, Withdrawal and Deposit, Soll and Haben, Débit and Crédit, Cargo and Abono, Af and "
        "Bij, Dare and Avere\u2026), and a description (Description, Payee, Name, Auftraggeber, Libell\u00e9, "
        "Concepto, Omschrijving, Descrizione\u2026)");
}
