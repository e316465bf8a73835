// The skinned scroll view in a document/view window made by a single-document
// template: its runtime class, its defaults, its frame at exact pixels, its
// skinned bars, scrolling by bar, keyboard, wheel and thumb drag over a
// drawing taller than 65,535 pixels, and a frame computation that never
// re-enters itself.
#include "test_support.h"

#include "support/colour_record.h"

#include <algorithm>

namespace menus_test {
namespace {

using Tavrin::NeloScrollView;
using Tavrin::_ScrollViewColorInfo;

const int kDrawingHeight = 100000;
const int kDrawingWidth = 260;
// The drawing: bands 100 pixels high, alternately these two colours.
const COLORREF kBandEven = RGB(200, 40, 40);
const COLORREF kBandOdd = RGB(40, 40, 200);

int g_ncDepth = 0;
int g_ncDepthMax = 0;

class CBandDoc : public CDocument {
    DECLARE_DYNCREATE(CBandDoc)
};
IMPLEMENT_DYNCREATE(CBandDoc, CDocument)

class CBandView : public NeloScrollView {
    DECLARE_DYNCREATE(CBandView)
public:
    void OnInitialUpdate() override {
        NeloScrollView::OnInitialUpdate();
        SetScrollSizes(MM_TEXT, CSize(kDrawingWidth, kDrawingHeight), CSize(0, 200), CSize(0, 20));
    }
    void OnDraw(CDC* pDC) override {
        CRect clip;
        pDC->GetClipBox(&clip);
        for (int band = std::max(0L, clip.top / 100); band * 100 < std::min<LONG>(clip.bottom, kDrawingHeight);
             ++band) {
            CRect r(0, band * 100, kDrawingWidth, band * 100 + 100);
            ::FillRect(pDC->GetSafeHdc(), &r,
                       Tavrin::SkinResourceCache::GetSolidBrush(band % 2 ? kBandOdd : kBandEven));
        }
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_NCCALCSIZE)
            return NeloScrollView::WindowProc(message, wParam, lParam);
        g_ncDepthMax = std::max(g_ncDepthMax, ++g_ncDepth);
        LRESULT result = NeloScrollView::WindowProc(message, wParam, lParam);
        --g_ncDepth;
        return result;
    }
};
IMPLEMENT_DYNCREATE(CBandView, NeloScrollView)

// A view that keeps the base class's initial update.
class CPlainView : public NeloScrollView {
    DECLARE_DYNCREATE(CPlainView)
};
IMPLEMENT_DYNCREATE(CPlainView, NeloScrollView)

class ScrollViewTest : public ::testing::Test {
protected:
    void Open(CRuntimeClass* viewClass) {
        docTemplate = new CSingleDocTemplate(0, RUNTIME_CLASS(CBandDoc), RUNTIME_CLASS(CFrameWnd), viewClass);
        CWnd* mainBefore = AfxGetApp()->m_pMainWnd;
        CDocument* doc = docTemplate->OpenDocumentFile(nullptr);
        ASSERT_NE(nullptr, doc);
        AfxGetApp()->m_pMainWnd = mainBefore;
        POSITION pos = doc->GetFirstViewPosition();
        view = dynamic_cast<NeloScrollView*>(doc->GetNextView(pos));
        ASSERT_NE(nullptr, view);
        frame = view->GetParentFrame();
        frame->SetWindowPos(&CWnd::wndTop, 500, 100, 320, 260, SWP_SHOWWINDOW);
        frame->SetForegroundWindow();
        view->SetFocus();
        Pump();
    }
    void TearDown() override {
        delete docTemplate;
        Pump();
    }
    void Pump() {
        quorvex_test::PumpUntilIdle();
        view->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        quorvex_test::PumpUntilIdle();
    }
    int Y() const { return view->GetScrollPosition().y; }
    int Limit() const {
        CRect client;
        view->GetClientRect(&client);
        return kDrawingHeight - client.Height();
    }
    CRect VerticalBar() const {
        CRect r;
        ::GetWindowRect(view->GetVerticalBar().GetSafeHwnd(), &r);
        return r;
    }

