#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

QString environment(const char *name) { return QString::fromLocal8Bit(qgetenv(name)); }

// "de_DE.UTF-8@euro" as "de_DE": the codeset says how the texts are
// encoded and the modifier which variant, neither which language.
QString languageOfLocaleName(QString name)
{
    if (const qsizetype at = name.indexOf(u'@'); at >= 0)
        name.truncate(at);
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
        name.truncate(dot);
    return name;
}

bool isUntranslatedLocale(const QString &name)
{
    const QString language = languageOfLocaleName(name);
    return language == u"C" || language == u"POSIX";
}

} // namespace

LanguageEnvironment LanguageEnvironment::current()
{
    return {environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"), environment("LANG")};
}

QStringList wantedLanguages(const LanguageEnvironment &env)
{
    // The first of the three that is set decides the message locale, as
    // setlocale() has it.
    QString locale = env.lcAll;
    if (locale.isEmpty())
        locale = env.lcMessages;
    if (locale.isEmpty())
        locale = env.lang;
    // In the C locale LANGUAGE is ignored: a script that sets LC_ALL=C gets
    // the texts it was written against, whatever the desktop prefers.
    if (locale.isEmpty() || isUntranslatedLocale(locale))
        return {};
    const QStringList asked = env.language.isEmpty() ? QStringList{locale}
                                                     : env.language.split(u':', Qt::SkipEmptyParts);
    QStringList wanted;
    for (const QString &entry : asked) {
        if (isUntranslatedLocale(entry)) {
            // "C" in the list is English, and ends it as English would.
            wanted << u"en"_s;
            break;
        }
        const QString language = languageOfLocaleName(entry);
        if (language.isEmpty())
            continue;
        // A country's variant first, then the language it is a variant of.
        for (const QString &candidate : {language, language.section(u'_', 0, 0)})
            if (!wanted.contains(candidate))
                wanted << candidate;
    }
    return wanted;
}

QString chosenLanguage(const QStringList &wanted, const QStringList &available)
{
    for (const QString &language : wanted) {
        if (language.section(u'_', 0, 0) == u"en")
            return {};
        if (available.contains(language))
            return language;
    }
    return {};
}

QStringList availableLanguages(const QString &folder)
{
    QStringList languages;
    const QString prefix = u"cheqbook_"_s;
    for (const QString &file : QDir(folder).entryList({prefix + u"*.qm"_s}, QDir::Files))
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

bool installTranslation(QCoreApplication &app, const QString &language, const QString &folder,
                        const QString &qtFolder)
{
    auto *own = new QTranslator(&app);
    if (!own->load(u"cheqbook_"_s + language, folder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts: the buttons of message boxes, file and print dialogs.
    auto *qt = new QTranslator(&app);
    if (qt->load(u"qtbase_"_s + language, qtFolder))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

QString installLanguageOfEnvironment(QCoreApplication &app)
{
    const QString folder = QString::fromUtf16(kTranslationsFolder);
    const QString language =
        chosenLanguage(wantedLanguages(LanguageEnvironment::current()), availableLanguages(folder));
    if (language.isEmpty()
        || !installTranslation(app, language, folder, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return {};
    return language;
}

QString textLanguage()
{
    //: The code of the language of this translation (de, fr), not shown: it
    //: chooses the translated user's guide and the language of month names.
    return QCoreApplication::translate("Translations", "en");
}

QLocale textLocale() { return QLocale(textLanguage()); }
