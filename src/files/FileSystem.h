#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace torvex {

// Why a save stops: another program wrote the file after the save read it.
inline constexpr const char *fileChangedCause =
    "the file was changed by another program during the save";
// Why a backup beside a file is refused: its name is taken by a symbolic link, a folder, a
// special file or another user's file.
inline constexpr const char *notOwnRegularFileCause =
    "its name is taken by something other than a regular file of the user's own";

// Why a write is refused when the file is marked read-only (no write permission bit at all,
// or the immutable or append-only flag).
inline constexpr const char *readOnlyFileCause = "the file is read-only";

// The new content of a file: bytes in one piece, or handed over in pieces by a function that
// can be run more than once and gives the same pieces every time, so that a large file need
// not be held whole in memory while it is written.
class FileContent
{
public:
    using PieceVisitor = std::function<void(std::string_view piece)>;
    using Pieces = std::function<void(const PieceVisitor &piece)>;

    FileContent(const std::string &bytes)
        : m_bytes(bytes)
    { }
    FileContent(const char *bytes)
        : m_bytes(bytes)
    { }
    FileContent(std::string_view bytes)
        : m_bytes(bytes)
    { }
    explicit FileContent(Pieces pieces)
        : m_pieces(std::move(pieces))
    { }

    // The bytes of the file that the content was made from: the write stops with
    // fileChangedCause when the file holds other bytes right before it is written.
    FileContent &basedOn(std::string_view original)
    {
        m_basis = original;
        return *this;
    }
    const std::optional<std::string_view> &basis() const { return m_basis; }

    // Hands the content to `piece`, in order.
    void forEachPiece(const PieceVisitor &piece) const
    {
        if (m_pieces)
            m_pieces(piece);
        else
            piece(m_bytes);
    }

private:
    std::string_view m_bytes;
    Pieces m_pieces;
    std::optional<std::string_view> m_basis;
};

// A lock on a file that keeps other Torvex saves of it waiting while one save reads, checks
// and writes it (an advisory lock: programs that do not ask for it are not kept out).
// Released when the object goes; an empty one locks nothing.
class FileLock
{
public:
    FileLock() = default;
    explicit FileLock(int fd)
        : m_fd(fd)
    { }
    FileLock(FileLock &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    { }
    FileLock &operator=(FileLock &&other) noexcept;
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

    bool isHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// Who owns a file and its permission bits (setuid, setgid and sticky included).
struct FileOwnership
{
    unsigned uid = 0;
    unsigned gid = 0;
    unsigned mode = 0; // the low 12 bits of st_mode
};

// The file operations the ini engine needs, behind a seam so that tests can make reads and
// writes fail, and answer the questions about permissions that a test running as root could
// not otherwise put. The default implementation works on the host file system.
class FileSystem
{
public:
    // Recovery copies go to the user's state folder as the process environment names it.
    FileSystem();
    // Recovery copies go to `recoveryFolder`; with an empty one, a file that has to be
    // written in place is refused.
    explicit FileSystem(std::filesystem::path recoveryFolder);
    virtual ~FileSystem() = default;

    const std::filesystem::path &recoveryFolder() const { return m_recoveryFolder; }

    // Whether path names a regular file (symbolic links followed).
    virtual bool fileExists(const std::string &path) const;

    // Whether path names a directory (symbolic links followed).
    virtual bool dirExists(const std::string &path) const;

    // The whole content of the file. Throws IniReadError when it cannot be opened or read,
    // or is not a regular file.
    virtual std::string readAll(const std::string &path) const;

    // Replaces the file's content with `content`, or creates it, without changing what the file
    // is. When the content says what it was based on (FileContent::basedOn), the file's bytes
    // are compared with those right before it is written, and a file another program changed
    // meanwhile is left as it is (IniWriteError with fileChangedCause). A symbolic link is followed
    // (through any chain) and its target written. A file the user may not write (writeRefusal) is
    // refused. Otherwise the new content goes to a temporary file in the same folder, which is made
    // 0600, takes the file's owner, group and mode once complete, is flushed to disk and renamed
    // over it. Where that would change the file (other hard links to it, a folder the user may not
    // write into, an owner, group or setuid/setgid bit the new file cannot take, a file that cannot
    // be renamed over), the file is written in place instead, its earlier content kept in a
    // RecoveryCopy until the new content is flushed. Temporaries left in the folder by saves that
    // were killed are removed first (removeDeadTemporaries). Throws IniWriteError ("Unable to write
    // to <path>", the reason in cause()) and leaves the file as it was on any failure; should even
    // putting the earlier content back fail, the cause names the recovery copy that keeps it.
    // `content` may be run more than once (written in place after a rename failed).
    virtual void writeAtomic(const std::string &path, const FileContent &content);

    // Locks the file at path (the end of its chain of links) against other Torvex saves,
    // waiting up to `patience` for a save that holds it. A missing file, or one that cannot
    // be opened for reading, gives an empty lock. Throws IniWriteError when the file stays
    // locked.
    virtual FileLock lockForSave(
        const std::string &path, std::chrono::milliseconds patience = std::chrono::seconds(30));

    // Writes `content` as a new regular file of the user's own at `path` (a backup), never
    // through a link and never into a file that is there: it is made 0600 under a fresh
    // name in the same folder, takes the mode of the file at `modeOf` (never wider, without
    // the bits for a group it does not have) once complete, is flushed and renamed over
    // `path`. Throws IniWriteError with notOwnRegularFileCause, writing nothing, when `path`
    // is a symbolic link (dangling or not), a folder, a special file or another user's
    // file; with the system's cause on any other failure.
    virtual void writeOwnCopy(
        const std::string &path, const FileContent &content, const std::string &modeOf);

    // Why the user may not write the existing file at path, "" when they may or the file does
    // not exist. A file with the immutable or append-only flag is refused with
    // readOnlyFileCause. Otherwise the effective user's permission decides, as when the file
    // is opened for writing; a refusal is readOnlyFileCause when the file has no write
    // permission bit at all, else the system's text ("Permission denied", "Read-only file
    // system").
    virtual std::string writeRefusal(const std::string &path) const;

    // Whether the user may create and rename files in folder.
    virtual bool folderWritable(const std::string &folder) const;

    // Whether a file this process creates can be given this owner, group and mode.
    virtual bool canTakeOwnership(const FileOwnership &ownership) const;

    // The host file system, with recovery copies in the user's state folder.
    static FileSystem &real();

private:
    bool replaceByRename(const std::string &target, const FileContent &content);
    void writeInPlace(const std::string &target, const FileContent &content);

    std::filesystem::path m_recoveryFolder;
};

} // namespace torvex
