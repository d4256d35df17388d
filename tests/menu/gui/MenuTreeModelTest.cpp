#include "menu/gui/MenuTreeModel.h"

#include "support/TreeBuilder.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::buildTree;
using test::find;

QList<QPixmap> fourPictures()
{
    QList<QPixmap> images;
    for (int i = 0; i < 4; ++i) {
        QPixmap pm(36, 13);
        pm.fill(QColor::fromHsv(i * 60, 200, 200));
        images.append(pm);
    }
    return images;
}

class MenuTreeModelTest : public testing::Test
{
protected:
    MenuTree tree;
    MenuTreeModel model { tree };
    // Checks the model's consistency after every signal; a failure aborts the test.
    QAbstractItemModelTester tester { &model,
        QAbstractItemModelTester::FailureReportingMode::Fatal };

    QString titleAt(const QModelIndex &index) const { return model.data(index).toString(); }
};

TEST_F(MenuTreeModelTest, ShowsTheTreeShapeAndTitles)
{
    buildTree(tree, "Home|cd C:\\\nProjects\n  Web|cd D:\\web\n  -\nLast\n");
    ASSERT_EQ(model.rowCount(), 3);
    const QModelIndex projects = model.index(1, 0);
    EXPECT_EQ(titleAt(projects), QStringLiteral("Projects"));
    EXPECT_EQ(model.rowCount(projects), 2);
    EXPECT_EQ(titleAt(model.index(1, 0, projects)), QStringLiteral("-"));
    EXPECT_EQ(model.parent(model.index(0, 0, projects)), projects);
    EXPECT_EQ(model.node(model.index(0, 0, projects)), find(tree, "Web"));
    EXPECT_EQ(model.indexOf(find(tree, "Web")), model.index(0, 0, projects));
    EXPECT_FALSE(model.indexOf(nullptr).isValid());
    EXPECT_FALSE(model.flags(projects).testFlag(Qt::ItemIsEditable));
}

TEST_F(MenuTreeModelTest, AnnouncesInsertsRemovalsAndMoves)
{
    buildTree(tree, "A\nB\n  B1\n  B2\nC\n");
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);

    tree.addNode(find(tree, "B1"), AttachMode::Insert, "B0");
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(0).value<QModelIndex>(), model.indexOf(find(tree, "B")));
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 0);

    tree.move(find(tree, "C"), find(tree, "B"), AttachMode::AddChildFirst);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(model.rowCount(model.indexOf(find(tree, "B"))), 4);
    EXPECT_EQ(model.rowCount(), 2);

    tree.remove(find(tree, "B"));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(MenuTreeModelTest, AMoveOntoItsOwnPlaceIsQuiet)
{
    buildTree(tree, "A\nB\nC\n");
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    EXPECT_TRUE(tree.move(find(tree, "B"), find(tree, "B"), AttachMode::Insert));
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(titleAt(model.index(1, 0)), QStringLiteral("B"));
    // A real move afterwards is still announced and bracketed.
    tree.move(find(tree, "A"), find(tree, "C"), AttachMode::Add);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(titleAt(model.index(2, 0)), QStringLiteral("A"));
}

TEST_F(MenuTreeModelTest, ClearResetsTheModel)
{
    buildTree(tree, "A\n  A1\nB\n");
    tree.setSelected(find(tree, "A1"));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy selected(&model, &MenuTreeModel::selectedNodeChanged);
    tree.clear();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 0);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_FALSE(selected.at(0).at(0).value<QModelIndex>().isValid());
}

TEST_F(MenuTreeModelTest, ChangesOfTitleAndPicturesRefreshTheRow)
{
    buildTree(tree, "A\nB\n");
    model.setImages(fourPictures());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    tree.setTitle(find(tree, "B"), "Bee");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>(), model.index(1, 0));
    EXPECT_EQ(titleAt(model.index(1, 0)), QStringLiteral("Bee"));
}

TEST_F(MenuTreeModelTest, TheSelectedNodeShowsItsSelectedPicture)
{
    const QList<QPixmap> images = fourPictures();
    model.setImages(images);
    buildTree(tree, "A\nB\n  B1\n");
    auto pictureOf = [&](const char *title) {
        return model.data(model.indexOf(find(tree, title)), Qt::DecorationRole)
            .value<QPixmap>()
            .toImage();
    };
    EXPECT_EQ(pictureOf("A"), images[ImageItem].toImage());
    EXPECT_EQ(pictureOf("B"), images[ImageSubmenu].toImage());

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    tree.setSelected(find(tree, "B"));
    EXPECT_EQ(pictureOf("B"), images[ImageSubmenuSelected].toImage());
    tree.setSelected(find(tree, "A"));
    EXPECT_EQ(pictureOf("A"), images[ImageItemSelected].toImage());
    EXPECT_EQ(pictureOf("B"), images[ImageSubmenu].toImage());
    // Both the old and the new selected rows were repainted each time.
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(MenuTreeModelTest, RemovingTheSelectedSubtreeForgetsItsPicture)
{
    model.setImages(fourPictures());
    buildTree(tree, "A\nB\n  B1\n");
    tree.setSelected(find(tree, "B1"));
    tree.remove(find(tree, "B"));
    // The selection moved to A before B went; selecting again must not touch B1.
    tree.setSelected(nullptr);
    tree.setSelected(find(tree, "A"));
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(MenuTreeModelTest, ForwardsExpansionAndBatchBrackets)
{
    buildTree(tree, "A\nB\n");
    QSignalSpy expand(&model, &MenuTreeModel::expandRequested);
    QSignalSpy begun(&model, &MenuTreeModel::updateBegun);
    QSignalSpy ended(&model, &MenuTreeModel::updateEnded);
    tree.beginUpdate();
    tree.move(find(tree, "B"), find(tree, "A"), AttachMode::AddChild);
    tree.endUpdate();
    EXPECT_EQ(begun.count(), 1);
    EXPECT_EQ(ended.count(), 1);
    ASSERT_GE(expand.count(), 1);
    EXPECT_EQ(expand.at(0).at(0).value<QModelIndex>(), model.indexOf(find(tree, "A")));
    EXPECT_TRUE(expand.at(0).at(1).toBool());
}

TEST(MenuTreeModelLifetime, DetachesFromTheTreeWhenDestroyed)
{
    MenuTree tree;
    {
        MenuTreeModel model(tree);
    }
    // With the observer gone, changes reach no destroyed model.
    tree.addTopLevel("A");
    tree.clear();
    EXPECT_TRUE(tree.isEmpty());
}

} // namespace
} // namespace torvex
