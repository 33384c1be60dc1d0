#pragma once
// Pieces shared by the plot widget tests: a plot window of known size on a
// shown frame, a memory canvas drawn without antialiasing whose pixels can be
// read back, and a log target that records errors instead of showing them.

#include <string>
#include <vector>

#include <wx/graphics.h>
#include <wx/log.h>

#include "GuiTest.h"
#include "plotwidget.h"

// White memory bitmap; lines are drawn without antialiasing.
class Canvas {
public:
    Canvas(int width, int height) : bitmap(width, height), dc(bitmap)
    {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        if (wxGraphicsContext* gc = dc.GetGraphicsContext())
            gc->SetAntialiasMode(wxANTIALIAS_NONE);
    }
    // Colour of one pixel (the drawing so far).
    wxColour at(int x, int y)
    {
        snapshot();
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }
    bool white(int x, int y) { return at(x, y) == *wxWHITE; }
    // Number of non-white pixels in the rectangle.
    int inked(const wxRect& r)
    {
        snapshot();
        int n = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x)
                if (x >= 0 && y >= 0 && x < image.GetWidth() && y < image.GetHeight()
                    && (image.GetRed(x, y) != 255 || image.GetGreen(x, y) != 255 || image.GetBlue(x, y) != 255))
                    ++n;
        return n;
    }
    wxImage snapshot()
    {
        dc.SelectObject(wxNullBitmap);
        image = bitmap.ConvertToImage();
        dc.SelectObject(bitmap);
        if (wxGraphicsContext* gc = dc.GetGraphicsContext())
            gc->SetAntialiasMode(wxANTIALIAS_NONE);
        return image;
    }

    wxBitmap bitmap;
    wxMemoryDC dc;
    wxImage image;
};

// Records error-level log messages for its lifetime.
class LogCapture : public wxLog {
public:
    LogCapture() { previous = wxLog::SetActiveTarget(this); }
    ~LogCapture() override { wxLog::SetActiveTarget(previous); }
    std::vector<std::string> messages;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Error)
            messages.push_back(msg.utf8_string());
    }

private:
    wxLog* previous = nullptr;
};

// A 600 x 400 plot window on a panel of a shown frame.
class PlotWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "plot", wxDefaultPosition, wxSize(800, 600));
        panel = new wxPanel(frame);
        window = new plWindow(panel, wxID_ANY, wxPoint(0, 0), wxSize(600, 400), style());
        frame->Show();
        pumpEvents(50);
    }
    void TearDown() override { frame->Destroy(); }
    virtual long style() const { return 0; }

    // A mouse event at (x, y) delivered to the window.
    void mouse(wxEventType type, int x, int y, bool left = false, bool right = false)
    {
        wxMouseEvent event(type);
        event.SetEventObject(window);
        event.m_x = x;
        event.m_y = y;
        event.m_leftDown = left;
        event.m_rightDown = right;
        window->ProcessWindowEvent(event);
    }
    void wheel(int rotation, int x, int y, bool ctrl, bool shift)
    {
        wxMouseEvent event(wxEVT_MOUSEWHEEL);
        event.SetEventObject(window);
        event.m_x = x;
        event.m_y = y;
        event.m_wheelRotation = rotation;
        event.m_wheelDelta = 120;
        event.m_controlDown = ctrl;
        event.m_shiftDown = shift;
        window->ProcessWindowEvent(event);
    }
    void menu(int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(window);
        window->ProcessWindowEvent(event);
    }

    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    plWindow* window = nullptr;
};

// A curve layer through the given points.
inline plFXYVector* makeCurve(const std::vector<double>& xs, const std::vector<double>& ys,
                              const wxString& name = wxEmptyString, bool continuous = true)
{
    auto* curve = new plFXYVector(name, 0);
    curve->SetContinuity(continuous);
    curve->SetData(xs, ys);
    return curve;
}
