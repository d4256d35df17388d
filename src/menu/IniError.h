#pragma once

#include "core/Error.h"
#include "files/FileErrors.h"

#include <string>

namespace torvex {

// A save of an ini file failed. what() is exactly "Unable to write to <path>"; the underlying
// reason (errno text, rejected name...) is kept apart in cause() for the log.
struct IniFormatError : IniReadError
{
    IniFormatError(const std::string &path, const std::string &reason)
        : IniReadError(path, reason)
    { }
    // The same text as cause().
    const std::string &reason() const { return cause(); }
};

// A name or value that cannot be stored in an ini file without changing its structure or
// losing characters: a line break in a value, a key that is empty, holds '=' or begins with
// '[' or ';', a section name with ']', or a name that code page 1252 cannot hold in a file
// of that encoding. Raised by IniDocument before anything is changed. For a refused value,
// key() names its key and problem() says what is wrong ("holds a line break"); both are
// empty for a refused name.
struct IniValueError : TorvexError
{
    using TorvexError::TorvexError;
    IniValueError(const std::string &key, const std::string &problem)
        : TorvexError("The value of '" + key + "' " + problem)
        , m_key(key)
        , m_problem(problem)
    { }
    const std::string &key() const { return m_key; }
    const std::string &problem() const { return m_problem; }

private:
    std::string m_key;
    std::string m_problem;
};

} // namespace torvex
