#!/usr/bin/env bash
# The wizard shell as a new user meets it: the welcome page with its navy header and the
# cream bar with "&Exit" and "&Next" (gradient face, lime border); Next, N, Alt+N and a click
# on the header each slide to the disclaimer page; Exit ends the program.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# The header text as the header panel's window shows it.
header_text() {
  e2e_children | awk -F'\t' '$6 == 40 && $7 == 31 && $8 == 712 && $9 == 41 { print $10; exit }'
}

# Waits up to SECONDS for the header to read TEXT.
wait_header() {
  local text=$1 seconds=${2:-15} i
  for (( i = 0; i < seconds * 2; i++ )); do
    [ "$(header_text)" = "$text" ] && return 0
    sleep 0.5
  done
  e2e_fail "header does not read '$text' after $seconds s (reads '$(header_text)')"
}

# Starts the installer afresh and waits for the welcome page.
start_on_welcome() {
  e2e_stop_app
  e2e_wait_gone "$E2E_CAPTION" 30
  e2e_start
  e2e_wait_window "$E2E_CAPTION" 90
  wait_header "Welcome"
}

expect_pixel() {  # WHAT X Y COLOUR
  e2e_expect_eq "$1 at $2,$3" "$4" "$(e2e_pixel "$E2E_SHOT" "$2" "$3" | tr a-f A-F)"
}

e2e_begin shell

# The welcome page, looked at pixel by pixel.
start_on_welcome
e2e_expect_eq "client size" "780x509" "${E2E_CLIENT_W}x${E2E_CLIENT_H}"
sleep 1
e2e_screenshot shell-welcome
expect_pixel "window background" 20 300 "#0000FF"
expect_pixel "header" 50 36 "#000080"
expect_pixel "button bar" 400 466 "#FFFBF0"
# Next: bar at 40,451, button at 618,4 in it; rows 2, 3 and 4 are gradient bands 10, 20, 30.
next_x=$(( 40 + 618 )) next_y=$(( 451 + 4 ))
expect_pixel "Next row 2" $(( next_x + 10 )) $(( next_y + 2 )) "#0000D6"
expect_pixel "Next row 3" $(( next_x + 10 )) $(( next_y + 3 )) "#0000AD"
expect_pixel "Next row 4" $(( next_x + 10 )) $(( next_y + 4 )) "#000084"
expect_pixel "Next border" $(( next_x + 45 )) "$next_y" "#00FF00"
expect_pixel "Exit border" $(( 40 + 5 + 45 )) "$next_y" "#00FF00"

# Next slides to the disclaimer page: halfway, the header has left its place.
e2e_click $(( next_x + 45 )) $(( next_y + 11 ))
e2e_screenshot shell-sliding
if [ "$(e2e_pixel "$E2E_SHOT" 60 36 | tr a-f A-F)" = "#0000FF" ]; then
  e2e_log "mid-slide: the header has moved off its place"
else
  e2e_log "the screenshot came too late to catch the slide"   # a busy machine; not a fault
fi
wait_header "Disclaimer"
e2e_screenshot shell-disclaimer

# The accelerator, plain and with Alt.
start_on_welcome
e2e_click 20 300
e2e_key n
wait_header "Disclaimer"
start_on_welcome
e2e_click 20 300
e2e_key alt+n
wait_header "Disclaimer"

# A click on the header, from the first page on.
start_on_welcome
e2e_click 396 51
wait_header "Disclaimer"

# Exit ends the program.
start_on_welcome
e2e_click $(( 40 + 5 + 45 )) $(( next_y + 11 ))
e2e_wait_exit 20
e2e_wait_gone "$E2E_CAPTION" 10
e2e_log "welcome, Next, N, Alt+N, header click and Exit as expected"
