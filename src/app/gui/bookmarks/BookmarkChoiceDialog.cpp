#include "app/gui/bookmarks/BookmarkChoiceDialog.h"

#include "menu/gui/MenuText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvex {

BookmarkChoiceDialog::BookmarkChoiceDialog(const std::string &caption,
    const std::string &intro,
    const std::vector<BookmarkLine> &lines,
    QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("bookmarkChoiceDialog"));
    setWindowTitle(menuTextToQt(caption));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(menuTextToQt(intro), this);
    label->setWordWrap(true);
    layout->addWidget(label);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("bookmarkList"));
    label->setBuddy(m_list);
    for (const BookmarkLine &line : lines) {
        QString text = menuTextToQt(line.text);
        if (!line.note.empty())
            text += QStringLiteral("  (") + menuTextToQt(line.note) + QLatin1Char(')');
        auto *item = new QListWidgetItem(text, m_list);
        if (line.enabled) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(line.checked ? Qt::Checked : Qt::Unchecked);
        } else {
            item->setFlags(Qt::NoItemFlags);
            item->setCheckState(Qt::Unchecked);
        }
    }
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("bookmarkButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 360);
}

std::vector<std::size_t> BookmarkChoiceDialog::checkedLines() const
{
    std::vector<std::size_t> checked;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        if ((item->flags() & Qt::ItemIsEnabled) && item->checkState() == Qt::Checked)
            checked.push_back(static_cast<std::size_t>(row));
    }
    return checked;
}

std::optional<std::vector<std::size_t>> DialogBookmarkChooser::choose(
    const std::string &caption, const std::string &intro, const std::vector<BookmarkLine> &lines)
{
    BookmarkChoiceDialog dialog(caption, intro, lines, &m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.checkedLines();
}

} // namespace torvex
