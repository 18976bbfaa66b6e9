// File masks: wildcards without regard to case, several masks, the three-letter extension rule.
#include "platform/Wildcard.h"

#include <gtest/gtest.h>

using namespace wf;

struct MaskCase {
    const char* name;
    const char* masks;
    bool matches;
};

TEST(Wildcard, MasksMatchLikeThePlatformsFileLists) {
    const MaskCase cases[] = {
        {"index.html", "*.*", true},
        {"README", "*.*", true},          // no extension at all
        {".profile", "*.*", true},
        {"a.b.c", "*.*", true},
        {"index.htm", "*.htm", true},
        {"index.html", "*.htm", true},    // three-letter extension reaches longer ones
        {"INDEX.HTML", "*.htm", true},
        {"index.HTM", "*.htm", true},
        {"index.shtml", "*.htm", false},
        {"index.ht", "*.htm", false},
        {"index.htm.bak", "*.htm", false},
        {"index.html", "*.html", true},
        {"index.htm", "*.html", false},
        {"script.js", "*.js", true},
        {"script.json", "*.js", false},   // the rule is for three-letter extensions only
        {"Unit1.pas", "*.pas;*.dpr", true},
        {"Project1.DPR", "*.pas;*.dpr", true},
        {"Project1.dproj", "*.pas;*.dpr", true},
        {"Unit1.dcu", "*.pas;*.dpr", false},
        {"a.jpg", "*.jpg; *.gif ;*.png", true},
        {"a.gif", "*.jpg; *.gif ;*.png", true},
        {"a.png", "*.jpg;;*.gif;*.png;", true},
        {"a.bmp", "*.jpg;*.gif;*.png", false},
        {"photo.jpeg", "*.jpg", false},
        {"abc.txt", "a?c.txt", true},
        {"ac.txt", "a?c.txt", false},
        {"aXbXc", "a*b*c", true},
        {"aXbX", "a*b*c", false},
        {"page1.html", "page?.htm", true},
        {"x", "", false},
        {"x", ";", false},
        {"notes", "notes.*", true},
        {"notes.txt", "notes.*", true},
        {"notes2", "notes.*", false},
        {"caf\xE9.txt", "CAF\xE9.TXT", true},
    };
    for (const MaskCase& c : cases)
        EXPECT_EQ(matchesMask(c.name, c.masks), c.matches) << c.name << " vs " << c.masks;
}

TEST(Wildcard, LongNamesWithManyStarsStayLinear) {
    // A pattern that would make a naive recursive matcher take exponential time.
    const std::string name(5000, 'a');
    EXPECT_FALSE(matchesWildcard(name, "*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(matchesWildcard(name + "b", "*a*a*a*a*a*a*a*a*a*a*b"));
}
