// The plot window: layer list, view transform, mouse navigation, popup menu,
// scroll bars and painting; also printing, screenshots and colour themes.

#include <algorithm>
#include <cmath>

#include "plotdraw.h"
#include "plotwidget.h"

using namespace pldraw;

wxIMPLEMENT_DYNAMIC_CLASS(plWindow, wxWindow);

// clang-format off
wxBEGIN_EVENT_TABLE(plWindow, wxWindow)
    EVT_PAINT(plWindow::OnPaint)
    EVT_SIZE(plWindow::OnSize)
    EVT_SCROLLWIN_THUMBTRACK(plWindow::OnScrollThumbTrack)
    EVT_SCROLLWIN_PAGEUP(plWindow::OnScrollPageUp)
    EVT_SCROLLWIN_PAGEDOWN(plWindow::OnScrollPageDown)
    EVT_SCROLLWIN_LINEUP(plWindow::OnScrollLineUp)
    EVT_SCROLLWIN_LINEDOWN(plWindow::OnScrollLineDown)
    EVT_SCROLLWIN_TOP(plWindow::OnScrollTop)
    EVT_SCROLLWIN_BOTTOM(plWindow::OnScrollBottom)
    EVT_MIDDLE_UP(plWindow::OnShowPopupMenu)
    EVT_RIGHT_DOWN(plWindow::OnMouseRightDown)
    EVT_RIGHT_UP(plWindow::OnShowPopupMenu)
    EVT_MOUSEWHEEL(plWindow::OnMouseWheel)
    EVT_MOTION(plWindow::OnMouseMove)
    EVT_LEFT_DOWN(plWindow::OnMouseLeftDown)
    EVT_LEFT_UP(plWindow::OnMouseLeftRelease)
    EVT_MENU(plID_CENTER, plWindow::OnCenter)
    EVT_MENU(plID_FIT, plWindow::OnFit)
    EVT_MENU(plID_ZOOM_IN, plWindow::OnZoomIn)
    EVT_MENU(plID_ZOOM_OUT, plWindow::OnZoomOut)
    EVT_MENU(plID_LOCKASPECT, plWindow::OnLockAspect)
    EVT_MENU(plID_HELP_MOUSE, plWindow::OnMouseHelp)
wxEND_EVENT_TABLE()
// clang-format on

double plWindow::zoomIncrementalFactor = 1.5;

namespace {

// Scroll bar values are ints: clamp what the view arithmetic gives.
int scrollValue(double v)
{
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(std::clamp(v, 0.0, 1.0e9));
}

} // namespace

plWindow::plWindow() : m_bgColour(*wxWHITE), m_fgColour(*wxBLACK)
{
    BuildPopupMenu();
}

plWindow::plWindow(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style)
    : wxWindow(parent, id, pos, size, style, wxT("plotwindow")), m_bgColour(*wxWHITE), m_fgColour(*wxBLACK)
{
    BuildPopupMenu();
    SetBackgroundColour(m_bgColour);
    SetForegroundColour(m_fgColour);
    SetSizeHints(128, 128);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    UpdateAll();
}

plWindow::~plWindow()
{
    DelAllLayers(true, false);
    m_buff_dc.SelectObject(wxNullBitmap);
    delete m_buff_bmp;
}

void plWindow::BuildPopupMenu()
{
    m_popmenu.Append(plID_CENTER, _("Center"), _("Center plot view to this position"));
    m_popmenu.Append(plID_FIT, _("Fit"), _("Set plot view to show all items"));
    m_popmenu.Append(plID_ZOOM_IN, _("Zoom in"), _("Zoom in plot view."));
    m_popmenu.Append(plID_ZOOM_OUT, _("Zoom out"), _("Zoom out plot view."));
    m_popmenu.AppendCheckItem(plID_LOCKASPECT, _("Lock aspect"), _("Lock horizontal and vertical zoom aspect."));
    m_popmenu.Append(plID_HELP_MOUSE, _("Show mouse commands..."), _("Show help about the mouse commands."));
}

//-----------------------------------------------------------------------------
// Layers

