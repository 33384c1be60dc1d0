// main() of the GUI tests: starts wxWidgets on the (virtual) display, turns
// toolkit asserts into test failures and cancels every modal dialog that no
// test expected, so that a stray dialog can never hang the run.

#include "GuiTest.h"

#include <wx/modalhook.h>
#include <wx/stopwatch.h>

namespace {

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wxWidgets assert in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

// Catches dialogs shown outside any wxTEST_DIALOG block.
class UnexpectedDialogHook : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dlg) override
    {
        wxString text = dlg->GetTitle();
        if (auto* box = dynamic_cast<wxMessageDialog*>(dlg))
            text = box->GetMessage();
        ADD_FAILURE() << "Unexpected modal dialog: \"" << text.utf8_string() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

} // namespace

void pumpEvents(int ms)
{
    wxStopWatch watch;
    do {
        wxYield();
        wxMilliSleep(5);
    } while (watch.Time() < ms);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "Cannot start wxWidgets: is a display available?\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxSetAssertHandler(failOnAssert);
    wxInitAllImageHandlers();

    UnexpectedDialogHook hook;
    hook.Register();
    const int result = RUN_ALL_TESTS();
    hook.Unregister();

    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
