// Layout of the skinned edit box: the client rectangle it keeps inside its
// one- or two-pixel frame and beside its skinned scroll bars, the icon area
// at its left, the vertical offset that aligns a single line, and the bands
// of its frame that non-client painting copies.
#pragma once

#include "GeometryShapes.h"

namespace Tavrin {
namespace geometry {

// The client rectangle after the system's own computation ('computed'):
// the system's scroll bar space is given back and the skinned bars'
// thickness + 2 taken instead, or one pixel kept for the frame ring; one
// pixel more at the left and top.
RECT EditClientRect(const RECT& computed, bool horizontalBar, bool verticalBar, int systemBarWidth,
                    int systemBarHeight, int thickness);

// Width of the icon area: 21 for an icon drawn at 16 x 16, the icon's width
// + 5 otherwise, 0 without icon.
int EditIconAreaWidth(bool hasIcon, bool smallIcon, int iconWidth);
// Where the icon's top edge sits in a window of the given height.
int EditIconTop(int windowHeight, int iconHeight, bool staticEdge);
// True when a client point lies in the icon strip left of the client area.
bool InEditIconStrip(POINT client, int iconAreaWidth, int clientHeight);

// Vertical text alignment of a single line: 0 top, 1 centre, 2 bottom.
// The offset that moves the client area's top down.
int EditTextOffset(int alignment, int textHeight, int windowHeight, bool staticEdge);

// The parts of the frame that non-client painting copies from its buffer
// (window coordinates). A band is empty when it is not copied.
struct EditFrameBands {
    RECT bottom; // beside a horizontal bar
    RECT right;  // beside a vertical bar
    RECT top;    // above a lowered single line
    RECT icon;   // the icon area
};
EditFrameBands LayoutEditFrameBands(int windowWidth, int windowHeight, int thickness, bool horizontalBar,
                                    bool verticalBar, int textOffset, int iconAreaWidth, bool staticEdge);

// A disabled password box paints one star fewer than the text it builds
// (its lines, each followed by a line break).
int EditPasswordStars(int builtLength);

// Where the caret goes after a paste whose text the filter shortened: the
// old caret moved back by what the filter took out.
int EditCaretAfterFilter(int caret, int lengthBefore, int lengthAfter);

} // namespace geometry
} // namespace Tavrin
