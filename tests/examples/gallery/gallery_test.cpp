// The gallery as a user opens it: the page named on the command line, set up
// before the frame fades in, every progress bar framed, and the second frame
// in the inactive look.
#include "GalleryDialog.h"
#include "combos_page_ids.h"
#include "lists_page_ids.h"

#include "support/capture.h"
#include "support/colours.h"
#include "support/screen.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

CWinApp theTestApp(L"TavrinGalleryTest");

using quorvex_test::SameColour;

TEST(GalleryArguments, PageNamesAndWhatIsWrongWithThem) {
    struct Case {
        std::vector<CString> arguments;
        int page;
        bool problem;
    };
    const Case cases[] = {
        {{}, 0, false},
        {{L"/page", L"buttons"}, 0, false},
        {{L"-PAGE", L"Buttons"}, 0, false},
        {{L"/page", L"lists"}, 1, false},
        {{L"/page", L"Menus"}, 2, false},
        {{L"/page", L"scrolling"}, 3, false},
        {{L"/page", L"ListViews"}, 6, false},
        {{L"/page", L"nosuchpage"}, 0, true},
        {{L"/page"}, 0, true},
    };
    for (const Case& c : cases) {
        const GalleryStart start = ParseGalleryArguments(c.arguments);
        EXPECT_EQ(c.page, start.page);
        EXPECT_EQ(c.problem, !start.problem.IsEmpty());
    }
    // The message names the page asked for and the pages there are.
    const GalleryStart unknown = ParseGalleryArguments({L"/page", L"nosuchpage"});
    EXPECT_NE(-1, unknown.problem.Find(L"\"nosuchpage\""));
    EXPECT_NE(-1, unknown.problem.Find(L"buttons"));
    EXPECT_NE(-1, unknown.problem.Find(L"lists"));
    EXPECT_NE(-1, unknown.problem.Find(L"menus"));
    EXPECT_NE(-1, unknown.problem.Find(L"scrolling"));
    ASSERT_FALSE(GalleryPageList().empty());
    EXPECT_STREQ(L"buttons", GalleryPageList()[0].name);
}

// Runs the gallery modally, as Gallery.exe does (with its fade-in), notes
// whether its page was ready when it first became visible, and runs the
// checks once it is up.
class GalleryProbe : public GalleryDialog {
public:
    explicit GalleryProbe(int page) : GalleryDialog(page) {}

    bool seenShowing = false;
    bool pageReadyWhenShown = false;
    std::function<void(GalleryProbe&)> checks;

protected:
    static constexpr UINT kCheck = WM_APP + 40;

    BOOL OnInitDialog() override {
        const BOOL result = GalleryDialog::OnInitDialog();
        PostMessageW(kCheck, 0, 0);
        return result;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING && !seenShowing) {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (pos->flags & SWP_SHOWWINDOW) {
                seenShowing = true;
                CWnd* page = PageWindow(CurrentPage());
                pageReadyWhenShown = page && (page->GetStyle() & WS_VISIBLE);
            }
        }
        if (message == kCheck) {
            // The page's pinned tip is a tracking tooltip; with the test's
            // windows unmanaged it never reaches this display, and the screen
            // reading would wait for it in vain. Tips are tested with the
            // buttons.
            ::EnumThreadWindows(
                ::GetCurrentThreadId(),
                [](HWND top, LPARAM) -> BOOL {
                    wchar_t name[64] = {};
                    ::GetClassNameW(top, name, 64);
                    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
                        ::ShowWindow(top, SW_HIDE);
                    return TRUE;
                },
                0);
            quorvex_test::Settle();
            if (checks)
                checks(*this);
            EndDialog(IDOK);
            return 0;
        }
        return GalleryDialog::WindowProc(message, wParam, lParam);
    }
};

