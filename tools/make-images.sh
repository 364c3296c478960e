#!/usr/bin/env bash
# Makes the window's images from coastline and country data shipped in Debian:
#   src/window/images/map.jpg    615 x 358 world map cut into 24 time-zone columns, UTC -11 to +12
#   src/window/images/arrow.gif  27 x 27 light-green arrow pointing down, transparent around it
#   src/window/images/globe.png  32 x 32 globe showing Africa and Europe, 256 colours (window icon)
#   src/window/images/globe-N.png the same globe at 48, 64, 128 and 256 pixels, for menus and docks
#   src/window/images/globe.svg  the same globe, scalable, its outlines simplified to within 40 km
#                                (under a pixel at 256 pixels)
# and, for screens of twice the density, map@2x.jpg (1230 x 716) and arrow@2x.gif (54 x 54) of the
# same layout, which Qt picks by their names.
# Its output is committed; building Orbisco never needs what this script needs:
#   apt-get install gmt gmt-gshhg-low gmt-dcw ghostscript imagemagick fonts-liberation
# The data: GSHHG coastlines (gmt-gshhg-low) and DCW country borders (gmt-dcw); the copyright
# file in dist/ names their sources and licences.
#
# Everything is drawn at four times the final size without anti-aliasing and then averaged down
# in 4 x 4 boxes: Ghostscript's own anti-aliasing leaves seams between neighbouring countries.
set -euo pipefail
out=$(cd "$(dirname "$0")/.." && pwd)/src/window/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" # GMT leaves gmt.conf and gmt.history where it runs

font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
dpi=300    # of the PostScript rendering
super=4    # drawn at four times the final size

# --- Map layout (final pixels) -------------------------------------------------------------
# The program places the sun's shade and the zones' dots by the same numbers: src/geo/projection.h
# holds them (the picture's size and bands, the latitudes and longitudes of its edges), and a core
# test (Projection.TheImageGeneratorDrawsWithTheSameNumbers) fails if the two differ.
width=615       # 24 columns of 25.625 pixels
top_band=14     # column numbers above the map
map_height=329  # Miller projection of 84N to 66S over 360 degrees of longitude
bottom_band=15  # column numbers below
height=$((top_band + map_height + bottom_band))
W=$((width * super)); H=$((height * super)); MH=$((map_height * super)); TB=$((top_band * super))
column=$(echo "$width * $super / 24" | bc -l)

# Column c (zone c - 11) spans longitudes -172.5 + 15c to -157.5 + 15c: zone 0 is centred on
# Greenwich, and the world is cut east of the date line.
R=-R-172.5/187.5/-66/84
J=-JJ7.5/$(echo "$W / $dpi" | bc -l)i
gmt gmtset PS_MEDIA 12ix8i PS_PAGE_ORIENTATION portrait PS_CHAR_ENCODING ISOLatin1+ >/dev/null

# Land: everything grey first, then each continent in its colour. DCW files Greenland under
# Europe and all of Russia under Asia: Greenland is painted again as North America, and Russia
# west of the Urals as Europe.
NA=30/80/220; SA=250/220/0; EU=0/160/0; AF=255/140/0; AS=220/0/200; OC=150/75/30
cat > europe_russia.txt <<POLY
20 40
20 85
68 85
60 68
60 50
51 46
47 40
POLY
{
    gmt pscoast $R $J -Dl -A2000 -Ggray70 -X0 -Y0 -K
    gmt pscoast $R $J -E=NA+g$NA -E=SA+g$SA -E=EU+g$EU -E=AF+g$AF -E=AS+g$AS -E=OC+g$OC -O -K
    gmt pscoast $R $J -EGL+g$NA -O -K
    gmt psclip europe_russia.txt $R $J -O -K
    gmt pscoast $R $J -ERU+g$EU -O -K
    gmt psclip -C -O -K
    gmt psxy $R $J -T -O
} > land.ps
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pngalpha -r$dpi -g${W}x$MH -dGraphicsAlphaBits=1 \
    -dTextAlphaBits=1 -sOutputFile=land.png land.ps

