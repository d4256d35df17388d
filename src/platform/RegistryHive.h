#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// Windows registry value type codes as they appear in a hive.
namespace RegType {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t String = 1;
inline constexpr std::uint32_t ExpandString = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiString = 7;
} // namespace RegType

// One value of a hive. String forms ("text", str(N):) keep their text as UTF-8 in `text`;
// dword and hex forms keep their raw bytes in `data` (a dword little-endian, as Windows
// stores it).
struct RegistryValue
{
    std::uint32_t type = RegType::None;
    bool isTextForm = false;
    std::string text;
    std::vector<std::uint8_t> data;
};

// A registry hive file as Wine writes it (user.reg, system.reg), read only:
//   [Key\\Path] 1700000000        a key (backslashes escaped), optional time stamp
//   "name"="text"                 string value ("@" names the default value)
//   "name"=str(2):"text"          expandable string; also str:"" (string), str(7):"" (multi)
//   "name"=dword:0000002a         32-bit number
//   "name"=hex:01,02,\            binary; hex data ending in a backslash goes on in the next
//   "name"=hex(7):41,00,...       raw data of the given (hexadecimal) type
//   #arch=win64                   before the first key: the prefix is a 64-bit one
// Strings take the escapes \\ \" \n \r \t (and the other C letters), \xNNNN (a UTF-16 unit)
// and octal \NNN; other bytes are raw UTF-8. Comments (;), other option lines (#) and
// malformed lines (an unterminated string, bad hex data, an unknown type) are skipped, as
// Wine skips them, and reading goes on with the next line. Key and value names match without
// regard to case.
class RegistryHive
{
public:
    // Parses hive text; never throws.
    static RegistryHive parse(std::string_view text);

    // The largest hive file that is read; a larger one is refused.
    static constexpr std::size_t sizeLimit = 64 * 1024 * 1024;

    // Reads and parses a hive file. A missing file gives an empty hive and no problem. A file
    // that is no regular file (a FIFO, a device), is larger than `maxBytes`, cannot be read or
    // does not begin with Wine's header "WINE REGISTRY Version 2" is refused: an empty hive,
    // with a one-line explanation in `problem` (when given). Never waits on the file.
    static RegistryHive load(const std::filesystem::path &file,
        std::string *problem = nullptr,
        std::size_t maxBytes = sizeLimit);

    // True when the key, or a key below it, is in the hive. The empty path is the root.
    bool hasKey(std::string_view keyPath) const;

    // The value `name` of the key, or nullptr when the key or the value is missing.
    const RegistryValue *value(std::string_view keyPath, std::string_view name) const;

    // The names of the key's values, in lower case and sorted; empty when the key is missing.
    std::vector<std::string> valueNames(std::string_view keyPath) const;

    // Number of keys that hold values or were listed, for diagnostics.
    std::size_t keyCount() const { return m_keys.size(); }

    // True when the hive's header says "#arch=win64": a 64-bit prefix, where 32-bit programs
    // find their machine keys under Software\Wow6432Node.
    bool isWin64() const { return m_isWin64; }

private:
    using ValueMap = std::map<std::string, RegistryValue>;

    ValueMap &addKey(std::string_view keyPath);

    std::map<std::string, ValueMap> m_keys; // by lower-case key path
    bool m_isWin64 = false;
};

} // namespace torvex
