#include "support/TempDir.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace torvex::test {

TempDir::TempDir()
{
    static std::atomic<int> serial { 0 };
    m_path = std::filesystem::temp_directory_path()
        / ("torvex-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::write(const std::string &name, const std::string &bytes) const
{
    const std::string path = file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace torvex::test
