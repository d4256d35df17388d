#pragma once

#include "core/Error.h"

#include <string>

namespace torvex {

// The file layer's failures to write and to read a file (named for the ini file, the one
// file Torvex reads and writes through it).
struct IniWriteError : FileError
{
    explicit IniWriteError(const std::string &path, std::string cause = {})
        : FileError("Unable to write to " + path, path, std::move(cause))
    { }
};

// An existing ini file could not be read (no permission, not a regular file, I/O error).
// what() is "Unable to read <path>: <cause>"; cause() is the second part alone.
struct IniReadError : FileError
{
    IniReadError(const std::string &path, const std::string &cause)
        : FileError("Unable to read " + path + ": " + cause, path, cause)
    { }
};

// An existing ini file whose text Torvex can neither read nor write back as it is: UTF-16
// big-endian, UTF-32, UTF-16 without its byte-order mark, or binary data. Reading and
// changing such a file both raise it, and the file is never written. what() is
// "Unable to read <path>: <reason>"; reason() is the second part alone.

} // namespace torvex
