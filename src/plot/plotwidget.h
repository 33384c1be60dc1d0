#pragma once
// The plot widget: a zoomable, pannable window that draws an ordered list of
// layers (curves, axes, legend and info boxes, shapes, bitmaps) through one
// view transform between plot coordinates and pixels.
//
// pixel x = trunc((x - posX) * scaleX), pixel y = trunc((posY - y) * scaleY):
// pixel y grows downwards, plot y upwards.

#include <deque>
#include <vector>

#include <wx/wx.h>
#include <wx/print.h>

class plWindow;

// Layer kinds.
enum {
    plLAYER_UNDEF = 0,
    plLAYER_AXIS = 1,
    plLAYER_PLOT = 2,
    plLAYER_INFO = 3,
    plLAYER_BITMAP = 4
};

// Placement of the name label of a curve (flags & 3).
enum {
    plNAME_BELOW_RIGHT = 0,
    plNAME_BELOW_LEFT = 1,
    plNAME_ABOVE_LEFT = 2,
    plNAME_ABOVE_RIGHT = 3
};

// Placement of an axis line.
enum {
    plAXIS_TOP_OR_RIGHT = 0,
    plAXIS_AT_ORIGIN = 1,
    plAXIS_BOTTOM_OR_LEFT = 2,
    plAXIS_BORDER_BOTTOM_OR_LEFT = 4,
    plAXIS_BORDER_TOP_OR_RIGHT = 5
};

// Tick label kinds of the horizontal axis and of the coordinates box.
enum {
    plLABEL_NUMBER = 0,
    plLABEL_TIME = 1,
    plLABEL_HOURS = 2,
    plLABEL_DATE = 3,
    plLABEL_DATETIME = 4
};

// Calendar conversion of time labels.
enum {
    plTIME_LOCAL = 16,
    plTIME_UTC = 32
};

// Legend item kinds.
enum {
    plITEM_LINE = 0,
    plITEM_SQUARE = 1
};

// Popup menu ids of the plot window.
enum {
    plID_FIT = 2000,
    plID_ZOOM_IN = 2001,
    plID_ZOOM_OUT = 2002,
    plID_CENTER = 2003,
    plID_LOCKASPECT = 2004,
    plID_HELP_MOUSE = 2005
};

//-----------------------------------------------------------------------------
// Layers

class plLayer : public wxObject {
public:
    plLayer();
    ~plLayer() override = default;

    virtual bool HasBBox() { return true; }
    virtual bool IsInfo() { return false; }
    virtual double GetMinX() { return -1.0; }
    virtual double GetMaxX() { return 1.0; }
    virtual double GetMinY() { return -1.0; }
    virtual double GetMaxY() { return 1.0; }
    virtual void Plot(wxDC& dc, plWindow& w) = 0;

    void SetName(const wxString& name) { m_name = name; }
    const wxString& GetName() const { return m_name; }
    void SetFont(const wxFont& font) { m_font = font; }
    const wxFont& GetFont() const { return m_font; }
    void SetPen(const wxPen& pen) { m_pen = pen; }
    const wxPen& GetPen() const { return m_pen; }
    void SetBrush(const wxBrush& brush) { m_brush = brush; }
    const wxBrush& GetBrush() const { return m_brush; }
    void SetContinuity(bool continuity) { m_continuous = continuity; }
    bool GetContinuity() const { return m_continuous; }
    void ShowName(bool show) { m_showName = show; }
    void SetDrawOutsideMargins(bool drawModeOutside) { m_drawOutsideMargins = drawModeOutside; }
    bool GetDrawOutsideMargins() const { return m_drawOutsideMargins; }
    int GetLayerType() const { return m_type; }
    void SetVisible(bool show) { m_visible = show; }
    bool IsVisible() const { return m_visible; }

    // A side x side bitmap filled with the pen's colour.
    wxBitmap GetColourSquare(int side = 16);

protected:
    wxFont m_font;
    wxPen m_pen;
    wxBrush m_brush;
    wxString m_name;
    bool m_continuous = false;
    bool m_showName = true;
    bool m_drawOutsideMargins = true;
    int m_type = plLAYER_UNDEF;
    bool m_visible = true;

