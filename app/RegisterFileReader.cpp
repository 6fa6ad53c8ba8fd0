#include "RegisterFile.h"

#include "InputFile.h"
#include "RegisterFileParsing.h"
#include "RunningBalance.h"

#include <QRegularExpression>
#include <QStringDecoder>


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

bool startsAsXml(const QByteArray &bytes)
{
    qsizetype first = 0;
    while (first < bytes.size() && QChar::isSpace(static_cast<unsigned char>(bytes[first])))
        ++first;
    return first < bytes.size() && bytes[first] == '<';
}

// Whether XML is to be read as UTF-8: it says so, or names no encoding.
bool declaresUtf8(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return true;
    const QByteArrayView start = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 512));
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
            ShownText(r.value(Key::Date)), ShownText(r.value(Key::Amount))};
}

RegisterReadResult parse(const QByteArray &input, const Release &release, ShownSink shown)
{
    RegisterReadResult result;
    try {
        QByteArray bytes = input;
        if (bytes.startsWith("bplist"))
            throw ParseError{u"the file is a binary property list, which Cheqbook does not read; "
                             "save it as text or XML"_s};
        if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
            QStringDecoder decoder(bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE
                                                                : QStringConverter::Utf16BE);
            const QString text = decoder.decode(bytes.mid(2));
            if (decoder.hasError() || bytes.size() % 2 != 0 || hasLoneSurrogate(text))
                throw ParseError{u"the file is not valid UTF-16 text"_s};
            bytes = text.toUtf8();
            refuseNulBytes(bytes.constData(), bytes.constData() + bytes.size());
            if (startsAsXml(bytes))
                result.rows = parseXml(text);
            else
                result.rows = parseOldStyle(bytes.constData(), bytes.constData() + bytes.size());
        } else {
            const char *first = bytes.constData();
            const char *last = first + bytes.size();
            if (bytes.startsWith("\xef\xbb\xbf"))
                first += 3;
            if (startsAsXml(bytes)) {
                refuseNulBytes(first, last);
                // The XML reader decodes the whole file before it parses it, and
                // so would blame line 1 for a bad byte anywhere in it.
                if (declaresUtf8(bytes))
                    refuseInvalidUtf8(first, last);
                result.rows = parseXml(QByteArray::fromRawData(first, last - first));
            } else if (shown) {
                parseOldStyleShown(first, last, release, *shown);
            } else {
                parseOldStyle(first, last, release, [&](RecordPtr r) { result.rows.push_back(std::move(r)); });
            }
        }
        // What is read whole (XML, UTF-16) is handed on afterwards.
        if (shown) {
            for (const RecordPtr &r : result.rows)
                (*shown)(shownRow(*r));
            result.rows.clear();
        }
    } catch (const ParseError &e) {
        result.rows.clear();
        result.error = e.message;
    }
    return result;
}

// done, when given, is called once the rows are all read, while the file's
// bytes are still there. stamp, when given, is the file as it was read.
RegisterReadResult readFile(const QString &path, ShownSink shown, const std::function<void()> &done = {},
                            FileStamp *stamp = nullptr)
{
    RegisterReadResult r;
    // A mapped file is read in place, and the pages already read are given
    // back as the parser goes on: a large register never sits in memory
    // twice, once as its file and once as its records.
    InputFile file(path, InputFile::Access::Map);
    if (file.ok()) {
        const QByteArray bytes = file.bytes();
        const quint64 hash = stamp ? contentHash(bytes) : 0;
        r = parse(bytes, [&](const char *from, const char *to) { file.release(from, to); }, shown);
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
        r.error = u"%1: cannot be read: %2"_s.arg(path, file.error());
    else if (!r.ok())
        r.error = path + u": "_s + r.error;
    return r;
}

} // namespace

RegisterReadResult parseRegister(const QByteArray &input) { return parse(input, {}, nullptr); }

RegisterReadResult readRegisterFile(const QString &path, FileStamp *stamp)
{
    RegisterReadResult r = readFile(path, nullptr, {}, stamp);
    if (r.ok()) {
        // A balance beyond what money holds would be shown held at the limit,
        // silently wrong; such a register is refused as a bad amount is.
        Register reg(std::move(r.rows));
        if (const QString why = balanceBeyondLimit(reg); !why.isEmpty())
            r.error = path + u": "_s + why;
        else
            r.rows = std::move(reg.rows());
    }
    return r;
}

RegisterReadResult parseShownRows(const QByteArray &bytes, const std::function<void(ShownRow &&)> &each)
{
    return parse(bytes, {}, &each);
}

RegisterReadResult readShownRows(const QString &path, const std::function<void(ShownRow &&)> &each,
                                 const std::function<void()> &done)
{
    return readFile(path, &each, done);
}
