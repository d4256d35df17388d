#include "app/gui/files/ChangesWindow.h"

#include "core/gui/ShownText.h"
#include "menu/MenuTree.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace torvex {

namespace {

// The grounds of what changed: light tints under a light palette, dark ones under a dark
// palette, so that the palette's text reads on them either way.
struct ChangeColours
{
    QColor removed, added, hunk, changed, moved;

    QColor of(DifferingEntry::Kind kind) const
    {
        switch (kind) {
        case DifferingEntry::Kind::Added:
            return added;
        case DifferingEntry::Kind::Removed:
            return removed;
        case DifferingEntry::Kind::Changed:
            return changed;
        case DifferingEntry::Kind::Moved:
            return moved;
        }
        return {};
    }
};

ChangeColours changeColours(const QPalette &palette)
{
    if (palette.color(QPalette::Base).lightness() >= 128)
        return { QColor(255, 220, 220),
            QColor(215, 245, 215),
            QColor(230, 230, 240),
            QColor(250, 240, 200),
            QColor(215, 230, 250) };
    return { QColor(96, 40, 40),
        QColor(36, 80, 40),
        QColor(52, 52, 72),
        QColor(88, 76, 28),
        QColor(36, 56, 92) };
}

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

ChangesWindow *ChangesWindow::showChanges(QWidget *parent,
    const std::string &path,
    const MenuTree &tree,
    FileSystem &fs,
    const LoadedFile &loaded)
{
    auto *window = parent ? parent->findChild<ChangesWindow *>(
                       QStringLiteral("ChangesWindow"), Qt::FindDirectChildrenOnly)
                          : nullptr;
    if (!window)
        window = new ChangesWindow(parent);
    // The tree, the file system and what is known of the file live as long as the window
    // that owns both this window and them.
    window->m_compareAgain = [window, path, &tree, &fs, &loaded](bool keyLines) {
        if (path.empty())
            window->showNoFile();
        else if (keyLines)
            window->showComparison(
                path, compareDirMenus(dirMenuLinesOnDisk(path, fs), dirMenuLinesToSave(tree)));
        else
            window->showEntryChanges(path, compareWithDisk(path, tree, fs, loaded));
    };
    window->refresh();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void ChangesWindow::showChangesUntilClosed(QWidget *parent,
    const std::string &path,
    const MenuTree &tree,
    FileSystem &fs,
    const LoadedFile &loaded)
{
    ChangesWindow *window = showChanges(parent, path, tree, fs, loaded);
    // A window opened while a message box is modal gets no input unless it is modal too;
    // the modality only changes while the window is hidden.
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop waiting;
    connect(window, &ChangesWindow::closed, &waiting, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    waiting.exec();
    window->setWindowModality(Qt::NonModal);
}

void ChangesWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc closes the window, as it closes a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChangesWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

ChangesWindow::ChangesWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ChangesWindow"));
    setWindowTitle(tr("Show changes"));
    resize(640, 420);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("ChangesSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_keyLines = new QCheckBox(tr("&Key lines"), this);
    m_keyLines->setObjectName(QStringLiteral("ChangesKeyLines"));
    m_keyLines->setToolTip(tr("Show the numbered lines of the file instead of the entries"));
    m_sideBySide = new QCheckBox(tr("&Side by side"), this);
    m_sideBySide->setObjectName(QStringLiteral("ChangesSideBySide"));
    m_sideBySide->setEnabled(false);

    m_entries = new QListWidget(this);
    m_entries->setObjectName(QStringLiteral("ChangesEntries"));
    m_entries->setUniformItemSizes(true);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_unified = new QTextEdit(this);
    m_unified->setObjectName(QStringLiteral("ChangesUnified"));
    m_unified->setReadOnly(true);
    m_unified->setLineWrapMode(QTextEdit::NoWrap);
    m_unified->setFont(fixed);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("ChangesTable"));
    m_table->setHorizontalHeaderLabels({ tr("On disk"), tr("To be saved") });
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(fixed).height() + 4);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setFont(fixed);
    m_views = new QStackedWidget(this);
    m_views->addWidget(m_entries);
    m_views->addWidget(m_unified);
    m_views->addWidget(m_table);

    auto *refreshButton = new QPushButton(tr("&Refresh"), this);
    refreshButton->setObjectName(QStringLiteral("ChangesRefresh"));
    connect(refreshButton, &QPushButton::clicked, this, &ChangesWindow::refresh);
    auto *refreshKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(refreshKey, &QShortcut::activated, this, &ChangesWindow::refresh);

    auto *top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_keyLines);
    top->addWidget(m_sideBySide);
    top->addWidget(refreshButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_views, 1);

