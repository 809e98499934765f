#!/usr/bin/env bash
# Installs the build tree as a user would and checks what lands on disk:
#   check-install.sh install BUILD_DIR VERSION   `cmake --install` into a temporary DESTDIR
#   check-install.sh package BUILD_DIR VERSION   `cpack` the Debian package and unpack it
# Either way the installed program runs from a folder the build tree is out of reach of, and
# must find its built-in presets under its own prefix.
set -euo pipefail

mode=$1
build=$(realpath "$2")
version=$3
app=app.fotino.Fotino

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

case $mode in
install)
  DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; exit 1; }
  ;;
package)
  cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
  deb="$work/package/fotino_${version}_$(dpkg --print-architecture).deb"
  [ -f "$deb" ] || { ls "$work/package"; echo "FAIL: no $(basename "$deb")"; exit 1; }
  info=$(dpkg-deb --info "$deb")
  echo "$info" | grep -qx " Version: $version" || fail "package version is not $version"
  depends=$(echo "$info" | sed -n 's/^ Depends: //p')
  # Computed from the linked libraries, plus the picture-format plugins and the face finder's
  # cascades.
  for dependency in libqt6widgets6 libqt6printsupport6 libplist3 libjpeg62-turbo libc6 \
                    qt6-image-formats-plugins opencv-data; do
    [[ ", $depends," == *", $dependency"[\ ,]* ]] || fail "Depends lacks $dependency: $depends"
  done
  dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
  grep -q '^\./usr/bin/fotino$' "$work/contents" || fail "the package lists no ./usr/bin/fotino"
  dpkg-deb --extract "$deb" "$work/root"
  ;;
*)
  echo "usage: $0 install|package BUILD_DIR VERSION" >&2
  exit 2
  ;;
esac

root=$(realpath "$work/root")
usr="$root/usr"

# The layout.
for file in \
  bin/fotino \
  share/fotino/images/Preset.png \
  share/applications/$app.desktop \
  share/metainfo/$app.metainfo.xml \
  share/mime/packages/$app.xml \
  share/icons/hicolor/scalable/apps/$app.svg \
  share/icons/hicolor/scalable/mimetypes/application-x-fotino-document.svg; do
  [ -f "$usr/$file" ] || fail "missing $file"
done
for size in 48 128 256; do
  for icon in apps/$app mimetypes/application-x-fotino-document; do
    png="$usr/share/icons/hicolor/${size}x$size/$icon.png"
    if [ ! -f "$png" ]; then
      fail "missing ${png#"$usr"/}"
    elif [ "$(identify -format '%wx%h' "$png")" != "${size}x$size" ]; then
      fail "${png#"$usr"/} is not $size pixels square"
    fi
  done
done
outside=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside the prefix: $outside"
# What only builds the program stays in the source tree.
for source in i18n ui desktop presets/README.md presets/formats.tsv; do
  [ ! -e "$usr/share/fotino/$source" ] || fail "share/fotino/$source is installed"
done

# The program runs from the prefix, with a home of its own and nothing of the build tree.
mkdir -p "$work/home"
run() {
  env -i HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
    PATH=/usr/bin:/bin LANG=C.UTF-8 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} \
    ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    "$usr/bin/fotino" "$@"
}
answer=$(run --version) || fail "fotino --version failed"
[ "$answer" = "Version $version" ] || fail "fotino --version answered: $answer"
run presets >"$work/presets" || fail "fotino presets failed"
expected=$(find "$build/resources/presets" -name '*.ftnpst' | wc -l)
found=$(awk -F'\t' -v folder="$usr/share/fotino/presets/" \
  '$3 == "built-in" && index($4, folder) == 1' "$work/presets" | wc -l)
if [ "$expected" -eq 0 ] || [ "$found" -ne "$expected" ]; then
  fail "fotino presets found $found built-in presets under the prefix, the build made $expected"
  head -3 "$work/presets" >&2
fi

# The desktop files, as the desktop's own tools read them.
report=$(desktop-file-validate "$usr/share/applications/$app.desktop" 2>&1) ||
  fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate: $report"
xmllint --noout "$usr/share/mime/packages/$app.xml" || fail "the MIME file is not XML"
# A desktop session with only this prefix, its caches refreshed as installing does.
desktop() {
  env -i HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_DATA_DIRS="$usr/share" \
    PATH="$usr/bin:/usr/bin:/bin" "$@"
}
desktop update-mime-database "$usr/share/mime" >"$work/mime.log" 2>&1 ||
  fail "update-mime-database: $(cat "$work/mime.log")"
desktop update-desktop-database "$usr/share/applications" >"$work/desktop.log" 2>&1 ||
  fail "update-desktop-database: $(cat "$work/desktop.log")"
printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
  '<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">' \
  '<plist version="1.0"><dict><key>FTName</key><string>x</string></dict></plist>' \
  >"$work/x.ftoct"
type=$(desktop gio info --attributes standard::content-type "$work/x.ftoct" |
  sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-fotino-document ] || fail "x.ftoct is taken for '$type'"
# The menu entry opens the type, with a program the prefix has.
for type in application/x-fotino-document image/jpeg; do
  handlers=$(desktop gio mime "$type" 2>&1)
  [[ $handlers == *"Registered applications:"*"$app.desktop"* ]] ||
    fail "Fotino does not open $type: $handlers"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installed layout, program and desktop files check out ($mode)"
