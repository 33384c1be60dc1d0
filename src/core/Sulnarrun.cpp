#include "Sulnarrun.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>
#include <string>

#include <nlopt.hpp>

#include "CKeuningHYDRO.h"
#include "CORCAerodynamics.h"
#include "CObjectStore.h"
#include "UserInterface.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr std::size_t variableCount = 7;

// An end point balances when each residual is within 1 N or 1 Nm.
constexpr double balanceTolerance = 1.0;

// Number of values of a range {min, max, inc}, as the progress count takes it.
long long rangeCount(const std::vector<double>& range)
{
    const double count = (range[1] - range[0]) / range[2] + 1.0;
    if (!(count > 0.0))
        return 0;
    return static_cast<long long>(std::min(count, 1e9));
}

void appendForces(std::vector<double>& row, const ForceMoment& f)
{
    row.insert(row.end(), {f.Fx, f.Fy, f.Fz, f.Mx, f.My, f.Mz});
}

// A force table run that the models stop keeps the rows computed so far.
void reportStoppedRun(const std::exception& error)
{
    userInterface().showMessage(std::string("The run stopped: ") + error.what(), "Error", MessageIcon::Error);
}

} // namespace

Sulnarrun::Sulnarrun(CMain* mainSail, CJib* jibSail, CSpi* spiSail, CHsf* hsfSail, CRig* rigObject,
                     CKeuningHYDRO* hullObject, std::vector<double> TWS, std::vector<double> TWA,
                     std::vector<double> initial, std::vector<double> lower, std::vector<double> upper,
                     bool poledWindward, bool global, int guessCount)
    : main(mainSail), jib(jibSail), spi(spiSail), hsf(hsfSail), rig(rigObject), hull(hullObject),
      twsRange(std::move(TWS)), twaRange(std::move(TWA)), initialValues(std::move(initial)),
      lowerBounds(std::move(lower)), upperBounds(std::move(upper)), jibPoledWindward(poledWindward),
      searchGlobal(global), globalGuessCount(guessCount)
{
    if (hull->checkAndGenerateSplines())
        aeroModel = std::make_unique<CORCAerodynamics>(main, jib, spi, hsf, rig, jibPoledWindward);
}

Sulnarrun::~Sulnarrun() = default;

double Sulnarrun::physical(std::size_t i, double x) const
{
    // A variable whose bounds coincide is held at that value.
    const double span = upperBounds[i] - lowerBounds[i];
    return span == 0.0 ? lowerBounds[i] : lowerBounds[i] + span * x;
}

std::vector<std::vector<double>> Sulnarrun::startPoints(double tws) const
{
    std::vector<double> s0(variableCount);
    for (std::size_t i = 0; i < variableCount; ++i) {
        const double span = upperBounds[i] - lowerBounds[i];
        s0[i] = span == 0.0 ? 0.0 : (initialValues[i] - lowerBounds[i]) / span;
    }
    std::vector<std::vector<double>> starts{s0};
    // Without global search, flat starts at its upper bound in no wind and at
    // its lower bound from 10 m/s up.
    if (!searchGlobal)
        starts.front()[4] = 1.0 - std::min(tws, 10.0) / 10.0;
    if (searchGlobal && globalGuessCount > 0) {
        const double n = globalGuessCount;
        for (std::size_t k : {0u, 4u, 5u}) {
            for (int i = 1; i <= globalGuessCount; ++i) {
                starts.push_back(s0);
                starts.back()[k] = s0[k] + i * (1.0 - s0[k]) / (n + 1.0);
                starts.push_back(s0);
                starts.back()[k] = s0[k] - i * s0[k] / (n + 1.0);
            }
        }
    }
    return starts;
}

double Sulnarrun::myObjectiveFunction(const std::vector<double>& x, std::vector<double>& /*grad*/, void* data)
{
    auto* run = static_cast<Sulnarrun*>(data);
    const double value = run->physical(0, x[0]) * std::cos(run->physical(1, x[1]) * pi / 180.0);
    if (!std::isfinite(value) && run->optimiser) {
        run->nonFiniteSeen = true;
        run->optimiser->force_stop();
    }
    return value;
}

void Sulnarrun::equality_constraint_wrapper(unsigned /*m*/, double* result, unsigned /*n*/, const double* x,
                                            double* /*grad*/, void* data)
{
    static_cast<Sulnarrun*>(data)->equality_constraint(result, x);
}

