// The layer base and the curve layers.

#include <algorithm>
#include <cmath>

#include "plotdraw.h"
#include "plotwidget.h"

using namespace pldraw;

namespace {

// Where a function curve writes its name, in the layer's font, which is left
// selected: the column for a curve over x and the row for a curve over y, by
// the flags' lower two bits. The name then sits on the curve at that place.
int nameColumn(wxDC& dc, const plWindow& w, const wxFont& font, const wxString& name, int flags)
{
    dc.SetFont(font);
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(name, &tw, &th);
    const int marginLeft = w.GetMarginLeft(), marginRight = w.GetMarginRight();
    if ((flags & 3) == plNAME_BELOW_RIGHT)
        return w.GetScrX() - tw - marginRight - 8;
    if ((flags & 3) == plNAME_BELOW_LEFT)
        return (w.GetScrX() - marginRight - marginLeft - tw) / 2 + marginLeft;
    return marginLeft + 8;
}

int nameRow(wxDC& dc, const plWindow& w, const wxFont& font, const wxString& name, int flags)
{
    dc.SetFont(font);
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(name, &tw, &th);
    const int marginTop = w.GetMarginTop(), marginBottom = w.GetMarginBottom();
    if ((flags & 3) == plNAME_BELOW_RIGHT)
        return marginTop + 8;
    if ((flags & 3) == plNAME_BELOW_LEFT)
        return (w.GetScrY() - marginTop - marginBottom - th) / 2 + marginTop;
    return w.GetScrY() - 8 - th - marginBottom;
}

} // namespace

wxIMPLEMENT_ABSTRACT_CLASS(plLayer, wxObject);
wxIMPLEMENT_ABSTRACT_CLASS(plFX, plLayer);
wxIMPLEMENT_ABSTRACT_CLASS(plFY, plLayer);
wxIMPLEMENT_ABSTRACT_CLASS(plFXY, plLayer);
wxIMPLEMENT_ABSTRACT_CLASS(plProfile, plLayer);
wxIMPLEMENT_DYNAMIC_CLASS(plFXYVector, plFXY);

plLayer::plLayer() : m_font(*wxNORMAL_FONT), m_pen(*wxBLACK_PEN), m_brush(wxNullBrush) {}

wxBitmap plLayer::GetColourSquare(int side)
{
    wxBitmap square(side, side);
    wxMemoryDC dc(square);
    dc.SetBackground(wxBrush(m_pen.GetColour(), wxBRUSHSTYLE_SOLID));
    dc.Clear();
    dc.SelectObject(wxNullBitmap);
    return square;
}

//-----------------------------------------------------------------------------
// Function layers

plFX::plFX(const wxString& name, int flags) : m_flags(flags)
{
    SetName(name);
    m_type = plLAYER_PLOT;
}

void plFX::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    const Band band = drawingBand(w, m_drawOutsideMargins);
    for (int i = int(band.left); i < int(band.right); ++i) {
        const double iy = pixelY(w, GetY(w.GetPosX() + i / w.GetScaleX()));
        if (!std::isfinite(iy))
            continue;
        if (m_drawOutsideMargins || (iy >= band.top && iy <= band.bottom))
            drawPoint(dc, m_pen, i, toPixel(iy));
    }
    if (m_name.IsEmpty() || !m_showName)
        return;
    const int tx = nameColumn(dc, w, m_font, m_name, m_flags);
    dc.DrawText(m_name, tx, toPixel(pixelY(w, GetY(w.p2x(tx)))));
}

plFY::plFY(const wxString& name, int flags) : m_flags(flags)
{
    SetName(name);
    m_type = plLAYER_PLOT;
}

void plFY::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    const Band band = drawingBand(w, m_drawOutsideMargins);
    for (int j = int(band.top); j < int(band.bottom); ++j) {
        const double ix = pixelX(w, GetX(w.GetPosY() - j / w.GetScaleY()));
        if (!std::isfinite(ix))
            continue;
        if (m_drawOutsideMargins || (ix >= band.left && ix <= band.right))
            drawPoint(dc, m_pen, toPixel(ix), j);
    }
    if (m_name.IsEmpty() || !m_showName)
        return;
    const int ty = nameRow(dc, w, m_font, m_name, m_flags);
    dc.DrawText(m_name, toPixel(pixelX(w, GetX(w.p2y(ty)))), ty);
}

plProfile::plProfile(const wxString& name, int flags) : m_flags(flags)
{
    SetName(name);
    m_type = plLAYER_PLOT;
}

void plProfile::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    const Band band = drawingBand(w, m_drawOutsideMargins);
    const auto columnY = [&](int i) {
        double p = pixelY(w, GetY(w.GetPosX() + i / w.GetScaleX()));
        if (!m_drawOutsideMargins)
            p = std::clamp(p, band.top, band.bottom);
        return p;
    };
    for (int i = int(band.left); i < int(band.right); ++i) {
        const double c0 = columnY(i), c1 = columnY(i + 1);
        if (std::isfinite(c0) && std::isfinite(c1))
            dc.DrawLine(i, toPixel(c0), i + 1, toPixel(c1));
    }
    if (m_name.IsEmpty())
        return;
    const int tx = nameColumn(dc, w, m_font, m_name, m_flags);
    dc.DrawText(m_name, tx, toPixel(pixelY(w, GetY(w.p2x(tx)))));
}

