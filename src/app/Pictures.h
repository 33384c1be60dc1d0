#pragma once
// The pictures compiled into the program, each turned into a bitmap once, on
// first use, and kept until the program ends.

#include <cstddef>

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/mstream.h>

// Decodes an embedded BMP file on the first call only; later calls return the
// same bitmap.
template <const unsigned char* Data, std::size_t Size>
const wxBitmap& embeddedBitmap()
{
    static wxMemoryInputStream stream(Data, Size);
    static wxImage image(stream, wxBITMAP_TYPE_BMP, -1);
    static wxBitmap bitmap(image, -1);
    return bitmap;
}

// The run button: a red triangle on white, 64 x 64.
const wxBitmap& RUN_bmp_to_wx_bitmap();
// The splash screen's logo, 596 x 338.
const wxBitmap& Sulnar_bmp_to_wx_bitmap();
