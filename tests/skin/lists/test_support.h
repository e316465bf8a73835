// The host of the edit box tests: a framework dialog at the screen's
// top-left corner whose template boxes are attached by data exchange, as
// applications attach them. The rest of the kit is the shared one.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace lists_test {

using quorvex_test::ClientPixel;
using quorvex_test::CountGdi;
using quorvex_test::WindowPixel;
using quorvex_test::GdiCounts;
using quorvex_test::HostDialog;

class EditHost : public HostDialog {
public:
    EditHost();

    Tavrin::NeloEdit templateEdit;
    Tavrin::NeloEdit templateMemo;
    CString exchanged; // the template box's text through DDX_Text
    Tavrin::NeloGroupBox richGroup;
    Tavrin::NeloRichEditCtrl templateRich;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

using HostTest = quorvex_test::HostTest<EditHost>;

// Mouse input one event at a time, pumped after each.
void MouseTo(POINT screen);
void MouseClick(POINT screen);

} // namespace lists_test
