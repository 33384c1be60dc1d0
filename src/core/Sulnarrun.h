#pragma once
// One solver run over one complete boat: the polar (RunVPP) and the two
// diagnostic force tables (RunAeroForces, RunHydroForces).

#include <memory>
#include <vector>

#include "CVecMat.h"
#include "DesignObjectClasses.h"

class CORCAerodynamics;

namespace nlopt {
class opt;
}

class Sulnarrun {
public:
    // The design objects stay in the store and must outlive the run. The
    // hull's heel-dependent tables are built here; the sail force model
    // exists only when that succeeded.
    Sulnarrun(CMain* main, CJib* jib, CSpi* spi, CHsf* hsf, CRig* rig, CKeuningHYDRO* hull,
              std::vector<double> TWS, std::vector<double> TWA, std::vector<double> initialValues,
              std::vector<double> lowerBounds, std::vector<double> upperBounds, bool jibPoledWindward,
              bool searchGlobal, int globalGuessCount);
    ~Sulnarrun();
    Sulnarrun(const Sulnarrun&) = delete;
    Sulnarrun& operator=(const Sulnarrun&) = delete;

    // Solves every wind point and replaces the store's polar result table.
    void RunVPP();
    // Tabulates the sail forces at the start values over the wind ranges.
    void RunAeroForces();
    // Asks for the sweep ranges and tabulates the hull's force components.
    void RunHydroForces();

    static double myObjectiveFunction(const std::vector<double>& x, std::vector<double>& grad, void* data);
    static void equality_constraint_wrapper(unsigned m, double* result, unsigned n, const double* x,
                                            double* grad, void* data);
    void equality_constraint(double* result, const double* x);

    // The start points of a wind point of true wind speed tws, normalised, in
    // the order they are solved.
    std::vector<std::vector<double>> startPoints(double tws) const;
    // Physical value of variable i at normalised value x.
    double physical(std::size_t i, double x) const;

    CMain* main;
    CJib* jib;
    CSpi* spi;
    CHsf* hsf;
    CRig* rig;
    CKeuningHYDRO* hull;
    std::vector<double> twsRange;
    std::vector<double> twaRange;
    std::vector<double> initialValues;
    std::vector<double> lowerBounds;
    std::vector<double> upperBounds;
    bool jibPoledWindward;
    bool searchGlobal;
    int globalGuessCount;
    std::unique_ptr<CORCAerodynamics> aeroModel;
    double currentTWS = 0.0;
    double currentTWA = 0.0;

private:
    // The four balance residuals (surge, side force, heeling and yawing
    // moment) at normalised point x, with the two force sets behind them.
    void balance(const double* x, double residuals[4], ForceMoment& aero, ForceMoment& hydro) const;
    // balance() that reports a model which throws by returning false.
    bool evaluate(const double* x, double residuals[4], ForceMoment& aero, ForceMoment& hydro) const;
    // Solves the current wind point from every start point and returns its
    // result row; done counts the starts solved for the progress report.
    std::vector<double> solveWindPoint(long long& done, long long total);

    nlopt::opt* optimiser = nullptr;
    bool nonFiniteSeen = false;
};
