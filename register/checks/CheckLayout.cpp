#include "CheckLayout.h"

#include "CheckLayoutWords.h"
#include "InputFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <map>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kLayoutFileLimit = 256 * 1024;
// Larger than any paper a printer takes.
constexpr qreal kLongestLength = 100 * kPointsPerInch;
// What a box may pass its edge by, for lengths rounded when they were written.
constexpr qreal kEdgeTolerance = 0.01;

class LayoutReader
{
    Q_DECLARE_TR_FUNCTIONS(CheckLayout)

public:
    explicit LayoutReader(const QString &fileName) : m_fileName(fileName) {}

    CheckLayoutReading read(const QString &text)
    {
        const QStringList lines = text.split(u'\n');
        for (m_line = 1; m_line <= lines.size(); ++m_line) {
            const std::optional<QStringList> words = lineWords(lines[m_line - 1]);
            if (!words)
                return failed(tr("a quotation mark is not closed"));
            if (!words->isEmpty() && !readLine(*words))
                return {{}, m_error};
        }
        m_line = 0;
        if (!finish())
            return {{}, m_error};
        if (m_layout.name.isEmpty())
            m_layout.name = QFileInfo(m_fileName).completeBaseName();
        return {std::move(m_layout), {}};
    }

private:
    CheckLayoutReading failed(const QString &what)
    {
        fail(what);
        return {{}, m_error};
    }
    bool fail(const QString &what)
    {
        m_error = m_line > 0 ? u"%1:%2: %3"_s.arg(m_fileName).arg(m_line).arg(what)
                             : u"%1: %2"_s.arg(m_fileName, what);
        return false;
    }
    // A line that may be given once: false after saying so when it was given before.
    bool once(const QString &word)
    {
        const auto [at, fresh] = m_firstLines.emplace(word, m_line);
        return fresh || fail(tr("\u201c%1\u201d is given twice (first on line %2)").arg(word).arg(at->second));
    }

    std::optional<qreal> length(const QString &word)
    {
        const std::optional<qreal> points = readLength(word, m_unit);
        if (!points) {
            fail(tr("\u201c%1\u201d is not a length: write a number such as 6.75, followed by in, mm or pt "
                    "unless it is in %2")
                     .arg(word, unitName(m_unit)));
            return std::nullopt;
        }
        if (*points < 0) {
            fail(tr("\u201c%1\u201d is below zero: lengths are measured from the top left corner").arg(word));
            return std::nullopt;
        }
        if (*points > kLongestLength) {
            fail(tr("\u201c%1\u201d is longer than any paper").arg(word));
            return std::nullopt;
        }
        return points;
    }
    // count lengths from words[first] on; what names them for a message.
    std::optional<std::vector<qreal>> lengths(const QStringList &words, qsizetype first, int count,
                                              const QString &what)
    {
        if (words.size() < first + count) {
            fail(tr("\u201c%1\u201d needs %2").arg(words[0], what));
            return std::nullopt;
        }
        std::vector<qreal> values;
        for (int i = 0; i < count; ++i) {
            const std::optional<qreal> value = length(words[first + i]);
            if (!value)
                return std::nullopt;
            values.push_back(*value);
        }
        return values;
    }
    bool noMore(const QStringList &words, qsizetype count)
    {
        return words.size() <= count || fail(tr("\u201c%1\u201d is more than \u201c%2\u201d takes")
                                                     .arg(words.mid(count).join(u' '), words[0]));
    }

    bool readLine(const QStringList &words)
    {
        const QString &key = words[0];
        if (key == u"name") {
            if (!once(key))
                return false;
            m_layout.name = words.mid(1).join(u' ');
            return true;
        }
        if (key == u"units")
            return readUnits(words);
        if (key == u"paper")
            return readPaper(words);
        if (key == u"font")
            return readFont(words);
        if (key == u"place") {
            const std::optional<std::vector<qreal>> xy = lengths(words, 1, 2, tr("two lengths: x and y"));
            if (!xy || !noMore(words, 3))
                return false;
            m_layout.places.emplace_back((*xy)[0], (*xy)[1]);
            m_placeLines.push_back(m_line);
            return true;
        }
        if (key == u"face" || key == u"stub") {
            if (key == u"stub" && words.size() > 1 && checkFieldNamed(words[1]))
                return readField(words, 1, m_layout.stubFields);
            if (key == u"face" && !once(key))
                return false;
            const std::optional<std::vector<qreal>> box =
                lengths(words, 1, 4, tr("four lengths: x, y, width and height"));
            if (!box || !noMore(words, 5))
                return false;
            const QRectF rect((*box)[0], (*box)[1], (*box)[2], (*box)[3]);
            if (rect.isEmpty())
                return fail(tr("\u201c%1\u201d needs a width and a height above zero").arg(key));
            if (key == u"face") {
                m_layout.face = rect;
            } else {
                m_layout.stubs.push_back(rect);
                m_stubLines.push_back(m_line);
            }
            return true;
        }
        if (checkFieldNamed(key))
            return readField(words, 0, m_layout.faceFields);
        return fail(tr("\u201c%1\u201d is not part of a check layout: a line begins with name, paper, units, "
                       "font, place, face, stub, or a field (%2)")
                        .arg(key, fieldNames()));
    }

