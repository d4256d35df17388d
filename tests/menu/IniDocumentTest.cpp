#include "menu/IniDocument.h"

#include "core/Text.h"
#include "menu/IniCodec.h"
#include "menu/IniError.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <sstream>

using namespace torvex;
using namespace std::string_literals;

namespace {

std::string edited(std::string_view bytes, const std::function<void(IniDocument &)> &edit)
{
    IniDocument doc = IniDocument::fromBytes(bytes);
    edit(doc);
    return doc.toBytes();
}

// The bytes after writing one key.
std::string withKey(
    std::string_view bytes, std::string_view section, std::string_view key, std::string_view value)
{
    return edited(bytes, [&](IniDocument &d) {
        d.writeKey(section, key, value);
    });
}

std::string utf16(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string dataFile(const std::string &name)
{
    std::ifstream in(std::string(TORVEX_DATA_DIR) + "/ini/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

} // namespace

// A typical settings file with mixed line endings, a duplicate menu section and no final
// line ending, edited as a save of the menu and two settings writes would.
TEST(IniDocumentTest, GoldenEditOfACodePageFile)
{
    const std::string input = dataFile("edited-cp1252.ini");
    IniDocument doc = IniDocument::fromBytes(input);
    EXPECT_EQ(doc.toBytes(), input);
    EXPECT_EQ(doc.readSection("DirMenu"),
        (IniEntries { { "menu1", "Caf\u00E9" }, { "cmd1", "cd c:\\caf\u00E9" } }));
    doc.writeKey("configuration", "uselongnames", "0");
    doc.writeKey("Layout", "New", "x");
    doc.replaceSection("DirMenu",
        { { "menu1", "Caf\u00E9 \u20AC" },
            { "cmd1", "cd c:\\caf\u00E9" },
            { "menu2", "\u65E5\u672C" },
            { "cmd2", "" } });
    EXPECT_EQ(doc.toBytes(), dataFile("edited-cp1252.expected.ini"));
}

// Found by fuzzing: a header padded with form feeds and without its closing bracket.
TEST(IniDocumentTest, HeaderWithOddBlanksAndNoBracket)
{
    const std::string input = dataFile("blank-padded-header.ini");
    IniDocument doc = IniDocument::fromBytes(input);
    EXPECT_EQ(doc.toBytes(), input);
    EXPECT_TRUE(doc.hasSection("OTHER"));
    doc.replaceSection("other", { { "k", "v" } });
    EXPECT_EQ(doc.toBytes(), "\xEF\xBB\xBF[other]\r\nk=v\r\n");
}

TEST(IniDocumentTest, UnchangedDocumentGivesBackItsBytes)
{
    const std::string samples[] = {
        "",
        "\n",
        "[a]\r\nx=1\r\n",
        "[a]\nx=1",
        "; lead\r\n\r\n[a]\nx = 1 \r\n  [ b ] junk\r\nno equals\r\n",
        "\xEF\xBB\xBF[a]\nx=\xC3\xA9\n",
        "\xFF\xFE[\0a\0]\0\r\0\n\0"s,
        std::string("\xFF\xFE\x00\xD8 \x00\x01", 7), // lone surrogate and an odd last byte
        std::string("[a]\r\n\0\x81\x8D\x8F\x90\x9D\xFF=\r\r\n\r", 17),
    };
    for (const std::string &bytes : samples)
        EXPECT_EQ(IniDocument::fromBytes(bytes).toBytes(), bytes);
}

TEST(IniDocumentTest, ReadsEntriesByWindowsRules)
{
    const IniDocument doc = IniDocument::fromBytes("top=level\r\n"
                                                   "[Other]\r\n"
                                                   "a=wrong\r\n"
                                                   "  [ DirMenu ]  trailing\r\n"
                                                   "; a=comment\r\n"
                                                   "  menu1 =  Home \t\r\n"
                                                   "no equals sign\r\n"
                                                   "=no key\r\n"
                                                   "cmd1=\"cd c:\\\"\r\n"
                                                   "MENU1=second\r\n"
                                                   "path1=\r\n"
                                                   "quote=\"\r\n"
                                                   "empty=\"\"\r\n"
                                                   "inner=a \"b\" c\r\n"
                                                   "[next]\r\n"
                                                   "menu2=x\r\n");
    const IniEntries expected = {
        { "menu1", "Home" }, { "cmd1", "cd c:\\" }, { "quote", "\"" }, { "inner", "a \"b\" c" }
    };
    EXPECT_EQ(doc.readSection("dirmenu"), expected);
    EXPECT_EQ(doc.readString("DIRMENU", "Menu1", "def"), "Home");
    EXPECT_EQ(doc.readString("DirMenu", "path1", "def"), "");
    EXPECT_EQ(doc.readString("DirMenu", "empty", "def"), "");
    EXPECT_EQ(doc.readString("DirMenu", "missing", "def"), "def");
    EXPECT_EQ(doc.readString("Missing", "menu1", "def"), "def");
    EXPECT_EQ(doc.readString("DirMenu", "a", "def"), "def");
    EXPECT_TRUE(doc.readSection("nowhere").empty());
    EXPECT_TRUE(doc.hasSection(" next "));
    EXPECT_FALSE(doc.hasSection("top"));
}

TEST(IniDocumentTest, FirstOfDuplicateSectionsIsRead)
{
    const IniDocument doc = IniDocument::fromBytes("[s]\nk=1\n[t]\n[S]\nk=2\nj=3\n");
    EXPECT_EQ(doc.readSection("s"), (IniEntries { { "k", "1" } }));
    EXPECT_EQ(doc.readString("s", "j", "none"), "none");
}

TEST(IniDocumentTest, FirstOccurrenceOfAKeyDecidesEvenWhenEmpty)
{
    const IniDocument doc = IniDocument::fromBytes("[s]\nk=\nk=later\nx=1\nX=2\n");
    EXPECT_EQ(doc.readSection("s"), (IniEntries { { "x", "1" } }));
    EXPECT_EQ(doc.readString("s", "k", "def"), "");
}

// A key standing again near its first line or far from it, in any letter case, among lines
// that are no entries: the first occurrence decides, as a plain search from the top finds it.
TEST(IniDocumentTest, RepeatedKeysAreFoundAtAnyDistance)
{
    std::mt19937 random(1208);
    for (int round = 0; round < 200; ++round) {
        std::string text = "[s]\n";
        std::vector<std::pair<std::string, std::string>> lines;
        const int count = 1 + static_cast<int>(random() % 120);
        for (int i = 0; i < count; ++i) {
            const int kind = static_cast<int>(random() % 10);
            if (kind == 0) {
                text += "; comment\n";
                continue;
            }
            // Few names, so that a name stands again at every distance.
            std::string key = "k" + std::to_string(random() % 40);
            if (kind == 1)
                key[0] = 'K';
            const std::string value = "v" + std::to_string(i);
            text += key + "=" + value + "\n";
            lines.emplace_back(key, value);
        }
        IniEntries expected;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool seen = std::any_of(
                lines.begin(), lines.begin() + static_cast<long>(i), [&](const auto &line) {
                    return asciiLower(line.first) == asciiLower(lines[i].first);
                });
            if (!seen)
                expected.push_back(lines[i]);
        }
        ASSERT_EQ(IniDocument::fromBytes(text).readSection("s"), expected) << text;
    }
}

TEST(IniDocumentTest, ValuesAreReadWhole)
{
    const std::string longValue(100000, 'v');
    std::string bytes = "[s]\n";
    for (int i = 0; i < 3000; ++i)
        bytes +=
            "a_rather_long_key_name_" + std::to_string(i) + "=" + longValue.substr(0, 10) + "\n";
    bytes += "long=" + longValue + "\n";
    const IniDocument doc = IniDocument::fromBytes(bytes);
    const IniEntries entries = doc.readSection("s");
    ASSERT_EQ(entries.size(), 3001u);
    EXPECT_EQ(entries.back().second, longValue);
    EXPECT_EQ(doc.readString("s", "long", ""), longValue);
}

TEST(IniDocumentTest, Cp1252IsDecodedLosslessly)
{
    const std::string bytes = "[s]\r\nk=\x80\xE9\x81\x8D\x8F\x90\x9D\xFF\r\n";
    IniDocument doc = IniDocument::fromBytes(bytes);
    EXPECT_EQ(doc.encoding(), IniEncoding::Windows1252);
    const std::string text = "\u20AC\u00E9\u0081\u008D\u008F\u0090\u009D\u00FF";
    EXPECT_EQ(doc.readString("s", "k", ""), text);
    doc.writeKey("s", "k", text);
    EXPECT_EQ(doc.toBytes(), bytes);
}

TEST(IniDocumentTest, Cp1252FileStoresOtherTextAsMarkedUtf8)
{
    IniDocument doc = IniDocument::fromBytes("[s]\r\nold=\xEF\xBB\xBF\xE2\x98\x83 snow\r\n");
    EXPECT_EQ(doc.readString("s", "old", ""), "\u2603 snow");
    doc.writeKey("s", "new", "\u65E5\u672C");
    doc.writeKey("s", "latin", "caf\u00E9");
    // Text whose code-page form would begin with the mark's bytes must not lose them.
    doc.writeKey("s", "trap", "\u00EF\u00BB\u00BFx");
    EXPECT_EQ(doc.toBytes(),
        "[s]\r\nold=\xEF\xBB\xBF\xE2\x98\x83 snow\r\n"
        "new=\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\r\n"
        "latin=caf\xE9\r\n"
        "trap=\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx\r\n");
    const IniDocument reread = IniDocument::fromBytes(doc.toBytes());
    EXPECT_EQ(reread.readString("s", "new", ""), "\u65E5\u672C");
    EXPECT_EQ(reread.readString("s", "trap", ""), "\u00EF\u00BB\u00BFx");
}

TEST(IniDocumentTest, Cp1252FileRejectsNamesItCannotHold)
{
    IniDocument doc = IniDocument::fromBytes("[s]\r\n");
    EXPECT_THROW(doc.writeKey("s", "\u65E5", "x"), IniValueError);
    EXPECT_THROW(doc.writeKey("\u65E5", "k", "x"), IniValueError);
    EXPECT_EQ(doc.readString("\u65E5", "k", "def"), "def");
    EXPECT_EQ(doc.toBytes(), "[s]\r\n");
}

TEST(IniDocumentTest, Utf8FileKeepsItsMarkAndText)
{
    IniDocument doc = IniDocument::fromBytes("\xEF\xBB\xBF[s]\n\xC3\xA9t\xC3\xA9=\xE2\x98\x83\n");
    EXPECT_EQ(doc.encoding(), IniEncoding::Utf8);
    EXPECT_EQ(doc.readSection("s"), (IniEntries { { "\u00E9t\u00E9", "\u2603" } }));
    doc.writeKey("s", "\u65E5", "\u00E9");
    EXPECT_EQ(
        doc.toBytes(), "\xEF\xBB\xBF[s]\n\xC3\xA9t\xC3\xA9=\xE2\x98\x83\n\xE6\x97\xA5=\xC3\xA9\n");
}

TEST(IniDocumentTest, Utf16FileIsReadAndWrittenAsUtf16)
{
    IniDocument doc = IniDocument::fromBytes(utf16(u"[s]\r\nk=\u00E9\U0001F600\r\n"));
    EXPECT_EQ(doc.encoding(), IniEncoding::Utf16Le);
    EXPECT_EQ(doc.readString("S", "K", ""), "\u00E9\U0001F600");
    doc.writeKey("s", "n", "\u65E5");
    doc.writeKey("t", "k", "v");
    EXPECT_EQ(doc.toBytes(), utf16(u"[s]\r\nk=\u00E9\U0001F600\r\nn=\u65E5\r\n[t]\r\nk=v\r\n"));
}

TEST(IniDocumentTest, Utf16LoneSurrogatesSurviveAnEdit)
{
    const std::u16string text = {
        u'[', u's', u']', u'\n', u'a', u'=', 0xDC00, u'\n', u'b', u'=', u'1', u'\n'
    };
    IniDocument doc = IniDocument::fromBytes(utf16(text));
    const std::string value = doc.readString("s", "a", "");
    doc.writeKey("s", "b", "2");
    doc.writeKey("s", "c", value);
    std::u16string expected = text;
    expected[10] = u'2';
    expected += { u'c', u'=', 0xDC00, u'\n' };
    EXPECT_EQ(doc.toBytes(), utf16(expected));
}

TEST(IniDocumentTest, WriteKeyReplacesInPlace)
{
    const std::string input =
        "[a]\r\nx=1\r\n[s]\r\n  Key = old value  \r\nkey=second\r\n; c\r\n[b]\ny=2\n";
    EXPECT_EQ(withKey(input, "S", "KEY", "new"),
        "[a]\r\nx=1\r\n[s]\r\n  Key = new\r\nkey=second\r\n; c\r\n[b]\ny=2\n");
    EXPECT_EQ(withKey("[s]\nk=\n", "s", "k", " \"q\" "), "[s]\nk= \"q\" \n");
}

TEST(IniDocumentTest, WriteKeyAppendsAfterLastLineOfSection)
{
    // Blank lines and comments that end a section stay before the next header.
    EXPECT_EQ(withKey("[a]\r\nx=1\r\n\r\n; about b\r\n[b]\r\n", "a", "y", "2"),
        "[a]\r\nx=1\r\ny=2\r\n\r\n; about b\r\n[b]\r\n");
    EXPECT_EQ(withKey("[a]\n; only a comment\n\n[b]\n", "a", "y", "2"),
        "[a]\ny=2\n; only a comment\n\n[b]\n");
    EXPECT_EQ(
        withKey("[a]\r\nx=1\r\ntext\r\n\r\n", "a", "y", ""), "[a]\r\nx=1\r\ntext\r\ny=\r\n\r\n");
    // Only the first section of the name receives the key.
    EXPECT_EQ(withKey("[a]\nx=1\n[a]\nz=3\n", "a", "z", "9"), "[a]\nx=1\nz=9\n[a]\nz=3\n");
}

TEST(IniDocumentTest, NewLinesFollowTheFileAndEndTheLastLine)
{
    EXPECT_EQ(withKey("", "s", "k", "v"), "[s]\r\nk=v\r\n");
    EXPECT_EQ(withKey("[a]\nx=1", "s", "k", "v"), "[a]\nx=1\n[s]\nk=v\n");
    EXPECT_EQ(withKey("[a]\nx=1", "a", "k", "v"), "[a]\nx=1\nk=v\n");
    EXPECT_EQ(withKey("[a]", "a", "k", "v"), "[a]\r\nk=v\r\n");
    EXPECT_EQ(withKey("[a]\r\nx=1\n[b]\ny=2", "b", "k", "v"), "[a]\r\nx=1\n[b]\ny=2\r\nk=v\r\n");
}

TEST(IniDocumentTest, WriteKeyRejectsTextThatWouldBreakTheFile)
{
    IniDocument doc = IniDocument::fromBytes("[s]\nk=v\n");
    EXPECT_THROW(doc.writeKey("s", "k", "two\nlines"), IniValueError);
    EXPECT_THROW(doc.writeKey("s", "k", "cr\r"), IniValueError);
    EXPECT_THROW(doc.writeKey("s", "a=b", "v"), IniValueError);
    EXPECT_THROW(doc.writeKey("s", " ", "v"), IniValueError);
    EXPECT_THROW(doc.writeKey("s", ";k", "v"), IniValueError);
    EXPECT_THROW(doc.writeKey("s", "[k", "v"), IniValueError);
    EXPECT_THROW(doc.writeKey("s]", "k", "v"), IniValueError);
    EXPECT_THROW(doc.replaceSection("s", { { "a", "1" }, { "b", "x\ny" } }), IniValueError);
    EXPECT_EQ(doc.toBytes(), "[s]\nk=v\n");
}

TEST(IniDocumentTest, EraseRemovesEverySectionOfTheName)
{
    EXPECT_EQ(
        edited(
            "; "
            "head\r\n[DirMenu]\r\nmenu1=a\r\n\r\n[x]\r\nk=1\r\n[dirmenu]\r\nmenu1=b\r\n[y]\r\nj=2",
            [](IniDocument &d) {
                d.eraseSection("DIRMENU");
            }),
        "; head\r\n[x]\r\nk=1\r\n[y]\r\nj=2");
    EXPECT_EQ(edited("[a]\nx=1\n",
                  [](IniDocument &d) {
                      d.eraseSection("none");
                  }),
        "[a]\nx=1\n");
}

TEST(IniDocumentTest, ReplaceSectionPutsTheSectionAtTheEnd)
{
    const std::string input = "[DirMenu]\r\nmenu1=old\r\n[a]\r\nx=1\r\n[DIRMENU]\r\nmenu9=old";
    EXPECT_EQ(edited(input,
                  [](IniDocument &d) {
                      d.replaceSection("DirMenu", { { "menu1", "Home" }, { "cmd1", "cd c:\\" } });
                  }),
        "[a]\r\nx=1\r\n[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n");
    EXPECT_EQ(edited(input,
                  [](IniDocument &d) {
                      d.replaceSection("DirMenu", {});
                  }),
        "[a]\r\nx=1\r\n");
}

// replaceSection promises the result of eraseSection plus one writeKey per entry; compare
// the two on random documents and entry lists, duplicate keys and odd spacing included.
TEST(IniDocumentTest, ReplaceSectionEqualsEraseAndWrites)
{
    std::mt19937 random(1234);
    const std::vector<std::string> pieces = {
        "[s]", "[S ]", "[t]", "k=1", "K = 2", "; c", "", "x", " j=\"q\""
    };
    const std::vector<std::string> keys = { "k", "K", "j", "menu1", "cmd1" };
    const std::vector<std::string> values = { "", "v", "  padded", "\"q\"", "\u00E9", "\u2603" };
    for (int round = 0; round < 500; ++round) {
        std::string input;
        const int lines = static_cast<int>(random() % 8);
        for (int i = 0; i < lines; ++i)
            input += pieces[random() % pieces.size()] + (random() % 3 == 0 ? "\n" : "\r\n");
        if (random() % 2)
            input += pieces[random() % pieces.size()];
        IniEntries entries;
        const int count = static_cast<int>(random() % 5);
        for (int i = 0; i < count; ++i)
            entries.emplace_back(keys[random() % keys.size()], values[random() % values.size()]);

        IniDocument bulk = IniDocument::fromBytes(input);
        bulk.replaceSection("s", entries);
        IniDocument single = IniDocument::fromBytes(input);
        single.eraseSection("s");
        for (const auto &[key, value] : entries)
            single.writeKey("s", key, value);
        ASSERT_EQ(bulk.toBytes(), single.toBytes()) << "input: " << input;
    }
}

// The bytes writeWithSection hands over, all its pieces joined; nullopt when it leaves the
// file alone. Runs the pieces twice, as a write that has to start again does.
std::optional<std::string> writtenWithSection(
    const IniDocument &doc, const IniEntries &entries, bool keepEmpty, int *pieceCount = nullptr)
{
    const IniEntrySource source = [&entries](const IniEntryVisitor &visit) {
        for (const auto &[key, value] : entries)
            visit(key, value);
    };
    std::optional<std::string> written;
    doc.writeWithSection("s", source, true, keepEmpty, [&](const IniPieces &pieces) {
        std::string first;
        std::string second;
        int count = 0;
        pieces([&](std::string_view piece) {
            first += piece;
            ++count;
        });
        pieces([&](std::string_view piece) {
            second += piece;
        });
        EXPECT_EQ(first, second);
        if (pieceCount)
            *pieceCount = count;
        written = first;
    });
    return written;
}

// writeWithSection promises replaceSection's bytes (a header of its own for an empty section
// with keepEmpty) and no write at all when they are the file's; compared on random documents
// in each encoding, with sections that already stand as they would be written.
TEST(IniDocumentTest, WriteWithSectionEqualsReplaceSection)
{
    std::mt19937 random(4321);
    const std::vector<std::string> lines = {
        "[s]", "[S ]", "[t]", "k=v", "j = 1", "; c", "", "x", "menu1=\u00E9"
    };
    const std::vector<std::string> keys = { "k", "j", "menu1", "cmd1", "\u00E9t\u00E9" };
    const std::vector<std::string> values = { "v", "1", "\"q\"", "\u00E9", "\u2603", "" };
    const std::vector<std::string> marks = { "", "\xEF\xBB\xBF" };
    for (int round = 0; round < 600; ++round) {
        std::string text = marks[random() % marks.size()];
        const int count = static_cast<int>(random() % 7);
        for (int i = 0; i < count; ++i)
            text += lines[random() % lines.size()] + (random() % 3 == 0 ? "\n" : "\r\n");
        if (random() % 3 == 0)
            text += lines[random() % lines.size()];
        IniEntries entries;
        std::vector<std::string> unused = keys;
        const int entryCount = static_cast<int>(random() % 4);
        for (int i = 0; i < entryCount && !unused.empty(); ++i) {
            const std::size_t pick = random() % unused.size();
            entries.emplace_back(unused[pick], values[random() % values.size()]);
            unused.erase(unused.begin() + static_cast<long>(pick));
        }
        const bool keepEmpty = random() % 2 == 0;
        const bool utf16 = random() % 5 == 0;
        const std::string bytes = utf16 ? "\xFF\xFE" + iniCodec::utf8ToUtf16Le(text) : text;
        SCOPED_TRACE("input: " + text);

        const IniDocument doc = IniDocument::fromBytes(bytes);
        IniDocument expected = IniDocument::fromBytes(bytes);
        expected.replaceSection("s", entries);
        std::string expectedBytes = expected.toBytes();
        if (entries.empty() && keepEmpty) {
            IniDocument withHeader = IniDocument::fromBytes(bytes);
            withHeader.eraseSection("s");
            withHeader.writeKey("s", "k", "v"); // a header with its ending, and one line
            expectedBytes = withHeader.toBytes();
            const std::string line = utf16 ? iniCodec::utf8ToUtf16Le("k=v") : "k=v";
            expectedBytes.erase(expectedBytes.rfind(line)); // the line ends the file
        }
        const std::optional<std::string> written = writtenWithSection(doc, entries, keepEmpty);
        if (expectedBytes == bytes) {
            EXPECT_FALSE(written.has_value());
        } else {
            ASSERT_TRUE(written.has_value());
            EXPECT_EQ(*written, expectedBytes);
        }
        // Written once, the same section leaves the file alone the next time.
        if (written) {
            EXPECT_FALSE(writtenWithSection(IniDocument::fromBytes(*written), entries, keepEmpty)
                             .has_value());
        }
    }
}

TEST(IniDocumentTest, WriteWithSectionHandsOverALargeFileInPieces)
{
    IniEntries entries;
    for (int i = 1; i <= 100000; ++i)
        entries.emplace_back("menu" + std::to_string(i), "Entry " + std::to_string(i));
    const IniDocument doc = IniDocument::fromBytes("[s]\r\nold=1\r\n[a]\r\nx=1");
    int pieces = 0;
    const std::optional<std::string> written = writtenWithSection(doc, entries, false, &pieces);
    ASSERT_TRUE(written.has_value());
    EXPECT_GT(pieces, 1);
    IniDocument expected = IniDocument::fromBytes("[s]\r\nold=1\r\n[a]\r\nx=1");
    expected.replaceSection("s", entries);
    EXPECT_EQ(*written, expected.toBytes());
}

TEST(IniDocumentTest, LargeSectionRoundTrip)
{
    IniEntries entries;
    for (int i = 1; i <= 100000; ++i)
        entries.emplace_back("menu" + std::to_string(i), "Entry " + std::to_string(i));
    IniDocument doc = IniDocument::fromBytes("[a]\r\nx=1\r\n");
    doc.replaceSection("DirMenu", entries);
    const IniDocument reread = IniDocument::fromBytes(doc.toBytes());
    EXPECT_EQ(reread.readSection("DirMenu"), entries);
    EXPECT_EQ(reread.readString("a", "x", ""), "1");
}

// Text that Torvex could not write back as it was read is refused whole: every read and every
// change throws, and the bytes stay as they were.
TEST(IniDocumentTest, RefusesTextItCannotWriteBack)
{
    const struct
    {
        std::string bytes;
        const char *reason;
    } cases[] = {
        { "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v"s, "UTF-16 big-endian is not supported" },
        { "\xFF\xFE\0\0[\0\0\0s\0\0\0]\0\0\0"s, "UTF-32 little-endian is not supported" },
        { "\0\0\xFE\xFF\0\0\0[\0\0\0s\0\0\0]"s, "UTF-32 big-endian is not supported" },
        { "[\0s\0]\0\r\0\n\0k\0=\0v\0"s, "UTF-16 without a byte-order mark is not supported" },
        { "\0[\0s\0]\0\n\0k\0=\0\xE9"s, "UTF-16 without a byte-order mark is not supported" },
        { "[\0\0\0s\0\0\0]\0\0\0"s, "UTF-32 without a byte-order mark is not supported" },
        { "[DirMenu]\r\nmenu1=A\r\n\x7F\x45LF\x02\x01\x01\0\0\0\0\0\0\0\0\0"s, "not a text file" },
        { "\xEF\xBB\xBF[s]\nk=\0\n"s, "not a text file" },
        { "[s]\nk=v\0"s, "not a text file" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        IniDocument doc = IniDocument::fromBytes(c.bytes, "/ini/wincmd.ini");
        EXPECT_EQ(doc.refusal(), c.reason);
        EXPECT_EQ(doc.toBytes(), c.bytes);
        try {
            (void)doc.readSection("s");
            ADD_FAILURE() << "read";
        } catch (const IniFormatError &error) {
            EXPECT_EQ(std::string(error.what()),
                "Unable to read /ini/wincmd.ini: " + std::string(c.reason));
            EXPECT_EQ(error.reason(), c.reason);
        }
        EXPECT_THROW((void)doc.readString("s", "k", ""), IniFormatError);
        EXPECT_THROW((void)doc.hasSection("s"), IniFormatError);
        EXPECT_THROW(doc.writeKey("s", "k", "w"), IniFormatError);
        EXPECT_THROW(doc.replaceSection("s", { { "k", "w" } }), IniFormatError);
        EXPECT_THROW(doc.replaceSection("s", {}), IniFormatError);
        EXPECT_THROW(doc.eraseSection("s"), IniFormatError);
        EXPECT_EQ(doc.toBytes(), c.bytes);
    }
}

TEST(IniDocumentTest, Utf16FileMayHoldNulCharacters)
{
    const std::u16string text = { u'[', u's', u']', u'\n', u'k', u'=', u'a', 0, u'b', u'\n' };
    IniDocument doc = IniDocument::fromBytes(utf16(text));
    EXPECT_TRUE(doc.refusal().empty());
    EXPECT_EQ(doc.readString("s", "k", ""), "a\0b"s);
    doc.writeKey("s", "n", "c\0d"s);
    EXPECT_EQ(IniDocument::fromBytes(doc.toBytes()).readString("s", "n", ""), "c\0d"s);
}

TEST(IniDocumentTest, NulIsRefusedWhereItWouldMakeTheFileBinary)
{
    for (const std::string bytes : { "[s]\nk=v\n", "\xEF\xBB\xBF[s]\nk=v\n" }) {
        IniDocument doc = IniDocument::fromBytes(bytes);
        try {
            doc.writeKey("s", "k", "a\0b"s);
            ADD_FAILURE() << "no error";
        } catch (const IniValueError &error) {
            EXPECT_EQ(error.key(), "k");
            EXPECT_EQ(error.problem(), "holds a NUL character");
        }
        EXPECT_THROW(doc.writeKey("s", "k\0"s, "v"), IniValueError);
        EXPECT_THROW(doc.replaceSection("s", { { "k", "\0"s } }), IniValueError);
        EXPECT_EQ(doc.toBytes(), bytes);
    }
}

TEST(IniDocumentTest, LinesEndAtCrAtLfAndAtCrLf)
{
    const std::string crOnly = "[Other]\ra=1\r[DirMenu]\rmenu1=Home\rcmd1=cd c:\\\r";
    IniDocument doc = IniDocument::fromBytes(crOnly);
    EXPECT_EQ(
        doc.readSection("DirMenu"), (IniEntries { { "menu1", "Home" }, { "cmd1", "cd c:\\" } }));
    doc.writeKey("Other", "b", "2");
    doc.replaceSection("DirMenu", { { "menu1", "New" } });
    EXPECT_EQ(doc.toBytes(), "[Other]\ra=1\rb=2\r[DirMenu]\rmenu1=New\r");
    EXPECT_EQ(withKey("[a]\rx=1", "b", "k", "v"), "[a]\rx=1\r[b]\rk=v\r");

    // Mixed endings: each line keeps its own, new lines take the first one's.
    EXPECT_EQ(withKey("[a]\rx=1\r\ny=2\n\r[b]\n", "a", "z", "3"), "[a]\rx=1\r\ny=2\nz=3\r\r[b]\n");
    // A CR before CR LF ends an empty line of its own.
    const IniDocument mixed = IniDocument::fromBytes("[s]\r\r\nk=v\n\rj=w");
    EXPECT_EQ(mixed.readSection("s"), (IniEntries { { "k", "v" }, { "j", "w" } }));

    const std::u16string text = u"[s]\rk=v\r";
    EXPECT_EQ(withKey(utf16(text), "s", "n", "w"), utf16(u"[s]\rk=v\rn=w\r"));
}

// Breaks at every place in a line and near every multiple of eight bytes: the lines are
// those a plain split at CR LF, LF and a lone CR gives.
TEST(IniDocumentTest, LinesAreSplitWhereverTheBreaksStand)
{
    std::mt19937 random(812);
    const std::string alphabet = "ab=[ \r\n\r\n";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const std::size_t length = random() % 40;
        for (std::size_t i = 0; i < length; ++i)
            bytes += alphabet[random() % alphabet.size()];
        std::vector<std::string> expected;
        std::string line;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] != '\r' && bytes[i] != '\n') {
                line += bytes[i];
                continue;
            }
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            expected.push_back(line);
            line.clear();
        }
        if (!line.empty())
            expected.push_back(line);
        const IniDocument doc = IniDocument::fromBytes(bytes);
        std::vector<std::string> lines;
        for (std::size_t n = 1; n <= doc.lineCount(); ++n)
            lines.push_back(doc.lineText(n));
        ASSERT_EQ(lines, expected) << testing::PrintToString(bytes);
        ASSERT_EQ(doc.toBytes(), bytes);
    }
}

