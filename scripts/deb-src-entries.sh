#!/usr/bin/env bash
# Prints deb822 source-package stanzas (Types: deb-src) for the machine's own
# Debian release entries: same URIs, suites, components and keyring, so a
# machine behind a mirror fetches sources from that mirror.
#   scripts/deb-src-entries.sh CODENAME FILE...
# FILEs ending in .sources are deb822; any other is one-line sources.list.
# Only suites of the release (CODENAME, CODENAME-*) are taken: third-party
# entries seldom carry source packages.
set -euo pipefail
codename="$1"
shift

emit() { # uris suites components signed_by(may be multi-line)
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$1" "$2" "$3"
  [ -z "$4" ] || printf 'Signed-By: %s\n' "$4"
  printf '\n'
}

release_suites() { # keeps the words of $1 that belong to the release
  local kept=() s
  for s in $1; do
    case "$s" in "$codename" | "$codename"-*) kept+=("$s") ;; esac
  done
  echo "${kept[*]:-}"
}

deb822() {
  local file="$1" line name value field="" types="" uris="" suites="" components="" signed="" enabled=yes
  flush() {
    local kept
    kept=$(release_suites "$suites")
    if [ "$enabled" != no ] && [[ " $types " == *" deb "* ]] && [ -n "$uris" ] && [ -n "$kept" ]; then
      emit "$uris" "$kept" "$components" "$signed"
    fi
    field="" types="" uris="" suites="" components="" signed="" enabled=yes
  }
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
      '#'*) continue ;;
      '' | *[![:space:]]*) ;;
      *) line="" ;;
    esac
    if [ -z "$line" ]; then
      flush
    elif [[ "$line" == [[:space:]]* ]]; then
      # A continuation: only an inline keyring spans lines.
      [ "$field" != signed-by ] || signed+=$'\n'"$line"
    else
      name="${line%%:*}"
      value="${line#*:}"
      value="${value#"${value%%[![:space:]]*}"}"
      field="${name,,}"
      case "$field" in
        types) types="$value" ;;
        uris) uris="$value" ;;
        suites) suites="$value" ;;
        components) components="$value" ;;
        signed-by) signed="$value" ;;
        enabled) enabled="${value,,}" ;;
      esac
    fi
  done <"$file"
  flush
}

one_line() {
  local file="$1" line words options signed kept i
  while IFS= read -r line || [ -n "$line" ]; do
    line="${line%%#*}"
    read -ra words <<<"$line"
    [ "${#words[@]}" -gt 0 ] && [ "${words[0]}" = deb ] || continue
    signed="" i=1
    if [[ "${words[1]:-}" == '['* ]]; then
      options=""
      while [ "$i" -lt "${#words[@]}" ]; do
        options+=" ${words[i]}"
        [[ "${words[i]}" == *']' ]] && break
        i=$((i + 1))
      done
      i=$((i + 1))
      options="${options//[\[\]]/ }"
      for option in $options; do
        case "$option" in signed-by=*) signed="${option#signed-by=}" ;; esac
      done
    fi
    kept=$(release_suites "${words[i + 1]:-}")
    [ -n "$kept" ] && [ -n "${words[i]:-}" ] || continue
    emit "${words[i]}" "$kept" "${words[*]:i+2}" "$signed"
  done <"$file"
}

for file in "$@"; do
  [ -f "$file" ] || continue
  case "$file" in
    *.sources) deb822 "$file" ;;
    *) one_line "$file" ;;
  esac
done
