// What a save flushes to the disk, and when: this program has its own fsync, fdatasync and
// rename, which note what they were given (the file behind the descriptor, and what it and
// the saved file hold at that moment) before calling the system's.
#include "files/FileSystem.h"

#include "menu/IniError.h"
#include "files/SaveBackup.h"
#include "files/TemporaryFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// One call of fsync, fdatasync or rename while a test watches.
struct FileCall
{
    std::string kind; // "flush" or "rename"
    std::string path; // the file flushed, or the name renamed
    std::string to; // the new name of a rename
    bool folder = false; // a folder was flushed
    std::string content; // what the flushed file held
    std::string saved; // what the saved file held at that moment
};

bool watching = false;
std::string watchedFile;
std::vector<FileCall> calls;

std::string contentOf(const std::string &path)
{
    std::string bytes;
    if (FILE *in = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            bytes.append(buffer, got);
        std::fclose(in);
    }
    return bytes;
}

void noteFlush(int fd)
{
    if (!watching)
        return;
    watching = false; // what is read here is not itself noted
    FileCall call;
    call.kind = "flush";
    char link[PATH_MAX];
    const std::string fdPath = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(fdPath.c_str(), link, sizeof link);
    call.path = length > 0 ? std::string(link, static_cast<std::size_t>(length)) : "?";
    struct stat info
    {
    };
    call.folder = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    if (!call.folder)
        call.content = contentOf(fdPath);
    call.saved = contentOf(watchedFile);
    calls.push_back(call);
    watching = true;
}

template <typename Function> Function *systemFunction(const char *name)
{
    return reinterpret_cast<Function *>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd)
{
    noteFlush(fd);
    static auto *real = systemFunction<int(int)>("fsync");
    return real(fd);
}

extern "C" int fdatasync(int fd)
{
    noteFlush(fd);
    static auto *real = systemFunction<int(int)>("fdatasync");
    return real(fd);
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    static auto *real = systemFunction<int(const char *, const char *)>("rename");
    const int result = real(from, to);
    if (watching && result == 0) {
        watching = false;
        calls.push_back({ "rename", from, to, false, {}, contentOf(watchedFile) });
        watching = true;
    }
    return result;
}

namespace torvex {
namespace {

using test::FaultyFileSystem;
using test::TempDir;
namespace fs = std::filesystem;

std::string nameOf(const std::string &path)
{
    return fs::path(path).filename().string();
}

class SaveFlushTest : public ::testing::Test
{
protected:
    TempDir dir;
    TempDir state;
    FaultyFileSystem files { state.path() };
    const std::string oldContent = "[DirMenu]\r\nmenu1=old\r\n";
    const std::string newContent = "[DirMenu]\r\nmenu1=new\r\n";
    const std::string file = dir.write("wincmd.ini", oldContent);

    void TearDown() override { watching = false; }

    // The calls made while `work` runs on the file `watched`.
    std::vector<FileCall> callsDuring(const std::string &watched, const std::function<void()> &work)
    {
        calls.clear();
        watchedFile = watched;
        watching = true;
        work();
        watching = false;
        return calls;
    }

    static std::string listed(const std::vector<FileCall> &all)
    {
        std::string text;
        for (const FileCall &call : all)
            text += call.kind + " " + call.path + (call.to.empty() ? "" : " -> " + call.to)
                + (call.folder ? " (folder)" : "") + "\n";
        return text;
    }

    static std::ptrdiff_t indexOf(
        const std::vector<FileCall> &all, const std::function<bool(const FileCall &)> &match)
    {
        for (std::size_t i = 0; i < all.size(); ++i)
            if (match(all[i]))
                return static_cast<std::ptrdiff_t>(i);
        return -1;
    }

