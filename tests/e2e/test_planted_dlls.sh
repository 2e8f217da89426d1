#!/usr/bin/env bash
# DLLs planted beside a downloaded installer: for every DLL that the loader's trace of an
# installation shows in the installer's process, a DLL of that name lies beside it (a tiny DLL
# built here, whose DllMain leaves a mark), and Wine is asked to prefer native DLLs of those
# names (it otherwise always takes its built-in ones, and the test would prove nothing). Left
# out are the DLLs that the exe's static imports pull in before its first line runs (its
# imports and theirs, read from Wine's DLLs): Windows takes those from the system folder as
# KnownDLLs or by the load configuration's DependentLoadFlags, which Wine's loader ignores, and
# an override makes Wine take them from the program's folder, which no program could prevent. An
# installation with the screen reader attached and a silent one must load none of them: the
# trace shows no DLL from the installer's folder and no mark is left.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"

READER=$E2E_BUILD/tests/e2e/reader/reader.exe
[ -f "$READER" ] || e2e_fail "$READER not built"
case $E2E_ARCH in
  win32) cc=i686-w64-mingw32-gcc-win32 ;;
  *) cc=x86_64-w64-mingw32-gcc-win32 ;;
esac

# The names the installer's process loaded, in the trace FILE (lower case, without .dll).
loaded_names() {  # FILE
  local pid
  pid=$(sed -n 's/^\([0-9a-f]*\):trace:loaddll:.*Loaded L"C:\\\\e2e\\\\Install_Pictoro.exe".*/\1/p' "$1" | head -n 1)
  [ -n "$pid" ] || e2e_fail "no installer in the trace $1"
  sed -n "s/^$pid:trace:loaddll:.*Loaded L\"[^\"]*\\\\\\\\\([^\"\\\\]*\)\\.[dD][lL][lL]\".*/\1/p" "$1" | tr '[:upper:]' '[:lower:]' | sort -u
}

# The DLLs that the exe's static imports load, recursively, as Wine's DLLs import them.
load_time_closure() {
  local objdump=i686-w64-mingw32-objdump dir=$PICTORO_ROOT/usr/lib/x86_64-linux-gnu/wine/i386-windows
  [ "$E2E_ARCH" = win32 ] || { objdump=x86_64-w64-mingw32-objdump dir=$PICTORO_ROOT/usr/lib/x86_64-linux-gnu/wine/x86_64-windows; }
  local queue seen=" " name
  queue=$("$objdump" -p "$E2E_EXE" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  while [ -n "$queue" ]; do
    name=${queue%%$'\n'*}
    [ "$queue" = "$name" ] && queue= || queue=${queue#*$'\n'}
    name=${name%.dll}
    [[ $seen == *" $name "* ]] && continue
    seen+="$name "
    echo "$name"
    [ -f "$dir/$name.dll" ] || continue
    queue+=$'\n'$("$objdump" -p "$dir/$name.dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
    queue=${queue#$'\n'}
  done
}

# Fails if the trace FILE shows a DLL loaded from C:\e2e or a planted DLL left its mark.
expect_none_planted() {  # FILE WHAT
  if grep -i 'loaddll:.*Loaded L"C:\\\\e2e\\\\[^"]*\.dll"' "$1" >&2; then e2e_fail "$2 loaded a DLL from its own folder"; fi
  if [ -e "$E2E_C/e2e/planted-Install_Pictoro.exe.mark" ]; then e2e_fail "$2 ran a planted DLL"; fi
}

e2e_begin planted
cp "$READER" "$E2E_C/e2e/reader.exe"

# The names: a plain installation's trace, the reader attached.
WINEDEBUG=+loaddll e2e_start
e2e_wait_window "$E2E_CAPTION" 90
root_timeout 60 root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$E2E_C/e2e" -- "$E2E_WIN_DIR\\reader.exe" list "$E2E_CAPTION" >/dev/null ||
  e2e_fail "the reader cannot list the window"
e2e_stop_app
e2e_wineserver_kill
traced=$(loaded_names "$E2E_OUT/planted.log" | grep -vx install_pictoro)
e2e_log "DLLs in the trace: $(echo $traced)"
load_time=$(load_time_closure | sort -u)
e2e_log "loaded with the static imports: $(echo $load_time)"
names=$(comm -23 <(echo "$traced") <(echo "$load_time"))
[ "$(wc -l <<<"$names")" -ge 8 ] || e2e_fail "too few DLLs loaded at run time: $names"
printf '%s\n' $names >"$E2E_OUT/planted-names.txt"
e2e_log "planted: $(echo $names)"

# One small DLL, copied under every name: its DllMain leaves C:\e2e\planted-<program>.mark
# (the probe and the reader run from C:\e2e too).
cat >"$E2E_OUT/planted.c" <<'C'
#include <windows.h>
#include <string.h>
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)self; (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char program[MAX_PATH], name[MAX_PATH + 32];
        GetModuleFileNameA(NULL, program, MAX_PATH);
        wsprintfA(name, "C:\\e2e\\planted-%s.mark", strrchr(program, '\\') + 1);
        CloseHandle(CreateFileA(name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}
C
"$cc" -shared -O1 -o "$E2E_OUT/planted.dll" "$E2E_OUT/planted.c" || e2e_fail "cannot build the planted DLL"
overrides="winemenubuilder.exe=d;mscoree=d;mshtml=d"
for name in $names; do
  cp "$E2E_OUT/planted.dll" "$E2E_C/e2e/$name.dll"
  overrides+=";$name=n,b"
done
rm "$E2E_OUT/planted.dll" "$E2E_OUT/planted.c"

# An installation with the reader attached: its listing, then Next up to Install Now.
WINEDLLOVERRIDES=$overrides WINEDEBUG=+loaddll e2e_start
e2e_wait_window "$E2E_CAPTION" 90
reader() { root_timeout 60 root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$E2E_C/e2e" -- "$E2E_WIN_DIR\\reader.exe" "$@" >/dev/null; }
reader list "$E2E_CAPTION" || e2e_fail "the reader cannot list the window"
reader press "$E2E_CAPTION" Next || e2e_fail "pressing Next failed"
e2e_wait_page "Disclaimer"
e2e_click_control "I have read the statement above and I fully agree with this statement."
for page in "Install or upgrade?" "Choose installation directory" "Choose download directory" "Select your internet-connection"; do
  reader press "$E2E_CAPTION" Next || e2e_fail "pressing Next failed"
  e2e_wait_page "$page"
done
e2e_click_control "&Cable Modem"
reader press "$E2E_CAPTION" Next || e2e_fail "pressing Next failed"
e2e_wait_page "Ready to install"
reader press "$E2E_CAPTION" "Install Now" || e2e_fail "pressing Install Now failed"
e2e_wait_page "Installation of Pictoro ready"
reader press "$E2E_CAPTION" Exit || e2e_fail "pressing Exit failed"
e2e_wait_exit 30
cp "$E2E_OUT/planted.log" "$E2E_OUT/planted-interactive.log"
expect_none_planted "$E2E_OUT/planted-interactive.log" "the installation"

# The silent installation, into another directory.
WINEDLLOVERRIDES=$overrides WINEDEBUG=+loaddll e2e_start /silent /agree '/dir=C:\Planted\Pictoro' '/log=C:\e2e\planted-silent.txt'
e2e_wait_exit 120
e2e_expect_eq "silent exit code" 0 "$E2E_EXIT_CODE"
expect_none_planted "$E2E_OUT/planted.log" "the silent installation"
e2e_log "planted DLLs of $(wc -w <<<"$names") names: none loaded, interactive or silent"