    CSingleDocTemplate* docTemplate = nullptr;
    NeloScrollView* view = nullptr;
    CFrameWnd* frame = nullptr;
};

TEST(ScrollViewDefaults, ColoursAndRuntimeClass) {
    const quorvex_test::ColourEntry<_ScrollViewColorInfo> table[] = {
        {"clrViewBack", &_ScrollViewColorInfo::clrViewBack, RGB(250, 250, 250)},
        {"clrViewBorder", &_ScrollViewColorInfo::clrViewBorder, RGB(104, 128, 184)},
        {"clrViewCornerFrom", &_ScrollViewColorInfo::clrViewCornerFrom, RGB(212, 216, 238)},
        {"clrViewCornerTo", &_ScrollViewColorInfo::clrViewCornerTo, RGB(187, 211, 233)},
    };
    EXPECT_TRUE(quorvex_test::RecordHolds(NeloScrollView::DefaultColorInfo(), table, 4 + 34));
    CRuntimeClass* runtime = CRuntimeClass::FromName("NeloScrollView");
    ASSERT_NE(nullptr, runtime) << "registered for document templates";
    EXPECT_STREQ("NeloScrollView", runtime->m_lpszClassName);
    EXPECT_TRUE(runtime->IsDerivedFrom(RUNTIME_CLASS(CScrollView)));
}

TEST_F(ScrollViewTest, NewViewScrollsOverOneHundredFiftyPixels) {
    Open(RUNTIME_CLASS(CPlainView));
    EXPECT_EQ(CSize(150, 150), view->GetTotalSize());
    // 150 pixels fit in the window: no bars, and a one-pixel frame of the
    // background inside the border on every side.
    EXPECT_FALSE(view->GetStyle() & (WS_VSCROLL | WS_HSCROLL));
    EXPECT_FALSE(::IsWindowVisible(view->GetVerticalBar().GetSafeHwnd()));
    EXPECT_FALSE(::IsWindowVisible(view->GetHorizontalBar().GetSafeHwnd()));
    const HWND w = view->GetSafeHwnd();
    CRect window;
    view->GetWindowRect(&window);
    struct Probe {
        const char* name;
        int x, y;
        COLORREF colour;
    } probes[] = {
        {"left border", 0, 50, RGB(104, 128, 184)},
        {"right border", window.Width() - 1, 50, RGB(104, 128, 184)},
        {"bottom border", 50, window.Height() - 1, RGB(104, 128, 184)},
        {"inner ring left", 1, 50, RGB(250, 250, 250)},
        {"inner ring right", window.Width() - 2, 50, RGB(250, 250, 250)},
        {"inner ring bottom", 50, window.Height() - 2, RGB(250, 250, 250)},
        {"background", window.Width() / 2, window.Height() / 2, RGB(250, 250, 250)},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.name);
        EXPECT_COLOUR(p.colour, WindowPixel(w, p.x, p.y));
    }
}

TEST_F(ScrollViewTest, SkinnedBarsOverTheViewsBarAreas) {
    Open(RUNTIME_CLASS(CBandView));
    ASSERT_TRUE(view->GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(view->GetStyle() & WS_HSCROLL);
    const HWND v = view->GetVerticalBar().GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(v));
    EXPECT_EQ(view->GetSafeHwnd(), view->GetVerticalBar().Owner());
    CRect client, window;
    view->GetClientRect(&client);
    view->ClientToScreen(&client);
    view->GetWindowRect(&window);
    const int t = view->GetBarThickness();
    EXPECT_EQ(CRect(client.right, client.top, client.right + t + 1, client.bottom), VerticalBar());
    EXPECT_EQ(window.right - 2, VerticalBar().right);
    SCROLLINFO info{};
    const_cast<Tavrin::NeloScrollBar&>(view->GetVerticalBar()).GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(kDrawingHeight - 1, info.nMax);
    EXPECT_EQ(client.Height(), (int)info.nPage);
    EXPECT_EQ(1, g_ncDepthMax) << "the frame computation never runs inside itself";
}