    // A temporary holding `content` flushed, then renamed to `target`, then the target's
    // folder flushed.
    static void expectDurableRename(
        const std::vector<FileCall> &all, const std::string &target, const std::string &content)
    {
        const std::ptrdiff_t rename = indexOf(all, [&](const FileCall &c) {
            return c.kind == "rename" && c.to == target;
        });
        ASSERT_GE(rename, 0) << "no rename to " << target << "\n" << listed(all);
        const std::string temporary = all[static_cast<std::size_t>(rename)].path;
        EXPECT_TRUE(isTemporaryName(nameOf(temporary))) << temporary;
        const std::ptrdiff_t flushed = indexOf(all, [&](const FileCall &c) {
            return c.kind == "flush" && c.path == temporary && c.content == content;
        });
        EXPECT_GE(flushed, 0) << "the complete temporary is flushed\n" << listed(all);
        EXPECT_LT(flushed, rename) << "before it is renamed\n" << listed(all);
        const std::string folder = fs::path(target).parent_path().string();
        bool folderAfter = false;
        for (std::size_t i = static_cast<std::size_t>(rename) + 1; i < all.size(); ++i)
            folderAfter = folderAfter || (all[i].folder && all[i].path == folder);
        EXPECT_TRUE(folderAfter) << "the folder is flushed after the rename\n" << listed(all);
    }
};

TEST_F(SaveFlushTest, AReplacingSaveFlushesTheTemporaryBeforeItsRenameAndTheFolderAfterIt)
{
    const auto all = callsDuring(file, [&] {
        files.writeAtomic(file, newContent);
    });
    expectDurableRename(all, file, newContent);
    EXPECT_EQ(test::readFile(file), newContent);
}

TEST_F(SaveFlushTest, ANewFileIsFlushedWithItsFolder)
{
    const std::string created = dir.file("created.ini");
    const auto all = callsDuring(created, [&] {
        files.writeAtomic(created, newContent);
    });
    expectDurableRename(all, created, newContent);
}

TEST_F(SaveFlushTest, AnInPlaceSaveFlushesTheRecoveryCopyBeforeTheFileIsOverwrittenAndTheFileAfter)
{
    files.foldersLocked = true;
    const auto all = callsDuring(file, [&] {
        files.writeAtomic(file, newContent);
    });
    EXPECT_EQ(test::readFile(file), newContent);

    // The copy and its note, each flushed before it takes its name, their folder after that,
    // all while the file still holds its earlier content.
    const std::ptrdiff_t copyRename = indexOf(all, [](const FileCall &c) {
        return c.kind == "rename" && c.to.ends_with(".recovery");
    });
    ASSERT_GE(copyRename, 0) << listed(all);
    const FileCall &copy = all[static_cast<std::size_t>(copyRename)];
    EXPECT_EQ(copy.saved, oldContent);
    expectDurableRename(all, copy.to, oldContent);
    expectDurableRename(all, copy.to + ".path", file + "\n");
    const std::ptrdiff_t folderFlushed = indexOf(all, [&](const FileCall &c) {
        return c.folder && c.path == state.path().string();
    });
    ASSERT_GE(folderFlushed, 0) << listed(all);
    EXPECT_EQ(all[static_cast<std::size_t>(folderFlushed)].saved, oldContent)
        << "the copy is on the disk before the file is overwritten\n"
        << listed(all);

    // Then the file itself, once it holds the new content.
    const std::ptrdiff_t fileFlushed = indexOf(all, [&](const FileCall &c) {
        return c.kind == "flush" && c.path == file;
    });
    ASSERT_GE(fileFlushed, 0) << "the overwritten file is flushed\n" << listed(all);
    EXPECT_EQ(all[static_cast<std::size_t>(fileFlushed)].content, newContent);
    EXPECT_GT(fileFlushed, folderFlushed);
    EXPECT_TRUE(fs::is_empty(state.path())) << "the copy goes once the file is flushed";
}

TEST_F(SaveFlushTest, ABackupIsFlushedBeforeItsRenameAndItsFolderAfter)
{
    FileSystem host(state.path());
    SaveBackup backup(host, state.path() / "torvex");
    const auto all = callsDuring(file, [&] {
        EXPECT_EQ(backup.keepBefore(file), file + ".bak");
    });
    expectDurableRename(all, file + ".bak", oldContent);
}

} // namespace
} // namespace torvex
