#pragma once

#include <stdexcept>
#include <string>

namespace torvex {

// Base of every error that Torvex raises itself; what() is the text shown to the user.
struct TorvexError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// An error about one file: path() is the file, cause() the underlying reason (errno text,
// refused encoding...), kept apart from what() for the log. cause() may be empty.
struct FileError : TorvexError
{
    FileError(const std::string &message, std::string path, std::string cause)
        : TorvexError(message)
        , m_path(std::move(path))
        , m_cause(std::move(cause))
    { }
    const std::string &path() const { return m_path; }
    const std::string &cause() const { return m_cause; }

private:
    std::string m_path;
    std::string m_cause;
};

} // namespace torvex
