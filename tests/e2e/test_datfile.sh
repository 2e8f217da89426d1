#!/usr/bin/env bash
# The data file does not depend on the build: the win32 installer (PE32, the product) and the
# win64 one (PE32+) each make a fresh installation with the same choices, through the wizard
# as a user goes through it, and the two Pictoro.Dat files decode (pictoro-dat dump) to the
# same records. The key seeds are random, so the files' bytes differ and their length is left
# out of the comparison.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/wizard.sh"

[ -x "$PICTORO_DAT" ] || e2e_fail "$PICTORO_DAT not built"

INSTALL_DIR='C:\Pictoro Test'
DOWNLOAD_DIR='C:\Pictoro Pictures'

# Installs with the build ARCH and leaves the decoded data file in build/e2e/datfile-ARCH.json.
install_with() {  # ARCH
  local t=datfile-$1 dat
  e2e_use_build "$1"
  if [ "$1" = win32 ]; then e2e_begin "$t"; else e2e_fresh_prefix "$t"; fi
  e2e_start
  e2e_wait_window "$E2E_CAPTION" 90
  e2e_wait_page "Welcome"
  next_page $NEXT_X "Disclaimer" "$t-2-disclaimer"
  e2e_click_control "I have read the statement above and I fully agree with this statement."
  next_page $NEXT_X "Install or upgrade?" "$t-3-install"
  next_page $NEXT_X "Choose installation directory" "$t-4-directory"
  type_directory "$INSTALL_DIR"
  next_page $NEXT_X "Choose download directory" "$t-5-download"
  type_directory "$DOWNLOAD_DIR"
  next_page $NEXT_X "Select your internet-connection" "$t-6-connection"
  e2e_click_control "&Cable Modem"
  next_page $NEXT_X "Ready to install" "$t-7-go"
  bar_click $WIDE_X
  e2e_wait_page "Installation of Pictoro ready"
  e2e_screenshot "$t-9-ready"
  bar_click $EXIT_X
  e2e_wait_exit 30
  dat=$(e2e_host_path "$INSTALL_DIR")/Pictoro.Dat
  [ -f "$dat" ] || e2e_fail "$E2E_KIND: no Pictoro.Dat in $INSTALL_DIR"
  cp "$dat" "$E2E_OUT/$t.dat"
  "$PICTORO_DAT" dump "$dat" >"$E2E_OUT/$t.json" || e2e_fail "$E2E_KIND: pictoro-dat cannot read Pictoro.Dat"
  e2e_log "$E2E_KIND wrote a Pictoro.Dat of $(stat -c %s "$dat") bytes"
  e2e_wineserver_kill
  rm -rf "$WINEPREFIX"
}

install_with win32
install_with win64

grep -v keySeedLength "$E2E_OUT/datfile-win32.json" >"$E2E_OUT/datfile-win32.records"
grep -v keySeedLength "$E2E_OUT/datfile-win64.json" >"$E2E_OUT/datfile-win64.records"
[ -s "$E2E_OUT/datfile-win32.records" ] || e2e_fail "the PE32 data file decodes to nothing"
diff "$E2E_OUT/datfile-win32.records" "$E2E_OUT/datfile-win64.records" >&2 ||
  e2e_fail "the data files of PE32 and PE32+ decode to different records"
e2e_log "PE32 and PE32+ wrote data files with the same $(wc -l <"$E2E_OUT/datfile-win32.records") lines of records"
