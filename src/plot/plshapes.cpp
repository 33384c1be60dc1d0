// Shape layers (a polyline in a local frame placed in the plot) and the
// bitmap layer.

#include <algorithm>
#include <cmath>

#include "plotdraw.h"
#include "plotwidget.h"

using namespace pldraw;

//-----------------------------------------------------------------------------
// Movable object

plMovableObject::plMovableObject()
{
    m_type = plLAYER_PLOT;
}

void plMovableObject::SetCoordinateBase(double x, double y, double phi)
{
    m_reference_x = x;
    m_reference_y = y;
    m_reference_phi = phi;
    m_flags = 0;
    ShapeUpdated();
}

void plMovableObject::GetCoordinateBase(double& x, double& y, double& phi) const
{
    x = m_reference_x;
    y = m_reference_y;
    phi = m_reference_phi;
}

void plMovableObject::TranslatePoint(double x, double y, double& out_x, double& out_y) const
{
    const double c = std::cos(m_reference_phi), s = std::sin(m_reference_phi);
    out_x = m_reference_x + c * x - s * y;
    out_y = m_reference_y + s * x + c * y;
}

void plMovableObject::ShapeUpdated()
{
    if (m_shape_xs.size() != m_shape_ys.size()) {
        wxLogError(wxT("[plMovableObject::ShapeUpdated] Error, m_shape_xs and m_shape_ys have different lengths!"));
        return;
    }
    m_trans_shape_xs.resize(m_shape_xs.size());
    m_trans_shape_ys.resize(m_shape_xs.size());
    m_bbox_min_x = m_bbox_min_y = 1e300;
    m_bbox_max_x = m_bbox_max_y = -1e300;
    for (std::size_t i = 0; i < m_shape_xs.size(); ++i) {
        TranslatePoint(m_shape_xs[i], m_shape_ys[i], m_trans_shape_xs[i], m_trans_shape_ys[i]);
        m_bbox_min_x = std::min(m_bbox_min_x, m_trans_shape_xs[i]);
        m_bbox_max_x = std::max(m_bbox_max_x, m_trans_shape_xs[i]);
        m_bbox_min_y = std::min(m_bbox_min_y, m_trans_shape_ys[i]);
        m_bbox_max_y = std::max(m_bbox_max_y, m_trans_shape_ys[i]);
    }
}

void plMovableObject::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    // Shapes are not clipped to the band, but coordinates are kept within what
    // the device context draws correctly.
    const Band window = drawingBand(w, true);
    const Band safe{-kMaxPixel, -kMaxPixel, kMaxPixel, kMaxPixel};
    const std::size_t n = m_trans_shape_xs.size();
    if (!m_continuous) {
        const double reach = m_pen.GetWidth() + 1.0;
        for (std::size_t i = 0; i < n; ++i) {
            const double px = pixelX(w, m_trans_shape_xs[i]), py = pixelY(w, m_trans_shape_ys[i]);
            if (px >= window.left - reach && px <= window.right + reach && py >= window.top - reach
                && py <= window.bottom + reach)
                drawPoint(dc, m_pen, int(px), int(py));
        }
    }
    else {
        for (std::size_t i = 1; i < n; ++i) {
            double x0 = pixelX(w, m_trans_shape_xs[i - 1]), y0 = pixelY(w, m_trans_shape_ys[i - 1]);
            double x1 = pixelX(w, m_trans_shape_xs[i]), y1 = pixelY(w, m_trans_shape_ys[i]);
            if (std::isfinite(x0) && std::isfinite(y0) && std::isfinite(x1) && std::isfinite(y1)
                && clipSegment(x0, y0, x1, y1, safe))
                dc.DrawLine(int(x0), int(y0), int(x1), int(y1));
        }
    }
    if (m_name.IsEmpty() || !m_showName || n == 0)
        return;
    dc.SetFont(m_font);
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(m_name, &tw, &th);
    dc.DrawText(m_name, w.x2p(m_bbox_max_x) - tw - 8, w.y2p(m_bbox_max_y) - 8 - th);
}

//-----------------------------------------------------------------------------
// Covariance ellipse

plCovarianceEllipse::plCovarianceEllipse(double cov_00, double cov_11, double cov_01, double quantiles,
                                         int segments, const wxString& layerName)
    : m_cov_00(cov_00), m_cov_11(cov_11), m_cov_01(cov_01), m_quantiles(quantiles), m_segments(segments)
{
    SetName(layerName);
    m_continuous = true;
    RecalculateShape();
}

