#!/usr/bin/env bash
# Runs the picture maker into a temporary folder and checks the user guide
# against it: every picture the guide names is made by the tool and kept in
# docs/obrazy/, and every picture the tool makes or docs/obrazy/ keeps is
# named by the guide.
#   tools/screenshots/check-guide.sh REMITTO_ZRZUTY SOURCE_DIR
set -euo pipefail
tool="$1"
src="$(cd "$2" && pwd)"
guide="$src/docs/podrecznik.md"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-guide: $*" >&2; exit 1; }

[ -f "$guide" ] || fail "no $guide"
QT_QPA_PLATFORM=offscreen "$tool" "$work/obrazy" --demo "$work/demo" > "$work/log" 2>&1 \
  || { cat "$work/log"; fail "remitto_zrzuty failed"; }

# Image links of the guide: ![text](obrazy/name.png)
grep -o '!\[[^]]*\]([^)]*)' "$guide" | sed 's/.*(\(.*\))/\1/' | sort -u > "$work/named"
[ -s "$work/named" ] || fail "the guide names no picture"
while read -r link; do
  case "$link" in
    obrazy/*.png) ;;
    *) fail "picture '$link' is not a PNG file in obrazy/" ;;
  esac
  name="${link#obrazy/}"
  [ -s "$work/obrazy/$name" ] || fail "remitto_zrzuty did not make $name"
  [ -s "$src/docs/obrazy/$name" ] || fail "docs/obrazy/ lacks $name (copy the tool's pictures there)"
done < "$work/named"

sed 's|^obrazy/||' "$work/named" > "$work/named-files"
for dir in "$work/obrazy" "$src/docs/obrazy"; do
  (cd "$dir" && ls *.png) | sort > "$work/present"
  extra="$(comm -13 "$work/named-files" "$work/present")"
  [ -z "$extra" ] || fail "pictures in $dir that the guide does not name: $extra"
done
echo "check-guide: $(wc -l < "$work/named") pictures named, made and kept"