// Once, a CR inside a line was part of the value, which no save could then write back.
TEST(IniDocumentTest, EveryValueReadCanBeWrittenBack)
{
    const std::string samples[] = {
        "[s]\r\nk=a\rb\r\n",
        "[s]\nk=a\r\rl=\r\n",
        "[s]\n k = 'x' \f\n\"q\"=\"\"\"\n",
        "\xEF\xBB\xBF[s]\nk=\xFF\xFE\n",
        "[s]\nk=\xEF\xBB\xBF\xFF\n",
        utf16(u"[s]\rk=\xD800\rl=\xDC00x\r"),
    };
    for (const std::string &bytes : samples) {
        const IniDocument read = IniDocument::fromBytes(bytes);
        IniDocument doc = read;
        for (const auto &[key, value] : read.readSection("s")) {
            EXPECT_NO_THROW(doc.writeKey("s", key, value)) << key << " in " << bytes;
            EXPECT_EQ(IniDocument::fromBytes(doc.toBytes()).readString("s", key, ""), value);
        }
        EXPECT_NO_THROW(IniDocument(read).replaceSection("s", read.readSection("s")));
    }
}

TEST(IniDocumentTest, APairOfSingleOrDoubleQuotesIsTakenOff)
{
    const IniDocument doc = IniDocument::fromBytes("[DirMenu]\n"
                                                   "menu1='-Tools'\n"
                                                   "menu2=\"-Sub\"\n"
                                                   "menu3=  ' padded '  \n"
                                                   "menu4='mixed\"\n"
                                                   "menu5='\n"
                                                   "menu6=\"'inner'\"\n"
                                                   "menu7=''\n"
                                                   "menu8=it's\n");
    EXPECT_EQ(doc.readSection("DirMenu"),
        (IniEntries { { "menu1", "-Tools" },
            { "menu2", "-Sub" },
            { "menu3", " padded " },
            { "menu4", "'mixed\"" },
            { "menu5", "'" },
            { "menu6", "'inner'" },
            { "menu8", "it's" } }));
    EXPECT_EQ(doc.readString("DirMenu", "menu7", "def"), "");
}
