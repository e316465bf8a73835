// The edit box's layout rules as tables: its client rectangle beside the
// skinned bars, the icon area, the alignment offset, the frame bands that
// non-client painting copies, the password stars and the caret after a
// filtered paste. No window, no screen.
#include "EditGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

TEST(EditLayout, ClientRectangleBesideTheBars) {
    // The system computed (1, 1, 199 - 16, 99 - 16) for a 200 x 100 box with
    // a static edge and both of its own 16-pixel bars.
    struct Case {
        const char* name;
        RECT computed;
        bool horizontal, vertical;
        RECT client;
    };
    const Case cases[] = {
        {"no bars: one pixel for the ring on every side", {1, 1, 199, 99}, false, false, {2, 2, 198, 98}},
        {"both bars: thickness + 2 instead of the system's", {1, 1, 183, 83}, true, true, {2, 2, 179, 79}},
        {"vertical only", {1, 1, 183, 99}, false, true, {2, 2, 179, 98}},
        {"horizontal only", {1, 1, 199, 83}, true, false, {2, 2, 198, 79}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.client, EditClientRect(c.computed, c.horizontal, c.vertical, 16, 16, 18));
    }
}

TEST(EditLayout, IconAreaAndAlignment) {
    struct IconCase {
        bool has, small;
        int width, area;
    };
    const IconCase icons[] = {{false, true, 32, 0}, {true, true, 32, 21}, {true, false, 32, 37}, {true, false, 16, 21}};
    for (const IconCase& c : icons)
        EXPECT_EQ(c.area, EditIconAreaWidth(c.has, c.small, c.width));

    struct AlignCase {
        const char* name;
        int alignment, textHeight, windowHeight;
        bool staticEdge;
        int offset;
    };
    const AlignCase aligns[] = {
        {"top", 0, 16, 40, true, 0},
        {"centre: half of 38 - 16, rounded down", 1, 16, 40, true, 11},
        {"centre, odd spare", 1, 15, 40, true, 11},
        {"bottom", 2, 16, 40, true, 22},
        {"bottom without an edge", 2, 16, 40, false, 24},
        {"text as tall as the room", 1, 38, 40, true, 0},
        {"unknown style", 3, 16, 40, true, 0},
    };
    for (const AlignCase& c : aligns) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.offset, EditTextOffset(c.alignment, c.textHeight, c.windowHeight, c.staticEdge));
    }
    EXPECT_EQ(3, EditIconTop(24, 16, true));  // (24 - 16 - 1) / 2
    EXPECT_EQ(4, EditIconTop(24, 16, false)); // (24 - 16) / 2

    struct HitCase {
        POINT p;
        bool inside;
    };
    const HitCase hits[] = {{{-21, 0}, true}, {{-1, 19}, true}, {{0, 5}, false}, {{-22, 5}, false}, {{-5, 20}, false},
                            {{-5, -1}, false}};
    for (const HitCase& c : hits)
        EXPECT_EQ(c.inside, InEditIconStrip(c.p, 21, 20)) << c.p.x << "," << c.p.y;
    EXPECT_FALSE(InEditIconStrip(POINT{-1, 5}, 0, 20)) << "no icon, no strip";
}

TEST(EditLayout, FrameBandsCopiedFromTheBuffer) {
    const EditFrameBands all = LayoutEditFrameBands(200, 100, 18, true, true, 5, 21, true);
    EXPECT_RECT((RECT{0, 81, 200, 100}), all.bottom);
    EXPECT_RECT((RECT{180, 0, 200, 100}), all.right);
    EXPECT_RECT((RECT{0, 0, 200, 7}), all.top);
    EXPECT_RECT((RECT{0, 0, 23, 100}), all.icon);
    const EditFrameBands none = LayoutEditFrameBands(200, 100, 18, false, false, 0, 0, false);
    for (const RECT& band : {none.bottom, none.right, none.top, none.icon})
        EXPECT_RECT((RECT{0, 0, 0, 0}), band);
    EXPECT_RECT((RECT{0, 0, 200, 5}), LayoutEditFrameBands(200, 100, 18, false, false, 5, 0, false).top);
}

TEST(EditLayout, PasswordStarsAndCaretAfterFilter) {
    // "abc" is built as "abc\n": three stars, one per character.
    EXPECT_EQ(3, EditPasswordStars(4));
    EXPECT_EQ(0, EditPasswordStars(1));
    EXPECT_EQ(0, EditPasswordStars(0));
    struct Case {
        int caret, before, after, expected;
    };
    const Case cases[] = {{8, 8, 6, 6}, {70005, 70005, 70003, 70003}, {3, 10, 10, 3}, {1, 10, 5, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, EditCaretAfterFilter(c.caret, c.before, c.after));
}

} // namespace
