// The gallery's pages: one per family of skinned controls (one per folder
// under skin/), each a child dialog laid into the gallery's page area. A
// family adds its page to the list in GalleryPages.cpp; "Gallery.exe /page
// NAME" opens that page first.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

class GalleryPage {
public:
    virtual ~GalleryPage() = default;
    // Creates the page as a child of 'gallery' with its top-left corner at
    // 'origin' (gallery client pixels), on the gallery's background colour,
    // hidden until it is shown.
    virtual BOOL CreatePage(CWnd* gallery, CPoint origin, COLORREF background) = 0;
    virtual CWnd* Window() = 0;
    // Gives the keyboard focus to the sample that shows the focus look.
    virtual void FocusSample() {}
};

struct GalleryPageEntry {
    const wchar_t* name;  // as given to /page
    const wchar_t* title; // on the page's button
    std::unique_ptr<GalleryPage> (*make)();
};

const std::vector<GalleryPageEntry>& GalleryPageList();

// What the command line asks for: the page to open first (0 when it names
// none), or the message that explains why it cannot be opened.
struct GalleryStart {
    int page = 0;
    CString problem;
};
// 'arguments' are the program's arguments without the program's name;
// "/page NAME" (or "-page NAME", any case) chooses the page.
GalleryStart ParseGalleryArguments(const std::vector<CString>& arguments);
