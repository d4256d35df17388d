#pragma once

#include "menu/FileSystem.h"

#include <string>

namespace torvex::test {

// The host file system with failures switched on by the test: reads fail with
// "Input/output error" while `failReads` is set, writes with "No space left on device" while
// `failWrites` is set. `writes` counts the writes that went through.
class FaultyFileSystem : public FileSystem
{
public:
    bool failReads = false;
    bool failWrites = false;
    int writes = 0;

    std::string readAll(const std::string &path) const override;
    void writeAtomic(const std::string &path, const std::string &bytes) override;
};

} // namespace torvex::test
