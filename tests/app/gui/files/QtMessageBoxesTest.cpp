// The window's message boxes: which button Enter and Escape press, and the core's texts in
// the user's language.

#include "app/gui/files/QtMessageBoxes.h"

#include "app/FileCommands.h"
#include "app/gui/application/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <gtest/gtest.h>

namespace torvex {
namespace {

// Once the box is up, checks it and presses `key` in it.
void pressInBox(Qt::Key key, const std::function<void(QMessageBox &)> &check = {})
{
    QTimer::singleShot(0, [key, check] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (check)
            check(*box);
        QTest::keyClick(box, key);
    });
}

TEST(QtMessageBoxes, EnterPressesTheDefaultOfAQuestion)
{
    QtMessageBoxes boxes(nullptr);
    pressInBox(Qt::Key_Return, [](QMessageBox &box) {
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
    });
    EXPECT_EQ(boxes.askWithDefault(
                  "Close anyway?", "Not saved", MsgIcon::Warning, MsgButtons::YesNo, MsgResult::No),
        MsgResult::No);
}

TEST(QtMessageBoxes, AChoiceShowsItsButtonsAndAnswersWithTheirIndex)
{
    QtMessageBoxes boxes(nullptr);
    MsgChoice choice;
    choice.text =
        LocalText::verbatim("The file holds 1 entry that is not shown; saving will remove it.");
    choice.caption = LocalText::verbatim("Lines not shown");
    choice.buttons = { LocalText::verbatim("Save and remove them"), LocalText::verbatim("Cancel") };
    choice.defaultButton = 1;
    choice.escapeButton = 1;

    pressInBox(Qt::Key_Return, [](QMessageBox &box) {
        ASSERT_EQ(box.buttons().size(), 2);
        EXPECT_EQ(box.defaultButton()->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Lines not shown"));
    });
    EXPECT_EQ(boxes.choose(choice), 1u);

    pressInBox(Qt::Key_Escape);
    EXPECT_EQ(boxes.choose(choice), 1u);

    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto *first = box->findChild<QPushButton *>(QStringLiteral("choiceButton0"));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->text(), QStringLiteral("Save and remove them"));
        first->click();
    });
    EXPECT_EQ(boxes.choose(choice), 0u);
}

TEST(QtMessageBoxes, TheCoresTextsShowInTheUsersLanguage)
{
    ASSERT_EQ(installTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de"))),
        QStringLiteral("de"));
    QtMessageBoxes boxes(nullptr);
    pressInBox(Qt::Key_Return, [](QMessageBox &box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Nicht gespeichert"));
        EXPECT_EQ(box.text(),
            QStringLiteral("Das Menü wurde nicht in C:\\wincmd.ini gespeichert.\n\n"
                           "Trotzdem schließen?"));
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
    });
    EXPECT_EQ(boxes.ask(closeAnywayText("C:\\wincmd.ini", false),
                  fileCommandText(notSavedCaption),
                  MsgIcon::Warning,
                  MsgButtons::YesNo,
                  MsgResult::No),
        MsgResult::No);
    for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>())
        delete t;
}

} // namespace
} // namespace torvex