bool plWindow::AddLayer(plLayer* layer, bool refreshDisplay)
{
    if (!layer || std::find(m_layers.begin(), m_layers.end(), layer) != m_layers.end())
        return false;
    m_layers.push_back(layer);
    if (refreshDisplay)
        UpdateAll();
    return true;
}

bool plWindow::DelLayer(plLayer* layer, bool alsoDeleteObject, bool refreshDisplay)
{
    const auto it = std::find(m_layers.begin(), m_layers.end(), layer);
    if (it == m_layers.end())
        return false;
    if (m_movingInfoLayer == layer)
        m_movingInfoLayer = nullptr;
    m_layers.erase(it);
    if (alsoDeleteObject)
        delete layer;
    if (refreshDisplay)
        UpdateAll();
    return true;
}

void plWindow::DelAllLayers(bool alsoDeleteObject, bool refreshDisplay)
{
    m_movingInfoLayer = nullptr;
    while (!m_layers.empty()) {
        plLayer* layer = m_layers.front();
        m_layers.pop_front();
        if (alsoDeleteObject)
            delete layer;
    }
    if (refreshDisplay)
        UpdateAll();
}

unsigned int plWindow::CountLayers()
{
    return static_cast<unsigned int>(
        std::count_if(m_layers.begin(), m_layers.end(), [](plLayer* l) { return l->HasBBox(); }));
}

plLayer* plWindow::GetLayer(int position)
{
    if (position < 0 || position >= int(m_layers.size()))
        return nullptr;
    return m_layers[std::size_t(position)];
}

plLayer* plWindow::GetLayerByName(const wxString& name)
{
    for (plLayer* layer : m_layers)
        if (layer->GetName() == name)
            return layer;
    return nullptr;
}

void plWindow::SetLayerVisible(const wxString& name, bool viewable)
{
    if (plLayer* layer = GetLayerByName(name)) {
        layer->SetVisible(viewable);
        UpdateAll();
    }
}

void plWindow::SetLayerVisible(unsigned int position, bool viewable)
{
    if (plLayer* layer = GetLayer(int(position))) {
        layer->SetVisible(viewable);
        UpdateAll();
    }
}

bool plWindow::IsLayerVisible(const wxString& name)
{
    plLayer* layer = GetLayerByName(name);
    return layer && layer->IsVisible();
}

bool plWindow::IsLayerVisible(unsigned int position)
{
    plLayer* layer = GetLayer(int(position));
    return layer && layer->IsVisible();
}

plInfoLayer* plWindow::IsInsideInfoLayer(wxPoint& point)
{
    for (plLayer* layer : m_layers)
        if (layer->IsInfo()) {
            auto* info = static_cast<plInfoLayer*>(layer);
            if (info->Inside(point))
                return info;
        }
    return nullptr;
}

//-----------------------------------------------------------------------------
// View

void plWindow::Fit(double xMin, double xMax, double yMin, double yMax, int* printSizeX, int* printSizeY)
{
    if (!std::isfinite(xMin) || !std::isfinite(xMax) || !std::isfinite(yMin) || !std::isfinite(yMax))
        return;
    m_desiredXmin = xMin;
    m_desiredXmax = xMax;
    m_desiredYmin = yMin;
    m_desiredYmax = yMax;

    if (printSizeX && printSizeY) {
        m_scrX = *printSizeX;
        m_scrY = *printSizeY;
    }
    else {
        GetClientSize(&m_scrX, &m_scrY);
    }

    // A window smaller than its margins still gets a one-pixel plot area.
    const int areaX = std::max(1, m_scrX - m_marginLeft - m_marginRight);
    const int areaY = std::max(1, m_scrY - m_marginTop - m_marginBottom);
    const double dx = xMax - xMin, dy = yMax - yMin;
    m_scaleX = dx != 0 ? areaX / dx : 1.0;
    m_scaleY = dy != 0 ? areaY / dy : 1.0;
    if (m_lockaspect) {
        const double s = std::min(m_scaleX, m_scaleY);
        m_scaleX = s;
        m_scaleY = s;
    }

    const int cx = areaX / 2 + m_marginLeft;
    const int cy = areaY / 2 + m_marginTop;
    m_posX = (xMin + xMax) / 2 - cx / m_scaleX;
    m_posY = (yMin + yMax) / 2 + cy / m_scaleY;

    if (!printSizeX || !printSizeY)
        UpdateAll();
}

