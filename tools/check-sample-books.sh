#!/usr/bin/env bash
# Makes two books for the book check in BOOKS_FOLDER: "Problems", with one
# problem of each kind on pages 2 to 7, and "Clean", with none.
#   tools/check-sample-books.sh BUILD_DIR BOOKS_FOLDER
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
BOOKS="$2"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
mkdir -p "$TMP/a" "$TMP/b" "$BOOKS"
"$BUILD/tools/lumbra_assetgen" --sample-photos "$TMP/a" 3 >/dev/null
cp "$TMP/a/photo01.jpg" "$TMP/b/photo01.jpg"   # the same photo from another folder
convert "$TMP/a/photo02.jpg" -resize 600x400 "$TMP/a/small.jpg"

rtf() { printf '{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil DejaVu Serif;}}\\pard\\%s\\f0\\fs%s %s\\par}' "$1" "$2" "$3" | base64 -w0; }
text() { printf 'Text{%s}' "$(rtf "$@")"; }
name() { # the stored name of an imported file, by its size
  local size; size=$(stat -c %s "$2")
  for f in "$BOOKS/$1"/*_or.jpg; do [ "$(stat -c %s "$f")" = "$size" ] && basename "$f" _or.jpg; done; return 0
}
img() { printf 'Image{%s,0,0,1,0}' "$1"; }
DAY="Text[30,20,230,170,0]$(text qc 48 'A day by the sea')bgImage()"
CAPTION="Text[60,170,170,30,0]"

for book in Problems Clean; do
  "$BUILD/lumbra" --books-folder "$BOOKS" --import "$book" "$TMP/a"/*.jpg >/dev/null
done
"$BUILD/lumbra" --books-folder "$BOOKS" --import Problems "$TMP/b/photo01.jpg" >/dev/null
mapfile -t SEA < <(name Problems "$TMP/a/photo01.jpg")
HILL=$(name Problems "$TMP/a/photo02.jpg")
WOOD=$(name Problems "$TMP/a/photo03.jpg")
SMALL=$(name Problems "$TMP/a/small.jpg")
{
  printf '+Photo[0,15,289,150,0]%s%s%sbgImage()' "$CAPTION" "$(img "${SEA[0]}")" "$(text qc 36 'Summer by the sea')"
  printf '+Photo[0,0,289,208,0]%sbgImage()' "$(img "$SMALL")"
  printf '+Photo[45,0,200,102,0]Photo[45,106,200,102,0]%sImage{}bgImage()' "$(img "$HILL")"
  printf '+Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{}bgImage()'
  printf '+Text[30,15,230,25,0]Text[30,50,230,140,0]%s%sbgImage()' \
    "$(text qc 72 'Three days of sun, wind and long walks by the water')" "$(text ql 24 'Notes')"
  printf '+Photo[55,0,180,208,0]%sbgImage()' "$(img "${SEA[1]}")"
  printf '+Photo[130,0,140,208,0]Text[2,20,110,168,0]%s%sbgImage()' "$(img "$WOOD")" "$(text ql 24 'Evening walk')"
  for _ in $(seq 8 20); do printf '+%s' "$DAY"; done
  printf '\r\n'
} > "$BOOKS/Problems/book.pbx"
SEA=$(name Clean "$TMP/a/photo01.jpg")
HILL=$(name Clean "$TMP/a/photo02.jpg")
{
  printf '+Photo[0,15,289,150,0]%s%s%sbgImage()' "$CAPTION" "$(img "$SEA")" "$(text qc 36 'Summer by the sea')"
  printf '+Photo[55,0,180,208,0]%sbgImage()' "$(img "$HILL")"
  for _ in $(seq 3 20); do printf '+%s' "$DAY"; done
  printf '\r\n'
} > "$BOOKS/Clean/book.pbx"
echo "$BOOKS: Problems, Clean"
