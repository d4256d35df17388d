#pragma once

#include <filesystem>
#include <string>

namespace torvex::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away. Each test makes its own, so tests can run in parallel.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    // The path of a file in the folder.
    std::string file(const std::string &name) const { return (m_path / name).string(); }
    // Writes bytes to a file in the folder and returns its path.
    std::string write(const std::string &name, const std::string &bytes) const;

private:
    std::filesystem::path m_path;
};

// The whole content of a file ("" when it cannot be read).
std::string readFile(const std::filesystem::path &path);

} // namespace torvex::test