void plWindow::Fit()
{
    if (UpdateBBox())
        Fit(m_minX, m_maxX, m_minY, m_maxY);
}

void plWindow::LockAspect(bool enable)
{
    m_lockaspect = enable;
    m_popmenu.Check(plID_LOCKASPECT, enable);
    Fit(m_desiredXmin, m_desiredXmax, m_desiredYmin, m_desiredYmax);
}

void plWindow::ZoomIn(const wxPoint& centerPoint)
{
    int cx = centerPoint.x, cy = centerPoint.y;
    if (centerPoint == wxDefaultPosition) {
        GetClientSize(&m_scrX, &m_scrY);
        cx = (m_scrX - m_marginLeft - m_marginRight) / 2 + m_marginLeft;
        cy = (m_scrY - m_marginTop - m_marginBottom) / 2 + m_marginTop;
    }
    const double px = m_posX + cx / m_scaleX;
    const double py = m_posY - cy / m_scaleY;
    m_scaleX *= zoomIncrementalFactor;
    m_scaleY *= zoomIncrementalFactor;
    m_posX = px - cx / m_scaleX;
    m_posY = py + cy / m_scaleY;
    m_desiredXmin = m_posX;
    m_desiredXmax = m_posX + (m_scrX - m_marginLeft - m_marginRight) / m_scaleX;
    m_desiredYmax = m_posY;
    m_desiredYmin = m_posY - (m_scrY - m_marginTop - m_marginBottom) / m_scaleY;
    UpdateAll();
}

void plWindow::ZoomOut(const wxPoint& centerPoint)
{
    int cx = centerPoint.x, cy = centerPoint.y;
    if (centerPoint == wxDefaultPosition) {
        GetClientSize(&m_scrX, &m_scrY);
        cx = (m_scrX - m_marginLeft - m_marginRight) / 2 + m_marginLeft;
        cy = (m_scrY - m_marginTop - m_marginBottom) / 2 + m_marginTop;
    }
    const double px = m_posX + cx / m_scaleX;
    const double py = m_posY - cy / m_scaleY;
    m_scaleX /= zoomIncrementalFactor;
    m_scaleY /= zoomIncrementalFactor;
    m_posX = px - cx / m_scaleX;
    m_posY = py + cy / m_scaleY;
    m_desiredXmin = m_posX;
    m_desiredXmax = m_posX + (m_scrX - m_marginLeft - m_marginRight) / m_scaleX;
    m_desiredYmax = m_posY;
    m_desiredYmin = m_posY - (m_scrY - m_marginTop - m_marginBottom) / m_scaleY;
    UpdateAll();
}

void plWindow::ZoomInX()
{
    m_scaleX *= zoomIncrementalFactor;
    UpdateAll();
}

void plWindow::ZoomOutX()
{
    m_scaleX /= zoomIncrementalFactor;
    UpdateAll();
}

void plWindow::ZoomInY()
{
    m_scaleY *= zoomIncrementalFactor;
    UpdateAll();
}

void plWindow::ZoomOutY()
{
    m_scaleY /= zoomIncrementalFactor;
    UpdateAll();
}

void plWindow::ZoomRect(wxPoint p0, wxPoint p1)
{
    const double x0 = p2x(p0.x), x1 = p2x(p1.x);
    const double y0 = p2y(p0.y), y1 = p2y(p1.y);
    Fit(std::min(x0, x1), std::max(x0, x1), std::min(y0, y1), std::max(y0, y1));
}

bool plWindow::UpdateBBox()
{
    bool first = true;
    for (plLayer* layer : m_layers) {
        if (!layer->HasBBox())
            continue;
        const double minX = layer->GetMinX(), maxX = layer->GetMaxX();
        const double minY = layer->GetMinY(), maxY = layer->GetMaxY();
        if (first) {
            m_minX = minX;
            m_maxX = maxX;
            m_minY = minY;
            m_maxY = maxY;
            first = false;
        }
        else {
            m_minX = std::min(m_minX, minX);
            m_maxX = std::max(m_maxX, maxX);
            m_minY = std::min(m_minY, minY);
            m_maxY = std::max(m_maxY, maxY);
        }
    }
    return !first;
}

