#!/usr/bin/env bash
# The upgrade path as a new user takes it, with the mouse only. First a machine whose only
# data file is of version 3: the notice and back to "Install or upgrade?". Then an
# installation made through the installer's own install path, beside the version-3 copy and
# a copy of it in a second directory: the search lists the two accepted directories in the
# locale's order and preselects the first, Upgrade rewrites its Pictoro.Exe and leaves
# Pictoro.Dat as it was, and Start runs it. A screenshot of every page is saved.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"


# Waits for the started application's window. Whether it shows maximised is not checked
# here: Wine without a window manager shows this window at its normal size even when asked
# to maximise it (the show command is checked by the headless tests).
wait_application() {
  e2e_wait_window "Pictoro 1.7" 60
  e2e_log "the application's window shows, client width $E2E_CLIENT_W"
}

# Bar buttons, in client coordinates: the bar lies at 40, 451; buttons are 23 high at top 4.
BAR_Y=466
EXIT_X=90
NEXT_X=703            # "&Next" and "&Upgrade", 90 wide at the right edge
WIDE_X=688            # "&Install Now" and "&Start Pictoro", 120 wide at the right edge

NEWER_HOST="Newer Pictoro"

next_page() {  # BUTTON_X PAGE_HEADER SCREENSHOT
  e2e_click "$1" $BAR_Y
  e2e_wait_page "$2"
  e2e_screenshot "$3"
}

# The visible drop-down list: its handle, then its text.
combo_line() { e2e_children | awk -F'\t' 'tolower($3) == "combobox" && $5 == 1 { print; exit }'; }

to_install_page() {  # SCREENSHOT_PREFIX
  e2e_start
  e2e_wait_window "$E2E_CAPTION" 90
  e2e_wait_page "Welcome"
  e2e_screenshot "$1-1-welcome"
  next_page $NEXT_X "Disclaimer" "$1-2-disclaimer"
  e2e_click_control "I have read the statement above and I fully agree with this statement."
  next_page $NEXT_X "Install or upgrade?" "$1-3-install"
}

# Through the upgrade choice to the search; the search may end before a screenshot is taken.
start_search() {  # SCREENSHOT_PREFIX
  e2e_click_control "&Upgrade an existing installation"
  e2e_click $NEXT_X $BAR_Y
  if [ -n "$(e2e_child_with_text "Searching Pictoro")" ]; then e2e_screenshot "$1-4-searching"; fi
}

# --- a machine with only a newer copy ----------------------------------------------------------

e2e_begin upgrade
# The installation goes where the installer proposes: the folder that Windows gives it for
# programs (C:\Program Files (x86) for a 32-bit one on 64-bit Windows), followed by Pictoro\.
PROGRAM_FILES=$(e2e_folder programfiles)
INSTALLED="$PROGRAM_FILES"'\Pictoro\'
INSTALLED_HOST=$(e2e_host_path "$INSTALLED")
# A second copy whose directory sorts after the first in the locale's order ("\" before
# "2") but before it in byte order.
SECOND="$PROGRAM_FILES"'\Pictoro2\'
SECOND_HOST=$(e2e_host_path "$SECOND")
mkdir -p "$E2E_C/$NEWER_HOST"
printf '\003a newer data file' >"$E2E_C/$NEWER_HOST/Pictoro.Dat"
printf 'a newer executable' >"$E2E_C/$NEWER_HOST/Pictoro.Exe"

to_install_page upgrade-none
start_search upgrade-none
IFS=$'\t' read -r caption text <<<"$(e2e_wait_box)"
e2e_screenshot upgrade-none-4-notice
e2e_expect_eq "notice caption" "Install_Pictoro" "$caption"
e2e_expect_eq "notice text" "No installed Pictoro versions could be found,^Mor the found Pictoro versions are newer than^Mthe one in this installation. An upgrade is^Mnot possible." "$text"
e2e_close_box "of the notice"
e2e_wait_page "Install or upgrade?"
e2e_screenshot upgrade-none-5-back
e2e_click $EXIT_X $BAR_Y
e2e_wait_exit 20

