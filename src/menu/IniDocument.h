#pragma once

#include "menu/IniCodec.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvex {

// The (key, value) pairs of one ini section, in file order, as UTF-8.
using IniEntries = std::vector<std::pair<std::string, std::string>>;

// One line of a section as the file holds it, for reports on what a reader leaves out.
struct IniSectionLine
{
    enum class Kind { Header, Entry, Comment, Blank, Other };
    Kind kind = Kind::Other;
    std::size_t lineNumber = 0; // in the file, counted from 1
    std::size_t sectionOrdinal = 0; // 0 in the first section of the name, 1 in the second...
    std::string_view key; // an entry's key, trimmed, as UTF-8
    // An entry's value as readSection gives it (trimmed, unquoted, as UTF-8); empty when
    // readSection would leave the entry out for its value.
    std::string_view value;
    // The value views the document's own text, so it lasts until the document changes or
    // goes; otherwise (a decoded value) only for the call.
    bool valueInDocument = false;
    bool repeatedKey = false; // the entry's key stood earlier in the same section
};
using IniLineVisitor = std::function<void(const IniSectionLine &line)>;

// Entries handed over one at a time: the views need only last for the call.
using IniEntryVisitor = std::function<void(std::string_view key, std::string_view value)>;
// Something that calls its visitor once for each entry, in order, the same ones every time it
// is run: a section's new content given without a list of it in memory.
using IniEntrySource = std::function<void(const IniEntryVisitor &visit)>;
// Bytes handed over in pieces, in order; the views need only last for the call.
using IniPieceVisitor = std::function<void(std::string_view piece)>;
// Something that calls its visitor with the pieces of some bytes, the same ones every time.
using IniPieces = std::function<void(const IniPieceVisitor &piece)>;

// The contents of one ini file in memory, with the reading and writing rules of the Windows
// profile functions, and the promise that whatever a call does not change stays byte for
// byte: other sections, comments, blank lines, spacing, line endings (mixed ones too), the
// encoding with its mark and a missing final line ending.
//
// Lines end at CR LF, at LF and at a lone CR; each line keeps its own ending.
// A header is a line whose first non-blank character is '['; its name runs to the
// first ']' (or the end of the line) and is trimmed. A line whose first non-blank character
// is ';' is a comment. Any other line holding '=' is an entry whose key (before the first
// '=') is not empty; every other line is kept but means nothing. Lines before the first
// header belong to no section. Names compare without regard to ASCII letter case.
// When a section name stands more than once, reading and writeKey use its first occurrence;
// eraseSection and replaceSection remove them all.
//
// Every operation runs in time linear in the size of the document.
class IniDocument
{
public:
    // Splits bytes into lines. Never throws; toBytes() of the result equals bytes. Text that
    // cannot be read and written back as it is (see iniCodec::unsupportedTextReason) gives a
    // refused document: every call below except toBytes, encoding and refusal then throws
    // IniFormatError naming `origin` (the file's path) and the reason.
    static IniDocument fromBytes(std::string_view bytes, std::string origin = "ini text");
    // The same, keeping `bytes` instead of a copy of them.
    static IniDocument fromOwnedBytes(std::string bytes, std::string origin = "ini text");

    // The bytes the document was made from.
    std::string_view originalBytes() const;

    // The file's bytes: unchanged lines exactly as read, changed ones in the file's encoding.
    std::string toBytes() const;

    // The encoding found by fromBytes (Windows-1252 for an empty document).
    IniEncoding encoding() const { return m_encoding; }

    // Why the document was refused; empty when it was read.
    std::string_view refusal() const { return m_refusal; }

    // The entries of the section in file order, each key once (its first occurrence decides),
    // keys and values trimmed of blanks, values without a pair of enclosing double quotes or
    // a pair of enclosing single quotes.
    // Keys whose value is empty are left out. A missing section gives no entries.
    IniEntries readSection(std::string_view section) const;

    // The entries readSection gives, handed to `visit` one by one instead of in a list.
    void visitSection(std::string_view section, const IniEntryVisitor &visit) const;

    // Every line of every section of that name, its header first, in file order; the views
    // last only for the call. The entries of sectionOrdinal 0 that are not repeatedKey and
    // whose value is not empty are exactly those of visitSection.
    void visitSectionLines(std::string_view section, const IniLineVisitor &visit) const;

    // The number of lines (a bound on the entries of any section).
    std::size_t lineCount() const { return m_lines.size(); }

    // The line `lineNumber` (counted from 1) as UTF-8, without its ending; empty past the end.
    std::string lineText(std::size_t lineNumber) const;

    // The value of the key's first occurrence, read as by readSection; empty when the key
    // stands with nothing after '='. def when the section or the key is missing.
    std::string readString(
        std::string_view section, std::string_view key, std::string_view def) const;

    // Whether a section of that name exists.
    bool hasSection(std::string_view section) const;

    // Removes every section of that name, each with its header and all its lines up to the
    // next header. Nothing happens when there is none.
    void eraseSection(std::string_view section);

    // Sets key=value in the section. An existing key keeps its line, its spelling and the
    // blanks around '='; only the value after them is replaced. A new key becomes a line
    // after the last line of the section that is neither blank nor a comment (right after
    // the header when there is none), so blank lines and comments that end the section
    // stay in front of the next header. A missing section is appended, header first, at the
    // end of the file. The value is written as given, unquoted; section and key are trimmed.
    // New lines take the file's line ending; a missing final line ending is added first.
    // Throws IniValueError (document unchanged) for names or values the file cannot hold: a
    // line break anywhere, a NUL character in a code page or UTF-8 file (which would no longer
    // be read as text). Any value read from the document can be written back.
    void writeKey(std::string_view section, std::string_view key, std::string_view value);

