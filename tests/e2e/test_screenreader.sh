#!/usr/bin/env bash
# A fresh installation as a blind user makes it, through a screen reader's MSAA client (the
# reader, see reader.cpp): every bar button is pressed through its default action only (the
# check box and the radio item are clicked). At each page the reader must see the bar's buttons
# and the page's labels with their texts; a page change must be announced by the bar's win
# events; a hidden button refuses a press. On the installation directory page the reader asks
# what careless clients ask (bad child ids, a hit test, a walk over the children and up from a
# child window) and reads the names of the page's windows; objects it holds still answer after
# the page changed, and fail without harm once the window is gone. A press behind a box is refused. The listings are saved as
# build/e2e/screenreader-*.txt.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/wizard.sh"

READER=$E2E_BUILD/tests/e2e/reader/reader.exe
[ -f "$READER" ] || e2e_fail "$READER not built"

reader() {
  root_timeout 60 root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$E2E_C/e2e" -- "$E2E_WIN_DIR\\reader.exe" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# The reader's listing of the window, saved as screenreader-NAME.txt; sets LISTING.
look() {  # NAME
  LISTING=$(reader list "$E2E_CAPTION") || e2e_fail "the reader cannot list the window"
  printf '%s\n' "$LISTING" >"$E2E_OUT/screenreader-$1.txt"
}

# The visible bar buttons as "name shortcut action" lines, in the reader's order.
buttons() { awk -F'\t' '$4 == "button" { print $6 " " $7 " " $8 }' <<<"$LISTING"; }

expect_buttons() {  # WHAT "NAME SHORTCUT ACTION"...
  local what=$1; shift
  e2e_expect_eq "$what: buttons" "$(printf '%s\n' "$@")" "$(buttons)"
}

expect_text() {  # TEXT
  awk -F'\t' -v text="$1" '$4 == "text" && $5 == "" && $6 == text { found = 1 } END { exit !found }' <<<"$LISTING" ||
    e2e_fail "the reader sees no text \"$1\""
}

# Presses the button NAME through the reader; the next page is the one with header PAGE.
press() {  # NAME PAGE
  reader press "$E2E_CAPTION" "$1" || e2e_fail "pressing $1 through the reader failed"
  [ -z "${2:-}" ] || e2e_wait_page "$2"
}

e2e_begin screenreader
cp "$READER" "$E2E_C/e2e/reader.exe"
dir="$(e2e_folder programfiles)"'\Pictoro\'
e2e_start
e2e_wait_window "$E2E_CAPTION" 90
e2e_wait_page "Welcome"

look welcome
expect_buttons welcome "Exit Alt+E Press" "Next Alt+N Press"
expect_text "Thank you for installing Pictoro"
expect_text "Korvane Software"
bar=$(awk -F'\t' '$4 == "button" && $6 == "Next" { print $1 }' <<<"$LISTING")
e2e_expect_eq "Next on the screen" "$(( E2E_CLIENT_X + 40 + 618 )) $(( E2E_CLIENT_Y + 451 + 4 )) 90 23" \
  "$(awk -F'\t' '$4 == "button" && $6 == "Next" { print $9, $10, $11, $12 }' <<<"$LISTING")"

# The page change, as a listener hears it: the bar reordered, the new buttons shown.
events=$(reader press "$E2E_CAPTION" Next 4000) || e2e_fail "pressing Next through the reader failed"
printf '%s\n' "$events" >"$E2E_OUT/screenreader-events.txt"
grep -qP "^reorder\t$bar\t0\t" <<<"$events" || e2e_fail "no reorder of the bar: $events"
grep -qP "^show\t$bar\t[0-9]+\tPrevious$" <<<"$events" || e2e_fail "Previous not announced: $events"
grep -qP "^hide\t$bar\t[0-9]+\t" <<<"$events" || e2e_fail "no hidden button announced: $events"
e2e_wait_page "Disclaimer"
look disclaimer
expect_buttons disclaimer "Exit Alt+E Press" "Next Alt+N Press" "Previous Alt+P Press"

# Without agreement the refusal shows; the press returned before it, so the reader is free.
press Next
e2e_wait_box >/dev/null
# Behind the box no click acts, and no press either.
status=0
reader press "$E2E_CAPTION" Previous 2>/dev/null || status=$?
e2e_expect_eq "a press behind the box" 3 "$status"
expect_refusal "You can only install Pictoro in case you agree to this statement.^MCheck the checkbox to confirm.^MOtherwise please press Exit." screenreader-refusal
e2e_click_control "I have read the statement above and I fully agree with this statement."
press Next "Install or upgrade?"
press Next "Choose installation directory"
checks=$(reader check "$E2E_CAPTION") || e2e_fail "the reader's checks failed"
printf '%s\n' "$checks" >"$E2E_OUT/screenreader-check.txt"
for named in "Edit	Installation directory" "ListBox	Folders" "ComboBox	Drive"; do
  grep -qxF "window	$named" <<<"$checks" || e2e_fail "no window named \"${named#*	}\": $(grep '^window' <<<"$checks")"
done
# Every call with a bad id fails (an HRESULT with its high bit set).
answered=$(awk -F'\t' '$1 ~ /^(name|role|location|helptopic|navigate|child)$/ && $3 !~ /^0x[89a-f]/' <<<"$checks")
[ -z "$answered" ] || e2e_fail "bad child ids answered: $answered"
[ "$(grep -c '^name' <<<"$checks")" -ge 6 ] || e2e_fail "too few containers asked: $checks"
# Each walk reaches every listed child, and each child window's object leads back to the container.
walks=$(awk -F'\t' '$2 == "walk"' <<<"$checks")
[ -n "$walks" ] || e2e_fail "no walk over children"
bad_walk=$(awk -F'\t' '$2 == "walk" && (length($4) != $3 || $4 ~ /[X?]/ || $5 != "0x00000001")' <<<"$checks")
[ -z "$bad_walk" ] || e2e_fail "a walk over children went wrong: $bad_walk"
grep -qP '^\S+\twalk\t\d+\t[IW]*W[IW]*\t' <<<"$checks" || e2e_fail "no child window on the walk: $walks"
grep -qP '^hittest\t(\d+)\t\1\t0x00000000$' <<<"$checks" || e2e_fail "the hit test missed Next: $(grep '^hittest' <<<"$checks")"

# Objects held over the page change and the end of the program.
rm -f "$E2E_C/e2e/page-changed"
root_timeout 300 root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$E2E_C/e2e" -- "$E2E_WIN_DIR\\reader.exe" \
  hold "$E2E_CAPTION" 'C:\e2e\page-changed' >"$E2E_OUT/screenreader-hold.txt" 2>&1 &
holder=$!
for _ in $(seq 100); do grep -q '^before' "$E2E_OUT/screenreader-hold.txt" && break; sleep 0.1; done
press Next "Choose download directory"
: >"$E2E_C/e2e/page-changed"
for _ in $(seq 100); do grep -q '^changed' "$E2E_OUT/screenreader-hold.txt" && break; sleep 0.1; done
press Next "Select your internet-connection"
e2e_click_control "&Cable Modem"
press Next "Ready to install"

look go
expect_buttons confirmation "Exit Alt+E Press" "Install Now Alt+I Press" "Previous Alt+P Press"
expect_text "All questions are answered."
expect_text "Installation directory = $dir"
expect_text 'Download directory = C:\Images\'
expect_text "Create shortcut on desktop = Yes"

press "Install Now" "Installation of Pictoro ready"
look ready
expect_buttons ready "Exit Alt+E Press" "Start Pictoro Alt+S Press"
expect_text "The installation of Pictoro is completed succesfully."
# The free slot that held Previous is hidden: the reader finds it only as such, and it refuses.
status=0
reader press "$E2E_CAPTION" Previous 2>/dev/null || status=$?
e2e_expect_eq "a hidden button pressed" 3 "$status"
[ -n "$(e2e_child_with_text "Installation of Pictoro ready")" ] || e2e_fail "the hidden button changed the page"

press "Start Pictoro"
e2e_wait_exit 30
wait "$holder" || e2e_fail "the reader holding objects did not end well: $(cat "$E2E_OUT/screenreader-hold.txt")"
held=$(tr -d '\r' <"$E2E_OUT/screenreader-hold.txt")
[ "$(grep -c '^before' <<<"$held")" -ge 2 ] || e2e_fail "the reader held too few objects: $held"
[ -z "$(awk -F'\t' '$1 == "changed" && $3 != "0x00000000"' <<<"$held")" ] ||
  e2e_fail "held objects did not answer after the page changed: $held"
[ "$(grep -c '^closed' <<<"$held")" = "$(grep -c '^before' <<<"$held")" ] || e2e_fail "no answer after the end: $held"
[ -z "$(awk -F'\t' '$1 == "closed" && $3 == "0x00000000" && $4 != 0' <<<"$held")" ] ||
  e2e_fail "a window gone still lists children: $held"
e2e_wait_window "Pictoro 1.7" 60
[ -f "$(e2e_host_path "$dir")/Pictoro.Exe" ] || e2e_fail "Pictoro.Exe was not installed"
e2e_wineserver_kill