# Pixel position of a longitude and latitude on the map band, at the drawing size.
at() { echo "$1 $2" | gmt mapproject $R $J -Di | awk -v d=$dpi -v h=$MH '{printf "%d %d", $1*d, h-$2*d}'; }

# Ocean: alternating lighter and darker blue columns over the whole height.
stripes=()
for c in $(seq 0 23); do
    x0=$(printf '%.0f' "$(echo "$c * $column" | bc -l)")
    x1=$(printf '%.0f' "$(echo "($c + 1) * $column - 1" | bc -l)")
    [ $((c % 2)) -eq 0 ] && colour='#b4d7f5' || colour='#8cbeea'
    stripes+=(-fill "$colour" -draw "rectangle $x0,0 $x1,$((H - 1))")
done
convert -size ${W}x$H xc:white "${stripes[@]}" ocean.png

# Column boundaries drawn over land only, where the stripes do not show them.
lines=()
for c in $(seq 1 23); do
    x=$(printf '%.0f' "$(echo "$c * $column" | bc -l)")
    lines+=(-draw "rectangle $((x - 2)),0 $((x + 1)),$((MH - 1))")
done
convert -size ${W}x$MH xc:none -fill '#00000070' "${lines[@]}" lines.png
convert land.png lines.png -compose src-atop -composite land_lines.png

# Column numbers in the bands, continent names on the land.
labels=()
for c in $(seq 0 23); do
    zone=$((c - 11))
    if [ $zone -gt 0 ] && [ $zone -lt 12 ]; then text="+$zone"; else text="$zone"; fi
    dx=$(printf '%.0f' "$(echo "($c + 0.5) * $column - $W / 2" | bc -l)")
    [ "${dx:0:1}" = "-" ] || dx="+$dx"
    labels+=(-gravity North -annotate "${dx}+$((super * 1))" "$text")
    labels+=(-gravity South -annotate "${dx}+$((super * 1))" "$text")
done
names=()
while read -r lon lat name; do
    read -r x y <<<"$(at "$lon" "$lat")"
    names+=(-annotate "+$x+$((y + TB))" "$name")
done <<NAMES
-118 52 NORDAMERIKA
-74 -18 SÜDAMERIKA
14 55 EUROPA
3 12 AFRIKA
84 52 ASIEN
117 -26 AUSTRALIEN
NAMES

convert ocean.png land_lines.png -geometry +0+$TB -composite +antialias -font "$font" \
    -fill '#10206a' -pointsize $((11 * super)) "${labels[@]}" \
    -fill black -pointsize $((10 * super)) -gravity NorthWest "${names[@]}" map_large.png
for scale in 1 2; do
    [ $scale = 1 ] && name=map.jpg || name=map@${scale}x.jpg
    convert map_large.png -filter box -resize "$((width * scale))x$((height * scale))!" \
        -colorspace sRGB -type TrueColor -interlace none -sampling-factor 2x2 -quality 92 \
        "jpeg:$out/$name"
done

# --- Arrow ---------------------------------------------------------------------------------
convert -size $((27 * super))x$((27 * super)) xc:none +antialias -fill '#7cf07c' \
    -stroke '#1e7a1e' -strokewidth $((2 * super)) \
    -draw "polygon 36,4 72,4 72,48 100,48 54,104 8,48 36,48" arrow_large.png
for scale in 1 2; do
    [ $scale = 1 ] && name=arrow.gif || name=arrow@${scale}x.gif
    convert arrow_large.png -filter box -resize $((27 * scale))x$((27 * scale)) \
        -channel A -threshold 50% +channel -background none "gif:$out/$name"
done