    // eraseSection followed by writeKey for each entry in order, done in one pass: the
    // section ends up once, at the end of the file. With no entries the section is only
    // erased. Throws IniValueError (document unchanged) as writeKey does.
    void replaceSection(std::string_view section, const IniEntries &entries);

    // The file's bytes after replaceSection(section, entries) with the entries that `source`
    // hands over, built straight from this document, which stays as it is, and handed over in
    // pieces of about a megabyte, so that a large file is never held twice in memory: `write`
    // is called with a function that hands the pieces to its argument in order, as often as
    // `write` runs it. When those bytes equal originalBytes(), `write` is not called. Throws
    // as replaceSection does, before `write` is called.
    // `source` runs twice, to check the entries (and compare them with the file) and then to
    // write them, or once into a list without keysAreDistinct or in a UTF-16 file.
    // With keysAreDistinct the caller promises that no two keys are the same (letter case
    // ignored), which saves remembering them. With keepEmpty a source without entries leaves
    // the section's header at the end of the file instead of no section at all.
    void writeWithSection(std::string_view section,
        const IniEntrySource &source,
        bool keysAreDistinct,
        bool keepEmpty,
        const std::function<void(const IniPieces &pieces)> &write) const;

    // What the caller of writeWithSection promises about its entries.
    struct SectionSource
    {
        bool keysAreDistinct = false;
        bool keepEmpty = false;
        // Every key is a plain ASCII name the file can hold (letters and digits) and every
        // value was read from this document, so nothing can be refused: the entries are not
        // checked, and their first run stops as soon as the new bytes differ from the file's.
        bool readFromDocument = false;
    };
    void writeWithSection(std::string_view section,
        const IniEntrySource &source,
        const SectionSource &promise,
        const std::function<void(const IniPieces &pieces)> &write) const;

private:
    enum class Ending : std::uint8_t { None, CrLf, Lf, Cr };
    // A line without its ending, as a span of m_text (as read) or of m_added (made or
    // changed since), so that a large file is held once and not as a string per line.
    // Twelve bytes: a file of millions of short lines is indexed in a third of its size.
    struct Line
    {
        std::uint32_t length = 0;
        std::uint32_t offsetLow = 0; // the offset's low 32 bits
        std::uint16_t offsetHigh = 0; // and the 16 above them
        Ending ending = Ending::None; // only the last line may have none
        bool added = false;

        std::size_t offset() const { return (std::size_t(offsetHigh) << 32) | offsetLow; }
        void setOffset(std::size_t offset)
        {
            offsetLow = static_cast<std::uint32_t>(offset);
            offsetHigh = static_cast<std::uint16_t>(offset >> 32);
        }
    };
    static_assert(sizeof(Line) == 12);

    std::size_t adoptText(std::string bytes);
    void indexLines(std::size_t start);
    void checkReadable() const;
    void checkValue(std::string_view key, std::string_view value) const;
    std::optional<std::string> toWorking(std::string_view utf8) const;
    std::string encodeName(std::string_view name) const;
    std::string encodeValue(std::string_view value) const;
    std::string decodeName(std::string_view text) const;
    std::string decodeValue(std::string_view trimmed) const;
    std::string_view text(const Line &line) const;
    Line addLine(std::string_view text, Ending ending);
    void setText(Line &line, std::string_view text);
    Ending lineEnding() const;
    void endLastLine();
    std::ptrdiff_t findSection(std::string_view workingName) const;
    std::size_t sectionEnd(std::size_t header) const;
    void eraseWorkingSection(std::string_view workingName);
    // What writeWithSection keeps of the document: the lines outside the section, and the
    // line ending of the lines it adds.
    struct KeptLines
    {
        std::vector<bool> kept;
        std::ptrdiff_t last = -1; // the last kept line, which takes `ending` if it has none
        Ending ending = Ending::CrLf;
    };
    KeptLines keptLines(std::string_view workingSection) const;
    void checkNewEntry(
        std::string_view section, std::string_view key, std::string_view value, bool first) const;
    IniDocument withSectionReplaced(std::string_view section, const IniEntrySource &source) const;
    template <typename Out>
    void emitKept(const KeptLines &kept, std::string_view workingSection, Out &&out) const;
    template <typename Out>
    void emitEntry(std::string_view key, std::string_view value, Ending ending, Out &&out) const;
    template <typename Visit>
    void walkSections(std::string_view section, bool everyOccurrence, Visit &&visit) const;
    template <typename Visit>
    void walkSection(std::size_t first, std::size_t end, std::size_t ordinal, Visit &visit) const;
    template <typename Set, typename Visit>
    void walkLines(std::size_t first, std::size_t end, std::size_t ordinal, Visit &visit) const;
    std::ptrdiff_t nextSectionNamed(std::size_t from, std::string_view workingName) const;

    IniEncoding m_encoding = IniEncoding::Windows1252;
    std::string m_bom;
    std::string m_text; // the text as read, in the working form (see .cpp)
    std::string m_added; // the text of lines made or changed since
    std::vector<Line> m_lines;
    std::string m_tail; // a stray last byte of a UTF-16 file, or a refused file's bytes
    std::string m_original; // a UTF-16 file's bytes (the others' are m_text)
    std::string m_refusal;
    std::string m_origin;
};

} // namespace torvex
