#pragma once
// The measurement drawings beside the sail and rig editors, each turned into a
// bitmap once, on first use, and kept until the program ends.

class wxBitmap;

// Main sail with P, E, the girths and the headboard, 163 x 406.
const wxBitmap& MainSailDrawing_bmp_to_wx_bitmap();
// Headsail on the forestay with its luff, perpendicular and girths, 250 x 393.
const wxBitmap& JibSailDrawing_bmp_to_wx_bitmap();
// Spinnaker with luff, leech, foot and mid width, 250 x 312.
const wxBitmap& SpiSailDrawing_bmp_to_wx_bitmap();
// Headsail set flying with its luff, perpendicular and girths, 288 x 375.
const wxBitmap& HsfSailDrawing_bmp_to_wx_bitmap();
// Rig sheet: the rig's measurements on side views of the boat, 476 x 724.
const wxBitmap& RigDrawing_bmp_to_wx_bitmap();
