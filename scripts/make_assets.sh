#!/usr/bin/env bash
# Draws every picture in assets/ from scratch with ImageMagick: shapes, gradients and
# seeded noise only, no source images and no fonts. Running it again gives the same files.
#   usage: scripts/make_assets.sh            (from anywhere in the repository)
# Needs ImageMagick's `convert` (Debian: apt-get install -y imagemagick).
#
# Most small pictures are drawn 4x or 8x larger ("scale N,N" in the drawing strings,
# so coordinates are given in final pixels) and then reduced, for clean edges.
# ImageMagick 6.9.11 strokes an open path as if it were closed, so every open
# stroke below is written as a path that runs out and back along itself.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/assets"
mkdir -p "$OUT"
command -v convert >/dev/null || {
  echo "make_assets: ImageMagick 'convert' not found (apt-get install -y imagemagick)" >&2; exit 1; }

# one thread and fixed seeds, so the noise layers are the same on every run
export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
cd "$TMP"

W=639 H=479

# soft vignette for a 639x479 picture: white middle, corners down to $1 percent
vignette() {
  convert -size 900x900 radial-gradient:white-black -resize ${W}x${H}! \
          -level 0,55% +level "$1"%,100% "$2"
}
# paint colour $1 through grey mask $2 into a transparent layer $3
tint() { convert -size "$(identify -format %wx%h "$2")" xc:"$1" "$2" -alpha off -compose copy_opacity -composite "$3"; }

###############################################################################
# start_background.jpg: night sky with a keep on a crag in the top third;
# the lower two thirds stay a quiet, nearly black ground.
start_background() {
  convert -size ${W}x165 gradient:'#05070f-#1b2542' \
          -size ${W}x314 gradient:'#0d1220-#040507' -append sky.png
  # soft moonlit haze behind the keep
  convert -size ${W}x${H} xc:none -fill '#2a3658' -draw "ellipse 360,70 190,95 0,360" \
          -blur 0x45 -channel A -evaluate multiply 0.75 +channel glow.png
  # sparse stars of varied brightness, fading out toward the ridge
  convert -size ${W}x${H} xc:gray50 -seed 11 +noise Random -colorspace gray -threshold 99.6% \
          \( -size ${W}x${H} xc:gray50 -seed 12 +noise Random -colorspace gray \) -compose multiply -composite \
          \( -size ${W}x170 gradient:white-gray15 -size ${W}x309 xc:black -append \) -compose multiply -composite \
          -level 0,150% -blur 0x0.35 stars.png
  # far mountains, a shade lighter than the near ridge
  convert -size ${W}x${H} xc:none -fill '#10172a' -draw "polygon 0,150 40,136 85,114 118,122 150,106 190,128 230,118 262,136 300,118 345,140 390,122 430,104 470,118 505,100 540,114 580,96 615,110 639,104 639,${H} 0,${H}" far.png
  # near ridge and the keep: two spired towers, a crenellated hall, a pennant
  local T="translate 0,22"
  convert -size ${W}x${H} xc:none -fill '#05070c' \
    -draw "$T polygon 0,150 30,142 70,124 100,128 130,112 160,120 200,138 240,126 275,100 296,84 302,70 358,70 362,84 384,98 410,122 450,134 490,126 520,114 560,128 600,140 639,134 639,${H} 0,${H}" \
    -draw "$T rectangle 306,44 352,72" \
    -draw "$T rectangle 300,30 314,72" \
    -draw "$T rectangle 344,20 360,72" \
    -draw "$T rectangle 321,33 337,46" \
    -draw "$T polygon 298,31 307,14 316,31" \
    -draw "$T polygon 342,21 352,2 362,21" \
    -draw "$T rectangle 306,40 309,45 rectangle 314,40 317,45 rectangle 339,40 342,45" \
    -draw "$T rectangle 321,29 324,34 rectangle 327,29 330,34 rectangle 334,29 337,34" \
    -draw "$T stroke #05070c stroke-width 1 line 352,3 352,-8" \
    -draw "$T polygon 353,-8 360,-6 353,-4" near.png
  # three lit windows and their glow
  local WIN="$T rectangle 351,30 353,35 rectangle 306,52 307,55 rectangle 328,39 330,43"
  convert -size ${W}x${H} xc:none -fill '#c89a48' -draw "$WIN" windows.png
  convert -size ${W}x${H} xc:none -fill '#7a5a24' -draw "$WIN" -blur 0x2.5 winglow.png
  # mist along the foot of the ridge
  convert -size ${W}x${H} xc:none -fill '#1f2a44' -draw "ellipse 320,176 380,16 0,360" \
          -blur 0x14 -channel A -evaluate multiply 0.45 +channel mist.png
  # a dim moon with a few grey seas
  convert -size ${W}x${H} xc:none -fill '#5e6680' -draw "circle 458,52 458,92" \
          -blur 0x20 -channel A -evaluate multiply 0.45 +channel \
          -fill '#9aa0ad' -draw "circle 458,52 458,63" \
          -fill '#7d8393' -draw "circle 454,49 455,51 circle 462,57 463,58 circle 461,46 462,47" moon.png
  # very faint grain so the dark ground is not flat
  convert -size ${W}x${H} xc:gray50 -seed 21 +noise Gaussian -colorspace gray -blur 0x1.2 -level 30%,70% grain.png
  vignette 40 vig.png
  convert sky.png glow.png -compose over -composite stars.png -compose screen -composite \
          moon.png -compose over -composite far.png -compose over -composite \
          mist.png -compose over -composite near.png -compose over -composite \
          winglow.png -compose screen -composite windows.png -compose over -composite \
          \( grain.png -evaluate multiply 0.06 \) -compose plus -composite -evaluate subtract 1.5% \
          vig.png -compose multiply -composite \
          -strip -quality 92 "$OUT/start_background.jpg"
}

