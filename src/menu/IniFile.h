#pragma once

#include "files/FileSystem.h"
#include "menu/IniDocument.h"

#include <functional>
#include <string>
#include <string_view>

namespace torvex {

// An ini file by path, with the rules of IniDocument. Every call opens the file, reads it
// whole and, for a change, writes it back through FileSystem::writeAtomic before it
// returns; nothing is cached and the file is never kept open. A change is built from the
// file as it is at that moment, so edits made by others in between are kept: other Torvex
// saves wait for its lock (FileSystem::lockForSave), and a change that another program
// wrote between the read and the write is read again and the change built anew.
class IniFile
{
public:
    explicit IniFile(std::string path, FileSystem &fs = FileSystem::real());

    const std::string &path() const { return m_path; }

    // The section's entries (IniDocument::readSection); empty when the file is missing.
    // Throws IniReadError when the file exists but cannot be read, IniFormatError (one
    // kind of IniReadError) when its text is one Torvex refuses.
    IniEntries readSection(std::string_view section) const;

    // The same entries handed to `visit` one by one (IniDocument::visitSection), for sections
    // too large to keep as a list besides the file. Throws as readSection does.
    void visitSection(std::string_view section, const IniEntryVisitor &visit) const;

    // The whole file as read now, for several reads of one state of it; an empty document
    // when the file is missing. Throws IniReadError when it cannot be read; a text Torvex
    // refuses gives a refused document (IniDocument::fromBytes).
    IniDocument document() const { return load(); }

    // The key's value (IniDocument::readString); def when the file is missing.
    // Throws as readSection does.
    std::string readString(
        std::string_view section, std::string_view key, std::string_view def) const;

    // Removes every section of that name. A missing file stays missing.
    // Throws IniWriteError (file unchanged) when the file cannot be read or written, and
    // IniFormatError (file unchanged) when its text is one Torvex refuses.
    void eraseSection(std::string_view section);

    // Sets key=value (IniDocument::writeKey), creating the file when it is missing.
    // Throws as eraseSection does, and IniWriteError (file unchanged) when the name or value
    // cannot be stored: the reason is then in IniWriteError::cause(), and the IniValueError
    // itself is nested in it (std::rethrow_if_nested).
    void writeKey(std::string_view section, std::string_view key, std::string_view value);

    // Replaces every section of that name by one at the end of the file holding entries, in
    // one atomic write (IniDocument::replaceSection). Throws as writeKey does.
    void replaceSection(std::string_view section, const IniEntries &entries);
    // The same with the entries that `source` hands over (IniDocument::writeWithSection), for
    // sections too large to keep as a list besides the file. keysAreDistinct as there.
    // `checkAsRead`, when given, sees the file as read under the save's lock before anything
    // is written, and stops the save by throwing. Unlike the other changes, this one is not
    // built again when another program writes the file during the save: it throws
    // IniWriteError with fileChangedCause, the file as that program left it.
    void replaceSection(std::string_view section,
        const IniEntrySource &source,
        bool keysAreDistinct,
        bool keepEmpty = false,
        const std::function<void(const IniDocument &asRead)> &checkAsRead = {});

    // The same for a file read a moment ago into `asRead` (document()), which is not read
    // again: a command that reads a large file and writes it straight back holds it once.
    // The caller holds the save's lock (FileSystem::lockForSave) from before that read; a
    // file that no longer holds what was read is not written (fileChangedCause).
    void replaceSection(const IniDocument &asRead,
        std::string_view section,
        const IniEntrySource &source,
        const IniDocument::SectionSource &promise);

    // The key read as an integer (parseInteger); def when it is missing or no integer.
    int readInteger(std::string_view section, std::string_view key, int def) const;

    // Writes value in signed decimal. Throws as writeKey does.
    void writeInteger(std::string_view section, std::string_view key, int value);

    // The key read as an integer, non-zero meaning true; def when it is missing or no integer.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Writes "1" for true, "0" for false. Throws as writeKey does.
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    IniDocument load() const;
    template <typename Change> void change(Change &&apply);
    template <typename Work> void withDocument(Work &&work);
    template <typename Work> void asWrite(Work &&work);
    template <typename Build> void rewrite(Build &&build);

    std::string m_path;
    FileSystem &m_fs;
};

} // namespace torvex
