#include "SkinToolTipHost.h"

namespace Tavrin {

ToolTipHost::ToolTipHost() = default;

ToolTipHost::~ToolTipHost() = default;

bool ToolTipHost::Attach(CWnd* owner, bool systemDelays) {
    m_owner = owner;
    if (!m_tip)
        m_tip.reset(new NeloToolTipCtrl);
    // The tip window is owned by the owner's window and dies with it; an
    // object attached again to a new window needs a new tip window.
    if (!m_tip->GetSafeHwnd() && owner && owner->GetSafeHwnd() && m_tip->Create(owner))
        // The system's usual delays are those of the double click time; named
        // outright, because "-1 for the defaults" comes out as 65,535 ms on
        // platforms that read the delay as an unsigned word.
        m_tip->SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC,
                           MAKELPARAM(systemDelays ? ::GetDoubleClickTime() : 0, 0));
    return IsReady();
}

bool ToolTipHost::IsReady() const {
    return m_tip && m_tip->GetSafeHwnd() && ::IsWindow(m_tip->GetSafeHwnd());
}

bool ToolTipHost::SetTool(const CString& text) {
    if (!IsReady() || !m_owner || !m_owner->GetSafeHwnd())
        return false;
    // The tip learns about the mouse only from Relay, never by subclassing
    // the owner: that is what lets the owner keep it quiet.
    m_tip->DelTool(m_owner);
    return m_tip->AddTool(m_owner, text) != FALSE;
}

void ToolTipHost::RemoveTool() {
    if (IsReady() && m_owner && m_owner->GetSafeHwnd())
        m_tip->DelTool(m_owner);
}

void ToolTipHost::Relay(MSG* msg) {
    if (IsReady())
        m_tip->RelayEvent(msg);
}

int ToolTipHost::SetColours(const _ToolTipCtrlColorInfo& colours) {
    if (!IsReady())
        return 0;
    return m_tip->SetToolTipCtrlColorInfo(colours);
}

int ToolTipHost::ReadColours(_ToolTipCtrlColorInfo& colours) {
    if (!m_tip)
        return 1;
    return m_tip->GetToolTipCtrlColorInfo(colours);
}

int ToolTipHost::SetFont(const CString& face, const int& pointSize, int bold) {
    if (!m_tip)
        return 0;
    return m_tip->SetFont(face, pointSize, bold);
}

} // namespace Tavrin
