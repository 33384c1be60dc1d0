#include "Pictures.h"

#include "EmbeddedPictures.h"

const wxBitmap& RUN_bmp_to_wx_bitmap()
{
    return embeddedBitmap<RUN_bmp, sizeof RUN_bmp>();
}

const wxBitmap& Sulnar_bmp_to_wx_bitmap()
{
    return embeddedBitmap<Sulnar_bmp, sizeof Sulnar_bmp>();
}
