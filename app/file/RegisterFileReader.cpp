#include "RegisterFile.h"

#include "InputFile.h"
#include "RegisterFileParsing.h"
#include "RunningBalance.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>


using namespace Qt::StringLiterals;
using namespace registerfile;

namespace {

// Half a surrogate pair cannot be carried further as UTF-8 without being
// replaced by another character.
bool hasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

bool startsAsXml(const char *first, const char *last)
{
    while (first < last && QChar::isSpace(static_cast<unsigned char>(*first)))
        ++first;
    return first < last && *first == '<';
}

// Whether XML is to be read as UTF-8 by QXmlStreamReader: it says so, or
// names no encoding.
bool declaresUtf8(QByteArrayView bytes)
{
    if (!bytes.startsWith("<?xml"))
        return true;
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 512));
    const qsizetype end = start.indexOf("?>");
    static const QRegularExpression encoding(uR"(\sencoding\s*=\s*["']([^"']*)["'])"_s);
    const QRegularExpressionMatch m = encoding.match(QString::fromLatin1(start.first(end < 0 ? start.size() : end)));
    return !m.hasMatch() || m.captured(1).compare(u"UTF-8", Qt::CaseInsensitive) == 0
        || m.captured(1).compare(u"UTF8", Qt::CaseInsensitive) == 0;
}

} // namespace

namespace {

using Release = std::function<void(const char *, const char *)>;

// Where the rows read go: the result's records, or when given, the shown
// rows handed to shown.
using ShownSink = const std::function<void(ShownRow &&)> *;

ShownRow shownRow(const Record &r)
{
    return {ShownText(r.value(Key::CheckNumber)), ShownText(r.value(Key::DescriptionofTransaction)),
            ShownText(r.value(Key::Date)), ShownText(r.value(Key::Amount)), ShownText(r.value(Key::Category)),
            ShownText(r.value(kSplitsKey))};
}

// Reading stopped because the user asked it to.
struct ReadCancelled {
};

// Reading stopped because the rows wanted have been read.
struct EnoughRows {
};

// Tells a progress indicator how far reading has come: by the bytes the
// parser has let go of, and every few thousand rows, so that a Cancel is
// heard soon whatever the file's size.
class ReadWatch
{
public:
    ReadWatch(Progress *progress, const QByteArray &bytes)
        : m_progress(progress), m_first(bytes.constData()), m_size(bytes.size())
    {
    }
    void reached(const char *at)
    {
        m_reached = at - m_first;
        check();
    }
    void row()
    {
        if (++m_rows % 4096 == 0)
            check();
    }

private:
    void check()
    {
        if (m_progress && !m_progress->advance(m_reached, m_size))
            throw ReadCancelled{};
    }
    Progress *m_progress;
    const char *m_first;
    qint64 m_size;
    qint64 m_reached = 0;
    qint64 m_rows = 0;
};

// Which reader takes the XML form: the one-pass reader, or QXmlStreamReader
// as before it, kept to check the one-pass reader against.
enum class XmlReader { OnePass, Reference };

RegisterReadResult parse(const QByteArray &input, const Release &release, ShownSink shown, XmlReader reader,
                         ReadWatch *watch = nullptr, size_t mostRows = size_t(-1), const RowHolder *hold = nullptr,
                         const ShownRowsInTwo *two = nullptr)
{
    RegisterReadResult result;
    auto keep = [&](RecordPtr r) {
        result.rows.push_back(hold && *hold ? (*hold)(std::move(r)) : std::move(r));
        if (watch)
            watch->row();
        if (result.rows.size() == mostRows)
            throw EnoughRows{};
    };
    // Rows only shown are counted on their way, when someone watches.
    std::function<void(ShownRow &&)> countedShown;
    if (shown && watch) {
        countedShown = [&, each = shown](ShownRow &&row) {
            (*each)(std::move(row));
            watch->row();
        };
        shown = &countedShown;
    }
    auto readXml = [&](const XmlInput &xml, const Release &giveBack) {
        if (shown)
            parseXmlShown(xml, giveBack, *shown);
        else
            parseXml(xml, giveBack, keep);
    };
    try {
        if (input.startsWith("bplist"))
            throw ParseError{RegisterFileText::tr("the file is a binary property list, which Cheqbook does not read; "
                             "save it as text or XML")};
        if (input.startsWith("\xff\xfe") || input.startsWith("\xfe\xff")) {
            QStringDecoder decoder(input.startsWith("\xff\xfe") ? QStringConverter::Utf16LE
                                                                : QStringConverter::Utf16BE);
            const QString text = decoder.decode(input.mid(2));
            if (decoder.hasError() || input.size() % 2 != 0 || hasLoneSurrogate(text))
                throw ParseError{RegisterFileText::tr("the file is not valid UTF-16 text")};
            const QByteArray bytes = text.toUtf8();
            const char *first = bytes.constData();
            const char *last = first + bytes.size();
            refuseNulBytes(first, last);
            if (!startsAsXml(first, last))
                result.rows = parseOldStyle(first, last);
            else if (reader == XmlReader::Reference)
                result.rows = parseXmlReference(text);
            else
                readXml({first, last, true, false}, {});
        } else {
            // The form is told by what follows a byte-order mark, which says
            // that the file is UTF-8.
            const bool utf8Mark = input.startsWith("\xef\xbb\xbf");
            const char *first = input.constData() + (utf8Mark ? 3 : 0);
            const char *last = input.constData() + input.size();
            if (!startsAsXml(first, last)) {
                if (two && !watch)
                    parseOldStyleShownInTwo(first, last, release, *two);
                else if (shown)
                    parseOldStyleShown(first, last, release, *shown);
                else
                    parseOldStyle(first, last, release, keep);
            } else if (reader == XmlReader::OnePass) {
                readXml({first, last, utf8Mark, true}, release);
            } else {
                refuseNulBytes(first, last);
                // QXmlStreamReader decodes the whole file before it parses it, and
                // so would blame line 1 for a bad byte anywhere in it.
                if (utf8Mark || declaresUtf8(QByteArrayView(first, last - first)))
                    refuseInvalidUtf8(first, last);
                if (utf8Mark)
                    result.rows = parseXmlReference(QString::fromUtf8(first, last - first));
                else
                    result.rows = parseXmlReference(QByteArray::fromRawData(first, last - first));
            }
        }
        // What is read whole (the old reading of XML, UTF-16) is handed on afterwards.
        if (shown) {
            for (const RecordPtr &r : result.rows)
                (*shown)(shownRow(*r));
            result.rows.clear();
        }
    } catch (const ParseError &e) {
        result.rows.clear();
        result.error = e.message;
    } catch (const ReadCancelled &) {
        result.rows.clear();
        result.error = RegisterFileText::tr("reading was cancelled");
        result.cancelled = true;
    } catch (const EnoughRows &) {
    }
    if (result.rows.size() > mostRows) // read whole before they were handed on
        result.rows.resize(mostRows);
    return result;
}

// done, when given, is called once the rows are all read, while the file's
// bytes are still there. stamp, when given, is the file as it was read.
RegisterReadResult readFile(const QString &path, ShownSink shown, const std::function<void()> &done = {},
                            FileStamp *stamp = nullptr, Progress *progress = nullptr, const RowHolder *hold = nullptr,
                            const BytePieces *eachPiece = nullptr, const ShownRowsInTwo *two = nullptr)
{
    RegisterReadResult r;
    // A mapped file is read in place, and the pages already read are given
    // back as the parser goes on: a large register never sits in memory
    // twice, once as its file and once as its records.
    InputFile file(path, InputFile::Access::Map);
    if (file.ok()) {
        const QByteArray bytes = file.bytes();
        const quint64 hash = stamp ? contentHash(bytes) : 0;
        if (eachPiece && *eachPiece) {
            // Each piece given back once seen; the parser reads it again
            // from the system's cache.
            constexpr qsizetype kPiece = qsizetype(8) << 20;
            qsizetype at = 0;
            do {
                const qsizetype n = std::min(kPiece, bytes.size() - at);
                (*eachPiece)(QByteArrayView(bytes.constData() + at, n), at + n == bytes.size());
                if (!stamp)
                    file.release(bytes.constData() + at, bytes.constData() + at + n);
                at += n;
            } while (at < bytes.size());
        }
        ReadWatch watch(progress, bytes);
        r = parse(
            bytes,
            [&](const char *from, const char *to) {
                file.release(from, to); // from either part's thread, when read in two
                if (progress)
                    watch.reached(to);
            },
            shown, XmlReader::OnePass, progress ? &watch : nullptr, size_t(-1), hold, two);
        if (done)
            done();
        if (file.finish()) {
            if (stamp)
                *stamp = FileStamp::of(file.status(), hash);
        } else {
            // What was read is not the file: neither its rows nor its faults.
            r.rows.clear();
            r.error.clear();
        }
    } else if (done) {
        done();
    }
    if (!file.ok())
        r.error = RegisterFileText::tr("%1: cannot be read: %2").arg(path, file.error());
    else if (!r.ok())
        r.error = path + u": "_s + r.error;
    return r;
}

} // namespace

