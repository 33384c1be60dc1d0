#include "SailDrawings.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include "EmbeddedPictures.h"

const wxBitmap& MainSailDrawing_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(MainSailDrawing_bmp, sizeof MainSailDrawing_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}

const wxBitmap& JibSailDrawing_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(JibSailDrawing_bmp, sizeof JibSailDrawing_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}

const wxBitmap& SpiSailDrawing_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(SpiSailDrawing_bmp, sizeof SpiSailDrawing_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}

const wxBitmap& HsfSailDrawing_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(HsfSailDrawing_bmp, sizeof HsfSailDrawing_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}

const wxBitmap& RigDrawing_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(RigDrawing_bmp, sizeof RigDrawing_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}
