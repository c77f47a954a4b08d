#!/bin/sh
# Signs a Windows program in place: Authenticode, SHA-256, stamped by the
# time-stamp server when one is given.
# Usage: sign.sh <file> <certificate> <key> [<time-stamp URL>]
set -e
file=$1 cert=$2 key=$3 url=${4:-}
osslsigncode sign -certs "$cert" -key "$key" -h sha256 ${url:+-ts "$url"} \
  -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