###############################################################################
# choice_background.jpg: a dark sea chart with islands, contour lines, a grid,
# a dotted route and a compass rose, on a dark wooden table. Faint throughout.
choice_background() {
  local M=600x440
  # wood: narrow noise stretched into horizontal grain, gently waved
  convert -size 12x520 xc:gray50 -seed 41 +noise Random -colorspace gray -resize 700x520! -blur 0x1.5 \
          -background gray50 -wave 6x300 -crop ${W}x${H}+20+20 +repage -auto-level -level 15%,85% \
          \( -size ${W}x${H} xc:'#21160d' \) -compose multiply -composite \
          \( -size ${W}x${H} xc:'#0b0806' \) -compose plus -composite wood.png
  # land and sea from a smooth noise field; contour lines every ninth of the range
  convert -size 160x120 xc:gray50 -seed 33 +noise Random -colorspace gray -blur 0x7 -auto-level \
          -resize ${M}! -blur 0x2 field.png
  convert field.png -threshold 52% land.png
  convert land.png -negate sea.png
  convert field.png -fx '(u*9-floor(u*9)<0.07 && u>0.52)?1:0' contours.png
  convert land.png -morphology EdgeIn Diamond:1 coast.png
  # graticule and a double border line
  convert -size $M xc:black -fill none -stroke white -strokewidth 1 \
    -draw "$(for x in 50 125 200 275 350 425 500 575; do printf 'line %d,0 %d,440 ' $x $x; done)" \
    -draw "rectangle 14,14 585,425 rectangle 18,18 581,421" \
    -draw "$(for y in 40 115 190 265 340 415; do printf 'line 0,%d 600,%d ' $y $y; done)" grid.png
  # dotted route with waypoints and a cross at its end
  convert -size $M xc:black -fill none -stroke white -strokewidth 1.2 \
    -draw "stroke-dasharray 4 5 path 'M 90,360 C 160,300 200,330 260,250 S 380,170 430,200 S 520,120 560,90'" \
    -draw "circle 90,360 94,360 circle 260,250 264,250 circle 430,200 434,200" \
    -draw "line 553,83 567,97 line 567,83 553,97" route.png
  # compass rose: two rings, four long and four short points
  convert -size $M xc:black -fill none -stroke white -strokewidth 1 \
    -draw "circle 520,360 520,312 circle 520,360 520,318" \
    -fill white -stroke none \
    -draw "polygon 520,304 526,354 520,360 514,354 polygon 520,416 526,366 520,360 514,366" \
    -draw "polygon 464,360 514,354 520,360 514,366 polygon 576,360 526,354 520,360 526,366" \
    -draw "polygon 486,326 518,356 520,360 516,358 polygon 554,326 522,356 520,360 524,358" \
    -draw "polygon 486,394 518,364 520,360 516,362 polygon 554,394 522,364 520,360 524,362" rose.png
  convert grid.png     -evaluate multiply 0.45 m_grid.png
  convert contours.png -evaluate multiply 0.55 m_cont.png
  convert coast.png    -evaluate multiply 0.85 m_coast.png
  convert route.png    -evaluate multiply 0.70 m_route.png
  convert rose.png     -evaluate multiply 0.60 m_rose.png
  tint '#101214' sea.png     l_sea.png
  tint '#3a2d1c' m_grid.png  l_grid.png
  tint '#3c2f1e' m_cont.png  l_cont.png
  tint '#4a3a24' m_coast.png l_coast.png
  tint '#4a2a1c' m_route.png l_route.png
  tint '#3e3222' m_rose.png  l_rose.png
  convert -size 900x900 radial-gradient:white-black -resize ${M}! -level 0,70% +level 45%,100% sheetvig.png
  convert -size $M xc:'#1a140d' l_sea.png -compose over -composite \
     \( -size $M xc:gray50 -seed 35 +noise Gaussian -colorspace gray -blur 0x3 -level 35%,65% -evaluate multiply 0.05 \) -compose plus -composite \
     l_grid.png -compose over -composite l_cont.png -compose over -composite \
     l_coast.png -compose over -composite l_route.png -compose over -composite \
     l_rose.png -compose over -composite \
     sheetvig.png -compose multiply -composite sheet.png
  # slightly ragged sheet edge, a small turn, and a soft shadow on the table
  convert -size $M xc:black -fill white -draw "rectangle 6,6 593,433" \
     \( -size $M xc:gray50 -seed 37 +noise Random -colorspace gray -blur 0x1 \) -compose multiply -composite \
     -blur 0x2 -threshold 20% -blur 0x0.7 sheetmask.png
  convert sheet.png sheetmask.png -alpha off -compose copy_opacity -composite -background none -rotate -1.5 sheetr.png
  convert sheetr.png -alpha extract -blur 0x8 -background black -alpha shape \
          -channel A -evaluate multiply 0.8 +channel shadow.png
  vignette 40 vig.png
  convert wood.png shadow.png -geometry +24+26 -compose over -composite \
          sheetr.png -geometry +12+12 -compose over -composite \
          vig.png -compose multiply -composite -strip -quality 92 "$OUT/choice_background.jpg"
}

