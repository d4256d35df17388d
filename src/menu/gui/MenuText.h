#pragma once

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

namespace torvex {

// Menu texts cross between the core (UTF-8 std::string) and the widgets (QString) only
// through these two functions. Every text an ini file gives makes the round trip unchanged:
// an unpaired surrogate, which the core keeps in its three-byte generalised UTF-8 form,
// becomes the same lone QChar and back. Bytes that are not UTF-8 at all show as their code
// page 1252 characters, as the ini codec reads them.
QString menuTextToQt(std::string_view utf8);
std::string menuTextFromQt(const QString &text);

// Keeps line breaks and other control characters out of a one-line edit, whatever way they
// come in (typing, pasting, dropping): each line break (CR LF, CR, LF, U+2028, U+2029)
// becomes one blank, and so does every other control character, so that a pasted list of
// paths stays readable on one line. Texts set by the program are checked too while the
// validator is on the edit.
class SingleLineValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// The text with every line break and control character made a blank, as above; `pos`, a
// position in the text, moves with it.
QString singleLineText(const QString &text, int &pos);

} // namespace torvex
