#!/usr/bin/env bash
# Checks that scripts/setup removes only a root it began (never /, never a folder without its
# mark, never a file through a mount below the root, however the path is written) and that
# tests/e2e/root.sh enters a root from inside a chroot without a mount reaching the outside.
# Works on scratch folders only, each case in a mount namespace of its own; setup's debootstrap
# is a stand-in that records its call and fails. Needs root.
# Prints PASS or FAIL per check and "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
self=$(realpath "$0")
begun_mark=.begun-by-install-pictoro-setup

# ROOT_VALUE: runs setup with PICTORO_ROOT=ROOT_VALUE and the stand-in debootstrap.
run_setup() {
  PICTORO_ROOT=$1 PATH=$scratch/bin:$PATH bash "$root/scripts/setup" >"$scratch/setup.out" 2>&1
}

# ROOT_VALUE NAME...: a begun root in $scratch/a/root with a folder of other files bound at
# each NAME below it; setup, given ROOT_VALUE, must unmount them and keep their files, then
# start debootstrap in the resolved root.
keeps_bound_files() {
  local value=$1 name
  shift
  mkdir -p "$scratch/a/root" "$scratch/kept"
  echo kept >"$scratch/kept/file"
  echo "an earlier run" >"$scratch/a/root/$begun_mark"
  for name in "$@"; do
    mkdir -p "$scratch/a/root/$name"
    mount --bind "$scratch/kept" "$scratch/a/root/$name" || return 1
  done
  run_setup "$value"
  [ -f "$scratch/kept/file" ] || { echo "setup removed files bound below the root"; cat "$scratch/setup.out"; return 1; }
  [ "$(cat "$scratch/debootstrap.args" 2>/dev/null)" = "--variant=minbase trixie $scratch/a/root" ] ||
    { echo "debootstrap did not start in the root"; cat "$scratch/setup.out"; return 1; }
  [ -f "$scratch/a/root/$begun_mark" ] || { echo "the new root carries no mark"; return 1; }
}

trailing_slash() { keeps_bound_files "$scratch/a/root/" mnt; }
symbolic_link() {
  ln -s a "$scratch/link"
  keeps_bound_files "$scratch/link/root" mnt
}
escaped_mount_points() { keeps_bound_files "$scratch/a/root" 'a blank' $'a\ttab' $'a\nnewline' 'a\backslash'; }

# Folders that are not setup's: refused with the reason, nothing removed, no debootstrap.
refuses_unmarked_folder() {
  mkdir -p "$scratch/data"
  echo data >"$scratch/data/file"
  run_setup "$scratch/data"
  [ -f "$scratch/data/file" ] || { echo "setup removed a folder it did not make"; return 1; }
  grep -q "refusing to remove $scratch/data: .* holds files but no mark of a root that setup began" "$scratch/setup.out" ||
    { echo "no refusal:"; cat "$scratch/setup.out"; return 1; }
  [ ! -e "$scratch/debootstrap.args" ] || { echo "debootstrap ran"; return 1; }
  # A complete root made by setup is still renewed.
  mkdir -p "$scratch/complete/usr"
  echo "install-pictoro Debian 13 root, recipe 0" >"$scratch/complete/.complete"
  bash "$root/scripts/setup" --check-removable "$scratch/complete" || return 1
}

refuses_system_root() {
  local dir
  ln -s / "$scratch/to-root"
  for dir in / // /tmp/.. "$scratch/to-root" "$scratch/to-root/"; do
    # Where the check is missing, setup would make its root in $scratch/none, never in DIR.
    if PICTORO_ROOT=$scratch/none PATH=$scratch/bin:$PATH bash "$root/scripts/setup" --check-removable "$dir" \
      >"$scratch/setup.out" 2>&1 || ! grep -q "refusing to remove $dir: .*system's root folder" "$scratch/setup.out"; then
      echo "$dir was not refused:"
      cat "$scratch/setup.out"
      return 1
    fi
  done
}

# A chroot in which / is no mount point, made of the host's /usr and /etc, whose mounts are
# shared with this namespace; inside it, root_exec enters a root made the same way.
enters_root_from_chroot() {
  local jail=$scratch/jail inner=$scratch/jail/inner dir link out before
  mount --make-rshared /
  for dir in "$jail" "$inner"; do
    mkdir -p "$dir"/{usr,dev,proc,sys,tmp}
    for link in bin lib lib64 sbin; do ln -s "usr/$link" "$dir/$link"; done
    mount --bind /usr "$dir/usr"
  done
  mkdir -p "$jail/etc" "$jail$root"
  mount --bind /etc "$jail/etc"
  for dir in dev proc sys; do mount --rbind "/$dir" "$jail/$dir"; done
  mount --bind "$root" "$jail$root"
  echo "inside the root" >"$inner/marker"
  before=$(grep -c . /proc/self/mountinfo)
  out=$(chroot "$jail" /bin/bash -c '
    PICTORO_ROOT=/inner
    source "$1/tests/e2e/root.sh"
    ( echo "pid $BASHPID"; root_exec -- /bin/sh -c "echo pid \$\$; cat /marker" )' - "$root" 2>&1)
  [ "$(sed -n 3p <<<"$out")" = "inside the root" ] || { echo "the command did not run in the root: $out"; return 1; }
  [ "$(sed -n 1p <<<"$out")" = "$(sed -n 2p <<<"$out")" ] || { echo "the command does not keep the caller's pid: $out"; return 1; }
  [ "$(grep -c . /proc/self/mountinfo)" = "$before" ] ||
    { echo "mounts reached the chroot's outside:"; grep -F "$inner/" /proc/self/mountinfo; return 1; }
}

# Runs one of the functions above in a private mount namespace.
if [ "${1:-}" = --in-namespace ]; then
  scratch=$2
  "$3"
  exit
fi
in_namespace() { (source "$root/tests/e2e/root.sh" && root_namespace bash "$self" --in-namespace "$scratch" "$1"); }

source "$root/tests/build/verdicts.sh"
check() {  # NAME FUNCTION: runs FUNCTION in a fresh scratch folder, in a namespace of its own
  local name=$1 why
  scratch=$(mktemp -d /tmp/setup-guard.XXXXXX)
  mkdir "$scratch/bin"
  printf '#!/bin/sh\necho "$1 $2 $3" >%q/debootstrap.args\nexit 1\n' "$scratch" >"$scratch/bin/debootstrap"
  chmod +x "$scratch/bin/debootstrap"
  if why=$(in_namespace "$2" 2>&1); then pass "$name"; else fail "$name" "$why"; fi
  rm -rf --one-file-system "$scratch"
}

if [ "$(id -u)" -ne 0 ]; then
  fail "setup guards: need root for mount namespaces"
  finish; exit
fi
check "setup resolves a trailing slash before it looks for mounts in the root" trailing_slash
check "setup resolves a symbolic link before it looks for mounts in the root" symbolic_link
check "setup decodes blank, tab, newline and backslash in the mount table" escaped_mount_points
check "setup refuses a folder without its mark and renews a complete root" refuses_unmarked_folder
check "setup refuses the system's root folder however it is written" refuses_system_root
check "the root is entered from a chroot, pid kept, nothing mounted outside" enters_root_from_chroot
finish
