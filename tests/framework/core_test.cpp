// CString, the geometry classes, run-time classes and the GDI wrappers,
// without windows.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

TEST(CStringTest, ConstructionAndConversion) {
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(0, empty.GetLength());
    EXPECT_STREQ(L"", (LPCTSTR)empty);

    CString fromNull((LPCTSTR) nullptr);
    EXPECT_TRUE(fromNull.IsEmpty());
    EXPECT_STREQ(L"abc", (LPCTSTR)CString("abc")); // narrow text converts
    EXPECT_STREQ(L"xxx", (LPCTSTR)CString(L'x', 3));
    EXPECT_STREQ(L"ab", (LPCTSTR)CString(L"abcdef", 2));

    CString moved(CString(L"move me"));
    EXPECT_STREQ(L"move me", (LPCTSTR)moved);
    CString copy = moved;
    copy.SetAt(0, L'M');
    EXPECT_STREQ(L"move me", (LPCTSTR)moved) << "copies never share a buffer";
}

TEST(CStringTest, ConcatenationAndComparison) {
    CString s = L"Con";
    s += L"vert";
    s += L' ';
    s += CString(L"to");
    EXPECT_STREQ(L"Convert to", (LPCTSTR)s);
    s += s; // appending itself
    EXPECT_STREQ(L"Convert toConvert to", (LPCTSTR)s);
    s += (LPCTSTR)s + 10; // appending a tail of itself
    EXPECT_EQ(30, s.GetLength());

    EXPECT_STREQ(L"a1b", (LPCTSTR)(L"a" + CString(L"1") + L"b"));
    EXPECT_TRUE(CString(L"abc") == L"abc");
    EXPECT_TRUE(L"abc" == CString(L"abc"));
    EXPECT_TRUE(CString(L"abc") != CString(L"abd"));
    EXPECT_TRUE(CString(L"abc") < CString(L"abd"));
    EXPECT_EQ(0, CString(L"Video").CompareNoCase(L"VIDEO"));
    EXPECT_GT(CString(L"b").Compare(L"a"), 0);
    EXPECT_LT(CString(L"A").Compare(L"a"), 0);
}

