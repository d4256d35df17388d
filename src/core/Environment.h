#pragma once

#include <map>
#include <string>

namespace torvex {

// A process environment, by variable name (case as given).
using Environment = std::map<std::string, std::string>;

// The environment of this process.
Environment processEnvironment();

} // namespace torvex
