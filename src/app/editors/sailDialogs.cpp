#include "sailDialogs.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/settings.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "EditorControls.h"
#include "SailDrawings.h"
#include "SailForm.h"
#include "Translate.h"

mainDialog::mainDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                       const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SailForm form(this, 10, SailForm::Label::Left);
    m_nameText = form.add("Identifier for DataBase", "Name: ", form.newName());
    m_pSpin = form.add("Main Sail Luff", "P [m]:", newSpinControl(this));
    m_eSpin = form.add("Main Sail Foot", "E [m]:", newSpinControl(this));
    m_mqwSpin = form.add("Main Quarter Width", "MQW [m]:", newSpinControl(this));
    m_mhwSpin = form.add("Main Half Width", "MHW [m]:", newSpinControl(this));
    m_mtwSpin = form.add("Main Sail Three Quarter Width", "MTW [m]:", newSpinControl(this));
    m_muwSpin = form.add("Main Sail Upper Width", "MUW [m]:", newSpinControl(this));
    m_mhbSpin = form.add("Main Sail Headboard", "MHB [m]:", newSpinControl(this));
    m_ltmCheck = form.add("Low Tech Material for Sail", "LTM:", form.newCheck());
    m_adjustabilityChoice =
        form.add("Mast Bend Control", "ADJUSTABILITY", form.newChoice({"High", "Medium", "Low"}));
    m_drawing = form.finish(MainSailDrawing_bmp_to_wx_bitmap());
}

jibDialog::jibDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SailForm form(this, 0, SailForm::Label::Right);
    m_nameText = form.add("Identifier for DB", "Name:", form.newName());
    m_hluMinSpin = form.add("Headsail Luff min", "HLUmin [m]:", newSpinControl(this));
    m_hluMaxSpin = form.add("Headsail Luff max", "HLUmax [m]:", newSpinControl(this));
    m_hlpMinSpin = form.add("Headsail Luff Perpendicular min", "HLPmin [m]:", newSpinControl(this));
    m_hlpMaxSpin = form.add("Headsail Luf Perpendicular max", "HLPmax [m]:", newSpinControl(this));
    m_hqwSpin = form.add("Headsail Quarter Width @HLPmax", "HQW [m]:", newSpinControl(this));
    m_hhwSpin = form.add("Headsail Half Width @HLPmax", "HHW [m]:", newSpinControl(this));
    m_htwSpin = form.add("Headsail Threequarter Width @HLPmax", "HTW [m]:", newSpinControl(this));
    m_huwSpin = form.add("Headsail Upper Width @HLPmax", "HUW [m]:", newSpinControl(this));
    m_hhbSpin = form.add("Headsail Headboard", "HHB [m]:", newSpinControl(this));
    m_ltmCheck = form.add("Low Tech Material", "LTM:", form.newCheck());
    m_sfjCheck = form.add("Single Furled Jib HLP>110% J", "SFJLPgt110J:", form.newCheck());
    m_adjustabilityChoice = form.add("Forestay Tension Control", "ADJUSTABLILITY:",
                                     form.newChoice({"High", "Medium", "Low", ""}));
    m_drawing = form.finish(JibSailDrawing_bmp_to_wx_bitmap());
}

spiDialog::spiDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    SailForm form(this, 7, SailForm::Label::Right);
    m_nameText = form.add("Identifier in DB", "Name", form.newName());
    m_typeChoice = form.add("Spinnaker Type", "SPITYPE", form.newChoice({"SS", "ATOC", "ATOP"}),
                            SailForm::Label::Left);
    form.lastDescription()->SetToolTip(tr("SS: Symmetric Spinnaker\n"
                                          "ATOC: Asymmetric Spi Tacked on Centerline\n"
                                          "ATOP: Asymmetric Spi Tacked in Pole"));
    m_sluSpin = form.add("Spinnaker Luff Length", "SLU [m]:", newSpinControl(this));
    m_sleSpin = form.add("Spinnaker Leech Length", "SLE [m]:", newSpinControl(this));
    m_sflSpin = form.add("Spinnaker Foot Length", "SFL [m]:", newSpinControl(this));
    m_shwSpin = form.add("Spinnaker Mid Width", "SMW [m]:", newSpinControl(this));
    m_splSpin = form.add("Spinnaker Pole Length", "SPL [m]:", newSpinControl(this, {0.0, 100.0, 1.0, 0}));
    m_drawing = form.finish(SpiSailDrawing_bmp_to_wx_bitmap(), "For symmetric Spinnaker set SLU=SLE");
}

hsfDialog::hsfDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SailForm form(this, 0, SailForm::Label::Right);
    m_nameText = form.add("Identifier for DB", "Name:", form.newName());
    m_hluSpin = form.add("HSF Luff", "HLU [m]:", newSpinControl(this));
    m_hlpSpin = form.add("HSF Luff Perpendicular", "HLP [m]:", newSpinControl(this));
    m_hqwSpin = form.add("HSF Quarter Width", "HQW [m]:", newSpinControl(this));
    m_hhwSpin = form.add("HSF Half Width", "HHW [m]:", newSpinControl(this));
    m_htwSpin = form.add("HSF Threequarter Width", "HTW [m]:", newSpinControl(this));
    m_huwSpin = form.add("HSF Upper Width", "HUW [m]:", newSpinControl(this));
    m_hhbSpin = form.add("HSF Headboard", "HHB [m]", newSpinControl(this));
    m_battensCheck = form.add("Does HSF have sail buttons?", "battons:", form.newCheck());
    m_drawing = form.finish(HsfSailDrawing_bmp_to_wx_bitmap());
}

rigDialog::rigDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                     const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style)
{
    SailForm form(this, 0, SailForm::Label::Right);
    m_nameText = form.add("Identifier for DB", "Name:", form.newName());
    m_dwSpin = form.add("Stay Wire Diameter", "DW [m]:", newSpinControl(this, {0.0, 100.0, 0.001, 4}));
    m_bdSpin = form.add("Draft of Boom", "BD [m]:", newSpinControl(this, {0.0, 100.0, 0.01, 2}));
    m_igSpin = form.add("Distance Sheerline to forestay hound", "IG [m]:", newSpinControl(this));
    m_ispSpin = form.add("Distance Sheerline to Spi Hound", "ISP [m]:", newSpinControl(this));
    m_basSpin = form.add("Mainsail Base (Foot) above Sheerline", "BAS [m]:", newSpinControl(this));
    m_jSpin = form.add("Distance Jib Tack to Mast", "J [m]:", newSpinControl(this));
    m_hdSpin = form.add("Height of Sheerline above Waterline", "HD [m]:", newSpinControl(this));
    m_tpsSpin = form.add("Distance Spi (or HSF) tack to Mast", "TPS [m]:", newSpinControl(this));
    m_boaSpin = form.add("Beam over all", "BOA [m]:", newSpinControl(this));
    m_loaSpin = form.add("Length over All", "LOA [m]:", newSpinControl(this));
    m_mwSpin = form.add("Mast Transverse Dimension", "MW [m]:", newSpinControl(this));
    m_mlSpin = form.add("Mast Longitudinal Dimension", "ML [m]:", newSpinControl(this));
    m_mhSpin = form.add("Mast Height", "MH [m]:", newSpinControl(this));
    m_spreadersSpin = form.add("Number of Spreaders", "N_SPREADERS:", newSpinControl(this, 0, 10));
    m_drawing = form.finish(RigDrawing_bmp_to_wx_bitmap());
}
