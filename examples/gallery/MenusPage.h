// The gallery's page of menus and sliders: a skinned menu bar of four menus
// (sub-menus, check marks, radio items, greyed and image items), a context
// menu, and sliders of both orientations in every look. A child dialog of its
// own template; the sliders are attached by data exchange.
//
// "Gallery.exe /page menus /open-menu [view]" opens the File (or View) menu
// and a sub-menu shortly after start, so that a picture shows the popups.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class MenusPage : public GalleryDialogPage {
public:
    MenusPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    void SetUpMenus();
    void SetUpSliders();

    int m_demoMenu; // 1: File, 2: View, opened for a picture
    Tavrin::NeloMenu m_menu;
    Tavrin::NeloMenu m_context;
    Tavrin::NeloSliderCtrl m_normal, m_hover, m_pressed, m_disabled, m_focused, m_round, m_noPassed;
    Tavrin::NeloSliderCtrl m_verticalNormal, m_verticalDisabled, m_verticalRound, m_verticalPressed;
};
