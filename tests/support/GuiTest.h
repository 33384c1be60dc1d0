#pragma once
// Shared pieces of the GUI tests: a strict dialog hook for wxTEST_DIALOG that
// fails the test and cancels any dialog nobody expected, and event-loop helpers.

#include <functional>

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

// Answers a modal dialog of kind Dialog by calling `answer`, which may fill
// the controls and returns the button that closes the dialog.
template <class Dialog>
class AnswerDialog : public wxExpectModalBase<Dialog, AnswerDialog<Dialog>> {
public:
    explicit AnswerDialog(std::function<int(Dialog&)> answer) : answer_(std::move(answer))
    {
        this->m_description = "dialog answered by the test";
    }

protected:
    int OnInvoked(Dialog* dialog) const override { return answer_(*dialog); }

private:
    std::function<int(Dialog&)> answer_;
};

// Lets the toolkit handle pending events for about `ms` milliseconds.
void pumpEvents(int ms = 100);
