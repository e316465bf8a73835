#include "DialogGeometry.h"

#include <initializer_list>

namespace Tavrin {
namespace geometry {

namespace {

constexpr RECT kNoRect{0, 0, 0, 0};

RECT Moved(RECT r, int dx) {
    return RECT{r.left + dx, r.top, r.right + dx, r.bottom};
}

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

int TitleIconSize(const DialogFrameParams& p) {
    return DialogUsesLargeIcon(p) ? p.largeIcon : p.smallIcon;
}

// Only the top corners are rounded: the rounded shape ends 10 pixels above
// the bottom, where a rectangle one pixel narrower takes over (a rounded
// region leaves out its right and bottom edges, so the two share their
// right edge).
RegionShape TopRounded(int inset, int w, int h, int ellipse) {
    return United(RoundRectShape(RECT{inset, inset, w - inset, h - 10 - inset}, ellipse),
                  RECT{inset, 10 + inset, w - 1 - inset, h - 1 - inset});
}

} // namespace

bool DialogUsesLargeIcon(const DialogFrameParams& p) {
    return p.largeIcon < p.titleHeight;
}

DialogFrameLayout LayoutDialogFrame(const DialogFrameParams& p) {
    DialogFrameLayout l{};
    const int w = p.width, h = p.height, t = p.titleHeight, b = p.borderWidth;
    const int e = p.roundCorners ? 11 : 0;

    l.caption = p.hasCaption && t > 0;
    l.titleBar = l.caption ? RECT{0, 0, w, t + 2 * b} : kNoRect;

    l.largeIcon = DialogUsesLargeIcon(p);
    l.iconSize = TitleIconSize(p);
    l.iconShown = l.caption && p.hasIcon && t >= l.iconSize;
    const int iconTop = (t - l.iconSize + 1) / 2 + 1;
    l.icon = l.iconShown ? RECT{6, iconTop, 6 + l.iconSize, iconTop + l.iconSize} : kNoRect;

    l.buttonSize = t * 4 / 5;
    const int m = l.buttonSize;
    l.buttonRadius = m * 4 / 25; // 0.16 of the button, rounded down
    l.thinGlyphPen = m * 0.094f;
    l.thickGlyphPen = m * 0.141f;
    l.buttonsShown = l.caption && p.buttonStyle != 0 && t > 4;
    if (l.buttonsShown) {
        const int top = b + (t - m) / 2;
        l.closeButton = RECT{w - m - 9, top, w - 9, top + m};
        if (p.buttonStyle == 3) {
            l.maxButton = Moved(l.closeButton, -(m + 1));
            l.minButton = Moved(l.maxButton, -(m + 1));
        } else if (p.buttonStyle == 2) {
            l.minButton = Moved(l.closeButton, -(m + 1));
        }
    }

    int textRight;
    switch (p.buttonStyle) {
    case 1:
        textRight = w - 10 - m;
        break;
    case 2:
        textRight = w - 10 - 2 * m;
        break;
    case 3:
        textRight = w - 11 - 3 * m;
        break;
    default:
        textRight = w - 9;
        break;
    }
    const int textLeft = l.iconShown ? l.iconSize + 12 : 12;
    l.captionText = l.caption ? RECT{textLeft, t / 10 + 1, textRight, t} : kNoRect;

    l.titleLine1 = l.caption ? RECT{0, b + t, w, b + t + 1} : kNoRect;
    l.titleLine2 = l.caption ? RECT{0, b + t + 1, w, b + t + 2} : kNoRect;

    l.border = b != 0;
    if (l.caption) {
        l.innerRing = TopRounded(1, w, h, e);
        l.outerRing = TopRounded(0, w, h, e);
    } else {
        l.innerRing = PlainRectShape(RECT{1, 1, w - 2, h - 2});
        l.outerRing = PlainRectShape(RECT{0, 0, w - 1, h - 1});
    }
    l.windowRegion = p.hasCaption ? TopRounded(0, w, h, e) : PlainRectShape(RECT{0, 0, w - 1, h - 1});
    l.clientInsets = RECT{b, l.caption ? t + 2 * b : b, b + 1, b + 1};
    return l;
}

RECT DialogButtonRect(const DialogFrameLayout& layout, DialogButton button) {
    switch (button) {
    case DialogButton::Close:
        return layout.closeButton;
    case DialogButton::Min:
        return layout.minButton;
    case DialogButton::Max:
        return layout.maxButton;
    default:
        return kNoRect;
    }
}

DialogButton DialogButtonAt(const DialogFrameLayout& layout, POINT point) {
    for (DialogButton button : {DialogButton::Close, DialogButton::Min, DialogButton::Max})
        if (Inside(DialogButtonRect(layout, button), point))
            return button;
    return DialogButton::None;
}

Look DialogButtonLook(DialogButton button, DialogButton pressed, DialogButton hot, bool active) {
    if (pressed == button && hot == button)
        return Look::Pressed;
    if (hot == button && pressed == DialogButton::None)
        return Look::Hover;
    return active ? Look::Normal : Look::Inactive;
}

int DialogHitTest(const DialogFrameParams& p, POINT point, bool resizable, bool fixedPosition) {
    const int w = p.width, h = p.height, b = p.borderWidth;
    const int x = point.x, y = point.y;
    if (resizable) {
        if (y <= b)
            return x <= b ? HTTOPLEFT : (x < w - b - 2 ? HTTOP : HTTOPRIGHT);
        if (x <= b)
            return y < h - b - 2 ? HTLEFT : HTBOTTOMLEFT;
        if (x >= w - b - 2)
            return y < h - b - 2 ? HTRIGHT : HTBOTTOMRIGHT;
        if (y >= h - b - 2)
            return HTBOTTOM;
    }
    if (p.hasCaption && y < p.titleHeight + b + 1) {
        // The whole title bar drags, buttons included: the button handlers
        // act on a press before any drag starts.
        if (!fixedPosition)
            return HTCAPTION;
        switch (DialogButtonAt(LayoutDialogFrame(p), point)) {
        case DialogButton::Close:
        case DialogButton::Min:
            return HTCAPTION;
        case DialogButton::Max:
            return HTMAXBUTTON;
        default:
            return HTCLIENT;
        }
    }
    return HTCLIENT;
}

SIZE DialogSmallestSize(const DialogFrameParams& p) {
    const int icon = TitleIconSize(p);
    const int m = p.titleHeight * 4 / 5;
    int width;
    switch (p.buttonStyle) {
    case 1:
        width = icon + m + 20;
        break;
    case 2:
        width = icon + 2 * m + 21;
        break;
    case 3:
        width = icon + 3 * m + 22;
        break;
    default:
        width = icon + 20;
        break;
    }
    return SIZE{width, p.hasCaption ? 2 * p.titleHeight : 20};
}

} // namespace geometry
} // namespace Tavrin
