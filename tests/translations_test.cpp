// Cheqbook in German and French. Each shipped translation must hold every
// text of the sources, translated: a text added without its translations
// fails here, whoever adds it. Each must keep what the program fills in (%1)
// and the access key (&), and its date examples must be dates Cheqbook reads.
// The guide, the menu entry, the file type and the software-centre
// description must say in each language what they say in English. And the
// language is chosen as the other programs of the desktop choose it.

#include "DateReader.h"
#include "TestSupport.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(SOURCE_DIR);
const QStringList kLanguages = {u"de"_s, u"fr"_s};

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one for each plural form
    bool numerus = false;
    bool unfinished = false;

    std::string name() const { return (context + u": \u201c"_s + source + u"\u201d"_s).toStdString(); }
};

std::vector<Message> readTs(const QString &path, QString *language = nullptr)
{
    std::vector<Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS") {
            if (language)
                *language = xml.attributes().value(QLatin1StringView("language")).toString();
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message m;
            m.context = context;
            m.numerus = xml.attributes().value(QLatin1StringView("numerus")) == u"yes";
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    m.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    const QStringView type = xml.attributes().value(QLatin1StringView("type"));
                    m.unfinished = type == u"unfinished" || type == u"vanished" || type == u"obsolete";
                    if (m.numerus) {
                        while (xml.readNextStartElement())
                            m.translations << xml.readElementText();
                    } else {
                        m.translations << xml.readElementText();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString shippedTs(const QString &language) { return kSourceDir + u"/translations/cheqbook_%1.ts"_s.arg(language); }

// The shipped file brought in step with the sources as
// scripts/update-translations does it, in a copy; lupdate's complaints
// (a tr() it cannot place) are handed back in warnings.
std::vector<Message> tsOfTheSources(const QString &language, const QString &folder, QString *warnings)
{
    const QString ts = folder + u"/cheqbook_%1.ts"_s.arg(language);
    QFile::copy(shippedTs(language), ts);
    QFile(ts).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.setWorkingDirectory(kSourceDir);
    lupdate.start(QStringLiteral(LUPDATE), {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s,
                                            u"-source-language"_s, u"en"_s, u"app"_s, u"register"_s, u"fields"_s,
                                            u"sample"_s, u"resources"_s, u"-ts"_s, ts});
    EXPECT_TRUE(lupdate.waitForFinished(120000));
    EXPECT_EQ(lupdate.exitCode(), 0);
    *warnings = QString::fromLocal8Bit(lupdate.readAllStandardError()).trimmed();
    return readTs(ts);
}

// What the program fills into a text: %1 to %99, %L1, %n and %Ln.
std::multiset<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(uR"(%L?(?:\d{1,2}|n))"_s);
    std::multiset<QString> found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

bool hasAccessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return true;
        ++i;
    }
    return false;
}

class ShippedTranslation : public ::testing::TestWithParam<QString>
{
};

TEST_P(ShippedTranslation, HoldsEveryTextOfTheSourcesTranslated)
{
    QTemporaryDir folder;
    QString warnings;
    const std::vector<Message> messages = tsOfTheSources(GetParam(), folder.path(), &warnings);
    // A text lupdate cannot place is a text no translation can reach.
    EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
    ASSERT_GT(messages.size(), 300u);
    std::string missing;
    for (const Message &m : messages) {
        const bool empty = m.translations.isEmpty()
            || std::any_of(m.translations.begin(), m.translations.end(), [](const QString &t) { return t.isEmpty(); });
        if (m.unfinished || empty)
            missing += "\n  " + m.name();
    }
    EXPECT_TRUE(missing.empty()) << "translations/cheqbook_" << GetParam().toStdString()
                                 << ".ts lacks these (scripts/update-translations brings them in, then translate "
                                    "them):"
                                 << missing;
}

