#include "app/gui/folders/DirListBox.h"

#include "app/FolderList.h"
#include "app/gui/tree/FolderDragData.h"
#include "app/gui/widgets/FocusFrame.h"
#include "app/gui/widgets/Pictures.h"
#include "core/gui/ShownText.h"
#include "controls/gui/DrivePanel.h"
#include "platform/WindowsView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cctype>

namespace torvex {

namespace {

// Indents each entry by its level, as a folder outline.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter,
        const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.adjust(DirListBox::indentOf(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        return QSize(size.width() + DirListBox::indentOf(index), 16);
    }
};

} // namespace

DirListBox::DirListBox(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("DirListBox"));
    setAccessibleName(tr("Folders"));
    setAccessibleDescription(
        tr("The folders of the drive; Enter opens the selected folder, F5 to F7 put the open "
           "folder into the selected entry, a drag onto the menu adds folders"));
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    setIconSize(QSize(16, 14));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    connect(this, &QListWidget::doubleClicked, this, &DirListBox::openRowAt);
}

int DirListBox::indentOf(const QModelIndex &index)
{
    return 10 * index.data(LevelRole).toInt();
}

void DirListBox::setWindowsView(std::shared_ptr<const WindowsView> view)
{
    // The folders last open on each drive were another prefix's.
    if (m_view && m_view != view)
        m_folderByDrive.clear();
    m_view = std::move(view);
}

void DirListBox::openRowAt(const QModelIndex &index)
{
    if (index.isValid())
        setDirectory(entryPath(index.row()));
}

void DirListBox::setDirectory(const std::string &folder)
{
    if (!m_view)
        return;
    const std::string found = existingFolder(*m_view, folder);
    if (found.empty())
        return;
    const bool isChange = found != m_directory;
    m_directory = found;
    m_folderByDrive[m_directory[0]] = m_directory;
    fill();
    if (isChange)
        Q_EMIT directoryChanged();
}

void DirListBox::setDrive(char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const auto known = m_folderByDrive.find(upper);
    setDirectory(known != m_folderByDrive.end() ? known->second : std::string(1, upper) + ":\\");
}

void DirListBox::refresh()
{
    if (!m_directory.empty())
        setDirectory(m_directory);
}

void DirListBox::fill()
{
    // The program's own pictures, sharp at any scale.
    const QIcon drive = driveIcon(DriveIcon::Fixed);
    const QIcon openIcon = folderIcon(true);
    const QIcon closedIcon = folderIcon(false);
    clear();
    m_openRow = -1;
    for (const FolderEntry &entry : folderEntries(*m_view, m_directory)) {
        auto *item = new QListWidgetItem(QString::fromStdString(entry.text), this);
        item->setData(PathRole, QString::fromStdString(entry.path));
        item->setData(LevelRole, entry.level);
        item->setData(Qt::AccessibleTextRole, shownText(spokenFolderName(entry)));
        item->setData(Qt::AccessibleDescriptionRole, QString::fromStdString(entry.path));
        const bool isOpenWay = entry.kind != FolderEntry::Kind::Subfolder;
        item->setIcon(entry.level == 0 ? drive : isOpenWay ? openIcon : closedIcon);
        if (entry.kind == FolderEntry::Kind::Open)
            m_openRow = count() - 1;
    }
    if (m_openRow >= 0)
        setCurrentRow(m_openRow);
}

std::string DirListBox::entryText(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->text().toStdString() : std::string();
}

std::string DirListBox::entryPath(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->data(PathRole).toString().toStdString() : std::string();
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openRowAt(currentIndex());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    QPainter painter(viewport());
    // Around the row as the delegate paints it, after the indent.
    const QModelIndex current = currentIndex();
    drawFocusFrame(*this, painter, visualRect(current).adjusted(indentOf(current), 0, 0, 0));
}

void DirListBox::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void DirListBox::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

void DirListBox::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    Q_EMIT mousePressed(event->position().toPoint());
}

QStringList DirListBox::mimeTypes() const
{
    return { FolderDragData::mimeType };
}

QMimeData *DirListBox::mimeData(const QList<QListWidgetItem *> &items) const
{
    // The items come in the order they were selected; the drop wants the list's order.
    std::vector<std::pair<int, const QListWidgetItem *>> ordered;
    for (const QListWidgetItem *entry : items)
        ordered.emplace_back(row(entry), entry);
    std::sort(ordered.begin(), ordered.end());
    std::vector<DirEntry> entries;
    for (const auto &[at, entry] : ordered)
        entries.push_back(
            { entry->text().toStdString(), entry->data(PathRole).toString().toStdString() });
    return FolderDragData::encode(entries);
}

void DirListBox::startDrag(Qt::DropActions)
{
    QListWidget::startDrag(Qt::CopyAction);
}

} // namespace torvex
