#include "platform/RegistryError.h"

namespace torvex {

namespace {

std::string fillTemplate(std::string_view messageTemplate, std::string_view valueName)
{
    std::string text(messageTemplate);
    if (auto pos = text.find("%s"); pos != std::string::npos)
        text.replace(pos, 2, valueName);
    return text;
}

} // namespace

RegistryError::RegistryError(std::string_view messageTemplate, std::string_view valueName)
    : TorvexError(fillTemplate(messageTemplate, valueName))
    , m_valueName(valueName)
{ }

} // namespace torvex
