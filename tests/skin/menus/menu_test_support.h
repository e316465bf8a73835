// The host of the menu and slider tests and what driving a menu needs: a
// script of steps run from a thread timer, so that real input reaches the
// popups while their own nested loops are dispatching; the open popups in
// the order they opened; the bar's items laid out from measured texts.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "menus_test_ids.h"

namespace menus_test {

using quorvex_test::Capture;
using quorvex_test::HostDialog;

class MenusHost : public HostDialog {
public:
    MenusHost();

    std::unique_ptr<Tavrin::NeloMenu> menu;
    Tavrin::NeloSliderCtrl templateSlider;
    Tavrin::NeloSliderCtrl templateVertical;

    // WM_COMMAND with lParam 0 (menu commands), in arrival order.
    std::vector<UINT> menuCommands;
    int okOrCancel = 0;        // the dialog's own Return and Escape handling
    int menuOpenAtCommand = 0; // commands that arrived while a popup or capture was still there
    // The command that opens the modal probe dialog (0: none) and its result.
    UINT modalCommand = 0;
    INT_PTR modalResult = 0;
    // Deletes the menu when this message arrives (sent while a popup is open).
    static const UINT kDeleteMenu = WM_APP + 9;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override { ++okOrCancel; }
    void OnCancel() override { ++okOrCancel; }
};

// Steps run one per timer tick from whatever loop is dispatching; a step
// returns true when it is done. Past its deadline a script releases the
// mouse capture, which closes any open popup, and counts as failed.
class Script {
public:
    using Step = std::function<bool()>;
    explicit Script(std::vector<Step> steps, DWORD deadlineMs = 8000);
    ~Script();
    void Start();
    bool Done() const { return m_next >= m_steps.size() || m_failed; }
    bool Failed() const { return m_failed; }
    size_t StepReached() const { return m_next; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void Advance();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    bool m_failed = false;
    bool m_busy = false;
    DWORD m_deadline;
    DWORD m_started = 0;
    UINT_PTR m_timer = 0;
};

// Real keyboard input: a key pressed and released (with Alt held when asked).
void PressKey(WORD key, bool withAlt = false);
void MoveMouse(POINT screen);
// The visible menu popups, the top-level one first.
std::vector<HWND> Popups();
Tavrin::NeloMenuPopupWnd* PopupObject(HWND popup);

// A point in row 'commands' of a popup counting the items and separators
// above it: popups rows are 24 high, separators 1, inside a one-pixel border.
POINT PopupItemPoint(HWND popup, int commandsAbove, int separatorsAbove);

// The bar's items as the bar's description lays them out: each the width of
// its text in 10-point Arial + 25, edge to edge from x = 0 (client = screen
// coordinates, the host sits at the screen's corner and the bar at its top).
std::vector<RECT> ExpectedBarItems(const std::vector<const wchar_t*>& texts);
// Width of a text in 10-point Arial, measured here.
int ArialTenWidth(const wchar_t* text);

class MenuTest : public quorvex_test::HostTest<MenusHost> {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs a script while pumping; true when every step was done and no
    // popup is left open.
    bool Run(Script& script, DWORD timeoutMs = 12000);
    HWND Bar() const;
    POINT BarItemCentre(int item) const;
    std::vector<RECT> barItems; // File, Edit, Options, Help
};

} // namespace menus_test
