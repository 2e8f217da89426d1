#!/usr/bin/env bash
# The installer on a display of 144 DPI (LogPixels in the prefix, on a screen larger than the
# window): its client area is 1.5 times the 96-DPI one, it draws its texts itself at that size
# (a label's area differs from the 96-DPI picture stretched by 1.5 and matches the crisp
# reference kept in tests/e2e/reference/), and a whole installation completes. A screenshot
# of every page at 144 DPI is saved.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/wizard.sh"

unset E2E_DISPLAY          # a screen of its own, larger than the scaled window
E2E_SCREEN=1600x1200
e2e_begin dpi144
t=dpi144
reference=$E2E_ROOT/tests/e2e/reference/welcome-label1-144.png
# Label1 of the welcome page ("Thank you for installing Pictoro"), in client pixels at 96 DPI.
label_x=432 label_y=80 label_w=190 label_h=14
scaled() { echo $(( ($1 * 3 + 1) / 2 )); }   # x 1.5, halves away from zero

crop() {  # SHOT X Y W H OUT: a part of the client area
  timeout 30 /usr/bin/convert "$1" -crop "${4}x${5}+$(( E2E_CLIENT_X + $2 ))+$(( E2E_CLIENT_Y + $3 ))" +repage "$6"
}
colours() { timeout 30 /usr/bin/convert "$1" -format %k info:; }
difference() { timeout 30 /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }

# At 96 DPI first, for the picture that Windows would stretch.
e2e_start
e2e_wait_window "$E2E_CAPTION" 90
e2e_wait_page "Welcome"
e2e_screenshot "$t-welcome-96"
crop "$E2E_SHOT" $label_x $label_y $label_w $label_h "$E2E_OUT/$t-label-96.png"
client_96="${E2E_CLIENT_W}x${E2E_CLIENT_H}"
e2e_stop_app
e2e_wait_gone "$E2E_CAPTION"
e2e_wineserver_kill

( e2e_wine_exec reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f ) >"$E2E_OUT/$t-reg.log" 2>&1 ||
  e2e_fail "cannot set LogPixels (see $E2E_OUT/$t-reg.log)"
e2e_wineserver_kill   # the display keys are filled by the first process of a server

e2e_start
e2e_wait_window "$E2E_CAPTION" 90
e2e_wait_page "Welcome"
e2e_log "client area ${E2E_CLIENT_W}x${E2E_CLIENT_H} at 144 DPI, $client_96 at 96"
for size in "$E2E_CLIENT_W:780" "$E2E_CLIENT_H:509"; do
  d=$(( ${size%:*} - $(scaled ${size#*:}) ))
  [ "${d#-}" -le 1 ] || e2e_fail "client area ${E2E_CLIENT_W}x${E2E_CLIENT_H} is not 1.5 times 780x509"
done
e2e_screenshot "$t-1-welcome"

# The label drawn at 144 DPI, against the 96-DPI one stretched as Windows stretches.
crop "$E2E_SHOT" "$(scaled $label_x)" "$(scaled $label_y)" "$(scaled $label_w)" "$(scaled $label_h)" "$E2E_OUT/$t-label-144.png"
timeout 30 /usr/bin/convert "$E2E_OUT/$t-label-96.png" -filter Triangle -resize "$(scaled $label_w)x$(scaled $label_h)!" \
  "$E2E_OUT/$t-label-stretched.png"
e2e_log "colours in the label: $(colours "$E2E_OUT/$t-label-144.png") drawn, $(colours "$E2E_OUT/$t-label-stretched.png") stretched"
[ "$(colours "$E2E_OUT/$t-label-144.png")" -le 2 ] || e2e_fail "the label has more colours than text and background"
[ "$(difference "$E2E_OUT/$t-label-144.png" "$E2E_OUT/$t-label-stretched.png")" != 0 ] ||
  e2e_fail "the label is the 96-DPI picture stretched"
if [ -f "$reference" ]; then
  e2e_expect_eq "pixels differing from $reference" 0 "$(difference "$E2E_OUT/$t-label-144.png" "$reference")"
else
  e2e_fail "no reference $reference (the label drawn now is $E2E_OUT/$t-label-144.png)"
fi

# A whole installation with the defaults, clicked at the scaled places of the bar's buttons.
BAR_Y=$(scaled $BAR_Y) NEXT_X=$(scaled $NEXT_X) WIDE_X=$(scaled $WIDE_X)
dir="$(e2e_folder programfiles)"'\Pictoro\'
next_page $NEXT_X "Disclaimer" "$t-2-disclaimer"
e2e_click_control "I have read the statement above and I fully agree with this statement."
next_page $NEXT_X "Install or upgrade?" "$t-3-install"
next_page $NEXT_X "Choose installation directory" "$t-4-directory"
e2e_expect_eq "proposed directory" "$dir" "$(edit_text)"
next_page $NEXT_X "Choose download directory" "$t-5-download"
next_page $NEXT_X "Select your internet-connection" "$t-6-connection"
e2e_click_control "&Cable Modem"
next_page $NEXT_X "Ready to install" "$t-7-go"
bar_click $WIDE_X
e2e_wait_page "Installation of Pictoro ready"
e2e_screenshot "$t-9-ready"
[ -z "$(e2e_boxes)" ] || e2e_fail "a box showed during the installation: $(e2e_boxes)"
host_dir=$(e2e_host_path "$dir")
cmp -s "$PAYLOAD_IMAGE" "$host_dir/Pictoro.Exe" || e2e_fail "Pictoro.Exe was not written as the image"
e2e_expect_data_file "$host_dir/Pictoro.Dat" "$dir" 'C:\Images\' 4
