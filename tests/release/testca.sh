# A throwaway certificate authority and code-signing certificate, made with openssl for one
# test run. Sourced; test_ca DIR PASSWORD makes DIR/ca.pem (the CA's certificate) and
# DIR/signer.p12 (the signing key and certificate, protected by PASSWORD).
test_ca() {
  local dir=$1
  mkdir -p "$dir"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway Test CA" \
    -addext "basicConstraints=critical,CA:true" -addext "keyUsage=critical,keyCertSign,cRLSign" \
    -keyout "$dir/ca.key" -out "$dir/ca.pem" 2>/dev/null || return 1
  openssl req -newkey rsa:2048 -nodes -subj "/CN=Korvane Software Test Signer" \
    -keyout "$dir/signer.key" -out "$dir/signer.csr" 2>/dev/null || return 1
  printf '%s\n' "basicConstraints=CA:FALSE" "keyUsage=critical,digitalSignature" \
    "extendedKeyUsage=codeSigning" >"$dir/signer.ext"
  openssl x509 -req -in "$dir/signer.csr" -CA "$dir/ca.pem" -CAkey "$dir/ca.key" -CAcreateserial \
    -days 2 -extfile "$dir/signer.ext" -out "$dir/signer.pem" 2>/dev/null || return 1
  openssl pkcs12 -export -inkey "$dir/signer.key" -in "$dir/signer.pem" -certfile "$dir/ca.pem" \
    -passout "pass:$2" -out "$dir/signer.p12" 2>/dev/null
}
