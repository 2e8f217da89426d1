# The Wine test bench: runs a Windows build of the installer (by default win32, the product, a
# PE32 exe; E2E_ARCH=win64 for the x64 build) under Debian 13's Wine 10 in the root that
# scripts/setup makes (tests/e2e/root.sh), in Xvfb on the host; gives input as a user does
# (xdotool), and reads what Windows shows through the probe (built with the program, so of its
# bitness), screenshots and the Wine drive C:. Sourced by tests/e2e/run.sh, scripts/run and
# every tests/e2e/test_*.sh.
#
# run.sh starts one display and boots one base prefix per run (E2E_DISPLAY, E2E_BASE_PREFIX);
# each test copies the base prefix, so every test starts on a fresh C: drive. A test sourced on
# its own sets both up itself. Every step has a timeout.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$E2E_ROOT/tests/e2e/root.sh"
E2E_ARCH=${E2E_ARCH:-win32}
if [ "$E2E_ARCH" = win32 ]; then E2E_OUT=${E2E_OUT:-$E2E_ROOT/build/e2e}; else E2E_OUT=${E2E_OUT:-$E2E_ROOT/build/e2e/$E2E_ARCH}; fi
E2E_CAPTION="Install Pictoro 1.7"
# The folder of drive C: where the installer and the probe are put, as Windows sees it.
E2E_WIN_DIR='C:\e2e'

# Picks the build that the next e2e_fresh_prefix puts on drive C:: win32 or win64. Sets
# E2E_ARCH, E2E_BUILD, E2E_EXE, E2E_PROBE, PAYLOAD_IMAGE (the application the exe carries) and
# PAYLOAD_STORED (the bytes it carries it as).
e2e_use_build() {
  E2E_ARCH=$1
  E2E_BUILD=$E2E_ROOT/build/$E2E_ARCH
  E2E_EXE=$E2E_BUILD/Install_Pictoro.exe
  E2E_PROBE=$E2E_BUILD/tests/e2e/probe/probe.exe
  PAYLOAD_IMAGE=$E2E_BUILD/payload/Pictoro.Exe
  PAYLOAD_STORED=$E2E_BUILD/payload/Pictoro.Exe.lzma
}
e2e_use_build "$E2E_ARCH"

e2e_log() { echo "e2e: $*" >&2; }

# The data file tool of the native build.
PICTORO_DAT=${PICTORO_DAT:-$E2E_ROOT/build/native/tools/pictoro-dat/pictoro-dat}

# PE32 or PE32+ (32- or 64-bit Windows program), read from the exe's optional header.
e2e_pe_kind() {  # EXE
  local pe magic
  pe=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  magic=$(od -An -t x2 -j $(( pe + 24 )) -N 2 "$1" | tr -d ' ')
  case $magic in
    010b) echo PE32 ;;
    020b) echo PE32+ ;;
    *) echo "not-PE" ;;
  esac
}

# --- Wine in the root -----------------------------------------------------------------------

# Runs the Windows program ARGS under Wine in the root with the prefix WINEPREFIX, in the
# host folder CWD (drive C:'s e2e folder if not given); replaces the shell (use in a subshell).
e2e_wine_exec() {  # [-C CWD] ARGS...
  local cwd=$E2E_C/e2e
  if [ "$1" = -C ]; then cwd=$2; shift 2; fi
  root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$cwd" -- "$@"
}

# Ends the wineserver of WINEPREFIX and every program it serves.
e2e_wineserver_kill() { root_timeout 30 root_wineserver "$WINEPREFIX" -k 2>/dev/null || true; }
e2e_fail() { e2e_log "FAIL: $*"; exit 1; }

# --- display and prefix --------------------------------------------------------------------

# Starts Xvfb on the first free display from 110 on, with a screen of E2E_SCREEN (WxH,
# 1024x768 by default); sets DISPLAY and E2E_XVFB_PID.
e2e_start_display() {
  local n
  for (( n = 110; n < 200; n++ )); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp >"$E2E_OUT/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  export DISPLAY=":$n" E2E_DISPLAY=":$n"
  local i
  for (( i = 0; i < 100; i++ )); do
    timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  e2e_fail "Xvfb did not start on :$n (see $E2E_OUT/xvfb.log)"
}

