#include "RichEditPage.h"

#include "richedit_page_ids.h"

RichEditPage::RichEditPage() : GalleryDialogPage(IDD_RICHEDIT_PAGE) {}

void RichEditPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RE_GROUP, m_group);
    DDX_Control(pDX, IDC_RE_RICH, m_rich);
    DDX_Control(pDX, IDC_RE_RICH_DISABLED, m_disabled);
}

namespace {

// Appends a run of text in a format of its own.
void Append(CRichEditCtrl& rich, LPCTSTR text, DWORD effects, COLORREF colour) {
    rich.SetSel(-1, -1);
    const long start = rich.GetTextLength();
    rich.ReplaceSel(text);
    rich.SetSel(start, -1);
    CHARFORMAT format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR;
    format.dwEffects = effects;
    format.crTextColor = colour;
    rich.SetSelectionCharFormat(format);
    rich.SetSel(-1, -1);
}

} // namespace

BOOL RichEditPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();
    // Formatting needs rich text: the text mode goes back to rich while the
    // box is still empty.
    m_rich.SendMessage(EM_SETTEXTMODE, TM_RICHTEXT, 0);
    const COLORREF text = RGB(6, 45, 117);
    Append(m_rich, L"Release notes\r\n", CFE_BOLD, text);
    Append(m_rich, L"Converted files keep their names; ", 0, text);
    Append(m_rich, L"a second file of the same name", CFE_ITALIC, RGB(180, 60, 20));
    Append(m_rich, L" is saved with a number after it.\r\n", 0, text);
    for (int i = 1; i <= 14; ++i) {
        CString line;
        line.Format(L"Line %02d: a line long enough to need the horizontal bar of the box, and then some more.\r\n",
                    i);
        Append(m_rich, line, i % 4 == 0 ? CFE_UNDERLINE : 0, text);
    }
    m_rich.SetSel(0, 0);
    m_disabled.SetWindowText(L"A disabled box shows its text in the disabled colour.");
    return TRUE;
}

void RichEditPage::FocusSample() {
    m_rich.SetFocus();
}