void plWindow::UpdateAll()
{
    if (UpdateBBox() && m_enableScrollBars) {
        int cx = 0, cy = 0;
        GetClientSize(&cx, &cy);
        if (CanScroll(wxHORIZONTAL)) {
            const double left = m_posX + m_marginLeft / m_scaleX;
            const double low = std::min({m_desiredXmin, m_minX, left});
            const double high = std::max(m_desiredXmax, m_maxX);
            SetScrollbar(wxHORIZONTAL, scrollValue(std::trunc((left - low) * m_scaleX)),
                         std::max(0, cx - (m_marginLeft + m_marginRight)),
                         scrollValue(std::trunc((high - low) * m_scaleX)));
        }
        if (CanScroll(wxVERTICAL)) {
            const double top = m_posY - m_marginTop / m_scaleY;
            const double high = std::max({m_desiredYmax, m_maxY, top});
            const double low = std::min(m_desiredYmin, m_minY);
            SetScrollbar(wxVERTICAL, scrollValue(std::trunc((high - top) * m_scaleY)),
                         std::max(0, cy - (m_marginTop + m_marginBottom)),
                         scrollValue(std::trunc((high - low) * m_scaleY)));
        }
    }
    Refresh(false);
}

void plWindow::SetPos(double posx, double posy)
{
    m_posX = posx;
    m_posY = posy;
    UpdateAll();
}

void plWindow::SetPosX(double posx)
{
    m_posX = posx;
    UpdateAll();
}

void plWindow::SetPosY(double posy)
{
    m_posY = posy;
    UpdateAll();
}

void plWindow::SetScaleX(double scaleX)
{
    if (scaleX != 0)
        m_scaleX = scaleX;
    UpdateAll();
}

void plWindow::SetScaleY(double scaleY)
{
    if (scaleY != 0)
        m_scaleY = scaleY;
    UpdateAll();
}

void plWindow::SetMargins(int top, int right, int bottom, int left)
{
    m_marginTop = top;
    m_marginRight = right;
    m_marginBottom = bottom;
    m_marginLeft = left;
}

void plWindow::GetBoundingBox(double* bbox) const
{
    bbox[0] = m_minX;
    bbox[1] = m_maxX;
    bbox[2] = m_minY;
    bbox[3] = m_maxY;
}

int plWindow::x2p(double x) const
{
    return toPixel(pixelX(*this, x));
}

int plWindow::y2p(double y) const
{
    return toPixel(pixelY(*this, y));
}

//-----------------------------------------------------------------------------
// Mouse and menu

void plWindow::OnMouseRightDown(wxMouseEvent& event)
{
    m_mouseRClick_X = event.GetX();
    m_mouseRClick_Y = event.GetY();
    m_rightPressed = true;
    m_mouseMovedAfterRightClick = false;
    if (m_enableMouseNavigation)
        SetCursor(*wxCROSS_CURSOR);
}

void plWindow::OnMouseMove(wxMouseEvent& event)
{
    if (!m_enableMouseNavigation) {
        event.Skip();
        return;
    }
    if (event.RightIsDown()) {
        if (m_rightPressed) {
            m_mouseMovedAfterRightClick = true;
            const double dx = (m_mouseRClick_X - event.GetX()) / m_scaleX;
            const double dy = (event.GetY() - m_mouseRClick_Y) / m_scaleY;
            m_mouseRClick_X = event.GetX();
            m_mouseRClick_Y = event.GetY();
            m_posX += dx;
            m_desiredXmin += dx;
            m_desiredXmax += dx;
            m_posY += dy;
            m_desiredYmin += dy;
            m_desiredYmax += dy;
            UpdateAll();
        }
    }
    else if (event.LeftIsDown()) {
        if (m_leftPressed) {
            if (m_movingInfoLayer) {
                m_movingInfoLayer->Move(
                    wxPoint(event.GetX() - m_mouseLClick_X, event.GetY() - m_mouseLClick_Y));
            }
            else {
                // The rectangle is drawn by the paint handler: on GTK drawing
                // outside it does not last.
                m_zoomRectShown = true;
                m_zoomRectCorner = event.GetPosition();
            }
            UpdateAll();
        }
    }
    else {
        for (plLayer* layer : m_layers)
            if (layer->IsInfo() && layer->IsVisible()) {
                auto* info = static_cast<plInfoLayer*>(layer);
                info->UpdateInfo(*this, event);
                RefreshRect(info->GetRectangle(), true);
            }
    }
    event.Skip();
}

