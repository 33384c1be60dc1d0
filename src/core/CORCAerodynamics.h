#pragma once
// Sail force model: lift and drag of a main sail with one headsail, depowered
// by flat, reef and twist, with induced drag and rig windage, in boat axes.

#include <array>
#include <vector>

#include "CVecMat.h"
#include "MakimaSpline.h"
#include "DesignObjectClasses.h"

class CORCAerodynamics {
public:
    // The sails and the rig stay owned by the object store and must outlive
    // the model. One headsail is used: the jib when given, else the
    // spinnaker, else the headsail set flying.
    CORCAerodynamics(const CMain* main, const CJib* jib, const CSpi* spi, const CHsf* hsf, const CRig* rig,
                     bool jibPoledWindward);

    // Force and moment of sails and rig windage in boat axes [N, Nm] for boat
    // speed V [m/s], leeway and heel [deg], the trim variables flat, reef and
    // twist, and the true wind speed [m/s] and angle [deg].
    ForceMoment getForces(double V, double leeway, double heel, double flat, double reef, double twist, double TWS,
                          double TWA) const;

    // {zCE [m], drag [N] along the apparent wind, lift [N] across it} at the
    // apparent wind speed [m/s] and angle [deg, 0 to 180].
    std::array<double, 3> getDLSForces(double AWS, double AWA, double flat, double reef, double twist) const;
    // Main sail and jib, reefed by shortening luffs and hoist.
    std::array<double, 3> getDLSForcesGEOREEF(double AWS, double AWA, double flat, double reef, double twist) const;
    // Main sail with spinnaker or headsail set flying, reefed by a factor.
    std::array<double, 3> getDLSForcesFACTORREEF(double AWS, double AWA, double flat, double reef,
                                                 double twist) const;

    // Area factor of an asymmetric spinnaker tacked on the centreline.
    double powerFct(double AWA, double area) const;

    // {LP, HLU, hoist} [m]: the jib's luff perpendicular and luff length and
    // the main sail's hoist at a reef value.
    static std::array<double, 3> getDepoweredSailGeo(double reef, double HLPmin, double HLPmax, double HLUmin,
                                                     double HLUmax, double J, double P);

    const double rho = 1.225;
    const double twistDragFactor = 0.0007719;
    const double twistHeightFactor = -0.002252;
    const std::vector<double> flatKnots;
    const std::vector<double> flatFactors;
    const MakimaSpline flatFactorSpline;
    const CMain* main;
    const CJib* jib;
    const CSpi* spi;
    const CHsf* hsf;
    const CRig* rig;
    const bool jibPoledWindward;

private:
    // What the combination of main sail and headsail needs of each of them.
    struct SailTerm {
        double area;   // area that counts [m²]
        double zce;    // height of the centre of effort [m]
        double cd;
        double cl;
        double quadraticDragFactor;
    };
    std::array<double, 3> combine(double q, const SailTerm& mainSail, const SailTerm& headsail, double totalArea,
                                  double effectiveHeight, double flat, double twist) const;
};