TEST(CStringTest, ExtractionClampsOutOfRangeArguments) {
    CString s = L"C:\\MyVideo\\clip.avi";
    struct Case {
        CString got;
        const wchar_t* expected;
    } cases[] = {
        {s.Left(2), L"C:"}, {s.Left(-1), L""},     {s.Left(100), s},          {s.Right(3), L"avi"},
        {s.Right(-5), L""}, {s.Right(100), s},     {s.Mid(3, 7), L"MyVideo"}, {s.Mid(11), L"clip.avi"},
        {s.Mid(100), L""},  {s.Mid(-3, 2), L"C:"}, {s.Mid(5, -1), L""},       {s.Mid(15, 100), L".avi"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, (LPCTSTR)c.got);
}

TEST(CStringTest, Searching) {
    CString s = L"a.b.c";
    EXPECT_EQ(1, s.Find(L'.'));
    EXPECT_EQ(3, s.Find(L'.', 2));
    EXPECT_EQ(-1, s.Find(L'x'));
    EXPECT_EQ(2, s.Find(L"b.c"));
    EXPECT_EQ(-1, s.Find(L"b", 10));
    EXPECT_EQ(3, s.ReverseFind(L'.'));
    EXPECT_EQ(-1, CString().ReverseFind(L'.'));
    EXPECT_EQ(1, s.FindOneOf(L".x"));
}

TEST(CStringTest, Editing) {
    CString s = L"one two one";
    EXPECT_EQ(2, s.Replace(L"one", L"three"));
    EXPECT_STREQ(L"three two three", (LPCTSTR)s);
    EXPECT_EQ(0, s.Replace(L"", L"x")) << "an empty pattern replaces nothing";
    EXPECT_EQ(1, s.Replace(L"three ", L""));
    EXPECT_STREQ(L"two three", (LPCTSTR)s);
    EXPECT_EQ(2, s.Replace(L't', L'T'));
    EXPECT_STREQ(L"Two Three", (LPCTSTR)s);
    EXPECT_EQ(1, s.Remove(L' '));
    EXPECT_STREQ(L"TwoThree", (LPCTSTR)s);
    s.Insert(3, L"-");
    s.Insert(100, L'!');
    EXPECT_STREQ(L"Two-Three!", (LPCTSTR)s);
    s.Delete(3, 100);
    EXPECT_STREQ(L"Two", (LPCTSTR)s);
    s.MakeUpper();
    EXPECT_STREQ(L"TWO", (LPCTSTR)s);
    s.MakeLower();
    EXPECT_STREQ(L"two", (LPCTSTR)s);

    CString t = L" \t padded \r\n";
    t.TrimLeft();
    t.TrimRight();
    EXPECT_STREQ(L"padded", (LPCTSTR)t);
    CString u = L"xxhixx";
    u.TrimLeft(L'x');
    u.TrimRight(L"x");
    EXPECT_STREQ(L"hi", (LPCTSTR)u);
    CString blank = L"   ";
    blank.Trim();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(CStringTest, FormatTakesCStringArgumentsAndWideStrings) {
    CString name = L"clip.avi";
    CString s;
    s.Format(L"The file [ %s ] is in the list.", name);
    EXPECT_STREQ(L"The file [ clip.avi ] is in the list.", (LPCTSTR)s);
    s.Format(L"%d.%d%%", 45, 6);
    EXPECT_STREQ(L"45.6%", (LPCTSTR)s);
    s.Format(L"%s|%5.1f|%c|%S", L"wide", 2.5, L'Z', "narrow");
    EXPECT_STREQ(L"wide|  2.5|Z|narrow", (LPCTSTR)s);
    s.AppendFormat(L"+%u", 7u);
    EXPECT_STREQ(L"wide|  2.5|Z|narrow+7", (LPCTSTR)s);
    CString big;
    big.Format(L"%s%s", (LPCTSTR)CString(L'a', 3000), (LPCTSTR)CString(L'b', 3000));
    EXPECT_EQ(6000, big.GetLength());
    s.Format(L"%s", name); // formatting into a string from its own family
    s.Format(L"[%s]", s);
    EXPECT_STREQ(L"[clip.avi]", (LPCTSTR)s);
}

TEST(CStringTest, BufferAccess) {
    CString s;
    LPWSTR p = s.GetBuffer(10);
    wcscpy(p, L"hello");
    s.ReleaseBuffer();
    EXPECT_EQ(5, s.GetLength());
    p = s.GetBuffer(0);
    p[1] = L'a';
    s.ReleaseBuffer(2);
    EXPECT_STREQ(L"ha", (LPCTSTR)s);
    p = s.GetBufferSetLength(4);
    p[2] = L'!';
    p[3] = L'?';
    s.ReleaseBuffer();
    EXPECT_STREQ(L"ha!?", (LPCTSTR)s);
    CString e;
    e.GetBuffer(0)[0] = 0; // writable even when empty
    e.ReleaseBuffer();
    EXPECT_TRUE(e.IsEmpty());
    BSTR b = CString(L"sys").AllocSysString();
    EXPECT_EQ(3u, SysStringLen(b));
    SysFreeString(b);
}

TEST(CStringTest, ExtractSubString) {
    CString part;
    EXPECT_TRUE(AfxExtractSubString(part, L"a|bb|c", 1, L'|'));
    EXPECT_STREQ(L"bb", (LPCTSTR)part);
    EXPECT_FALSE(AfxExtractSubString(part, L"a|bb|c", 3, L'|'));
}

TEST(GeometryTest, RectPointSize) {
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 70))) << "right and bottom are outside";
    CRect d = r;
    d.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(11, 22, 107, 66), d);
    d.InflateRect(1, 1);
    d.OffsetRect(CPoint(5, 5));
    EXPECT_EQ(CRect(15, 26, 113, 72), d);
    EXPECT_EQ(CRect(15, 26, 110, 70), r & d);
    EXPECT_EQ(CRect(10, 20, 113, 72), r | d);
    CRect n(5, 5, 1, 1);
    n.NormalizeRect();
    EXPECT_EQ(CRect(1, 1, 5, 5), n);
    n.MoveToXY(10, 10);
    EXPECT_EQ(CRect(10, 10, 14, 14), n);
    EXPECT_EQ(CSize(4, 4), n.Size());
    CPoint p(0x0010FFFE); // a message's lParam: signed 16-bit halves
    EXPECT_EQ(-2, p.x);
    EXPECT_EQ(16, p.y);
    EXPECT_EQ(CSize(3, 4), CPoint(5, 6) - CPoint(2, 2));
    EXPECT_EQ(CPoint(7, 8), CPoint(5, 6) + CSize(2, 2));
}

