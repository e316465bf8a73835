// Layout of the scrolling and range controls: the scroll bar's arrows,
// track and thumb, the position a dragged thumb stands for, its arrow glyphs
// and grip lines; the skinned bars a scrolling control hosts beside its
// client area (bar rectangles, the corner square between them, the holes cut
// into the control's window region); and the spin button's two halves and
// glyphs. Painting, hit testing and the table tests all read these.
#pragma once

#include "GeometryShapes.h"

#include <vector>

namespace Tavrin {
namespace geometry {

// ---- Scroll bar --------------------------------------------------------

// The parts of a scroll bar, as hit tests name them.
enum ScrollBarComponent : int {
    ScrollNone = 0,
    ScrollFirstArrow = 1,  // up or left
    ScrollSecondArrow = 2, // down or right
    ScrollTrackBefore = 3, // between the first arrow and the thumb
    ScrollTrackAfter = 4,  // between the thumb and the second arrow
    ScrollThumb = 5,
};

// A scroll bar's range, page and position.
struct ScrollState {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
};

// The highest position a bar may hold: nMax - nPage + 1, never below nMin
// and never above nMax (a page of 0 stops at nMax). 64-bit arithmetic, so
// ranges near the ends of int do not wrap.
int ScrollLimit(const ScrollState& s);
// A position held within nMin..ScrollLimit.
int ClampScrollPos(const ScrollState& s, long long pos);
// nMax - nMin + 1, the number of positions (64-bit: it does not wrap).
long long ScrollRangeSize(const ScrollState& s);
// A page as large as the range leaves nothing to scroll.
bool ScrollBarHasRoom(const ScrollState& s);

struct ScrollBarLayout {
    bool vertical = true;
    RECT firstArrow{0, 0, 0, 0};
    RECT secondArrow{0, 0, 0, 0};
    RECT thumb{0, 0, 0, 0};
    RECT trackBefore{0, 0, 0, 0};
    RECT trackAfter{0, 0, 0, 0};

    // Along the bar's axis: where the first arrow ends (S), where the second
    // begins (E), the length of the thumb and the run it can move in.
    int TrackStart() const;
    int TrackEnd() const;
    int ThumbStart() const;
    int ThumbLength() const;
    int FreeRun() const;
};

// Arrows of a cx x cy bar: square arrows of the bar's thickness at both
// ends, or half of the length each when the bar is shorter than two of them.
// The thumb is placed from the state's position.
ScrollBarLayout LayoutScrollBar(int cx, int cy, bool vertical, const ScrollState& s);
// The thumb's length: the page's share of the track, at least 10 pixels.
int ScrollThumbLength(int track, const ScrollState& s);
// Places the thumb from the position.
void PlaceThumbFromPosition(ScrollBarLayout& layout, const ScrollState& s);
// Places the thumb at a pixel offset from the track's start (a drag),
// held within 0..free run.
void PlaceThumbAtOffset(ScrollBarLayout& layout, const ScrollState& s, int offset);
// The position the thumb stands for, rounded to the nearest and held within
// the range; nMin when the thumb has no room to move.
int PositionFromThumb(const ScrollBarLayout& layout, const ScrollState& s);
// Arrows first, then the track on either side of the thumb, then the thumb.
ScrollBarComponent ScrollBarHitTest(const ScrollBarLayout& layout, POINT p);
// The rectangle of a component (empty for ScrollNone).
RECT ScrollBarPart(const ScrollBarLayout& layout, ScrollBarComponent part);

// An arrow glyph: four one-pixel strokes of three points each, drawn as
// polylines with both ends included.
struct ArrowGlyph {
    POINT strokes[4][3];
};
// The glyph of the first or second arrow, moved one pixel right and down
// while the arrow is pressed.
ArrowGlyph ScrollArrowGlyph(const ScrollBarLayout& layout, bool first, bool pressed);

// The grip on the thumb: four pairs of one-pixel lines (a light one and a
// dark one below or beside it), drawn only on a thumb longer than 15 pixels.
struct GripLine {
    POINT from;
    POINT to;
};
struct ThumbGrip {
    bool draw = false;
    GripLine light[4];
    GripLine dark[4];
};
ThumbGrip ScrollThumbGrip(const ScrollBarLayout& layout);

// ---- Skinned bars hosted by a scrolling control --------------------------

// Where a control that scrolls its content puts its skinned bars, in window
// coordinates (0, 0 at the window's top-left corner): below and right of
// the client rectangle, thickness + 1 pixels deep; when both are shown each
// reaches one pixel further so that they meet the corner square.
struct HostedScrollBars {
    bool horizontal = false;
    bool vertical = false;
    RECT horizontalBar{0, 0, 0, 0};
    RECT verticalBar{0, 0, 0, 0};
};
HostedScrollBars LayoutHostedScrollBars(const RECT& client, int thickness, bool horizontal, bool vertical);
// The holes the bars show through: the shown bars' rectangles.
std::vector<RECT> HostedScrollBarHoles(const HostedScrollBars& bars);

// The square between two bars in the bottom-right corner of a window of
// the given size, one pixel further up and left with a static edge.
RECT ScrollCornerSquare(int windowWidth, int windowHeight, int thickness, bool staticEdge);

// The thickness of hosted bars: 18, or the system's scroll bar width or
// height when either is larger.
int HostedScrollBarThickness(int systemWidth, int systemHeight);

// ---- Spin button -------------------------------------------------------

struct SpinLayout {
    RECT frameArea{0, 0, 0, 0};   // the client rectangle, after the open frame towards the edit
    RECT firstHalf{0, 0, 0, 0};   // up or left half (hit tests)
    RECT secondHalf{0, 0, 0, 0};  // down or right half
    RECT firstButton{0, 0, 0, 0}; // the first button's face
    RECT secondButton{0, 0, 0, 0};
    RECT secondFill{0, 0, 0, 0};  // the second face is filled one pixel short both ways
    POINT firstGlyph[3];
    POINT secondGlyph[3];
};
// The halves, faces and glyphs of a cx x cy spin button. 'framed': the
// buddy is a skinned edit, so a one-pixel frame, open towards the edit, is
// kept free around the buttons. 'horizontal': UDS_HORZ.
SpinLayout LayoutSpinButton(int cx, int cy, bool horizontal, bool framed, bool firstPressed,
                            bool secondPressed);
// Which half a point lies in: 1 first, 2 second, 0 neither.
int SpinHitTest(const SpinLayout& layout, POINT p);

// The rectangles of a spin button placed at the right end of its buddy
// (both in the parent's client coordinates): the spin takes its own width,
// at least 18 pixels, and the buddy gives up as much.
struct SpinPlacement {
    RECT buddy;
    RECT spin;
};
SpinPlacement PlaceSpinInBuddy(const RECT& buddy, int spinWidth);

} // namespace geometry
} // namespace Tavrin
