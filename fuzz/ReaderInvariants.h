#pragma once

// What must hold for any input to the readers, whatever the bytes: the fuzz
// targets check it on generated inputs, and the regression test on every
// input that once broke it. Each function returns an empty string when all
// holds, otherwise which check failed and on what.
//
// Registers: the XML form is read in one pass, and as it was read before by
// QXmlStreamReader; while both readings exist they must agree on every input,
// records or refusal. A file the reader accepts must survive a save. Written in the
// old-style form (and in the XML form, unless that refuses it) and read back,
// every row holds the same keys with the same texts, and the Amount and
// Total the same money; otherwise opening and saving a register would change
// it without a word.
//
// Statements: nothing of a refused statement comes through an import, and
// every amount that does is money the register can add exactly.
//
// Amounts: a value keeps its text, a text reads alike held as Latin-1 or as
// UTF-16, money stays within range and reads back from its written forms.

#include "DateReader.h"
#include "DateSort.h"
#include "Money.h"
#include "MyDocument.h"
#include "NumberScan.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RunningBalance.h"
#include "Statement.h"
#include "StatementImport.h"
#include "Value.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <optional>
#include <vector>
#include <cstring>

#define INVARIANT(cond, detail)                                                                                        \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            return QStringLiteral(#cond) + u'\n' + (detail);                                                           \
    } while (false)

