// Info boxes (plain box, legend, mouse coordinates) and the text layer.

#include <algorithm>
#include <cmath>

#include "plotdraw.h"
#include "plotwidget.h"

using namespace pldraw;

wxIMPLEMENT_DYNAMIC_CLASS(plInfoLayer, plLayer);
wxIMPLEMENT_DYNAMIC_CLASS(plText, plLayer);

namespace {

// Curve names the legend leaves out.
const wxString kNoLegendEntry = wxT("_noLegendEntry_");

} // namespace

plInfoLayer::plInfoLayer() : m_dim(0, 0, 1, 1), m_reference(0, 0), m_boxBrush(*wxTRANSPARENT_BRUSH)
{
    m_type = plLAYER_INFO;
}

plInfoLayer::plInfoLayer(wxRect rect, const wxBrush* brush)
    : m_dim(rect), m_reference(rect.GetPosition()), m_boxBrush(brush ? *brush : *wxTRANSPARENT_BRUSH)
{
    m_type = plLAYER_INFO;
}

void plInfoLayer::UpdateInfo(plWindow&, wxEvent&) {}

bool plInfoLayer::Inside(wxPoint& point)
{
    return m_dim.Contains(point);
}

void plInfoLayer::Move(wxPoint delta)
{
    m_dim.SetPosition(m_reference + delta);
}

void plInfoLayer::UpdateReference()
{
    m_reference = m_dim.GetPosition();
}

void plInfoLayer::KeepRelativePosition(plWindow& w)
{
    const int sx = w.GetScrX() != 0 ? w.GetScrX() : 1;
    const int sy = w.GetScrY() != 0 ? w.GetScrY() : 1;
    if (m_winX == sx && m_winY == sy)
        return;
    if (m_winX != 1)
        m_dim.x = m_dim.x * sx / m_winX;
    if (m_winY != 1) {
        m_dim.y = m_dim.y * sy / m_winY;
        UpdateReference();
    }
    m_winX = sx;
    m_winY = sy;
}

void plInfoLayer::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    KeepRelativePosition(w);
    dc.SetPen(m_pen);
    dc.SetBrush(m_boxBrush);
    dc.DrawRectangle(m_dim);
}

//-----------------------------------------------------------------------------
// Legend

plInfoLegend::plInfoLegend() = default;

plInfoLegend::plInfoLegend(wxRect rect, const wxBrush* brush) : plInfoLayer(rect, brush) {}

void plInfoLegend::SetItemMode(int mode)
{
    if (mode == plITEM_LINE || mode == plITEM_SQUARE)
        m_itemMode = mode;
}

void plInfoLegend::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    KeepRelativePosition(w);
    dc.SetBrush(m_boxBrush);
    dc.SetFont(m_font);

    std::vector<plLayer*> curves;
    for (unsigned int i = 0; i < w.CountAllLayers(); ++i) {
        plLayer* layer = w.GetLayer(int(i));
        if (layer->GetLayerType() == plLAYER_PLOT && layer->IsVisible() && layer->GetName() != kNoLegendEntry)
            curves.push_back(layer);
    }

    int width = 20, height = 5;
    for (plLayer* curve : curves) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(curve->GetName(), &tw, &th);
        if (width <= tw + 20)
            width = tw + 25;
        height += th;
    }
    dc.SetPen(m_pen);
    dc.SetBrush(m_boxBrush);
    m_dim.width = width;
    // Nothing to list (or only empty names): the box keeps its height.
    if (height == 5)
        return;

    m_dim.height = height + 5;
    dc.DrawRectangle(m_dim);
    int k = 0;
    for (plLayer* curve : curves) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(curve->GetName(), &tw, &th);
        dc.SetPen(curve->GetPen());
        const int y = m_dim.y + 5 + k * th;
        const int mid = y + th / 2;
        if (m_itemMode == plITEM_LINE) {
            dc.DrawLine(m_dim.x + 5, mid, m_dim.x + 15, mid);
        }
        else {
            dc.SetBrush(wxBrush(curve->GetPen().GetColour(), wxBRUSHSTYLE_SOLID));
            dc.DrawRectangle(m_dim.x + 5, mid - 5, 10, 10);
        }
        dc.DrawText(curve->GetName(), m_dim.x + 20, y);
        ++k;
    }
}

