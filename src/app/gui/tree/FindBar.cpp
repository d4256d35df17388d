#include "app/gui/tree/FindBar.h"

#include "app/gui/tree/MenuTreeView.h"
#include "editor/MenuEditor.h"
#include "menu/gui/MenuText.h"
#include "menu/gui/MenuTreeModel.h"
#include "menu/gui/ShownMenuModel.h"
#include "settings/gui/Colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <vector>

namespace torvex {

// Paints the rows of the matches on a ground between the tree's background and the palette's
// highlight, apart from the selection, with the text kept readable on it.
class FindHighlight : public TitleDelegate
{
public:
    FindHighlight(const FindBar &bar, QObject *parent)
        : TitleDelegate(parent)
        , m_bar(bar)
    { }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_bar.isMatch(static_cast<const MenuNode *>(index.internalPointer())))
            return;
        const FindMatchColours colours = findMatchColours(option->palette);
        option->backgroundBrush = colours.background;
        option->palette.setColor(QPalette::Text, colours.text);
    }

private:
    const FindBar &m_bar;
};

FindMatchColours findMatchColours(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base).toRgb();
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight).toRgb();
    const auto between = [&](int from, int to) {
        return from + (to - from) * 2 / 5;
    };
    const QColor background(between(base.red(), highlight.red()),
        between(base.green(), highlight.green()),
        between(base.blue(), highlight.blue()));
    return { background, readableOn(background, palette.color(QPalette::Active, QPalette::Text)) };
}

FindBar::FindBar(MenuTree &tree, MenuTreeView &view, MenuEditor &editor)
    : m_tree(tree)
    , m_view(view)
    , m_editor(editor)
{
    buildRow();
    hide();
    m_view.setItemDelegate(new FindHighlight(*this, this));
    connect(m_text, &QLineEdit::textChanged, this, &FindBar::filter);
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        findNext();
    });
    addKeys();
    followTree();
}

