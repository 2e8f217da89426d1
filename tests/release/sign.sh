#!/usr/bin/env bash
# scripts/release with a signing certificate of a throwaway CA made for this run: the signed
# exe verifies against that CA (osslsigncode's summary line, not only its exit status), takes
# nothing from the build but the signature, SHA256SUMS checks it, and the password shows
# nowhere. A wrong password, or a CA that did not issue the certificate, fails the release and
# leaves no exe. pe-stamp refuses the signed exe and replaces a file rather than rewrite it.
# Prints PASS or FAIL per check and "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/release/testca.sh"
cd "$root"
source "$root/tests/build/verdicts.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/pictoro sign.XXXXXX")
trap 'rm -rf "$work"' EXIT
password='a pass phrase with $ and "quotes"'
release=build/release/Install_Pictoro.exe

signed_release() {
  local output
  output=$(PICTORO_SIGN_PASSWORD=$password scripts/release --sign "$work/ca/signer.p12" --ca "$work/ca/ca.pem" 2>&1) ||
    { echo "$output"; return 1; }
  if grep -qF "$password" <<<"$output"; then echo "the release printed the password"; return 1; fi
  local verify
  verify=$(osslsigncode verify -CAfile "$work/ca/ca.pem" -in "$release" 2>&1)
  grep -qx 'Signature verification: ok' <<<"$verify" || { echo "$verify"; return 1; }
  grep -q 'Subject: /CN=Korvane Software Test Signer' <<<"$verify" || { echo "$verify"; return 1; }
  (cd build/release && sha256sum -c --quiet SHA256SUMS) || return 1
  # Without its signature the file is the build's exe again (the checksum signing rewrote aside).
  osslsigncode remove-signature -in "$release" -out "$work/unsigned.exe" >/dev/null 2>&1 || return 1
  cmp -s "$work/unsigned.exe" build/win32/Install_Pictoro.exe ||
    { echo "the signed exe differs from the build's beyond its signature:"; cmp -l "$work/unsigned.exe" build/win32/Install_Pictoro.exe | head -n 5; return 1; }
}

# PASSWORD CA_DIR: the release fails and leaves neither the exe nor SHA256SUMS.
refused() {
  if PICTORO_SIGN_PASSWORD=$1 scripts/release --sign "$work/ca/signer.p12" --ca "$2/ca.pem" >"$work/out" 2>&1; then
    echo "the release succeeded"; return 1
  fi
  [ ! -e "$release" ] && [ ! -e build/release/SHA256SUMS ] || { echo "a failed release left files"; return 1; }
  ! grep -qF "$1" "$work/out" || { echo "the release printed the password"; return 1; }
}

# pe-stamp (the release's build has it) leaves the signed exe alone and says why; on an
# unsigned file it writes a new file and renames it over the old one, so a second name of the
# old file keeps the old bytes.
pe_stamp_refuses_signed_files() {
  local stamp=build/win32/host/pe-stamp output
  cp "$release" "$work/signed.exe"
  if output=$("$stamp" "$work/signed.exe" 1 2>&1); then echo "pe-stamp stamped a signed file"; return 1; fi
  grep -q 'signed' <<<"$output" || { echo "no reason given: $output"; return 1; }
  cmp -s "$work/signed.exe" "$release" || { echo "pe-stamp changed the signed file"; return 1; }
  cp build/win32/Install_Pictoro.exe "$work/stamped.exe" && ln -f "$work/stamped.exe" "$work/link.exe"
  "$stamp" "$work/stamped.exe" 1 || return 1
  cmp -s "$work/link.exe" build/win32/Install_Pictoro.exe || { echo "pe-stamp wrote the file in place"; return 1; }
  ! cmp -s "$work/stamped.exe" build/win32/Install_Pictoro.exe || { echo "pe-stamp did not stamp"; return 1; }
  [ -x "$work/stamped.exe" ] || { echo "the stamped file lost its permissions"; return 1; }
  [ -z "$(find "$work" -name '*.pe-stamp.*')" ] || { echo "a temporary file was left"; return 1; }
}

if test_ca "$work/ca" "$password" && test_ca "$work/other ca" "$password"; then
  check "release signed, verified against the test CA, SHA256SUMS right" signed_release
  check "pe-stamp refuses a signed exe and replaces an unsigned one by rename" pe_stamp_refuses_signed_files
  check "release with a wrong password fails and leaves no exe" refused "not the $password" "$work/ca"
  check "release whose signature does not verify fails and leaves no exe" refused "$password" "$work/other ca"
  check "release without PICTORO_SIGN_PASSWORD fails" \
    bash -c '! env -u PICTORO_SIGN_PASSWORD scripts/release --sign "$1" 2>&1' - "$work/ca/signer.p12"
else
  fail "making the test CA with openssl"
fi
finish
