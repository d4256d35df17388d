#include "app/gui/tree/MenuPreviewPopup.h"

#include "core/gui/ShownText.h"
#include "menu/MenuTree.h"
#include "menu/gui/MenuText.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace torvex {

void fillPreviewMenu(QMenu &menu,
    const std::vector<PreviewEntry> &entries,
    std::size_t leftOut,
    const std::function<void(const MenuNode *)> &chosen)
{
    for (const PreviewEntry &entry : entries) {
        switch (entry.kind) {
        case PreviewEntry::Kind::Separator:
            menu.addSeparator();
            break;
        case PreviewEntry::Kind::Submenu: {
            QMenu *submenu = menu.addMenu(menuTextToQt(entry.title));
            fillPreviewMenu(*submenu, entry.children, 0, chosen);
            break;
        }
        case PreviewEntry::Kind::Item: {
            QAction *action = menu.addAction(menuTextToQt(entry.title));
            const MenuNode *node = entry.node;
            QObject::connect(action, &QAction::triggered, &menu, [chosen, node] {
                chosen(node);
            });
            break;
        }
        }
    }
    if (leftOut > 0) {
        // Not a title: an "&" in the count's text must not mark a key.
        QAction *rest = menu.addAction(shownText(leftOutText(leftOut)));
        rest->setObjectName(QStringLiteral("previewLeftOut"));
        rest->setEnabled(false);
    }
}

MenuPreviewPopup::MenuPreviewPopup(QMenu &viewMenu, const MenuTree &tree, QWidget &window)
    : QObject(&window)
    , m_tree(tree)
    , m_window(window)
{
    QAction *preview = viewMenu.addAction(tr("Pre&view menu"));
    preview->setObjectName(QStringLiteral("viewPreviewMenu"));
    preview->setShortcut(QKeySequence(Qt::Key_F9));
    preview->setToolTip(tr("Shows the menu as the file manager will pop it up"));
    connect(preview, &QAction::triggered, this, [this] {
        popUp(QCursor::pos());
    });
}

void MenuPreviewPopup::popUp(const QPoint &at)
{
    if (m_menu)
        m_menu->deleteLater();
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("menuPreview"));
    m_menu->setAttribute(Qt::WA_DeleteOnClose, false);
    const MenuPreview preview = previewMenu(m_tree);
    const auto chosen = [this](const MenuNode *node) {
        // The tree may have changed while the preview was open (a reload from disk): only an
        // entry that is still in it is selected.
        MenuNode *found = nullptr;
        m_tree.forEach([&found, node](MenuNode *candidate) {
            if (candidate == node)
                found = candidate;
            return !found;
        });
        if (found)
            Q_EMIT entryChosen(found);
    };
    fillPreviewMenu(*m_menu, preview.entries, preview.leftOut, chosen);
    if (preview.entries.empty() && preview.leftOut == 0)
        m_menu->addAction(tr("The menu is empty"))->setEnabled(false);
    m_menu->popup(at);
}

} // namespace torvex
