#pragma once

// Cheqbook in the user's language. The texts are English in the sources and
// translated by Qt's translation layer; the program chooses the language the
// way gettext programs do, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, so
// that a desktop's language setting means the same to every program.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The message locale's variables as the environment has them.
struct LanguageEnvironment {
    QString language;   // LANGUAGE: a list such as "fr_CA:fr:de"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LanguageEnvironment current();
};

// The languages asked for, most wanted first, each as "de_DE" or "de"
// (codeset and modifier left off). Empty when the texts are to stay as they
// are written: the message locale is C or POSIX, where LANGUAGE counts for
// nothing, or nothing is set.
QStringList wantedLanguages(const LanguageEnvironment &environment);

// The first of the wanted languages Cheqbook has a translation for, as the
// name of its translation ("de", "fr"); empty for English, which is also
// chosen when English comes before any language Cheqbook has.
// `available` names the translations there are.
QString chosenLanguage(const QStringList &wanted, const QStringList &available);

// The translations in folder (files cheqbook_LANG.qm), by language.
QStringList availableLanguages(const QString &folder);

// Installs Cheqbook's translation into language from folder, and Qt's own
// (its dialogs' buttons and panels) from qtFolder; returns false when
// Cheqbook's could not be loaded, leaving the texts English. A Qt without
// that language leaves only Qt's own texts English.
bool installTranslation(QCoreApplication &app, const QString &language, const QString &folder,
                        const QString &qtFolder);

// Where the program's translations are: built into it.
inline constexpr char16_t kTranslationsFolder[] = u":/i18n";

// All of the above for the program as started: the language the environment
// asks for, if Cheqbook has it, with Qt's own. Returns the language
// installed; empty when the texts stay English.
QString installLanguageOfEnvironment(QCoreApplication &app);

// The language the texts are shown in ("en" when not translated): what a
// text in the user's language but not from a translation (the guide, month
// names) goes by.
QString textLanguage();
// That language's locale, for month and day names.
QLocale textLocale();
