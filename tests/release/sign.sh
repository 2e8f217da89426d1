#!/usr/bin/env bash
# scripts/release with a signing certificate of a throwaway CA made for this run, on a copy of
# the work tree committed as it is (tests/release/tree.sh, whose cmake copies the build's exe):
# the signed exe verifies against that CA (osslsigncode's summary line, not only its exit
# status), takes nothing from the build but the signature, SHA256SUMS checks it, and the
# password shows nowhere: not in the output, not in the environment of any program the release
# starts. The password also comes on a file descriptor. A wrong password, a CA that did not
# issue the certificate, no password, or a tree with changes not committed fail the release and
# leave no exe; a run killed while it signs is followed by one that works. pe-stamp refuses the
# signed exe and replaces a file rather than rewrite it. Prints PASS or FAIL per check and
# "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/release/testca.sh"
source "$root/tests/release/tree.sh"
source "$root/tests/build/verdicts.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/pictoro sign.XXXXXX")
trap 'rm -rf "$work"' EXIT
password='a pass phrase with $ and "quotes"'
tree=$work/release/tree
release=$tree/build/release/Install_Pictoro.exe

# The release of the copied tree, its tools first in PATH, in a process group of its own.
run_release() { (cd "$tree" && PATH=$work/release/bin:$PATH setsid --wait scripts/release "$@"); }

signed_release() {
  local output verify
  output=$(PICTORO_SIGN_PASSWORD=$password run_release --sign "$work/ca/signer.p12" --ca "$work/ca/ca.pem" 2>&1) ||
    { echo "$output"; return 1; }
  if grep -qF "$password" <<<"$output"; then echo "the release printed the password"; return 1; fi
  verify=$(osslsigncode verify -CAfile "$work/ca/ca.pem" -in "$release" 2>&1)
  grep -qx 'Signature verification: ok' <<<"$verify" || { echo "$verify"; return 1; }
  grep -q 'Subject: /CN=Korvane Software Test Signer' <<<"$verify" || { echo "$verify"; return 1; }
  (cd "$tree/build/release" && sha256sum -c --quiet SHA256SUMS) || { echo "SHA256SUMS does not check"; return 1; }
  # Without its signature the file is the build's exe again (the checksum signing rewrote aside).
  osslsigncode remove-signature -in "$release" -out "$work/unsigned.exe" >/dev/null 2>&1 ||
    { echo "osslsigncode cannot remove the signature"; return 1; }
  cmp -s "$work/unsigned.exe" "$root/build/win32/Install_Pictoro.exe" ||
    { echo "the signed exe differs from the build's beyond its signature"; return 1; }
  rm -f "$work/unsigned.exe"
  [ ! -e "$tree/build/release.tmp" ] || { echo "the release left its temporary folder"; return 1; }
}

# Every program the release started that saved its environment (cmake, osslsigncode) ran
# without the password in it.
no_child_has_the_password() {
  local cmakes signers
  cmakes=$(ls "$work/release"/environ.cmake.* 2>/dev/null | wc -l)
  signers=$(ls "$work/release"/environ.osslsigncode.* 2>/dev/null | wc -l)
  [ "$cmakes" -ge 2 ] && [ "$signers" -ge 2 ] || { echo "environments saved: $cmakes of cmake, $signers of osslsigncode"; return 1; }
  if grep -laF "$password" "$work/release"/environ.*; then echo "the password is in the environment above"; return 1; fi
  if grep -la 'PICTORO_SIGN_PASSWORD' "$work/release"/environ.*; then echo "PICTORO_SIGN_PASSWORD reached the above"; return 1; fi
}

password_on_descriptor() {
  rm -f "$release"
  run_release --sign "$work/ca/signer.p12" --ca "$work/ca/ca.pem" --password-fd 3 3<<<"$password" >/dev/null 2>&1 ||
    { echo "the release failed"; return 1; }
  osslsigncode verify -CAfile "$work/ca/ca.pem" -in "$release" 2>&1 | grep -qx 'Signature verification: ok'
}