TEST_P(ShippedTranslation, KeepsWhatTheProgramFillsInAndTheAccessKeys)
{
    const std::vector<Message> messages = readTs(shippedTs(GetParam()));
    for (const Message &m : messages) {
        for (const QString &translation : m.translations) {
            if (translation.isEmpty())
                continue;
            std::multiset<QString> wanted = placeholders(m.source);
            std::multiset<QString> given = placeholders(translation);
            // A plural form may say its number in words ("un", "eine")
            // instead of %n, but never something the source does not fill.
            if (m.numerus) {
                wanted.erase(u"%n"_s);
                given.erase(u"%n"_s);
            }
            // Each number filled in is there; a text may say one twice.
            EXPECT_EQ(std::set<QString>(given.begin(), given.end()), std::set<QString>(wanted.begin(), wanted.end()))
                << m.name() << " \u2192 " << translation.toStdString();
            EXPECT_EQ(hasAccessKey(translation), hasAccessKey(m.source))
                << m.name() << " \u2192 " << translation.toStdString();
            EXPECT_EQ(translation.endsWith(u'\u2026'), m.source.endsWith(u'\u2026'))
                << "a command that asks before it acts says so: " << m.name();
        }
    }
}

TEST_P(ShippedTranslation, NamesItsOwnLanguage)
{
    QString language;
    const std::vector<Message> messages = readTs(shippedTs(GetParam()), &language);
    EXPECT_EQ(language, GetParam());
    const auto code = std::find_if(messages.begin(), messages.end(), [](const Message &m) {
        return m.context == u"Translations" && m.source == u"en";
    });
    ASSERT_NE(code, messages.end());
    EXPECT_EQ(code->translations.value(0), GetParam()) << "the guide and the month names go by it";
}

// The examples a date field shows of what it reads: each must read, in that
// language, as 7 December 2026 or a day next to today.
TEST_P(ShippedTranslation, DateExamplesAreDatesCheqbookReads)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(u"cheqbook_"_s + GetParam(), QStringLiteral(QM_DIR)));
    QCoreApplication::installTranslator(&translator);
    ASSERT_EQ(textLanguage(), GetParam());
    const QDate today(2026, 12, 5);
    for (DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        // "Dec 7, 2026" holds the separator: a year alone belongs to the
        // example before it.
        QStringList examples;
        for (const QString &piece : dateFormsRead(order).split(u", "_s)) {
            if (!examples.isEmpty() && piece.size() == 4 && piece.toInt() > 0)
                examples.last() += u", "_s + piece;
            else
                examples << piece;
        }
        EXPECT_GE(examples.size(), 8) << dateFormsRead(order).toStdString();
        for (const QString &example : examples) {
            const std::optional<QDate> read = readTypedDate(example, order, today);
            ASSERT_TRUE(read) << example.toStdString();
            EXPECT_TRUE(*read == QDate(2026, 12, 7) || std::abs(today.daysTo(*read)) <= 1)
                << example.toStdString() << " read as " << read->toString(Qt::ISODate).toStdString();
        }
    }
    QCoreApplication::removeTranslator(&translator);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, ::testing::ValuesIn(kLanguages.begin(), kLanguages.end()),
                         [](const auto &info) { return info.param.toStdString(); });

// The guide in the Help window is the README's in English; the translated
// guides follow it. translations/user-guide.en.md is the English guide they
// translate: when README.md's guide changes, this fails with the change, to
// be made in each translated guide and then copied there.
TEST(TranslatedGuide, TranslatesTheReadmesGuideAsItStands)
{
    const QString built = readText(QStringLiteral(USER_GUIDE));
    const QString translated = readText(kSourceDir + u"/translations/user-guide.en.md"_s);
    ASSERT_FALSE(built.isEmpty());
    if (built == translated)
        return;
    const QStringList now = built.split(u'\n');
    const QStringList before = translated.split(u'\n');
    std::string changed;
    for (const QString &line : now)
        if (!before.contains(line))
            changed += "\n+ " + line.toStdString();
    for (const QString &line : before)
        if (!now.contains(line))
            changed += "\n- " + line.toStdString();
    ADD_FAILURE() << "README.md's user guide changed; bring translations/user-guide.de.md and .fr.md in step, "
                     "then copy the build's help/user-guide.md to translations/user-guide.en.md:"
                  << changed;
}