    connect(m_keyLines, &QCheckBox::toggled, this, &ChangesWindow::keyLinesToggled);
    connect(m_sideBySide, &QCheckBox::toggled, this, &ChangesWindow::showChosenView);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void ChangesWindow::refresh()
{
    if (m_compareAgain)
        m_compareAgain(m_keyLines->isChecked());
}

void ChangesWindow::keyLinesToggled()
{
    // Lines and entries anew together, so that both show the same moment.
    if (m_keyLines->isChecked() && !m_keyLinesCompared)
        refresh();
    showChosenView();
}

QStringList ChangesWindow::changedLines()
{
    if (!m_keyLinesCompared && m_compareAgain)
        m_compareAgain(true);
    return m_changedLines;
}

QString ChangesWindow::summary() const
{
    return m_summary->text();
}

void ChangesWindow::showChosenView()
{
    m_sideBySide->setEnabled(m_keyLines->isChecked());
    if (!m_keyLines->isChecked())
        m_views->setCurrentWidget(m_entries);
    else if (m_sideBySide->isChecked())
        m_views->setCurrentWidget(m_table);
    else
        m_views->setCurrentWidget(m_unified);
}

QStringList ChangesWindow::entryLines() const
{
    QStringList lines;
    for (int row = 0; row < m_entries->count(); ++row)
        lines.append(m_entries->item(row)->text());
    return lines;
}

bool ChangesWindow::showsKeyLines() const
{
    return m_keyLines->isChecked();
}

void ChangesWindow::setShowsKeyLines(bool keyLines)
{
    m_keyLines->setChecked(keyLines);
}

bool ChangesWindow::isSideBySide() const
{
    return m_sideBySide->isChecked();
}

void ChangesWindow::setSideBySide(bool sideBySide)
{
    m_sideBySide->setChecked(sideBySide);
}

void ChangesWindow::showNoFile()
{
    setWindowTitle(tr("Show changes"));
    m_summary->setText(tr("No menu file is open."));
    m_entries->clear();
    m_unified->clear();
    m_table->setRowCount(0);
    m_changedLines.clear();
    m_keyLinesCompared = true;
}

void ChangesWindow::showSummary(const std::string &path, const LocalText &summary)
{
    setWindowTitle(tr("Show changes - %1").arg(fromUtf8(path)));
    m_summary->setText(shownText(summary));
}

void ChangesWindow::showComparison(const std::string &path, const MenuComparison &comparison)
{
    showSummary(path,
        comparison.isSame() ? LocalText(menuComparisonContext, sameMenuText)
                            : entryChangesText(comparison.entries));
    m_changedLines.clear();
    fillEntries(comparison.differingEntries);
    fillUnified(comparison);
    fillSideBySide(comparison);
    m_keyLinesCompared = true;
}

void ChangesWindow::showEntryChanges(const std::string &path, const ChangesOnDisk &changes)
{
    showSummary(path,
        changes.sameLines ? LocalText(menuComparisonContext, sameMenuText)
                          : entryChangesText(changes.entries.counts));
    fillEntries(changes.entries.differing);
    m_changedLines.clear();
    m_unified->clear();
    m_table->setRowCount(0);
    m_keyLinesCompared = false;
}

void ChangesWindow::fillEntries(const std::vector<DifferingEntry> &differing)
{
    m_entries->clear();
    const ChangeColours colours = changeColours(m_entries->palette());
    for (const DifferingEntry &entry : differing) {
        auto *item = new QListWidgetItem(shownText(differingEntryLine(entry)));
        item->setBackground(colours.of(entry.kind));
        m_entries->addItem(item);
    }
}

void ChangesWindow::fillUnified(const MenuComparison &comparison)
{
    m_unified->clear();
    const ChangeColours colours = changeColours(m_unified->palette());
    QTextCursor cursor(m_unified->document());
    bool first = true;
    const auto addLine = [&](const QString &text, const QColor &background) {
        if (!first)
            cursor.insertBlock();
        first = false;
        QTextBlockFormat format;
        if (background.isValid())
            format.setBackground(background);
        cursor.setBlockFormat(format);
        cursor.insertText(text);
    };
    for (const DiffHunk &hunk : diffHunks(comparison.script)) {
        addLine(fromUtf8(hunkHeader(comparison.script, hunk)), colours.hunk);
        for (std::size_t e = hunk.first; e < hunk.last; ++e) {
            const LineEdit &edit = comparison.script[e];
            if (edit.kind == LineEdit::Kind::Same) {
                addLine(QLatin1Char(' ') + fromUtf8(comparison.before[edit.before]), {});
                continue;
            }
            const bool removed = edit.kind == LineEdit::Kind::Removed;
            const QString line = removed
                ? QLatin1Char('-') + fromUtf8(comparison.before[edit.before])
                : QLatin1Char('+') + fromUtf8(comparison.after[edit.after]);
            m_changedLines.append(line);
            addLine(line, removed ? colours.removed : colours.added);
        }
    }
    m_unified->moveCursor(QTextCursor::Start);
}

void ChangesWindow::fillSideBySide(const MenuComparison &comparison)
{
    m_table->setRowCount(0);
    const ChangeColours colours = changeColours(m_table->palette());
    const auto addRow = [this](const QString &left,
                            const QColor &leftColour,
                            const QString &right,
                            const QColor &rightColour) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        const QString texts[] = { left, right };
        const QColor grounds[] = { leftColour, rightColour };
        for (int column = 0; column < 2; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            if (grounds[column].isValid())
                item->setBackground(grounds[column]);
            m_table->setItem(row, column, item);
        }
    };
    const std::vector<LineEdit> &script = comparison.script;
    for (const DiffHunk &hunk : diffHunks(script)) {
        addRow(fromUtf8(hunkHeader(script, hunk)), colours.hunk, {}, colours.hunk);
        m_table->setSpan(m_table->rowCount() - 1, 0, 1, 2);
        std::size_t e = hunk.first;
        while (e < hunk.last) {
            if (script[e].kind == LineEdit::Kind::Same) {
                const QString text = fromUtf8(comparison.before[script[e].before]);
                addRow(text, {}, text, {});
                ++e;
                continue;
            }
            // A run of changes: its removed lines face its added ones, row by row.
            QStringList removed;
            QStringList added;
            for (; e < hunk.last && script[e].kind != LineEdit::Kind::Same; ++e) {
                if (script[e].kind == LineEdit::Kind::Removed)
                    removed.append(fromUtf8(comparison.before[script[e].before]));
                else
                    added.append(fromUtf8(comparison.after[script[e].after]));
            }
            for (qsizetype row = 0; row < std::max(removed.size(), added.size()); ++row) {
                const bool hasLeft = row < removed.size();
                const bool hasRight = row < added.size();
                addRow(hasLeft ? removed[row] : QString(),
                    hasLeft ? colours.removed : QColor(),
                    hasRight ? added[row] : QString(),
                    hasRight ? colours.added : QColor());
            }
        }
    }
}

} // namespace torvex
