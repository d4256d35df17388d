#include "core/Environment.h"

extern char **environ;

namespace torvex {

Environment processEnvironment()
{
    Environment environment;
    for (char **entry = environ; entry && *entry; ++entry) {
        std::string text(*entry);
        auto eq = text.find('=');
        if (eq != std::string::npos && eq > 0)
            environment.emplace(text.substr(0, eq), text.substr(eq + 1));
    }
    return environment;
}

} // namespace torvex
