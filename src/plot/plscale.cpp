// The horizontal and vertical axes: axis line, tick marks or dotted grid
// lines at decimal steps, tick labels and the axis name.

#include <algorithm>
#include <cmath>

#include "plotdraw.h"
#include "plotwidget.h"

using namespace pldraw;

wxIMPLEMENT_DYNAMIC_CLASS(plScaleX, plLayer);
wxIMPLEMENT_DYNAMIC_CLASS(plScaleY, plLayer);

namespace {

// Distance from the window edge of axes drawn outside the margins.
constexpr int kOutsideSeparationX = 40;
constexpr int kOutsideSeparationY = 60;

// The grid line pen: the layer's pen, dotted.
void setDotted(wxDC& dc, const wxPen& pen, bool dotted)
{
    wxPen p(pen);
    p.SetStyle(dotted ? wxPENSTYLE_DOT : wxPENSTYLE_SOLID);
    dc.SetPen(p);
}

} // namespace

plScaleX::plScaleX(const wxString& name, int flags, bool ticks, unsigned int type)
    : m_flags(flags), m_ticks(ticks), m_labelType(type)
{
    SetName(name);
    m_font = *wxSMALL_FONT;
    m_pen = *wxGREY_PEN;
    m_type = plLAYER_AXIS;
}

