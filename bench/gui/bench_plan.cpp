// Cost of the object browser's hull preview and of one redraw of the sail and
// lateral plan: the point lists alone, and the whole handler with its new plot
// window and the drawing of its layers. Needs a display (run it under xvfb-run).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/treectrl.h>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CMainFrame.h"
#include "CRig.h"
#include "CSpi.h"
#include "DesignObjects.h"
#include "ObjectPreview.h"
#include "ProjectFile.h"
#include "SailPlan.h"
#include "plotwidget.h"

namespace {

// The example project in the store, every Print Set choice on its first
// object, reef factor 0.5.
CMainFrame* exampleWindow()
{
    std::string text;
    readTextFile(SULNAR_EXAMPLES_DIR "/sulnar-example.json", text);
    readProject(text, CObjectStore::getInstance(), createDesignObject, [](const std::string&) {});
    auto* frame = new CMainFrame(nullptr);
    frame->Show();
    for (wxChoice* choice : frame->m_printSetChoices)
        choice->SetSelection(1);
    frame->m_reefFactorSpin->SetValue(0.5);
    wxYield();
    return frame;
}

// The first object of a kind in the store.
template <class T>
const T& example(const std::string& type)
{
    for (const auto& object : CObjectStore::getInstance().objects)
        if (object->type == type)
            return dynamic_cast<const T&>(*object);
    throw std::logic_error("no " + type + " in the example project");
}

void BM_SailPlanLayers(benchmark::State& state)
{
    const PrintSet set{&example<CMain>("MAIN"), &example<CJib>("JIB"), &example<CSpi>("SPI"),
                       &example<CHsf>("HSF"),   &example<CRig>("RIG"), &example<CKeuningHYDRO>("KeuningHYDRO"),
                       0.5};
    for (auto _ : state)
        benchmark::DoNotOptimize(sailPlanLayers(set));
}
BENCHMARK(BM_SailPlanLayers);

void BM_HullResistanceSampling(benchmark::State& state)
{
    CKeuningHYDRO hull = example<CKeuningHYDRO>("KeuningHYDRO");
    for (auto _ : state) {
        hull.checkAndGenerateSplines();
        benchmark::DoNotOptimize(sampleResistance(hull, 5.0, 20.0));
    }
}
BENCHMARK(BM_HullResistanceSampling);

CMainFrame* frame = nullptr;

// Draws every layer of the plot into a bitmap of the window's size, as its
// paint handler does; the screen itself is painted at the toolkit's own pace.
void paint(plWindow* plot)
{
    wxBitmap bitmap(plot->GetClientSize());
    wxMemoryDC dc(bitmap);
    for (unsigned i = 0; i < plot->CountAllLayers(); ++i)
        plot->GetLayer(static_cast<int>(i))->Plot(dc, *plot);
}

void BM_SailPlanRedraw(benchmark::State& state)
{
    frame->m_notebook->SetSelection(1);
    wxYield();
    for (auto _ : state) {
        wxCommandEvent event(wxEVT_CHOICE, ID_PRINT_SET_CHOICE);
        frame->ProcessWindowEvent(event);
        paint(frame->sailPlanPlot());
    }
}
BENCHMARK(BM_SailPlanRedraw)->Unit(benchmark::kMillisecond);

void BM_HullPreviewRedraw(benchmark::State& state)
{
    frame->m_notebook->SetSelection(0);
    wxYield();
    wxTreeItemIdValue cookie;
    const wxTreeItemId hull = frame->m_objectTree->GetFirstChild(frame->treeNodes()[6], cookie);
    for (auto _ : state) {
        wxTreeEvent event(wxEVT_TREE_SEL_CHANGING, frame->m_objectTree, hull);
        frame->m_objectTree->ProcessWindowEvent(event);
        paint(frame->browserPlot());
    }
}
BENCHMARK(BM_HullPreviewRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "Cannot start wxWidgets: is a display available?\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    frame = exampleWindow();
    benchmark::RunSpecifiedBenchmarks();
    frame->Destroy();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