    static QString fieldNames()
    {
        QStringList names;
        for (int f = 0; f < kCheckFieldCount; ++f)
            names << checkFieldName(CheckField(f));
        return names.join(u", "_s);
    }

    bool readUnits(const QStringList &words)
    {
        static const std::map<QString, LengthUnit> units = {
            {u"in"_s, LengthUnit::Inch}, {u"mm"_s, LengthUnit::Millimetre}, {u"pt"_s, LengthUnit::Point}};
        const auto unit = words.size() == 2 ? units.find(words[1]) : units.end();
        if (unit == units.end())
            return fail(tr("\u201cunits\u201d needs one of in, mm or pt"));
        m_unit = unit->second;
        return true;
    }

    bool readPaper(const QStringList &words)
    {
        if (!once(words[0]))
            return false;
        static const std::map<QString, QSizeF> papers = {{u"letter"_s, QSizeF(612, 792)},
                                                         {u"legal"_s, QSizeF(612, 1008)},
                                                         {u"a4"_s, QSizeF(210 * kPointsPerMillimetre,
                                                                          297 * kPointsPerMillimetre)}};
        if (words.size() == 2) {
            const auto paper = papers.find(words[1].toLower());
            if (paper == papers.end())
                return fail(tr("\u201c%1\u201d is not a paper Cheqbook knows: write letter, legal, a4, or a width "
                               "and a height")
                                .arg(words[1]));
            m_layout.paper = paper->second;
            return true;
        }
        const std::optional<std::vector<qreal>> size =
            lengths(words, 1, 2, tr("letter, legal, a4, or a width and a height"));
        if (!size || !noMore(words, 3))
            return false;
        if ((*size)[0] <= 0 || (*size)[1] <= 0)
            return fail(tr("the paper needs a width and a height above zero"));
        m_layout.paper = QSizeF((*size)[0], (*size)[1]);
        return true;
    }

    bool readFont(const QStringList &words)
    {
        if (!once(words[0]))
            return false;
        if (words.size() != 3)
            return fail(tr("\u201c"
                           "font\u201d needs a family and a size in points (font \"DejaVu Sans\" 10)"));
        const std::optional<qreal> size = pointSize(words[2]);
        if (!size)
            return false;
        m_layout.family = words[1];
        m_layout.pointSize = *size;
        return true;
    }

    std::optional<qreal> pointSize(const QString &word)
    {
        bool ok = false;
        const double size = word.toDouble(&ok);
        if (!ok || size < 4 || size > 72) {
            fail(tr("\u201c%1\u201d is not a size: a number of points from 4 to 72").arg(word));
            return std::nullopt;
        }
        return size;
    }

    // A field's line: its name at words[at] (after "stub" for a stub's), its
    // x, y and width, then its options.
    bool readField(const QStringList &words, qsizetype at,
                   std::array<std::optional<FieldPlace>, kCheckFieldCount> &fields)
    {
        const QString name = words.mid(0, at + 1).join(u' ');
        if (!once(name))
            return false;
        const std::optional<std::vector<qreal>> xyw =
            lengths(words.mid(at), 1, 3, tr("three lengths: x, y and width"));
        if (!xyw)
            return false;
        FieldPlace field;
        field.at = QPointF((*xyw)[0], (*xyw)[1]);
        field.width = (*xyw)[2];
        field.line = m_line;
        bool sized = false;
        for (qsizetype i = at + 4; i < words.size(); ++i) {
            const QString &option = words[i];
            const bool takesValue = option == u"size" || option == u"font" || option == u"lines";
            if (takesValue && i + 1 >= words.size())
                return fail(tr("\u201c%1\u201d needs a value after it").arg(option));
            if (option == u"size") {
                const std::optional<qreal> size = pointSize(words[++i]);
                if (!size)
                    return false;
                field.pointSize = *size;
                sized = true;
            } else if (option == u"font") {
                field.family = words[++i];
            } else if (option == u"lines") {
                bool ok = false;
                field.lines = words[++i].toInt(&ok);
                if (!ok || field.lines < 1 || field.lines > 20)
                    return fail(tr("\u201clines\u201d needs a whole number from 1 to 20"));
            } else if (option == u"bold") {
                field.bold = true;
            } else if (option == u"left" || option == u"right" || option == u"center") {
                field.alignment = option == u"left"    ? FieldAlignment::Left
                                  : option == u"right" ? FieldAlignment::Right
                                                       : FieldAlignment::Center;
            } else {
                return fail(tr("\u201c%1\u201d is not an option of a field (size, font, bold, left, right, center, "
                               "lines)")
                                .arg(option));
            }
        }
        if (field.width <= 0)
            return fail(tr("the field needs a width above zero"));
        if (!sized)
            m_unsized.push_back(&fields[size_t(*checkFieldNamed(words[at]))]);
        fields[size_t(*checkFieldNamed(words[at]))] = field;
        return true;
    }

