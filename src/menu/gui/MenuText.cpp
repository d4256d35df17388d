#include "menu/gui/MenuText.h"

#include "menu/IniCodec.h"

namespace torvex {

QString menuTextToQt(std::string_view utf8)
{
    // The ini codec already maps generalised UTF-8 to UTF-16 without loss; its byte order is
    // little-endian whatever the machine's.
    const std::string units = iniCodec::utf8ToUtf16Le(utf8);
    QString text(static_cast<qsizetype>(units.size() / 2), Qt::Uninitialized);
    QChar *out = text.data();
    for (std::size_t i = 0; i + 1 < units.size(); i += 2)
        out[i / 2] = QChar(static_cast<char16_t>(static_cast<unsigned char>(units[i])
            | (static_cast<unsigned char>(units[i + 1]) << 8)));
    return text;
}

std::string menuTextFromQt(const QString &text)
{
    std::string units;
    units.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (const QChar c : text) {
        units += static_cast<char>(c.unicode() & 0xFF);
        units += static_cast<char>(c.unicode() >> 8);
    }
    return iniCodec::utf16LeToUtf8(units);
}

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

QString singleLineText(const QString &text, int &pos)
{
    QString result;
    result.reserve(text.size());
    int newPos = pos;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            // CR LF is one line break, so one blank.
            if (i + 1 < pos)
                --newPos;
            result += u' ';
            ++i;
        } else if (isLineBreak(c) || c.category() == QChar::Other_Control) {
            result += u' ';
        } else {
            result += c;
        }
    }
    pos = newPos;
    return result;
}

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    int cursor = pos;
    const QString cleaned = singleLineText(input, cursor);
    if (cleaned != input) {
        input = cleaned;
        pos = cursor;
    }
    return Acceptable;
}

} // namespace torvex
