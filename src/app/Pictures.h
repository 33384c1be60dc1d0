#pragma once
// The pictures compiled into the program, each turned into a bitmap once, on
// first use, and kept until the program ends.

class wxBitmap;

// The run button: a red triangle on white, 64 x 64.
const wxBitmap& RUN_bmp_to_wx_bitmap();
// The splash screen's logo, 596 x 338.
const wxBitmap& Sulnar_bmp_to_wx_bitmap();
