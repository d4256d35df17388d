#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace torvex {

// One line of a choice of folders: what it shows and whether it can be chosen.
struct BookmarkLine
{
    std::string text;
    std::string note; // shown after the text in parentheses, "" for none
    bool checked = true;
    bool enabled = true; // a line that cannot be chosen is greyed and unchecked
};

// What the window asks when it imports or exports the desktop's bookmarks; tests answer
// with a scripted one.
class BookmarkChooser
{
public:
    virtual ~BookmarkChooser() = default;
    // The indexes of the lines the user checked, in order; nothing when the user cancelled.
    virtual std::optional<std::vector<std::size_t>> choose(const std::string &caption,
        const std::string &intro,
        const std::vector<BookmarkLine> &lines) = 0;
};

// The list of folders with check boxes, with OK and Cancel.
class BookmarkChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    BookmarkChoiceDialog(const std::string &caption,
        const std::string &intro,
        const std::vector<BookmarkLine> &lines,
        QWidget *parent);

    // The indexes of the checked lines, in order.
    std::vector<std::size_t> checkedLines() const;
    QListWidget *list() const { return m_list; }

private:
    QListWidget *m_list = nullptr;
};

// The chooser that shows the dialog over `parent`.
class DialogBookmarkChooser : public BookmarkChooser
{
public:
    explicit DialogBookmarkChooser(QWidget &parent)
        : m_parent(parent)
    { }
    std::optional<std::vector<std::size_t>> choose(const std::string &caption,
        const std::string &intro,
        const std::vector<BookmarkLine> &lines) override;

private:
    QWidget &m_parent;
};

} // namespace torvex
