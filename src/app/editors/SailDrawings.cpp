#include "SailDrawings.h"

#include "EmbeddedPictures.h"
#include "Pictures.h"

const wxBitmap& MainSailDrawing_bmp_to_wx_bitmap()
{
    return embeddedBitmap<MainSailDrawing_bmp, sizeof MainSailDrawing_bmp>();
}

const wxBitmap& JibSailDrawing_bmp_to_wx_bitmap()
{
    return embeddedBitmap<JibSailDrawing_bmp, sizeof JibSailDrawing_bmp>();
}

const wxBitmap& SpiSailDrawing_bmp_to_wx_bitmap()
{
    return embeddedBitmap<SpiSailDrawing_bmp, sizeof SpiSailDrawing_bmp>();
}

const wxBitmap& HsfSailDrawing_bmp_to_wx_bitmap()
{
    return embeddedBitmap<HsfSailDrawing_bmp, sizeof HsfSailDrawing_bmp>();
}

const wxBitmap& RigDrawing_bmp_to_wx_bitmap()
{
    return embeddedBitmap<RigDrawing_bmp, sizeof RigDrawing_bmp>();
}