e2e_stop_display() {
  [ -n "${E2E_XVFB_PID:-}" ] || return 0
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=
}

# Boots a new Wine prefix into E2E_BASE_PREFIX, without the Z: drive (so that nothing under
# test sees or searches the host's file system), and waits until its wineserver has ended.
e2e_boot_base_prefix() {
  export E2E_BASE_PREFIX=$E2E_OUT/prefix-base
  rm -rf "$E2E_BASE_PREFIX"
  local started=$SECONDS
  root_complete || e2e_fail "no complete Debian 13 root in $PICTORO_ROOT: run scripts/setup"
  mkdir -p "$E2E_BASE_PREFIX"
  root_timeout 240 root_wine "$E2E_BASE_PREFIX" -b "$E2E_OUT" -- wineboot -i >"$E2E_OUT/wineboot.log" 2>&1 ||
    e2e_fail "wineboot failed or timed out (see $E2E_OUT/wineboot.log)"
  # The server must have ended before dosdevices/ changes, or it keeps the old drives.
  root_timeout 60 root_wineserver "$E2E_BASE_PREFIX" -w || e2e_fail "wineserver did not end"
  rm -f "$E2E_BASE_PREFIX/dosdevices/z:"
  e2e_install_fonts "$E2E_BASE_PREFIX"
  e2e_detach_profile_folders "$E2E_BASE_PREFIX/drive_c/users/$(id -un)"
  [ -d "$E2E_BASE_PREFIX/drive_c/windows" ] || e2e_fail "wineboot made no drive C:"
  e2e_log "booted a fresh Wine prefix in $(( SECONDS - started )) s"
}