RegisterReadResult parseRegister(const QByteArray &input) { return parse(input, {}, nullptr, XmlReader::OnePass); }

RegisterReadResult parseRegisterReference(const QByteArray &input)
{
    return parse(input, {}, nullptr, XmlReader::Reference);
}

RegisterReadResult readRegisterFile(const QString &path, FileStamp *stamp, Progress *progress)
{
    return readRegisterFile(path, stamp, progress, {});
}

RegisterReadResult readRegisterFile(const QString &path, FileStamp *stamp, Progress *progress, const RowHolder &hold,
                                    const BytePieces &eachPiece)
{
    RegisterReadResult r = readFile(path, nullptr, {}, stamp, progress, &hold, &eachPiece);
    if (r.ok()) {
        // An amount that is not one would be added as 0, and a balance
        // beyond what money holds would be shown held at the limit: either
        // is silently wrong, and such a register is refused.
        Register reg(std::move(r.rows));
        QString why = unreadableAmount(reg);
        if (why.isEmpty())
            why = balanceBeyondLimit(reg);
        if (!why.isEmpty())
            r.error = path + u": "_s + why;
        else
            r.rows = std::move(reg.rows());
    }
    return r;
}

RegisterReadResult parseShownRows(const QByteArray &bytes, const std::function<void(ShownRow &&)> &each)
{
    return parse(bytes, {}, &each, XmlReader::OnePass);
}

RegisterReadResult readLeadingRows(const QString &path, size_t count)
{
    RegisterReadResult r;
    InputFile file(path, InputFile::Access::Map);
    if (!file.ok()) {
        r.error = u"%1: cannot be read: %2"_s.arg(path, file.error());
        return r;
    }
    r = parse(file.bytes(), {}, nullptr, XmlReader::OnePass, nullptr, count);
    if (!r.ok())
        r.error = path + u": "_s + r.error;
    return r;
}

RegisterReadResult readShownRows(const QString &path, const std::function<void(ShownRow &&)> &each,
                                 const std::function<void()> &done, Progress *progress)
{
    return readFile(path, &each, done, nullptr, progress);
}

RegisterReadResult readShownRowsInTwo(const QString &path, const ShownRowsInTwo &two, Progress *progress)
{
    return readFile(path, &two.first, {}, nullptr, progress, nullptr, nullptr, &two);
}
