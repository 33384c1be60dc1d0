#pragma once
// The application's side of the core's user interface: message boxes, the
// error log, the progress window and the sweep-range dialog.

#include <type_traits>

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

    void editSweepRanges(CObjectStore& store) override;

    void edit(CKeuningHYDRO& hull) override;
    void edit(Sulnarsetup& setup) override;

    // The progress window while a run is going on, else null.
    GaugeFrame* progressWindow() const { return gaugeFrame.get(); }

private:
    wxWeakRef<GaugeFrame> gaugeFrame;
};