# Puts the Windows fonts that Wine ships (fonts-wine) into the prefix, where Wine looks for
# them: without them "MS Sans Serif" falls back to a wider host font and texts wrap.
e2e_install_fonts() {  # PREFIX
  mkdir -p "$1/drive_c/windows/Fonts"
  cp -u "$PICTORO_WINE_FONTS"/* "$1/drive_c/windows/Fonts/" || e2e_fail "no Wine fonts in $PICTORO_WINE_FONTS"
}

# Wine links the profile's Desktop, Documents and the like to the host's home folder; make
# them folders of the prefix, so that what the installer puts there lands on drive C: only.
e2e_detach_profile_folders() {  # PROFILE_DIR
  local link
  for link in "$1"/*; do
    [ -L "$link" ] || continue
    rm "$link"
    mkdir "$link"
  done
}

# Gives the test NAME its own copy of the base prefix with the installer and the probe of the
# chosen build (e2e_use_build) in C:\e2e; sets WINEPREFIX, E2E_TEST, E2E_C (the host folder of
# drive C:) and E2E_KIND (PE32 or PE32+), and says which exe runs (run.sh's summary shows it).
e2e_fresh_prefix() {
  E2E_TEST=$1
  export WINEPREFIX=$E2E_OUT/prefix-$E2E_TEST
  rm -rf "$WINEPREFIX"
  cp -a "$E2E_BASE_PREFIX" "$WINEPREFIX" || e2e_fail "cannot copy the base prefix"
  E2E_C=$WINEPREFIX/drive_c
  mkdir -p "$E2E_C/e2e"
  [ -f "$E2E_EXE" ] || e2e_fail "$E2E_EXE not built"
  [ -f "$E2E_PROBE" ] || e2e_fail "$E2E_PROBE not built"
  [ -f "$PAYLOAD_IMAGE" ] || e2e_fail "$PAYLOAD_IMAGE not built"
  cp "$E2E_EXE" "$E2E_C/e2e/Install_Pictoro.exe"
  cp "$E2E_PROBE" "$E2E_C/e2e/probe.exe"
  E2E_KIND=$(e2e_pe_kind "$E2E_EXE")
  [ "$(e2e_pe_kind "$E2E_PROBE")" = "$E2E_KIND" ] || e2e_fail "the probe is not $E2E_KIND as $E2E_EXE is"
  E2E_FOLDERS=
  e2e_log "exe: $E2E_KIND ${E2E_EXE#"$E2E_ROOT"/}"
}

# Sets up what run.sh did not, then a fresh prefix for test NAME; cleans up at exit.
e2e_begin() {
  mkdir -p "$E2E_OUT"
  trap e2e_end EXIT
  if [ -z "${E2E_DISPLAY:-}" ]; then e2e_start_display; else export DISPLAY=$E2E_DISPLAY; fi
  [ -n "${E2E_BASE_PREFIX:-}" ] || e2e_boot_base_prefix
  e2e_fresh_prefix "$1"
}

e2e_end() {
  e2e_stop_app
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    e2e_wineserver_kill
    rm -rf "$WINEPREFIX"
  fi
  e2e_stop_display
  return 0
}

# --- the program under test ----------------------------------------------------------------

# Starts the installer with ARGS in C:\e2e; sets E2E_APP_PID. Its output goes to NAME.log.
e2e_start() {
  ( e2e_wine_exec "$E2E_WIN_DIR\\Install_Pictoro.exe" "$@" ) >"$E2E_OUT/$E2E_TEST.log" 2>&1 &
  E2E_APP_PID=$!
}

# Waits up to SECONDS for the installer to end; sets E2E_EXIT_CODE.
e2e_wait_exit() {
  local seconds=$1 i
  for (( i = 0; i < seconds * 10; i++ )); do
    if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
      E2E_EXIT_CODE=0
      wait "$E2E_APP_PID" || E2E_EXIT_CODE=$?
      E2E_APP_PID=
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "the installer did not end within $seconds s"
}

e2e_stop_app() {
  [ -n "${E2E_APP_PID:-}" ] || return 0
  kill "$E2E_APP_PID" 2>/dev/null || true
  wait "$E2E_APP_PID" 2>/dev/null || true
  E2E_APP_PID=
}

# Runs the probe (see probe.cpp) with ARGS under the same prefix and display.
e2e_probe() {
  root_timeout 60 root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$E2E_C/e2e" -- "$E2E_WIN_DIR\\probe.exe" "$@" |
    tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# The folder NAME (programfiles, programs, desktopdirectory; see probe.cpp) as Windows gives
# it to a program of the build under test, e.g. C:\Program Files (x86) for a PE32 program.
e2e_folder() {
  [ -n "${E2E_FOLDERS:-}" ] || E2E_FOLDERS=$(e2e_probe folders) || e2e_fail "the probe cannot read the folders"
  local path
  path=$(name=$1 awk -F'\t' '$1 == ENVIRON["name"] { print $2; exit }' <<<"$E2E_FOLDERS")
  [ -n "$path" ] || e2e_fail "the probe gives no folder $1"
  printf '%s\n' "$path"
}

# The host path of the Windows path PATH on drive C: (C:\a\b -> $E2E_C/a/b).
e2e_host_path() {
  local rest=${1#[Cc]:}
  rest=${rest#\\}
  printf '%s/%s\n' "$E2E_C" "$(printf '%s' "$rest" | tr '\\' '/')"
}

# Checks that the data file HOST_FILE decodes to what a fresh installation into DIR with
# DOWNLOAD_DIR and CONNECTION writes (pictoro-dat init), the length of the key seed aside.
e2e_expect_data_file() {  # HOST_FILE DIR DOWNLOAD_DIR CONNECTION
  local reference=$E2E_OUT/$E2E_TEST-reference.dat
  [ -x "$PICTORO_DAT" ] || e2e_fail "$PICTORO_DAT not built"
  "$PICTORO_DAT" init --install-dir "$2" --download-dir "$3" --connection "$4" "$reference" ||
    e2e_fail "pictoro-dat init failed"
  "$PICTORO_DAT" dump "$1" | grep -v keySeedLength >"$E2E_OUT/$E2E_TEST-dat.json" ||
    e2e_fail "pictoro-dat cannot read $1"
  "$PICTORO_DAT" dump "$reference" | grep -v keySeedLength | diff - "$E2E_OUT/$E2E_TEST-dat.json" >&2 ||
    e2e_fail "$1 holds other content than an installation into $2 with $3 and $4"
}

# Waits up to SECONDS for a visible top-level window with CAPTION; sets E2E_HWND,
# E2E_CLIENT_W, E2E_CLIENT_H and E2E_CLIENT_X, E2E_CLIENT_Y (screen position of the client).
e2e_wait_window() {
  local caption=$1 seconds=${2:-60} line
  line=$(e2e_probe find "$caption" $(( seconds * 1000 ))) || e2e_fail "no window \"$caption\" within $seconds s"
  IFS=$'\t' read -r E2E_HWND E2E_CLIENT_W E2E_CLIENT_H E2E_CLIENT_X E2E_CLIENT_Y <<<"$line"
}

# Waits up to SECONDS until no visible window has CAPTION.
e2e_wait_gone() {
  e2e_probe gone "$1" $(( ${2:-30} * 1000 )) >/dev/null || e2e_fail "window \"$1\" still there after ${2:-30} s"
}

# The child windows of the main window, one line each:
# HWND PARENT CLASS ID VISIBLE X Y W H TEXT (tab-separated, positions in its client area).
e2e_children() { e2e_probe children "$E2E_HWND"; }

# The line of the first visible child whose text is TEXT. The text reaches awk through the
# environment, which keeps its backslashes (-v would read them as escapes).
e2e_child_with_text() {
  e2e_children | text=$1 awk -F'\t' '$5 == 1 && $10 == ENVIRON["text"] { print; exit }'
}

# The items of a list or combo box by its handle.
e2e_items() { e2e_probe items "$1"; }

# The open message boxes: HWND CAPTION TEXT BUTTONS (tab-separated, buttons joined by '|').
e2e_boxes() { e2e_probe boxes; }

# --- input, as a user gives it -------------------------------------------------------------

# Moves the mouse to X, Y of the client area without clicking. (No --sync: xdotool then
# waits for a motion that never comes when the pointer is already there.)
e2e_hover() {
  timeout 10 xdotool mousemove $(( E2E_CLIENT_X + $1 )) $(( E2E_CLIENT_Y + $2 )) ||
    e2e_fail "mouse move to $1,$2 failed"
  sleep 0.3
}

# Clicks at X, Y of the main window's client area (button 1 unless BUTTON is given).
e2e_click() {
  e2e_hover "$1" "$2"
  timeout 10 xdotool click "${3:-1}" || e2e_fail "click at $1,$2 failed"
  sleep 0.3
}

# Waits until a visible control (the header among them) shows TEXT and has come to rest: the
# slide moves the header 70 pixels every 1/15 s, so two equal looks a quarter second apart
# mean the slide is over.
e2e_wait_page() {
  local deadline=$(( SECONDS + 90 )) line previous=""
  while (( SECONDS < deadline )); do
    line=$(e2e_child_with_text "$1")
    if [ -n "$line" ] && [ "$line" = "$previous" ]; then sleep 0.2; return 0; fi
    previous=$line
    sleep 0.25
  done
  e2e_screenshot "$E2E_TEST-no-page"
  e2e_fail "the page \"$1\" did not show"
}

# Waits for a message box and prints "CAPTION<tab>TEXT" of it.
e2e_wait_box() {
  local line="" i hwnd caption text buttons
  for (( i = 0; i < 240; i++ )); do
    line=$(e2e_boxes | head -n 1)
    [ -n "$line" ] && break
    sleep 0.25
  done
  [ -n "$line" ] || e2e_fail "no message box showed"
  IFS=$'\t' read -r hwnd caption text buttons <<<"$line"
  printf '%s\t%s\n' "$caption" "$text"
}

# Closes the open message box with Enter and waits until it is gone; WHAT names it.
e2e_close_box() {
  local i
  e2e_key Return
  for (( i = 0; i < 40; i++ )); do
    [ -z "$(e2e_boxes)" ] && return 0
    sleep 0.25
  done
  e2e_fail "the box $1 did not close"
}

# Clicks the middle of the visible control whose text is TEXT.
e2e_click_control() {
  local line x y w h
  line=$(e2e_child_with_text "$1")
  [ -n "$line" ] || e2e_fail "no control \"$1\" on the page"
  IFS=$'\t' read -r _ _ _ _ _ x y w h _ <<<"$line"
  e2e_click $(( x + w / 2 )) $(( y + h / 2 ))
}

# Presses KEYS (xdotool names: Return, Tab, alt+n ...).
e2e_key() { timeout 10 xdotool key --clearmodifiers "$@" || e2e_fail "keys $* failed"; sleep 0.3; }

# Types TEXT into whatever has the focus.
e2e_type() { timeout 30 xdotool type --delay 20 -- "$1" || e2e_fail "typing failed"; sleep 0.3; }

# --- what the screen shows -----------------------------------------------------------------

# Saves the whole screen as build/e2e/NAME.png; sets E2E_SHOT to its path.
e2e_screenshot() {
  E2E_SHOT=$E2E_OUT/$1.png
  timeout 30 import -window root "$E2E_SHOT" || e2e_fail "screenshot $1 failed"
  e2e_log "screenshot: $E2E_SHOT"
}

# The colour #RRGGBB at X, Y of the client area in the screenshot FILE.
e2e_pixel() {
  timeout 30 /usr/bin/convert "$1" -crop "1x1+$(( E2E_CLIENT_X + $2 ))+$(( E2E_CLIENT_Y + $3 ))" \
    -depth 8 txt:- | sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | tail -n 1
}

# --- checks --------------------------------------------------------------------------------

e2e_expect_eq() {  # WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || e2e_fail "$1: expected '$2', got '$3'"
}

# --- runs without a window -------------------------------------------------------------------

# The visible X windows of the display but its root, one id a line (none while nothing shows).
e2e_visible_windows() {
  local root
  root=$(timeout 10 xdotool search --maxdepth 0 --name '' 2>/dev/null) || e2e_fail "xdotool cannot reach the display"
  timeout 10 xdotool search --onlyvisible --name '' 2>/dev/null | grep -vxF "$root" || true
}

# As e2e_wait_exit, looking at the display every 0.1 s meanwhile; fails if any window showed.
e2e_wait_exit_unseen() {  # SECONDS
  local seconds=$1 i seen
  for (( i = 0; i < seconds * 10; i++ )); do
    seen=$(e2e_visible_windows)
    [ -z "$seen" ] || { e2e_screenshot "$E2E_TEST-seen"; e2e_fail "a window showed: $seen"; }
    kill -0 "$E2E_APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  e2e_wait_exit 1
}

# Runs the installer with ARGS as e2e_start does, but with the host folder DIR made, for this
# run only, a file system of SIZE bytes (tmpfs size=SIZE) holding a copy of SEED (a host
# folder), so that a drive mapped to DIR is a small disk. The file system lives in a mount
# namespace of its own; the wineserver is ended first so that the one this run starts sees
# it too. When the installer has ended, DIR's content is copied to DIR.after. Waits up to
# SECONDS; sets E2E_EXIT_CODE.
e2e_run_on_small_disk() {  # SIZE DIR SEED SECONDS ARGS...
  local size=$1 dir=$2 seed=$3 seconds=$4
  shift 4
  e2e_wineserver_kill
  mkdir -p "$dir"
  rm -rf "$dir.after"
  E2E_EXIT_CODE=0
  E2E_OUT=$E2E_OUT E2E_C=$E2E_C root_timeout "$seconds" root_namespace bash -c '
    size=$1 dir=$2 seed=$3 source=$4
    shift 4
    source "$source"
    mount -t tmpfs -o size="$size" pictoro-small "$dir" || exit 125
    cp -a "$seed/." "$dir/" || exit 125
    code=0
    ( root_wine "$WINEPREFIX" -b "$E2E_OUT" -b "$dir" -C "$E2E_C/e2e" -- "$E2E_WIN_DIR\\Install_Pictoro.exe" "$@" ) ||
      code=$?
    cp -a "$dir" "$dir.after"
    exit $code
  ' small-disk "$size" "$dir" "$seed" "$E2E_ROOT/tests/e2e/lib.sh" "$@" \
    >"$E2E_OUT/$E2E_TEST.log" 2>&1 || E2E_EXIT_CODE=$?
  [ "$E2E_EXIT_CODE" != 125 ] || e2e_fail "cannot make the small disk in $dir"
  [ "$E2E_EXIT_CODE" != 124 ] || e2e_fail "the installer did not end within $seconds s"
}
