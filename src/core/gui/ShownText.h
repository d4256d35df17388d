#pragma once

#include "core/LocalText.h"

#include <QString>

namespace torvex {

// A core text as the window shows it: its source translated into the language installed
// (QCoreApplication::translate with the text's context and count), its values put in, each
// translated itself, verbatim values as they are. A text without a translation shows its
// English rendering, so an English window reads exactly as LocalText::english().
QString shownText(const LocalText &text);

} // namespace torvex
