#include "menu/IniFile.h"

#include "menu/IniError.h"
#include "menu/IniValues.h"

#include <exception>

namespace torvex {

namespace {

// Another program wrote the file between the save's read and its write.
bool changedMeanwhile(const IniWriteError &error)
{
    return error.cause() == fileChangedCause;
}

} // namespace

IniFile::IniFile(std::string path, FileSystem &fs)
    : m_path(std::move(path))
    , m_fs(fs)
{ }

IniDocument IniFile::load() const
{
    if (!m_fs.fileExists(m_path))
        return IniDocument::fromBytes({});
    return IniDocument::fromOwnedBytes(m_fs.readAll(m_path), m_path);
}

// Runs `work` with its errors reported as a write's.
template <typename Work> void IniFile::asWrite(Work &&work)
{
    try {
        work();
    } catch (const IniWriteError &) {
        throw;
    } catch (const IniFormatError &) {
        // Text that cannot be read is refused as it is when read; the file is never written.
        throw;
    } catch (const IniValueError &error) {
        // The refused value's key and problem stay reachable for callers that name them.
        std::throw_with_nested(IniWriteError(m_path, error.what()));
    } catch (const TorvexError &error) {
        throw IniWriteError(m_path, error.what());
    }
}

// Runs `work` on the file as read now (an empty document when it is missing), with the
// errors of reading and building the new content reported as a write's. Other Torvex saves
// of the file wait meanwhile.
template <typename Work> void IniFile::withDocument(Work &&work)
{
    const FileLock lock = m_fs.lockForSave(m_path);
    const bool exists = m_fs.fileExists(m_path);
    IniDocument doc = IniDocument::fromBytes({});
    asWrite([&] {
        if (exists)
            doc = IniDocument::fromOwnedBytes(m_fs.readAll(m_path), m_path);
        work(doc);
    });
}

// Builds the file's new bytes with `build` and writes them when they differ. Like the Windows
// functions, a change that changes nothing leaves the file alone; a missing file is only
// created when something is written into it.
template <typename Build> void IniFile::rewrite(Build &&build)
{
    // Built again from the file as it is then when another program wrote it in the
    // meantime, so that its edit is kept.
    for (int attempt = 1;; ++attempt) {
        try {
            withDocument([&](IniDocument &doc) {
                const std::string after = build(doc);
                if (after != doc.originalBytes())
                    m_fs.writeAtomic(m_path, FileContent(after).basedOn(doc.originalBytes()));
            });
            return;
        } catch (const IniWriteError &error) {
            if (!changedMeanwhile(error) || attempt == 3)
                throw;
        }
    }
}

template <typename Change> void IniFile::change(Change &&apply)
{
    rewrite([&apply](IniDocument &doc) {
        apply(doc);
        return doc.toBytes();
    });
}

IniEntries IniFile::readSection(std::string_view section) const
{
    return load().readSection(section);
}

void IniFile::visitSection(std::string_view section, const IniEntryVisitor &visit) const
{
    load().visitSection(section, visit);
}

std::string IniFile::readString(
    std::string_view section, std::string_view key, std::string_view def) const
{
    return load().readString(section, key, def);
}

void IniFile::eraseSection(std::string_view section)
{
    change([&](IniDocument &doc) {
        doc.eraseSection(section);
    });
}

void IniFile::writeKey(std::string_view section, std::string_view key, std::string_view value)
{
    change([&](IniDocument &doc) {
        doc.writeKey(section, key, value);
    });
}

void IniFile::replaceSection(std::string_view section, const IniEntries &entries)
{
    change([&](IniDocument &doc) {
        doc.replaceSection(section, entries);
    });
}

void IniFile::replaceSection(std::string_view section,
    const IniEntrySource &source,
    bool keysAreDistinct,
    bool keepEmpty,
    const std::function<void(const IniDocument &asRead)> &checkAsRead)
{
    // The new content goes to the file in pieces made from the file as read, so that the two
    // are never both held whole.
    withDocument([&](const IniDocument &doc) {
        if (checkAsRead)
            checkAsRead(doc);
        doc.writeWithSection(
            section, source, keysAreDistinct, keepEmpty, [this, &doc](const IniPieces &pieces) {
                m_fs.writeAtomic(m_path, FileContent(pieces).basedOn(doc.originalBytes()));
            });
    });
}

void IniFile::replaceSection(const IniDocument &asRead,
    std::string_view section,
    const IniEntrySource &source,
    const IniDocument::SectionSource &promise)
{
    asWrite([&] {
        asRead.writeWithSection(section, source, promise, [&](const IniPieces &pieces) {
            m_fs.writeAtomic(m_path, FileContent(pieces).basedOn(asRead.originalBytes()));
        });
    });
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const
{
    return parseInteger(readString(section, key, {})).value_or(def);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeKey(section, key, formatInteger(value));
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const
{
    const auto value = parseInteger(readString(section, key, {}));
    return value ? *value != 0 : def;
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeKey(section, key, value ? "1" : "0");
}

} // namespace torvex
