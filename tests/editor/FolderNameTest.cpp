#include "editor/FolderName.h"

#include <gtest/gtest.h>
#include <string>

namespace torvex {
namespace {

TEST(FolderName, IsTheTextAfterTheLastBackslash)
{
    EXPECT_EQ(currentFolderName("C:\\Program Files\\Tools"), "Tools");
    EXPECT_EQ(currentFolderName("C:\\Data"), "Data");
    EXPECT_EQ(currentFolderName("C:\\"), "");
    EXPECT_EQ(currentFolderName("C:\\Data\\"), "");
    EXPECT_EQ(currentFolderName("no backslash"), "");
    EXPECT_EQ(currentFolderName(""), "");
}

TEST(FolderName, IsCutTo200CharactersKeepingUtf8Whole)
{
    const std::string longName(250, 'x');
    EXPECT_EQ(currentFolderName("C:\\" + longName), std::string(200, 'x'));

    std::string accented;
    for (int i = 0; i < 201; ++i)
        accented += "\xC3\xA6"; // æ
    const std::string name = currentFolderName("D:\\" + accented);
    EXPECT_EQ(name.size(), 400u);
    EXPECT_EQ(name, accented.substr(0, 400));
}

TEST(FolderName, HintAndCommand)
{
    EXPECT_EQ(
        folderNameHint("C:\\Program Files\\Tools").english(), " Title = folder name (Tools) ");
    EXPECT_EQ(folderNameHint("C:\\").english(), " Title = folder name () ");
    EXPECT_EQ(changeFolderCommand("D:\\Work\\Data"), "cd D:\\Work\\Data");
}

} // namespace
} // namespace torvex
