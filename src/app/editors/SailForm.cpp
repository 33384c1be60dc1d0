#include "SailForm.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "Translate.h"

namespace {

// Border around every cell: GTK controls are larger than those the editors'
// sizes were made for, so a narrower border than usual lets the rows fit.
constexpr int cellBorder = 3;

wxStaticText* newText(wxWindow* parent, const char* text)
{
    auto* label = new wxStaticText(parent, wxID_ANY, tr(text));
    label->Wrap(-1);
    return label;
}

} // namespace

SailForm::SailForm(wxDialog* dialog, int rows, Label labels)
    : dialog_(dialog), form_(new wxFlexGridSizer(rows, 3, 0, 0)), labels_(labels)
{
    // The controls inherit the smaller font.
    dialog->SetFont(dialog->GetFont().Smaller());
    form_->SetFlexibleDirection(wxBOTH);
    form_->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);
}

void SailForm::addRow(const char* description, const char* label, wxWindow* control, Label labelSide)
{
    descriptions_.push_back(newText(dialog_, description));
    form_->Add(descriptions_.back(), 0, wxALL | wxALIGN_CENTER_VERTICAL, cellBorder);
    const int side = labelSide == Label::Right ? wxALIGN_RIGHT : 0;
    form_->Add(newText(dialog_, label), 0, wxALL | wxALIGN_CENTER_VERTICAL | side, cellBorder);
    form_->Add(control, 0, wxALL | wxALIGN_CENTER_VERTICAL, cellBorder);
}

wxTextCtrl* SailForm::newName() const
{
    return new wxTextCtrl(dialog_, wxID_ANY, wxEmptyString);
}

wxCheckBox* SailForm::newCheck() const
{
    return new wxCheckBox(dialog_, wxID_ANY, wxEmptyString);
}

wxChoice* SailForm::newChoice(std::initializer_list<const char*> items) const
{
    auto* choice = new wxChoice(dialog_, wxID_ANY);
    for (const char* item : items)
        choice->Append(tr(item));
    choice->SetSelection(0);
    return choice;
}

wxStaticBitmap* SailForm::finish(const wxBitmap& drawing, const char* note)
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(form_, 1, wxEXPAND, 5);

    auto* buttons = new wxStdDialogButtonSizer();
    buttons->AddButton(new wxButton(dialog_, wxID_OK));
    buttons->AddButton(new wxButton(dialog_, wxID_CANCEL));
    buttons->Realize();
    column->Add(buttons, 1, wxEXPAND, 5);
    if (note)
        column->Add(newText(dialog_, note), 0, wxALL, 5);

    auto* outer = new wxBoxSizer(wxHORIZONTAL);
    outer->Add(column, 1, wxEXPAND, 5);
    auto* picture = new wxStaticBitmap(dialog_, wxID_ANY, drawing);
    outer->Add(picture, 0, wxALL, 5);

    const int room = dialog_->GetClientSize().x - drawing.GetWidth() - 2 * 5;
    const int excess = form_->CalcMin().x - room;
    if (excess > 0) {
        int widest = 0;
        for (wxStaticText* text : descriptions_)
            widest = std::max(widest, text->GetBestSize().x);
        for (wxStaticText* text : descriptions_)
            text->Wrap(widest - excess);
    }

    dialog_->SetSizer(outer);
    dialog_->Layout();
    dialog_->Centre(wxBOTH);
    return picture;
}
