#!/usr/bin/env bash
# Each edition packed again with a throw-away code-signing certificate: the
# installer, and the Tandemix.exe and uninstaller it carries, are signed and
# verify against that certificate; Tandemix.exe without its signature is the
# unsigned program byte for byte. The build's own installers and programs,
# made without a certificate, carry no signature.
# Usage: signing_test.sh <build dir> <work dir>
set -euo pipefail
build=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tandemix test signing" \
  -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null

failed=0
fail() { echo "FAIL $*"; failed=1; }
verify() {
  osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
    { fail "$1 does not verify:"; cat "$work/verify.log"; }
}
unsigned() {
  if osslsigncode extract-signature -in "$1" -out "$work/found.p7" >/dev/null 2>&1; then
    fail "$1 is signed, with no certificate given"
  fi
}

for edition in pro standard; do
  out=$work/$edition
  cpack --config "$build/CPackConfig-$edition.cmake" -B "$out" \
    -D TANDEMIX_SIGN_CERT="$work/cert.pem" -D TANDEMIX_SIGN_KEY="$work/key.pem" >"$out.log"
  installer=$(echo "$out"/*-setup.exe)
  verify "$installer"
  7zz x -y -o"$out/files" "$installer" Tandemix.exe Uninstall.exe >/dev/null
  verify "$out/files/Tandemix.exe"
  verify "$out/files/Uninstall.exe"
  osslsigncode remove-signature -in "$out/files/Tandemix.exe" -out "$out/stripped.exe" >/dev/null
  cmp "$out/stripped.exe" "$build/$edition/Tandemix.exe" ||
    fail "$edition: the signed Tandemix.exe differs from the unsigned one beyond its signature"

  unsigned "$build/installers/$(basename "$installer")"
  unsigned "$build/$edition/Tandemix.exe"
done
exit $failed
