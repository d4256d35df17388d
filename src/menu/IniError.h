#pragma once

#include <stdexcept>
#include <string>

namespace torvex {

// Base of every error that Torvex raises itself; what() is the text shown to the user.
struct TorvexError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// A save of an ini file failed. what() is exactly "Unable to write to <path>"; the underlying
// reason (errno text, rejected name...) is kept apart in cause() for the log.
struct IniWriteError : TorvexError
{
    explicit IniWriteError(const std::string &path, std::string cause = {})
        : TorvexError("Unable to write to " + path)
        , m_path(path)
        , m_cause(std::move(cause))
    { }
    const std::string &path() const { return m_path; }
    const std::string &cause() const { return m_cause; }

private:
    std::string m_path;
    std::string m_cause;
};

// An existing ini file could not be read (no permission, not a regular file, I/O error).
// what() is "Unable to read <path>: <cause>".
struct IniReadError : TorvexError
{
    IniReadError(const std::string &path, const std::string &cause)
        : TorvexError("Unable to read " + path + ": " + cause)
        , m_path(path)
    { }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

// A name or value that cannot be stored in an ini file without changing its structure or
// losing characters: a line break in a value, a key that is empty, holds '=' or begins with
// '[' or ';', a section name with ']', or a name that code page 1252 cannot hold in a file
// of that encoding. Raised by IniDocument before anything is changed.
struct IniValueError : TorvexError
{
    using TorvexError::TorvexError;
};

} // namespace torvex
