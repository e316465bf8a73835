#include "GalleryPages.h"

#include "ButtonsPage.h"
#include "ListsPage.h"
#include "ListViewsPage.h"
#include "MenusPage.h"
#include "ScrollingPage.h"
#include "ChecksPage.h"
#include "TabsPage.h"
#include "RichEditPage.h"
#include "TreesPage.h"
#include "ComboBoxesPage.h"

namespace {

template <typename Page> std::unique_ptr<GalleryPage> Make() {
    return std::unique_ptr<GalleryPage>(new Page);
}

CString PageNames() {
    CString names;
    for (const GalleryPageEntry& entry : GalleryPageList()) {
        if (!names.IsEmpty())
            names += L", ";
        names += entry.name;
    }
    return names;
}

} // namespace

const std::vector<GalleryPageEntry>& GalleryPageList() {
    static const std::vector<GalleryPageEntry> pages = {
        {L"buttons", L"Buttons", &Make<ButtonsPage>},
        {L"lists", L"Lists", &Make<ListsPage>},
        {L"menus", L"Menus", &Make<MenusPage>},
        {L"scrolling", L"Scrolling", &Make<ScrollingPage>},
        {L"checks", L"Checks", &Make<ChecksPage>},
        {L"tabs", L"Tabs", &Make<TabsPage>},
        {L"listviews", L"List views", &Make<ListViewsPage>},
        {L"trees", L"Trees", &Make<TreesPage>},
        {L"richedit", L"Rich edit", &Make<RichEditPage>},
        {L"combos", L"Combos", &Make<ComboBoxesPage>},
    };
    return pages;
}

GalleryStart ParseGalleryArguments(const std::vector<CString>& arguments) {
    GalleryStart start;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const CString& argument = arguments[i];
        if (argument.CompareNoCase(L"/page") != 0 && argument.CompareNoCase(L"-page") != 0)
            continue;
        if (i + 1 >= arguments.size()) {
            start.problem = L"/page needs the name of a page: " + PageNames() + L".";
            return start;
        }
        const CString& name = arguments[i + 1];
        const std::vector<GalleryPageEntry>& pages = GalleryPageList();
        for (size_t p = 0; p < pages.size(); ++p) {
            if (name.CompareNoCase(pages[p].name) == 0) {
                start.page = static_cast<int>(p);
                return start;
            }
        }
        start.problem = L"The gallery has no page \"" + name + L"\". Its pages are: " + PageNames() + L".";
        return start;
    }
    return start;
}
