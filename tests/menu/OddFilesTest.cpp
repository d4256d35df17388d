// Things other than regular files where a save expects a file or a temporary: FIFOs, sockets,
// folders and links to them are refused and left as they were, the clean-up of temporaries
// passes them by, and a temporary that cannot be made is reported with the system's cause.
#include "files/FileSystem.h"

#include "menu/IniError.h"
#include "menu/IniFile.h"
#include "files/TemporaryFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace torvex {
namespace {

using test::FaultyFileSystem;
using test::TempDir;
namespace fs = std::filesystem;

// Ends the test program should something block on a FIFO for more than a few seconds.
class HangGuard
{
public:
    HangGuard() { ::alarm(10); }
    ~HangGuard() { ::alarm(0); }
};

// A socket bound at `path`, closed on destruction (the name stays).
class BoundSocket
{
public:
    explicit BoundSocket(const std::string &path)
        : m_fd(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        m_bound = m_fd >= 0
            && ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    }
    ~BoundSocket() { ::close(m_fd); }
    BoundSocket(const BoundSocket &) = delete;
    BoundSocket &operator=(const BoundSocket &) = delete;
    bool isBound() const { return m_bound; }

private:
    int m_fd;
    bool m_bound = false;
};

// What a name is, without following a link: its type and inode.
struct Identity
{
    mode_t type = 0;
    ino_t inode = 0;
    bool operator==(const Identity &) const = default;
};

Identity identityOf(const fs::path &path)
{
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0)
        return {};
    return { static_cast<mode_t>(info.st_mode & S_IFMT), info.st_ino };
}

std::set<std::string> namesIn(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class OddFilesTest : public ::testing::Test
{
protected:
    TempDir dir;
    TempDir state;
    FaultyFileSystem files { state.path() };
    const std::string newContent = "[DirMenu]\r\nmenu1=new\r\n";

    // The odd things at names in the folder, each named by `name` with a number: a FIFO, a
    // socket, a folder, and links to each.
    std::vector<std::string> makeOddThings(const std::function<std::string(int)> &name)
    {
        const std::string fifo = dir.file(name(0));
        const std::string socket = dir.file(name(1));
        const std::string folder = dir.file(name(2));
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
        sockets.push_back(std::make_unique<BoundSocket>(socket));
        EXPECT_TRUE(sockets.back()->isBound());
        fs::create_directory(folder);
        std::vector<std::string> things = { fifo, socket, folder };
        for (int i = 0; i < 3; ++i) {
            const std::string link = dir.file(name(3 + i));
            fs::create_symlink(things[static_cast<std::size_t>(i)], link);
            things.push_back(link);
        }
        return things;
    }

    std::vector<std::unique_ptr<BoundSocket>> sockets;
};

TEST_F(OddFilesTest, ASaveRefusesWhatIsNoRegularFileAndLeavesItAsItWas)
{
    const std::vector<std::string> things = makeOddThings([](int i) {
        return "wincmd-" + std::to_string(i) + ".ini";
    });
    const std::set<std::string> before = namesIn(dir.path());
    const HangGuard guard;
    for (const std::string &path : things) {
        const Identity identity = identityOf(path);
        const Identity target = identityOf(fs::canonical(path));
        try {
            files.writeAtomic(path, newContent);
            ADD_FAILURE() << path << " was written";
        } catch (const IniWriteError &error) {
            EXPECT_EQ(error.cause(), "not a regular file") << path;
        }
        // The same through a change of a key, with the save's lock.
        EXPECT_THROW(IniFile(path, files).writeKey("DirMenu", "menu1", "x"), IniWriteError)
            << path;
        EXPECT_EQ(identityOf(path), identity) << path;
        EXPECT_EQ(identityOf(fs::canonical(path)), target) << path;
    }
    EXPECT_TRUE(fs::is_empty(dir.file("wincmd-2.ini")));
    EXPECT_EQ(namesIn(dir.path()), before) << "no temporary stays behind";
    EXPECT_TRUE(fs::is_empty(state.path()));
}

TEST_F(OddFilesTest, TheCleanUpPassesByWhatIsNoRegularFileUnderATemporarysName)
{
    const std::string stem = ".torvex-" + std::to_string(::getpid() + 1000000) + "-";
    const std::vector<std::string> things = makeOddThings([&stem](int i) {
        return stem + std::to_string(i) + "-0123456789abcdef.tmp";
    });
    // A link to a dead temporary, which is removed itself.
    const std::string dead = dir.write(stem + "99-fedcba9876543210.tmp", "partial");
    const std::string deadLink = dir.file(stem + "98-fedcba9876543210.tmp");
    fs::create_symlink(dead, deadLink);
    std::vector<Identity> before;
    for (const std::string &thing : things)
        before.push_back(identityOf(thing));

    const HangGuard guard;
    EXPECT_EQ(removeDeadTemporaries(dir.path().string()), 1);

    for (std::size_t i = 0; i < things.size(); ++i)
        EXPECT_EQ(identityOf(things[i]), before[i]) << things[i];
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::is_symlink(deadLink));
}

// Each failure to make a temporary other than a taken name is reported at once with its own
// cause; names are not tried again.
TEST_F(OddFilesTest, ATemporaryThatCannotBeMadeIsReportedWithTheSystemsCauseAtOnce)
{
    const std::string regular = dir.write("plain", "x");
    const auto causeIn = [](const std::string &folder) {
        try {
            TemporaryFile temporary(folder);
            return std::string("made ") + temporary.path();
        } catch (const std::system_error &error) {
            return std::string(std::strerror(error.code().value()));
        } catch (const std::exception &error) {
            return std::string(error.what());
        }
    };
    // The count in a temporary's name tells how many names this process tried.
    const auto countOfNext = [&] {
        const TemporaryFile temporary(dir.path().string());
        const std::string name = fs::path(temporary.path()).filename().string();
        const std::size_t first = name.find('-', std::strlen(".torvex-"));
        return std::stoul(name.substr(first + 1));
    };
    const unsigned long start = countOfNext();
    EXPECT_EQ(causeIn(dir.file("missing")), "No such file or directory");
    EXPECT_EQ(causeIn(regular), "Not a directory");
    {
        // No descriptor left to open one with.
        rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
        rlimit few = saved;
        few.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 256);
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &few), 0);
        std::vector<int> held;
        for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
            held.push_back(fd);
        const std::string cause = causeIn(dir.path().string());
        for (const int fd : held)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &saved);
        EXPECT_EQ(cause, "Too many open files");
    }
    EXPECT_EQ(countOfNext(), start + 4) << "one name for each failure";

    // The save names the same cause.
    try {
        files.writeAtomic(dir.file("missing/wincmd.ini"), newContent);
        ADD_FAILURE() << "no error";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(error.cause(), "No such file or directory");
    }
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "plain" });
}

} // namespace
} // namespace torvex
