#pragma once

// The amount of a check written out in words, as the line under the payee
// wants it: the dollars (or euros) in words, the cents as a fraction of a
// hundred, so that nothing can be added in front or behind without showing.
//
//   English  One thousand two hundred thirty-four and 56/100
//   German   Eintausendzweihundertvierunddreißig und 56/100
//   French   Mille deux cent trente-quatre et 56/100
//
// German writes what is below a million as one word and the millions and
// above apart ("Eine Million zweihunderttausend"), with "ein" spelled out
// before hundert and tausend so that nothing can be put before them. French
// follows the spelling cheques are written in: hyphens below a hundred only,
// "et un" for 21 to 71, "quatre-vingts" and "deux cents" plural only at the
// end or before million, milliard and billion, "mille" never plural.

#include "Money.h"

#include <QString>

#include <optional>

class QLocale;

enum class WordsLanguage { English, German, French };

// The language of the words for a locale: German and French where the
// locale speaks them, English everywhere else.
WordsLanguage wordsLanguageOf(const QLocale &locale);

// The whole number in words, lower case ("two hundred thirty-four",
// "zweihundertvierunddreißig", "deux cent trente-quatre"); n from 0 to
// 10^15 - 1.
QString numberInWords(qint64 n, WordsLanguage language);

// The amount as a check writes it, its first letter a capital. Nothing for a
// negative amount (a check pays out; it never carries a minus) or one beyond
// the money limit.
std::optional<QString> amountInWords(Cents cents, WordsLanguage language);