namespace invariants {

inline QString describe(const Record &r)
{
    QString out;
    r.forEachKey([&](QStringView key, const Value &v) {
        out += key.toString() + QStringLiteral(" = [") + v.toString() + QStringLiteral("] ");
    });
    return out;
}

inline QString sameRows(const std::vector<RecordPtr> &before, const std::vector<RecordPtr> &after, const char *form)
{
    INVARIANT(before.size() == after.size(), QString::fromLatin1(form));
    for (size_t i = 0; i < before.size(); ++i) {
        const Record &a = *before[i];
        const Record &b = *after[i];
        auto detail = [&] {
            return QString::fromLatin1(form) + QStringLiteral(", row ") + QString::number(i + 1)
                + QStringLiteral("\nbefore: ") + describe(a) + QStringLiteral("\nafter:  ") + describe(b);
        };
        INVARIANT(a.keyCount() == b.keyCount(), detail());
        QString failure;
        a.forEachKey([&](QStringView key, const Value &v) {
            if (failure.isEmpty() && v.toString() != b.value(key).toString())
                failure = QStringLiteral("the text under ") + key.toString() + QStringLiteral(" changed\n") + detail();
        });
        if (!failure.isEmpty())
            return failure;
        for (Key key : {Key::Amount, Key::Total}) {
            const CentsReading x = a.value(key).cents(), y = b.value(key).cents();
            INVARIANT(x.status == y.status && x.cents == y.cents, detail());
        }
    }
    return {};
}

// The report of a file read only to be shown is the report of its records,
// recalculated, and the file is refused alike both ways.
inline QString shownRowsInvariants(const QByteArray &bytes, const RegisterReadResult &read)
{
    Utf8ReportWriter shown;
    Cents shownTotal = 0;
    const RegisterReadResult r = parseShownRows(bytes, [&](ShownRow &&row) { shownTotal = shown.add(row, shownTotal); });
    INVARIANT(r.error == read.error && r.rows.empty(), r.error + u'\n' + read.error);
    if (!r.ok())
        return {};
    Utf8ReportWriter expected;
    Cents total = 0;
    for (const RecordPtr &row : read.rows) {
        Record copy = *row;
        total = rewriteAmountAndCarry(copy, total);
        expected.add(copy);
    }
    QByteArray a, b;
    shown.flush([&](QByteArrayView chunk) { a.append(chunk); });
    expected.flush([&](QByteArrayView chunk) { b.append(chunk); });
    INVARIANT(a == b, QString::fromUtf8(a) + QStringLiteral("\n---\n") + QString::fromUtf8(b));
    return {};
}

// What the one-pass reader refuses on purpose where the old reading went on:
// an entity whose text it did not have (it read it as nothing), a name
// longer than 4096 characters (it read it as another name), and bytes that
// an encoding ICU decodes for Qt cannot decode, UTF-8 by another name among
// them (it put replacement characters in, as Qt 6.4 loses such a decoder's
// errors).
inline bool isDeliberateRefusal(const QString &error)
{
    return error.contains(QStringLiteral("names an entity the file does not declare"))
        || error.endsWith(QStringLiteral("the file is neither ASCII nor UTF-8 text"))
        || error.contains(QStringLiteral("which its XML declaration says it is"))
        || error.contains(QStringLiteral("(an external entity), which Cheqbook does not read"))
        || error.contains(QStringLiteral("the XML is malformed: a name is longer than 4096 characters"));
}

// The two readings agree: the same records, each value of the same kind and
// the same text or number, or both refuse, and in the same words unless the
// old reading found the XML malformed, which the two say in their own words,
// or guessed wrongly which encoding the declaration names.
inline QString xmlReadersAgree(const QByteArray &bytes, const RegisterReadResult &read)
{
    const RegisterReadResult old = parseRegisterReference(bytes);
    if (!read.ok() && isDeliberateRefusal(read.error))
        return {};
    INVARIANT(read.ok() == old.ok(), QStringLiteral("one-pass: ") + read.error + QStringLiteral("\nQXmlStreamReader: ")
                                         + old.error);
    if (!read.ok()) {
        // The old reading checked for UTF-8 by the first encoding a pattern
        // found in the declaration; QXmlStreamReader, and the one-pass reader,
        // take the last one the declaration names.
        const bool guessed = old.error.endsWith(QStringLiteral("the file is neither ASCII nor UTF-8 text"));
        if (!old.error.contains(QStringLiteral("the XML is malformed")) && !guessed)
            INVARIANT(read.error == old.error, read.error + u'\n' + old.error);
        return {};
    }
    INVARIANT(read.rows.size() == old.rows.size(), QString::number(read.rows.size()) + u' '
                                                       + QString::number(old.rows.size()));
    for (size_t i = 0; i < read.rows.size(); ++i) {
        const Record &a = *read.rows[i];
        const Record &b = *old.rows[i];
        INVARIANT(a.keyCount() == b.keyCount(), QStringLiteral("row ") + QString::number(i + 1));
        QString failure;
        b.forEachKey([&](QStringView key, const Value &v) {
            if (failure.isEmpty() && !(a.value(key) == v))
                failure = QStringLiteral("row ") + QString::number(i + 1) + QStringLiteral(", ") + key.toString()
                    + QStringLiteral(": one-pass [") + a.value(key).toString() + QStringLiteral("] QXmlStreamReader [")
                    + v.toString() + u']';
        });
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

inline QString registerInvariants(const QByteArray &bytes)
{
    const RegisterReadResult read = parseRegister(bytes);
    if (QString f = xmlReadersAgree(bytes, read); !f.isEmpty())
        return f;
    if (QString f = shownRowsInvariants(bytes, read); !f.isEmpty())
        return f;
    if (!read.ok()) {
        INVARIANT(read.rows.empty(), read.error);
        return {};
    }

    const QByteArray text = oldStyleText(read.rows);
    for (char c : text)
        INVARIANT(static_cast<unsigned char>(c) < 0x80, QString::fromLatin1(text));
    const RegisterReadResult back = parseRegister(text);
    INVARIANT(back.ok(), back.error + u'\n' + QString::fromLatin1(text));
    if (QString f = sameRows(read.rows, back.rows, "old-style form"); !f.isEmpty())
        return f;
    INVARIANT(oldStyleText(back.rows) == text, QString::fromLatin1(text));

    QString why;
    const std::optional<QByteArray> xml = xmlText(read.rows, &why);
    if (!xml) {
        INVARIANT(!why.isEmpty(), QString());
        return {};
    }
    const RegisterReadResult fromXml = parseRegister(*xml);
    INVARIANT(fromXml.ok(), fromXml.error + u'\n' + QString::fromUtf8(*xml));
    if (QString f = sameRows(read.rows, fromXml.rows, "XML form"); !f.isEmpty())
        return f;
    // The XML form keeps the kinds as well: a number stays the same number.
    QString failure;
    for (size_t i = 0; i < read.rows.size() && failure.isEmpty(); ++i)
        read.rows[i]->forEachKey([&](QStringView key, const Value &v) {
            if (failure.isEmpty() && !(v == fromXml.rows[i]->value(key)))
                failure = QStringLiteral("the XML form changed the kind or number under ") + key.toString() + u'\n'
                    + QString::fromUtf8(*xml);
        });
    return failure;
}

inline QString statementInvariants(const QByteArray &bytes)
{
    const Statement s = parseStatement(bytes);
    if (!s.ok()) {
        INVARIANT(s.lines.empty() && s.skipped.empty(), s.error);
        MyDocument doc;
        const ImportResult r = importStatement(doc, 0, s);
        INVARIANT(!r.ok() && doc.count() == 0 && doc.changeCount() == 0, r.error);
        return {};
    }
    const qsizetype physicalLines = bytes.count('\n') + bytes.count('\r') + 1;
    int previous = 0;
    for (const StatementLine &line : s.lines) {
        INVARIANT(centsInRange(line.amount), QString::number(line.amount));
        INVARIANT(line.lineNumber > previous && line.lineNumber <= physicalLines, QString::number(line.lineNumber));
        previous = line.lineNumber;
    }
    for (const SkippedLine &skipped : s.skipped) {
        INVARIANT(!skipped.reason.isEmpty(), QString());
        INVARIANT(skipped.lineNumber >= 1 && skipped.lineNumber <= physicalLines, skipped.reason);
    }

    // A statement whose balance would go beyond what money holds is refused whole.
    bool beyond = false;
    Cents balance = 0;
    for (const StatementLine &line : s.lines) {
        balance += line.amount;
        if (!centsInRange(balance)) {
            beyond = true;
            break;
        }
    }
    MyDocument doc;
    const ImportResult r = importStatement(doc, 0, s);
    if (beyond) {
        INVARIANT(!r.ok() && doc.count() == 0 && doc.changeCount() == 0, r.error);
        return {};
    }
    INVARIANT(r.ok() && r.count == int(s.lines.size()) && doc.count() == int(s.lines.size()), r.error);
    for (int i = 0; i < doc.count(); ++i) {
        const Record &rec = *doc.objectAtIndex(i);
        const StatementLine &line = s.lines[size_t(i)];
        INVARIANT(rec.value(Key::Amount).storedCents() == line.amount, describe(rec));
        INVARIANT(centsInRange(rec.value(Key::Total).storedCents()), describe(rec));
        INVARIANT(rec.value(Key::DescriptionofTransaction).toString() == line.description, describe(rec));
        INVARIANT(rec.value(Key::Date).toString() == line.date, describe(rec));
    }
    if (!s.skipped.empty())
        INVARIANT(!skippedLinesMessage(s.skipped, QStringLiteral("bank.csv")).isEmpty(), QString());
    return {};
}

inline bool sameReading(CentsReading a, CentsReading b) { return a.status == b.status && a.cents == b.cents; }

inline QString inRange(CentsReading r, const QString &text)
{
    if (r.status == NumberStatus::Ok)
        INVARIANT(centsInRange(r.cents), text);
    else if (r.status == NumberStatus::OutOfRange)
        INVARIANT(r.cents == kMaxCents || r.cents == -kMaxCents, text);
    else
        INVARIANT(r.cents == 0, text);
    return {};
}

// Money written either way reads back as the same cents, plainly or typed.
inline QString writtenFormsReadBack(Cents c)
{
    const QString detail = QString::number(c);
    INVARIANT(sameReading(leadingCents(QStringView(moneyText(c))), {NumberStatus::Ok, c}), detail);
    INVARIANT(sameReading(leadingCents(QStringView(shortestDecimal(c))), {NumberStatus::Ok, c}), detail);
    INVARIANT(sameReading(typedAmountCents(moneyText(c)), {NumberStatus::Ok, c}), detail);
    for (QChar decimalPoint : {u'.', u','})
        INVARIANT(sameReading(readTypedAmount(shownMoney(c, decimalPoint), decimalPoint), {NumberStatus::Ok, c}),
                  detail);
    INVARIANT(sameReading(Value::money(c).cents(), {NumberStatus::Ok, c}), detail);
    INVARIANT(Value::money(c).toString() == shortestDecimal(c), detail);
    return {};
}

inline QString textReadings(const QString &text)
{
    const Value v = Value::text(text);
    INVARIANT(v.isText() && v.toString() == text && v.textLength() == text.size(), text);
    const CentsReading cents = leadingCents(QStringView(text));
    INVARIANT(sameReading(v.cents(), cents), text);
    if (QString f = inRange(cents, text); !f.isEmpty())
        return f;
    if (cents.ok())
        if (QString f = writtenFormsReadBack(cents.cents); !f.isEmpty())
            return f;

    const CentsReading typed = typedAmountCents(text);
    if (QString f = inRange(typed, text); !f.isEmpty())
        return f;
    if (typed.ok())
        if (QString f = writtenFormsReadBack(typed.cents); !f.isEmpty())
            return f;
    // A minus typed before an amount negates it, whatever the amount.
    if (!text.isEmpty() && text[0] >= u'0' && text[0] <= u'9') {
        const CentsReading negated = typedAmountCents(QStringLiteral("-") + text);
        INVARIANT(negated.status == typed.status && negated.cents == -typed.cents, text);
    }

    // An amount a person types is read whole or refused: nothing may follow
    // what is taken, and what is taken reads back from what is shown.
    for (QChar decimalPoint : {u'.', u','}) {
        const CentsReading whole = readTypedAmount(text, decimalPoint);
        if (QString f = inRange(whole, text); !f.isEmpty())
            return f;
        if (whole.ok()) {
            INVARIANT(!readTypedAmount(text + u'x', decimalPoint).ok(), text);
            INVARIANT(sameReading(readTypedAmount(shownMoney(whole.cents, decimalPoint), decimalPoint), whole), text);
        }
    }

    // A number value reads as the cents of the text it shows, since that is
    // what it becomes when saved.
    const double d = v.doubleValue();
    INVARIANT(!std::isnan(d), text);
    if (std::isfinite(d)) {
        const Value real = Value::real(d);
        const CentsReading shown = leadingCents(QStringView(real.toString()));
        const CentsReading held = real.cents();
        INVARIANT(held.status == shown.status && (held.cents == shown.cents || !shown.ok()),
                  text + u' ' + real.toString());
    }
    // Where the number has few enough digits to pass through a double
    // unchanged and has no exponent, the integer is the double truncated.
    const DecimalScan scan = scanLeadingDecimal(text.constData(), text.constData() + text.size());
    if (scan.found && scan.kept <= 15 && cents.ok()) {
        bool exponent = false;
        for (std::ptrdiff_t i = scan.begin; i < scan.end; ++i)
            exponent = exponent || text[i] == u'e' || text[i] == u'E';
        if (!exponent && std::fabs(d) < 2147483647.0)
            INVARIANT(v.intValue() == int(std::trunc(d)), text);
    }
    return {};
}

inline QString amountInvariants(const QByteArray &bytes)
{
    if (QString f = textReadings(QString::fromUtf8(bytes)); !f.isEmpty())
        return f;
    // The same bytes as Latin-1, held both ways: a value keeps short Latin-1
    // texts inline and reads them without converting.
    const QLatin1StringView latin1(bytes.constData(), bytes.size());
    const QString wide = QString::fromLatin1(bytes);
    if (QString f = textReadings(wide); !f.isEmpty())
        return f;
    const Value narrow = Value::text(latin1);
    const Value widened = Value::text(wide);
    INVARIANT(narrow == widened && narrow.toString() == wide, wide);
    INVARIANT(sameReading(leadingCents(latin1), leadingCents(QStringView(wide))), wide);
    INVARIANT(sameReading(narrow.cents(), widened.cents()), wide);
    const double a = narrow.doubleValue(), b = widened.doubleValue();
    INVARIANT(std::memcmp(&a, &b, sizeof a) == 0, wide);
    INVARIANT(narrow.intValue() == widened.intValue(), wide);
    return {};
}

// The date reader: whatever it makes of a text is a real date, the bytes read
// as Latin-1 give the same day when they are ASCII, and the dates of the
// input's lines order records strictly and weakly, as a sort needs.
inline QString dateInvariants(const QByteArray &bytes)
{
    const QDate today(2026, 12, 7);
    const QString text = QString::fromUtf8(bytes);
    const std::optional<QDate> day = readDate(text, today);
    INVARIANT(!day || day->isValid(), text);
    bool ascii = true;
    for (char c : bytes)
        ascii &= static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        INVARIANT(readDate(QLatin1StringView(bytes.constData(), bytes.size()), today) == day, text);
    // A date kept in a register is shown in each order as a text that, typed
    // back in that order, is the same day.
    const std::optional<QDate> kept = readDate(text, QDate());
    for (DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        const std::optional<QDate> typed = readTypedDate(text, order, today);
        INVARIANT(!typed || typed->isValid(), text);
        if (kept)
            INVARIANT(readTypedDate(shownDate(QStringView(text), order), order, today) == kept, text);
    }

    std::vector<Record> records;
    for (const QByteArray &line : bytes.split('\n')) {
        if (records.size() == 6)
            break;
        records.emplace_back();
        records.back().set(Key::Date, Value::text(QString::fromUtf8(line)));
    }
    auto less = [&](const Record &a, const Record &b) { return compareDates(a, b, today) < 0; };
    auto same = [&](const Record &a, const Record &b) { return !less(a, b) && !less(b, a); };
    for (const Record &a : records) {
        INVARIANT(!less(a, a), text);
        for (const Record &b : records) {
            INVARIANT(!(less(a, b) && less(b, a)), text);
            for (const Record &c : records) {
                INVARIANT(!(less(a, b) && less(b, c)) || less(a, c), text);
                INVARIANT(!(same(a, b) && same(b, c)) || same(a, c), text);
            }
        }
    }
    return {};
}

} // namespace invariants

#undef INVARIANT
