#!/usr/bin/env bash
# Installs the Debian package into a scratch root and tries it there: the
# files of the layout, the desktop entry and metainfo validated, the icon,
# the declared dependencies against the binary's libraries, and the
# installed program's command line on a book (import, preview, print) and
# its window start.
#   tools/package-check.sh BUILD_DIR PACKAGE.deb
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
DEB="$(realpath "$2")"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
ROOT="$TMP/root"
FAILS=0
SECTION_FAILS=0

fail() { echo "package check: FAILED: $*" >&2; FAILS=$((FAILS + 1)); }
# Says what a section showed, unless it failed.
ok() {
  [ "$FAILS" -eq "$SECTION_FAILS" ] && echo "package check: $*"
  SECTION_FAILS=$FAILS
}
need_file() { [ -f "$ROOT/$1" ] || fail "missing /$1"; }

field() { dpkg-deb --field "$DEB" "$1"; }
PACKAGE_VERSION="$(field Version)"
APP_ID="$(dpkg-deb --contents "$DEB" | sed -n 's|.*/usr/share/applications/\(.*\)\.desktop$|\1|p')"
[ -n "$APP_ID" ] || { echo "package check: no desktop entry in $DEB" >&2; exit 1; }

dpkg-deb -x "$DEB" "$ROOT"
ok "$(basename "$DEB") unpacked into a scratch root"

# 1. The layout.
BIN="$ROOT/usr/bin/lumbra"
DATA="usr/share/lumbra"
[ -x "$BIN" ] || fail "no executable /usr/bin/lumbra"
for f in English.txt ChineseS.txt ChineseT.txt imageTooSmall.gif introduction.png; do
  need_file "$DATA/$f"
done
BACKGROUNDS=$(find "$ROOT/$DATA/backgrounds" -name '*_or.jpg' 2>/dev/null | wc -l || true)
[ "$BACKGROUNDS" -gt 0 ] || fail "no delivered backgrounds in /$DATA/backgrounds"
for size in sm md lg; do
  [ "$(find "$ROOT/$DATA/backgrounds" -name "*_$size.jpg" 2>/dev/null | wc -l)" -eq "$BACKGROUNDS" ] \
    || fail "not every background has its _$size picture"
done
DESKTOP="usr/share/applications/$APP_ID.desktop"
METAINFO="usr/share/metainfo/$APP_ID.metainfo.xml"
ICON="usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
need_file "$DESKTOP"; need_file "$METAINFO"; need_file "$ICON"
STRAY=$(cd "$ROOT" && find . -type f | grep -v -e "^./usr/bin/lumbra$" -e "^./$DATA/" \
  -e "^./$DESKTOP$" -e "^./$METAINFO$" -e "^./$ICON$" || true)
[ -z "$STRAY" ] || fail "files outside the layout: $STRAY"
ok "layout: binary, data ($BACKGROUNDS backgrounds), desktop entry, metainfo, icon"

# 2. Desktop entry, metainfo and icon.
desktop-file-validate "$ROOT/$DESKTOP" || fail "desktop entry does not validate"
grep -qx "Exec=lumbra" "$ROOT/$DESKTOP" || fail "desktop entry does not start lumbra"
grep -qx "Icon=$APP_ID" "$ROOT/$DESKTOP" || fail "desktop entry names another icon"
appstreamcli validate --no-net "$ROOT/$METAINFO" || fail "metainfo does not validate"
grep -q "<description>" "$ROOT/$METAINFO" || fail "metainfo has no description"
# An address of this machine means nothing on another: none may be named.
! grep -qE "127\.0\.0\.1|localhost" "$ROOT/$METAINFO" || fail "metainfo names an address of this machine"
! field Homepage | grep -qE "127\.0\.0\.1|localhost" || fail "the package's homepage is an address of this machine"
grep -q "<release version=\"$PACKAGE_VERSION\"" "$ROOT/$METAINFO" \
  || fail "metainfo names another release than $PACKAGE_VERSION"
grep -q "<svg" "$ROOT/$ICON" || fail "the icon is no SVG picture"
ok "desktop entry and metainfo validate; icon is an SVG"

