#include "core/gui/ShownText.h"

#include "menu/gui/MenuText.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace torvex {

namespace {

// The translation of the text's own source, %n put in; the English pattern where the
// installed translations have none (Qt then hands back the source, which for a counted text
// is the English plural, not the singular English says for one).
std::string translatedPattern(const LocalText &text)
{
    const int count = text.count() ? static_cast<int>(*text.count()) : -1;
    const QString translated =
        QCoreApplication::translate(text.context(), text.source(), nullptr, count);
    QString untranslated = QString::fromUtf8(text.source());
    if (text.count())
        untranslated.replace(QStringLiteral("%n"), QString::number(count));
    if (translated != untranslated)
        return translated.toStdString();
    const char *english =
        text.count() == 1 && text.englishOne() ? text.englishOne() : text.source();
    return fillPlaceholders(english, {}, text.count());
}

std::string shownUtf8(const LocalText &text)
{
    if (text.isJoined()) {
        std::string joined;
        for (std::size_t i = 0; i < text.values().size(); ++i)
            joined += (i == 0 ? "" : text.plain()) + shownUtf8(text.values()[i]);
        return joined;
    }
    if (text.isVerbatim())
        return text.plain();
    std::vector<std::string> values;
    values.reserve(text.values().size());
    for (const LocalText &value : text.values())
        values.push_back(shownUtf8(value));
    return fillPlaceholders(translatedPattern(text), values, std::nullopt);
}

} // namespace

QString shownText(const LocalText &text)
{
    // Verbatim values may quote titles and paths, which are menu text.
    return menuTextToQt(shownUtf8(text));
}

} // namespace torvex