void FindBar::buildRow()
{
    setObjectName(QStringLiteral("FindBar"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    auto *label = new QLabel(tr("Find:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setClearButtonEnabled(true);
    m_text->setToolTip(tr(" Title, command or target path (Enter, F3: next match) "));
    m_text->setAccessibleName(tr("Find"));
    m_text->setAccessibleDescription(tr("Shows the entries whose title, command or "
                                        "target path holds the text; Enter or F3 "
                                        "goes to the next match, Shift+F3 to the "
                                        "previous one, Esc closes the find box"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    auto *closeButton = new QToolButton(this);
    closeButton->setObjectName(QStringLiteral("FindClose"));
    closeButton->setText(QStringLiteral("x"));
    closeButton->setToolTip(tr(" Close the find box (Esc) "));
    closeButton->setAccessibleName(tr("Close the find box"));
    closeButton->setAccessibleDescription(tr("Closes the find box (Esc)"));
    row->addWidget(label);
    row->addWidget(m_text, 1);
    row->addWidget(m_count);
    row->addWidget(closeButton);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
}

void FindBar::addKeys()
{
    // The keys of the box act wherever the focus is in the window while the box is open.
    const auto key = [this](QKeySequence sequence, std::function<void()> action) {
        auto *shortcut =
            new QShortcut(sequence, m_view.window(), nullptr, nullptr, Qt::WindowShortcut);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
        m_keys.append(shortcut);
    };
    key(QKeySequence(Qt::Key_F3), [this] {
        findNext();
    });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] {
        findNext(true);
    });
    key(QKeySequence(Qt::Key_Escape), [this] {
        close();
    });
}

// The tree changes (an edit, an undo) and the selection moves: the rows follow.
void FindBar::followTree()
{
    // The tree's own model: the view's rows change with every filter.
    QAbstractItemModel *model = m_view.menuModel();
    const auto treeChanged = [this] {
        m_treeChanged = true;
        scheduleFilter();
    };
    // The prepared texts of a node that changed, or that came (back) into the tree, are made
    // again when next looked at; a node's address may be taken by a new one.
    connect(model,
        &QAbstractItemModel::rowsInserted,
        this,
        [this, model, treeChanged](const QModelIndex &parent, int first, int last) {
            for (int row = first; row <= last; ++row)
                m_foldedTexts.forgetSubtree(
                    static_cast<const MenuNode *>(model->index(row, 0, parent).internalPointer()));
            treeChanged();
        });
    connect(model,
        &QAbstractItemModel::dataChanged,
        this,
        [this, model, treeChanged](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                m_foldedTexts.forget(static_cast<const MenuNode *>(
                    model->index(row, 0, topLeft.parent()).internalPointer()));
            treeChanged();
        });
    connect(model, &QAbstractItemModel::rowsRemoved, this, treeChanged);
    connect(model, &QAbstractItemModel::rowsMoved, this, treeChanged);
    connect(model, &QAbstractItemModel::modelReset, this, [this, treeChanged] {
        m_foldedTexts.clear();
        treeChanged();
    });
    connect(
        m_view.menuModel(), &MenuTreeModel::selectedNodeChanged, this, &FindBar::scheduleFilter);
}

void FindBar::open()
{
    m_open = true;
    show();
    for (QShortcut *shortcut : m_keys)
        shortcut->setEnabled(true);
    m_text->setFocus();
    m_text->selectAll();
    // The room of the first find and of the rows shown is made now, while the user starts
    // typing, rather than with the first character (the results take turns: the next one
    // fills m_previous's room).
    const std::size_t nodes = m_tree.count();
    reserveFind(m_previous, nodes);
    m_view.shownModel()->reserve(nodes);
    filter();
}

void FindBar::close()
{
    if (!m_open)
        return;
    m_open = false;
    hide();
    for (QShortcut *shortcut : m_keys)
        shortcut->setEnabled(false);
    m_result = {};
    m_previous = {};
    m_foldedNeedle.clear();
    m_needle.clear();
    m_foldedTexts.clear();
    m_view.shownModel()->showAll();
    const QModelIndex selected = m_view.indexOf(m_tree.selected());
    if (selected.isValid())
        m_view.scrollTo(selected);
    m_view.setFocus();
}

bool FindBar::isFiltering() const
{
    return m_open && !m_text->text().isEmpty();
}

bool FindBar::isMatch(const MenuNode *node) const
{
    // Asked only for the rows painted: no set of every match is kept.
    return isFiltering() && node && m_foldedTexts.holds(*node, m_foldedNeedle);
}

QString FindBar::countText() const
{
    return m_count->text();
}

void FindBar::scheduleFilter()
{
    if (!m_open || m_filterPending)
        return;
    m_filterPending = true;
    QTimer::singleShot(0, this, &FindBar::filter);
}

void FindBar::filter()
{
    m_filterPending = false;
    if (!isFiltering()) {
        // Emptied, its room kept for the next text.
        m_result.matches.clear();
        m_result.shown.clear();
        m_foldedNeedle.clear();
        m_needle.clear();
        m_view.shownModel()->showAll();
        m_count->clear();
        return;
    }
    const QString needle = m_text->text();
    m_foldedNeedle = FoldedMenuTexts::foldNeedle(needle);
    const NodeMatch holdsNeedle = [this](const MenuNode &node) {
        return m_foldedTexts.holds(node, m_foldedNeedle);
    };
    // A text typed on (or the same text again) has no match the shorter text had not: only
    // those are looked at, as long as the tree is the same and the entry kept in view was
    // shown already. The view's rows are replaced in one piece.
    const MenuNode *keep = m_tree.selected();
    const bool narrowing = !m_treeChanged && !m_needle.isEmpty()
        && needle.contains(m_needle, Qt::CaseInsensitive)
        && (!keep || m_result.shown.count(keep) > 0);
    m_treeChanged = false;
    m_needle = needle;
    // The last result becomes the previous one; the new one fills the room of the one before.
    std::swap(m_result, m_previous);
    if (narrowing)
        narrowFind(m_previous, holdsNeedle, keep, m_result);
    else
        findInMenu(m_tree, holdsNeedle, keep, m_result);
    m_view.shownModel()->showOnly(m_result.shown.inMenuOrder());
    m_count->setText(
        tr("%1 of %2").arg(matchNumber(m_result, m_tree.selected())).arg(m_result.matches.size()));
    m_view.viewport()->update();
}

void FindBar::findNext(bool backwards)
{
    if (!isFiltering())
        return;
    MenuNode *next = nextMatch(m_tree, m_result, m_tree.selected(), backwards);
    if (!next)
        return;
    m_tree.setSelected(next);
    m_editor.showSelectedEntry();
    filter();
}

} // namespace torvex
