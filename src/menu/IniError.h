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

// An existing ini file whose text Torvex can neither read nor write back as it is: UTF-16
// big-endian, UTF-32, UTF-16 without its byte-order mark, or binary data. Reading and
// changing such a file both raise it, and the file is never written. what() is
// "Unable to read <path>: <reason>"; reason() is the second part alone.
struct IniFormatError : IniReadError
{
    IniFormatError(const std::string &path, const std::string &reason)
        : IniReadError(path, reason)
        , m_reason(reason)
    { }
    const std::string &reason() const { return m_reason; }

private:
    std::string m_reason;
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