void plScaleX::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    dc.SetFont(m_font);

    const int scrX = w.GetScrX(), scrY = w.GetScrY();
    int orgy = 0;
    switch (m_flags) {
    case plAXIS_TOP_OR_RIGHT:
        orgy = m_drawOutsideMargins ? kOutsideSeparationX : w.GetMarginTop();
        break;
    case plAXIS_AT_ORIGIN:
        orgy = toPixel(std::trunc(w.GetPosY() * w.GetScaleY()));
        break;
    case plAXIS_BOTTOM_OR_LEFT:
        orgy = m_drawOutsideMargins ? scrY - kOutsideSeparationX : scrY - w.GetMarginBottom();
        break;
    case plAXIS_BORDER_BOTTOM_OR_LEFT:
        orgy = scrY - 1;
        break;
    case plAXIS_BORDER_TOP_OR_RIGHT:
        orgy = 1;
        break;
    default:
        break;
    }
    dc.DrawLine(0, orgy, scrX, orgy);

    const double scale = w.GetScaleX();
    int n = 0;
    const double step = tickStep(scale, &n);
    const double posX = w.GetPosX();
    const double end = posX + scrX / scale;

    wxString fmt;
    switch (m_labelType) {
    case plLABEL_NUMBER:
        if (isSingleDoubleFormat(m_labelFormat))
            fmt = m_labelFormat;
        else if (n >= 1)
            fmt = wxT("%.f");
        else
            fmt = wxString::Format(wxT("%%.%df"), 2);
        break;
    case plLABEL_DATETIME:
        fmt = wxT("%04.0f-%02.0f-%02.0fT%02.0f:%02.0f:%02.0f");
        break;
    case plLABEL_DATE:
        fmt = wxT("%04.0f-%02.0f-%02.0f");
        break;
    default:
        fmt = (m_labelType == plLABEL_TIME && end / 60 < 2) ? wxT("%02.0f:%02.3f") : wxT("%02.0f:%02.0f:%02.0f");
        break;
    }

    const Band band = drawingBand(w, m_drawOutsideMargins);
    // Ticks are at least 12.8 pixels apart; the cap only guards the loop.
    const std::size_t maxTicks = std::size_t(std::max(scrX, 1)) + 2;
    int labelW = 0, labelH = 0;
    for (double t : tickValues(posX, end, step, 1, maxTicks)) {
        const double p = pixelX(w, t);
        if (p < band.left || p > band.right)
            continue;
        const int ip = int(p);
        if (!m_ticks) {
            setDotted(dc, m_pen, true);
            if (m_flags == plAXIS_BOTTOM_OR_LEFT && !m_drawOutsideMargins)
                dc.DrawLine(ip, orgy + 4, ip, int(band.top));
            else if (m_flags == plAXIS_TOP_OR_RIGHT && !m_drawOutsideMargins)
                dc.DrawLine(ip, orgy - 4, ip, int(band.bottom));
            else
                dc.DrawLine(ip, 0, ip, scrY);
            setDotted(dc, m_pen, false);
        }
        else {
            dc.DrawLine(ip, orgy, ip, m_flags == plAXIS_BORDER_BOTTOM_OR_LEFT ? orgy - 4 : orgy + 4);
        }
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(formatLabel(fmt, t, m_labelType, m_timeConv), &tw, &th);
        labelW = std::max(labelW, int(tw));
        labelH = std::max(labelH, int(th));
    }

    if (step > 0.0) {
        const long labelStep = std::max(1L, long(std::ceil((labelW + 64) / (step * scale))));
        for (double t : tickValues(posX, end, step, labelStep, maxTicks)) {
            const double p = pixelX(w, t);
            if (p < band.left || p > band.right)
                continue;
            const wxString label = formatLabel(fmt, t, m_labelType, m_timeConv);
            wxCoord tw = 0, th = 0;
            dc.GetTextExtent(label, &tw, &th);
            const int ty = (m_flags == plAXIS_TOP_OR_RIGHT || m_flags == plAXIS_BORDER_BOTTOM_OR_LEFT)
                               ? orgy - 4 - th
                               : orgy + 4;
            dc.DrawText(label, int(p) - tw / 2, ty);
        }
    }

    wxCoord w0 = 0, h0 = 0;
    dc.GetTextExtent(m_name, &w0, &h0);
    const int tw = w0, th = h0;
    const int left = int(band.left), right = int(band.right);
    switch (m_flags) {
    case plAXIS_TOP_OR_RIGHT:
        if (!m_drawOutsideMargins && th + 8 + labelH < w.GetMarginTop())
            dc.DrawText(m_name, (right - left - tw) >> 1, orgy - 6 - th - labelH);
        else
            dc.DrawText(m_name, scrX - tw - 4, orgy + 4);
        break;
    case plAXIS_AT_ORIGIN:
        dc.DrawText(m_name, scrX - tw - 4, orgy - 4 - th);
        break;
    case plAXIS_BOTTOM_OR_LEFT:
        if (!m_drawOutsideMargins && labelH + 8 + th < w.GetMarginBottom())
            dc.DrawText(m_name, (right - left - tw) >> 1, orgy + 6 + labelH);
        else
            dc.DrawText(m_name, scrX - tw - 4, orgy - 4 - th);
        break;
    case plAXIS_BORDER_BOTTOM_OR_LEFT:
        dc.DrawText(m_name, scrX - tw - 4, orgy - 8 - th - labelH);
        break;
    case plAXIS_BORDER_TOP_OR_RIGHT:
        dc.DrawText(m_name, scrX - tw - 4, orgy + 6 + labelH);
        break;
    default:
        break;
    }
}

plScaleY::plScaleY(const wxString& name, int flags, bool ticks) : m_flags(flags), m_ticks(ticks)
{
    SetName(name);
    m_font = *wxSMALL_FONT;
    m_pen = *wxGREY_PEN;
    m_type = plLAYER_AXIS;
}

