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

# A gilt picture frame holding a mountain under a sun; extra draw commands go on top.
framed_landscape() {
  local out=$1; shift
  "$convert" -size 32x32 xc:'#808000' \
    -fill '#ffff00' -draw 'rectangle 1,1 30,30' \
    -fill '#800000' -draw 'rectangle 3,3 28,28' \
    -fill '#00ffff' -draw 'rectangle 4,4 27,27' \
    -fill '#ffff00' -draw 'circle 20,11 23,11' \
    -fill '#008000' -draw 'polygon 4,27 13,13 19,21 22,17 27,22 27,27' \
    -fill '#ffffff' -draw 'polygon 11,16 13,13 15,16' \
    "$@" \
    +dither -remap "$work/palette.png" "$out"
}

make_icons() {
  palette
  framed_landscape "$work/main.png"
  # The uninstall icon: the same frame, crossed out in red.
  framed_landscape "$work/uninstall.png" \
    -stroke '#ff0000' -strokewidth 3 -draw 'line 8,8 23,23' -draw 'line 23,8 8,23'
  "$convert" "$work/main.png" -type Palette "$here/Pictoro.ico"
  "$convert" "$work/uninstall.png" -type Palette "$here/PictoroUninstall.ico"
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

case_all() {
  local what
  for what in "$@"; do
    case $what in
      icons) make_icons ;;
      bitmap) make_bitmap ;;
      pictures) make_pictures ;;
      *) echo "make-resources: unknown part '$what'" >&2; exit 2 ;;
    esac
  done
}

make_pictures() { :; }

if [ $# -eq 0 ]; then set -- icons bitmap pictures; fi
case_all "$@"
