#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and checks it: the
# file list, the computed dependencies, the desktop entry, the AppStream
# description, the manual pages, the changelog, lintian's verdict on the
# whole package, and the version printed by the program of a `cmake --install`
# into a temporary prefix.
#   packaging/check-package.sh BUILD_DIR VERSION
set -euo pipefail
build="$(cd "$1" && pwd)"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog file desktop-file-validate appstreamcli lintian man; do
  command -v "$tool" > /dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

# The package, written into the temporary folder so that runs never clash.
arch="$(dpkg --print-architecture)"
deb="$work/remitto_${version}_${arch}.deb"
(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
[ -f "$deb" ] || { ls "$work"; fail "no $(basename "$deb")"; }

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' > "$work/files"
for f in /usr/bin/remitto /usr/bin/remitto-demodata \
         /usr/share/applications/remitto.desktop \
         /usr/share/icons/hicolor/scalable/apps/remitto.svg \
         /usr/share/icons/hicolor/16x16/apps/remitto.png \
         /usr/share/icons/hicolor/48x48/apps/remitto.png \
         /usr/share/icons/hicolor/256x256/apps/remitto.png \
         /usr/share/doc/remitto/README.md /usr/share/doc/remitto/changelog.gz \
         /usr/share/doc/remitto/copyright \
         /usr/share/man/man1/remitto.1.gz /usr/share/man/man1/remitto-demodata.1.gz \
         /usr/share/metainfo/com.example.remitto.metainfo.xml \
         /usr/share/remitto/zrzuty/okno-przelewu.png \
         /usr/share/doc/remitto/podrecznik/podrecznik.md; do
  grep -qx "$f" "$work/files" || fail "the package lacks $f"
done

depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6widgets6 libqt6core6 libc6 libarchive13 libssl3 fonts-liberation2 qt6-translations-l10n; do
  [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "Depends lacks $p: $depends"
done

mkdir "$work/deb"
dpkg-deb -x "$deb" "$work/deb"
desktop-file-validate "$work/deb/usr/share/applications/remitto.desktop" || fail "desktop entry does not validate"
# The AppStream description, together with the desktop entry it names.
appstreamcli validate-tree --no-net --pedantic "$work/deb" \
  > "$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "AppStream description does not validate"; }
# The screenshot the description names is the one the package ships.
shot="$(sed -n 's|.*<image[^>]*>[^<]*/\([^/<]*\)</image>.*|\1|p' "$work/deb/usr/share/metainfo/com.example.remitto.metainfo.xml")"
[ -n "$shot" ] && [ -f "$work/deb/usr/share/remitto/zrzuty/$shot" ] || fail "the package lacks the screenshot '$shot'"
# The user guide and every picture it names.
guide="$work/deb/usr/share/doc/remitto/podrecznik/podrecznik.md"
for picture in $(grep -o '!\[[^]]*\]([^)]*)' "$guide" | sed 's/.*(\(.*\))/\1/' | sort -u); do
  [ -s "$(dirname "$guide")/$picture" ] || fail "the package lacks the guide's picture $picture"
done
# Manual pages: whole gzip files that man formats without a warning.
for page in remitto remitto-demodata; do
  gz="$work/deb/usr/share/man/man1/$page.1.gz"
  gzip -t "$gz" || fail "$page.1.gz is not a whole gzip file"
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$gz" 2>&1 > /dev/null)"
  [ -z "$warnings" ] || fail "man warns about $page(1): $warnings"
done
zcat "$work/deb/usr/share/man/man1/remitto.1.gz" | grep -q FOLDER_DANYCH || fail "remitto(1) does not describe FOLDER_DANYCH"
# The changelog is read by Debian's own tool and names this version.
zcat "$work/deb/usr/share/doc/remitto/changelog.gz" > "$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] || fail "the changelog's last version is not $version"
# lintian: no error and no warning.
lintian --fail-on error,warning "$deb" \
  > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian finds faults in the package"; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

# cmake --install into a prefix of our own; the program answers --version
# and --help without a display.
cmake --install "$build" --prefix "$work/prefix" > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install failed"; }
out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/prefix/bin/remitto" --version)"
[ "$out" = "Wersja $version" ] || fail "remitto --version printed '$out'"
env -u DISPLAY "$work/prefix/bin/remitto" --help | grep -q -- "--version" || fail "remitto --help lists no --version"
[ -x "$work/prefix/bin/remitto-demodata" ] || fail "remitto-demodata is not installed"
"$work/prefix/bin/remitto-demodata" "$work/demo" > /dev/null || fail "remitto-demodata failed"
[ -f "$work/demo/instalka.dat" ] || fail "remitto-demodata wrote no instalka.dat"

echo "check-package: $(basename "$deb") ok ($(wc -l < "$work/files") entries; Depends: $depends)"
