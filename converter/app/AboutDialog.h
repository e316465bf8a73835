// The About box: the program's picture and version on a skinned frame.
#pragma once

#include <Tavrin.h>

class AboutDialog : public Tavrin::NeloDialog {
public:
    AboutDialog();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    Tavrin::NeloStatic m_picture;
    Tavrin::NeloStatic m_version;
};