    wxDECLARE_ABSTRACT_CLASS(plLayer);
};

// y = f(x), sampled at every pixel column.
class plFX : public plLayer {
public:
    explicit plFX(const wxString& name = wxEmptyString, int flags = plNAME_BELOW_RIGHT);
    virtual double GetY(double x) = 0;
    void Plot(wxDC& dc, plWindow& w) override;

protected:
    int m_flags;

    wxDECLARE_ABSTRACT_CLASS(plFX);
};

// x = f(y), sampled at every pixel row.
class plFY : public plLayer {
public:
    explicit plFY(const wxString& name = wxEmptyString, int flags = plNAME_BELOW_RIGHT);
    virtual double GetX(double y) = 0;
    void Plot(wxDC& dc, plWindow& w) override;

protected:
    int m_flags;

    wxDECLARE_ABSTRACT_CLASS(plFY);
};

// A curve given as a sequence of (x, y) points.
class plFXY : public plLayer {
public:
    explicit plFXY(const wxString& name = wxEmptyString, int flags = plNAME_BELOW_RIGHT);
    void Plot(wxDC& dc, plWindow& w) override;
    virtual void Rewind() = 0;
    virtual bool GetNextXY(double& x, double& y) = 0;

protected:
    int m_flags;
    // Pixel extent of the last Plot.
    int maxDrawX = 0;
    int minDrawX = 0;
    int maxDrawY = 0;
    int minDrawY = 0;

    wxDECLARE_ABSTRACT_CLASS(plFXY);
};

// y = f(x) drawn as a connected profile.
class plProfile : public plLayer {
public:
    explicit plProfile(const wxString& name = wxEmptyString, int flags = plNAME_BELOW_RIGHT);
    virtual double GetY(double x) = 0;
    void Plot(wxDC& dc, plWindow& w) override;

protected:
    int m_flags;

    wxDECLARE_ABSTRACT_CLASS(plProfile);
};

// A curve held as two vectors of doubles.
class plFXYVector : public plFXY {
public:
    explicit plFXYVector(const wxString& name = wxEmptyString, int flags = plNAME_BELOW_RIGHT);

    // Copies the points; the bounds become the finite extremes widened by 0.5.
    // Vectors of different lengths are refused with a logged error.
    void SetData(const std::vector<double>& xs, const std::vector<double>& ys);
    void Clear();

    double GetMinX() override { return m_minX; }
    double GetMaxX() override { return m_maxX; }
    double GetMinY() override { return m_minY; }
    double GetMaxY() override { return m_maxY; }
    void Rewind() override { m_index = 0; }
    bool GetNextXY(double& x, double& y) override;

protected:
    std::vector<double> m_xs;
    std::vector<double> m_ys;
    size_t m_index = 0;
    double m_minX = -1.0;
    double m_maxX = 1.0;
    double m_minY = -1.0;
    double m_maxY = 1.0;

    wxDECLARE_DYNAMIC_CLASS(plFXYVector);
};

//-----------------------------------------------------------------------------
// Axes

class plScaleX : public plLayer {
public:
    explicit plScaleX(const wxString& name = wxT("X"), int flags = plAXIS_AT_ORIGIN, bool ticks = true,
                      unsigned int type = plLABEL_NUMBER);
    bool HasBBox() override { return false; }
    void Plot(wxDC& dc, plWindow& w) override;

    void SetAlign(int align) { m_flags = align; }
    void SetTicks(bool enable) { m_ticks = enable; }
    bool GetTicks() const { return m_ticks; }
    // A printf format with exactly one floating-point conversion; any other
    // text is ignored when drawing and the default format is used.
    void SetLabelFormat(const wxString& format) { m_labelFormat = format; }
    const wxString& SetLabelFormat() const { return m_labelFormat; }
    void SetLabelMode(unsigned int mode, unsigned int timeConv = plTIME_UTC)
    {
        m_labelType = mode;
        m_timeConv = timeConv;
    }
    unsigned int GetLabelMode() const { return m_labelType; }

protected:
    int m_flags;
    bool m_ticks;
    unsigned int m_labelType;
    unsigned int m_timeConv = plTIME_UTC;
    wxString m_labelFormat;