//-----------------------------------------------------------------------------
// Mouse coordinates

plInfoCoords::plInfoCoords() = default;

plInfoCoords::plInfoCoords(wxRect rect, const wxBrush* brush) : plInfoLayer(rect, brush) {}

void plInfoCoords::UpdateInfo(plWindow& w, wxEvent& event)
{
    if (event.GetEventType() != wxEVT_MOTION)
        return;
    const auto& mouse = static_cast<wxMouseEvent&>(event);
    const double x = w.p2x(mouse.GetX());
    const double y = w.p2y(mouse.GetY());
    m_content.Clear();
    switch (m_labelType) {
    case plLABEL_NUMBER:
        m_content.Printf(wxT("x = %f\ny = %f"), x, y);
        break;
    case plLABEL_TIME:
    case plLABEL_HOURS: {
        double hours = 0, minutes = 0, seconds = 0;
        splitTime(x, hours, minutes, seconds);
        m_content.Printf(wxT("x = %02.0f:%02.0f:%02.0f\ny = %f"), hours, minutes, std::floor(seconds), y);
        break;
    }
    case plLABEL_DATE:
    case plLABEL_DATETIME: {
        std::tm tm{};
        if (x < 1 || !calendarTime(x, m_timeConv, tm))
            break;
        if (m_labelType == plLABEL_DATE)
            m_content.Printf(wxT("x = %04.0f-%02.0f-%02.0f\ny = %f"), double(tm.tm_year + 1900),
                             double(tm.tm_mon + 1), double(tm.tm_mday), y);
        else
            m_content.Printf(wxT("x = %04.0f-%02.0f-%02.0fT%02.0f:%02.0f:%02.0f\ny = %f"),
                             double(tm.tm_year + 1900), double(tm.tm_mon + 1), double(tm.tm_mday),
                             double(tm.tm_hour), double(tm.tm_min), double(tm.tm_sec), y);
        break;
    }
    default:
        break;
    }
}

void plInfoCoords::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    KeepRelativePosition(w);
    dc.SetPen(m_pen);
    dc.SetBrush(m_boxBrush);
    dc.SetFont(m_font);
    wxCoord w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    dc.GetTextExtent(m_content.BeforeFirst(wxT('\n')), &w1, &h1);
    dc.GetTextExtent(m_content.AfterFirst(wxT('\n')), &w2, &h2);
    const int textW = std::max(w1, w2), textH = std::max(h1, h2);
    if (m_dim.width < textW + 10)
        m_dim.width = textW + 10;
    if (m_dim.height < 2 * textH + 10)
        m_dim.height = 2 * textH + 10;
    dc.DrawRectangle(m_dim);
    dc.DrawText(m_content, m_dim.x + 5, m_dim.y + 5);
}

//-----------------------------------------------------------------------------
// Text

plText::plText(const wxString& name, int offsetx, int offsety)
    : m_offsetX(offsetx >= 0 && offsetx <= 100 ? offsetx : 5), m_offsetY(offsety >= 0 && offsety <= 100 ? offsety : 50)
{
    SetName(name);
    m_type = plLAYER_INFO;
}

void plText::Plot(wxDC& dc, plWindow& w)
{
    if (!m_visible)
        return;
    dc.SetPen(m_pen);
    dc.SetFont(m_font);
    const int px = (w.GetScrX() - w.GetMarginLeft() - w.GetMarginRight()) * m_offsetX / 100;
    const int py = (w.GetScrY() - w.GetMarginTop() - w.GetMarginBottom()) * m_offsetY / 100;
    dc.DrawText(GetName(), px, py);
}