###############################################################################
# help_background.jpg: a hooded archer at full draw, facing right, rim-lit in dim
# gold on black, kept left of x=250; everything right of x=258 is pure black.
help_background() {
  # drawn at 2x from 1x coordinates, then halved
  draw2() { convert -size $((2*W))x$((2*H)) xc:black -draw "scale 2,2 $1" -resize ${W}x${H}! "$2"; }
  # body: hood, draw arm with elbow back, cloaked body with the bow arm, hands
  draw2 "fill white stroke none
    path 'M 90,86 C 104,84 116,76 130,74 C 146,74 158,84 162,98 L 166,108 C 160,108 156,110 154,114 L 158,124 L 154,128 L 155,134 C 152,138 148,140 146,142 L 150,150 C 140,156 130,158 124,160 C 112,158 104,150 102,140 C 100,124 100,106 92,92 Z'
    path 'M 150,146 C 136,146 116,150 96,152 C 88,153 82,158 82,164 C 84,170 92,172 100,170 C 116,166 136,162 154,158 Z'
    path 'M 98,160 C 110,156 130,158 150,162 L 156,170 C 182,166 206,156 226,148 L 230,156 C 208,166 184,176 160,182 C 160,200 158,230 156,260 C 162,330 170,410 182,479 L 30,479 C 48,420 60,360 70,300 C 74,250 78,190 98,160 Z'
    path 'M 144,146 L 156,144 L 158,152 L 146,154 Z'
    path 'M 222,144 C 226,142 232,144 232,150 C 232,156 226,158 222,156 Z'" body.png
  # the shadowed face inside the hood
  draw2 "fill white stroke none
    path 'M 150,98 C 154,100 158,104 160,108 C 156,110 154,114 154,118 L 156,124 L 152,128 L 152,134 C 148,138 144,140 140,140 C 136,130 138,112 150,98 Z'" face.png
  # bow limbs with recurved tips, grip, string, arrow, quiver at the hip
  draw2 "fill white stroke none
    path 'M 230,150 C 230,120 222,84 203,34 L 199,35 C 214,82 222,120 223,150 Z'
    path 'M 230,150 C 230,180 222,216 203,266 L 199,265 C 214,218 222,180 223,150 Z'
    path 'M 203,34 C 198,30 197,26 200,21 L 198,21 C 194,26 195,31 199,35 Z'
    path 'M 203,266 C 198,270 197,274 200,279 L 198,279 C 194,274 195,269 199,265 Z'
    path 'M 224,140 L 232,140 L 232,160 L 224,160 Z'
    fill none stroke white stroke-width 1
    line 199,28 150,150
    line 150,150 199,272
    stroke-width 2
    line 142,150 240,150
    fill white stroke none
    polygon 238,146 250,150 238,154
    polygon 142,150 132,145 136,150 132,155
    path 'M 66,250 L 80,244 L 104,304 L 92,310 Z'
    path 'M 68,248 L 58,230 L 64,232 L 62,222 L 70,240 Z'
    path 'M 74,246 L 70,226 L 76,230 L 78,220 L 80,242 Z'" gear.png
  # cloak folds and a belt (open strokes run out and back)
  draw2 "fill none stroke white stroke-linecap round stroke-width 3
    path 'M 112,196 C 104,260 96,360 84,479 C 96,360 104,260 112,196 Z'
    path 'M 134,214 C 132,300 134,400 140,479 C 134,400 132,300 134,214 Z'
    path 'M 92,250 C 80,320 68,400 58,479 C 68,400 80,320 92,250 Z'
    stroke-width 5
    path 'M 72,262 C 100,266 130,264 158,258 C 130,264 100,266 72,262 Z'" folds.png
  # dim bronze fill, lighter toward the upper right
  convert -size ${W}x${H} xc:black -fill white -draw "ellipse 200,110 150,190 0,360" -blur 0x60 +level 10%,100% light.png
  convert -size ${W}x${H} xc:'#4a3715' light.png -compose multiply -composite bodyfill.png
  # rim light on the edges that face the upper right, a softer band inside it, a faint halo
  convert body.png \( body.png -roll -3+2 \) -compose minus_src -composite -blur 0x0.7 rim.png
  convert body.png \( body.png -roll -8+5 \) -compose minus_src -composite -blur 0x3 -evaluate multiply 0.5 rimsoft.png
  convert body.png -blur 0x24 -evaluate multiply 0.5 halo.png
  convert folds.png -blur 0x2 -evaluate multiply 0.7 foldsoft.png
  tint '#3a2a10' halo.png     l_halo.png
  tint '#050301' foldsoft.png l_folds.png
  tint '#7a5a22' rimsoft.png  l_rimsoft.png
  tint '#c8983f' rim.png      l_rim.png
  tint '#060402' face.png     l_face.png
  tint '#a67c36' gear.png     l_gear.png
  convert bodyfill.png body.png -alpha off -compose copy_opacity -composite l_body.png
  # right part forced to black, soft edge between x=250 and x=258
  convert -size ${W}x${H} xc:black -fill white -draw "rectangle 0,0 250,${H}" -blur 0x4 \
          -fill black -draw "rectangle 258,0 ${W},${H}" rmask.png
  vignette 45 vig.png
  convert -size ${W}x${H} xc:black l_halo.png -compose over -composite l_body.png -compose over -composite \
          l_folds.png -compose over -composite l_rimsoft.png -compose over -composite \
          l_rim.png -compose over -composite l_face.png -compose over -composite \
          l_gear.png -compose over -composite \
          rmask.png -compose multiply -composite vig.png -compose multiply -composite \
          -strip -quality 92 "$OUT/help_background.jpg"
}