    wxDECLARE_DYNAMIC_CLASS(plScaleX);
};

class plScaleY : public plLayer {
public:
    explicit plScaleY(const wxString& name = wxT("Y"), int flags = plAXIS_AT_ORIGIN, bool ticks = true);
    bool HasBBox() override { return false; }
    void Plot(wxDC& dc, plWindow& w) override;

    void SetAlign(int align) { m_flags = align; }
    void SetTicks(bool enable) { m_ticks = enable; }
    bool GetTicks() const { return m_ticks; }
    void SetLabelFormat(const wxString& format) { m_labelFormat = format; }
    const wxString& SetLabelFormat() const { return m_labelFormat; }

protected:
    int m_flags;
    bool m_ticks;
    wxString m_labelFormat;

    wxDECLARE_DYNAMIC_CLASS(plScaleY);
};

//-----------------------------------------------------------------------------
// Info boxes: drawn at a pixel position, dragged with the left button, and
// kept at their relative place when the window is resized.

class plInfoLayer : public plLayer {
public:
    plInfoLayer();
    plInfoLayer(wxRect rect, const wxBrush* brush);

    bool HasBBox() override { return false; }
    bool IsInfo() override { return true; }
    void Plot(wxDC& dc, plWindow& w) override;
    virtual void UpdateInfo(plWindow& w, wxEvent& event);
    virtual bool Inside(wxPoint& point);
    virtual void Move(wxPoint delta);
    virtual void UpdateReference();

    wxPoint GetPosition() const { return m_dim.GetPosition(); }
    wxSize GetSize() const { return m_dim.GetSize(); }
    const wxRect& GetRectangle() const { return m_dim; }

protected:
    // Moves the box with the window size since the last Plot.
    void KeepRelativePosition(plWindow& w);

    wxRect m_dim;
    wxPoint m_reference;
    wxBrush m_boxBrush;
    int m_winX = 1;
    int m_winY = 1;

    wxDECLARE_DYNAMIC_CLASS(plInfoLayer);
};

// Lists the visible curves of the window with their pens.
class plInfoLegend : public plInfoLayer {
public:
    plInfoLegend();
    plInfoLegend(wxRect rect, const wxBrush* brush);
    void Plot(wxDC& dc, plWindow& w) override;
    void SetItemMode(int mode);
    int GetItemMode() const { return m_itemMode; }

protected:
    int m_itemMode = plITEM_LINE;
};

// Shows the plot coordinates under the mouse.
class plInfoCoords : public plInfoLayer {
public:
    plInfoCoords();
    plInfoCoords(wxRect rect, const wxBrush* brush);
    void UpdateInfo(plWindow& w, wxEvent& event) override;
    void Plot(wxDC& dc, plWindow& w) override;
    void SetLabelMode(unsigned int mode, unsigned int timeConv = plTIME_UTC)
    {
        m_labelType = mode;
        m_timeConv = timeConv;
    }
    const wxString& GetContent() const { return m_content; }

protected:
    wxString m_content;
    unsigned int m_labelType = plLABEL_NUMBER;
    unsigned int m_timeConv = plTIME_UTC;
};

// A text placed at a percentage of the plot area.
class plText : public plLayer {
public:
    explicit plText(const wxString& name = wxT("Title"), int offsetx = 5, int offsety = 50);
    bool HasBBox() override { return false; }
    void Plot(wxDC& dc, plWindow& w) override;
    int GetOffsetX() const { return m_offsetX; }
    int GetOffsetY() const { return m_offsetY; }

protected:
    int m_offsetX;
    int m_offsetY;

    wxDECLARE_DYNAMIC_CLASS(plText);
};

//-----------------------------------------------------------------------------
// Shapes: a polyline in a local frame placed and rotated in the plot.

class plMovableObject : public plLayer {
public:
    plMovableObject();

