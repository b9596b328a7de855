#!/usr/bin/env bash
# Builds a sample book through the command line (painted photos, a few
# templates, a text, a background) and photographs the program showing it.
#   tools/screenshots.sh BUILD_DIR
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/docs/screenshots"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
export HOME="$TMP/home" XDG_DATA_HOME="$TMP/data" XDG_CONFIG_HOME="$TMP/config"
mkdir -p "$HOME" "$OUT"

BOOKS="$XDG_DATA_HOME/Lumbra/Brelk/Lumbras"
"$BUILD/tools/lumbra_assetgen" --sample-photos "$TMP/photos" 12
"$BUILD/lumbra" --books-folder "$BOOKS" --import "Summer" "$TMP/photos"/*.jpg

# Photo names in import order (newest files last).
mapfile -t NAMES < <(cd "$BOOKS/Summer" && ls -tr -- *_or.jpg | sed 's/_or\.jpg$//')
rtf() { printf '{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil DejaVu Serif;}}{\\colortbl ;\\red120\\green40\\blue30;}\\pard\\qc\\f0\\fs%s\\cf1 %s\\par}' "$1" "$2" | base64 -w0; }
img() { printf 'Image{%s,0,0,1,0}' "${NAMES[$1]}"; }
P1="Photo[0,0,289,208,0]Text[30,180,230,25,0]$(img 0)Text{$(rtf 36 'Summer by the sea')}bgImage()"
P2="Photo[20,16,66,64,0]Photo[20,82,66,64,0]Photo[88,16,180,176,0]Text[20,157,60,35,0]$(img 1)$(img 2)$(img 3)Text{$(rtf 20 'Three days of sun, wind and long walks.')}bgImage(linen)"
P3="Photo[0,0,141,208,0]Photo[148,0,141,208,0]Text[5,183,130,20,0]Text[153,183,130,20,0]$(img 4)$(img 5)Text{$(rtf 20 'Evening')}Text{}bgImage(cream)"
P4="Photo[0,0,95,68,0]Photo[97,0,95,68,0]Photo[194,0,95,68,0]Photo[0,70,95,68,0]Photo[97,70,95,68,0]Photo[194,70,95,68,0]Photo[0,140,95,68,0]Photo[194,140,95,68,0]Text[105,150,80,45,0]$(img 6)$(img 7)Image{}Image{}Image{}Image{}Image{}Image{}Text{}bgImage()"
DEFAULT="Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{}bgImage()"
{
  printf '+%s+%s+%s+%s' "$P1" "$P2" "$P3" "$P4"
  for _ in $(seq 5 20); do printf '+%s' "$DEFAULT"; done
  printf '\r\n'
} > "$BOOKS/Summer/book.pbx"
printf 'Summer\r\n' > "$BOOKS/book.ini"
printf 'IntroPanel=0\r\n' > "$XDG_DATA_HOME/Lumbra/Brelk/Brelk.ini"
# The whole virtual screen (1280 x 800 pixels, in twips).
mkdir -p "$XDG_CONFIG_HOME/Lumbra"
printf '[Settings]\nMainLeft=0\nMainTop=0\nMainWidth=19200\nMainHeight=12000\n' \
  > "$XDG_CONFIG_HOME/Lumbra/Lumbra.conf"

# The reference print service on a free port, for the order and download scenes.
PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$BUILD/lumbra-print-service" --port "$PORT" --orders "$TMP/orders" >"$TMP/service.log" 2>&1 &
SERVICE_PID=$!
trap 'kill "$SERVICE_PID" 2>/dev/null || true; rm -rf "$TMP"' EXIT
export LUMBRA_SERVICE_URL="http://127.0.0.1:$PORT/pb/" LUMBRA_BACKGROUND_URL="http://127.0.0.1:$PORT/bg/"
for _ in $(seq 50); do (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null && break; sleep 0.1; done

shoot() { # name, extra program arguments...
  local name="$1"; shift
  xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD/lumbra" --screenshot "$OUT/$name.png" "$@"
  echo "$OUT/$name.png"
}
shoot main-window
# The window, a question and the file dialog in Simplified and Traditional Chinese.
for language in zh_CN zh_TW; do
  export LANG="$language.UTF-8" LANGUAGE="$language"
  shoot "main-window-$language"
  shoot "message-box-$language" --scene message-box
  shoot "file-dialog-$language" --scene file-dialog
  unset LANG LANGUAGE
done
shoot main-window-column --scene column
shoot photo-editor --scene photo-editor
shoot text-editor --scene text-editor
shoot album --scene album
shoot album-column --scene column-album
shoot backgrounds --scene backgrounds
shoot backgrounds-column --scene column-backgrounds
shoot order-verify --scene order-verify
# No service at the address: the order window's own page, with Retry and Preferences.
DEAD_PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
LUMBRA_SERVICE_URL="http://127.0.0.1:$DEAD_PORT/pb/" shoot order-unreachable --scene order-verify
shoot preferences --scene preferences
shoot order-cover --scene order-cover
# The upload under way: a second service holds page 4 back.
SLOW_PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$BUILD/lumbra-print-service" --port "$SLOW_PORT" --orders "$TMP/orders-slow" --slow --fault-page 4 \
  --slow-ms 60000 >"$TMP/slow-service.log" 2>&1 &
SLOW_PID=$!
for _ in $(seq 50); do (exec 3<>"/dev/tcp/127.0.0.1/$SLOW_PORT") 2>/dev/null && break; sleep 0.1; done
LUMBRA_SERVICE_URL="http://127.0.0.1:$SLOW_PORT/pb/" shoot order-upload --scene order-upload
kill "$SLOW_PID" 2>/dev/null || true
shoot order-payment --scene order-payment
shoot background-download --scene background-download

# Two orders of the book at the service, the first one sent: the status window shows both.
new_order() {
  python3 - "$LUMBRA_SERVICE_URL" <<'PY'
import re, sys, urllib.request
answer = urllib.request.urlopen(sys.argv[1] + "verify.php?i=TEST&booktype=2_290_212&version=10000&pages=20").read().decode()
print(re.search(r"\[\((.*?)\)\]", answer).group(1))
PY
}
FIRST_ORDER=$(new_order)
SECOND_ORDER=$(new_order)
"$BUILD/lumbra" --books-folder "$BOOKS" --upload Summer "$FIRST_ORDER" red >/dev/null
# The second order's upload broke off after page 3 (the service keeps a page
# as a file) and was tried twice: the book names it twice.
cp "$TMP/orders/$FIRST_ORDER/"{1,2,3}.jpg "$TMP/orders/$SECOND_ORDER/"
printf '%s,%s,%s\r\n' "$FIRST_ORDER" "$SECOND_ORDER" "$SECOND_ORDER" > "$BOOKS/Summer/order.pbx"
shoot order-status --scene order-status

# A second service that announces a newer version, for the update notice.
PORT2=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$BUILD/lumbra-print-service" --port "$PORT2" --orders "$TMP/orders2" \
  --newer-version "http://127.0.0.1:$PORT/" >"$TMP/service2.log" 2>&1 &
SERVICE2_PID=$!
trap 'kill "$SERVICE_PID" "$SERVICE2_PID" 2>/dev/null || true; rm -rf "$TMP"' EXIT
for _ in $(seq 50); do (exec 3<>"/dev/tcp/127.0.0.1/$PORT2") 2>/dev/null && break; sleep 0.1; done
LUMBRA_SERVICE_URL="http://127.0.0.1:$PORT2/pb/" shoot update-notice --scene update-notice
