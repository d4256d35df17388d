#pragma once

#include "core/LocalText.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace torvex {

class TemporaryFile;

// The earlier content of a file that is being written in place, kept in the recovery folder
// until the new content is on the disk. The copy is named after the file, the time and the
// process ("wincmd.ini.20260314-101500.4242-0.recovery") and has a note beside it (the same
// name followed by ".path") that holds the absolute path of the file it belongs to. Both are
// 0600, in a folder made 0700; the note stays locked while the copy's writer lives.
class RecoveryCopy
{
public:
    // Writes `content`, the content of `original`, as a new copy in `folder` (created when
    // missing) and flushes it and its note to the disk before returning. Throws
    // std::runtime_error saying that no recovery copy could be kept, and why.
    RecoveryCopy(const std::filesystem::path &folder,
        const std::string &original,
        const std::string &content);
    // Leaves the copy where it is unless discard() was called: a copy that outlives the write
    // is what the next start of Torvex reports.
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy &) = delete;
    RecoveryCopy &operator=(const RecoveryCopy &) = delete;

    const std::string &path() const { return m_path; }

    // Removes the copy and its note: the new content is safely on the disk.
    void discard();

private:
    std::string m_folder;
    std::string m_path;
    std::unique_ptr<TemporaryFile> m_note; // open and locked
    bool m_discarded = false;
};

// A recovery copy left by a write that did not finish.
struct FoundRecoveryCopy
{
    std::string copy; // the copy's path
    std::string original; // the path of the file it belongs to; "" when its note is missing
};

// The recovery copies in `folder` that no live writer holds (its note locked), ordered by name,
// numbers in it by their value: the copies of one file from the earliest.
// Removes the temporaries and notes there that a killed write left without their copy. Never
// throws; a missing folder holds none.
std::vector<FoundRecoveryCopy> findRecoveryCopies(const std::filesystem::path &folder);

// What the user is told about a copy: "A save of <original> did not finish; its earlier
// content is kept in <copy>".
LocalText recoveryCopyNotice(const FoundRecoveryCopy &found);

inline constexpr const char *recoveryCopyContext = "torvex::RecoveryCopy";
inline constexpr const char *recoveryCopyCaption =
    QT_TRANSLATE_NOOP("torvex::RecoveryCopy", "Unfinished save");

} // namespace torvex