    bool HasBBox() override { return !m_trans_shape_xs.empty(); }
    double GetMinX() override { return m_bbox_min_x; }
    double GetMaxX() override { return m_bbox_max_x; }
    double GetMinY() override { return m_bbox_min_y; }
    double GetMaxY() override { return m_bbox_max_y; }
    void Plot(wxDC& dc, plWindow& w) override;

    void SetCoordinateBase(double x, double y, double phi = 0);
    void GetCoordinateBase(double& x, double& y, double& phi) const;
    void SetAlign(int align) { m_flags = align; }
    void TranslatePoint(double x, double y, double& out_x, double& out_y) const;

    const std::vector<double>& GetShapeXs() const { return m_shape_xs; }
    const std::vector<double>& GetShapeYs() const { return m_shape_ys; }
    const std::vector<double>& GetTranslatedXs() const { return m_trans_shape_xs; }
    const std::vector<double>& GetTranslatedYs() const { return m_trans_shape_ys; }

protected:
    // Translates the shape into plot coordinates and updates the bounding box.
    void ShapeUpdated();

    int m_flags = 0;
    double m_reference_x = 0;
    double m_reference_y = 0;
    double m_reference_phi = 0;
    std::vector<double> m_shape_xs;
    std::vector<double> m_shape_ys;
    std::vector<double> m_trans_shape_xs;
    std::vector<double> m_trans_shape_ys;
    double m_bbox_min_x = 1e300;
    double m_bbox_max_x = -1e300;
    double m_bbox_min_y = 1e300;
    double m_bbox_max_y = -1e300;
};

// The ellipse of a 2 x 2 covariance matrix, scaled by a number of quantiles.
class plCovarianceEllipse : public plMovableObject {
public:
    plCovarianceEllipse(double cov_00 = 1, double cov_11 = 1, double cov_01 = 0, double quantiles = 2,
                        int segments = 32, const wxString& layerName = wxT(""));

    void SetCovarianceMatrix(double cov_00, double cov_01, double cov_11);
    void GetCovarianceMatrix(double& cov_00, double& cov_01, double& cov_11) const;
    void SetQuantiles(double q);
    double GetQuantiles() const { return m_quantiles; }
    // At least two; the next recalculation uses it.
    void SetSegments(int segments);
    int GetSegments() const { return m_segments; }

protected:
    void RecalculateShape();

    double m_cov_00;
    double m_cov_11;
    double m_cov_01;
    double m_quantiles;
    int m_segments;
};

class plPolygon : public plMovableObject {
public:
    explicit plPolygon(const wxString& layerName = wxT(""));
    void setPoints(const std::vector<double>& points_xs, const std::vector<double>& points_ys,
                   bool closedShape = true);
};

// An image stretched over a rectangle in plot coordinates.
class plBitmapLayer : public plLayer {
public:
    plBitmapLayer();

    double GetMinX() override { return m_min_x; }
    double GetMaxX() override { return m_max_x; }
    double GetMinY() override { return m_min_y; }
    double GetMaxY() override { return m_max_y; }
    void Plot(wxDC& dc, plWindow& w) override;

    void SetBitmap(const wxImage& inBmp, double x, double y, double lx, double ly);
    void GetBitmapCopy(wxImage& outBmp) const;
    void SetAlign(int align) { m_flags = align; }
    // Window rectangle of the cached, scaled part of the image (empty before
    // the first Plot).
    const wxRect& GetScaledRect() const { return m_scaledRect; }

protected:
    int m_flags = 0;
    wxImage m_bitmap;
    // The visible part of the image scaled to the screen, with the window
    // rectangle and the view it was made for.
    wxBitmap m_scaledBitmap;
    wxRect m_scaledRect;
    double m_scaledX0 = 0;
    double m_scaledY0 = 0;
    double m_scaledSx = 0;
    double m_scaledSy = 0;
    bool m_validImg = false;
    double m_min_x = 0;
    double m_max_x = 0;
    double m_min_y = 0;
    double m_max_y = 0;
};

