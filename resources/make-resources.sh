#!/usr/bin/env bash
# Regenerates the committed pictures of resources/: the two icons, the LBARROW bitmap and the
# page pictures. Everything is drawn here; plasma fills are seeded, so a rerun with the same
# ImageMagick gives the same files.
#   resources/make-resources.sh [icons|bitmap|pictures]...   (default: all)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
convert=/usr/bin/convert   # /usr/local/bin/convert may be a stand-in without drawing
[ -x "$convert" ] || { echo "make-resources: $convert missing (scripts/setup installs imagemagick)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The sixteen colours of the standard Windows palette; icons are remapped onto it.
palette() {
  local colours=(000000 800000 008000 808000 000080 800080 008080 c0c0c0
                 808080 ff0000 00ff00 ffff00 0000ff ff00ff 00ffff ffffff)
  local args=()
  for c in "${colours[@]}"; do args+=("xc:#$c"); done
  "$convert" "${args[@]}" +append "$work/palette.png"
}

# A gilt picture frame holding a mountain under a sun, drawn on SIZE x SIZE pixels from its
# design on 32 (the scale of each -draw also widens its strokes); extra draw commands, in the
# design's coordinates, go on top.
framed_landscape() {
  local size=$1 out=$2 scale; shift 2
  scale=$(awk -v s="$size" 'BEGIN { printf "%.4f", s / 32 }')
  local draws=(-fill '#ffff00' -draw 'rectangle 1,1 30,30'
               -fill '#800000' -draw 'rectangle 3,3 28,28'
               -fill '#00ffff' -draw 'rectangle 4,4 27,27'
               -fill '#ffff00' -draw 'circle 20,11 23,11'
               -fill '#008000' -draw 'polygon 4,27 13,13 19,21 22,17 27,22 27,27'
               -fill '#ffffff' -draw 'polygon 11,16 13,13 15,16' "$@")
  local args=() i
  for (( i = 0; i < ${#draws[@]}; i++ )); do
    if [ "${draws[i]}" = -draw ] && [ "$size" != 32 ]; then
      args+=(-draw "scale $scale,$scale ${draws[i + 1]}"); i=$(( i + 1 ))
    else
      args+=("${draws[i]}")
    fi
  done
  "$convert" -size "${size}x${size}" xc:'#808000' "${args[@]}" +dither -remap "$work/palette.png" "$out"
}

# The sizes Windows asks for at 96 to 192 DPI (small and large icons); the 32-pixel image
# comes first, as the picture on the wizard's window shows it.
icon_sizes=(32 16 20 24 40 48 64)

make_icon() {  # OUT [draw...]
  local out=$1 size images=(); shift
  for size in "${icon_sizes[@]}"; do
    framed_landscape "$size" "$work/icon-$size.png" "$@"
    images+=("$work/icon-$size.png")
  done
  "$convert" "${images[@]}" -type Palette "$out"
}

make_icons() {
  palette
  make_icon "$here/Pictoro.ico"
  # The uninstall icon: the same frame, crossed out in red.
  make_icon "$here/PictoroUninstall.ico" -stroke '#ff0000' -strokewidth 3 -draw 'line 8,8 23,23' -draw 'line 23,8 8,23'
}

# LBARROW: 5 x 3 pixels, 4 bits per pixel, a black triangle pointing down on white. Written
# byte by byte so that the format is exactly this (an image tool picks 1 bpp for two colours).
make_bitmap() {
  local out=$here/LBARROW.bmp
  {
    printf 'BM'
    printf '\x82\x00\x00\x00\x00\x00\x00\x00\x76\x00\x00\x00' # file size 130, reserved, bits at 118
    printf '\x28\x00\x00\x00\x05\x00\x00\x00\x03\x00\x00\x00' # header size 40, width 5, height 3
    printf '\x01\x00\x04\x00'                                    # one plane, 4 bpp
    printf '\x00\x00\x00\x00\x0c\x00\x00\x00'                    # uncompressed, 12 bytes of bits
    printf '\xc4\x0e\x00\x00\xc4\x0e\x00\x00'                    # 96 dpi
    printf '\x10\x00\x00\x00\x10\x00\x00\x00'                    # 16 colours, all important
    local c   # the standard palette, each entry blue, green, red, 0
    for c in 000000 000080 008000 008080 800000 800080 808000 c0c0c0 \
             808080 0000ff 00ff00 00ffff ff0000 ff00ff ffff00 ffffff; do
      printf "\\x${c:0:2}\\x${c:2:2}\\x${c:4:2}\\x00"
    done
    # Rows bottom-up, two pixels a byte, each row padded to four bytes; 0 black, f white.
    printf '\xff\x0f\xf0\x00'  # . . X . .
    printf '\xf0\x00\xf0\x00'  # . X X X .
    printf '\x00\x00\x00\x00'  # X X X X X
  } > "$out"
}

# --- page pictures ------------------------------------------------------------------------

# A sky from top to bottom colour with soft seeded clouds: sky W H TOP BOTTOM SEED OUT [draw...]
sky() {
  local w=$1 h=$2 top=$3 bottom=$4 seed=$5 out=$6; shift 6
  "$convert" -size "${w}x${h}" -seed "$seed" plasma:grey50-grey50 -colorspace gray \
    -blur 0x10 -level 55%,85% -evaluate multiply 0.6 "$work/clouds.png"
  "$convert" -size "${w}x${h}" gradient:"$top"-"$bottom" "$@" \
    \( -size "${w}x${h}" xc:white "$work/clouds.png" -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite "$out"
}

# A mountain ridge as a polygon over a base line: ridge W BASE COLOUR "X%,RISE ..." prints
# the -draw arguments; X in per cent of the width, RISE in pixels above the base.
ridge() {
  local w=$1 base=$2 colour=$3 points=$4 p poly="0,$2"
  for p in $points; do poly+=" $(( w * ${p%,*} / 100 )),$(( base - ${p#*,} ))"; done
  poly+=" $w,$base $w,$(( base + 1 )) 0,$(( base + 1 ))"
  printf '%s\n' -fill "$colour" -draw "polygon $poly"
}

# Land over a calm lake that mirrors it: lake W H HORIZON LAND OUT [draw on the water...]
lake() {
  local w=$1 h=$2 horizon=$3 land=$4 out=$5; shift 5
  local depth=$(( h - horizon )) y lines=()
  for (( y = 6; y < depth; y += 17 )); do
    local x=$(( (y * 37) % (w / 2) ))
    lines+=(-draw "line $x,$y $(( x + w / 3 )),$y")
  done
  "$convert" "$land" -flip -crop "${w}x${depth}+0+0" +repage -fill '#24497a' -colorize 30% \
    -motion-blur 0x10+0 -stroke '#ffffff60' -strokewidth 1 "${lines[@]}" +stroke "$@" "$work/water.png"
  "$convert" "$land" "$work/water.png" -append "$out"
}

# Stacks ridges (COLOUR "POINTS" pairs) on a picture: mountains IN OUT BASE COLOUR POINTS ...
mountains() {
  local in=$1 out=$2 base=$3; shift 3
  local w args=()
  w=$("$convert" "$in" -format %w info:)
  while [ $# -ge 2 ]; do
    mapfile -t -O "${#args[@]}" args < <(ridge "$w" "$base" "$1" "$2")
    shift 2
  done
  "$convert" "$in" \( +clone -alpha transparent "${args[@]}" -blur 0x0.7 \) -compose over -composite "$out"
}

# Small flowers scattered over the lower part: flowers W TOP BOTTOM COUNT SEED prints draw args.
flowers() {
  local w=$1 top=$2 bottom=$3 count=$4 seed=$5 i x y colours=('#ffffff' '#ffe066' '#ff9ec4' '#c9a7ff' '#ff7b6b')
  for (( i = 0; i < count; i++ )); do
    seed=$(( (seed * 1103515245 + 12345) % 2147483648 )); x=$(( seed % w ))
    seed=$(( (seed * 1103515245 + 12345) % 2147483648 )); y=$(( top + seed % (bottom - top) ))
    local r=$(( 1 + (y - top) * 3 / (bottom - top) ))
    printf '%s\n' -fill "${colours[i % 5]}" -draw "circle $x,$y $(( x + r )),$y"
  done
}

jpeg() { "$convert" "$1" -strip -quality 85 -sampling-factor 2x2 "$here/$2"; }

picture_welcome() {      # evening lake under high mountains
  sky 385 259 '#3b6db3' '#f9d6a8' 7 "$work/a.png" -fill '#fff6d8' -draw 'circle 270,109 294,109'
  mountains "$work/a.png" "$work/b.png" 259 \
    '#8ea3c8' '16,100 31,70 49,130 68,80 83,110 100,75' \
    '#5f78a3' '21,65 39,35 60,72 78,40 100,55' \
    '#35573f' '26,22 52,12 78,25 100,10'
  lake 385 417 259 "$work/b.png" "$work/c.png"
  jpeg "$work/c.png" Welcome.jpg
}

picture_disclaimer() {   # the sea at sunset
  sky 320 170 '#46407f' '#ffb27a' 11 "$work/a.png" -fill '#ffe3a0' -draw 'circle 110,162 136,162'
  mountains "$work/a.png" "$work/b.png" 170 '#6e5a86' '10,6 30,14 45,4 60,0'
  lake 320 290 170 "$work/b.png" "$work/c.png" -fill '#ffd89a80' -draw 'rectangle 96,4 124,6' \
    -draw 'rectangle 100,14 120,16' -draw 'rectangle 104,26 116,27'
  jpeg "$work/c.png" Disclaimer.jpg
}

picture_install() {      # a meadow of flowers under a summer sky
  local dots
  mapfile -t dots < <(flowers 225 120 193 90 5)
  sky 225 193 '#4f8fd6' '#dff0ff' 17 "$work/a.png"
  mountains "$work/a.png" "$work/b.png" 193 \
    '#9cc27a' '0,95 35,80 70,100 100,85' \
    '#6ea850' '0,70 40,78 75,62 100,74'
  "$convert" "$work/b.png" "${dots[@]}" "$work/c.png"
  jpeg "$work/c.png" Install.jpg
}

picture_choose_dir() {   # one tree on a hill
  sky 105 105 '#5a9ad8' '#e6f3ff' 23 "$work/a.png" -fill '#fff7cc' -draw 'circle 80,22 88,22'
  mountains "$work/a.png" "$work/b.png" 105 '#7fb35e' '0,24 50,34 100,20'
  "$convert" "$work/b.png" -fill '#6b4a2b' -draw 'rectangle 50,52 54,74' \
    -fill '#3f7f3a' -draw 'circle 52,45 52,28' -fill '#4d9446' -draw 'circle 47,41 47,31' "$work/c.png"
  jpeg "$work/c.png" ChooseDir.jpg
}

picture_connection() {   # a balloon drifting in a tall sky
  sky 177 281 '#2f6fc0' '#e9f5ff' 29 "$work/a.png"
  mountains "$work/a.png" "$work/b.png" 281 '#8fbf7a' '0,40 50,55 100,35' '#5e9c55' '0,18 60,26 100,14'
  "$convert" "$work/b.png" -fill '#e8704f' -draw 'ellipse 110,90 24,28 0,360' \
    -fill '#f5c25a' -draw 'ellipse 110,90 9,28 0,360' -stroke '#6b4a2b' -draw 'line 94,108 104,128' \
    -draw 'line 126,108 116,128' +stroke -fill '#8a5a32' -draw 'rectangle 103,128 117,138' "$work/c.png"
  jpeg "$work/c.png" Connection.jpg
}

picture_install_go() {   # a quiet beach
  sky 193 92 '#4d94d9' '#e7f4ff' 31 "$work/a.png" -fill '#fff5c8' -draw 'circle 150,30 161,30'
  lake 193 164 92 "$work/a.png" "$work/b.png" \
    -fill '#ead7a8' -draw 'polygon 0,40 60,50 120,58 193,52 193,72 0,72'
  jpeg "$work/b.png" InstallGo.jpg
}

picture_upgrade_ready() { # a green valley with a lake in the morning
  sky 383 180 '#5b9bd5' '#f2f8ff' 37 "$work/a.png" -fill '#fffbe0' -draw 'circle 80,50 100,50'
  mountains "$work/a.png" "$work/b.png" 180 \
    '#a8b9cf' '12,70 28,104 45,66 62,92 80,60 100,80' \
    '#6f9a6a' '18,40 40,22 63,46 85,28 100,36' \
    '#3f7a45' '30,12 60,6 90,14 100,8'
  lake 383 302 180 "$work/b.png" "$work/c.png"
  jpeg "$work/c.png" UpgradeReady.jpg
}

picture_upgrade_find_dir() { # pines by a still lake
  local pines=() x
  for x in 8 26 44 63 82 104 126 146; do
    local top=$(( 64 + (x * 7) % 23 ))
    pines+=(-fill '#24513a' -draw "polygon $(( x - 11 )),120 $x,$top $(( x + 11 )),120")
  done
  sky 160 120 '#4a86c5' '#f0e6d2' 41 "$work/a.png"
  mountains "$work/a.png" "$work/b.png" 120 '#8c9fbf' '20,40 45,58 70,34 100,48'
  "$convert" "$work/b.png" "${pines[@]}" "$work/c.png"
  lake 160 202 120 "$work/c.png" "$work/d.png"
  jpeg "$work/d.png" UpgradeFindDir.jpg
}

make_pictures() {
  picture_welcome
  picture_disclaimer
  picture_install
  picture_choose_dir
  picture_connection
  picture_install_go
  picture_upgrade_ready
  picture_upgrade_find_dir
}

if [ $# -eq 0 ]; then set -- icons bitmap pictures; fi
for part in "$@"; do
  case $part in
    icons) make_icons ;;
    bitmap) make_bitmap ;;
    pictures) make_pictures ;;
    *) echo "make-resources: unknown part '$part'" >&2; exit 2 ;;
  esac
done
