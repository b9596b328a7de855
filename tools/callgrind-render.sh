#!/usr/bin/env bash
# Runs the nine-photo screen render benchmark under callgrind, counting only
# inside PageRenderer::RenderPageBitMap, and prints the instruction count.
# The count covers the warm-up render and the timed ones (see "renders").
# Usage: tools/callgrind-render.sh [build dir]
set -euo pipefail
BUILD="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$OUT/cg.out" \
    --toggle-collect='PageRenderer::RenderPageBitMap*' \
    "$BUILD/lumbra_bench" --benchmark_filter=BM_ScreenNinePhotoPage --benchmark_min_time=0.01 \
    >"$OUT/log" 2>&1 || { cat "$OUT/log"; exit 1; }
line="$(grep -E "^BM_ScreenNinePhotoPage" "$OUT/log")"
echo "$line"
iterations="$(awk '{print $6}' <<<"$line")"
total="$(callgrind_annotate "$OUT/cg.out" 2>/dev/null | grep -m1 "PROGRAM TOTALS" | awk '{gsub(",","",$1); print $1}')"
echo "instructions in RenderPageBitMap: $total over $((iterations + 1)) renders (one warm-up)," \
     "about $((total / (iterations + 1))) per render"