# --- Icon ----------------------------------------------------------------------------------
# The globe centred on 15 E, 25 N, orthographic. The PNGs are rendered from the full data, the
# 32 x 32 one in 256 colours as the window icon always was.
G=-JG15/25/$(echo "128 / $dpi" | bc -l)i
{
    gmt pscoast -Rg $G -Dc -A5000 -S60/130/230 -Ggray70 -X0 -Y0 -K
    gmt pscoast -Rg $G -E=EU+g$EU -E=AF+g$AF -E=AS+g$AS -E=NA+g$NA -E=SA+g$SA -O -K
    gmt psxy -Rg $G -T -O
} > globe.ps
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pngalpha -r$dpi -g128x128 -dGraphicsAlphaBits=1 \
    -sOutputFile=globe_large.png globe.ps
convert globe_large.png -filter box -resize 32x32 -colors 256 -define png:exclude-chunk=date,time \
    "png8:$out/globe.png"
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pngalpha -r$((dpi * 8)) -g1024x1024 -dGraphicsAlphaBits=1 \
    -sOutputFile=globe_1024.png globe.ps
for size in 48 64 128 256; do
    convert globe_1024.png -filter box -resize ${size}x$size -define png:exclude-chunk=date,time \
        "png32:$out/globe-$size.png"
done

# The scalable globe: each continent's country outlines, simplified (a pixel at 256 pixels is
# 50 km of the globe), projected by the awk program below; neighbours overlap by a stroke of their fill
# where simplifying has parted their borders.
cat > globe.awk <<'AWK'
# Projects multisegment lon/lat polygons orthographically onto a globe of radius r centred at
# (cx, cy) and prints them as one SVG path. A point on the far side is moved along its azimuth
# to the rim, so a polygon that crosses the rim follows it; one wholly on the far side is left out.
BEGIN { d = atan2(0, -1) / 180; sinP0 = sin(lat0 * d); cosP0 = cos(lat0 * d) }
function flush() { if (n >= 3 && seen) path = path seg "Z"; seg = ""; n = seen = 0; lx = ly = "" }
/^>/ { flush(); next }
/^#/ { next }
{
    lam = ($1 - lon0) * d; phi = $2 * d
    x = cos(phi) * sin(lam); y = cosP0 * sin(phi) - sinP0 * cos(phi) * cos(lam)
    if (sinP0 * sin(phi) + cosP0 * cos(phi) * cos(lam) < 0) {
        len = sqrt(x * x + y * y); if (len > 0) { x /= len; y /= len }
    } else {
        seen = 1
    }
    px = sprintf("%.1f", cx + r * x); py = sprintf("%.1f", cy - r * y)
    if (px == lx && py == ly) next
    seg = seg (n ? "L" : "M") px " " py; lx = px; ly = py; n++
}
END {
    flush()
    printf "<path fill=\"%s\" stroke=\"%s\" stroke-width=\"1\" stroke-linejoin=\"round\" d=\"%s\"/>\n", \
        fill, fill, path
}
AWK
hex() { IFS=/ read -r red green blue <<<"$1"; printf '#%02x%02x%02x' "$red" "$green" "$blue"; }
{
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">'
    echo "<circle cx=\"128\" cy=\"128\" r=\"127.5\" fill=\"$(hex 60/130/230)\"/>"
    for continent in EU AF AS NA SA; do
        gmt coast -E=$continent -M | gmt simplify -T40k |
            awk -v lon0=15 -v lat0=25 -v cx=128 -v cy=128 -v r=127.5 \
                -v fill="$(hex "${!continent}")" -f globe.awk
    done
    # The rim in the ocean's colour covers the strokes of land behind the rim, which would show
    # as hairlines there; no clip path, which not every icon renderer knows.
    echo "<circle cx=\"128\" cy=\"128\" r=\"127.25\" fill=\"none\" stroke=\"$(hex 60/130/230)\" stroke-width=\"1.5\"/>"
    echo '</svg>'
} > "$out/globe.svg"

identify "$out"/*
