#include "Pictures.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include "EmbeddedPictures.h"

const wxBitmap& RUN_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(RUN_bmp, sizeof RUN_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}

const wxBitmap& Sulnar_bmp_to_wx_bitmap()
{
    static wxMemoryInputStream stream(Sulnar_bmp, sizeof Sulnar_bmp);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}
