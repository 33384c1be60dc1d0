#include "plotdraw.h"

#include <algorithm>
#include <cmath>

namespace pldraw {

Band drawingBand(const plWindow& w, bool outsideMargins)
{
    if (outsideMargins)
        return {0.0, 0.0, double(w.GetScrX()), double(w.GetScrY())};
    return {double(w.GetMarginLeft()), double(w.GetMarginTop()), double(w.GetScrX() - w.GetMarginRight()),
            double(w.GetScrY() - w.GetMarginBottom())};
}

double pixelX(const plWindow& w, double x)
{
    return std::trunc((x - w.GetPosX()) * w.GetScaleX());
}

double pixelY(const plWindow& w, double y)
{
    return std::trunc((w.GetPosY() - y) * w.GetScaleY());
}

int toPixel(double p)
{
    if (std::isnan(p))
        return 0;
    return static_cast<int>(std::clamp(p, -kMaxPixel, kMaxPixel));
}

namespace {

// Moves one end onto the horizontal line c = edge, along the segment.
void toRow(double& x, double& c, double edge, double xa, double ca, double xb, double cb)
{
    x = xa + (edge - ca) / (cb - ca) * (xb - xa);
    c = edge;
}

// Moves one end onto the vertical line x = edge, along the segment.
void toColumn(double& x, double& c, double edge, double xa, double ca, double xb, double cb)
{
    c = ca + (edge - xa) / (xb - xa) * (cb - ca);
    x = edge;
}

bool inside(double x, double c, const Band& b)
{
    // Half a pixel of slack for rounding of the moved ends.
    return x >= b.left - 0.5 && x <= b.right + 0.5 && c >= b.top - 0.5 && c <= b.bottom + 0.5;
}

} // namespace

bool clipSegment(double& x0, double& c0, double& x1, double& c1, const Band& b)
{
    if ((x0 < b.left && x1 < b.left) || (x0 > b.right && x1 > b.right) || (c0 < b.top && c1 < b.top)
        || (c0 > b.bottom && c1 > b.bottom))
        return false;
    if (c1 != c0) {
        if (c0 < b.top)
            toRow(x0, c0, b.top, x0, c0, x1, c1);
        else if (c0 > b.bottom)
            toRow(x0, c0, b.bottom, x0, c0, x1, c1);
        if (c1 < b.top)
            toRow(x1, c1, b.top, x0, c0, x1, c1);
        else if (c1 > b.bottom)
            toRow(x1, c1, b.bottom, x0, c0, x1, c1);
    }
    if (x1 != x0) {
        if (x0 < b.left)
            toColumn(x0, c0, b.left, x0, c0, x1, c1);
        else if (x0 > b.right)
            toColumn(x0, c0, b.right, x0, c0, x1, c1);
        if (x1 < b.left)
            toColumn(x1, c1, b.left, x0, c0, x1, c1);
        else if (x1 > b.right)
            toColumn(x1, c1, b.right, x0, c0, x1, c1);
    }
    // A segment that passes a corner of the band ends up with an end outside.
    if (!inside(x0, c0, b) || !inside(x1, c1, b))
        return false;
    x0 = std::trunc(x0);
    c0 = std::trunc(c0);
    x1 = std::trunc(x1);
    c1 = std::trunc(c1);
    return true;
}

void drawPoint(wxDC& dc, const wxPen& pen, int x, int y)
{
    if (pen.GetWidth() <= 1)
        dc.DrawPoint(x, y);
    else
        dc.DrawLine(x, y, x, y);
}

double tickStep(double scale, int* exponent)
{
    const double n = std::floor(std::log10(128.0 / scale));
    const double step = std::pow(10.0, n);
    if (!std::isfinite(n) || !std::isfinite(step) || step <= 0.0)
        return 0.0;
    if (exponent)
        *exponent = static_cast<int>(n);
    return step;
}

std::vector<double> tickValues(double start, double end, double step, long every, std::size_t maxCount)
{
    std::vector<double> ticks;
    if (!(step > 0.0) || every < 1 || !std::isfinite(start) || !std::isfinite(end))
        return ticks;
    const double k0 = std::floor(start / step);
    if (!std::isfinite(k0))
        return ticks;
    for (double i = 0;; i += double(every)) {
        // Adding 0.0 turns the origin's -0 into +0.
        const double t = (k0 + i) * step + 0.0;
        if (!(t < end) || ticks.size() >= maxCount)
            break;
        if (!ticks.empty() && !(t > ticks.back()))
            return {};
        ticks.push_back(t);
    }
    return ticks;
}

bool isSingleDoubleFormat(const wxString& format)
{
    const std::string f = format.utf8_string();
    int conversions = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%')
            continue;
        ++i;
        if (i < f.size() && f[i] == '%')
            continue;
        while (i < f.size() && std::string("-+ #0").find(f[i]) != std::string::npos)
            ++i;
        while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])))
            ++i;
        if (i < f.size() && f[i] == '.') {
            ++i;
            while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])))
                ++i;
        }
        if (i < f.size() && f[i] == 'l')
            ++i;
        if (i >= f.size() || std::string("fFeEgGaA").find(f[i]) == std::string::npos)
            return false;
        ++conversions;
    }
    return conversions == 1;
}

void splitTime(double t, double& signedHours, double& minutes, double& seconds)
{
    const double a = std::fabs(t);
    const double hours = std::floor(a / 3600.0);
    minutes = std::floor((a - 3600.0 * hours) / 60.0);
    seconds = a - 3600.0 * hours - 60.0 * minutes;
    signedHours = t < 0 ? -hours : hours;
}

bool calendarTime(double t, unsigned int timeConv, std::tm& out)
{
    // Beyond a few hundred million years no calendar conversion succeeds.
    if (!(t > 0.0) || t > 1e16)
        return false;
    const std::time_t seconds = static_cast<std::time_t>(t);
    if (timeConv == plTIME_LOCAL)
        return localtime_r(&seconds, &out) != nullptr;
    return gmtime_r(&seconds, &out) != nullptr;
}

wxString formatLabel(const wxString& format, double t, unsigned int labelType, unsigned int timeConv)
{
    switch (labelType) {
    case plLABEL_NUMBER:
        return wxString::Format(format, t);
    case plLABEL_TIME:
    case plLABEL_HOURS: {
        double hours = 0, minutes = 0, seconds = 0;
        splitTime(t, hours, minutes, seconds);
        if (format == wxT("%02.0f:%02.0f:%02.0f"))
            return wxString::Format(format, hours, minutes, std::floor(seconds));
        return wxString::Format(format, t < 0 ? -minutes : minutes, seconds);
    }
    case plLABEL_DATE:
    case plLABEL_DATETIME: {
        std::tm tm{};
        if (!calendarTime(t, timeConv, tm))
            return wxString();
        if (labelType == plLABEL_DATE)
            return wxString::Format(format, double(tm.tm_year + 1900), double(tm.tm_mon + 1), double(tm.tm_mday));
        return wxString::Format(format, double(tm.tm_year + 1900), double(tm.tm_mon + 1), double(tm.tm_mday),
                                double(tm.tm_hour), double(tm.tm_min), double(tm.tm_sec));
    }
    default:
        return wxString();
    }
}

} // namespace pldraw
