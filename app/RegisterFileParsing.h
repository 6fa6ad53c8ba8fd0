#pragma once

// What the two readers of register files share: the error they throw, the
// words of their messages, and the checks every file goes through. Used by
// the readers only.

#include "RegisterFile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace registerfile {

// Thrown inside the readers only; parseRegister turns it into an error text.
struct ParseError {
    QString message;
};

// A text as messages show it: in quotation marks, cut when long.
QString quoted(QStringView s);
// "row 3" for the row at index 2.
QString rowText(qsizetype rowIndex);
// The line a byte stands on. CR LF, LF and a lone CR each end a line.
qsizetype lineAt(const char *first, const char *where);
// Refuses a record whose Amount or Total is beyond what money can hold.
void checkMoneyRange(const Record &record, qsizetype rowIndex);
// The same for one of the texts of a shown row.
void checkMoneyRange(Key key, const ShownText &value, qsizetype rowIndex);
// Refuses a NUL byte anywhere.
void refuseNulBytes(const char *first, const char *last);
// Refuses bytes that are not UTF-8, naming the first line that holds one.
void refuseInvalidUtf8(const char *first, const char *last);
// Both, in that order: what a text file may not hold.
void refuseNonText(const char *first, const char *last);

// The old-style text form, read in one pass. release, when given, is told of
// each stretch of the file that has been read and is not needed again. Each
// record goes to each as soon as it is read.
void parseOldStyle(const char *first, const char *last, const std::function<void(const char *, const char *)> &release,
                   const std::function<void(RecordPtr)> &each);
std::vector<RecordPtr> parseOldStyle(const char *first, const char *last);
// The same, keeping of each row only what the report shows.
void parseOldStyleShown(const char *first, const char *last,
                        const std::function<void(const char *, const char *)> &release,
                        const std::function<void(ShownRow &&)> &each);

// The XML form, from bytes or from text already decoded.
std::vector<RecordPtr> parseXml(const QByteArray &bytes);
std::vector<RecordPtr> parseXml(const QString &text);

} // namespace registerfile
