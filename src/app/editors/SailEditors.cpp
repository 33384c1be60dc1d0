#include "SailEditors.h"

#include <array>
#include <utility>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "CHsf.h"
#include "CJib.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "EditorControls.h"
#include "Translate.h"
#include "sailDialogs.h"

namespace {

// The spin controls of a dialog, each with the field it edits, in row order.
template <std::size_t N>
using SpinFields = std::array<std::pair<wxSpinCtrlDouble*, double*>, N>;

template <std::size_t N>
void fillSpins(const SpinFields<N>& spins)
{
    for (const auto& [spin, field] : spins)
        fillSpin(spin, *field);
}

template <std::size_t N>
void readSpins(const SpinFields<N>& spins)
{
    for (const auto& [spin, field] : spins)
        readSpin(spin, *field);
}

} // namespace

void editMainSail(CMain& sail)
{
    mainDialog dialog(nullptr, wxID_ANY, tr("Edit Main Sail"), wxDefaultPosition, wxSize(593, 468),
                      wxDEFAULT_DIALOG_STYLE);
    const SpinFields<7> spins{{{dialog.m_pSpin, &sail.P},
                               {dialog.m_eSpin, &sail.E},
                               {dialog.m_mqwSpin, &sail.MQW},
                               {dialog.m_mhwSpin, &sail.MHW},
                               {dialog.m_mtwSpin, &sail.MTW},
                               {dialog.m_muwSpin, &sail.MUW},
                               {dialog.m_mhbSpin, &sail.MHB}}};
    fillName(dialog.m_nameText, sail.name);
    fillSpins(spins);
    dialog.m_ltmCheck->SetValue(sail.LTM);
    fillChoice(dialog.m_adjustabilityChoice, sail.ADJUSTABILITY);
    if (dialog.ShowModal() != wxID_OK)
        return;
    readName(dialog.m_nameText, sail.name);
    readSpins(spins);
    sail.LTM = dialog.m_ltmCheck->GetValue();
    readChoice(dialog.m_adjustabilityChoice, sail.ADJUSTABILITY);
    // Area and centre of effort read the girth curve: fit it to the new widths.
    sail.fitGirthSpline();
}

void editJib(CJib& sail)
{
    jibDialog dialog(nullptr, wxID_ANY, tr("Edit  a JIB"), wxDefaultPosition, wxSize(707, 494),
                     wxDEFAULT_DIALOG_STYLE);
    const SpinFields<9> spins{{{dialog.m_hluMinSpin, &sail.HLUmin},
                               {dialog.m_hluMaxSpin, &sail.HLUmax},
                               {dialog.m_hlpMinSpin, &sail.HLPmin},
                               {dialog.m_hlpMaxSpin, &sail.HLPmax},
                               {dialog.m_hqwSpin, &sail.HQW},
                               {dialog.m_hhwSpin, &sail.HHW},
                               {dialog.m_htwSpin, &sail.HTW},
                               {dialog.m_huwSpin, &sail.HUW},
                               {dialog.m_hhbSpin, &sail.HHB}}};
    fillName(dialog.m_nameText, sail.name);
    fillSpins(spins);
    dialog.m_ltmCheck->SetValue(sail.LTM);
    dialog.m_sfjCheck->SetValue(sail.SFJLPgt110J);
    fillChoice(dialog.m_adjustabilityChoice, sail.ADJUSTABILITY);
    if (dialog.ShowModal() != wxID_OK)
        return;
    readName(dialog.m_nameText, sail.name);
    readSpins(spins);
    sail.LTM = dialog.m_ltmCheck->GetValue();
    sail.SFJLPgt110J = dialog.m_sfjCheck->GetValue();
    readChoice(dialog.m_adjustabilityChoice, sail.ADJUSTABILITY);
}

void editSpinnaker(CSpi& sail)
{
    spiDialog dialog(nullptr, wxID_ANY, tr("Edit Spinnakers"), wxDefaultPosition, wxSize(587, 359),
                     wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP);
    const SpinFields<5> spins{{{dialog.m_sluSpin, &sail.SLU},
                               {dialog.m_sleSpin, &sail.SLE},
                               {dialog.m_sflSpin, &sail.SFL},
                               {dialog.m_shwSpin, &sail.SHW},
                               {dialog.m_splSpin, &sail.SPL}}};
    fillName(dialog.m_nameText, sail.name);
    fillChoice(dialog.m_typeChoice, sail.SPITYPE);
    fillSpins(spins);
    if (dialog.ShowModal() != wxID_OK)
        return;
    readName(dialog.m_nameText, sail.name);
    readChoice(dialog.m_typeChoice, sail.SPITYPE);
    readSpins(spins);
}

void editHeadsailSetFlying(CHsf& sail)
{
    hsfDialog dialog(nullptr, wxID_ANY, tr("Edit Headsail Set Flying (HSF)"), wxDefaultPosition,
                     wxSize(692, 465), wxDEFAULT_DIALOG_STYLE);
    const SpinFields<7> spins{{{dialog.m_hluSpin, &sail.HLU},
                               {dialog.m_hlpSpin, &sail.HLP},
                               {dialog.m_hqwSpin, &sail.HQW},
                               {dialog.m_hhwSpin, &sail.HHW},
                               {dialog.m_htwSpin, &sail.HTW},
                               {dialog.m_huwSpin, &sail.HUW},
                               {dialog.m_hhbSpin, &sail.HHB}}};
    fillName(dialog.m_nameText, sail.name);
    fillSpins(spins);
    dialog.m_battensCheck->SetValue(sail.battens);
    if (dialog.ShowModal() != wxID_OK)
        return;
    readName(dialog.m_nameText, sail.name);
    readSpins(spins);
    sail.battens = dialog.m_battensCheck->GetValue();
    // The coefficients follow the new HHW/HLP; with HLP 0 the columns stay.
    sail.interpolateColumns();
}

void editRig(CRig& rig)
{
    rigDialog dialog(nullptr, wxID_ANY, tr("Edit Rig Dimensions"), wxDefaultPosition, wxSize(905, 790),
                     wxDEFAULT_DIALOG_STYLE);
    // Field order: the stay wire diameter is the first number row but the last field.
    const SpinFields<13> spins{{{dialog.m_bdSpin, &rig.BD},
                                {dialog.m_igSpin, &rig.IG},
                                {dialog.m_ispSpin, &rig.ISP},
                                {dialog.m_basSpin, &rig.BAS},
                                {dialog.m_jSpin, &rig.J},
                                {dialog.m_hdSpin, &rig.HD},
                                {dialog.m_tpsSpin, &rig.TPS},
                                {dialog.m_boaSpin, &rig.BOA},
                                {dialog.m_loaSpin, &rig.LOA},
                                {dialog.m_mwSpin, &rig.MW},
                                {dialog.m_mlSpin, &rig.ML},
                                {dialog.m_mhSpin, &rig.MH},
                                {dialog.m_dwSpin, &rig.DW}}};
    fillName(dialog.m_nameText, rig.name);
    fillSpins(spins);
    fillSpin(dialog.m_spreadersSpin, rig.N_SPREADERS);
    if (dialog.ShowModal() != wxID_OK)
        return;
    readName(dialog.m_nameText, rig.name);
    readSpins(spins);
    readSpin(dialog.m_spreadersSpin, rig.N_SPREADERS);
}
