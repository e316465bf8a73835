// Layout of a list header item: where its text, image and sort arrow go,
// and the empty area right of the last item. The header paints and is
// tested from these.
#pragma once

#include "GeometryShapes.h"

namespace Tavrin {
namespace geometry {

enum class HeaderAlign { Left, Centre, Right };

struct HeaderItemInput {
    int width, height; // the item's size
    SIZE text;         // the measured text (single line)
    HeaderAlign align;
    bool sortColumn; // this item is the list's sort column
    bool ascending;
    bool pressed;
    bool image;     // the header has an image list and the item an image
    SIZE imageSize; // the image list's image size
};

struct HeaderItemLayout {
    RECT text; // where the text is drawn (item coordinates)
    bool image;
    RECT imageRect; // where the image is drawn, cut to the item height
    bool arrow;     // a sort arrow has room
    POINT arrowPoints[3];
};

// 'arrowWanted': the sort-arrow switch is on (the arrow is still drawn only
// for the sort column and when the text keeps some room).
HeaderItemLayout LayoutHeaderItem(const HeaderItemInput& in, bool arrowWanted);

// The part of a header's client area right of its last item (in display
// order); empty when the items fill it.
RECT HeaderEmptyArea(int clientWidth, int clientHeight, int lastItemRight);

} // namespace geometry
} // namespace Tavrin
