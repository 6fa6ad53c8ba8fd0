#include "OfxValues.h"

#include "OfxScan.h"
#include "StatementText.h"

#include <algorithm>

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

bool isOfxSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

QByteArrayView ofxTrimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isOfxSpace(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isOfxSpace(v.back()))
        v.chop(1);
    return v;
}

// <!ENTITY name "text"> declares an entity the file defines; one with
// SYSTEM or PUBLIC is kept in another file, which nothing here reads.
void OfxEntities::declare(QByteArrayView rest)
{
    QByteArrayView d = ofxTrimmed(rest.sliced(8));
    if (d.startsWith('%'))
        return; // a parameter entity, used inside the declarations only
    qsizetype n = 0;
    while (n < d.size() && !isOfxSpace(d[n]) && d[n] != '>')
        ++n;
    const QByteArray name = d.first(n).toByteArray();
    const QByteArrayView after = ofxTrimmed(d.sliced(n));
    if (after.startsWith("SYSTEM") || after.startsWith("PUBLIC")) {
        external.push_back(name);
        return;
    }
    const char quote = after.isEmpty() ? 0 : after.front();
    const qsizetype close = quote == '"' || quote == '\'' ? after.indexOf(quote, 1) : -1;
    if (close > 0 && !own.contains(name))
        own.insert(name, after.sliced(1, close - 1).toByteArray());
}

// A payee's text with its references put in: the five every XML reader
// knows, characters by number, and the file's own entities (their text
// as it stands, so that no entity can grow without end). *problem says
// which entity could not be, which is then left as written.
QString OfxEntities::expanded(QByteArrayView value, QString *problem) const
{
    static const std::pair<const char *, char> known[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    QByteArray out;
    for (qsizetype k = 0; k < value.size(); ++k) {
        // An entity's name is short: its end is looked for nearby only.
        const qsizetype near = value[k] == '&' ? value.sliced(k, std::min<qsizetype>(66, value.size() - k)).indexOf(';') : -1;
        const qsizetype end = near < 0 ? -1 : k + near;
        if (end < 0 || end - k > 64) {
            out += value[k];
            continue;
        }
        const QByteArray name = value.sliced(k + 1, end - k - 1).toByteArray();
        const auto predefined = std::find_if(std::begin(known), std::end(known),
                                             [&](const auto &p) { return name == p.first; });
        bool ok = false;
        uint code = 0;
        if (name.startsWith("#x"))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith('#'))
            code = name.mid(1).toUInt(&ok);
        ok = ok && code > 0 && code <= 0x10ffff && !(code >= 0xd800 && code < 0xe000);
        if (predefined != std::end(known)) {
            out += predefined->second;
        } else if (ok) {
            const char32_t c = code;
            out += QString::fromUcs4(&c, 1).toUtf8();
        } else if (own.contains(name)) {
            out += own.value(name);
        } else {
            if (problem->isEmpty()) {
                const QString shown = u"&%1;"_s.arg(QString::fromLatin1(name.left(40)));
                *problem = external.contains(name)
                    ? u"the payee depends on the entity \u201c%1\u201d, which is kept in another file that "
                      "Cheqbook does not read"_s.arg(shown)
                    : u"the payee depends on the entity \u201c%1\u201d, which the file does not define"_s.arg(
                          shown);
            }
            out += value.sliced(k, end - k + 1);
        }
        k = end;
    }
    return decodeStatementText(out).text;
}

// Whether a value refers to more than the five entities every reader knows.
bool OfxEntities::hasOtherEntity(QByteArrayView value)
{
    for (qsizetype k = value.indexOf('&'); k >= 0; k = value.indexOf('&', k + 1)) {
        const QByteArrayView rest = value.sliced(k + 1);
        if (!(rest.startsWith("amp;") || rest.startsWith("lt;") || rest.startsWith("gt;")
              || rest.startsWith("quot;") || rest.startsWith("apos;")))
            return true;
    }
    return false;
}
