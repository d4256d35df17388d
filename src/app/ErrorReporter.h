#pragma once

#include "app/ErrorLog.h"
#include "core/LocalText.h"

#include <functional>
#include <string>

namespace torvex {

class MenuFileUi;

inline constexpr const char *errorReporterContext = "torvex::ErrorReporter";
inline constexpr const char *errorCaption = QT_TRANSLATE_NOOP("torvex::ErrorReporter", "Error");

// "Unable to write to <path>", for the window to show in the user's language.
LocalText writeFailureText(const std::string &path);

// Shows failures to the user and records them in the error log, in the two orders the
// program uses: the writer's own failures are logged before their box, failures that escape
// a handler after it. A log that cannot be written changes neither: the box is always shown.
class ErrorReporter
{
public:
    // `context` gives the candidate paths, current file and title at the moment of a failure;
    // `ui` gives the message boxes, the cursor and the menus.
    ErrorReporter(ErrorLog &log, std::function<LogContext()> context, MenuFileUi &ui);

    // A save failed with `message` for the reason `cause`: normal cursor, entry "procedure
    // MainWindow.saveMenu;" whose last error is the message followed by ": " and the cause, the box
    // "Error" (warning icon) with the cause on a line of its own under the message, menus
    // enabled. An empty cause adds nothing. Returns whether the entry was written.
    bool saveFailed(const std::string &message, const std::string &cause);
    // The same with a message the box shows in the user's language; the log has it in English.
    bool saveFailed(const LocalText &message, const std::string &cause);

    // A failure escaped a command or handler of `sender` (a class name): the box "Error"
    // (warning icon), normal cursor, entry "globalErrorHandler" with the sender, menus
    // enabled. Returns whether the entry was written.
    bool globalError(const std::string &sender, const std::string &message);
    bool globalError(const std::string &sender, const LocalText &message);

private:
    void showBox(const LocalText &message);

    ErrorLog &m_log;
    std::function<LogContext()> m_context;
    MenuFileUi &m_ui;
};

} // namespace torvex
