// The program's pictures are drawn at the scale of the screen: at a scale factor of 2 they
// have twice the pixels, not the pixels of scale 1 enlarged.

#include "app/gui/widgets/Pictures.h"

#include "controls/gui/DrivePanel.h"

#include <QImage>

#include <gtest/gtest.h>

namespace torvex {
namespace {

// How many pixels of the picture are not transparent.
int paintedPixels(const QPixmap &pm)
{
    const QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return painted;
}

// The scale-2 picture against the scale-1 picture enlarged: drawn anew, the edges differ.
void expectDrawnAtScale(const QIcon &icon, QSize size, const char *what)
{
    SCOPED_TRACE(what);
    ASSERT_FALSE(icon.isNull());
    const QPixmap one = icon.pixmap(size, 1.0);
    const QPixmap two = icon.pixmap(size, 2.0);
    EXPECT_EQ(one.size(), size);
    EXPECT_EQ(two.size(), size * 2);
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_GT(paintedPixels(one), size.width() * size.height() / 10);
    const QImage enlarged = one.toImage().scaled(size * 2).convertToFormat(QImage::Format_ARGB32);
    EXPECT_NE(enlarged, two.toImage().convertToFormat(QImage::Format_ARGB32));
}

TEST(PicturesTest, SpeedButtonFolderAndDrivePicturesAreDrawnAtEachScale)
{
    for (int p = int(Picture::Save); p <= int(Picture::FindEmptyCommands); ++p)
        expectDrawnAtScale(speedButtonIcon(Picture(p), Qt::black), QSize(24, 24), std::to_string(p).c_str());
    expectDrawnAtScale(folderIcon(true), QSize(16, 16), "open folder");
    expectDrawnAtScale(folderIcon(false), QSize(16, 16), "closed folder");
    for (DriveIcon d : { DriveIcon::Fixed, DriveIcon::Remote, DriveIcon::CDRom })
        expectDrawnAtScale(driveIcon(d), QSize(16, 16), "drive");
    expectDrawnAtScale(applicationIcon(), QSize(32, 32), "application");
}

TEST(PicturesTest, TreePicturesHaveThePixelsOfTheirScale)
{
    const QList<QPixmap> two = treeImages(2.0, Qt::black);
    ASSERT_EQ(two.size(), 4);
    for (const QPixmap &pm : two) {
        EXPECT_EQ(pm.size(), QSize(72, 26));
        EXPECT_EQ(pm.deviceIndependentSize(), QSizeF(36, 13));
        EXPECT_GT(paintedPixels(pm), 72 * 26 / 20);
    }
    // Item and submenu differ, and so do a picture and its selected form.
    EXPECT_NE(two[0].toImage(), two[1].toImage());
    EXPECT_NE(two[0].toImage(), two[2].toImage());
    EXPECT_EQ(treeImages(1.0, Qt::black).value(0).size(), QSize(36, 13));
}

} // namespace
} // namespace torvex
