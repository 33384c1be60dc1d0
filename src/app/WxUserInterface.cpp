#include "WxUserInterface.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include "RunWindows.h"
#include "SailEditors.h"
#include "VPPDialog.h"
#include "mykeuningHYDRODialog.h"

WxUserInterface::~WxUserInterface()
{
    progressEnd();
}

void WxUserInterface::showMessage(const std::string& text, const std::string& caption, MessageIcon icon)
{
    long style = wxOK;
    switch (icon) {
    case MessageIcon::Information:
        style |= wxICON_INFORMATION;
        break;
    case MessageIcon::Warning:
        style |= wxICON_WARNING;
        break;
    case MessageIcon::Error:
        style |= wxICON_ERROR;
        break;
    }
    wxMessageDialog box(nullptr, wxString::FromUTF8(text), wxString::FromUTF8(caption), style);
    box.ShowModal();
}

void WxUserInterface::logError(const std::string& text)
{
    wxLogError("%s", wxString::FromUTF8(text));
}

void WxUserInterface::progressBegin()
{
    progressEnd();
    gaugeFrame = new GaugeFrame(nullptr);
    // The run owns the progress window until it ends: closing it is refused.
    gaugeFrame->Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
        if (event.CanVeto())
            event.Veto();
        else
            event.Skip();
    });
    gaugeFrame->Update();
    otherWindowsDisabled = std::make_unique<wxWindowDisabler>(gaugeFrame.get());
}

void WxUserInterface::progressUpdate(int percent)
{
    if (!gaugeFrame)
        return;
    const int value = std::clamp(percent, 0, 100);
    if (gaugeFrame->gauge->GetValue() == value) {
        progressKeepAlive();
        return;
    }
    gaugeFrame->gauge->SetValue(value);
    yieldToToolkit();
}

void WxUserInterface::progressKeepAlive()
{
    // Twice as often as a desktop needs an answer, so that the gaps between
    // two answers stay below 0.1 s; the yields cost the run a few percent.
    constexpr std::chrono::milliseconds interval(50);
    if (gaugeFrame && std::chrono::steady_clock::now() - lastYield >= interval)
        yieldToToolkit();
}

void WxUserInterface::yieldToToolkit()
{
    wxTheApp->Yield(true);
    lastYield = std::chrono::steady_clock::now();
}

void WxUserInterface::progressEnd()
{
    otherWindowsDisabled.reset();
    if (gaugeFrame)
        gaugeFrame->Destroy();
    gaugeFrame = nullptr;
}

void WxUserInterface::editSweepRanges(CObjectStore& store)
{
    ForceRangesDialog dialog(nullptr, wxID_ANY, wxEmptyString);
    fillForceRanges(dialog, store);
    if (dialog.ShowModal() == wxID_OK)
        readForceRanges(dialog, store);
}

void WxUserInterface::edit(CMain& object)
{
    editMainSail(object);
}

void WxUserInterface::edit(CJib& object)
{
    editJib(object);
}

void WxUserInterface::edit(CSpi& object)
{
    editSpinnaker(object);
}

void WxUserInterface::edit(CHsf& object)
{
    editHeadsailSetFlying(object);
}

void WxUserInterface::edit(CRig& object)
{
    editRig(object);
}

void WxUserInterface::edit(CKeuningHYDRO& object)
{
    editHull(object);
}

void WxUserInterface::edit(Sulnarsetup& object)
{
    editSetup(object);
}
