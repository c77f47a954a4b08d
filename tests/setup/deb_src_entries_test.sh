#!/usr/bin/env bash
# The source-package entries follow the machine's own Debian entries: same
# mirror, suites, components and keyring; other releases, third-party and
# disabled entries are left out.
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/deb-src-entries.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

check() { # name expected files...
  local name="$1" expected="$2" actual
  shift 2
  actual=$("$script" bookworm "$@")
  if [ "$actual" != "$expected" ]; then
    echo "FAIL $name"
    diff <(echo "$expected") <(echo "$actual") || true
    failed=1
  fi
}

cat >"$dir/mirror.sources" <<'SRC'
# the company mirror
Types: deb deb-src
URIs: http://mirror.example.internal/debian
Suites: bookworm bullseye bookworm-updates
Components: main contrib
Signed-By: /etc/apt/keyrings/mirror.gpg

Types: deb
URIs: http://mirror.example.internal/debian-security
Suites: bookworm-security
Components: main
Enabled: no
Signed-By: /etc/apt/keyrings/mirror.gpg

Types: deb
URIs: https://vendor.example.org/apt
Suites: nodistro stable
Components: main
SRC
check "deb822: other release, disabled and third-party entries left out" "Types: deb-src
URIs: http://mirror.example.internal/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /etc/apt/keyrings/mirror.gpg" "$dir/mirror.sources"

cat >"$dir/inline.sources" <<'SRC'
Types: deb
URIs: http://mirror.example.internal/debian
Suites: bookworm
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL
 -----END PGP PUBLIC KEY BLOCK-----
SRC
check "deb822 inline keyring kept" "Types: deb-src
URIs: http://mirror.example.internal/debian
Suites: bookworm
Components: main
Signed-By: 
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL
 -----END PGP PUBLIC KEY BLOCK-----" "$dir/inline.sources"

cat >"$dir/sources.list" <<'SRC'
deb [ arch=amd64 signed-by=/usr/share/keyrings/mirror.gpg ] http://mirror.example.internal/debian bookworm main non-free-firmware
deb http://mirror.example.internal/debian-security bookworm-security main # security
# deb http://old.example.internal/debian bookworm main
deb-src http://elsewhere.example.internal/debian bullseye main
deb https://vendor.example.org/apt cloud-sdk-bookworm main
deb
deb [signed-by=/unterminated http://broken.example.internal/debian bookworm main
deb http://mirror.example.internal/debian bullseye main
SRC
check "one-line sources.list" "Types: deb-src
URIs: http://mirror.example.internal/debian
Suites: bookworm
Components: main non-free-firmware
Signed-By: /usr/share/keyrings/mirror.gpg

Types: deb-src
URIs: http://mirror.example.internal/debian-security
Suites: bookworm-security
Components: main" "$dir/sources.list"

check "missing files and no release entries give nothing" "" "$dir/absent.list"

[ "$failed" -eq 0 ] && echo "all passed"
exit "$failed"