//-----------------------------------------------------------------------------
// Point curves

plFXY::plFXY(const wxString& name, int flags) : m_flags(flags)
{
    SetName(name);
    m_type = plLAYER_PLOT;
}

void plFXY::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    const Band band = drawingBand(w, m_drawOutsideMargins);
    const Band window = drawingBand(w, true);

    bool haveExtent = false;
    const auto widen = [&](double px, double py) {
        const int ix = toPixel(px), iy = toPixel(py);
        if (!haveExtent) {
            minDrawX = maxDrawX = ix;
            minDrawY = maxDrawY = iy;
            haveExtent = true;
            return;
        }
        minDrawX = std::min(minDrawX, ix);
        maxDrawX = std::max(maxDrawX, ix);
        minDrawY = std::min(minDrawY, iy);
        maxDrawY = std::max(maxDrawY, iy);
    };

    // Non-finite points are skipped throughout.
    double x = 0, y = 0;
    Rewind();
    while (GetNextXY(x, y)) {
        const double px = pixelX(w, x), py = pixelY(w, y);
        if (std::isfinite(px) && std::isfinite(py)) {
            widen(px, py);
            break;
        }
    }
    Rewind();

    if (!m_continuous) {
        while (GetNextXY(x, y)) {
            const double px = pixelX(w, x), py = pixelY(w, y);
            if (!std::isfinite(px) || !std::isfinite(py))
                continue;
            if (!m_drawOutsideMargins
                && (px < band.left || px > band.right || py < band.top || py > band.bottom))
                continue;
            widen(px, py);
            // A point off the window is invisible; drawing it could only
            // hand the DC an out-of-range coordinate.
            const double reach = m_pen.GetWidth() + 1.0;
            if (px >= window.left - reach && px <= window.right + reach && py >= window.top - reach
                && py <= window.bottom + reach)
                drawPoint(dc, m_pen, int(px), int(py));
        }
    }
    else {
        bool havePrevious = false;
        double x0 = 0, c0 = 0;
        while (GetNextXY(x, y)) {
            const double x1 = pixelX(w, x), c1 = pixelY(w, y);
            if (!std::isfinite(x1) || !std::isfinite(c1))
                continue;
            if (!havePrevious) {
                x0 = x1;
                c0 = c1;
                havePrevious = true;
            }
            // Each segment is clipped on a copy, so that the next one starts
            // from the true point and not from where this one was cut.
            double ax = x0, ac = c0, bx = x1, bc = c1;
            if (clipSegment(ax, ac, bx, bc, band)) {
                dc.DrawLine(int(ax), int(ac), int(bx), int(bc));
                widen(bx, bc);
            }
            x0 = x1;
            c0 = c1;
        }
    }

    if (m_name.IsEmpty() || !m_showName || !haveExtent)
        return;
    dc.SetFont(m_font);
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(m_name, &tw, &th);
    int tx = 0, ty = 0;
    switch (m_flags & 3) {
    case plNAME_BELOW_RIGHT:
        tx = maxDrawX - tw - 8;
        ty = maxDrawY + 8;
        break;
    case plNAME_BELOW_LEFT:
        tx = minDrawX + 8;
        ty = maxDrawY + 8;
        break;
    case plNAME_ABOVE_LEFT:
        tx = minDrawX + 8;
        ty = minDrawY - th - 8;
        break;
    default:
        tx = maxDrawX - tw - 8;
        ty = minDrawY - th - 8;
        break;
    }
    dc.DrawText(m_name, tx, ty);
}

//-----------------------------------------------------------------------------
// Vector curve

plFXYVector::plFXYVector(const wxString& name, int flags) : plFXY(name, flags) {}

void plFXYVector::SetData(const std::vector<double>& xs, const std::vector<double>& ys)
{
    if (xs.size() != ys.size()) {
        wxLogError(_("Plot error: X and Y vector are not of the same length!"));
        return;
    }
    m_xs = xs;
    m_ys = ys;

    // Non-finite values take no part in the bounds, so that Fit stays usable.
    const auto extremes = [](const std::vector<double>& v, double& lo, double& hi) {
        bool any = false;
        for (double d : v) {
            if (!std::isfinite(d))
                continue;
            lo = any ? std::min(lo, d) : d;
            hi = any ? std::max(hi, d) : d;
            any = true;
        }
        return any;
    };
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    if (extremes(xs, minX, maxX) && extremes(ys, minY, maxY)) {
        m_minX = minX - 0.5;
        m_maxX = maxX + 0.5;
        m_minY = minY - 0.5;
        m_maxY = maxY + 0.5;
    }
    else {
        m_minX = -1;
        m_maxX = 1;
        m_minY = -1;
        m_maxY = 1;
    }
}

void plFXYVector::Clear()
{
    m_xs.clear();
    m_ys.clear();
}

bool plFXYVector::GetNextXY(double& x, double& y)
{
    if (m_index >= m_xs.size())
        return false;
    x = m_xs[m_index];
    y = m_ys[m_index];
    ++m_index;
    return true;
}