TEST(Gallery, ButtonsPageIsReadyBeforeTheFadeAndEveryBarIsFramed) {
    GalleryProbe gallery(0);
    int bars = 0;
    gallery.checks = [&](GalleryProbe& g) {
        CWnd* page = g.PageWindow(0);
        ASSERT_NE(nullptr, page);

        const Tavrin::_ProgressCtrlColorInfo c = Tavrin::NeloProgressCtrl::DefaultColorInfo();
        for (HWND child = ::GetWindow(page->GetSafeHwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[64] = {};
            ::GetClassNameW(child, name, 64);
            if (lstrcmpiW(name, PROGRESS_CLASSW) != 0)
                continue;
            ++bars;
            EXPECT_TRUE(quorvex_test::FramedOnePixel(child, ::IsWindowEnabled(child) ? c.crBarFrame
                                                                                     : c.crBarFrameDisabled))
                << "bar " << ::GetDlgCtrlID(child);
        }
        // The second frame was shown without being activated.
        HWND sample = g.SampleWindow()->GetSafeHwnd();
        ASSERT_NE(nullptr, sample);
        EXPECT_NE(sample, ::GetActiveWindow());
        // (Its left end: the frame reaches past the screen's right edge.)
        const Tavrin::_DialogColorInfo d = Tavrin::NeloDialog::DefaultColorInfo();
        EXPECT_TRUE(SameColour(quorvex_test::WindowPixelNow(sample, 5, 27), d.crTitleLineInactive1));
    };
    EXPECT_EQ(1, gallery.DoModal(1, 100));
    EXPECT_TRUE(gallery.seenShowing);
    EXPECT_TRUE(gallery.pageReadyWhenShown) << "the gallery faded in before its page was set up";
    EXPECT_EQ(5, bars);
}

TEST(Gallery, ChecksPageAttachesEveryBoxRadioGroupDividerAndTheHeader) {
    GalleryProbe gallery(4);
    int boxes = 0, radios = 0, dividers = 0;
    std::vector<int> groups;
    bool header = false;
    gallery.checks = [&](GalleryProbe& g) {
        CWnd* page = g.PageWindow(4);
        ASSERT_NE(nullptr, page);
        // The page's own children and those of the dialog inside it.
        std::function<void(HWND)> visit = [&](HWND parent) {
            for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                CWnd* object = CWnd::FromHandlePermanent(child);
                if (dynamic_cast<Tavrin::NeloCheckBox*>(object))
                    ++boxes;
                if (auto* radio = dynamic_cast<Tavrin::NeloRadioButton*>(object)) {
                    ++radios;
                    if (radio->IsGroupLeader())
                        groups.push_back(radio->GetGroupSize());
                }
                if (dynamic_cast<Tavrin::NeloDivider*>(object))
                    ++dividers;
                if (HWND list = ::FindWindowExW(child, nullptr, WC_HEADERW, nullptr))
                    header = header || dynamic_cast<Tavrin::NeloHeaderCtrl*>(CWnd::FromHandlePermanent(list));
                wchar_t name[64] = {};
                ::GetClassNameW(child, name, 64);
                if (lstrcmpiW(name, L"#32770") == 0)
                    visit(child);
            }
        };
        visit(page->GetSafeHwnd());
    };
    EXPECT_EQ(1, gallery.DoModal(1, 100));
    EXPECT_EQ(8, boxes);
    EXPECT_EQ(9, radios);
    EXPECT_EQ((std::vector<int>{3, 3, 3}), groups);
    EXPECT_EQ(3, dividers);
    EXPECT_TRUE(header);
}