void plWindow::OnMouseLeftDown(wxMouseEvent& event)
{
    m_mouseLClick_X = event.GetX();
    m_mouseLClick_Y = event.GetY();
    m_leftPressed = true;
    wxPoint point = event.GetPosition();
    m_movingInfoLayer = IsInsideInfoLayer(point);
    event.Skip();
}

void plWindow::OnMouseLeftRelease(wxMouseEvent& event)
{
    const bool pressed = m_leftPressed;
    m_leftPressed = false;
    if (m_zoomRectShown) {
        m_zoomRectShown = false;
        Refresh(false);
    }
    if (m_movingInfoLayer) {
        m_movingInfoLayer->UpdateReference();
        m_movingInfoLayer = nullptr;
    }
    else if (pressed && (event.GetX() != m_mouseLClick_X || event.GetY() != m_mouseLClick_Y)) {
        ZoomRect(wxPoint(m_mouseLClick_X, m_mouseLClick_Y), event.GetPosition());
    }
    event.Skip();
}

void plWindow::OnShowPopupMenu(wxMouseEvent& event)
{
    if (m_enableMouseNavigation)
        SetCursor(*wxSTANDARD_CURSOR);
    // A right release opens the menu only after a press in this window.
    const bool open = !m_mouseMovedAfterRightClick && (m_rightPressed || event.GetEventType() == wxEVT_MIDDLE_UP);
    m_rightPressed = false;
    if (open) {
        m_clickedX = event.GetX();
        m_clickedY = event.GetY();
        PopupMenu(&m_popmenu, event.GetX(), event.GetY());
    }
}

void plWindow::OnMouseWheel(wxMouseEvent& event)
{
    if (!m_enableMouseNavigation) {
        event.Skip();
        return;
    }
    if (event.ControlDown()) {
        if (event.GetWheelRotation() > 0)
            ZoomIn(event.GetPosition());
        else
            ZoomOut(event.GetPosition());
        return;
    }
    const double d = -event.GetWheelRotation();
    if (event.ShiftDown()) {
        const double dx = d / m_scaleX;
        m_posX += dx;
        m_desiredXmin += dx;
        m_desiredXmax += dx;
    }
    else {
        const double dy = d / m_scaleY;
        m_posY -= dy;
        m_desiredYmin -= dy;
        m_desiredYmax -= dy;
    }
    UpdateAll();
}

void plWindow::OnCenter(wxCommandEvent&)
{
    GetClientSize(&m_scrX, &m_scrY);
    const int cx = (m_scrX - m_marginLeft - m_marginRight) / 2;
    const int cy = (m_scrY - m_marginTop - m_marginBottom) / 2;
    m_posX += (m_clickedX - cx) / m_scaleX;
    m_posY -= (m_clickedY - cy) / m_scaleY;
    UpdateAll();
}

void plWindow::OnFit(wxCommandEvent&)
{
    Fit();
}

void plWindow::OnZoomIn(wxCommandEvent&)
{
    ZoomIn(wxPoint(m_mouseRClick_X, m_mouseRClick_Y));
}

void plWindow::OnZoomOut(wxCommandEvent&)
{
    ZoomOut();
}

void plWindow::OnLockAspect(wxCommandEvent&)
{
    LockAspect(!m_lockaspect);
}

void plWindow::OnMouseHelp(wxCommandEvent&)
{
    wxMessageBox(_("Supported Mouse commands:\n"
                   "         - Left button down + Mark area: Rectangular zoom\n"
                   "         - Right button down + Move: Pan (Move)\n"
                   "         - Wheel: Vertical scroll\n"
                   "         - Wheel + SHIFT: Horizontal scroll\n"
                   "         - Wheel + CTRL: Zoom in/out"),
                 _("Plot help"), wxOK, this);
}

