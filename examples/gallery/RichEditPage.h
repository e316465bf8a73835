// The gallery's page of rich edits: one with formatted text (bold, italic,
// coloured runs, long lines) and both skinned bars, beside a disabled one.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class RichEditPage : public GalleryDialogPage {
public:
    RichEditPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    Tavrin::NeloGroupBox m_group;
    Tavrin::NeloRichEditCtrl m_rich, m_disabled;
};