# --- an installation made by the installer itself --------------------------------------------

to_install_page upgrade-install
next_page $NEXT_X "Choose installation directory" upgrade-install-4-directory
next_page $NEXT_X "Choose download directory" upgrade-install-5-download
next_page $NEXT_X "Select your internet-connection" upgrade-install-6-connection
e2e_click_control "&Cable Modem"
next_page $NEXT_X "Ready to install" upgrade-install-7-go
e2e_click $WIDE_X $BAR_Y
e2e_wait_page "Installation of Pictoro ready"
e2e_click $EXIT_X $BAR_Y
e2e_wait_exit 20
[ -f "$INSTALLED_HOST/Pictoro.Dat" ] || e2e_fail "the installation wrote no Pictoro.Dat"

# An older executable, so that the rewrite shows; the data files are kept for comparison.
printf 'an older executable' >"$INSTALLED_HOST/Pictoro.Exe"
mkdir -p "$SECOND_HOST"
cp "$INSTALLED_HOST/Pictoro.Dat" "$SECOND_HOST/Pictoro.Dat"
printf 'the second executable' >"$SECOND_HOST/Pictoro.Exe"
cp "$INSTALLED_HOST/Pictoro.Dat" "$E2E_OUT/upgrade-before.dat"
cp "$E2E_C/$NEWER_HOST/Pictoro.Dat" "$E2E_OUT/upgrade-newer-before.dat"

# --- the upgrade -----------------------------------------------------------------------------

t=upgrade
to_install_page $t
start_search $t
e2e_wait_page "Ready to upgrade"
e2e_screenshot "$t-5-start"
IFS=$'\t' read -r combo _ _ _ _ _ _ _ _ combo_text <<<"$(combo_line)"
[ -n "$combo" ] || e2e_fail "no drop-down list on the upgrade start page"
e2e_expect_eq "listed directories" "$INSTALLED"$'\n'"$SECOND" "$(e2e_items "$combo")"
e2e_expect_eq "preselected directory" "$INSTALLED" "$combo_text"
e2e_click $NEXT_X $BAR_Y
if [ -n "$(e2e_child_with_text "Upgrading Pictoro")" ]; then e2e_screenshot "$t-6-upgrading"; fi
e2e_wait_page "Upgrade of Pictoro ready"
e2e_screenshot "$t-7-ready"
[ -z "$(e2e_boxes)" ] || e2e_fail "a box showed during the upgrade: $(e2e_boxes)"

cmp -s "$PAYLOAD_IMAGE" "$INSTALLED_HOST/Pictoro.Exe" || e2e_fail "Pictoro.Exe was not rewritten with the image"
cmp -s "$E2E_OUT/upgrade-before.dat" "$INSTALLED_HOST/Pictoro.Dat" || e2e_fail "Pictoro.Dat changed"
[ ! -e "$INSTALLED_HOST/Pictoro.Exe.new" ] || e2e_fail "the temporary file was left behind"
cmp -s "$E2E_OUT/upgrade-newer-before.dat" "$E2E_C/$NEWER_HOST/Pictoro.Dat" || e2e_fail "the newer data file changed"
e2e_expect_eq "the newer copy's executable" "a newer executable" "$(cat "$E2E_C/$NEWER_HOST/Pictoro.Exe")"
e2e_expect_eq "the second copy's executable" "the second executable" "$(cat "$SECOND_HOST/Pictoro.Exe")"

# Start runs the upgraded copy maximised, its path in quotes, and the installer ends.
e2e_click $WIDE_X $BAR_Y
e2e_wait_exit 30
e2e_expect_eq "installer exit code" 0 "$E2E_EXIT_CODE"
wait_application
command_line=$(e2e_children | awk -F'\t' '$10 == "Command line:" { getline; print $10; exit }')
e2e_expect_eq "command line" "\"${INSTALLED}Pictoro.Exe\"" "$command_line"
e2e_screenshot "$t-8-application"
e2e_log "upgrade path: notice without copies, two copies listed in order, Pictoro.Exe rewritten, Pictoro.Dat kept"
