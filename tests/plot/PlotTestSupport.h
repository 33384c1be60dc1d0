#pragma once
// Helpers shared by the plot widget tests: a memory canvas whose pixels can be read back, a log
// target that records errors instead of showing them, and a plot window of known size.

#include <memory>
#include <string>
#include <vector>

#include <wx/graphics.h>
#include <wx/log.h>

#include "GuiTest.h"
#include "plotwidget.h"

// White memory bitmap whose pixels can be read back; drawing goes on without antialiasing.
class Canvas {
public:
    Canvas(int width, int height) : bitmap(width, height), dc(bitmap)
    {
        dc.SetBackground(*wxWHITE_BRUSH), dc.Clear(), snapshot();
    }
    wxImage snapshot()
    {
        dc.SelectObject(wxNullBitmap);
        const wxImage image = bitmap.ConvertToImage();
        dc.SelectObject(bitmap);
        if (wxGraphicsContext* gc = dc.GetGraphicsContext())
            gc->SetAntialiasMode(wxANTIALIAS_NONE);
        return image;
    }
    wxColour at(int x, int y)
    {
        const wxImage i = snapshot();
        return wxColour(i.GetRed(x, y), i.GetGreen(x, y), i.GetBlue(x, y));
    }
    bool white(int x, int y) { return at(x, y) == *wxWHITE; }
    // Number of non-white pixels in the rectangle (the whole canvas by default).
    int inked(wxRect r = wxRect(0, 0, 1 << 16, 1 << 16))
    {
        const wxImage image = snapshot();
        r.Intersect(wxRect(image.GetSize()));
        int n = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x)
                n += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 255;
        return n;
    }
    wxBitmap bitmap;
    wxMemoryDC dc;
};

// Records error-level log messages for its lifetime.
class LogCapture : public wxLog {
public:
    LogCapture() : previous(wxLog::SetActiveTarget(this)) {}
    ~LogCapture() override { wxLog::SetActiveTarget(previous); }
    std::vector<std::string> messages;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Error) messages.push_back(msg.utf8_string());
    }
    wxLog* previous;
};

// A 600 x 400 plot window on a panel of a shown frame.
class PlotWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "plot", wxDefaultPosition, wxSize(800, 600));
        window = new plWindow(new wxPanel(frame), wxID_ANY, wxPoint(0, 0), wxSize(600, 400), style());
        frame->Show(); pumpEvents(50);
    }
    void TearDown() override { frame->Destroy(); }
    virtual long style() const { return 0; }

    // Fits the bounds to a print area of w x h pixels.
    void fit(double x0, double x1, double y0, double y1, int w, int h) { window->Fit(x0, x1, y0, y1, &w, &h); }
    // A mouse event at (x, y) with the buttons held, or a wheel turn with CTRL or SHIFT.
    void mouse(wxEventType type, int x, int y, bool left = false, bool right = false, int rotation = 0,
               bool ctrl = false, bool shift = false)
    {
        wxMouseEvent event(type);
        event.SetEventObject(window);
        event.m_x = x, event.m_y = y, event.m_leftDown = left, event.m_rightDown = right, event.m_wheelDelta = 120;
        event.m_wheelRotation = rotation, event.m_controlDown = ctrl, event.m_shiftDown = shift;
        window->ProcessWindowEvent(event);
    }
    void wheel(int turn, int x, int y, bool ctrl, bool shift) { mouse(wxEVT_MOUSEWHEEL, x, y, 0, 0, turn, ctrl, shift); }
    void menu(int id) { wxCommandEvent event(wxEVT_MENU, id); window->ProcessWindowEvent(event); }
    // The layer drawn on a new canvas of w x h pixels.
    std::unique_ptr<Canvas> draw(plLayer& layer, int w = 200, int h = 100)
    {
        auto c = std::make_unique<Canvas>(w, h);
        layer.Plot(c->dc, *window);
        return c;
    }

    wxFrame* frame = nullptr;
    plWindow* window = nullptr;
};

// A curve layer through the given points.
inline plFXYVector* makeCurve(const std::vector<double>& xs, const std::vector<double>& ys,
                              const wxString& name = wxEmptyString, int flags = 0, bool continuous = true)
{
    auto* curve = new plFXYVector(name, flags);
    curve->SetContinuity(continuous), curve->SetData(xs, ys);
    return curve;
}