TEST_F(ScrollViewTest, ScrollsByBarKeyboardAndWheel) {
    Open(RUNTIME_CLASS(CBandView));
    const CRect bar = VerticalBar();
    const int t = view->GetBarThickness();
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    struct Step {
        const char* name;
        UINT key;   // a key, or
        int wheel;  // wheel clicks (negative: down), or
        bool arrow; // a click on the down arrow
        int expected;
    } steps[] = {
        {"down arrow of the bar", 0, 0, true, 20},
        {"arrow key down", VK_DOWN, 0, false, 40},
        {"page down", VK_NEXT, 0, false, 240},
        {"page up", VK_PRIOR, 0, false, 40},
        {"wheel down", 0, -1, false, 40 + (int)lines * 20},
        {"end", VK_END, 0, false, -1}, // the limit, beyond 16 bits
        {"home", VK_HOME, 0, false, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.arrow) {
            quorvex_test::LeftClick(POINT{bar.left + t / 2, bar.bottom - t / 2});
        } else if (s.key) {
            view->SendMessage(WM_KEYDOWN, s.key, 0);
        } else {
            view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)(s.wheel * WHEEL_DELTA)), 0);
        }
        Pump();
        const int expected = s.expected < 0 ? Limit() : s.expected;
        EXPECT_EQ(expected, Y());
        EXPECT_EQ(expected, const_cast<Tavrin::NeloScrollBar&>(view->GetVerticalBar()).GetScrollPos())
            << "the skinned bar follows";
    }
}

TEST_F(ScrollViewTest, ThumbDragReachesPositionsBeyondSixteenBits) {
    Open(RUNTIME_CLASS(CBandView));
    const Tavrin::NeloScrollBar& bar = view->GetVerticalBar();
    const CRect barRect = VerticalBar();
    const RECT thumb = bar.Layout().thumb;
    POINT from{barRect.left + (thumb.left + thumb.right) / 2, barRect.top + (thumb.top + thumb.bottom) / 2};
    // Down to the far end of the track, through the middle.
    MousePress(from);
    MouseTo(POINT{from.x, barRect.top + barRect.Height() / 2});
    MouseTo(POINT{from.x, barRect.bottom + 40});
    MouseRelease();
    Pump();
    EXPECT_EQ(Limit(), Y()) << "the thumb at the end of the track is the end of the drawing";
    EXPECT_GT(Y(), 65535);
    // The drawing shows the band of that position at the top of the view.
    const int top = Y();
    const COLORREF band = (top / 100) % 2 ? kBandOdd : kBandEven;
    const int inBand = 100 - top % 100 > 2 ? 1 : 3;
    EXPECT_COLOUR(band, ClientPixel(view->GetSafeHwnd(), 10, inBand));

    // Half way: a position in the middle of the drawing, well past 16 bits
    // of the thumb's travel.
    const RECT endThumb = bar.Layout().thumb;
    from = POINT{barRect.left + (endThumb.left + endThumb.right) / 2, barRect.top + (endThumb.top + endThumb.bottom) / 2};
    const int free = bar.Layout().FreeRun();
    MousePress(from);
    MouseTo(POINT{from.x, from.y - free / 4});
    MouseRelease();
    Pump();
    EXPECT_GT(Y(), 65535);
    EXPECT_LT(Y(), Limit());
    EXPECT_EQ(Y(), const_cast<Tavrin::NeloScrollBar&>(bar).GetScrollPos());
}

TEST_F(ScrollViewTest, ColoursRepaintBarsAndBorderAtOnce) {
    Open(RUNTIME_CLASS(CBandView));
    _ScrollViewColorInfo info = NeloScrollView::DefaultColorInfo();
    info.clrViewBorder = RGB(200, 0, 0);
    info.scrollBarColors.clrFrame = RGB(0, 200, 0);
    EXPECT_EQ(1, view->SetScrollViewColorInfo(info));
    quorvex_test::PumpUntilIdle();
    EXPECT_COLOUR(RGB(200, 0, 0), WindowPixel(view->GetSafeHwnd(), 0, 50));
    EXPECT_COLOUR(RGB(0, 200, 0), WindowPixel(view->GetVerticalBar().GetSafeHwnd(), 0, 40));
    _ScrollViewColorInfo back{};
    EXPECT_EQ(1, view->GetScrollViewColorInfo(back));
    EXPECT_EQ(RGB(0, 200, 0), back.scrollBarColors.clrFrame);
}

} // namespace
} // namespace menus_test