//-----------------------------------------------------------------------------
// Size, scroll bars and painting

void plWindow::OnSize(wxSizeEvent&)
{
    Fit(m_desiredXmin, m_desiredXmax, m_desiredYmin, m_desiredYmax);
}

void plWindow::SetPLScrollbars(bool status)
{
    m_enableScrollBars = status;
    if (!status) {
        if (CanScroll(wxHORIZONTAL))
            SetScrollbar(wxHORIZONTAL, 0, 0, 0);
        if (CanScroll(wxVERTICAL))
            SetScrollbar(wxVERTICAL, 0, 0, 0);
    }
    UpdateAll();
}

void plWindow::DoScrollCalc(int position, int orientation)
{
    if (orientation == wxVERTICAL)
        m_posY = std::max(m_desiredYmax, m_maxY) - position / m_scaleY + m_marginTop / m_scaleY;
    else
        m_posX = std::min(m_desiredXmin, m_minX) + position / m_scaleX - m_marginLeft / m_scaleX;
    UpdateAll();
}

void plWindow::OnScrollThumbTrack(wxScrollWinEvent& event)
{
    DoScrollCalc(event.GetPosition(), event.GetOrientation());
}

void plWindow::OnScrollPageUp(wxScrollWinEvent& event)
{
    const int o = event.GetOrientation();
    DoScrollCalc(std::max(0, GetScrollPos(o) - GetScrollThumb(o)), o);
}

void plWindow::OnScrollPageDown(wxScrollWinEvent& event)
{
    const int o = event.GetOrientation();
    DoScrollCalc(std::min(GetScrollPos(o) + GetScrollThumb(o), GetScrollRange(o) - GetScrollThumb(o)), o);
}

void plWindow::OnScrollLineUp(wxScrollWinEvent& event)
{
    const int o = event.GetOrientation();
    DoScrollCalc(std::max(0, GetScrollPos(o) - 10), o);
}

void plWindow::OnScrollLineDown(wxScrollWinEvent& event)
{
    const int o = event.GetOrientation();
    DoScrollCalc(std::min(GetScrollPos(o) + 10, GetScrollRange(o) - GetScrollThumb(o)), o);
}

void plWindow::OnScrollTop(wxScrollWinEvent& event)
{
    DoScrollCalc(0, event.GetOrientation());
}

void plWindow::OnScrollBottom(wxScrollWinEvent& event)
{
    const int o = event.GetOrientation();
    DoScrollCalc(GetScrollRange(o) - GetScrollThumb(o), o);
}

void plWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC paintDC(this);
    paintDC.GetSize(&m_scrX, &m_scrY);
    wxDC* dc = &paintDC;
    if (m_enableDoubleBuffer) {
        if (m_last_lx != m_scrX || m_last_ly != m_scrY || !m_buff_bmp) {
            m_buff_dc.SelectObject(wxNullBitmap);
            delete m_buff_bmp;
            m_buff_bmp = new wxBitmap(std::max(1, m_scrX), std::max(1, m_scrY));
            m_buff_dc.SelectObject(*m_buff_bmp);
            m_last_lx = m_scrX;
            m_last_ly = m_scrY;
        }
        dc = &m_buff_dc;
    }

    dc->SetPen(*wxTRANSPARENT_PEN);
    dc->SetBrush(wxBrush(GetBackgroundColour(), wxBRUSHSTYLE_SOLID));
    dc->SetTextForeground(m_fgColour);
    dc->DrawRectangle(0, 0, m_scrX, m_scrY);
    for (plLayer* layer : m_layers)
        layer->Plot(*dc, *this);

    if (m_zoomRectShown) {
        dc->SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
        dc->SetBrush(*wxTRANSPARENT_BRUSH);
        dc->DrawRectangle(wxRect(wxPoint(m_mouseLClick_X, m_mouseLClick_Y), m_zoomRectCorner));
    }

    if (m_enableDoubleBuffer)
        paintDC.Blit(0, 0, m_scrX, m_scrY, &m_buff_dc, 0, 0);
}

//-----------------------------------------------------------------------------
// Colour theme, screenshots and printing

