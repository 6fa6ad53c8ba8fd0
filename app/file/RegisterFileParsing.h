#pragma once

// What the two readers of register files share: the error they throw, the
// words of their messages, and the checks every file goes through. Used by
// the readers only.

#include "RegisterFile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
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

// The number a <real> or an <integer> of the XML form holds; nothing when
// the text is not one.
std::optional<double> xmlReal(QStringView text);
std::optional<qint64> xmlInteger(QStringView text);

// The XML form, read in one pass. The bytes are UTF-8 unless the XML
// declaration names another encoding; encodingKnown says that they are UTF-8
// whatever it names (a byte-order mark said so, or they were made from text
// decoded from UTF-16). Texts are handed on as views of the bytes only when
// views says that the bytes outlive what is made of them.
struct XmlInput {
    const char *first;
    const char *last;
    bool encodingKnown = false;
    bool views = false;
};
void parseXml(const XmlInput &input, const std::function<void(const char *, const char *)> &release,
              const std::function<void(RecordPtr)> &each);
void parseXmlShown(const XmlInput &input, const std::function<void(const char *, const char *)> &release,
                   const std::function<void(ShownRow &&)> &each);

// The same in two parts read side by side, as readShownRowsInTwo tells.
void parseOldStyleShownInTwo(const char *first, const char *last,
                             const std::function<void(const char *, const char *)> &release, const ShownRowsInTwo &two);

// The XML form as QXmlStreamReader reads it, from bytes or from text already
// decoded: the reader kept to check the one-pass reader against.
std::vector<RecordPtr> parseXmlReference(const QByteArray &bytes);
std::vector<RecordPtr> parseXmlReference(const QString &text);

} // namespace registerfile
