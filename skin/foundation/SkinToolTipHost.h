// The skinned tooltip a control owns: made when the control is attached (and
// made again when its window died with an earlier owner), holding exactly one
// tool for its owner, fed by relaying the owner's mouse messages, and taking
// the colours and font the control forwards to it. The push button uses it;
// every control with its own tips (list box, tab control) does the same.
#pragma once

#include "NeloToolTipCtrl.h"
#include "TavrinExport.h"

#include <memory>

namespace Tavrin {

class TAVRIN_API ToolTipHost {
public:
    ToolTipHost();
    ~ToolTipHost();
    ToolTipHost(const ToolTipHost&) = delete;
    ToolTipHost& operator=(const ToolTipHost&) = delete;

    // Makes sure a tip window exists for 'owner', shown at once when the
    // pointer rests (the automatic delays from 0), or after the system's
    // usual delays when 'systemDelays' is set. True when it exists.
    bool Attach(CWnd* owner, bool systemDelays = false);
    // A tip window exists.
    bool IsReady() const;

    // Exactly one tool, covering the owner, showing 'text' (an empty text
    // still makes a tool; it just shows nothing).
    bool SetTool(const CString& text);
    // Removes the owner's tool.
    void RemoveTool();
    // Hands a mouse message of the owner to the tip.
    void Relay(MSG* msg);

    // 0 without a tip window; the colours go to the tip as a whole.
    int SetColours(const _ToolTipCtrlColorInfo& colours);
    // Reads the tip's colours back (its text colour from the window); keeps
    // 'colours' and answers 1 when there is no tip yet.
    int ReadColours(_ToolTipCtrlColorInfo& colours);
    // 0 without a tip or for a size outside 1..100.
    int SetFont(const CString& face, const int& pointSize, int bold);

    NeloToolTipCtrl* Tip() const { return m_tip.get(); }

private:
    std::unique_ptr<NeloToolTipCtrl> m_tip;
    CWnd* m_owner = nullptr;
};

} // namespace Tavrin