void plWindow::SetColourTheme(const wxColour& bgColour, const wxColour& drawColour, const wxColour& axesColour)
{
    if (GetHandle()) {
        SetBackgroundColour(bgColour);
        SetForegroundColour(drawColour);
    }
    m_bgColour = bgColour;
    m_fgColour = drawColour;
    m_axColour = axesColour;
    // Unset colours leave the pens alone: an invalid colour would make them unusable.
    for (plLayer* layer : m_layers) {
        if (layer->GetLayerType() == plLAYER_AXIS && axesColour.IsOk()) {
            wxPen pen(layer->GetPen());
            pen.SetColour(axesColour);
            layer->SetPen(pen);
        }
        else if (layer->GetLayerType() == plLAYER_INFO && drawColour.IsOk()) {
            wxPen pen(layer->GetPen());
            pen.SetColour(drawColour);
            layer->SetPen(pen);
        }
    }
}

bool plWindow::SaveScreenshot(const wxString& filename, int type, wxSize imageSize, bool fit)
{
    const int screenX = m_scrX, screenY = m_scrY;
    const bool otherSize = imageSize != wxDefaultSize;
    int sizeX = otherSize ? imageSize.GetWidth() : m_scrX;
    int sizeY = otherSize ? imageSize.GetHeight() : m_scrY;
    if (sizeX <= 0 || sizeY <= 0)
        return false;

    wxBitmap screenBuffer(sizeX, sizeY);
    wxMemoryDC dc(screenBuffer);
    dc.SetPen(*wxWHITE_PEN);
    dc.SetTextForeground(m_fgColour);
    dc.SetBrush(wxBrush(m_bgColour, wxBRUSHSTYLE_SOLID));
    dc.DrawRectangle(0, 0, sizeX, sizeY);

    if (fit)
        Fit(m_minX, m_maxX, m_minY, m_maxY, &sizeX, &sizeY);
    else
        Fit(m_desiredXmin, m_desiredXmax, m_desiredYmin, m_desiredYmax, &sizeX, &sizeY);
    for (plLayer* layer : m_layers)
        layer->Plot(dc, *this);

    if (otherSize) {
        int restoreX = screenX, restoreY = screenY;
        Fit(m_desiredXmin, m_desiredXmax, m_desiredYmin, m_desiredYmax, &restoreX, &restoreY);
    }
    UpdateAll();

    dc.SelectObject(wxNullBitmap);
    return screenBuffer.ConvertToImage().SaveFile(filename, static_cast<wxBitmapType>(type));
}

plPrintout::plPrintout(plWindow* drawWindow, const wchar_t* title)
    : wxPrintout(title ? wxString(title) : wxString()), plotWindow(drawWindow)
{
}

bool plPrintout::OnPrintPage(int page)
{
    wxDC* dc = GetDC();
    if (!dc || page != 1 || !plotWindow)
        return true;

    int pageX = 0, pageY = 0;
    GetPageSizePixels(&pageX, &pageY);
    // Margins of 50 pixels on every side, at least one pixel to draw on.
    int sizeX = std::max(1, pageX - 100), sizeY = std::max(1, pageY - 100);
    dc->SetDeviceOrigin(50, 50);

    plWindow& w = *plotWindow;
    w.Fit(w.GetDesiredXmin(), w.GetDesiredXmax(), w.GetDesiredYmin(), w.GetDesiredYmax(), &sizeX, &sizeY);
    const wxColour bg = w.GetBackgroundColour(), fg = w.GetForegroundColour(), axes = w.GetAxesColour();

    dc->SetPen(*wxTRANSPARENT_PEN);
    dc->SetBrush(*wxWHITE_BRUSH);
    dc->DrawRectangle(0, 0, sizeX, sizeY);
    for (unsigned int i = 0; i < w.CountAllLayers(); ++i)
        w.GetLayer(int(i))->Plot(*dc, w);

    w.SetColourTheme(bg, fg, axes);
    w.Fit(w.GetDesiredXmin(), w.GetDesiredXmax(), w.GetDesiredYmin(), w.GetDesiredYmax());
    w.UpdateAll();
    drawn = true;
    return true;
}
