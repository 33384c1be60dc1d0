#pragma once
// The application's side of the core's user interface: message boxes, the
// error log, the progress window, the sweep-range dialog and the editors of
// the design objects.

#include <chrono>
#include <memory>
#include <type_traits>

#include <wx/utils.h>
#include <wx/weakref.h>

#include "RunWindows.h"
#include "UserInterface.h"

class WxUserInterface : public UserInterface {
public:
    ~WxUserInterface() override;

    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
    void logError(const std::string& text) override;

    void progressBegin() override;
    void progressUpdate(int percent) override;
    void progressEnd() override;
    void progressKeepAlive() override;

    void editSweepRanges(CObjectStore& store) override;

    using UserInterface::edit;
    void edit(CMain& object) override;
    void edit(CJib& object) override;
    void edit(CSpi& object) override;
    void edit(CHsf& object) override;
    void edit(CRig& object) override;
    void edit(CKeuningHYDRO& object) override;
    void edit(Sulnarsetup& object) override;

    // The progress window while a run is going on, else null.
    GaugeFrame* progressWindow() const { return gaugeFrame.get(); }

private:
    // Lets the toolkit paint and answer, while every other window stays disabled.
    void yieldToToolkit();

    wxWeakRef<GaugeFrame> gaugeFrame;
    std::chrono::steady_clock::time_point lastYield;
    // Every other window is disabled once for the whole run: disabling and
    // enabling them at each step of the gauge took most of a run's time.
    std::unique_ptr<wxWindowDisabler> otherWindowsDisabled;
};
