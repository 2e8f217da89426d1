#!/usr/bin/env bash
# Checks on the built Windows programs: the product is a 32-bit GUI program, the win64 build
# a 64-bit one, both import only from KnownDLLs (so a DLL planted beside the program is never
# loaded), both carry the version resource and the manifest, and neither links the headless
# test renderer or the winpthreads runtime; the product is stripped and within its size, and
# loads the shell and OLE Automation only when it first needs them.
# Prints PASS or FAIL per check and "N passed, N failed".
#   tests/build/checks.sh [WIN32_BUILD_DIR WIN64_BUILD_DIR]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
win32_exe=${1:-$root/build/win32}/Install_Pictoro.exe
win32_dir=${1:-$root/build/win32}
win64_dir=${2:-$root/build/win64}
win64_exe=${2:-$root/build/win64}/Install_Pictoro.exe

source "$root/tests/build/verdicts.sh"

headers() { "$1" -p "$2"; }   # OBJDUMP EXE
dll_names() { sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$1"; }   # HEADERS: the imported DLLs

# OBJDUMP EXE FORMAT MAGIC: the file format, the optional header's magic, the GUI subsystem.
is_program() {
  local objdump=$1 exe=$2 format=$3 magic=$4 dump
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  dump=$(headers "$objdump" "$exe") || return 1
  grep -q "file format $format\$" <<<"$dump" || { echo "not $format: $(grep -m1 'file format' <<<"$dump")"; return 1; }
  grep -qE "^Magic[[:space:]]+$magic" <<<"$dump" || { echo "optional header magic is not $magic"; return 1; }
  grep -qE '^Subsystem[[:space:]]+00000002' <<<"$dump" || { echo "not a Windows GUI program"; return 1; }
}

# Static imports are resolved from the program's own folder first, before its first line runs,
# unless the DLL is a KnownDLL: those are always mapped from the system folder. These are the
# values that the key HKLM\System\CurrentControlSet\Control\Session Manager\KnownDLLs holds
# on every Windows from 7 to 11 (Microsoft Learn, "Dynamic-link library search order", names the
# key; the list here is what the key of each released system has in common). SHFOLDER, MSIMG32
# and UXTHEME are not KnownDLLs. COMCTL32 is not one either, but the manifest's Common-Controls
# dependency binds it side by side, which the loader resolves before the program's folder.
known_dlls="ADVAPI32 CLBCATQ COMDLG32 GDI32 IMAGEHLP IMM32 KERNEL32 MSCTF MSVCRT NORMALIZ NSI
            OLE32 OLEAUT32 PSAPI RPCRT4 SECHOST SETUPAPI SHELL32 SHLWAPI USER32 WLDAP32 WS2_32"

# OBJDUMP EXE: every statically imported DLL is a KnownDLL, or COMCTL32 bound by the manifest;
# there are no delay imports (those load by the search path, from the program's folder too).
imports_only_known_dlls() {
  local objdump=$1 exe=$2 dump dll bad=0
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  dump=$(headers "$objdump" "$exe") || return 1
  while read -r dll; do
    dll=${dll^^} dll=${dll%.DLL}
    if [ "$dll" = COMCTL32 ]; then
      grep -qaF 'Microsoft.Windows.Common-Controls' "$exe" || { echo "imports COMCTL32 without the manifest binding it"; bad=1; }
    elif [[ " ${known_dlls//$'\n'/ } " != *" $dll "* ]]; then
      echo "imports $dll.DLL, which is no KnownDLL"; bad=1
    fi
  done < <(dll_names "$dump")
  grep -qE '^Entry d [0-9a-f]+ 0+ Delay Import Directory' <<<"$dump" || { echo "has delay imports"; bad=1; }
  return $bad
}

# TEXT as a grep -P pattern for its UTF-16LE bytes.
utf16_pattern() {
  printf %s "$1" | od -An -v -tx1 | tr -s ' \n' '\n\n' | sed -n 's/^\(..\)$/\\x\1\\x00/p' | tr -d '\n'
}

# EXE: the version resource (UTF-16 strings) and the manifest (plain text) are in the file.
carries_resources() {
  local exe=$1 text
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  for text in "Install Pictoro 1.7" "Korvane Software" "1.7.0.0"; do
    LC_ALL=C grep -qaP "$(utf16_pattern "$text")" "$exe" || { echo "no \"$text\""; return 1; }
  done
  grep -qaF 'level="requireAdministrator"' "$exe" || { echo "no manifest asking for administrator rights"; return 1; }
  grep -qaF 'Microsoft.Windows.Common-Controls' "$exe" || { echo "no Common Controls 6 dependency"; return 1; }
}

# NM BUILD_DIR: the libraries the program is linked from hold no symbol of the raster canvas,
# the bitmap font, the text layout or the PNG writer. The libraries keep their symbols when
# the program itself is stripped.
links_no_test_renderer() {
  local nm=$1 dir=$2 library found=0
  for library in "$dir/toolkit/libpictoro_toolkit.a" "$dir/libpictoro_system.a"; do
    [ -f "$library" ] || { echo "$library not built"; return 1; }
    if "$nm" -C "$library" | grep -E ' [TtDdRrBb] .*(RasterCanvas|bitmapfont::|LayoutText|SaveToPng)'; then
      found=1
    fi
  done
  return $found
}

# BUILD_DIR: the linker's map of the program names no object of the winpthreads runtime, which
# the -posix MinGW compilers' thread support brings in.
links_no_winpthreads() {
  local map=$1/Install_Pictoro.map
  [ -f "$map" ] || { echo "$map not written"; return 1; }
  ! grep -m 3 'libwinpthread' "$map"
}

# OBJDUMP EXE LIMIT: the exe is stripped, and what it adds to the application it carries (the
# download's cost of the installer itself) is at most LIMIT bytes.
stripped_within() {
  local objdump=$1 exe=$2 limit=$3 overhead
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  "$objdump" -t "$exe" | grep -q 'no symbols' || { echo "not stripped"; return 1; }
  overhead=$("$root/tests/build/exe-size.sh" "$exe") || return 1
  [ "$overhead" -le "$limit" ] || { echo "$overhead bytes beyond the payload, more than $limit"; return 1; }
}

# OBJDUMP EXE DLL...: none of the DLLs is imported; the program loads them when it first needs
# them, so that they cost its start nothing.
imports_none_of() {
  local objdump=$1 exe=$2 dump imported dll found=0
  shift 2
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  dump=$(headers "$objdump" "$exe") || return 1
  imported=" $(dll_names "$dump" | tr '[:lower:]\n' '[:upper:] ') "
  for dll; do
    if [[ $imported == *" ${dll^^}.DLL "* ]]; then echo "imports $dll.dll"; found=1; fi
  done
  return $found
}

# OBJDUMP EXE: the calls that tell a window's DPI, which Windows 7 lacks, are not imported
# (a missing import stops the program before its first line); the program looks them up.
imports_no_dpi_calls() {
  local dump found
  [ -f "$2" ] || { echo "$2 not built"; return 1; }
  dump=$(headers "$1" "$2") || return 1
  found=$(grep -oE '\b(GetDpiForWindow|GetDpiForSystem|AdjustWindowRectExForDpi|GetSystemMetricsForDpi|SetProcessDpiAwarenessContext|GetDpiForMonitor)\b' <<<"$dump" | sort -u)
  [ -z "$found" ] || { echo "imports" $found; return 1; }
}

# The 32-bit little-endian number at byte OFFSET of FILE.
u32_at() { od -An -tu4 -j "$2" -N 4 "$1" | tr -d ' '; }

# EXE BUILD_DIR: the PE header's time stamp is the time of the sources that the build used, not
# the link's, and its checksum is the one an independent reader (osslsigncode) calculates.
stamped_with_checksum() {
  local exe=$1 epoch header stamp field sums
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  epoch=$(cat "$2/source-date-epoch") || return 1
  header=$(u32_at "$exe" 60)
  stamp=$(u32_at "$exe" $(( header + 8 )))
  [ "$stamp" = "$epoch" ] || { echo "time stamp $stamp, not the sources' $epoch"; return 1; }
  field=$(printf '%08X' "$(u32_at "$exe" $(( header + 24 + 64 )))")
  # Unsigned, verify fails; it prints the header's checksum and, when it differs, its own.
  sums=$(osslsigncode verify -in "$exe" 2>&1 | sed -n 's/.*PE checksum *: *\([0-9A-Fa-f]\{8\}\).*/\1/p' | sort -u)
  [ -n "$sums" ] || { echo "osslsigncode read no PE checksum"; return 1; }
  [ "$sums" = "$field" ] && [ "$field" != 00000000 ] || { echo "PE checksum $field; osslsigncode read and calculated: "$sums; return 1; }
}

# OBJDUMP EXE FLAGS_OFFSET: the load configuration's DependentLoadFlags (at FLAGS_OFFSET in it)
# are LOAD_LIBRARY_SEARCH_SYSTEM32, so the DLLs that system DLLs load by name come from the
# system folder alone.
loads_dependencies_from_system32() {
  local objdump=$1 exe=$2 at=$3 dump rva base offset= flags
  [ -f "$exe" ] || { echo "$exe not built"; return 1; }
  dump=$(headers "$objdump" "$exe") || return 1
  rva=$(awk '$1 == "Entry" && $2 == "a" && $0 ~ /Load Configuration Directory/ { print $3 }' <<<"$dump")
  [ -n "$rva" ] && [ "$rva" != 00000000 ] || { echo "no load configuration"; return 1; }
  base=$(awk '$1 == "ImageBase" { print $2 }' <<<"$dump")
  # The section holding it, from the section table: index name size vma lma file-offset.
  local _ name size vma file
  while read -r _ name size vma _ file _; do
    (( 16#$rva >= 16#$vma - 16#$base && 16#$rva < 16#$vma - 16#$base + 16#$size )) || continue
    offset=$(( 16#$file + 16#$rva - (16#$vma - 16#$base) ))
    break
  done < <("$objdump" -h "$exe" | grep -E '^ *[0-9]+ ')
  [ -n "${offset:-}" ] || { echo "the load configuration lies in no section"; return 1; }
  flags=$(od -An -tx2 -j $(( offset + at )) -N 2 "$exe" | tr -d ' ')
  [ "$flags" = 0800 ] || { echo "DependentLoadFlags are 0x$flags, not 0x0800"; return 1; }
}

# BITS FILE WORDS: the build's check of PICTORO_APPLICATION refuses FILE with a message that
# names it and says WORDS.
application_refused() {
  local bits=$1 file=$2 words=$3 out
  out=$(cmake -DAPPLICATION="$file" -DBITS="$bits" -P "$root/payload/CheckApplication.cmake" 2>&1) &&
    { echo "accepted $file"; return 1; }
  out=$(tr -s ' \n' ' ' <<<"$out")
  [[ $out == *"PICTORO_APPLICATION $file"* && $out == *"$words"* ]] || { echo "message: $out"; return 1; }
}

# A configure with a non-PE application stops with the check's message, before any build.
configure_refuses() {
  local scratch out
  scratch=$(mktemp -d)
  printf 'MZ but no program' >"$scratch/Pictoro.Exe"
  out=$(cmake --preset win32 -B "$scratch/build" -DPICTORO_APPLICATION="$scratch/Pictoro.Exe" 2>&1) &&
    { echo "configured"; rm -rf "$scratch"; return 1; }
  rm -rf "$scratch"
  [[ $(tr -s ' \n' ' ' <<<"$out") == *"$scratch/Pictoro.Exe: not a 32-bit"* ]] || { echo "message: $out"; return 1; }
}

applications=$(mktemp -d)
trap 'rm -rf "$applications"' EXIT
printf 'no program at all' >"$applications/text.exe"
: >"$applications/empty.exe"
truncate -s 257M "$applications/large.exe"

check "win32 exe is a PE32 i386 GUI program" is_program i686-w64-mingw32-objdump "$win32_exe" pei-i386 010b
check "win64 exe is a PE32+ x86-64 GUI program" is_program x86_64-w64-mingw32-objdump "$win64_exe" pei-x86-64 020b
check "win32 exe imports only KnownDLLs" imports_only_known_dlls i686-w64-mingw32-objdump "$win32_exe"
check "win64 exe imports only KnownDLLs" imports_only_known_dlls x86_64-w64-mingw32-objdump "$win64_exe"
check "win32 exe carries version and manifest" carries_resources "$win32_exe"
check "win64 exe carries version and manifest" carries_resources "$win64_exe"
check "win32 build links no test renderer" links_no_test_renderer i686-w64-mingw32-nm "$win32_dir"
check "win64 build links no test renderer" links_no_test_renderer x86_64-w64-mingw32-nm "$win64_dir"
check "win32 exe is stripped and at most 480 KiB beyond its payload" stripped_within i686-w64-mingw32-objdump "$win32_exe" $(( 480 * 1024 ))
check "win32 exe loads shell32 and oleaut32 when first needed" \
  imports_none_of i686-w64-mingw32-objdump "$win32_exe" shell32 oleaut32
check "win32 exe imports no call that Windows 7 lacks" imports_no_dpi_calls i686-w64-mingw32-objdump "$win32_exe"
check "win32 exe has the sources' time stamp and a right PE checksum" stamped_with_checksum "$win32_exe" "$win32_dir"
check "win64 exe has the sources' time stamp and a right PE checksum" stamped_with_checksum "$win64_exe" "$win64_dir"
check "win32 exe loads the DLLs of system DLLs from the system folder" \
  loads_dependencies_from_system32 i686-w64-mingw32-objdump "$win32_exe" $(( 0x36 ))
check "win64 exe loads the DLLs of system DLLs from the system folder" \
  loads_dependencies_from_system32 x86_64-w64-mingw32-objdump "$win64_exe" $(( 0x4E ))
check "win32 build links no winpthreads" links_no_winpthreads "$win32_dir"
check "win64 build links no winpthreads" links_no_winpthreads "$win64_dir"
check "the build refuses a missing application" application_refused 32 "$applications/missing.exe" "no such file"
check "the build refuses an empty application" application_refused 32 "$applications/empty.exe" "the file is empty"
check "the build refuses an application over 256 MiB" application_refused 32 "$applications/large.exe" "more than the 256 MiB"
check "the build refuses a file that is no program" application_refused 32 "$applications/text.exe" "no MZ header"
check "the win32 build refuses a PE32+ application" application_refused 32 "$win64_exe" "not a 32-bit (PE32, i386)"
check "the win64 build refuses a PE32 application" application_refused 64 "$win32_exe" "not a 64-bit (PE32+, x86-64)"
check "the win32 configure refuses a non-PE application" configure_refuses

finish
