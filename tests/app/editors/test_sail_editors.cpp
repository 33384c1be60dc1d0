// The sail and rig editors, opened from the main window's tree through the
// real modal path and answered by the test hook.

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "EditorTest.h"

#include "CHsf.h"
#include "CMain.h"
#include "SailDrawings.h"

namespace {

using json = nlohmann::json;

// New contents of an editor's controls in row order: the name, the numbers,
// the flags and the choice's word.
struct Controls {
    std::string name;
    std::vector<double> numbers;
    std::vector<bool> flags;
    std::string word;
};

// An answer that types into the controls of the dialog and closes it with `button`.
std::function<int(wxDialog&)> fill(const Controls& controls, int button)
{
    return [=](wxDialog& dialog) {
        std::size_t number = 0;
        std::size_t flag = 0;
        for (wxWindow* child : dialog.GetChildren()) {
            if (dynamic_cast<wxTextCtrl*>(child))
                type(child, controls.name);
            else if (dynamic_cast<wxSpinCtrlBase*>(child))
                type(child, wxString::Format("%g", controls.numbers.at(number++)).utf8_string());
            else if (auto* check = dynamic_cast<wxCheckBox*>(child))
                check->SetValue(controls.flags.at(flag++));
            else if (auto* choice = dynamic_cast<wxChoice*>(child)) {
                EXPECT_TRUE(choice->SetStringSelection(controls.word)) << controls.word;
            }
        }
        EXPECT_EQ(std::pair(number, flag), std::pair(controls.numbers.size(), controls.flags.size()));
        return button;
    };
}

using SailEditors = EditorTest;

TEST_F(SailEditors, CancelChangesNothingAndOkWritesEveryRowToItsField)
{
    struct Case {
        const char* type;
        const char* name;
        Controls controls;
        json expected;
    };
    const Case cases[] = {
        // MTW 1.35 shows "1.4": typed again, it is the user's value.
        {"MAIN", "Main 10m", {"Großsegel", {12.5, 4.4, 3.3, 2.4, 1.4, 0.9, 0.2}, {true}, "Low"},
         {{"Name", "Großsegel"}, {"P", 12.5}, {"E", 4.4}, {"MQW", 3.3}, {"MHW", 2.4}, {"MTW", 1.4}, {"MUW", 0.9},
          {"MHB", 0.2}, {"LTM", true}, {"ADJUSTABILITY", "Low"}}},
        {"JIB", "Jib 105%", {"Fock", {11.5, 12.1, 3.6, 4.1, 3.0, 2.0, 1.1, 0.6, 0.2}, {true, true}, ""},
         {{"Name", "Fock"}, {"HLUmin", 11.5}, {"HLUmax", 12.1}, {"HLPmin", 3.6}, {"HLPmax", 4.1}, {"HQW", 3.0},
          {"HHW", 2.0}, {"HTW", 1.1}, {"HUW", 0.6}, {"HHB", 0.2}, {"LTM", true}, {"SFJLPgt110J", true},
          {"ADJUSTABILITY", ""}}},
        // The row "SMW" edits "SHW"; the pole length shows whole metres, so 4.3 typed is stored rounded.
        {"SPI", "Symmetric spinnaker", {"A2", {13.1, 12.4, 7.2, 6.9, 4.3}, {}, "ATOP"},
         {{"Name", "A2"}, {"SPITYPE", "ATOP"}, {"SLU", 13.1}, {"SLE", 12.4}, {"SFL", 7.2}, {"SHW", 6.9}, {"SPL", 4.0}}},
        {"HSF", "Code zero", {"Code 0", {12.9, 5.5, 4.3, 3.2, 1.9, 1.0, 0.2}, {true}, ""},
         {{"Name", "Code 0"}, {"HLU", 12.9}, {"HLP", 5.5}, {"HQW", 4.3}, {"HHW", 3.2}, {"HTW", 1.9}, {"HUW", 1.0},
          {"HHB", 0.2}, {"battens", true}}},
        // The stay wire diameter is the first number row, the spreaders the last.
        {"RIG", "Fractional rig",
         {"Rigg", {0.0095, 0.25, 12.6, 13.3, 1.3, 3.9, 1.1, 4.1, 3.3, 10.6, 0.4, 0.3, 14.4, 3}, {}, ""},
         {{"Name", "Rigg"}, {"DW", 0.0095}, {"BD", 0.25}, {"IG", 12.6}, {"ISP", 13.3}, {"BAS", 1.3}, {"J", 3.9},
          {"HD", 1.1}, {"TPS", 4.1}, {"BOA", 3.3}, {"LOA", 10.6}, {"MW", 0.4}, {"ML", 0.3}, {"MH", 14.4},
          {"N_SPREADERS", 3}}},
    };
    loadExample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CObject* object = store().findObject(c.name, c.type);
        const json before = object->makeJSON();
        edit(*object, fill(c.controls, wxID_CANCEL));
        EXPECT_EQ(object->makeJSON(), before);
        edit(*object, fill(c.controls, wxID_OK));
        EXPECT_EQ(object->makeJSON(), c.expected);
    }
    EXPECT_TRUE(frame->storeChanged());
}

