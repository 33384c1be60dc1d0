#!/bin/sh
# Draws the pictures compiled into the program: the splash logo and the run
# button as uncompressed 24-bit BMP files, the tree icons as 32 x 32 XPM
# images with two characters per pixel; the editors' measurement drawings
# come from draw-drawings.py. Needs ImageMagick and python3.
# Run it from anywhere; it rewrites the files next to itself.
set -e
cd "$(dirname "$0")"

FONT=DejaVu-Sans-Bold
BMP="-type TrueColor -units PixelsPerInch -density 96.012"

# Splash logo, 596 x 338: sky, sea, a sloop under main and jib, the name.
convert -size 596x338 gradient:'#1d4f91-#a9d3f5' \
    -fill '#0b3a66' -draw "rectangle 0,250 595,337" \
    -fill '#2c6aa8' -draw "polygon 0,250 595,250 595,262 0,258" \
    -fill white -stroke '#223344' -strokewidth 2 \
    -draw "polygon 150,232 150,40 238,232" \
    -draw "polygon 144,232 144,70 84,232" \
    -stroke '#223344' -strokewidth 3 -draw "line 147,34 147,240" \
    -fill '#8b1c1c' -stroke '#401010' -strokewidth 2 \
    -draw "polygon 70,240 250,240 232,262 96,262" \
    -stroke none -fill white -font "$FONT" -pointsize 70 \
    -draw "text 292,146 'Sulnar'" \
    -pointsize 22 -draw "text 296,196 'velocity prediction'" \
    -draw "text 296,226 'for sailing yachts'" \
    $BMP BMP3:Sulnar.bmp

# Run button, 64 x 64: a red triangle pointing right, green border, on white.
convert -size 64x64 xc:white -fill red -stroke '#00a000' -strokewidth 3 \
    -draw "polygon 14,8 56,32 14,56" \
    $BMP BMP3:RUN.bmp

# Tree icons. Each is drawn on a transparent background and written as XPM
# with two characters per pixel, the array named after the icon.
mkdir -p icons
icon() {
    name=$1
    shift
    convert -size 32x32 xc:none "$@" -depth 8 txt:- | python3 -c '
import sys, string
name = sys.argv[1]
pixels = {}
for line in sys.stdin:
    if line.startswith("#"):
        continue
    pos, rest = line.split(":", 1)
    x, y = (int(v) for v in pos.split(","))
    values = rest.split("(")[1].split(")")[0].split(",")
    r, g, b = (int(float(v)) for v in values[:3])
    a = float(values[3]) if len(values) > 3 else 255.0
    pixels[(x, y)] = "None" if a < 128 else "#%02X%02X%02X" % (r, g, b)
colours = sorted(set(pixels.values()))
symbols = string.ascii_letters + string.digits
codes = {c: symbols[i // len(symbols)] + symbols[i % len(symbols)] for i, c in enumerate(colours)}
print("/* XPM */")
print("static const char* const %s[] = {" % name)
print("\"32 32 %d 2\"," % len(colours))
for c in colours:
    print("\"%s c %s\"," % (codes[c], c))
rows = ["\"" + "".join(codes[pixels[(x, y)]] for x in range(32)) + "\"" for y in range(32)]
print(",\n".join(rows))
print("};")
' "$name" > "icons/$name.xpm"
}

# The leaf icons stand on a small page, which marks "one object".
leaf() {
    name=$1
    shift
    icon "$name" -fill '#fdfdf0' -stroke '#707070' -strokewidth 1 -draw "roundrectangle 1,1 30,30 3,3" "$@"
}

SAIL="-stroke #1f3b6e -strokewidth 1.5"
MAST="-stroke #5a3a1a -strokewidth 2"
HULL="-fill #8b1c1c -stroke #401010 -strokewidth 1"

icon SailsIcon $SAIL -fill '#e8eef8' -draw "polygon 12,27 12,3 27,27" -draw "polygon 10,27 10,8 3,27"
icon MainIcon $MAST -draw "line 16,2 16,30" $SAIL -fill '#dfe8f7' -draw "polygon 17,4 17,28 29,28"
icon JibIcon $MAST -draw "line 22,2 22,30" $SAIL -fill '#f7f1cf' -draw "polygon 21,4 21,28 4,28"
icon SpiIcon $SAIL -fill '#e34a4a' -draw "path 'M 8,28 Q 1,12 16,3 Q 31,12 24,28 Z'"
icon HsfIcon $SAIL -fill '#9acd5a' -draw "path 'M 6,28 Q 8,12 20,3 L 26,28 Z'"
icon HullIcon -fill '#2c6aa8' -draw "rectangle 0,17 31,31" $HULL -draw "polygon 2,10 30,10 25,19 7,19" -fill '#333333' -draw "polygon 14,19 18,19 17,29 15,29"
icon RigIcon $MAST -draw "line 16,1 16,30" -draw "line 9,10 23,10" -stroke '#808080' -strokewidth 1 -draw "line 16,2 9,10" -draw "line 9,10 10,30" -draw "line 16,2 23,10" -draw "line 23,10 22,30"
icon RootIcon -fill '#f2c94c' -stroke '#8a6d1d' -strokewidth 1 -draw "polygon 2,9 12,9 14,6 29,6 29,27 2,27"
icon VppRunIcon -fill white -stroke '#1f3b6e' -strokewidth 1.5 -draw "circle 16,16 16,2" -fill none -stroke '#c03030' -strokewidth 2 -draw "path 'M 16,27 Q 4,14 12,6 Q 22,4 24,12 Q 26,22 16,27'"
leaf mainExIcon $MAST -draw "line 14,4 14,28" $SAIL -fill '#dfe8f7' -draw "polygon 15,6 15,26 26,26"
leaf jibExIcon $MAST -draw "line 20,4 20,28" $SAIL -fill '#f7f1cf' -draw "polygon 19,6 19,26 6,26"
leaf hsfExIcon $SAIL -fill '#9acd5a' -draw "path 'M 8,26 Q 10,12 19,5 L 24,26 Z'"
leaf spiExIcon $SAIL -fill '#e34a4a' -draw "path 'M 9,26 Q 4,13 16,5 Q 28,13 23,26 Z'"
leaf rigExIcon $MAST -draw "line 16,4 16,28" -draw "line 10,11 22,11" -stroke '#808080' -strokewidth 1 -draw "line 16,5 10,11" -draw "line 16,5 22,11"
leaf hullExIcon $HULL -draw "polygon 4,12 28,12 23,19 9,19" -fill '#333333' -draw "polygon 14,19 18,19 17,27 15,27"
leaf VppRunExIcon -fill none -stroke '#c03030' -strokewidth 2 -draw "path 'M 16,26 Q 6,15 12,8 Q 21,6 22,13 Q 24,21 16,26'"

python3 draw-drawings.py
