#include "app/Session.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

IniCandidates candidates(std::array<std::string, 4> slots, int count)
{
    IniCandidates found;
    found.slots = std::move(slots);
    found.candidateCount = count;
    return found;
}

TEST(SessionTest, ChooserListsFilledSlotsInSlotOrder)
{
    Session session;
    EXPECT_TRUE(session.candidatePaths().empty());
    session.setCandidates(candidates({ "", "C:\\b.ini", "", "C:\\d.ini" }, 2));
    EXPECT_EQ(session.candidatePaths(), (std::vector<std::string> { "C:\\b.ini", "C:\\d.ini" }));
}

TEST(SessionTest, OnlyASingleCandidateIsLoadedWithoutAsking)
{
    Session session;
    EXPECT_EQ(session.onlyCandidate(), std::nullopt) << "nothing found";
    session.setCandidates(candidates({ "", "", "C:\\c.ini", "" }, 1));
    EXPECT_EQ(session.onlyCandidate(), "C:\\c.ini");
    session.setCandidates(candidates({ "C:\\a.ini", "", "C:\\c.ini", "" }, 2));
    EXPECT_EQ(session.onlyCandidate(), std::nullopt) << "two found: the user chooses";
}

TEST(SessionTest, StoredDropModeIndexesMapToModesAndOthersAreRefused)
{
    EXPECT_EQ(Session::dropModeFromIndex(0), AttachMode::Add);
    EXPECT_EQ(Session::dropModeFromIndex(3), AttachMode::AddChildFirst);
    EXPECT_EQ(Session::dropModeFromIndex(4), AttachMode::Insert);
    EXPECT_EQ(Session::dropModeFromIndex(-1), std::nullopt);
    EXPECT_EQ(Session::dropModeFromIndex(5), std::nullopt);
}

TEST(SessionTest, StartsLikeTheProgramAndTheLogSeesItsValues)
{
    Session session;
    EXPECT_EQ(session.dropMode(), AttachMode::AddChildFirst);
    EXPECT_TRUE(session.confirmDropOnCommand());
    EXPECT_FALSE(session.exitWithoutSaving());

    session.setAppTitle(Session::applicationTitle);
    session.setCandidates(candidates({ "C:\\a.ini", "", "", "Z:\\arg.ini" }, 2));
    session.setCurrentIniFile("Z:\\arg.ini");
    const LogContext context = session.logContext();
    EXPECT_EQ(context.appTitle, "Torvex v1.2");
    EXPECT_EQ(context.candidatePaths,
        (std::array<std::string, 5> { "", "C:\\a.ini", "", "", "Z:\\arg.ini" }));
    EXPECT_EQ(context.currentIniFile, "Z:\\arg.ini");
}

} // namespace
} // namespace torvex
