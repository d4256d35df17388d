#include "files/RecoveryCopy.h"

#include "core/Text.h"
#include "files/TemporaryFiles.h"
#include "files/Folders.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace torvex {

namespace {

constexpr std::string_view copySuffix = ".recovery";
constexpr std::string_view noteSuffix = ".path";
// File names are limited to 255 bytes; the rest of the name needs about 40.
constexpr std::size_t maxBaseName = 160;

std::string baseName(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string::npos
        ? std::string_view(path)
        : std::string_view(path).substr(slash + 1);
    // Cut between characters, so that the copy's name stays valid UTF-8.
    return std::string(leadingBytes(name, maxBaseName));
}

std::string timeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local));
}

// The pid in "<name>.<time>.<pid>-<n>.recovery".
std::optional<int> copyOwner(std::string_view name)
{
    if (!name.ends_with(copySuffix))
        return std::nullopt;
    name.remove_suffix(copySuffix.size());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = name.substr(dot + 1);
    const std::string_view pid = field.substr(0, field.find('-'));
    if (pid.empty() || pid.size() > 9 || !std::all_of(pid.begin(), pid.end(), [](char c) {
            return c >= '0' && c <= '9';
        }))
        return std::nullopt;
    return std::stoi(std::string(pid));
}

// Writes the file under a fresh name and renames it into place. It stays 0600: only the user
// may read what the copy holds. The file is returned still open and locked.
std::unique_ptr<TemporaryFile> writeDurably(
    const std::string &folder, const std::string &target, const std::string &bytes)
{
    auto temp = std::make_unique<TemporaryFile>(folder);
    temp->write(bytes);
    temp->sync();
    if (const int error = temp->renameTo(target))
        throw std::runtime_error(std::strerror(error));
    return temp;
}

// The path the next start of Torvex can find the file by, from whatever folder it runs in.
std::string absolutePath(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

// Names in the order their copies were made: runs of digits (the count of a process's copies,
// which grows a digit at 10) are compared as numbers, the rest byte by byte.
bool madeEarlier(std::string_view a, std::string_view b)
{
    const auto isDigit = [](char c) {
        return c >= '0' && c <= '9';
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            const std::string_view numberA = a.substr(i, endA - i);
            const std::string_view numberB = b.substr(j, endB - j);
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size();
            if (numberA != numberB)
                return numberA < numberB;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::string firstLine(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

RecoveryCopy::RecoveryCopy(
    const std::filesystem::path &folder, const std::string &original, const std::string &content)
    : m_folder(folder.string())
{
    static std::atomic<unsigned> counter { 0 };
    m_path = m_folder + "/" + baseName(original) + "." + timeStamp() + "."
        + std::to_string(::getpid()) + "-" + std::to_string(counter++) + std::string(copySuffix);
    try {
        if (m_folder.empty())
            throw std::runtime_error("there is no folder for it (neither XDG_STATE_HOME nor HOME "
                                     "is set)");
        if (!createFolders(m_folder))
            throw std::runtime_error("the folder cannot be made");
        // The note first: a copy is never without the name of its file. The note stays
        // locked while this copy lives, which tells a live write from a killed one.
        m_note =
            writeDurably(m_folder, m_path + std::string(noteSuffix), absolutePath(original) + "\n");
        writeDurably(m_folder, m_path, content);
        syncFolder(m_folder);
    } catch (const std::exception &error) {
        ::unlink((m_path + std::string(noteSuffix)).c_str());
        m_note.reset();
        throw std::runtime_error(
            "no recovery copy could be kept in " + m_folder + ": " + error.what());
    }
}

RecoveryCopy::~RecoveryCopy() = default;

void RecoveryCopy::discard()
{
    if (m_discarded)
        return;
    ::unlink(m_path.c_str());
    ::unlink((m_path + std::string(noteSuffix)).c_str());
    m_discarded = true;
}

std::vector<FoundRecoveryCopy> findRecoveryCopies(const std::filesystem::path &folder)
{
    std::vector<FoundRecoveryCopy> found;
    if (folder.empty())
        return found;
    removeDeadTemporaries(folder.string());
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::path &path = it->path();
        const std::string name = path.filename().string();
        if (name.ends_with(std::string(copySuffix) + std::string(noteSuffix))) {
            // A note whose copy was never written: the write was killed before it began.
            const std::string copy = name.substr(0, name.size() - noteSuffix.size());
            const std::optional<int> owner = copyOwner(copy);
            std::error_code ignored;
            if (owner && !std::filesystem::exists(folder / copy, ignored)
                && !lockedByWriter(path.string()))
                std::filesystem::remove(path, ignored);
            continue;
        }
        const std::optional<int> owner = copyOwner(name);
        std::error_code ignored;
        if (!owner || !it->is_regular_file(ignored)
            || lockedByWriter(path.string() + std::string(noteSuffix)))
            continue;
        found.push_back({ path.string(), firstLine(path.string() + std::string(noteSuffix)) });
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        return madeEarlier(a.copy, b.copy);
    });
    return found;
}

LocalText recoveryCopyNotice(const FoundRecoveryCopy &found)
{
    if (found.original.empty())
        return LocalText(recoveryCopyContext,
            QT_TRANSLATE_NOOP("torvex::RecoveryCopy",
                "A save did not finish; the earlier content of the file is kept in %1"))
            .arg(found.copy);
    return LocalText(recoveryCopyContext,
        QT_TRANSLATE_NOOP("torvex::RecoveryCopy",
            "A save of %1 did not finish; its earlier content is kept in %2"))
        .arg(found.original)
        .arg(found.copy);
}

} // namespace torvex
