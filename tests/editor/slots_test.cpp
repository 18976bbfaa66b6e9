// The slot rules: first free slot, file-name match, the tab after a close, Save As names.
#include "editor/cwrenfold_slots.h"

#include <gtest/gtest.h>

using namespace wrenfold;

namespace {

Slots makeSlots(std::initializer_list<SlotInfo> used) {
    Slots s;
    std::size_t i = 0;
    for (const SlotInfo& info : used) s[i++] = info;
    return s;
}

}  // namespace

TEST(FirstFreeSlot, UntitledUnmodifiedSlotOneIsReused) {
    EXPECT_EQ(firstFreeSlot(makeSlots({{"", false, true}})), 0);
    EXPECT_EQ(firstFreeSlot(makeSlots({{"Untitled", false, true}})), 0);
}

TEST(FirstFreeSlot, ModifiedOrNamedSlotOneSendsTheFileToTheFirstEmptySlot) {
    EXPECT_EQ(firstFreeSlot(makeSlots({{"", true, true}})), 1);
    EXPECT_EQ(firstFreeSlot(makeSlots({{"/w/a.html", false, true}})), 1);
    // A gap left by a close is filled before the slots behind it.
    EXPECT_EQ(firstFreeSlot(makeSlots({{"/w/a.html", false, true},
                                       {"", false, false},
                                       {"/w/c.html", false, true}})),
              1);
    // "Untitled" counts only as the whole path.
    EXPECT_EQ(firstFreeSlot(makeSlots({{"/w/Untitled", false, true}})), 1);
}

TEST(FirstFreeSlot, NoneWhenAllNineHoldFiles) {
    Slots s;
    for (std::size_t n = 0; n < s.size(); ++n) s[n] = {"/w/" + std::to_string(n) + ".html", false, true};
    EXPECT_EQ(firstFreeSlot(s), std::nullopt);
}

TEST(SlotWithFileName, MatchesTheFileNameOnlyWithRegardToCase) {
    const Slots s = makeSlots({{"/a/index.html", false, true}, {"C:\\web\\page.htm", false, true}});
    EXPECT_EQ(slotWithFileName(s, "/b/index.html"), 0);
    EXPECT_EQ(slotWithFileName(s, "/a/Index.html"), std::nullopt);
    EXPECT_EQ(slotWithFileName(s, "D:\\other\\page.htm"), 1);
    EXPECT_EQ(slotWithFileName(s, "/a/other.html"), std::nullopt);
}

TEST(SlotWithFileName, APathWithoutFileNameNeverMatchesAnUnusedSlot) {
    const Slots s = makeSlots({{"/a/index.html", false, true}});
    EXPECT_EQ(slotWithFileName(s, "/a/"), std::nullopt);
    EXPECT_EQ(slotWithFileName(s, ""), std::nullopt);
}

TEST(TabAfterClose, TheTabThatTakesTheClosedTabsPlace) {
    struct Case {
        std::array<bool, kSlotCount> shown;  // after the close
        int closed;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {{true, false, true}, 1, 2},                       // middle: the one to its right
        {{true, true, false}, 2, 1},                       // rightmost: the new rightmost
        {{false, false, false, true, false, true}, 0, 3},  // gaps are skipped
        {{}, 0, std::nullopt},                             // the last one
    };
    for (const Case& c : cases) {
        Slots s;
        for (std::size_t n = 0; n < s.size(); ++n) s[n].shown = c.shown[n];
        EXPECT_EQ(tabAfterClose(s, c.closed), c.expected) << "closed " << c.closed;
    }
}

TEST(SaveRules, SaveAsksForANameWhenThereIsNone) {
    EXPECT_TRUE(needsNameOnSave(""));
    EXPECT_TRUE(needsNameOnSave("/w/Untitled"));
    EXPECT_TRUE(needsNameOnSave("Untitled"));
    EXPECT_FALSE(needsNameOnSave("/w/untitled"));
    EXPECT_FALSE(needsNameOnSave("/w/Untitled.html"));
}

TEST(SaveRules, SaveAsAppendsTheFiltersExtensionOnlyWhenTheNameHasNone) {
    struct Case {
        const char* chosen;
        int filter;
        const char* written;
    };
    const Case cases[] = {
        {"/w/page", 0, "/w/page.html"},   {"/w/page", 1, "/w/page.htm"},
        {"/w/page", 2, "/w/page.txt"},    {"/w/page.txt", 0, "/w/page.txt"},
        {"/w/page.", 1, "/w/page."},      {"/w.d/page", 0, "/w.d/page.html"},
        {"C:\\w.d\\page", 1, "C:\\w.d\\page.htm"},
    };
    for (const Case& c : cases) EXPECT_EQ(saveAsName(c.chosen, c.filter), c.written) << c.chosen;
}

TEST(SlotTexts, QuestionsAndNotices) {
    EXPECT_EQ(displayName(""), "Untitled");
    EXPECT_EQ(displayName("/w/a.html"), "a.html");
    EXPECT_EQ(saveQuestion("Untitled"), "Untitled has been changed, Save?");
    EXPECT_EQ(overwriteQuestion("a.html"), "a.html already exists, Overwrite?");
    EXPECT_EQ(alreadyOpenMessage("index.html"), "A file named \"index.html\" is already open.");
    EXPECT_EQ(noFreeSlotMessage(), "Sorry, Only 9 files open at a time.");
}
