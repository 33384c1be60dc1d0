#pragma once
// Fixture of the main window tests: an empty store, a fresh main window, the
// program's user interface (its messages come as message boxes), a file
// chooser that answers with `chosenPath`, a temporary directory `dir`, and
// message expectations.

#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/treectrl.h>
#include <wx/weakref.h>

#include "GuiTest.h"

#include "CMainFrame.h"
#include "FileChooser.h"
#include "ProjectTestSupport.h"
#include "WxUserInterface.h"
#include "plotwidget.h"

// A message box with exactly this text and caption, answered with `answer`.
struct ExpectMessage : wxExpectModalBase<wxMessageDialog, ExpectMessage> {
    ExpectMessage(const std::string& text, const std::string& caption, int answer)
        : expected(wxString::FromUTF8(text + " | " + caption)), answer(answer)
    {
        m_description = "message \"" + expected + "\"";
    }
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage() + " | " + dialog->GetCaption(), expected);
        return answer;
    }
    wxString expected;
    int answer;
};

inline ExpectMessage expectError(const std::string& text) { return ExpectMessage(text, "Error", wxID_OK); }

// Lets the toolkit delete the windows that were destroyed.
inline void finishDestruction()
{
    for (int i = 0; i < 3; ++i, pumpEvents(10))
        wxTheApp->ProcessIdle();
}

using Texts = std::vector<wxString>;

// The points of a curve in drawing order.
inline std::vector<std::pair<double, double>> points(plFXYVector* curve)
{
    std::vector<std::pair<double, double>> xy;
    double x, y;
    for (curve->Rewind(); curve->GetNextXY(x, y);)
        xy.emplace_back(x, y);
    return xy;
}

inline Texts items(wxChoice* choice)
{
    const wxArrayString strings = choice->GetStrings();
    return {strings.begin(), strings.end()};
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CObjectStore::resetInstance();
        previousInterface = installUserInterface(&windows);
        previousChooser = setFileChooser([this](wxWindow*, const wxString& message, const wxString& wildcard, long style) {
            chooserCalls.emplace_back(message, wildcard, style);
            return chosenPath;
        });
        frame = new CMainFrame(nullptr);
        frame->Show();
        pumpEvents(50);
    }
    void TearDown() override
    {
        if (frame)
            frame->Close(true);
        finishDestruction();
        setFileChooser(previousChooser);
        installUserInterface(previousInterface);
        CObjectStore::resetInstance();
    }

    static CObjectStore& store() { return CObjectStore::getInstance(); }
    static void addObject(const std::string& type, const std::string& name, double value = 0.0)
    {
        store().objects.push_back(std::make_unique<TestObject>(nlohmann::json{{"Name", name}, {"Value", value}}, type));
    }
    void menu(int id, wxEventType type = wxEVT_MENU)
    {
        wxCommandEvent event(type, id);
        frame->GetEventHandler()->ProcessEvent(event);
    }
    void loadExample()
    {
        chosenPath = SULNAR_EXAMPLES_DIR "/sulnar-example.json";
        menu(ID_LOAD_JSON);
    }

    // The texts of the leaves under tree node number `node`.
    std::vector<wxString> children(int node) const
    {
        std::vector<wxString> texts;
        wxTreeItemIdValue cookie;
        const wxTreeItemId parent = frame->treeNodes()[node];
        for (auto item = tree()->GetFirstChild(parent, cookie); item.IsOk(); item = tree()->GetNextChild(parent, cookie))
            texts.push_back(tree()->GetItemText(item));
        return texts;
    }
    // The leaf `name` under the category node `type`.
    wxTreeItemId leaf(const std::string& type, const std::string& name) const
    {
        wxTreeItemIdValue cookie;
        for (const wxTreeItemId& node : frame->treeNodes())
            for (auto item = tree()->GetFirstChild(node, cookie); item.IsOk(); item = tree()->GetNextChild(node, cookie))
                if (tree()->GetItemText(node).utf8_string() == type && tree()->GetItemText(item).utf8_string() == name)
                    return item;
        return {};
    }
    void select(const std::string& type, const std::string& name)
    {
        ASSERT_TRUE(leaf(type, name).IsOk()) << type << " " << name;
        tree()->SelectItem(leaf(type, name));
        ASSERT_EQ(frame->selectedItem(), leaf(type, name));
    }
    wxTreeCtrl* tree() const { return frame->m_objectTree; }


    using ChooserCall = std::tuple<wxString, wxString, long>; // message, wildcard, style

    wxWeakRef<CMainFrame> frame;
    TempDir dir;
    wxString chosenPath;
    std::vector<ChooserCall> chooserCalls;
    FileChooser previousChooser;
    WxUserInterface windows;
    UserInterface* previousInterface = nullptr;
};