TEST_F(SailEditors, OkFitsTheMainSailAgainAndMovesTheHeadsailSetFlyingTables)
{
    // Widths falling linearly from 4 m at the foot to 0 at the 8 m head: the
    // girth curve is that line and the area (8/8)(4 + 2·3 + 2·2 + 1.5·1 + 0.5 + 0) = 16 m².
    auto* main = static_cast<CMain*>(add("MAIN", {{"Name", "M"}}));
    edit(*main, fill({"M", {8, 4, 3, 2, 1, 0.5, 0}, {false}, "High"}, wxID_OK));
    EXPECT_DOUBLE_EQ(main->getArea(8, 0, 0, 0)[2], 16.0);

    // HHW/HLP = 3.9/5 = 0.78 is a column of the tables: at 35° Cd 0.184, Cl 0.902.
    // HLP 0 afterwards keeps that column.
    auto* hsf = static_cast<CHsf*>(add("HSF", {{"Name", "H"}, {"HLP", 5.0}, {"HHW", 3.4}}));
    for (double hlp : {5.0, 0.0}) {
        edit(*hsf, fill({"H", {12, hlp, 4, 3.9, 2, 1, 0.1}, {false}, ""}, wxID_OK));
        EXPECT_EQ(hsf->HLP, hlp);
        EXPECT_NEAR(hsf->getCoefficients(35)[0], 0.184, 1e-9);
        EXPECT_NEAR(hsf->getCoefficients(35)[1], 0.902, 1e-9);
    }
}

TEST_F(SailEditors, DialogsFitTheirSizeAndShareTheirDrawing)
{
    struct Case {
        const char* type;
        const char* name;
        const char* title;
        wxSize size;
        const wxBitmap& (*drawing)();
        wxSize drawingSize;
    };
    const Case cases[] = {
        {"MAIN", "Main 10m", "Edit Main Sail", {593, 468}, MainSailDrawing_bmp_to_wx_bitmap, {163, 406}},
        {"JIB", "Jib 105%", "Edit  a JIB", {707, 494}, JibSailDrawing_bmp_to_wx_bitmap, {250, 393}},
        {"SPI", "Symmetric spinnaker", "Edit Spinnakers", {587, 359}, SpiSailDrawing_bmp_to_wx_bitmap, {250, 312}},
        {"HSF", "Code zero", "Edit Headsail Set Flying (HSF)", {692, 465}, HsfSailDrawing_bmp_to_wx_bitmap,
         {288, 375}},
        {"RIG", "Fractional rig", "Edit Rig Dimensions", {905, 790}, RigDrawing_bmp_to_wx_bitmap, {476, 724}},
    };
    loadExample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(c.drawing().GetSize(), c.drawingSize);
        // Opened twice: both show the one decoded bitmap.
        for (int showing = 0; showing < 2; ++showing) {
            edit(*store().findObject(c.name, c.type), [&](wxDialog& dialog) {
                EXPECT_EQ(dialog.GetTitle(), c.title);
                EXPECT_EQ(dialog.GetSize(), c.size);
                // Shown, so that GTK gives the controls their real sizes.
                dialog.Show();
                pumpEvents(50);
                const wxRect client(dialog.GetClientSize());
                std::vector<wxRect> placed;
                for (wxWindow* child : dialog.GetChildren()) {
                    const wxRect rect = child->GetRect();
                    EXPECT_TRUE(client.Contains(rect)) << child->GetClassInfo()->GetClassName();
                    for (const wxRect& other : placed)
                        EXPECT_FALSE(rect.Intersects(other)) << child->GetClassInfo()->GetClassName();
                    placed.push_back(rect);
                    if (auto* picture = dynamic_cast<wxStaticBitmap*>(child)) {
                        EXPECT_TRUE(picture->GetBitmap().IsSameAs(c.drawing()));
                    }
                }
                return wxID_CANCEL;
            });
        }
    }
}

} // namespace
