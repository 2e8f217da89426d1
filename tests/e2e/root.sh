# The Debian 13 root in which the Wine bench runs Wine 10 (made by scripts/setup), and how to
# run a program in it. Sourced by scripts/setup and tests/e2e/lib.sh; a benchmark or any other
# script may source it on its own.
#
# Every call enters the root afresh, in a mount namespace of its own (root_namespace): /dev,
# /proc and /sys of the host and the folders it is given are bound there, at the same path, and
# chroot starts the program. The binds live only in that namespace, so they vanish with its
# last process, whatever way it ends (exit, kill, timeout); nothing is ever mounted in the
# host's namespace and nothing needs unmounting. Processes in different calls still meet: a
# Wine prefix bound in both is the same folder, so its wineserver is too, and the X server is
# reached through its abstract socket.

PICTORO_ROOT_SH=$(realpath "${BASH_SOURCE[0]}")
PICTORO_ROOT=${PICTORO_ROOT:-/var/lib/install-pictoro/debian13}
# Written by scripts/setup after the PE32 probe ran in the root: a root without it is
# incomplete and is made again.
PICTORO_ROOT_MARK=$PICTORO_ROOT/.complete
# Wine 10 inside the root (paths inside it): the 64-bit loader, which runs PE32 programs in
# its WoW64 mode, and the server.
PICTORO_WINE=/usr/lib/wine/wine64
PICTORO_WINESERVER=/usr/lib/wine/wineserver64
# Wine's own Windows fonts (MS Sans Serif and friends), as the host sees them.
PICTORO_WINE_FONTS=$PICTORO_ROOT/usr/share/wine/fonts

root_complete() { [ -f "$PICTORO_ROOT_MARK" ]; }

# root_namespace COMMAND [ARGS...]
# Replaces the calling shell by COMMAND in a new mount namespace with private propagation, so
# that nothing mounted in it reaches the host's namespace. Every script that needs a mount
# namespace of its own enters it here, never through unshare itself. Inside a chroot, / is no mount
# point and its propagation cannot be set: there the new namespace is entered again, which
# puts its process at the namespace's true root (outside the chroot, in this namespace only),
# every mount is made private from there (with the outside's mount), and chroot returns to the
# folder the call began in, held open as fd 4 meanwhile (so COMMAND gets no fd 4 of the
# caller's). COMMAND keeps the calling shell's pid and working directory.
root_namespace() {
  if unshare --mount --propagation private -- true 2>/dev/null; then
    exec unshare --mount --propagation private -- "$@"
  fi
  # Each of the three shells runs the next one's script, given as its $0.
  local escape='mount --make-rprivate / && exec chroot /proc/self/fd/4 /bin/sh -c "$0" "$@"'
  local back='exec 4<&-; cd "$0" && exec "$@"'
  exec unshare --mount --propagation unchanged -- /bin/sh -c '
    exec 4</
    exec nsenter --mount=/proc/self/ns/mnt -- /bin/sh -c "$0" "$@"
  ' "$escape" "$back" "$PWD" "$@"
}

# root_exec [-b DIR]... [-C DIR] [--] COMMAND [ARGS...]
# Replaces the calling shell by COMMAND run inside the root (call it in a subshell or as the
# last thing). -b binds the host folder DIR at the same path inside the root (made there if
# missing); -C is the working directory inside (default: the caller's, if it is bound, else
# /). The environment is passed on, with a PATH of the root. The process keeps the pid of the
# subshell, so it can be waited for and killed as the program itself.
root_exec() {
  local binds=() cwd=$PWD
  while (( $# )); do
    case $1 in
      -b) [ -e "$2" ] || mkdir -p "$2"; binds+=("$(realpath "$2")"); shift 2 ;;
      -C) cwd=$2; shift 2 ;;
      --) shift; break ;;
      *) break ;;
    esac
  done
  [ -x "$PICTORO_ROOT/bin/sh" ] || { echo "root: no Debian 13 root in $PICTORO_ROOT; run scripts/setup" >&2; exit 1; }
  # The X server's folder of sockets, for a display that only has the socket file.
  [ -d /tmp/.X11-unix ] && binds+=(/tmp/.X11-unix)
  [ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ] && binds+=("$XAUTHORITY")
  # Inside the namespace: the binds, then chroot. A bound file gets a file to lie on.
  root_namespace /bin/sh -c '
    set -e
    r=$1 cwd=$2 n=$3
    shift 3
    for d in dev proc sys; do mount --rbind "/$d" "$r/$d"; done
    while [ "$n" -gt 0 ]; do
      if [ -d "$1" ]; then mkdir -p "$r$1"; else mkdir -p "$r${1%/*}"; : >>"$r$1"; fi
      mount --bind "$1" "$r$1"
      n=$((n - 1))
      shift
    done
    [ -d "$r$cwd" ] || cwd=/
    exec chroot "$r" /usr/bin/env -u LD_PRELOAD -u LD_LIBRARY_PATH --chdir="$cwd" \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
  ' root-exec "$PICTORO_ROOT" "$cwd" "${#binds[@]}" "${binds[@]}" "$@"
}

# root_run: as root_exec, but returns to the caller with COMMAND's exit code.
root_run() { ( root_exec "$@" ); }

# root_wine PREFIX [-b DIR]... [-C DIR] [--] ARGS...
# Runs Wine's loader with ARGS (a Windows program and its arguments) in the root, with the
# Wine prefix PREFIX (a host folder, bound at the same path), WINEDEBUG=-all and no Mono,
# Gecko or menu entries. Replaces the calling shell; use root_wine_run to return.
root_wine() {
  local prefix=$1 options=()
  shift
  while (( $# )); do
    case $1 in
      -b | -C) options+=("$1" "$2"); shift 2 ;;
      --) shift; break ;;
      *) break ;;
    esac
  done
  WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} \
    WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d} \
    root_exec "${options[@]}" -b "$prefix" -- "$PICTORO_WINE" "$@"
}
root_wine_run() { ( root_wine "$@" ); }

# root_wineserver PREFIX ARGS...: the wineserver of PREFIX with ARGS (-k ends it and its
# programs, -w waits until it has ended).
root_wineserver() {
  local prefix=$1
  shift
  ( WINEPREFIX=$prefix root_exec -b "$prefix" -- "$PICTORO_WINESERVER" "$@" )
}

# root_timeout SECONDS FUNCTION ARGS...: runs one of the functions above (root_exec,
# root_wine, ...) under timeout(1) (TERM after SECONDS, KILL 5 s later); exit code 124 on a
# timeout. The program keeps the pid that timeout started.
root_timeout() {
  local seconds=$1
  shift
  timeout -k 5 "$seconds" bash -c 'source "$0"; "$@"' "$PICTORO_ROOT_SH" "$@"
}
