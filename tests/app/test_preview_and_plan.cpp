// The sail plan's outlines and the preview's sampling, first without a window
// against values worked out by hand for a small made-up boat (a 3-4-5
// fore-triangle: cos 0.6, sin 0.8 along the forestay), then in the main window
// with the example project loaded.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <wx/spinctrl.h>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "MainFrameTest.h"
#include "ObjectPreview.h"
#include "SailPlan.h"

using Points = std::vector<std::pair<double, double>>;

static void expectPoints(const PlanLayer& layer, const Points& expected)
{
    ASSERT_EQ(layer.xs.size(), expected.size()) << layer.name;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_LT(std::abs(layer.xs[i] - expected[i].first) + std::abs(layer.ys[i] - expected[i].second), 1e-9) << layer.name << i;
}

// "name count" of each layer of a plot from `first` on, count being its number of points.
static Texts layers(plWindow* plot, unsigned first = 0)
{
    Texts found;
    for (unsigned i = first; i < plot->CountAllLayers(); ++i) {
        auto* curve = dynamic_cast<plFXYVector*>(plot->GetLayer(i));
        found.push_back(wxString::Format("%s %zu", plot->GetLayer(i)->GetName(), curve ? points(curve).size() : 0));
    }
    return found;
}

TEST_F(MainFrameTest, PlanAndPreviewFirstWithoutThenInTheWindow)
{
    CMain main({{"P", 8}, {"E", 3}, {"MQW", 2.5}, {"MHW", 2}, {"MTW", 1}, {"MUW", 0.6}, {"MHB", 0.2}}, "MAIN");
    CJib jib({{"HLUmin", 9}, {"HLUmax", 11}, {"HLPmin", 2}, {"HLPmax", 4}, {"HQW", 3}, {"HHW", 2}, {"HTW", 1}, {"HUW", 0.5},
              {"HHB", 0.1}}, "JIB");
    CSpi spi({{"SLU", 10}, {"SLE", 9}, {"SFL", 5}, {"SHW", 4}, {"SPL", 3}, {"SPITYPE", "ATOC"}}, "SPI");
    CHsf hsf({{"HLU", 12.6}, {"HLP", 4}, {"HQW", 3}, {"HHW", 2}, {"HTW", 1}, {"HUW", 0.5}, {"HHB", 0.1}}, "HSF");
    CRig rig({{"HD", 1}, {"BAS", 2}, {"BD", 0.5}, {"J", 3}, {"IG", 4}, {"ISP", 4}, {"TPS", 3}, {"LOA", 12}, {"ML", 0.5},
              {"MH", 10}}, "RIG");
    CKeuningHYDRO hull({{"Tc", 0.6}, {"Lwl", 9}, {"LCB", 4}, {"LCF", 4.5}, {"xFPP", -1}, {"ck", 1}, {"bk", 1.5}, {"TRk", 0.5},
        {"Lambda_k", 45}, {"LCE_k", 4}, {"VCE_k", -1.2}, {"cr", 0.4}, {"br", 1}, {"Lambda_r", 0}, {"LCE_r", 7.5}, {"VCE_r", -0.5}},
        "KeuningHYDRO");
    const auto marker = [](double x, double y, double s = 0.125) {
        return Points{{x - s, y}, {x, y + s}, {x + s, y}, {x, y - s}, {x - s, y}, {x + s, y}, {x, y - s}, {x, y + s}}; };
    using enum PlanPen;
    const Points main05{{3, 3}, {2.5, 5}, {2, 7}, {1, 9}, {0.6, 10}, {0.2, 11}, {0, 11}};
    const std::vector<std::tuple<const char*, PlanPen, Points>> expected{{"Origin", Black, marker(0, 0)},
        {"LCF", Blue, marker(4.5, 0)}, {"LCB", Blue, marker(4, -0.3)}, {"CE_k", Green, marker(4, -1.2)},
        {"CE_r", Green, marker(7.5, -0.5)}, {"", Black, {{-2, 0}, {9, 0}}},
        {"Hull", Red, {{-1, 0}, {-2.5, 1}, {-3.5, 1}, {8, 1}, {9.5, 0.1}, {8, 0}, {5, -0.6}, {2, -0.6}, {0.5, -0.4}, {-1, 0}}},
        {"Keel", Red, {{2.25 + 2.0 / 3, -0.6}, {4.75 - 1.0 / 6, -2.1}, {5.25, -2.1}, {4.25, -0.6}}},
        {"Rudder", Red, {{7.5 - 0.4 / 3, 0}, {7.5 - 0.2 / 3, -1}, {7.7, -1}, {7.9, 0}}},
        {"Boom", Blue, {{0, 3}, {3.2, 3}, {3.2, 2.5}, {0, 2.5}}}, {"Mast", Blue, {{0, 1}, {0, 11}, {-0.5, 11}, {-0.5, 1}}},
        {"Main", Cyan, main05}, {"Forestay", Yellow, {{-3.5, 1}, {-0.5, 5}}},
        {"Jib", Cyan, {{1.5, 1}, {1.9, 3.2}, {2.3, 5.4}, {2.7, 7.6}, {2.9, 8.7}, {3.18, 9.74}, {3.1, 9.8}}},
        {"hsf", Cyan, {{2.46, 2.28}, {2.86, 4.48}, {3.26, 6.68}, {3.66, 8.88}, {3.86, 9.98}, {4.14, 11.02}, {4.06, 11.08},
                       {-3.5, 1}, {-3.5 + 5.96 / 3, 1.16}, {-3.5 + 11.92 / 3, 1.64}, {2.46, 2.28}}},
        {"Spinnaker", Green, {{-3.5, 1}, {-3, 6}, {-0.5, 11}, {1, 6}, {1.5, 2}, {-3.5, 1}}},
        // Reefed at 0.5: LP = HLPmin = 2, luff HLUmin = 9, widths halved; the main keeps its full hoist.
        {"", CyanDashed, {{-1, 1}, {-0.275, 2.8}, {0.45, 4.6}, {1.175, 6.4}, {1.5375, 7.3}, {1.94, 8.17}, {1.9, 8.2}}},
        {"_noLegendEntry_", CyanDashed, main05}};
    const std::vector<PlanLayer> plan = sailPlanLayers({&main, &jib, &spi, &hsf, &rig, &hull, 0.5});
    ASSERT_EQ(plan.size(), expected.size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const auto& [name, pen, points] = expected[i];
        EXPECT_EQ(std::tuple(plan[i].name, plan[i].pen, plan[i].showName), std::tuple(name, pen, i < 17));
        expectPoints(plan[i], points);
    }

    // At reef 0 the main, without hoist, lies on the boom; a spinnaker other
    // than "ATOC" is tacked 0.5 m above the boom at the pole's end.
    spi.SPITYPE = "SS";
    const std::vector<PlanLayer> reefed = sailPlanLayers({&main, &jib, &spi, &hsf, &rig, &hull, 0});
    expectPoints(reefed[15], {{-3.5, 3.5}, {-3, 8.5}, {-0.5, 13.5}, {1, 8.5}, {1.5, 4.5}, {-3.5, 3.5}});
    expectPoints(reefed[17], {{0.2, 3}, {0.2, 3}, {0.2, 3}, {0.2, 3}, {0.2, 3}, {0.2, 3}, {0, 3}});

    // The preview's sampling of a straight lift line Cl = (AWA - 5) / 100 starts at 6°.
    main.clLowSpline = MakimaSpline({0, 180}, {-0.05, 1.75});
    const CoefficientCurves lift = sailPreview(main, "MAIN")->curves;
    EXPECT_EQ(std::tuple(lift.awa.size(), lift.cl.size(), lift.awa[0], lift.awa[86]), std::tuple(87u, 87u, 6.0, 178.0));

    loadExample();
    const auto choose = [this](std::array<int, 6> rows, double reef) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            frame->m_printSetChoices[i]->SetSelection(rows[i]);
        frame->m_reefFactorSpin->SetValue(reef);
        wxSpinDoubleEvent event(wxEVT_SPINCTRLDOUBLE, ID_REEF_FACTOR);
        frame->m_reefFactorSpin->GetEventHandler()->ProcessEvent(event);
        return layers(frame->sailPlanPlot(), 2);
    };
    EXPECT_EQ(choose({1, 1, 1, 1, 0, 1}, 0.5), Texts{});
    EXPECT_EQ(choose({0, 0, 0, 0, 0, 1}, 1), Texts{});
    EXPECT_EQ(choose({0, 0, 0, 0, 1, 0}, 1), (Texts{"Mast 4", "Forestay 2"}));
    EXPECT_EQ(choose({0, 0, 0, 0, 1, 1}, 1), (Texts{"Origin 8", "LCF 8", "LCB 8", "CE_k 8", "CE_r 8", " 2", "Hull 10",
                                                    "Keel 4", "Rudder 4", "Mast 4", "Forestay 2"}));
    EXPECT_EQ(choose({1, 1, 0, 0, 1, 0}, 1), (Texts{"Boom 4", "Mast 4", "Main 7", "Forestay 2", "Jib 7"}));
    for (const char* type : {"SS", "ATOC", "ATOP"}) {
        dynamic_cast<CSpi&>(*store().findObject("Symmetric spinnaker", "SPI")).SPITYPE = type;
        EXPECT_EQ(choose({0, 0, 1, 0, 1, 0}, 1), (Texts{"Mast 4", "Forestay 2", "Spinnaker 6"})) << type;
    }
    EXPECT_EQ(choose({1, 1, 1, 1, 1, 1}, 0.5), (Texts{"Origin 8", "LCF 8", "LCB 8", "CE_k 8", "CE_r 8", " 2", "Hull 10", "Keel 4",
        "Rudder 4", "Boom 4", "Mast 4", "Main 7", "Forestay 2", "Jib 7", "hsf 11", "Spinnaker 6", " 7", "_noLegendEntry_ 7"}));
    // A main sail 1 m taller whose name differs only in case keeps its entry over a store change, and the plan
    // draws its head 1 m above that of "Main 10m".
    auto taller = std::make_unique<CMain>(dynamic_cast<CMain&>(*store().findObject("Main 10m", "MAIN")));
    std::tie(taller->name, taller->P) = std::tuple("main 10m", taller->P + 1);
    store().objects.push_back(std::move(taller));
    frame->objectStoreChanged();
    const auto head = [&](int row) {
        choose({row, 0, 0, 0, 1, 0}, 1);
        frame->objectStoreChanged();
        EXPECT_EQ(frame->m_printSetChoices[0]->GetSelection(), row);
        const Points sail = points(dynamic_cast<plFXYVector*>(frame->sailPlanPlot()->GetLayerByName("Main")));
        return std::ranges::max(sail, {}, [](const auto& point) { return point.second; }).second;
    };
    EXPECT_NEAR(head(2) - head(1), 1, 1e-9);
    // A jib at infinity (IG 0) is left out.
    dynamic_cast<CRig&>(*store().findObject("Fractional rig", "RIG")).IG = 0;
    EXPECT_EQ(choose({0, 1, 0, 0, 1, 0}, 1), (Texts{"Mast 4", "Forestay 2"}));

    // Type, name, and the text after the JSON (a pattern where the area was not worked out).
    for (const auto& [type, name, tail] : std::vector<std::array<const char*, 3>>{
             {"MAIN", "Main 10m", "\n\nArea: 26.402500 m², zCE for HD=BAS=1: 6.528288 m"},
             {"SPI", "Symmetric spinnaker", "\n\nArea: 70.760000 m², zCE for ISP=SLU, HD=1: 7.893000 m"},
             {"HSF", "Code zero", "\n\nArea: ?*.?????? m², zCE for HD=1, ISP/J=0.325: ?*.?????? m"},
             {"RIG", "Fractional rig", ""}, {"VPPsetup", "Upwind with jib", ""}}) {
        select(type, name);
        const std::string head = "TYPE: " + std::string(type) + "   NAME: " + name + "\n\n{\n";
        EXPECT_TRUE(frame->m_objectInfoText->GetValue().Matches(wxString::FromUTF8(head + "*}" + tail))) << head;
        const auto sail = sailPreview(*store().findObject(name, type), type);
        const wxString points = wxString::Format(" %zu", sail ? sail->curves.awa.size() : 0);
        EXPECT_EQ(layers(frame->browserPlot()), (Texts{wxString::FromUTF8("AWA [°] 0"), "CL CD [-] 0", "CL" + points, "CD0" + points}));
    }

    select("KeuningHYDRO", "Cruiser 10m hull");
    EXPECT_EQ(layers(frame->browserPlot()), (Texts{"Speed [m/s] 0", "Resistance [N] 0", "Ru [N] upright resistance 21",
                                                   wxString::FromUTF8("Ru+RH [N] at Leeway = 5.0°, Heel = 20.0° 21"), " 0"}));
    // Lwl 10 m: 0.75 sqrt(98.065) = 7.4270830 m/s in 20 steps; at 3.71 m/s the
    // heeled force along the track at leeway 5°.
    auto& cruiser = dynamic_cast<CKeuningHYDRO&>(*store().findObject("Cruiser 10m hull", "KeuningHYDRO"));
    const ResistanceCurves curves = sampleResistance(cruiser, 5, 20);
    const ForceMoment f = cruiser.getForces(curves.speed[10], 5, 20, 0);
    EXPECT_NEAR(curves.speed[20], 7.4270830, 1e-6);
    EXPECT_NEAR(curves.heeled[10], 0.9961946981 * f.Fx + 0.0871557427 * f.Fy, 1e-6 * std::abs(f.Fx));

    // An object that left the store behind the tree's back leaves the preview empty.
    store().objects.erase(store().objects.begin());
    select("MAIN", "Main 10m");
    EXPECT_TRUE(frame->m_objectInfoText->IsEmpty() && frame->browserPlot()->CountAllLayers() == 0);
    // Waterline length 0: no speeds, axes only over a view of 1 by 1.
    dynamic_cast<CKeuningHYDRO&>(*store().findObject("Cruiser 10m hull", "KeuningHYDRO")).Lwl = 0;
    select("KeuningHYDRO", "Cruiser 10m hull");
    EXPECT_EQ(layers(frame->browserPlot(), 2)[0], "Ru [N] upright resistance 0");
    EXPECT_TRUE(frame->browserPlot()->GetDesiredXmax() == 1 && frame->browserPlot()->GetDesiredYmax() == 1);
}

// An area of 1e80 m² is shown whole, not cut at 63 characters.
TEST(SailPreview, HugeAreaWrittenWhole)
{
    const CJib jib({{"Name", "J"}, {"HLUmax", 1e40}, {"HLPmax", 1e40}}, "JIB");
    const std::string line = sailPreview(jib, "JIB")->areaLine;
    EXPECT_DOUBLE_EQ(std::strtod(line.c_str() + 8, nullptr), jib.getArea(1e40, 1e40, 0.325, 1.0, false)[0]);
}
