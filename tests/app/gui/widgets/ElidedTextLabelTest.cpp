#include "app/gui/widgets/ElidedTextLabel.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <gtest/gtest.h>

namespace torvex {
namespace {

const QString guidance = QStringLiteral(
    "Drag and drop folders from the directory list (to add submenus). Hold down the Ctrl key "
    "to drop a folder's name and path onto an existing menu. Drag and drop single menu items.");

// The guidance as the main window shows it under the edits: 40 px high, a small font.
struct GuidanceLabel
{
    explicit GuidanceLabel(int width)
    {
        QFont small = label.font();
        small.setPixelSize(11);
        label.setFont(small);
        label.setText(guidance);
        label.resize(width, 40);
    }
    ElidedTextLabel label;
};

TEST(ElidedTextLabelTest, TextThatFitsIsShownWholeWithoutTooltip)
{
    GuidanceLabel wide(421); // the main window at its design size
    EXPECT_FALSE(wide.label.isElided());
    EXPECT_EQ(wide.label.visibleLines().join(QLatin1Char(' ')), guidance);
    EXPECT_EQ(wide.label.text(), guidance);
}

TEST(ElidedTextLabelTest, TextTooLongForTheHeightEndsInAnEllipsisAndShowsWholeOnHover)
{
    GuidanceLabel narrow(224); // the main window at its default size
    narrow.label.show();
    ASSERT_TRUE(narrow.label.isElided());
    const QStringList lines = narrow.label.visibleLines();
    const int lineSpacing = QFontMetrics(narrow.label.font()).lineSpacing();
    EXPECT_LE(lines.size() * lineSpacing, 40);
    EXPECT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.last().endsWith(QChar(0x2026))) << lines.last().toStdString();
    EXPECT_EQ(narrow.label.text(), guidance);

    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), narrow.label.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&narrow.label, &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Drag and drop single menu items.")))
        << QToolTip::text().toStdString();
    QToolTip::hideText();
}

} // namespace
} // namespace torvex
