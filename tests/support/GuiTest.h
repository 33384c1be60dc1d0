#pragma once
// Shared pieces of the GUI tests: a strict dialog hook for wxTEST_DIALOG that
// fails the test and cancels any dialog nobody expected, and event-loop helpers.

#include <gtest/gtest.h>
#include <wx/wx.h>

class StrictDialogHook;
#define wxTEST_DIALOG_HOOK_CLASS StrictDialogHook
#include <wx/testing.h>

class StrictDialogHook : public wxTestingModalHook {
public:
    StrictDialogHook(const char* file = nullptr, int line = 0, const char* func = nullptr)
        : wxTestingModalHook(file, line, func)
    {
    }

protected:
    int Enter(wxDialog* dlg) override
    {
        const int result = wxTestingModalHook::Enter(dlg);
        return result == wxID_NONE ? wxID_CANCEL : result;
    }
    void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg.utf8_string(); }
};

// Lets the toolkit handle pending events for about `ms` milliseconds.
void pumpEvents(int ms = 100);
