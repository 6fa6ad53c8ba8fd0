#pragma once

// The text of a statement file before any layout is applied: how its bytes
// become text, and how that text splits into records of fields the way
// spreadsheets write CSV. Every layout of statement reads through these.
//
// A field that begins with a double quote runs to the matching quote and may
// hold separators, line breaks and doubled quotes; blanks around the quotes
// are not part of the field. Other fields are taken exactly as they stand.

#include "Progress.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <memory>
#include <vector>

struct DecodedText {
    QString text;
    QString error; // the bytes are not text; nothing may be imported
    // The lines (from 1) that are not UTF-8 and were read as Windows-1252
    // in a file whose other lines hold UTF-8 beyond ASCII: a file put
    // together from two sources. Empty for a file in one encoding.
    std::vector<int> windows1252Lines;
};

// UTF-8 (with or without a byte-order mark), else Windows-1252, or UTF-16
// when it begins with its byte-order mark. Text that is not UTF-8 as a whole
// is read line by line: a line that is valid UTF-8 as UTF-8, any other as
// Windows-1252, so that one line pasted from another export does not turn
// every accent of the file into two letters. Text holding a NUL is refused.
// Progress, when given, hears how far it has come, and may stop it
// (WorkStopped).
DecodedText decodeStatementText(const QByteArray &bytes, Progress *progress = nullptr);

// What the import tells of a mixed file: which lines were read as
// Windows-1252. Empty when the file is in one encoding.
QString encodingNote(const DecodedText &decoded);

// The 1-based line of a position in the text (CR LF, LF or a lone CR end a line).
qsizetype lineOfPosition(QStringView text, qsizetype index);

// What a statement may not put into a register: control characters (a
// terminal would obey them when the register is shown) other than the tab
// become blanks.
QString withoutControls(QString field);

// A field shortened for a message: at most 24 characters, an ellipsis after.
QString elided(const QString &s);

// The most characters a statement may put into a description, and into a
// check number. Bank descriptions run to a few hundred characters with the
// memo; a longer one is no transaction's, and would only slow every list
// that shows it.
inline constexpr qsizetype kMaxStatementDescription = 2000;
inline constexpr qsizetype kMaxStatementCheckNumber = 32;

// The text cut to at most limit characters (never between the halves of a
// surrogate pair); a note saying so, naming what was cut, goes to *note.
QString limitedText(QString text, qsizetype limit, const QString &what, QString *note);

enum class RecordEnd { Whole, BrokenQuote };

namespace statement_text {

inline bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Past one line end (CR LF, LF or a lone CR) at i.
inline qsizetype pastLineEnd(QStringView text, qsizetype i)
{
    return i + ((text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1);
}

// True when the physical line that starts at from reads on its own as a
// record of at least wholeFields fields, each quote in it closed on the line.
inline bool isCompleteRecordLine(QStringView text, qsizetype from, QChar separator, int wholeFields)
{
    int fields = 1;
    bool inQuote = false;
    bool fieldStart = true; // only blanks so far in this field
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuote) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"')
                    ++i;
                else
                    inQuote = false;
            } else if (c == u'\r' || c == u'\n') {
                return false;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n')
            break;
        if (c == separator) {
            ++fields;
            fieldStart = true;
        } else if (c == u'"' && fieldStart) {
            inQuote = true;
        } else if (!isBlank(c)) {
            fieldStart = false;
        }
    }
    return !inQuote && fields >= wholeFields;
}

} // namespace statement_text

