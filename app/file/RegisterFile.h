#pragma once

// Register files (.ldgr). A register is stored as a property list: a list of
// records, each a map from key to value. Two forms are read, told apart by
// their content: the old-style text form, which the document writes, and the
// XML form, which the year-end rollover writes.
//
// Reading never guesses: a file that is not a list of records whose values are
// texts and numbers is refused with a message naming the line or the row.

#include "AtomicFile.h"
#include "FileIdentity.h"
#include "Progress.h"
#include "Register.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The words of the messages about register files, in the user's language.
struct RegisterFileText {
    Q_DECLARE_TR_FUNCTIONS(RegisterFile)
};

struct RegisterReadResult {
    std::vector<RecordPtr> rows;
    QString error; // empty when the file was read
    bool cancelled = false; // the reading was stopped by the user
    bool ok() const { return error.isEmpty(); }
};

// Parses the bytes of a register file in either form. The error names where
// the fault is ("line 12: ...", "row 3: ...") but not the file.
RegisterReadResult parseRegister(const QByteArray &bytes);

// parseRegister as it was before the XML form was read in one pass: the XML
// form read by QXmlStreamReader. Kept to check the one-pass reader against.
RegisterReadResult parseRegisterReference(const QByteArray &bytes);

// Reads and parses a file; the error starts with the path as given. A file
// that is not a regular file, or larger than InputFile::kMaxBytes, is refused;
// so is one that changed while it was read. stamp, when given, receives the
// file as it was read. Progress, when given, is told how far reading has come,
// and stopping it stops the reading: no rows, and cancelled set.
RegisterReadResult readRegisterFile(const QString &path, FileStamp *stamp = nullptr, Progress *progress = nullptr);
// The same, each record handed to hold as it is read, which returns what to
// hold in its place (a record held already that is alike): a register read
// beside others it shares most rows with is then not held twice. eachPiece,
// when given, is shown the file's bytes, those parsed, before they are, in
// pieces whose sizes are multiples of 8 bytes but the last: a reader that
// needs them too (to name the version) reads the file once, and never holds
// it whole.
using RowHolder = std::function<RecordPtr(RecordPtr)>;
using BytePieces = std::function<void(QByteArrayView piece, bool last)>;
RegisterReadResult readRegisterFile(const QString &path, FileStamp *stamp, Progress *progress, const RowHolder &hold,
                                    const BytePieces &eachPiece = {});

// The first rows of a register file in full (fewer when it has fewer),
// reading no further than they go: for a command that needs only what the
// opening row keeps. A fault after them is not seen.
RegisterReadResult readLeadingRows(const QString &path, size_t count);

// What the report shows of a row, for reading a register only to show it:
// the texts under CheckNumber, DescriptionofTransaction and Date, and the
// Amount; and what the category totals count: the Category and Splits texts.
// Nothing else of the row is kept, and nothing is copied that can be shown
// from the file's own bytes.
class ShownText
{
public:
    ShownText() = default;
    // A text that is the file's bytes as they stand (plain ASCII).
    explicit ShownText(QLatin1StringView bytes) : m_bytes(bytes) {}
    // A text or number that needed decoding, held by the row itself.
    explicit ShownText(Value value) : m_value(std::move(value)) {}
    void setBytes(QLatin1StringView bytes)
    {
        m_bytes = bytes;
        if (!m_value.isNull())
            m_value = Value();
    }
    void clear() { setBytes({}); }

    // Calls f with a view of the text, as Value::visitText does.
    template <typename F>
    decltype(auto) visitText(F &&f) const
    {
        if (!m_value.isNull())
            return m_value.visitText(std::forward<F>(f));
        return f(m_bytes);
    }
    // Whether it is a text rather than a number the file gave as one.
    bool isText() const { return m_value.isNull() || m_value.isText(); }
    // The text as a cent amount, as Value::cents() reads it.
    CentsReading cents() const { return m_value.isNull() ? leadingCents(m_bytes) : m_value.cents(); }

private:
    QLatin1StringView m_bytes;
    Value m_value;
};

struct ShownRow {
    ShownText checkNumber;
    ShownText description;
    ShownText date;
    ShownText amount;
    ShownText category;
    ShownText splits;
};

// Reads a file as readRegisterFile does, with the same checks and the same
// errors, handing each row's shown texts to each. The texts may point into
// the file as it is read: they stay good until done returns. done is called
// once, after the last row (or a fault), whatever the outcome.
RegisterReadResult readShownRows(const QString &path, const std::function<void(ShownRow &&)> &each,
                                 const std::function<void()> &done, Progress *progress = nullptr);
// The same over the bytes of a file; the texts stay good while bytes lives.
RegisterReadResult parseShownRows(const QByteArray &bytes, const std::function<void(ShownRow &&)> &each);

// The rows of a large register read only to be shown, in two parts read
// side by side: first is handed the rows from the start, on the calling
// thread; second those from a record in the middle on, on a thread of its
// own, as if they began the file. Once both parts are read whole, takeSecond
// is asked whether second's rows stand (what it made of them may depend on
// the rows before, the balance say). Where it says no, or the second part
// could not be read so (a fault in it: anything second throws counts as one;
// or the middle guessed wrong), first is handed the rest of the rows after
// its own, in order, and what second made of its rows is to be dropped: then
// first has seen every row, and its faults are the file's. A small register,
// the XML form, or a reading someone watches, is read in one part.
struct ShownRowsInTwo {
    std::function<void(ShownRow &&)> first;
    std::function<void(ShownRow &&)> second;
    std::function<bool()> takeSecond;
};
RegisterReadResult readShownRowsInTwo(const QString &path, const ShownRowsInTwo &two, Progress *progress = nullptr);

// The old-style text form: "(" records separated by "," ")", each record
// "{" key "=" value ";" ... "}" with keys in ascending order. Pure ASCII.
// Progress, when given, is told how far it has come (it cannot stop it).
QByteArray oldStyleText(const std::vector<RecordPtr> &rows, Progress *progress = nullptr);
// The same text handed to put a piece at a time, never held whole; false
// when put gave up.
bool writeOldStyle(const std::vector<RecordPtr> &rows, const ChunkWriter &put, Progress *progress = nullptr);
// The pieces of that form, for writing it a piece at a time: the list's
// opening, each row (the last one without a comma after it), its closing.
// A row with a total given is written with that Total, its own never read.
inline constexpr char kOldStyleListStart[] = "(\n";
inline constexpr char kOldStyleListEnd[] = ")\n";
void appendOldStyleRow(QByteArray &out, const Record &record, bool last, const Value *total = nullptr);

// The XML form, UTF-8. Texts become <string>, numbers <real> or <integer>.
// Nothing when a text holds a character XML 1.0 cannot carry (a control
// character other than tab, line feed and carriage return, or half a
// surrogate pair); error then names the row and the key.
std::optional<QByteArray> xmlText(const std::vector<RecordPtr> &rows, QString *error);
// The same text handed to put a piece at a time; false when put gave up or a
// text cannot be stored (error says which), the pieces put so far being no
// whole file.
bool writeXml(const std::vector<RecordPtr> &rows, const ChunkWriter &put, QString *error);
