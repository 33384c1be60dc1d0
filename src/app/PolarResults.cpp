#include "PolarResults.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "CVecMat.h"
#include "HelperFcts.h"
#include "Sulnarsetup.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr std::size_t polarColumns = 22;

// A run over more values of one wind variable would not end in useful time.
constexpr double maxRangeValues = 1000.0;

template <class T>
T* findAs(const CObjectStore& store, const std::string& name, const char* type)
{
    return dynamic_cast<T*>(store.findObject(name, type));
}

bool finite(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Number of values a range {min, max, inc} with a positive increment sweeps.
bool tooManyValues(const std::vector<double>& range)
{
    return (range[1] - range[0]) / range[2] + 1.0 > maxRangeValues;
}

} // namespace

ActiveSet findActiveSet(const Sulnarsetup& setup, const CObjectStore& store)
{
    ActiveSet active;
    active.main = findAs<CMain>(store, setup.mainName, "MAIN");
    active.jib = findAs<CJib>(store, setup.jibName, "JIB");
    active.spi = findAs<CSpi>(store, setup.spiName, "SPI");
    active.hsf = findAs<CHsf>(store, setup.hsfName, "HSF");
    active.rig = findAs<CRig>(store, setup.rigName, "RIG");
    active.hull = findAs<CKeuningHYDRO>(store, setup.hullName, "KeuningHYDRO");
    return active;
}

std::string checkRun(const Sulnarsetup& setup, const ActiveSet& active)
{
    std::string missing;
    if (!active.main)
        missing += " -> Exactly ONE main sail has to be selected\n";
    if (!active.rig)
        missing += " -> Exactly ONE rig has to be selected\n";
    if (!active.hull)
        missing += " -> Exactly ONE hydro has to be selected\n";
    const int headsails = (active.jib ? 1 : 0) + (active.spi ? 1 : 0) + (active.hsf ? 1 : 0);
    if (headsails != 1)
        missing += " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n";
    if (!missing.empty())
        return "Your active set is NOT ok. Please check the setup.\n\n" + missing;

    const std::vector<double>& tws = setup.twsRange;
    const std::vector<double>& twa = setup.twaRange;
    if (tws.size() != 3 || twa.size() != 3)
        return "Please set exactly three TWS and TWA values in the VPP setup.";
    if (!finite(twa) || twa[0] < 10 || twa[1] > 180 || twa[2] <= 1)
        return "TWA min < 10 or TWA max > 180 or TWA inc <= 1 is not allowed";
    if (!finite(tws) || tws[0] < 1 || tws[1] > 20 || tws[2] <= 0)
        return "TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed";
    if (tooManyValues(tws))
        return "The TWS range holds more than 1000 values.";
    if (setup.initialValues.size() != 7 || setup.lowerBounds.size() != 7 || setup.upperBounds.size() != 7)
        return "Please set exactly seven initVals, lowerBounds and upperBounds in the VPP setup.";

    static const char* const variables[] = {"speed", "leeway", "heel", "rudder", "flat", "reef", "twist"};
    for (std::size_t i = 0; i < 7; ++i) {
        if (!std::isfinite(setup.initialValues[i]) || !std::isfinite(setup.lowerBounds[i]) ||
            !std::isfinite(setup.upperBounds[i]))
            return std::string("The start value and the bounds of ") + variables[i] +
                   " must be finite numbers in the VPP setup.";
        if (!(setup.upperBounds[i] > setup.lowerBounds[i]))
            return std::string("The upper bound of ") + variables[i] +
                   " must be greater than its lower bound in the VPP setup.";
    }
    return {};
}

std::string polarCsvText(const ResultTable& rows, const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += ',';
        text += names[i];
    }
    text += '\n';
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += ',';
            // A failed point's forces are not numbers: "nan", whatever the sign bit.
            text += std::isnan(row[i]) ? std::string("nan") : formatNumber("%.2f", row[i]);
        }
        text += '\n';
    }
    return text;
}

bool readPolarCsv(std::istream& in, ResultTable& rows, std::string& error)
{
    ResultTable read;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lineNumber == 1 || line.empty())
            continue;

        // Each field is read as strtod reads it: the longest number at its
        // start, 0 when there is none; a comma at the end adds no field. Of
        // the values that are not finite only those the writer spells are
        // taken; an overflow or another spelling refuses the file.
        std::vector<double> row;
        bool readable = true;
        std::size_t start = 0;
        while (start < line.size()) {
            std::size_t end = line.find(',', start);
            if (end == std::string::npos)
                end = line.size();
            const std::string field = line.substr(start, end - start);
            row.push_back(std::strtod(field.c_str(), nullptr));
            if (!std::isfinite(row.back()) && field != "nan" && field != "inf" && field != "-inf")
                readable = false;
            start = end + 1;
        }
        // The rows are sorted by TWS and TWA, which must therefore be numbers.
        if (!readable || row.size() < polarColumns || !finite({row[0], row[1], row[2]})) {
            error = "Line " + std::to_string(lineNumber) + " of the file does not hold " +
                    std::to_string(polarColumns) +
                    " numbers with a finite resultFlag, TWS and TWA. Nothing has been loaded.";
            return false;
        }
        read.push_back(std::move(row));
    }
    if (lineNumber == 0) {
        error = "Line 1 of the file does not hold a header. Nothing has been loaded.";
        return false;
    }
    std::sort(read.begin(), read.end(), [](const std::vector<double>& a, const std::vector<double>& b) {
        return a[1] < b[1] || (a[1] == b[1] && a[2] < b[2]);
    });
    rows = std::move(read);
    return true;
}

std::vector<PolarCurve> polarCurves(const ResultTable& rows)
{
    std::vector<PolarCurve> curves;
    std::vector<const std::vector<double>*> remaining;
    for (const auto& row : rows) {
        if (row.size() >= polarColumns && !std::isnan(row[1]))
            remaining.push_back(&row);
    }
    while (!remaining.empty()) {
        PolarCurve curve;
        curve.tws = (*remaining.front())[1];
        std::vector<const std::vector<double>*> rest;
        for (const auto* row : remaining) {
            if ((*row)[1] != curve.tws) {
                rest.push_back(row);
                continue;
            }
            const double angle = (*row)[2] * pi / 180.0;
            curve.x.push_back((*row)[3] * std::sin(angle));
            curve.y.push_back((*row)[3] * std::cos(angle));
        }
        curves.push_back(std::move(curve));
        remaining = std::move(rest);
    }
    return curves;
}

std::vector<int> polarRayAngles(int step)
{
    std::vector<int> angles{0};
    if (step < 1)
        return angles;
    for (int i = step; i <= 180; i += step)
        angles.push_back(i);
    return angles;
}
