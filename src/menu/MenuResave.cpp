#include "menu/MenuResave.h"

#include <charconv>
#include <iterator>

namespace torvex {

namespace {

// Writes what the reader tells as the writer writes the tree: each node numbered in menu
// order, "--" after the last child of a submenu. Whether a submenu start holds entries is
// only known at the next entry or end, so its lines wait until then; a submenu that ends
// (or is left at the end) without entries is written as an item.
class ResaveWriter : public DirMenuReadHandler
{
public:
    explicit ResaveWriter(const DirMenuLineFn &line)
        : m_line(line)
    { }

    void entry(std::size_t,
        NodeKind kind,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath) override
    {
        if (m_waiting) {
            writeSubmenuStart();
            ++m_openSubmenus;
        }
        m_waiting = kind == NodeKind::Submenu;
        if (m_waiting)
            m_submenu = { title, command, targetPath };
        else
            writeItem({ title, command, targetPath });
    }

    void submenuEnd() override
    {
        if (m_waiting) {
            m_waiting = false;
            writeItem(m_submenu);
            return;
        }
        --m_openSubmenus;
        writeEnd();
    }

    // The submenus still open after the last entry end here, as the writer ends them.
    void finish()
    {
        if (m_waiting) {
            m_waiting = false;
            writeItem(m_submenu);
        }
        for (; m_openSubmenus > 0; --m_openSubmenus)
            writeEnd();
    }

private:
    struct Entry
    {
        std::string_view title, command, targetPath;
    };

    std::string_view key(std::string_view prefix)
    {
        std::copy(prefix.begin(), prefix.end(), m_key);
        const auto end = std::to_chars(m_key + prefix.size(), std::end(m_key), m_number).ptr;
        return std::string_view(m_key, static_cast<std::size_t>(end - m_key));
    }

    void writeItem(const Entry &entry)
    {
        ++m_number;
        m_line(key("menu"), entry.title);
        m_line(key("cmd"), entry.command);
        if (!entry.targetPath.empty())
            m_line(key("path"), entry.targetPath);
    }

    void writeSubmenuStart()
    {
        ++m_number;
        m_title.assign(1, '-');
        m_title += m_submenu.title;
        m_line(key("menu"), m_title);
    }

    void writeEnd()
    {
        ++m_number;
        m_line(key("menu"), "--");
    }

    const DirMenuLineFn &m_line;
    std::size_t m_number = 0;
    std::size_t m_openSubmenus = 0; // written as submenus and not yet ended
    bool m_waiting = false; // m_submenu started and its lines not yet written
    Entry m_submenu;
    std::string m_title;
    char m_key[32];
};

} // namespace

void forEachResavedDirMenuLine(const DirMenuValues &values, const DirMenuLineFn &line)
{
    ResaveWriter writer(line);
    readDirMenu(values, writer);
    writer.finish();
}

} // namespace torvex
