// Texts for the window's language rendered in English: placeholders filled once, counts with
// English's singular, parts joined.

#include "core/LocalText.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

TEST(LocalText, EnglishFillsEachPlaceholderOnceInOrder)
{
    const LocalText text = LocalText("ctx", "Move %2 after %1 (100%)").arg("A %2").arg("B");
    // %2 inside the first value is the user's text, not a placeholder.
    EXPECT_EQ(text.english(), "Move B after A %2 (100%)");
    EXPECT_EQ(LocalText("ctx", "only %1 and %2").arg("one").english(), "only one and %2");
    EXPECT_EQ(LocalText::verbatim("C:\\%1\\x").english(), "C:\\%1\\x");
}

TEST(LocalText, CountsSayEnglishsSingularForOneOnly)
{
    for (const auto &[count, expected] : { std::pair { 0LL, " 0 items" },
             std::pair { 1LL, " 1 item" },
             std::pair { 2LL, " 2 items" },
             std::pair { 21LL, " 21 items" } })
        EXPECT_EQ(LocalText::counted("ctx", " %n items", " %n item", count).english(), expected);
    EXPECT_EQ(
        LocalText::counted("ctx", "%n of %1", "one of %1", 1).arg("them").english(), "one of them");
}

TEST(LocalText, JoinedTextsPutTheSeparatorBetweenParts)
{
    const LocalText text = LocalText::joined({ LocalText("ctx", "Not saved to %1.").arg("a.ini"),
                                                 LocalText::verbatim(""),
                                                 LocalText("ctx", "Close?") },
        "\r\n");
    EXPECT_EQ(text.english(), "Not saved to a.ini.\r\n\r\nClose?");
    EXPECT_EQ(LocalText::joined({}, "\r\n").english(), "");
}

// A marked text whose source came in a string of its own (a finding's reason) keeps that
// source after the string is gone, in every copy.
TEST(LocalText, AMarkedCopyKeepsItsSourceAfterTheStringChanges)
{
    LocalText copy;
    {
        std::string reason = "a comment";
        const LocalText text = LocalText::markedCopy("ctx", reason);
        reason.assign(40, 'x');
        copy = text;
    }
    EXPECT_FALSE(copy.isVerbatim());
    EXPECT_STREQ(copy.context(), "ctx");
    EXPECT_STREQ(copy.source(), "a comment");
    EXPECT_EQ(copy.english(), "a comment");
}

} // namespace
} // namespace torvex
