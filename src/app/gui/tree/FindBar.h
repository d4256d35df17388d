#pragma once

#include "app/gui/tree/FoldedMenuTexts.h"
#include "editor/MenuFind.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QShortcut;

namespace torvex {

class MenuEditor;
class MenuTree;
class MenuTreeView;

// How the tree shows a match of the find box, from the tree's palette: a ground between its
// background and its highlight (apart from the selection) and a text readable on it.
struct FindMatchColours
{
    QColor background;
    QColor text;
};
FindMatchColours findMatchColours(const QPalette &palette);

// The status text of a drag or a move by keys refused while the find box filters the tree,
// marked for translation in its context.
inline constexpr const char *dropRefusedContext = "torvex::FindBar";
inline constexpr const char *dropRefusedWhileFiltered =
    QT_TRANSLATE_NOOP("torvex::FindBar", "Close the find box (Esc) to drop or move entries");

// The find box `FindBar` above the menu tree: as the user types, the tree shows only the
// entries whose title, command or target path hold the text (case-insensitive) with their
// parents, the matches highlighted, and "7 of 203" beside the box. Enter and F3 select the
// next match (Shift+F3 the one before), Esc closes the box and shows the whole tree again
// with the selected entry kept.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    // A match selected is shown in the item editor through `editor`.
    FindBar(MenuTree &tree, MenuTreeView &view, MenuEditor &editor);

    // Shows the box and puts the focus into it (Edit > Find..., Ctrl+F).
    void open();
    // Hides the box; the whole tree shows again, the selected entry in view.
    void close();
    // True while the box is open with a text: part of the tree is hidden.
    bool isFiltering() const;
    // Selects the next (or previous) match and shows it.
    void findNext(bool backwards = false);
    QLineEdit *textEdit() const { return m_text; }
    QString countText() const;

private:
    void buildRow();
    void addKeys();
    void followTree();
    void scheduleFilter();
    void filter();
    bool isMatch(const MenuNode *node) const;

    MenuTree &m_tree;
    MenuTreeView &m_view;
    MenuEditor &m_editor;
    QLineEdit *m_text = nullptr; // FindText
    QLabel *m_count = nullptr; // FindCount
    QList<QShortcut *> m_keys;
    FindResult m_result;
    // The result before it, kept for its room (two results take turns).
    FindResult m_previous;
    // Prepared as the box asks, also while painting a row.
    mutable FoldedMenuTexts m_foldedTexts;
    // The text looked for, folded as the prepared texts are.
    std::string m_foldedNeedle;
    bool m_open = false;
    bool m_filterPending = false;
    // What the last filter looked for, and whether the tree changed since.
    QString m_needle;
    bool m_treeChanged = false;

    friend class FindHighlight;
};

} // namespace torvex