// The shape of a guide: its headings and the points of its lists, each by
// its depth. A translation that leaves out a point, or makes two of one,
// has another shape.
std::vector<int> guideShape(const QString &guide)
{
    static const QRegularExpression item(uR"(^(#+ |\s*- ))"_s);
    std::vector<int> shape;
    bool fenced = false;
    for (const QString &line : guide.split(u'\n')) {
        if (line.startsWith(u"```"))
            fenced = !fenced;
        if (fenced)
            continue;
        if (const QRegularExpressionMatch m = item.match(line); m.hasMatch())
            shape.push_back(m.captured(1).startsWith(u'#') ? -int(m.captured(1).size()) : int(m.captured(1).size()));
    }
    return shape;
}

TEST(TranslatedGuide, HasTheShapeOfTheEnglishGuide)
{
    const std::vector<int> english = guideShape(readText(kSourceDir + u"/translations/user-guide.en.md"_s));
    ASSERT_GT(english.size(), 20u);
    for (const QString &language : kLanguages)
        EXPECT_EQ(guideShape(readText(kSourceDir + u"/translations/user-guide.%1.md"_s.arg(language))), english)
            << language.toStdString();
}

// The menu entry, the file type and the software-centre description: every
// text a desktop shows of Cheqbook before it runs, in each language.
TEST(TranslatedDesktopFiles, TheMenuEntrySaysEveryTextInEachLanguage)
{
    QSettings entry(kSourceDir + u"/data/org.cheqbook.cheqbook.desktop"_s, QSettings::IniFormat);
    entry.beginGroup(u"Desktop Entry"_s);
    const QStringList keys = entry.childKeys();
    for (const QString &key : {u"Name"_s, u"GenericName"_s, u"Comment"_s, u"Keywords"_s}) {
        ASSERT_TRUE(keys.contains(key)) << key.toStdString();
        for (const QString &language : kLanguages)
            EXPECT_TRUE(keys.contains(u"%1[%2]"_s.arg(key, language))) << key.toStdString() << '[' << language.toStdString() << ']';
    }
}

// Each element of an XML file that a desktop shows, counted by the language
// it is in ("" for English).
std::map<QString, std::map<QString, int>> shownElements(const QString &path, const QStringList &names)
{
    std::map<QString, std::map<QString, int>> counted;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && names.contains(xml.name().toString()))
            ++counted[xml.name().toString()][xml.attributes().value(QLatin1StringView("xml:lang")).toString()];
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return counted;
}

TEST(TranslatedDesktopFiles, TheFileTypeAndTheDescriptionSayEveryTextInEachLanguage)
{
    const struct {
        QString file;
        QStringList shown;
    } files[] = {
        {u"cheqbook-mime.xml"_s, {u"comment"_s}},
        {u"org.cheqbook.cheqbook.metainfo.xml.in"_s, {u"summary"_s, u"p"_s, u"li"_s, u"caption"_s, u"keyword"_s}},
    };
    for (const auto &f : files) {
        const auto counted = shownElements(kSourceDir + u"/data/"_s + f.file, f.shown);
        for (const QString &element : f.shown) {
            const auto &byLanguage = counted.at(element);
            ASSERT_GT(byLanguage.count(QString()), 0u) << f.file.toStdString() << ' ' << element.toStdString();
            for (const QString &language : kLanguages)
                EXPECT_EQ(byLanguage.count(language) ? byLanguage.at(language) : 0, byLanguage.at(QString()))
                    << f.file.toStdString() << ": <" << element.toStdString() << " xml:lang=\""
                    << language.toStdString() << "\">";
        }
    }
}

