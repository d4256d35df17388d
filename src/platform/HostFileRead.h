#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace torvex {

// What reading a small file of the host gave.
enum class HostReadStatus {
    Read, // `text` holds the whole file
    Missing, // nothing at that path (or a dangling link)
    NotRegularFile, // a folder, FIFO, device or socket: never opened for reading
    TooLarge, // larger than the limit the caller gave
    Failed, // it could not be opened or read; `cause` says why
};

struct HostFileText
{
    HostReadStatus status = HostReadStatus::Missing;
    std::string text;
    std::string cause; // the system's reason when status is Failed
};

// Reads the whole of `file` (symbolic links followed) when it is a regular file of at most
// `maxBytes` bytes. A FIFO, a device or a socket is refused before it is read and never
// waited on; a file that grows past the limit while it is read is refused too. Never throws.
HostFileText readRegularFile(const std::filesystem::path &file, std::size_t maxBytes);

// A one-line explanation of a failed read, "" for Read and Missing: "<file>: not a regular
// file", "<file>: larger than N bytes" or "<file>: <cause>".
std::string hostReadProblem(
    const std::filesystem::path &file, const HostFileText &result, std::size_t maxBytes);

} // namespace torvex