###############################################################################
# help_return.jpg: a gold arrow pointing left out of a stone archway, thin gold frame.
help_return() {
  local S=4
  local ARROW="path 'M 104,50 L 40,50 L 40,40 L 18,56 L 40,72 L 40,62 L 104,62 Z'"
  convert -size $((133*S))x$((100*S)) gradient:'#1a140c-#070605' \
    -fill '#241b10' -stroke none -draw "scale $S,$S path 'M 66,88 L 66,40 C 66,22 80,14 92,14 C 104,14 118,22 118,40 L 118,88 Z'" \
    -fill '#0a0806' -draw "scale $S,$S path 'M 76,88 L 76,42 C 76,30 84,24 92,24 C 100,24 108,30 108,42 L 108,88 Z'" \
    \( -size $((133*S))x$((100*S)) xc:none -fill '#6a5020' -draw "scale $S,$S ellipse 92,66 12,20 0,360" -blur 0x22 \) \
    -compose screen -composite \
    -fill none -stroke '#8d6c2e' -strokewidth 1 \
    -draw "scale $S,$S path 'M 66,88 L 66,40 C 66,22 80,14 92,14 C 104,14 118,22 118,40 L 118,88 L 118,40 C 118,22 104,14 92,14 C 80,14 66,22 66,40 Z'" \
    -draw "scale $S,$S path 'M 76,88 L 76,42 C 76,30 84,24 92,24 C 100,24 108,30 108,42 L 108,88 L 108,42 C 108,30 100,24 92,24 C 84,24 76,30 76,42 Z'" \
    -stroke '#6a5124' -draw "scale $S,$S line 66,52 76,52 line 66,70 76,70 line 108,52 118,52 line 108,70 118,70 line 92,14 92,24 line 73,21 80,29 line 111,21 104,29" \
    -stroke '#8d6c2e' -strokewidth 1.5 -draw "scale $S,$S line 58,88 126,88" \
    -stroke '#0c0904' -strokewidth 3.5 -fill '#0c0904' -draw "scale $S,$S $ARROW" \
    -stroke none -fill '#d9ad52' -draw "scale $S,$S $ARROW" \
    -fill '#f2d488' -draw "scale $S,$S path 'M 104,50 L 40,50 L 40,40 L 18,56 L 22,56 L 42,44 L 42,53 L 104,53 Z'" \
    -fill '#9c7632' -draw "scale $S,$S path 'M 104,59 L 40,59 L 40,62 L 104,62 Z'" \
    -fill none -stroke '#c39544' -strokewidth 1 -draw "scale $S,$S rectangle 2.5,2.5 130.5,97.5" \
    -stroke '#4a3818' -strokewidth 0.75 -draw "scale $S,$S rectangle 5,5 128,95" \
    -resize 133x100! -strip -quality 94 "$OUT/help_return.jpg"
}