// The language is chosen as gettext chooses it, so that Cheqbook speaks
// what every other program of the desktop speaks.
TEST(Language, IsChosenFromTheEnvironmentAsOtherProgramsChooseIt)
{
    const QStringList available = {u"de"_s, u"fr"_s};
    const struct {
        LanguageEnvironment environment;
        QString chosen;
    } cases[] = {
        {{{}, {}, {}, u"de_DE.UTF-8"_s}, u"de"_s},
        {{{}, {}, {}, u"fr_CA.UTF-8@euro"_s}, u"fr"_s},
        {{{}, {}, {}, u"de_AT"_s}, u"de"_s},
        {{{}, {}, {}, u"es_ES.UTF-8"_s}, {}},                           // a language Cheqbook does not have
        {{{}, {}, {}, {}}, {}},                                         // nothing set
        {{{}, u"fr_FR.UTF-8"_s, u"de_DE.UTF-8"_s, u"de_DE.UTF-8"_s}, u"fr"_s}, // LC_ALL first
        {{{}, {}, u"fr_FR.UTF-8"_s, u"de_DE.UTF-8"_s}, u"fr"_s},        // then LC_MESSAGES
        {{u"fr:de"_s, {}, {}, u"de_DE.UTF-8"_s}, u"fr"_s},              // LANGUAGE before the locale
        {{u"es:de"_s, {}, {}, u"en_US.UTF-8"_s}, u"de"_s},              // its first language Cheqbook has
        {{u"en_GB:de"_s, {}, {}, u"de_DE.UTF-8"_s}, {}},                // English before German
        {{u"de"_s, u"C"_s, {}, u"fr_FR.UTF-8"_s}, {}},                  // LANGUAGE means nothing under C
        {{u"de"_s, u"C.UTF-8"_s, {}, {}}, {}},                          // as the manual page is made
        {{u"de"_s, {}, {}, u"POSIX"_s}, {}},
        {{u"de"_s, {}, {}, {}}, {}},                                    // nor with no locale at all
        {{u"C:fr"_s, {}, {}, u"fr_FR.UTF-8"_s}, {}},                    // C in the list is English
    };
    for (const auto &c : cases)
        EXPECT_EQ(chosenLanguage(wantedLanguages(c.environment), available), c.chosen)
            << "LANGUAGE=" << c.environment.language.toStdString() << " LC_ALL=" << c.environment.lcAll.toStdString()
            << " LC_MESSAGES=" << c.environment.lcMessages.toStdString() << " LANG=" << c.environment.lang.toStdString();
}

// lupdate reads "\u00e9bit" as the character U+E9B and "it", the compiler as
// "\u00e9" and "bit": the text in the translation is then one the program
// never asks for, and it stays English without a word from any test.
TEST(TranslatableTexts, NoEscapedCharacterIsFollowedByAHexDigit)
{
    static const QRegularExpression escape(u"\\\\u[0-9A-Fa-f]{4}[0-9A-Fa-f]"_s);
    std::string found;
    for (const QString &folder : {u"app"_s, u"register"_s, u"fields"_s}) {
        QDirIterator files(kSourceDir + u'/' + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QStringList lines = readText(path).split(u'\n');
            for (qsizetype i = 0; i < lines.size(); ++i)
                if (const QString code = lines[i].trimmed(); !code.startsWith(u"//") && code.contains(escape))
                    found += "\n  " + QDir(kSourceDir).relativeFilePath(path).toStdString() + ':'
                        + std::to_string(i + 1) + ": " + lines[i].trimmed().toStdString();
        }
    }
    EXPECT_TRUE(found.empty()) << "write the character itself, or end the literal after the escape:" << found;
}

TEST(Language, TheBuiltTranslationsAreTheShippedOnes)
{
    QStringList built = availableLanguages(QStringLiteral(QM_DIR));
    built.sort();
    EXPECT_EQ(built, kLanguages);
}

TEST(Language, AnEnglishProgramShowsItsTextsAsWritten)
{
    // No translation installed: the core's messages stay as the command
    // line tool has always written them.
    EXPECT_EQ(textLanguage(), u"en");
    EXPECT_EQ(dateFormsRead(DateOrder::MonthDayYear), kDateFormsRead);
}

} // namespace
