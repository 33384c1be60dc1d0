#pragma once
// What the result commands of the main window compute without a window: the
// checks before a run, the polar result table as CSV text and back, and the
// curves and grid lines of the polar diagram.

#include <istream>
#include <string>
#include <vector>

#include "CObjectStore.h"
#include "DesignObjectClasses.h"

// The objects a setup names, each null when the store holds no object of
// that name and kind.
struct ActiveSet {
    CMain* main = nullptr;
    CJib* jib = nullptr;
    CSpi* spi = nullptr;
    CHsf* hsf = nullptr;
    CRig* rig = nullptr;
    CKeuningHYDRO* hull = nullptr;
};

ActiveSet findActiveSet(const Sulnarsetup& setup, const CObjectStore& store);

// The message that refuses a run with this setup and these objects, or an
// empty text when the run may start. The checks come in a fixed order and
// the first that fails gives the message.
std::string checkRun(const Sulnarsetup& setup, const ActiveSet& active);

// The polar result table as CSV text: a header of the column names, then one
// line per row with every value formatted "%.2f" (a value that is not a
// number as "nan", infinities as "inf" and "-inf").
std::string polarCsvText(const ResultTable& rows, const std::vector<std::string>& names);

// Reads a polar result table written as CSV: the first line is the header and
// must be there, every further non-empty line must hold at least 22 numbers,
// those not finite spelled as the writer spells them, and a finite result
// code, TWS and TWA. On success the rows come sorted by TWS, then TWA;
// otherwise `error` says which line failed and `rows` is left alone.
bool readPolarCsv(std::istream& in, ResultTable& rows, std::string& error);

// One curve of the polar diagram: the rows of one true wind speed, each at
// (speed·sin TWA, speed·cos TWA).
struct PolarCurve {
    double tws = 0.0;
    std::vector<double> x;
    std::vector<double> y;
};

// Groups the rows by exactly equal TWS, in table order. Rows with fewer than
// 22 values or a TWS that is not a number are left out.
std::vector<PolarCurve> polarCurves(const ResultTable& rows);

// Whole-degree angles of the rays from 0 to 180 in steps of `step`; only 0
// when the step is below 1.
std::vector<int> polarRayAngles(int step);