void plCovarianceEllipse::SetCovarianceMatrix(double cov_00, double cov_01, double cov_11)
{
    m_cov_00 = cov_00;
    m_cov_01 = cov_01;
    m_cov_11 = cov_11;
    RecalculateShape();
}

void plCovarianceEllipse::GetCovarianceMatrix(double& cov_00, double& cov_01, double& cov_11) const
{
    cov_00 = m_cov_00;
    cov_01 = m_cov_01;
    cov_11 = m_cov_11;
}

void plCovarianceEllipse::SetQuantiles(double q)
{
    m_quantiles = q;
    RecalculateShape();
}

void plCovarianceEllipse::SetSegments(int segments)
{
    if (segments < 2) {
        wxLogError(wxT("[plCovarianceEllipse] Error: at least two segments are needed"));
        return;
    }
    m_segments = segments;
}

void plCovarianceEllipse::RecalculateShape()
{
    if (m_quantiles < 0) {
        wxLogError(wxT("[plCovarianceEllipse] Error: quantiles must be non-negative"));
        return;
    }
    if (m_cov_00 < 0) {
        wxLogError(wxT("[plCovarianceEllipse] Error: cov(0,0) must be non-negative"));
        return;
    }
    if (m_cov_11 < 0) {
        wxLogError(wxT("[plCovarianceEllipse] Error: cov(1,1) must be non-negative"));
        return;
    }
    if (m_cov_00 * m_cov_11 - m_cov_01 * m_cov_01 < 0) {
        wxLogError(wxT("[plCovarianceEllipse] Error: cov is not positive definite"));
        return;
    }
    if (m_segments < 2) {
        wxLogError(wxT("[plCovarianceEllipse] Error: at least two segments are needed"));
        return;
    }

    // Eigenvalues, the larger first.
    const double b = -m_cov_00 - m_cov_11;
    const double root = std::sqrt(std::max(0.0, b * b - 4 * (m_cov_00 * m_cov_11 - m_cov_01 * m_cov_01)));
    const double L1 = (root - b) / 2;
    const double L2 = (-b - root) / 2;

    // Eigenvectors; a diagonal matrix has the coordinate axes, the larger
    // eigenvalue's first (x when both are equal).
    double v1x, v1y, v2x, v2y;
    if (m_cov_01 == 0) {
        const bool yFirst = m_cov_11 > m_cov_00;
        v1x = yFirst ? 0 : 1;
        v1y = yFirst ? 1 : 0;
        v2x = v1y;
        v2y = v1x;
    }
    else {
        if (std::fabs(L1 - m_cov_00) > 1e-6) {
            v1x = m_cov_01 / (L1 - m_cov_00);
            v1y = 1;
        }
        else {
            v1x = 1;
            v1y = m_cov_01 / (L1 - m_cov_11);
        }
        if (std::fabs(L2 - m_cov_00) <= 1e-6) {
            v2x = 1;
            v2y = m_cov_01 / (L2 - m_cov_11);
        }
        else {
            v2x = m_cov_01 / (L2 - m_cov_00);
            v2y = 1;
        }
    }
    const double s1 = std::sqrt(std::max(0.0, L1)) / std::hypot(v1x, v1y);
    const double s2 = std::sqrt(std::max(0.0, L2)) / std::hypot(v2x, v2y);
    const double a1x = v1x * s1, a1y = v1y * s1, a2x = v2x * s2, a2y = v2y * s2;

    const std::size_t n = std::size_t(m_segments);
    m_shape_xs.resize(n);
    m_shape_ys.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) * 6.283185308 / double(m_segments - 1);
        m_shape_xs[i] = (a1x * std::cos(t) + a2x * std::sin(t)) * m_quantiles;
        m_shape_ys[i] = (a1y * std::cos(t) + a2y * std::sin(t)) * m_quantiles;
    }
    ShapeUpdated();
}

//-----------------------------------------------------------------------------
// Polygon

plPolygon::plPolygon(const wxString& layerName)
{
    SetName(layerName);
    m_continuous = true;
}