    // What is checked once every line is read: what a check needs, and that
    // everything lies within what holds it.
    bool finish()
    {
        // A field without a size of its own takes the layout's, wherever the font line stands.
        for (std::optional<FieldPlace> *field : m_unsized)
            (*field)->pointSize = m_layout.pointSize;
        if (m_layout.paper.isEmpty())
            return fail(tr("no \u201cpaper\u201d line: letter, legal, a4, or a width and a height"));
        if (m_layout.places.empty())
            return fail(tr("no \u201cplace\u201d line: a layout places at least one check on a sheet"));
        if (m_layout.face.isEmpty())
            return fail(tr("no \u201c"
                           "face\u201d line: where the check lies within its place"));
        for (CheckField needed : {CheckField::Date, CheckField::Payee, CheckField::Amount, CheckField::Words})
            if (!m_layout.faceField(needed))
                return fail(tr("no \u201c%1\u201d field: a check needs its date, payee, amount and amount in words")
                                .arg(checkFieldName(needed)));
        const QRectF paper(QPointF(), m_layout.paper);
        for (size_t i = 0; i < m_layout.places.size(); ++i) {
            m_line = m_placeLines[i];
            if (!within(m_layout.face.translated(m_layout.places[i]), paper, tr("the check placed here"),
                        tr("the paper")))
                return false;
            for (size_t s = 0; s < m_layout.stubs.size(); ++s)
                if (!within(m_layout.stubs[s].translated(m_layout.places[i]), paper,
                            tr("the stub of line %1, placed here,").arg(m_stubLines[s]), tr("the paper")))
                    return false;
        }
        for (int f = 0; f < kCheckFieldCount; ++f) {
            if (const std::optional<FieldPlace> &field = m_layout.faceFields[size_t(f)]) {
                m_line = field->line;
                if (!within(field->box(), QRectF(QPointF(), m_layout.face.size()),
                            tr("the %1 field").arg(checkFieldName(CheckField(f))), tr("the check")))
                    return false;
            }
            if (const std::optional<FieldPlace> &field = m_layout.stubFields[size_t(f)]) {
                m_line = field->line;
                if (m_layout.stubs.empty())
                    return fail(tr("\u201cstub %1\u201d places a field on the stubs, but the layout has no "
                                   "\u201cstub\u201d line")
                                    .arg(checkFieldName(CheckField(f))));
                for (size_t s = 0; s < m_layout.stubs.size(); ++s)
                    if (!within(field->box(), QRectF(QPointF(), m_layout.stubs[s].size()),
                                tr("the %1 field").arg(checkFieldName(CheckField(f))),
                                tr("the stub of line %1").arg(m_stubLines[s])))
                        return false;
            }
        }
        return true;
    }

    bool within(const QRectF &inner, const QRectF &outer, const QString &what, const QString &holder)
    {
        const auto beyond = [&](qreal by, const QString &edge) {
            return fail(tr("%1 ends %2 beyond the %3 edge of %4")
                            .arg(what, writtenLength(by, m_unit), edge, holder));
        };
        if (inner.right() > outer.right() + kEdgeTolerance)
            return beyond(inner.right() - outer.right(), tr("right"));
        if (inner.bottom() > outer.bottom() + kEdgeTolerance)
            return beyond(inner.bottom() - outer.bottom(), tr("bottom"));
        return true;
    }

    QString m_fileName;
    int m_line = 0;
    QString m_error;
    LengthUnit m_unit = LengthUnit::Inch;
    CheckLayout m_layout;
    std::map<QString, int> m_firstLines;
    std::vector<int> m_placeLines;
    std::vector<int> m_stubLines;
    std::vector<std::optional<FieldPlace> *> m_unsized;
};

} // namespace

CheckLayoutReading readCheckLayout(const QByteArray &text, const QString &fileName)
{
    QString decoded = QString::fromUtf8(text);
    // Editors on some systems begin a UTF-8 file with a byte order mark.
    if (decoded.startsWith(QChar(0xfeff)))
        decoded.remove(0, 1);
    return LayoutReader(fileName).read(decoded);
}

CheckLayoutReading readCheckLayoutFile(const QString &path)
{
    InputFile file(path, InputFile::Access::Map);
    if (file.ok() && file.status().st_size > kLayoutFileLimit)
        return {{},
                QCoreApplication::translate("CheckLayout", "%1: at %2 bytes it is too large to be a check layout")
                    .arg(path)
                    .arg(file.status().st_size)};
    const QByteArray bytes = file.bytes();
    if (!file.finish())
        return {{}, u"%1: %2"_s.arg(path, file.error())};
    return readCheckLayout(bytes, path);
}
