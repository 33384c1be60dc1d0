// Inputs found by fuzzing the readers and the solver: each loads, is refused
// or ends its run with a message, instead of crashing or hanging.

#include <gtest/gtest.h>

#include "ExampleProject.h"
#include "RecordingUserInterface.h"
#include "Sulnarrun.h"

TEST(Robustness, FuzzedSetupsRigsSailsAndSweeps)
{
    nlohmann::json deep{{"Name", "Deep"}};
    deep["X"] = nlohmann::json::parse(std::string(1000000, '[') + std::string(1000000, ']'));
    EXPECT_EQ(Sulnarsetup(deep, "VPPsetup").name, "Deep");
    EXPECT_THROW(CRig({{"N_SPREADERS", 1e10}}, "RIG"), nlohmann::json::type_error);

    CObjectStore::resetInstance();
    loadExampleProject();
    RecordingUserInterface ui;
    const CObjectStore& store = CObjectStore::getInstance();
    const auto* setup = findExample<Sulnarsetup>("Upwind with jib", "VPPsetup");
    auto* hull = findExample<CKeuningHYDRO>("Cruiser 10m hull", "KeuningHYDRO");
    // A main sail whose girth knots lie closer than the splines' end-slope offset.
    CMain main({{"P", 5e-5}}, "MAIN");
    Sulnarrun run(&main, findExample<CJib>("Jib 105%", "JIB"), nullptr, nullptr,
                  findExample<CRig>("Fractional rig", "RIG"), hull, {5, 5, 1e-300}, {90, 90, 1e-300},
                  setup->initialValues, setup->lowerBounds, setup->upperBounds, false, false, 3);
    run.RunVPP();
    run.RunAeroForces();
    EXPECT_EQ(store.currentResults->size() + store.aeroResults->size(), 2u);
    // Models that throw stop the force tables with their message.
    main.girthSpline = hull->splineRA = MakimaSpline({0.0}, {0.0});
    run.RunAeroForces();
    run.RunHydroForces();
    EXPECT_EQ(ui.messages,
              std::vector<std::string>(2, "Error: The run stopped: x is out of the range of the fitted data."));
    CObjectStore::resetInstance();
}
