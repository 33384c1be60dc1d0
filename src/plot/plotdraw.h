#pragma once
// Drawing helpers shared by the plot layers: the drawing band, pixel
// positions kept in doubles until they are clipped, decimal tick steps and
// tick label texts.

#include <ctime>
#include <vector>

#include "plotwidget.h"

namespace pldraw {

// Cairo draws wrongly beyond about eight million pixels: every coordinate
// handed to a device context stays within this.
constexpr double kMaxPixel = 4.0e6;

// The area a layer may draw in, ends inclusive.
struct Band {
    double left;
    double top;
    double right;
    double bottom;
};

// The whole window when outsideMargins, else the window less its margins.
Band drawingBand(const plWindow& w, bool outsideMargins);

// Pixel positions truncated toward zero, in doubles: they may be huge or
// non-finite and must be clipped or clamped before they reach a DC.
double pixelX(const plWindow& w, double x);
double pixelY(const plWindow& w, double y);
// Clamps into +-kMaxPixel and converts; NaN gives 0.
int toPixel(double p);

// Clips the segment to the band whichever way it runs. False when no part of
// it lies inside the band.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, const Band& band);

// A single point for thin pens, a zero-length line (which keeps the pen's
// width) for wider ones.
void drawPoint(wxDC& dc, const wxPen& pen, int x, int y);

// Decimal tick step for `scale` pixels per unit, 10^floor(log10(128 / scale)),
// with its exponent; 0 when the scale gives no usable step.
double tickStep(double scale, int* exponent = nullptr);

// Ticks k * step for k = floor(start / step), advancing `every` steps while
// below end: at most maxCount values, and none once a value stops advancing.
std::vector<double> tickValues(double start, double end, double step, long every, std::size_t maxCount);

// True when format holds exactly one floating-point conversion (flags, width,
// precision and an 'l' allowed) besides literal text and "%%".
bool isSingleDoubleFormat(const wxString& format);

// Hours (carrying the sign of t), minutes and seconds of |t| seconds.
void splitTime(double t, double& signedHours, double& minutes, double& seconds);

// Calendar time of the whole seconds of t, local for plTIME_LOCAL, UTC
// otherwise. False when the conversion fails or t is at or before 0.
bool calendarTime(double t, unsigned int timeConv, std::tm& out);

// The tick label of value t: labelType plLABEL_NUMBER prints t with format;
// the time types print hours, minutes and seconds, the date types a calendar
// date. A failed time conversion gives an empty label.
wxString formatLabel(const wxString& format, double t, unsigned int labelType, unsigned int timeConv);

} // namespace pldraw