void plPolygon::setPoints(const std::vector<double>& points_xs, const std::vector<double>& points_ys,
                          bool closedShape)
{
    if (points_xs.size() != points_ys.size()) {
        wxLogError(wxT("[plPolygon] Error: points_xs and points_ys must have the same number of elements"));
        return;
    }
    m_shape_xs = points_xs;
    m_shape_ys = points_ys;
    if (closedShape && !points_xs.empty()) {
        m_shape_xs.push_back(points_xs.front());
        m_shape_ys.push_back(points_ys.front());
    }
    ShapeUpdated();
}

//-----------------------------------------------------------------------------
// Bitmap

plBitmapLayer::plBitmapLayer()
{
    m_type = plLAYER_BITMAP;
}

void plBitmapLayer::SetBitmap(const wxImage& inBmp, double x, double y, double lx, double ly)
{
    if (!inBmp.IsOk()) {
        wxLogError(wxT("[plBitmapLayer] Assigned bitmap is not Ok()!"));
        return;
    }
    m_bitmap = inBmp;
    m_min_x = x;
    m_max_x = x + lx;
    m_min_y = y;
    m_max_y = y + ly;
    m_validImg = true;
    m_scaledBitmap = wxNullBitmap;
}

void plBitmapLayer::GetBitmapCopy(wxImage& outBmp) const
{
    if (m_validImg)
        outBmp = m_bitmap;
}

void plBitmapLayer::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible || !m_validImg)
        return;
    const int imgW = m_bitmap.GetWidth(), imgH = m_bitmap.GetHeight();
    const double x0 = pixelX(w, m_min_x), y0 = pixelY(w, m_max_y);
    const double x1 = pixelX(w, m_max_x), y1 = pixelY(w, m_min_y);
    // Screen pixels per image pixel.
    const double sx = (x1 - x0) / imgW, sy = (y1 - y0) / imgH;
    if (!std::isfinite(sx) || !std::isfinite(sy) || !(sx > 0) || !(sy > 0))
        return;

    // Only the part of the image rectangle inside the window is scaled and
    // drawn, so that a deep zoom never builds a bitmap larger than the window.
    const int left = toPixel(std::max(x0, 0.0)), top = toPixel(std::max(y0, 0.0));
    const int right = toPixel(std::min(x1, double(w.GetScrX()))), bottom = toPixel(std::min(y1, double(w.GetScrY())));
    if (right <= left || bottom <= top)
        return;
    const wxRect visible(left, top, right - left, bottom - top);

    if (!m_scaledBitmap.IsOk() || visible != m_scaledRect || x0 != m_scaledX0 || y0 != m_scaledY0
        || sx != m_scaledSx || sy != m_scaledSy) {
        // Nearest image pixel for every screen pixel.
        wxImage part(visible.width, visible.height);
        const bool alpha = m_bitmap.HasAlpha();
        if (alpha)
            part.SetAlpha();
        const unsigned char* src = m_bitmap.GetData();
        unsigned char* dst = part.GetData();
        for (int j = 0; j < visible.height; ++j) {
            const int iy = std::clamp(int(std::floor((visible.y + j + 0.5 - y0) / sy)), 0, imgH - 1);
            for (int i = 0; i < visible.width; ++i) {
                const int ix = std::clamp(int(std::floor((visible.x + i + 0.5 - x0) / sx)), 0, imgW - 1);
                const std::size_t from = std::size_t(iy) * imgW + ix, to = std::size_t(j) * visible.width + i;
                std::copy_n(src + 3 * from, 3, dst + 3 * to);
                if (alpha)
                    part.GetAlpha()[to] = m_bitmap.GetAlpha()[from];
            }
        }
        if (m_bitmap.HasMask())
            part.SetMaskColour(m_bitmap.GetMaskRed(), m_bitmap.GetMaskGreen(), m_bitmap.GetMaskBlue());
        m_scaledBitmap = wxBitmap(part);
        m_scaledRect = visible;
        m_scaledX0 = x0;
        m_scaledY0 = y0;
        m_scaledSx = sx;
        m_scaledSy = sy;
    }
    dc.DrawBitmap(m_scaledBitmap, visible.x, visible.y, true);

    if (m_name.IsEmpty() || !m_showName)
        return;
    dc.SetFont(m_font);
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(m_name, &tw, &th);
    dc.DrawText(m_name, w.x2p(m_max_x) - tw - 8, w.y2p(m_max_y) - 8 - th);
}
