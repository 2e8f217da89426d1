#!/usr/bin/env bash
# The signed release installs: scripts/release signs the product with a certificate of a
# throwaway CA made for this run (on a committed copy of the tree, tests/release/tree.sh), and
# that exe, signature and all, passes its own checks at start, the whole file's among them, and
# writes Pictoro.Exe byte for byte (an unattended update into a new directory).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$E2E_ROOT/tests/release/testca.sh"
source "$E2E_ROOT/tests/release/tree.sh"

[ "$E2E_ARCH" = win32 ] || e2e_fail "a release is of the win32 build, not $E2E_ARCH"

e2e_begin signed
ca=$E2E_OUT/signed-ca
rm -rf "$ca"
test_ca "$ca" "test password" || e2e_fail "making the test CA failed"
release_tree "$ca/release" >&2 || e2e_fail "cannot copy the tree"
(cd "$ca/release/tree" && PICTORO_SIGN_PASSWORD="test password" PATH=$ca/release/bin:$PATH scripts/release \
  --sign "$ca/signer.p12" --ca "$ca/ca.pem") >&2 || e2e_fail "scripts/release --sign failed"
signed=$ca/release/tree/build/release/Install_Pictoro.exe
osslsigncode verify -CAfile "$ca/ca.pem" -in "$signed" | grep -qx 'Signature verification: ok' ||
  e2e_fail "the release's signature does not verify"
cp "$signed" "$E2E_C/e2e/Install_Pictoro.exe"
rm -rf "$ca"

e2e_start /autoupdate 'C:\Signed\Pictoro'
e2e_wait_window "$E2E_CAPTION" 90
e2e_wait_exit 90
e2e_expect_eq "installer exit code" 0 "$E2E_EXIT_CODE"
cmp -s "$PAYLOAD_IMAGE" "$E2E_C/Signed/Pictoro/Pictoro.Exe" || e2e_fail "Pictoro.Exe is not the image"
e2e_log "the signed release installed Pictoro.Exe byte for byte"
