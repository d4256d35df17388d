// The window's texts in the user's language. Torvex's own translations are built into the
// program (:/translations/torvex_<language>.qm); Qt's own texts (the buttons of its standard
// dialogs) come from the system's Qt translations where they are installed. English, the
// language the texts are written in, needs no translation.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QLocale;

namespace torvex {

// The languages Torvex ships a translation for ("de", "es", "fr"), sorted.
QStringList shippedTranslationLanguages();

// The resource path of a shipped language's compiled translation.
QString translationResource(const QString &language);

// Installs into the application the translators for the first of the locale's user-interface
// languages that Torvex translates, with Qt's own for the same language. Returns that
// language, or an empty string when the texts stay in English.
QString installTranslations(QCoreApplication &application, const QLocale &locale);

} // namespace torvex