// Splits the text into records of fields, the usual CSV way, and hands each
// to take(record's first line, its last line, fields, how it ended); take
// may move the fields away. A line
// break inside a quoted field becomes one space. A quoted field that runs
// into a line which is a whole record of its own (wholeFields fields or more)
// is a quote the bank forgot to close: its record is handed over as broken,
// and reading goes on with that next line. Returns the line of a quote still
// open at the end of the text, or 0. Progress, when given, hears how far the
// split has come, and may stop it (WorkStopped), even inside one long field.
template <typename Take>
int splitCsvRecords(QStringView text, QChar separator, int wholeFields, Take &&take, Progress *progress = nullptr)
{
    using namespace statement_text;
    // With tabs between fields a tab is a separator, never a blank to drop.
    auto blank = [separator](QChar c) { return c == u' ' || (c == u'\t' && separator != u'\t'); };
    std::vector<QString> fields;
    QString field;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    // Characters that mean nothing here are taken a run at a time, up to
    // the next one that may (or a stride, to look at progress between).
    StopPoint stop(progress, 64);
    auto plainRun = [&](qsizetype from, bool quoted) {
        const qsizetype end = std::min(n, from + 65536);
        qsizetype k = from;
        while (k < end) {
            const QChar c = text[k];
            if (c == u'"' || c == u'\r' || c == u'\n' || (!quoted && c == separator))
                break;
            ++k;
        }
        return k;
    };
    while (i < n) {
        stop.pass(i, n);
        const int recordLine = line;
        fields.clear();
        field.clear();
        bool afterQuote = false; // blanks after a closing quote are dropped
        bool recordEnded = false;
        bool broken = false;
        while (i < n && !recordEnded) {
            const QChar c = text[i];
            if (c == u'"' && !afterQuote && std::all_of(field.cbegin(), field.cend(), blank)) {
                // A quoted field: blanks before the quote are not part of it.
                field.clear();
                afterQuote = true;
                const int openLine = line;
                ++i;
                for (;;) {
                    if (i >= n)
                        return openLine;
                    const QChar q = text[i];
                    if (q == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            field.append(u'"');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (q == u'\r' || q == u'\n') {
                        i = pastLineEnd(text, i);
                        ++line;
                        if (isCompleteRecordLine(text, i, separator, wholeFields)) {
                            broken = true;
                            break;
                        }
                        field.append(u' ');
                        continue;
                    }
                    const qsizetype run = std::max(plainRun(i, true), i + 1);
                    field.append(text.sliced(i, run - i));
                    i = run;
                    stop.pass(i, n);
                }
                if (broken)
                    break;
                continue;
            }
            if (c == separator) {
                fields.push_back(field);
                field.clear();
                afterQuote = false;
                ++i;
            } else if (c == u'\r' || c == u'\n') {
                i = pastLineEnd(text, i);
                ++line;
                recordEnded = true;
            } else if (afterQuote && blank(c)) {
                ++i;
            } else {
                // A quote after other characters is one of them.
                const qsizetype run = std::max(plainRun(i + 1, false), i + 1);
                field.append(text.sliced(i, run - i));
                afterQuote = false;
                i = run;
                stop.pass(i, n);
            }
        }
        fields.push_back(field);
        // A record that ended at a line end (or before a line that is a record
        // of its own) ended on the line before the one now read.
        const bool atLineStart = i > 0 && (text[i - 1] == u'\n' || text[i - 1] == u'\r');
        take(recordLine, atLineStart ? line - 1 : line, fields, broken ? RecordEnd::BrokenQuote : RecordEnd::Whole);
    }
    return 0;
}

// One record of a statement's text as the split hands it over.
struct CsvRecord {
    int line = 0;     // its first line, from 1
    int lastLine = 0; // its last line
    std::vector<QString> fields;
    RecordEnd end = RecordEnd::Whole;
    bool isBlank() const { return fields.size() == 1 && fields[0].trimmed().isEmpty(); }
};

// A whole statement split once, with one separator: finding its layout and
// reading its lines both go through these records, never the text again.
struct CsvRecords {
    QChar separator = u',';
    int wholeFields = 0; // as splitCsvRecords takes it
    std::vector<CsvRecord> records;
    int unclosedLine = 0; // a quote still open at the end of the text, or 0
    bool splitAs(QChar sep, int whole) const { return separator == sep && wholeFields == whole; }
};

// Every record of the text (see splitCsvRecords).
CsvRecords splitStatementRecords(QStringView text, QChar separator, int wholeFields, Progress *progress = nullptr);

// The records a reading takes: the split made while finding the layout,
// when it was made with the separator and width the reading needs, else
// the text split as it is read (kept whole, a large file's records would
// only cost memory). Either way the text is split once.
struct CsvRecordSource {
    QStringView text;
    QChar separator = u',';
    int wholeFields = 0;
    std::shared_ptr<const CsvRecords> split; // this text split so, or none

    // Hands each record to take as splitCsvRecords does; returns the line of
    // a quote still open at the end, or 0.
    template <typename Take>
    int forEach(Take &&take, Progress *progress = nullptr) const
    {
        if (!split || !split->splitAs(separator, wholeFields))
            return splitCsvRecords(text, separator, wholeFields, take, progress);
        StopPoint stop(progress, 64);
        const qint64 n = qint64(split->records.size());
        for (qint64 k = 0; k < n; ++k) {
            stop.pass(k, n);
            const CsvRecord &r = split->records[size_t(k)];
            take(r.line, r.lastLine, r.fields, r.end);
        }
        return split->unclosedLine;
    }
};

// A payee's name with the memo after it when the memo says something more:
// not when it is empty or already in the name; the memo alone when it is
// the name written out in full.
QString describeWithMemo(const QString &name, const QString &memo);

// A check number as a bank writes it ("1043", "#1043", "0001043") as the
// register keeps it ("1043"). One that is not digits ("INV-1") is kept as
// written; empty for zero (an OFX CHECKNUM of 0 means none) and for a cell
// without a letter or digit ("*", "-"). Control characters become blanks.
QString checkNumberText(QString cell);
// The same, cut to kMaxStatementCheckNumber characters with a note saying so
// when it was longer (the cut kept as checkNumberText keeps it).
QString statementCheckNumber(const QString &cell, QString *note);