void Sulnarrun::balance(const double* x, double residuals[4], ForceMoment& aero,
                        ForceMoment& hydro) const
{
    double p[variableCount];
    for (std::size_t i = 0; i < variableCount; ++i)
        p[i] = physical(i, x[i]);
    hydro = hull->getForces(p[0], p[1], p[2], p[3]);
    aero = aeroModel->getForces(p[0], p[1], p[2], p[4], p[5], p[6], currentTWS, currentTWA);
    residuals[0] = hydro.Fx + aero.Fx;
    residuals[1] = hydro.Fy + aero.Fy;
    residuals[2] = hydro.Mx + aero.Mx;
    residuals[3] = hydro.Mz + aero.Mz;
}

bool Sulnarrun::evaluate(const double* x, double residuals[4], ForceMoment& aero, ForceMoment& hydro) const
{
    try {
        balance(x, residuals, aero, hydro);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void Sulnarrun::equality_constraint(double* result, const double* x)
{
    userInterface().progressKeepAlive();
    ForceMoment aero, hydro;
    balance(x, result, aero, hydro);
    // A state the models cannot evaluate ends this start as failed instead of
    // letting the optimiser wander to its evaluation limit.
    const bool finite = std::all_of(result, result + 4, [](double r) { return std::isfinite(r); });
    if (!finite && optimiser) {
        nonFiniteSeen = true;
        optimiser->force_stop();
    }
}

std::vector<double> Sulnarrun::solveWindPoint(long long& done, long long total)
{
    UserInterface& ui = userInterface();
    const std::vector<std::vector<double>> starts = startPoints(currentTWS);

    // The balanced end point of greatest normalised speed, and the end point
    // of greatest normalised speed of all, earliest on ties.
    std::vector<double> bestBalanced, bestAny;
    int balancedCode = -1;
    for (const std::vector<double>& start : starts) {
        const long long percent = total > 0 ? done * 100 / total : 0;
        ui.progressUpdate(static_cast<int>(std::clamp(percent, 0LL, 100LL)));
        ++done;

        std::vector<double> x = start;
        int code;
        nonFiniteSeen = false;
        try {
            double value = 0.0;
            code = optimiser->optimize(x, value);
        } catch (const std::exception& e) {
            std::cerr << "NLOpt failed: " << e.what() << "\n";
            code = -1;
        }
        if (nonFiniteSeen)
            code = -1;

        if (bestAny.empty() || x[0] > bestAny[0])
            bestAny = x;
        if (code > 0 && (bestBalanced.empty() || x[0] > bestBalanced[0])) {
            double residuals[4];
            ForceMoment aero, hydro;
            if (evaluate(x.data(), residuals, aero, hydro) &&
                std::all_of(residuals, residuals + 4, [](double r) { return std::abs(r) <= balanceTolerance; })) {
                bestBalanced = x;
                balancedCode = code;
            }
        }
    }

    const bool balanced = !bestBalanced.empty();
    const std::vector<double>& best = balanced ? bestBalanced : bestAny;
    double residuals[4];
    ForceMoment aero, hydro;
    // A point whose models cannot be evaluated is a failed point without forces.
    if (!evaluate(best.data(), residuals, aero, hydro)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        aero = hydro = ForceMoment{nan, nan, nan, nan, nan, nan};
    }

    std::vector<double> row{balanced ? static_cast<double>(balancedCode) : -1.0, currentTWS, currentTWA};
    for (std::size_t i = 0; i < variableCount; ++i)
        row.push_back(physical(i, best[i]));
    appendForces(row, aero);
    appendForces(row, hydro);
    return row;
}

void Sulnarrun::RunVPP()
{
    if (!aeroModel)
        return;

    nlopt::opt opt(nlopt::LN_COBYLA, variableCount);
    opt.set_lower_bounds(0.0);
    opt.set_upper_bounds(1.0);
    opt.set_max_objective(myObjectiveFunction, this);
    opt.add_equality_mconstraint(equality_constraint_wrapper, this, std::vector<double>(4, 1e-5));
    opt.set_xtol_rel(1e-6);
    opt.set_maxeval(30000);
    // The optimiser is known to the callbacks only while the run lasts, and the
    // progress report ends however the run does.
    struct RunScope {
        Sulnarrun& run;
        RunScope(Sulnarrun& r, nlopt::opt& o) : run(r)
        {
            run.optimiser = &o;
            userInterface().progressBegin();
        }
        ~RunScope()
        {
            userInterface().progressEnd();
            run.optimiser = nullptr;
        }
    } scope(*this, opt);

    // Wind points by repeated addition of the increments, TWS outer, TWA inner.
    auto table = std::make_unique<ResultTable>();
    const long long total =
        rangeCount(twsRange) * rangeCount(twaRange) * static_cast<long long>(startPoints(0.0).size());
    long long done = 0;
    const std::vector<double> twas = linspace(twaRange[0], twaRange[1], twaRange[2]);
    for (const double tws : linspace(twsRange[0], twsRange[1], twsRange[2])) {
        currentTWS = tws;
        for (const double twa : twas) {
            currentTWA = twa;
            table->push_back(solveWindPoint(done, total));
        }
    }

    std::sort(table->begin(), table->end(), [](const std::vector<double>& a, const std::vector<double>& b) {
        return a[1] < b[1] || (a[1] == b[1] && a[2] < b[2]);
    });
    CObjectStore::getInstance().currentResults = std::move(table);
}

void Sulnarrun::RunAeroForces()
{
    if (!aeroModel)
        return;
    CObjectStore& store = CObjectStore::getInstance();
    store.aeroResults = std::make_unique<ResultTable>();

    const double V = initialValues[0];
    const double leeway = initialValues[1];
    const double heel = initialValues[2];
    const double flat = initialValues[4];
    const double reef = initialValues[5];
    const double twist = initialValues[6];
    const std::vector<double> twas = linspace(twaRange[0], twaRange[1], twaRange[2]);
    // A model that throws stops the table; the rows computed so far stay.
    try {
        for (const double tws : linspace(twsRange[0], twsRange[1], twsRange[2])) {
            for (const double twa : twas) {
                const double x = tws * std::cos(twa * pi / 180.0) + V * std::cos(leeway * pi / 180.0);
                const double y = (tws * std::sin(twa * pi / 180.0) - V * std::sin(leeway * pi / 180.0)) *
                                 std::cos(heel * pi / 180.0);
                const double aws = std::sqrt(x * x + y * y);
                const double awa = std::atan2(y, x) * 180.0 / pi;
                const ForceMoment f = aeroModel->getForces(V, leeway, heel, flat, reef, twist, tws, twa);
                std::vector<double> row{tws, twa, aws, awa, V, leeway, heel, flat, reef, twist};
                appendForces(row, f);
                store.aeroResults->push_back(std::move(row));
            }
        }
    } catch (const std::exception& error) {
        reportStoppedRun(error);
    }
}

void Sulnarrun::RunHydroForces()
{
    if (!aeroModel)
        return;
    CObjectStore& store = CObjectStore::getInstance();
    store.hydroResults = std::make_unique<ResultTable>();
    userInterface().editSweepRanges(store);

    // A range without min, max and delta sweeps nothing.
    auto values = [](const std::vector<double>& range) {
        return range.size() >= 3 ? linspace(range[0], range[1], range[2]) : std::vector<double>{};
    };
    const std::vector<double> speeds = values(store.speedRange);
    const std::vector<double> leeways = values(store.leewayRange);
    const std::vector<double> heels = values(store.heelRange);
    const std::vector<double> rudders = values(store.rudderRange);

    try {
        for (double rudder : rudders) {
            for (double heel : heels) {
                for (double leeway : leeways) {
                    for (double V : speeds) {
                        const auto [Fk, Fr] = hull->getHeelingForces(V, leeway, heel, rudder);
                        const double RHf = hull->getHullFrictionalResistance(V, heel);
                        const auto [RHr, dRHrHeel] = hull->getHullResidualResistance(V, heel);
                        const auto [RvisKeel, RvisRudder] = hull->getKeelRudderViscousResistance(V);
                        const auto [RresKeel, dRresKeelHeel] = hull->getKeelResidualResistance(V, heel);
                        const double M =
                            (RHf + RHr + dRHrHeel + RvisKeel + RvisRudder + RresKeel) * 0.65 * hull->Lwl;
                        const double dRtrim = hull->getHullAddedTrimResistance(V, heel, M);
                        const double munk = hull->getMunkMoment(V, heel, leeway);
                        const auto [Te, Ri] = hull->getInducedResistance(V, heel, Fk + Fr);
                        const double Mx = hull->getHeelingRightingMomentMx(Fk, Fr, heel);
                        const double Mz = hull->getYawingMomentMz(Fk, Fr);
                        store.hydroResults->push_back({V, leeway, heel, rudder, Fk, Fr, RHf, RHr, dRHrHeel,
                                                       RvisKeel, RvisRudder, RresKeel, dRresKeelHeel, dRtrim, munk,
                                                       Te, Ri, Mx, 0.0, Mz});
                    }
                }
            }
        }
    } catch (const std::exception& error) {
        reportStoppedRun(error);
    }
}
