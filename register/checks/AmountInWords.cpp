#include "AmountInWords.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kWordsLimit = 1'000'000'000'000'000;

// Each language's number split into groups of three digits, the highest first.
std::array<int, 5> groupsOfThree(qint64 n)
{
    std::array<int, 5> groups{};
    for (int i = 4; i >= 0; --i, n /= 1000)
        groups[size_t(i)] = int(n % 1000);
    return groups;
}

// The billions, milliards and millions of a long-scale language, a word for
// one of them ("eine Million", "un million"), the group itself before many.
struct LargeNoun {
    QString one;
    QString many;
};
QStringList largeGroups(const std::array<int, 5> &groups, const std::array<LargeNoun, 3> &nouns, const QString &one,
                        const std::function<QString(int)> &belowThousand)
{
    QStringList words;
    for (size_t i = 0; i < nouns.size(); ++i) {
        if (groups[i] == 1)
            words << one + u' ' + nouns[i].one;
        else if (groups[i] != 0)
            words << belowThousand(groups[i]) + u' ' + nouns[i].many;
    }
    return words;
}

// ---- English: short scale, "and" only before the cents.

const std::array<QString, 20> kEnglishUnits = {
    u"zero"_s, u"one"_s, u"two"_s, u"three"_s, u"four"_s, u"five"_s, u"six"_s, u"seven"_s, u"eight"_s, u"nine"_s, u"ten"_s,
    u"eleven"_s, u"twelve"_s, u"thirteen"_s, u"fourteen"_s, u"fifteen"_s, u"sixteen"_s, u"seventeen"_s, u"eighteen"_s, u"nineteen"_s};
const std::array<QString, 10> kEnglishTens = {
    u""_s, u""_s, u"twenty"_s, u"thirty"_s, u"forty"_s, u"fifty"_s, u"sixty"_s, u"seventy"_s, u"eighty"_s, u"ninety"_s};

QString englishBelowThousand(int n)
{
    QStringList words;
    if (n >= 100)
        words << kEnglishUnits[size_t(n / 100)] + u" hundred"_s;
    if (const int rest = n % 100; rest >= 20)
        words << kEnglishTens[size_t(rest / 10)] + (rest % 10 ? u'-' + kEnglishUnits[size_t(rest % 10)] : QString());
    else if (rest > 0)
        words << kEnglishUnits[size_t(rest)];
    return words.join(u' ');
}

QString englishWords(qint64 n)
{
    static const std::array<QString, 5> scales = {u" trillion"_s, u" billion"_s, u" million"_s, u" thousand"_s, u""_s};
    QStringList words;
    const std::array<int, 5> groups = groupsOfThree(n);
    for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i] != 0)
            words << englishBelowThousand(groups[i]) + scales[i];
    return words.isEmpty() ? u"zero"_s : words.join(u' ');
}

// ---- German: long scale; below a million one word.

const std::array<QString, 20> kGermanUnits = {
    u"null"_s, u"eins"_s, u"zwei"_s, u"drei"_s, u"vier"_s, u"fünf"_s, u"sechs"_s, u"sieben"_s, u"acht"_s, u"neun"_s, u"zehn"_s,
    u"elf"_s, u"zwölf"_s, u"dreizehn"_s, u"vierzehn"_s, u"fünfzehn"_s, u"sechzehn"_s, u"siebzehn"_s, u"achtzehn"_s, u"neunzehn"_s};
const std::array<QString, 10> kGermanTens = {
    u""_s, u""_s, u"zwanzig"_s, u"dreißig"_s, u"vierzig"_s, u"fünfzig"_s, u"sechzig"_s, u"siebzig"_s, u"achtzig"_s, u"neunzig"_s};

// How a one is written where a group ends in it: "eins" at the very end,
// "ein" before tausend, "eine" before Million and the nouns above it.
enum class GermanOne { Eins, Ein, Eine };

// A unit inside a compound: "ein" in einhundert and einundzwanzig.
QString germanStem(int unit) { return unit == 1 ? u"ein"_s : kGermanUnits[size_t(unit)]; }

QString germanBelowThousand(int n, GermanOne one)
{
    QString word;
    if (n >= 100)
        word += germanStem(n / 100) + u"hundert"_s;
    const int rest = n % 100;
    if (rest == 1)
        word += one == GermanOne::Eins ? u"eins"_s : one == GermanOne::Ein ? u"ein"_s : u"eine"_s;
    else if (rest >= 20)
        word += (rest % 10 ? germanStem(rest % 10) + u"und"_s : QString()) + kGermanTens[size_t(rest / 10)];
    else if (rest > 0)
        word += kGermanUnits[size_t(rest)];
    return word;
}