//-----------------------------------------------------------------------------
// The plot window

class plWindow : public wxWindow {
public:
    plWindow();
    plWindow(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = 0);
    ~plWindow() override;

    // Appends the layer (drawn last); the window owns it from then on. A null
    // layer or one already in the list is refused.
    bool AddLayer(plLayer* layer, bool refreshDisplay = true);
    bool DelLayer(plLayer* layer, bool alsoDeleteObject = false, bool refreshDisplay = true);
    void DelAllLayers(bool alsoDeleteObject, bool refreshDisplay = true);
    unsigned int CountLayers();
    unsigned int CountAllLayers() const { return static_cast<unsigned int>(m_layers.size()); }
    plLayer* GetLayer(int position);
    plLayer* GetLayerByName(const wxString& name);
    void SetLayerVisible(const wxString& name, bool viewable);
    void SetLayerVisible(unsigned int position, bool viewable);
    bool IsLayerVisible(const wxString& name);
    bool IsLayerVisible(unsigned int position);
    plInfoLayer* IsInsideInfoLayer(wxPoint& point);

    // Shows the given bounds; with both size pointers the view is fitted to
    // that page or image size instead of the client area, without repaint.
    void Fit(double xMin, double xMax, double yMin, double yMax, int* printSizeX = nullptr,
             int* printSizeY = nullptr);
    void Fit() override;
    void LockAspect(bool enable = true);
    bool IsAspectLocked() const { return m_lockaspect; }

    void ZoomIn(const wxPoint& centerPoint = wxDefaultPosition);
    void ZoomOut(const wxPoint& centerPoint = wxDefaultPosition);
    void ZoomInX();
    void ZoomOutX();
    void ZoomInY();
    void ZoomOutY();
    void ZoomRect(wxPoint p0, wxPoint p1);

    void UpdateAll();
    virtual bool UpdateBBox();

    void SetPos(double posx, double posy);
    void SetPosX(double posx);
    void SetPosY(double posy);
    void SetScaleX(double scaleX);
    void SetScaleY(double scaleY);
    void SetScr(int scrX, int scrY)
    {
        m_scrX = scrX;
        m_scrY = scrY;
    }
    void SetMargins(int top, int right, int bottom, int left);
    void SetMarginTop(int top) { m_marginTop = top; }
    void SetMarginRight(int right) { m_marginRight = right; }
    void SetMarginBottom(int bottom) { m_marginBottom = bottom; }
    void SetMarginLeft(int left) { m_marginLeft = left; }
    void GetBoundingBox(double* bbox) const;

    // Pixel <-> plot conversions. Pixels beyond a few million are clamped.
    double p2x(int pixelCoordX) const { return m_posX + pixelCoordX / m_scaleX; }
    double p2y(int pixelCoordY) const { return m_posY - pixelCoordY / m_scaleY; }
    int x2p(double x) const;
    int y2p(double y) const;

    double GetXscl() const { return m_scaleX; }
    double GetScaleX() const { return m_scaleX; }
    double GetYscl() const { return m_scaleY; }
    double GetScaleY() const { return m_scaleY; }
    double GetPosX() const { return m_posX; }
    double GetXpos() const { return m_posX; }
    double GetPosY() const { return m_posY; }
    double GetYpos() const { return m_posY; }
    int GetScrX() const { return m_scrX; }
    int GetXScreen() const { return m_scrX; }
    int GetScrY() const { return m_scrY; }
    int GetYScreen() const { return m_scrY; }
    int GetMarginTop() const { return m_marginTop; }
    int GetMarginRight() const { return m_marginRight; }
    int GetMarginBottom() const { return m_marginBottom; }
    int GetMarginLeft() const { return m_marginLeft; }
    double GetDesiredXmin() const { return m_desiredXmin; }
    double GetDesiredXmax() const { return m_desiredXmax; }
    double GetDesiredYmin() const { return m_desiredYmin; }
    double GetDesiredYmax() const { return m_desiredYmax; }
    bool GetPLScrollbars() const { return m_enableScrollBars; }
    const wxColour& GetAxesColour() const { return m_axColour; }
    wxMenu* GetPopupMenu() { return &m_popmenu; }