# 3. Every library the binary needs comes from a declared dependency.
DECLARED="$(field Depends | tr ',' '\n' | sed 's/(.*//; s/[[:space:]]//g')"
declared() { echo "$DECLARED" | grep -qxF "$1"; }
# The package that holds the file the loader picks for a library.
owner_of() {
  local path
  path=$(ldd "$BIN" | awk -v lib="$1" '$1 == lib || $1 ~ "/" lib "$" {for (i = 1; i <= NF; i++) if ($i ~ /^\//) {print $i; exit}}')
  [ -n "$path" ] || return 0
  { dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null; } | head -n1 | cut -d: -f1
}
for soname in $(objdump -p "$BIN" | awk '/NEEDED/ {print $2}'); do
  owner=$(owner_of "$soname")
  if [ -z "$owner" ]; then
    fail "no installed package holds $soname"
  elif ! declared "$owner"; then
    fail "$soname comes from $owner, which is not declared"
  fi
done
declared libqt6svg6 || fail "libqt6svg6 (the SVG icon plugins) is not declared"
ok "declared dependencies cover the binary's libraries"

# 4. No address with a user name or password, in the binary or the metainfo.
if grep -aEq '[a-z]+://[^/"[:space:]]*@' "$BIN" "$ROOT/$METAINFO"; then
  fail "an address carries credentials"
fi

# 5. The installed program, without the build folder and without variables
#    that point at data.
export HOME="$TMP/home" XDG_DATA_HOME="$TMP/data" XDG_CONFIG_HOME="$TMP/config" \
       XDG_CACHE_HOME="$TMP/cache" XDG_RUNTIME_DIR="$TMP/runtime" LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$TMP"
run() { env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$BIN" "$@"; }
[ "$(run --version)" = "Lumbra $PACKAGE_VERSION" ] || fail "--version does not say $PACKAGE_VERSION"
run --help | grep -q -- "--preview BOOK FOLDER" || fail "--help does not list the commands"
set +e; run --no-such-option 2>/dev/null; status=$?; set -e
[ "$status" -eq 2 ] || fail "a bad argument exits with $status, not 2"

"$BUILD/tools/lumbra_assetgen" --sample-photos "$TMP/photos" 3 >/dev/null
BOOKS="$TMP/books"
IMPORTED=$(run --books-folder "$BOOKS" --import Trip "$TMP"/photos/*.jpg) || fail "import failed"
[ "$(echo "$IMPORTED" | grep -c '^Added :')" -eq 3 ] || fail "import did not add 3 photos: $IMPORTED"
run --books-folder "$BOOKS" --preview Trip "$TMP/preview" >/dev/null || fail "preview failed"
run --books-folder "$BOOKS" --print Trip "$TMP/print" >/dev/null || fail "print failed"
is_jpeg() { [ "$(od -An -tx1 -N2 "$1" 2>/dev/null | tr -d ' ')" = "ffd8" ]; }
[ -f "$BOOKS/Trip/book.pbx" ] || fail "the book was not saved"
is_jpeg "$TMP/preview/Trip/PG1.jpg" || fail "no preview page PG1.jpg"
is_jpeg "$TMP/print/1.jpg" || fail "no print page 1.jpg"
ok "installed command line: import, preview and print of a book"

# The window on the offscreen platform: reads the marker, the introduction
# picture and copies the delivered backgrounds from the installed data.
QT_QPA_PLATFORM=offscreen "$BIN" --screenshot "$TMP/window.png" >/dev/null 2>&1 \
  || fail "the window did not start"
[ -s "$TMP/window.png" ] || fail "the window wrote no screenshot"
COPIED=$(find "$XDG_DATA_HOME" -path '*Backgrounds*' -name '*_or.jpg' 2>/dev/null | wc -l || true)
[ "$COPIED" -eq "$BACKGROUNDS" ] || fail "the window copied $COPIED of $BACKGROUNDS backgrounds"
ok "installed window starts and finds its data"

if [ "$FAILS" -ne 0 ]; then
  echo "package check: $(basename "$DEB") FAILED ($FAILS)" >&2
  exit 1
fi
echo "package check: $(basename "$DEB") passed"