class CShape : public CObject {
    DECLARE_DYNCREATE(CShape)
};
IMPLEMENT_DYNCREATE(CShape, CObject)
class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClassTest, KindOfAndDynamicCreation) {
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    CShape shape;
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CCircle, &shape));
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CCircle, &circle));
    CRuntimeClass* rc = CRuntimeClass::FromName(L"CCircle");
    ASSERT_NE(nullptr, rc);
    CObject* created = rc->CreateObject();
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CCircle)));
    delete created;
    EXPECT_TRUE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)));
}

TEST(GdiTest, OwningObjectsAreCountedAndDeleted) {
    LONG base = AfxGetLiveGdiObjectCount();
    HBRUSH raw;
    {
        CBrush brush(RGB(1, 2, 3));
        CPen pen(PS_SOLID, 1, RGB(4, 5, 6));
        CRgn rgn;
        EXPECT_TRUE(rgn.CreateRoundRectRgn(0, 0, 20, 20, 5, 5));
        CFont font;
        EXPECT_TRUE(font.CreatePointFont(100, L"Arial"));
        EXPECT_EQ(base + 4, AfxGetLiveGdiObjectCount());
        raw = (HBRUSH)brush.GetSafeHandle();
        EXPECT_EQ(OBJ_BRUSH, (int)GetObjectType(raw));
        LOGFONT lf;
        EXPECT_GT(font.GetLogFont(&lf), 0);
        EXPECT_LT(lf.lfHeight, 0);
    }
    EXPECT_EQ(base, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(0u, GetObjectType(raw)) << "the brush was deleted with its owner";

    CBrush detached(RGB(9, 9, 9));
    HGDIOBJ h = detached.Detach();
    EXPECT_EQ(base, AfxGetLiveGdiObjectCount());
    DeleteObject(h);
}

TEST(GdiTest, MemoryDcDrawsAndSelectionComesBackAsTemporaries) {
    LONG base = AfxGetLiveGdiObjectCount();
    CClientDC screen(nullptr);
    {
        CDC mem;
        ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 16, 16));
        AfxLockTempMaps();
        CBitmap* pOld = mem.SelectObject(&bmp);
        ASSERT_NE(nullptr, pOld);
        EXPECT_GT(AfxGetTempObjectCount(), 0);
        mem.FillSolidRect(CRect(0, 0, 16, 16), RGB(200, 10, 20));
        mem.Draw3dRect(CRect(0, 0, 16, 16), RGB(1, 1, 1), RGB(2, 2, 2));
        EXPECT_EQ(RGB(200, 10, 20), mem.GetPixel(5, 5));
        EXPECT_EQ(RGB(1, 1, 1), mem.GetPixel(0, 0));
        EXPECT_EQ(RGB(2, 2, 2), mem.GetPixel(15, 15));
        CRgn rgn;
        rgn.CreateRectRgn(2, 2, 6, 6);
        CBrush blue(RGB(0, 0, 255));
        mem.FrameRgn(&rgn, &blue, 1, 1);
        EXPECT_EQ(RGB(0, 0, 255), mem.GetPixel(2, 2));
        mem.SelectObject(pOld);
        AfxUnlockTempMaps();
        EXPECT_EQ(0, AfxGetTempObjectCount()) << "temporaries end with their scope";
    }
    EXPECT_EQ(base + 1, AfxGetLiveGdiObjectCount()) << "only the screen DC is still held";
}

TEST(GdiTest, TemporaryNeverDeletesABorrowedHandle) {
    HBRUSH stock = (HBRUSH)GetStockObject(GRAY_BRUSH);
    HBRUSH own = CreateSolidBrush(RGB(7, 7, 7));
    AfxLockTempMaps();
    CBrush* p = CBrush::FromHandle(own);
    EXPECT_EQ(own, (HBRUSH)*p);
    EXPECT_EQ(p, CBrush::FromHandle(own)) << "one temporary per handle";
    CGdiObject* s = CGdiObject::FromHandle(stock);
    EXPECT_NE(nullptr, dynamic_cast<CBrush*>(s)) << "the temporary has the object's own class";
    AfxUnlockTempMaps();
    EXPECT_EQ((DWORD)OBJ_BRUSH, GetObjectType(own));
    DeleteObject(own);
}

} // namespace