TEST(Gallery, ListsAndScrollingPagesShowTheirControls) {
    GalleryProbe lists(1);
    lists.checks = [&](GalleryProbe& g) {
        CWnd* page = g.PageWindow(1);
        ASSERT_NE(nullptr, page);
        const HWND normal = ::GetDlgItem(page->GetSafeHwnd(), IDC_LS_NORMAL);
        const HWND disabled = ::GetDlgItem(page->GetSafeHwnd(), IDC_LS_DISABLED);
        EXPECT_TRUE(SameColour(quorvex_test::WindowPixelNow(normal, 0, 5), RGB(104, 128, 184)));
        EXPECT_TRUE(SameColour(quorvex_test::WindowPixelNow(disabled, 0, 5), RGB(172, 168, 153)));
        EXPECT_TRUE(SameColour(quorvex_test::WindowPixelNow(disabled, 1, 5), RGB(236, 233, 216)));
        auto* memo = dynamic_cast<Tavrin::NeloEdit*>(CWnd::FromHandlePermanent(
            ::GetDlgItem(page->GetSafeHwnd(), IDC_LS_MEMO)));
        ASSERT_NE(nullptr, memo);
        EXPECT_TRUE(::IsWindowVisible(memo->VerticalBar()->GetSafeHwnd()));
        EXPECT_TRUE(::IsWindowEnabled(memo->VerticalBar()->GetSafeHwnd())) << "twenty lines to scroll";
    };
    EXPECT_EQ(1, lists.DoModal(1, 100));

    GalleryProbe scrolling(3);
    int bars = 0;
    scrolling.checks = [&](GalleryProbe& g) {
        CWnd* page = g.PageWindow(3);
        ASSERT_NE(nullptr, page);
        for (HWND child = ::GetWindow(page->GetSafeHwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT))
            if (dynamic_cast<Tavrin::NeloScrollBar*>(CWnd::FromHandlePermanent(child)) && ::IsWindowVisible(child))
                ++bars;
    };
    EXPECT_EQ(1, scrolling.DoModal(1, 100));
    EXPECT_EQ(9, bars) << "five vertical and four horizontal bars; the edits' own stay hidden";
}

TEST(Gallery, CombosPageShowsTheConvertersChoosersFromTheCatalogue) {
    GalleryProbe combos(9);
    combos.checks = [&](GalleryProbe& g) {
        CWnd* page = g.PageWindow(9);
        ASSERT_NE(nullptr, page);
        auto combo = [&](int id) {
            return dynamic_cast<Tavrin::NeloComboBox*>(CWnd::FromHandlePermanent(::GetDlgItem(page->GetSafeHwnd(), id)));
        };
        Tavrin::NeloComboBox* target = combo(IDC_CB_TARGET);
        ASSERT_NE(nullptr, target);
        EXPECT_EQ(11, target->GetCount()) << "the eleven targets";
        CString first;
        target->GetLBText(0, first);
        EXPECT_EQ(CString(L"AVI"), first);
        EXPECT_EQ(0, target->GetShownImage()) << "the first target's picture";
        for (int id : {IDC_CB_SIZE, IDC_CB_QUALITY}) {
            ASSERT_NE(nullptr, combo(id));
            EXPECT_GT(combo(id)->GetCount(), 0);
            EXPECT_GE(combo(id)->GetCurSel(), 0);
        }
        // Every kind is skinned; the simple combo keeps its native parts.
        for (int id : {IDC_CB_LIST_IMAGES, IDC_CB_LIST_PLAIN, IDC_CB_EDIT_IMAGES, IDC_CB_EDIT_PLAIN,
                       IDC_CB_LIST_DISABLED, IDC_CB_EDIT_DISABLED})
            EXPECT_NE(nullptr, combo(id)->GetDropWindow()) << id;
        EXPECT_EQ(nullptr, combo(IDC_CB_SIMPLE)->GetDropWindow());
        EXPECT_TRUE(SameColour(quorvex_test::WindowPixelNow(combo(IDC_CB_LIST_PLAIN)->GetSafeHwnd(), 0, 5),
                               RGB(127, 157, 185)));
        EXPECT_TRUE(SameColour(quorvex_test::WindowPixelNow(combo(IDC_CB_LIST_DISABLED)->GetSafeHwnd(), 0, 5),
                               RGB(204, 204, 204)));
    };
    EXPECT_EQ(1, combos.DoModal(1, 100));
}

} // namespace
