#include "app/gui/editing/SortCommands.h"

#include "app/gui/editing/UndoHistory.h"
#include "menu/MenuTree.h"
#include "menu/gui/MenuText.h"

#include <QAction>
#include <QCollator>
#include <QMenu>

#include <memory>

namespace torvex {

TitleOrder localeTitleOrder()
{
    auto collator = std::make_shared<QCollator>();
    collator->setNumericMode(true);
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](std::string_view a, std::string_view b) {
        return collator->compare(menuTextToQt(a), menuTextToQt(b));
    };
}

SortCommands::SortCommands(
    QMenu &editMenu, QMenu &popup, UndoHistory &history, MenuTree &tree, QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_tree(tree)
    , m_order(localeTitleOrder())
{
    editMenu.addSeparator();
    m_sortLevel = editMenu.addAction(tr("Sort by &title"));
    m_sortLevel->setObjectName(QStringLiteral("mnuEditSortLevel"));
    m_sortLevel->setToolTip(tr("Sorts the entries beside the selected one"));
    connect(m_sortLevel, &QAction::triggered, this, &SortCommands::sortLevel);
    m_sortAll = editMenu.addAction(tr("Sort all &levels"));
    m_sortAll->setObjectName(QStringLiteral("mnuEditSortAll"));
    connect(m_sortAll, &QAction::triggered, this, &SortCommands::sortAll);
    m_submenusFirst = editMenu.addAction(tr("Sort su&bmenus first"));
    m_submenusFirst->setObjectName(QStringLiteral("mnuEditSortSubmenusFirst"));
    m_submenusFirst->setCheckable(true);
    m_submenusFirst->setChecked(true);

    const auto follow = [this] {
        const bool any = !m_tree.isEmpty();
        m_sortLevel->setEnabled(any);
        m_sortAll->setEnabled(any);
    };
    connect(&editMenu, &QMenu::aboutToShow, this, follow);

    // The popup shows its own entries for these only while the menu has entries.
    QAction *popupSeparator = popup.addSeparator();
    QAction *popupLevel = popup.addAction(m_sortLevel->text());
    popupLevel->setObjectName(QStringLiteral("mnuPopupSortLevel"));
    connect(popupLevel, &QAction::triggered, this, &SortCommands::sortLevel);
    QAction *popupAll = popup.addAction(m_sortAll->text());
    popupAll->setObjectName(QStringLiteral("mnuPopupSortAll"));
    connect(popupAll, &QAction::triggered, this, &SortCommands::sortAll);
    const auto showInPopup = [this, popupSeparator, popupLevel, popupAll] {
        const bool any = !m_tree.isEmpty();
        for (QAction *action : { popupSeparator, popupLevel, popupAll })
            action->setVisible(any);
    };
    showInPopup();
    connect(&popup, &QMenu::aboutToShow, this, showInPopup);
}

void SortCommands::sortLevel()
{
    MenuNode *selected = m_tree.selected();
    MenuNode *parent = selected ? selected->parent() : nullptr;
    sort(parent,
        false,
        parent ? LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Sort \"%1\""))
                     .arg(std::string(parent->title()))
               : LocalText(stepNameContext,
                   QT_TRANSLATE_NOOP("torvex::UndoHistory", "Sort the top level")));
}

void SortCommands::sortAll()
{
    sort(nullptr,
        true,
        LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Sort all levels")));
}

void SortCommands::sort(MenuNode *parent, bool allLevels, const LocalText &stepName)
{
    if (m_tree.isEmpty())
        return;
    const SortChoice choice { m_submenusFirst->isChecked(), allLevels };
    MenuNode *selected = m_tree.selected();
    m_history.record(stepName, [&] {
        sortMenuLevel(m_tree, parent, m_order, choice);
    });
    // The selected entry stays selected where it went.
    if (selected)
        m_tree.setSelected(selected);
}

} // namespace torvex
