#pragma once

// Registers for the merge tests, written the way a person reads them: one
// text a row, "ID|DATE|DESCRIPTION|AMOUNT" and then any other KEY=VALUE,
// all separated by "|". Each call makes new records, as each file read does.

#include "Record.h"
#include "RegisterMerge.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

inline RecordPtr mergeRow(const QString &written)
{
    const QStringList parts = written.split(u'|');
    RecordPtr r = makeRecord();
    const Key keys[] = {Key::ID, Key::Date, Key::DescriptionofTransaction, Key::Amount};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i < 4) {
            r->set(keys[i], Value::text(parts[i]));
            continue;
        }
        const qsizetype eq = parts[i].indexOf(u'=');
        r->set(QStringView(parts[i]).left(eq), Value::text(parts[i].mid(eq + 1)));
    }
    return r;
}

inline std::vector<RecordPtr> mergeRows(std::initializer_list<const char16_t *> texts)
{
    std::vector<RecordPtr> rows;
    for (const char16_t *s : texts)
        rows.push_back(mergeRow(QString::fromUtf16(s)));
    return rows;
}

// A row as the tests write it, with only the keys its text names (the running
// balance aside), so that an expectation reads like the rows it checks.
inline QString rowText(const Record &r)
{
    QStringList parts;
    for (Key key : {Key::ID, Key::Date, Key::DescriptionofTransaction, Key::Amount})
        parts << r.value(key).toString();
    r.forEachKey([&](QStringView key, const Value &v) {
        if (!knownKey(key) && isMergedKey(key))
            parts << key.toString() + u'=' + v.toString();
        else if (key == keyName(Key::EOMSeen) || key == keyName(Key::CheckNumber))
            parts << key.toString() + u'=' + v.toString();
    });
    return parts.join(u'|');
}

inline QStringList rowTexts(const std::vector<RecordPtr> &rows)
{
    QStringList texts;
    for (const RecordPtr &r : rows)
        texts << rowText(*r);
    return texts;
}

inline QStringList rowTexts(std::initializer_list<const char16_t *> texts)
{
    QStringList list;
    for (const char16_t *s : texts)
        list << QString::fromUtf16(s);
    return list;
}

// The register both sides grew from in the merge tests: an opening row and three transactions.
#define BASE u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00", u"b|12/03/2026|Aldi|-20.00", \
             u"c|12/05/2026|Coffee|-5.00"
