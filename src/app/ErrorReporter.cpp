#include "app/ErrorReporter.h"

#include "app/MenuFileSteps.h"
#include "core/MessageBoxes.h"
#include "menu/DirMenuFile.h"

namespace torvex {

ErrorReporter::ErrorReporter(ErrorLog &log, std::function<LogContext()> context, MenuFileUi &ui)
    : m_log(log)
    , m_context(std::move(context))
    , m_ui(ui)
{ }

LocalText writeFailureText(const std::string &path)
{
    return LocalText(
        errorReporterContext, QT_TRANSLATE_NOOP("torvex::ErrorReporter", "Unable to write to %1"))
        .arg(path);
}

bool ErrorReporter::saveFailed(const std::string &message, const std::string &cause)
{
    return saveFailed(LocalText::verbatim(message), cause);
}

bool ErrorReporter::saveFailed(const LocalText &message, const std::string &cause)
{
    m_ui.setBusyCursor(false);
    const bool logged = m_log.append({ m_context(),
        failedSaveFunction,
        messageWithCause(message.english(), cause),
        std::nullopt });
    showBox(cause.empty() ? message
                          : LocalText::joined({ message, LocalText::verbatim(cause) }, lineBreak));
    m_ui.setMenusEnabled(true);
    return logged;
}

bool ErrorReporter::globalError(const std::string &sender, const std::string &message)
{
    return globalError(sender, LocalText::verbatim(message));
}

bool ErrorReporter::globalError(const std::string &sender, const LocalText &message)
{
    showBox(message);
    m_ui.setBusyCursor(false);
    const bool logged =
        m_log.append({ m_context(), globalErrorHandlerFunction, message.english(), sender });
    m_ui.setMenusEnabled(true);
    return logged;
}

void ErrorReporter::showBox(const LocalText &message)
{
    if (MessageBoxes *boxes = m_ui.messageBoxes())
        boxes->inform(message, LocalText(errorReporterContext, errorCaption), MsgIcon::Warning);
}

} // namespace torvex
