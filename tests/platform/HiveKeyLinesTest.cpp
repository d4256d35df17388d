// Which key a value of a hive belongs to, and what the hive's header says: each rule checked
// on both sides, so that a reader that drops the rule, or applies it everywhere, fails.
#include "platform/RegistryHive.h"
#include "platform/WineRegistry.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

std::optional<std::string> text(const RegistryHive &hive, std::string_view key, std::string_view name)
{
    const RegistryValue *value = hive.value(key, name);
    return value ? std::optional(value->text) : std::nullopt;
}

// Every line end of `text` made CR LF.
std::string withCrLf(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

TEST(HiveKeyLines, ValuesAfterAnUnreadableKeyLineBelongToNoKey)
{
    const RegistryHive hive = RegistryHive::parse(R"(WINE REGISTRY Version 2
"BeforeAnyKey"="lost"
[Software\\Before] 1700000000
"Own"="before"
[Software\\Unclosed 1700000000
"Own"="orphan"
"Orphan"="orphan"
"Wrapped"=hex:01,\
  02
[Software\\After] 1700000000
"Own"="after"
)");
    // The key before keeps its own value, untouched by the orphan of the same name.
    EXPECT_EQ(text(hive, "Software\\Before", "Own"), "before");
    EXPECT_EQ(hive.value("Software\\Before", "Orphan"), nullptr);
    EXPECT_EQ(hive.value("Software\\Before", "Wrapped"), nullptr);
    // The next key starts afresh.
    EXPECT_EQ(text(hive, "Software\\After", "Own"), "after");
    EXPECT_EQ(hive.value("Software\\After", "Orphan"), nullptr);
    EXPECT_EQ(hive.valueNames("Software\\After"), std::vector<std::string> { "own" });
    // Neither the unreadable key nor the root gets them.
    EXPECT_FALSE(hive.hasKey("Software\\Unclosed"));
    EXPECT_EQ(hive.value("", "Orphan"), nullptr);
    EXPECT_EQ(hive.value("", "BeforeAnyKey"), nullptr);
    EXPECT_EQ(hive.valueNames("Software"), std::vector<std::string> {});
    EXPECT_EQ(hive.valueNames("Software\\Before"), std::vector<std::string> { "own" });
}

TEST(HiveKeyLines, AReadableKeyLineAfterValuesOfAnotherKeyTakesItsOwn)
{
    // The other side: with both key lines readable each value goes to the key above it.
    const RegistryHive hive = RegistryHive::parse(R"(WINE REGISTRY Version 2
[Software\\Before] 1700000000
"Own"="before"
[Software\\Middle] 1700000000
"Own"="middle"
"Orphan"="kept"
[Software\\After] 1700000000
"Own"="after"
)");
    EXPECT_EQ(text(hive, "Software\\Before", "Own"), "before");
    EXPECT_EQ(text(hive, "Software\\Middle", "Own"), "middle");
    EXPECT_EQ(text(hive, "Software\\Middle", "Orphan"), "kept");
    EXPECT_EQ(text(hive, "Software\\After", "Own"), "after");
}

struct ArchCase
{
    const char *hive;
    bool isWin64;
    const char *why;
};

TEST(HiveHeader, ArchCountsOnlyBeforeTheFirstKey)
{
    const ArchCase cases[] = {
        { "WINE REGISTRY Version 2\n#arch=win64\n[A] 1\n", true, "in the header" },
        { "WINE REGISTRY Version 2\n;; comment\n\n#arch=win64\n\n[A] 1\n\"v\"=\"w\"\n",
            true,
            "after comments and blank lines" },
        { "WINE REGISTRY Version 2\n   #arch=win64\n[A] 1\n", true, "indented" },
        { "WINE REGISTRY Version 2\n#arch=win64\n", true, "a hive without keys" },
        { "WINE REGISTRY Version 2\n#arch=win32\n[A] 1\n", false, "a 32-bit header" },
        { "WINE REGISTRY Version 2\n[A] 1\n", false, "no arch line" },
        { "WINE REGISTRY Version 2\n[A] 1\n#arch=win64\n", false, "inside a key" },
        { "WINE REGISTRY Version 2\n[A] 1\n\"v\"=\"w\"\n\n#arch=win64\n[B] 1\n",
            false,
            "between keys" },
        { "WINE REGISTRY Version 2\n#arch=win32\n[A] 1\n#arch=win64\n",
            false,
            "a key's line does not change the header's" },
        { "WINE REGISTRY Version 2\n#arch=win64\n[A] 1\n#arch=win32\n",
            true,
            "nor the other way round" },
        { "WINE REGISTRY Version 2\n#arch=win640\n[A] 1\n", false, "another word" },
        { "WINE REGISTRY Version 2\n#arch=win6\n[A] 1\n", false, "a shorter word" },
        { "WINE REGISTRY Version 2\n#time=win64\n[A] 1\n", false, "another option" },
    };
    for (const ArchCase &c : cases) {
        EXPECT_EQ(RegistryHive::parse(c.hive).isWin64(), c.isWin64) << c.why;
        EXPECT_EQ(RegistryHive::parse(withCrLf(c.hive)).isWin64(), c.isWin64)
            << c.why << ", with CR LF line ends";
    }
}

// A prefix whose system.reg came through a Windows tool: every line ends in CR LF. The header
// still says 64-bit, so a 32-bit installer's key is found under Wow6432Node.
TEST(HiveHeader, ACrLfMachineHiveOfA64BitPrefixReadsWow6432Node)
{
    test::SyntheticPrefix wine;
    const std::string keys = "[Software\\\\Wow6432Node\\\\Pellmar\\\\Windows Commander] 1\n"
                             "\"InstallDir\"=\"C:\\\\fm32\"\n";
    for (const char *arch : { "#arch=win64", "#arch=win32" }) {
        SCOPED_TRACE(arch);
        wine.write("system.reg",
            withCrLf(std::string("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n")
                + arch + "\n\n" + keys));
        const WineRegistry registry = WineRegistry::load(wine.path());
        ASSERT_TRUE(registry.problems().empty());
        const bool isWin64 = std::string_view(arch) == "#arch=win64";
        EXPECT_EQ(registry.hive(RegistryRoot::LocalMachine).isWin64(), isWin64);
        EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine,
                      "Software\\Pellmar\\Windows Commander",
                      "InstallDir"),
            isWin64 ? std::optional<std::string>("C:\\fm32") : std::nullopt);
    }
}

TEST(HiveHeader, CrLfLineEndsLeaveNoCarriageReturnInNamesOrText)
{
    const RegistryHive hive = RegistryHive::parse(withCrLf(R"(WINE REGISTRY Version 2
[Software\\Fm]
"Plain"="C:\\fm"
"Empty"=""
@="default"
)"));
    EXPECT_TRUE(hive.hasKey("Software\\Fm"));
    EXPECT_EQ(text(hive, "Software\\Fm", "Plain"), "C:\\fm");
    EXPECT_EQ(text(hive, "Software\\Fm", "Empty"), "");
    EXPECT_EQ(text(hive, "Software\\Fm", ""), "default");
}

} // namespace
} // namespace torvex
