#!/usr/bin/env bash
# Two fresh installations as a new user makes them, with the mouse and the keyboard only:
# one with every default, one into a typed directory without the desktop shortcut. Checks
# the places of the directory pages' fields, the refusal boxes, Pictoro.Exe, Pictoro.Dat
# (through pictoro-dat), the links, and that Start runs the installed application maximised
# with its path in quotes. A screenshot of every page is saved.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/shelllink.sh"
source "$here/wizard.sh"


# --- what the installation left on drive C: ---------------------------------------------------

# The host folder of the special folder NAME as Windows gives it to the installer (see
# e2e_folder), followed by SUBFOLDER if given.
user_folder() {  # NAME [SUBFOLDER]
  local dir
  dir=$(e2e_host_path "$(e2e_folder "$1")")
  printf '%s\n' "$dir${2:+/$2}"
}

expect_link() {  # FILE TARGET ARGUMENTS DESCRIPTION ICON_INDEX
  [ -f "$1" ] || e2e_fail "link $1 missing"
  local target arguments description icon_location icon_index
  IFS='|' read -r target arguments description icon_location icon_index <<<"$(lnk_fields "$1")"
  e2e_expect_eq "$1 target" "$2" "$target"
  e2e_expect_eq "$1 arguments" "$3" "$arguments"
  e2e_expect_eq "$1 description" "$4" "$description"
  e2e_expect_eq "$1 icon index" "$5" "$icon_index"
  if [ "$5" -ge 0 ]; then e2e_expect_eq "$1 icon file" "$2" "$icon_location"; fi
}