###############################################################################
# dark outline under a layer: grow its shape by $2 px (at drawing scale), fill it dark
outline() {
  convert "$1" -alpha extract -morphology Dilate Disk:"$2" ol_mask.png
  convert -size "$(identify -format %wx%h "$1")" xc:"$3" ol_mask.png -alpha off -compose copy_opacity -composite \
          "$1" -compose over -composite "$4"
}

# bow_cursor.png: a cream bow and string on a dark outline; the upper tip sits at (1,1),
# which is the hot spot.
bow_cursor() {
  local BOW="path 'M 1.2,1.2 C 6,1.8 18,3 22.5,7.5 C 27,12 28.2,24 28.8,28.8 C 27.4,25 24.5,13.5 20.5,9.5 C 16.5,5.5 5,2.6 1.2,1.2 Z'"
  convert -size 256x256 xc:none -fill '#f6e6b4' -stroke none -draw "scale 8,8 $BOW" \
          -fill none -stroke '#efdcaa' -strokewidth 0.9 -draw "scale 8,8 line 1.6,1.6 28.4,28.4" cur_light.png
  # leather wraps on the grip
  convert -size 256x256 xc:none -stroke '#7a5420' -strokewidth 0.8 \
          -draw "scale 8,8 line 18.6,4.9 21.4,10.4 line 21.4,5.6 23.6,10.6 line 24.0,6.9 25.0,11.7" \
          \( cur_light.png -alpha extract \) -compose dst_in -composite cur_grip.png
  outline cur_light.png 8.5 '#1a1208' cur_lined.png
  convert cur_lined.png cur_grip.png -compose over -composite \
          -filter box -resize 32x32 -channel A -level 20%,80% +channel -depth 8 -strip "PNG32:$OUT/bow_cursor.png"
}

