# A release of the work tree as it is, fast: release_tree DIR copies the tree's files (tracked
# and untracked, not ignored) into DIR/tree as one commit of a new repository, and puts into
# DIR/bin, first in PATH for the release, a cmake that builds by copying the build's exe
# (build/win32/Install_Pictoro.exe, which must be built) and an osslsigncode that runs the real
# one. Both save their environment, as the process table shows it, in DIR/environ.NAME.PID.
# With DIR/interrupt present, the osslsigncode begins its output and then kills the release's
# process group, as a power cut or kill -9 would. Sourced.
release_tree() {
  local dir=$1 source
  source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  [ -f "$source/build/win32/Install_Pictoro.exe" ] || { echo "build/win32 not built"; return 1; }
  mkdir -p "$dir/tree" "$dir/bin"
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done | tar --null -T - -cf - | tar -xf - -C "$dir/tree") || return 1
  (cd "$dir/tree" && git init -q && git add -A && GIT_COMMITTER_DATE=@1700000000 git -c user.name=t -c user.email=t@t.example \
    commit -q --date=@1700000000 -m release) || return 1
  cat >"$dir/bin/cmake" <<SCRIPT
#!/bin/bash
cp /proc/self/environ "$dir/environ.cmake.\$\$"
if [ "\$1" = --build ]; then mkdir -p "\$2" && cp "$source/build/win32/Install_Pictoro.exe" "\$2/Install_Pictoro.exe"; fi
SCRIPT
  cat >"$dir/bin/osslsigncode" <<SCRIPT
#!/bin/bash
cp /proc/self/environ "$dir/environ.osslsigncode.\$\$"
if [ -e "$dir/interrupt" ] && [ "\$1" = sign ]; then
  while (( \$# )); do [ "\$1" = -out ] && printf 'half a signed exe' >"\$2"; shift; done
  kill -KILL -- -"\$(ps -o pgid= -p \$\$ | tr -d ' ')"
fi
exec /usr/bin/osslsigncode "\$@"
SCRIPT
  chmod +x "$dir/bin/cmake" "$dir/bin/osslsigncode"
}