QString germanWords(qint64 n)
{
    static const std::array<LargeNoun, 3> nouns = {LargeNoun{u"Billion"_s, u"Billionen"_s},
                                                   LargeNoun{u"Milliarde"_s, u"Milliarden"_s},
                                                   LargeNoun{u"Million"_s, u"Millionen"_s}};
    const std::array<int, 5> groups = groupsOfThree(n);
    QStringList words = largeGroups(groups, nouns, u"eine"_s,
                                    [](int group) { return germanBelowThousand(group, GermanOne::Eine); });
    QString belowMillion;
    if (groups[3] != 0)
        belowMillion = germanBelowThousand(groups[3], GermanOne::Ein) + u"tausend"_s;
    if (groups[4] != 0)
        belowMillion += germanBelowThousand(groups[4], GermanOne::Eins);
    if (!belowMillion.isEmpty())
        words << belowMillion;
    return words.isEmpty() ? u"null"_s : words.join(u' ');
}

// ---- French: long scale, traditional hyphens.

const std::array<QString, 20> kFrenchUnits = {
    u"zéro"_s, u"un"_s, u"deux"_s, u"trois"_s, u"quatre"_s, u"cinq"_s, u"six"_s, u"sept"_s, u"huit"_s, u"neuf"_s, u"dix"_s,
    u"onze"_s, u"douze"_s, u"treize"_s, u"quatorze"_s, u"quinze"_s, u"seize"_s, u"dix-sept"_s, u"dix-huit"_s, u"dix-neuf"_s};
const std::array<QString, 7> kFrenchTens = {u""_s, u""_s, u"vingt"_s, u"trente"_s, u"quarante"_s, u"cinquante"_s, u"soixante"_s};

// Whether "vingt" and "cent" may take their plural s here: at the end of the
// number or before a noun (millions), not before "mille".
enum class FrenchPlural { Allowed, Not };

QString frenchBelowHundred(int n, FrenchPlural plural)
{
    if (n < 20)
        return kFrenchUnits[size_t(n)];
    const int tens = n / 10;
    const int unit = n % 10;
    if (tens <= 6) {
        const QString base = kFrenchTens[size_t(tens)];
        if (unit == 0)
            return base;
        return unit == 1 ? base + u" et un"_s : base + u'-' + kFrenchUnits[size_t(unit)];
    }
    if (tens == 7)
        return unit == 1 ? u"soixante et onze"_s : u"soixante-"_s + kFrenchUnits[size_t(10 + unit)];
    if (n == 80)
        return plural == FrenchPlural::Allowed ? u"quatre-vingts"_s : u"quatre-vingt"_s;
    return u"quatre-vingt-"_s + kFrenchUnits[size_t(n - 80)];
}

QString frenchBelowThousand(int n, FrenchPlural plural)
{
    const int hundreds = n / 100;
    const int rest = n % 100;
    QString word;
    if (hundreds == 1)
        word = u"cent"_s;
    else if (hundreds > 1)
        word = kFrenchUnits[size_t(hundreds)] + (rest == 0 && plural == FrenchPlural::Allowed ? u" cents"_s
                                                                                               : u" cent"_s);
    if (rest != 0)
        word += (word.isEmpty() ? QString() : u" "_s) + frenchBelowHundred(rest, plural);
    return word;
}

QString frenchWords(qint64 n)
{
    static const std::array<LargeNoun, 3> nouns = {LargeNoun{u"billion"_s, u"billions"_s},
                                                   LargeNoun{u"milliard"_s, u"milliards"_s},
                                                   LargeNoun{u"million"_s, u"millions"_s}};
    const std::array<int, 5> groups = groupsOfThree(n);
    QStringList words = largeGroups(groups, nouns, u"un"_s,
                                    [](int group) { return frenchBelowThousand(group, FrenchPlural::Allowed); });
    if (groups[3] == 1)
        words << u"mille"_s;
    else if (groups[3] != 0)
        words << frenchBelowThousand(groups[3], FrenchPlural::Not) + u" mille"_s;
    if (groups[4] != 0)
        words << frenchBelowThousand(groups[4], FrenchPlural::Allowed);
    return words.isEmpty() ? u"zéro"_s : words.join(u' ');
}

} // namespace

WordsLanguage wordsLanguageOf(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::German:
        return WordsLanguage::German;
    case QLocale::French:
        return WordsLanguage::French;
    default:
        return WordsLanguage::English;
    }
}

QString numberInWords(qint64 n, WordsLanguage language)
{
    Q_ASSERT(n >= 0 && n < kWordsLimit);
    switch (language) {
    case WordsLanguage::German:
        return germanWords(n);
    case WordsLanguage::French:
        return frenchWords(n);
    case WordsLanguage::English:
        break;
    }
    return englishWords(n);
}

std::optional<QString> amountInWords(Cents cents, WordsLanguage language)
{
    if (cents < 0 || cents > kMaxCents)
        return std::nullopt;
    QString words = numberInWords(cents / 100, language);
    words[0] = words[0].toUpper();
    const QString joint = language == WordsLanguage::German   ? u" und "_s
                          : language == WordsLanguage::French ? u" et "_s
                                                              : u" and "_s;
    return words + joint + u"%1/100"_s.arg(int(cents % 100), 2, 10, QChar(u'0'));
}