# The release fails, leaves neither the exe nor SHA256SUMS, says WHY and not the password.
refused() {  # WHY PASSWORD ARGS...
  local why=$1 password_tried=$2
  shift 2
  if PICTORO_SIGN_PASSWORD=$password_tried run_release "$@" </dev/null >"$work/out" 2>&1; then
    echo "the release succeeded"; return 1
  fi
  [ ! -e "$release" ] && [ ! -e "$tree/build/release/SHA256SUMS" ] || { echo "a failed release left files"; return 1; }
  ! grep -qF "$password" "$work/out" || { echo "the release printed the password"; return 1; }
  grep -qF -- "$why" "$work/out" || { cat "$work/out"; echo "no \"$why\""; return 1; }
}

# pe-stamp (the release's build has it) leaves the signed exe alone and says why; on an
# unsigned file it writes a new file and renames it over the old one, so a second name of the
# old file keeps the old bytes.
pe_stamp_refuses_signed_files() {
  local stamp=$root/build/win32/host/pe-stamp built=$root/build/win32/Install_Pictoro.exe output
  cp "$release" "$work/signed.exe"
  if output=$("$stamp" "$work/signed.exe" 1 2>&1); then echo "pe-stamp stamped a signed file"; return 1; fi
  grep -q 'signed' <<<"$output" || { echo "no reason given: $output"; return 1; }
  cmp -s "$work/signed.exe" "$release" || { echo "pe-stamp changed the signed file"; return 1; }
  cp "$built" "$work/stamped.exe" && ln -f "$work/stamped.exe" "$work/link.exe"
  "$stamp" "$work/stamped.exe" 1 || return 1
  cmp -s "$work/link.exe" "$built" || { echo "pe-stamp wrote the file in place"; return 1; }
  ! cmp -s "$work/stamped.exe" "$built" || { echo "pe-stamp did not stamp"; return 1; }
  [ -x "$work/stamped.exe" ] || { echo "the stamped file lost its permissions"; return 1; }
  [ -z "$(find "$work" -name '*.pe-stamp.*')" ] || { echo "a temporary file was left"; return 1; }
}

dirty_tree_refused() {
  echo "// a change" >>"$tree/shell/Program.cpp"
  refused "changes that are not committed" "$password" --sign "$work/ca/signer.p12" --ca "$work/ca/ca.pem"
  local status=$?
  (cd "$tree" && git checkout -q shell/Program.cpp)
  return $status
}

# Killed while osslsigncode writes: no end of its own ran, its files stay; the next run works.
interrupted_then_clean() {
  touch "$work/release/interrupt"
  PICTORO_SIGN_PASSWORD=$password run_release --sign "$work/ca/signer.p12" --ca "$work/ca/ca.pem" >/dev/null 2>&1 &&
    { echo "the interrupted release succeeded"; return 1; }
  rm "$work/release/interrupt"
  [ -e "$tree/build/release.tmp/Install_Pictoro.signed.exe" ] || { echo "the kill left no half-signed file"; return 1; }
  signed_release
}

if test_ca "$work/ca" "$password" && test_ca "$work/other ca" "$password" && release_tree "$work/release"; then
  check "release signed, verified against the test CA, SHA256SUMS right" signed_release
  check "no program the release starts has the password in its environment" no_child_has_the_password
  check "pe-stamp refuses a signed exe and replaces an unsigned one by rename" pe_stamp_refuses_signed_files
  check "release with the password on a file descriptor" password_on_descriptor
  check "release with a wrong password fails and leaves no exe" \
    refused "signing failed" "not the $password" --sign "$work/ca/signer.p12" --ca "$work/ca/ca.pem"
  check "release whose signature does not verify fails and leaves no exe" \
    refused "does not verify" "$password" --sign "$work/ca/signer.p12" --ca "$work/other ca/ca.pem"
  check "release without a password and without a terminal fails" \
    bash -c 'cd "$1" && ! env -u PICTORO_SIGN_PASSWORD PATH="$2:$PATH" scripts/release --sign "$3" </dev/null 2>&1' - \
    "$tree" "$work/release/bin" "$work/ca/signer.p12"
  check "release of a tree with changes not committed is refused" dirty_tree_refused
  check "release killed while it signs, then one that works" interrupted_then_clean
else
  fail "making the test CA with openssl, or the copy of the tree"
fi
finish