# INSTALL_DIR (Windows, with backslash) DOWNLOAD_DIR CONNECTION DESKTOP(yes|no)
expect_installation() {
  local dir=$1 host_dir exe programs desktop
  host_dir=$E2E_C/$(printf '%s' "${dir#C:\\}" | tr '\\' '/')
  exe=$dir'Pictoro.Exe'
  cmp -s "$PAYLOAD_IMAGE" "$host_dir/Pictoro.Exe" || e2e_fail "Pictoro.Exe differs from the image"
  e2e_expect_eq "Pictoro.Exe size" 2495488 "$(stat -c %s "$host_dir/Pictoro.Exe")"
  [ ! -e "$host_dir/Cache" ] || e2e_fail "a cache directory was made"

  e2e_expect_data_file "$host_dir/Pictoro.Dat" "$dir" "$2" "$3"

  programs=$(user_folder programs Pictoro)
  [ -d "$programs" ] || e2e_fail "no start-menu folder Pictoro"
  mkdir -p "$E2E_OUT/$E2E_TEST-links"
  cp "$programs"/*.Lnk "$E2E_OUT/$E2E_TEST-links/" || true
  expect_link "$programs/Pictoro.Lnk" "$exe" "" "Pictoro" 0
  expect_link "$programs/Uninstal.Lnk" "$exe" "/Uninstall" "Uninstall Pictoro" 1
  # Wine reads the web address as a path relative to the working directory; what the link
  # holds as its target is the shell's business. Description and the unset icon are ours.
  [ -f "$programs/website.Lnk" ] || e2e_fail "no link for the web page"
  local web
  web=$(lnk_fields "$programs/website.Lnk")
  e2e_expect_eq "website link description" "Pictoro Website" "$(cut -d'|' -f3 <<<"$web")"
  e2e_expect_eq "website link icon file" "" "$(cut -d'|' -f4 <<<"$web")"
  case $(cut -d'|' -f1 <<<"$web") in
    *'www.korvane.example\pictoro' | 'http://www.korvane.example/pictoro') ;;
    *) e2e_fail "website link target: $web" ;;
  esac
  desktop=$(user_folder desktopdirectory)
  if [ "$4" = yes ]; then
    expect_link "$desktop/Pictoro.Lnk" "$exe" "" "Pictoro" 0
  else
    [ ! -e "$desktop/Pictoro.Lnk" ] || e2e_fail "a desktop link was made"
  fi
}

# Clicks Start; the installer ends and the application shows maximised with the quoted path.
expect_start() {
  local command_line
  bar_click $WIDE_X
  e2e_wait_exit 30
  e2e_wait_window "Pictoro 1.7" 60
  # Wine in Xvfb without a window manager shows a maximised window at its normal size, so the
  # size tells nothing here; the show command is the platform test's to check.
  e2e_log "the application shows with a client area of ${E2E_CLIENT_W}x${E2E_CLIENT_H}"
  command_line=$(e2e_children | awk -F'\t' '$10 == "Command line:" { getline; print $10; exit }')
  e2e_expect_eq "command line" "\"$1Pictoro.Exe\"" "$command_line"
  e2e_screenshot "$E2E_TEST-application"
  e2e_wineserver_kill
}

# --- the pages -------------------------------------------------------------------------------

through_dialogue_pages() {  # TEST_NAME
  local t=$1
  e2e_start
  e2e_wait_window "$E2E_CAPTION" 90
  e2e_wait_page "Welcome"
  e2e_screenshot "$t-1-welcome"
  next_page $NEXT_X "Disclaimer" "$t-2-disclaimer"
  bar_click $NEXT_X
  expect_refusal "You can only install Pictoro in case you agree to this statement.^MCheck the checkbox to confirm.^MOtherwise please press Exit." "$t-2-refusal"
  e2e_click_control "I have read the statement above and I fully agree with this statement."
  next_page $NEXT_X "Install or upgrade?" "$t-3-install"
}

# "X Y W H" of the visible control of class CLASS, relative to the page that holds it, from
# the probe's lines CHILDREN.
place_on_page() {  # CHILDREN CLASS
  awk -F'\t' -v class="$2" '
    { left[$1] = $6; top[$1] = $7 }
    tolower($3) == class && $5 == 1 && !found { found = 1; page = $2; x = $6; y = $7; w = $8; h = $9 }
    END { if (found) print x - left[page], y - top[page], w, h }' <<<"$1"
}

# The edit field, the directory list and the drive selector of a directory page stand where
# the page puts them, each as high as the page asks.
expect_directory_controls() {
  local children
  children=$(e2e_children)
  e2e_expect_eq "edit field" "286 7 393 21" "$(place_on_page "$children" edit)"
  e2e_expect_eq "directory list" "286 31 393 273" "$(place_on_page "$children" listbox)"
  e2e_expect_eq "drive selector" "286 311 393 19" "$(place_on_page "$children" combobox)"
}

# Takes screenshot NAME of the installing page if a look catches it before the ready page:
# the run may be over before that.
catch_installing() {
  local deadline=$(( SECONDS + 90 ))
  while (( SECONDS < deadline )); do
    if [ -n "$(e2e_child_with_text "Installing Pictoro")" ]; then e2e_screenshot "$1"; return 0; fi
    [ -z "$(e2e_child_with_text "Installation of Pictoro ready")" ] || { e2e_log "the run ended before a look"; return 0; }
    sleep 0.1
  done
  e2e_fail "neither the installing nor the ready page showed"
}

install_with_defaults() {
  e2e_begin install-defaults
  local t=install-defaults dir
  # The folder that Windows gives the installer for programs (C:\Program Files (x86) for a
  # 32-bit one on 64-bit Windows), followed by Pictoro\.
  dir="$(e2e_folder programfiles)"'\Pictoro\'
  through_dialogue_pages $t
  next_page $NEXT_X "Choose installation directory" "$t-4-directory"
  e2e_expect_eq "proposed directory" "$dir" "$(edit_text)"
  expect_directory_controls
  next_page $NEXT_X "Choose download directory" "$t-5-download"
  e2e_expect_eq "proposed download directory" 'C:\Images\' "$(edit_text)"
  expect_directory_controls
  next_page $NEXT_X "Select your internet-connection" "$t-6-connection"
  bar_click $NEXT_X
  expect_refusal "Choose a connection first." "$t-6-refusal"
  e2e_click_control "&Cable Modem"
  next_page $NEXT_X "Ready to install" "$t-7-go"
  bar_click $WIDE_X
  catch_installing "$t-8-installing"
  e2e_wait_page "Installation of Pictoro ready"
  e2e_screenshot "$t-9-ready"
  [ -z "$(e2e_boxes)" ] || e2e_fail "a box showed during the installation: $(e2e_boxes)"
  expect_installation "$dir" 'C:\Images\' 4 yes
  expect_start "$dir"
}

install_into_typed_directory() {
  e2e_fresh_prefix install-typed
  local t=install-typed
  mkdir -p "$E2E_C/Old Pictoro"
  printf 'earlier' >"$E2E_C/Old Pictoro/Pictoro.Dat"
  through_dialogue_pages $t
  e2e_click_control "&Create a shortcut on the desktop"
  next_page $NEXT_X "Choose installation directory" "$t-4-directory"
  type_directory "C:"
  bar_click $NEXT_X
  expect_refusal "Invalid directory." "$t-4-invalid"
  type_directory '  C:\Old Pictoro'
  bar_click $NEXT_X
  expect_refusal 'Cannot install Pictoro in C:\Old Pictoro\^Mbecause it already exists there. You can:^M- Delete it or uninstall it first, ^M- Go back and choose upgrade instead of install.' "$t-4-exists"
  type_directory 'C:\Apps\My Pictoro'
  next_page $NEXT_X "Choose download directory" "$t-5-download"
  type_directory 'C:\Pics\new'
  [ -n "$(e2e_child_with_text 'C:\Pics\new')" ] || e2e_fail "no visible control with the text C:\Pics\new"
  next_page $NEXT_X "Select your internet-connection" "$t-6-connection"
  e2e_click_control "I &don't know"
  next_page $NEXT_X "Ready to install" "$t-7-go"
  bar_click $WIDE_X
  e2e_wait_page "Installation of Pictoro ready"
  e2e_screenshot "$t-9-ready"
  expect_installation 'C:\Apps\My Pictoro\' 'C:\Pics\new' 5 no
  expect_start 'C:\Apps\My Pictoro\'
}

install_with_defaults
e2e_wineserver_kill
rm -rf "$WINEPREFIX"
install_into_typed_directory