# down_arrow.png: a near-black triangle pointing down with a light rim.
down_arrow() {
  convert -size 136x136 xc:none -fill '#1e1e22' -stroke none -draw "scale 8,8 polygon 3,5.5 14,5.5 8.5,12.5" da.png
  outline da.png 9 '#f4f4f0' da_lined.png
  convert da_lined.png -filter box -resize 17x17 -channel A -level 15%,85% +channel -depth 8 -strip "PNG32:$OUT/down_arrow.png"
}

# brevath.png: navy rounded badge with a gold rim, rising bars, a gold bow at full
# draw and a silver arrow flying up to the right.
app_icon() {
  local Z=8 S=512
  local BOW="path 'M 1.2,1.2 C 6,1.6 18,2.6 22.8,7.2 C 27.4,12 28.4,24 28.8,28.8 C 27.2,25.6 24,14.6 19.8,10.2 C 15.4,6 5.6,2.8 1.2,1.2 Z'"
  local BADGE="roundrectangle 2.5,2.5 61.5,61.5 12,12"
  convert -size ${S}x${S} xc:black -fill white -draw "scale $Z,$Z $BADGE" badge_mask.png
  convert -size ${S}x${S} gradient:'#22324f-#0b101c' badge_mask.png -alpha off -compose copy_opacity -composite \
    -fill none -stroke '#caa052' -strokewidth 1.6 -draw "scale $Z,$Z $BADGE" \
    -stroke '#6d5428' -strokewidth 0.7 -draw "scale $Z,$Z roundrectangle 5,5 59,59 9.5,9.5" \
    -stroke none -fill '#2c4670' -draw "scale $Z,$Z rectangle 30,44 36,54 rectangle 39,36 45,54 rectangle 48,27 54,54" \
    -fill '#3d5f92' -draw "scale $Z,$Z rectangle 30,44 36,45 rectangle 39,36 45,37 rectangle 48,27 54,28" badge.png
  # bow and its drawn string
  convert -size ${S}x${S} xc:none -fill '#e6bb5c' -draw "scale $Z,$Z translate 10.8,22.8 $BOW" \
    -fill none -stroke '#f1e2bc' -strokewidth 0.8 -draw "scale $Z,$Z line 12.4,24.4 20,44 line 20,44 39.6,51.6" icon_bow.png
  convert -size ${S}x${S} xc:none -fill '#a87a2c' \
    -draw "scale $Z,$Z translate 10.8,22.8 path 'M 17.5,4.8 C 20,6 21.6,6.6 22.5,7.5 C 23.4,8.4 24,10 25.2,12.5 L 22,11 C 21.4,10.4 20.5,9.5 19.6,9 Z'" icon_grip.png
  # arrow: shaft, head, two fletching vanes
  convert -size ${S}x${S} xc:none -fill none -stroke '#ece8dc' -strokewidth 1.6 -draw "scale $Z,$Z line 21,43 50,14" \
    -stroke none -fill '#f4f1e8' -draw "scale $Z,$Z polygon 56,8 52.6,17.6 46.4,11.4" \
    -fill '#d8643e' -draw "scale $Z,$Z polygon 20.71,43.29 22.76,45.34 24.88,43.22 25.31,38.69 polygon 20.71,43.29 18.66,41.24 20.78,39.12 25.31,38.69" \
    -fill '#f3c9a0' -draw "scale $Z,$Z polygon 20.7,43.3 22.2,43.8 25.31,38.69 polygon 20.7,43.3 20.2,41.8 25.31,38.69" icon_arrow.png
  outline icon_bow.png 7 '#0a0704' icon_bow_l.png
  outline icon_arrow.png 7 '#0a0704' icon_arrow_l.png
  convert badge.png icon_bow_l.png -compose over -composite icon_grip.png -compose over -composite \
    icon_arrow_l.png -compose over -composite -filter box -resize 64x64 -depth 8 -strip "PNG32:$OUT/brevath.png"
}

start_background
choice_background
help_background
help_return
bow_cursor
down_arrow
app_icon
echo "make_assets: wrote $(ls "$OUT" | wc -l) files to $OUT"
