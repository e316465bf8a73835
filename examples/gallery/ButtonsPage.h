// The gallery's page of push buttons, statics, group boxes, progress bars
// and tooltips, each in every look it has. A child dialog of its own
// template, laid into the gallery; its controls are attached by data
// exchange.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class ButtonsPage : public GalleryDialogPage {
public:
    ButtonsPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnUpdatePinnedTip(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void ShowPinnedTip(bool show);


    Tavrin::NeloButton m_normal, m_hover, m_pressed, m_disabled, m_focused, m_stopped, m_icon, m_picture;
    Tavrin::NeloButton m_shapes[6];
    Tavrin::NeloButton m_leftTop, m_rightBottom;
    Tavrin::NeloButton m_tipButton;
    Tavrin::NeloStatic m_left, m_center, m_right, m_centerImage, m_iconStatic;
    Tavrin::NeloGroupBox m_groupButtons, m_groupStatics, m_groupBars, m_groupThick, m_groupRight;
    Tavrin::NeloProgressCtrl m_path, m_linear, m_barDisabled, m_verticalPath, m_verticalLinear;
    Tavrin::NeloToolTipCtrl m_pinnedTip;
    CBitmap m_pictureBitmap;
};
