// What the menu bar and the popups both read from a menu and both need for
// their windows: an item's text, its width in a font, the window class they
// share the form of, and their border.
#pragma once

#include <afxwin.h>

namespace Tavrin {

// The text of the item at a position (at most 256 characters; empty for a
// separator or a position past the end).
CString MenuItemText(HMENU menu, int position);

// The width of a text in the font selected into dc; 0 for an empty text.
int MenuTextWidth(HDC dc, const CString& text);

// Registers a window class of the given name for the bar or a popup: the
// bits under it saved, the arrow cursor, a white background and the default
// window procedure. True when the class is there (registered before
// counts).
bool RegisterMenuWindowClass(const wchar_t* name);

// Paints the border in a bar's or a popup's non-client area: the bar keeps
// only a line along its bottom, a popup is outlined all round.
enum class MenuBorder { BottomLine, Outline };
void PaintMenuBorder(CWnd& window, COLORREF colour, MenuBorder border);

} // namespace Tavrin