void plScaleY::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    dc.SetFont(m_font);

    const int scrX = w.GetScrX(), scrY = w.GetScrY();
    int orgx = 0;
    switch (m_flags) {
    case plAXIS_TOP_OR_RIGHT:
        orgx = m_drawOutsideMargins ? scrX - kOutsideSeparationY : scrX - w.GetMarginRight();
        break;
    case plAXIS_AT_ORIGIN:
        orgx = toPixel(std::trunc(-w.GetPosX() * w.GetScaleX()));
        break;
    case plAXIS_BOTTOM_OR_LEFT:
        orgx = m_drawOutsideMargins ? kOutsideSeparationY : w.GetMarginLeft();
        break;
    case plAXIS_BORDER_BOTTOM_OR_LEFT:
        orgx = 1;
        break;
    case plAXIS_BORDER_TOP_OR_RIGHT:
        orgx = scrX - 1;
        break;
    default:
        break;
    }
    dc.DrawLine(orgx, 0, orgx, scrY);

    wxString fmt = m_labelFormat;
    if (!isSingleDoubleFormat(fmt)) {
        const double m = std::max(std::fabs(w.GetDesiredYmax()), std::fabs(w.GetDesiredYmin()));
        fmt = (m >= 10000 || m <= 0.001) ? wxT("%.1e") : wxT("%.2f");
    }

    const double scale = w.GetScaleY();
    const double step = tickStep(scale);
    const double posY = w.GetPosY();
    const double start = posY - (scrY - w.GetMarginTop() - w.GetMarginBottom()) / scale;
    const double end = posY + scrY / scale;
    // The ticks span twice the window height at 12.8 pixels or more apart.
    const std::size_t maxTicks = 2 * std::size_t(std::max(scrY, 1)) + 4;
    const std::vector<double> ticks = tickValues(start, end, step, 1, maxTicks);

    const Band band = drawingBand(w, m_drawOutsideMargins);
    int labelH = 0, labelW = 0;
    if (!ticks.empty()) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(wxString::Format(fmt, ticks.front()), &tw, &th);
        labelH = th;
    }
    int lastLabelY = 65536;
    for (double t : ticks) {
        const double p = pixelY(w, t);
        if (p < band.top || p > band.bottom)
            continue;
        const int ip = int(p);
        if (!m_ticks) {
            setDotted(dc, m_pen, true);
            if (m_flags == plAXIS_BOTTOM_OR_LEFT && !m_drawOutsideMargins)
                dc.DrawLine(orgx - 4, ip, int(band.right), ip);
            else if (m_flags == plAXIS_TOP_OR_RIGHT && !m_drawOutsideMargins)
                dc.DrawLine(int(band.left), ip, orgx + 4, ip);
            else
                dc.DrawLine(0, ip, scrX, ip);
            setDotted(dc, m_pen, false);
        }
        else if (m_flags == plAXIS_BORDER_BOTTOM_OR_LEFT) {
            dc.DrawLine(orgx, ip, orgx + 4, ip);
        }
        else {
            dc.DrawLine(orgx - 4, ip, orgx, ip);
        }
        const wxString label = wxString::Format(fmt, t);
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(label, &tw, &th);
        labelW = std::max(labelW, int(tw));
        if (labelH / 2 + lastLabelY - ip > 32) {
            if (m_flags == plAXIS_TOP_OR_RIGHT || m_flags == plAXIS_BORDER_BOTTOM_OR_LEFT)
                dc.DrawText(label, orgx + 4, ip - th / 2);
            else
                dc.DrawText(label, orgx - 4 - tw, ip - th / 2);
            lastLabelY = ip - labelH / 2;
        }
    }

    wxCoord w0 = 0, h0 = 0;
    dc.GetTextExtent(m_name, &w0, &h0);
    const int tw = w0, th = h0;
    const int top = int(band.top), bottom = int(band.bottom);
    switch (m_flags) {
    case plAXIS_TOP_OR_RIGHT:
        if (!m_drawOutsideMargins && th + 8 + labelW < w.GetMarginRight())
            dc.DrawRotatedText(m_name, orgx + 6 + labelW, (bottom - top + tw) >> 1, 90);
        else
            dc.DrawText(m_name, orgx - tw - 4, 4);
        break;
    case plAXIS_AT_ORIGIN:
        dc.DrawText(m_name, orgx + 4, 4);
        break;
    case plAXIS_BOTTOM_OR_LEFT:
        if (!m_drawOutsideMargins && th + 8 + labelW < w.GetMarginLeft())
            dc.DrawRotatedText(m_name, orgx - 6 - labelW - th, (bottom - top + tw) >> 1, 90);
        else
            dc.DrawText(m_name, orgx + 4, 4);
        break;
    case plAXIS_BORDER_BOTTOM_OR_LEFT:
        dc.DrawText(m_name, labelW + 8, 4);
        break;
    case plAXIS_BORDER_TOP_OR_RIGHT:
        dc.DrawText(m_name, orgx - 6 - w0 - labelW, 4);
        break;
    default:
        break;
    }
}
