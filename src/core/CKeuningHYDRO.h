#pragma once
// The hull data set: canoe body, keel, rudder and crew of a yacht, its tables
// over heel, and the hydrodynamic force model built on them (resistance from
// the Delft Systematic Yacht Hull Series regressions and the ITTC 1957 friction
// line, keel and rudder side forces, heeling and yawing moments).
//
// Units: lengths m, areas m², volumes m³, speeds m/s, angles degrees, forces N,
// moments Nm. Forces and moments are in boat axes (x aft, y to windward, z up).
//
// A negative heel is a heel to the other side of a symmetric hull: dimensions
// and resistance terms are taken at the heel's magnitude, the righting moment
// and the heel-induced side-force and yawing terms change sign with it.

#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "CVecMat.h"
#include "MakimaSpline.h"

class CKeuningHYDRO : public CObject {
public:
    // Reads the members of one element of the project file's "KeuningHYDRO"
    // array; missing members take their defaults, members of the wrong type
    // throw the JSON library's type error.
    CKeuningHYDRO(const nlohmann::json& element, const std::string& type);
    CKeuningHYDRO(const CKeuningHYDRO&) = default;

    nlohmann::json makeJSON() const override;
    void edit() override;

    // Builds the splines over heel from the tables. On failure shows one error
    // box naming every table that could not be fitted and returns false.
    // Must have succeeded before the force model is used.
    bool checkAndGenerateSplines();

    // Frictional resistance of the canoe body [N].
    double getHullFrictionalResistance(double V, double heel) const;
    // {upright bare-hull residuary resistance, its increment due to heel} [N].
    std::pair<double, double> getHullResidualResistance(double V, double heel) const;
    // {keel, rudder} viscous resistance [N].
    std::pair<double, double> getKeelRudderViscousResistance(double V) const;
    // {upright keel residuary resistance, its increment due to heel} [N].
    std::pair<double, double> getKeelResidualResistance(double V, double heel) const;
    // Added resistance due to trim [N] for the trimming moment M [Nm].
    double getHullAddedTrimResistance(double V, double heel, double M) const;
    // {effective span Te [m], induced resistance [N]} for the side force Fh [N].
    std::pair<double, double> getInducedResistance(double V, double heel, double Fh) const;

    // {keel, rudder} side force [N], positive to windward at positive leeway.
    std::pair<double, double> getHeelingForces(double V, double leeway, double heel, double rudder) const;
    // Munk moment about z [Nm]; note the order: heel before leeway.
    double getMunkMoment(double V, double heel, double leeway) const;
    // Moment about x [Nm] of the hydrostatic righting arm, the crew and the side forces.
    double getHeelingRightingMomentMx(double Fk, double Fr, double heel) const;
    // Moment about z [Nm] of the side forces.
    double getYawingMomentMz(double Fk, double Fr) const;
    // Total hull force and moment in boat axes; zero at V <= 0.01.
    ForceMoment getForces(double V, double leeway, double heel, double rudder) const;

    // Physical constants.
    double rho = 1000.0;
    double nu = 1.19e-6;
    double g = 9.8065;

    // Canoe body.
    double Vc = 0.0;
    double Tc = 0.0;
    double Lwl = 0.0;
    double Bwl = 0.0;
    double Sc = 0.0;
    double Ax = 0.0;
    double Aw = 0.0;
    double LCB = 0.0;
    double LCF = 0.0;
    double GMl = 0.0;
    double xFPP = 0.0;
    double Lrefratio = 0.0;

    // Keel.
    double ck = 0.0;
    double bk = 0.0;
    double TCRk = 0.0;
    double TRk = 0.0;
    double Ak = 0.0;
    double Sk = 0.0;
    double Vk = 0.0;
    double Lambda_k = 0.0;
    double Zcbk = 0.0;
    double LCE_k = 0.0;
    double VCE_k = 0.0;

    // Rudder.
    double cr = 0.0;
    double br = 0.0;
    double TCRr = 0.0;
    double Ar = 0.0;
    double Sr = 0.0;
    double Lambda_r = 0.0;
    double LCE_r = 0.0;
    double VCE_r = 0.0;

    // Crew and righting moment.
    double mCrew = 0.0;
    double yCrewMax = 0.0;
    double maxRightingMoment = 0.0;

    // Heeled waterline dimensions at the heel angles Phi (upright not listed).
    std::vector<double> Phi;
    std::vector<double> Lwl_phi;
    std::vector<double> Bwl_phi;
    std::vector<double> Tc_phi;
    std::vector<double> Ax_phi;
    std::vector<double> Sc_phi;
    // Righting arm over heel.
    std::vector<double> PhiRA;
    std::vector<double> RA;
    // Form factor of the Munk moment over heel.
    std::vector<double> Phi_C_form;
    std::vector<double> C_form;

    double Alat = 0.0;
    bool useTabulatedHeeledDimensions = false;

    // Splines over heel, built by checkAndGenerateSplines.
    MakimaSpline splineLwl;
    MakimaSpline splineBwl;
    MakimaSpline splineTc;
    MakimaSpline splineAx;
    MakimaSpline splineSc;
    MakimaSpline splineRA;
    MakimaSpline splineC_form;
};
