#include "app/gui/application/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

// The translations are compiled into the GUI library, which is static: its resources are
// registered by name, outside any namespace.
static void registerTranslations()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    (void)registered;
}

namespace torvex {

namespace {

const QString resourceFolder = QStringLiteral(":/translations");

// "de" of "de-AT", "de_AT" or "de".
QString languageOf(const QString &uiLanguage)
{
    const auto end = uiLanguage.indexOf(QRegularExpression(QStringLiteral("[-_]")));
    return (end < 0 ? uiLanguage : uiLanguage.left(end)).toLower();
}

// The first of the locale's languages (the user's order, LANGUAGE included) we ship.
QString chosenLanguage(const QLocale &locale)
{
    const QStringList shipped = shippedTranslationLanguages();
    for (const QString &uiLanguage : locale.uiLanguages()) {
        const QString language = languageOf(uiLanguage);
        if (language == QLatin1String("en"))
            return {}; // the texts' own language comes before any later choice
        if (shipped.contains(language))
            return language;
    }
    return {};
}

} // namespace

QStringList shippedTranslationLanguages()
{
    registerTranslations();
    QStringList languages;
    const QStringList files =
        QDir(resourceFolder).entryList({ QStringLiteral("torvex_*.qm") }, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages.append(file.mid(7, file.size() - 7 - 3)); // torvex_<language>.qm
    return languages;
}

QString translationResource(const QString &language)
{
    return resourceFolder + QStringLiteral("/torvex_") + language + QStringLiteral(".qm");
}

QString installTranslations(QCoreApplication &application, const QLocale &locale)
{
    const QString language = chosenLanguage(locale);
    if (language.isEmpty())
        return {};
    auto *own = new QTranslator(&application);
    if (!own->load(translationResource(language))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's texts are a bonus: without them its dialogs' buttons stay in English.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace torvex