    void EnableDoubleBuffer(bool enabled) { m_enableDoubleBuffer = enabled; }
    void EnableMousePanZoom(bool enabled) { m_enableMouseNavigation = enabled; }
    void SetPLScrollbars(bool status);

    // Renders the layers into an image file; see the .cpp for the sizes used.
    bool SaveScreenshot(const wxString& filename, int type = wxBITMAP_TYPE_BMP,
                        wxSize imageSize = wxDefaultSize, bool fit = false);
    void SetColourTheme(const wxColour& bgColour, const wxColour& drawColour, const wxColour& axesColour);

    static double zoomIncrementalFactor;

protected:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScrollThumbTrack(wxScrollWinEvent& event);
    void OnScrollPageUp(wxScrollWinEvent& event);
    void OnScrollPageDown(wxScrollWinEvent& event);
    void OnScrollLineUp(wxScrollWinEvent& event);
    void OnScrollLineDown(wxScrollWinEvent& event);
    void OnScrollTop(wxScrollWinEvent& event);
    void OnScrollBottom(wxScrollWinEvent& event);
    void OnShowPopupMenu(wxMouseEvent& event);
    void OnMouseRightDown(wxMouseEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeftDown(wxMouseEvent& event);
    void OnMouseLeftRelease(wxMouseEvent& event);
    void OnCenter(wxCommandEvent& event);
    void OnFit(wxCommandEvent& event);
    void OnZoomIn(wxCommandEvent& event);
    void OnZoomOut(wxCommandEvent& event);
    void OnLockAspect(wxCommandEvent& event);
    void OnMouseHelp(wxCommandEvent& event);

    void BuildPopupMenu();
    void DoScrollCalc(int position, int orientation);

    std::deque<plLayer*> m_layers;
    wxMenu m_popmenu;
    bool m_lockaspect = false;
    wxColour m_bgColour;
    wxColour m_fgColour;
    wxColour m_axColour;

    double m_minX = 0;
    double m_maxX = 0;
    double m_minY = 0;
    double m_maxY = 0;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    double m_posX = 0;
    double m_posY = 0;
    int m_scrX = 64;
    int m_scrY = 64;
    int m_clickedX = 0;
    int m_clickedY = 0;

    double m_desiredXmin = 0;
    double m_desiredXmax = 1;
    double m_desiredYmin = 0;
    double m_desiredYmax = 1;

    int m_marginTop = 0;
    int m_marginRight = 0;
    int m_marginBottom = 0;
    int m_marginLeft = 0;

    int m_last_lx = 0;
    int m_last_ly = 0;
    wxMemoryDC m_buff_dc;
    wxBitmap* m_buff_bmp = nullptr;
    bool m_enableDoubleBuffer = false;
    bool m_enableMouseNavigation = true;
    bool m_mouseMovedAfterRightClick = false;

    // Press positions are valid only while their button is held after a
    // press in this window.
    bool m_rightPressed = false;
    bool m_leftPressed = false;
    int m_mouseRClick_X = 0;
    int m_mouseRClick_Y = 0;
    int m_mouseLClick_X = 0;
    int m_mouseLClick_Y = 0;
    // The zoom rectangle being dragged, drawn by the paint handler.
    bool m_zoomRectShown = false;
    wxPoint m_zoomRectCorner;

    bool m_enableScrollBars = false;
    plInfoLayer* m_movingInfoLayer = nullptr;

    wxDECLARE_DYNAMIC_CLASS(plWindow);
    wxDECLARE_EVENT_TABLE();
};

//-----------------------------------------------------------------------------
// Printing

class plPrintout : public wxPrintout {
public:
    explicit plPrintout(plWindow* drawWindow, const wchar_t* title = L"Plot");
    bool OnPrintPage(int page) override;
    bool HasPage(int page) override { return page == 1; }
    void SetDrawState(bool drawState) { drawn = drawState; }

private:
    bool drawn = false;
    plWindow* plotWindow;
};
