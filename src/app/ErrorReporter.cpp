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

bool ErrorReporter::saveFailed(const std::string &message, const std::string &cause)
{
    m_ui.setBusyCursor(false);
    const bool logged = m_log.append(
        { m_context(), failedSaveFunction, messageWithCause(message, cause), std::nullopt });
    showBox(cause.empty() ? message : message + lineBreak + cause);
    m_ui.setMenusEnabled(true);
    return logged;
}

bool ErrorReporter::globalError(const std::string &sender, const std::string &message)
{
    showBox(message);
    m_ui.setBusyCursor(false);
    const bool logged = m_log.append({ m_context(), globalErrorHandlerFunction, message, sender });
    m_ui.setMenusEnabled(true);
    return logged;
}

void ErrorReporter::showBox(const std::string &message)
{
    if (MessageBoxes *boxes = m_ui.messageBoxes())
        boxes->inform(message, errorCaption, MsgIcon::Warning);
}

} // namespace torvex
