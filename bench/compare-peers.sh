#!/usr/bin/env bash
# Builds the benchmarks and compares our pixel kernels with libvips and Qt on the same
# synthetic 6000 x 4000 RGB picture: one run per thread count (one thread pinned to one CPU,
# two threads free), medians of several repetitions, then the command-line tools of libvips
# on a file of the same picture. Usage: bench/compare-peers.sh [repetitions]
set -euo pipefail

cd "$(dirname "$0")/.."
reps="${1:-5}"
make bench >/dev/null
bin=build-bench/bench/fotino_bench_pixels
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

run() { # threads, cpu list
  FOTINO_BENCH_THREADS="$1" taskset -c "$2" "$bin" \
    --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | grep '_median"' >"$out/t$1.csv"
}
echo "running benchmarks: 1 thread on CPU 0, then 2 threads ($reps repetitions each)..." >&2
run 1 0
run 2 "0-$(($(nproc) - 1))"

# name -> median real time in ms, per thread count
median() { # file, name: the median real time of that case in ms
  awk -F, -v n="$2" '{ name = $1; gsub(/"/, "", name)
    if (name !~ /_median$/) next
    sub(/_median$/, "", name); sub(/\/real_time$/, "", name); sub(/\/iterations:[0-9]+$/, "", name)
    if (name == n) { t = $3; u = $5; gsub(/"/, "", u)
      if (u == "ns") t /= 1e6; else if (u == "us") t /= 1e3; else if (u == "s") t *= 1e3
      printf "%.1f", t } }' "$1"
}
row() { # label, ours, peer; the csv files are $out/${set}1.csv and ${set}2.csv
  local o1 o2 p1 p2
  o1=$(median "$out/${set}1.csv" "$2"); o2=$(median "$out/${set}2.csv" "$2")
  p1=$(median "$out/${set}1.csv" "$3"); p2=$(median "$out/${set}2.csv" "$3")
  awk -v l="$1" -v p="$3" -v o1="$o1" -v o2="$o2" -v p1="$p1" -v p2="$p2" 'BEGIN {
    printf "%-36s %8s %8s | %-38s %8s %8s | %6.1fx %6.1fx\n", l, o1, o2, p, p1, p2,
      (o1 > 0 ? p1 / o1 : 0), (o2 > 0 ? p2 / o2 : 0) }'
}

set=t
echo
printf "%-36s %8s %8s | %-38s %8s %8s | %7s %7s\n" "ours (ms, 6000x4000)" "1 thr" "2 thr" \
  "peer" "1 thr" "2 thr" "ratio1" "ratio2"
row "memory floor: in-place pass" Floor_InPlacePass Floor_Copy
# Each of our kernels on every path (empty where the processor lacks it), then next to the
# other peers on the best path.
paths="portable avx2 vbmi"
best=portable
for p in $paths; do
  if [ -n "$(median "$out/t1.csv" "Table_Ours/$p")" ]; then best=$p; fi
done
for p in $paths; do row "table (contrast/brightness) $p" "Table_Ours/$p" Table_Vips; done
for p in $paths; do row "gray (77/150/29) $p" "Gray_Ours/$p" Gray_Vips; done
row "gray (Qt: its own weights) $best" "Gray_Ours/$best" Gray_QtOwnWeights
for p in $paths; do row "RGB32 -> packed RGB $p" "ToRGB_Ours/$p" ToRGB_Qt; done
row "RGB32 -> packed RGB $best" "ToRGB_Ours/$best" ToRGB_Vips
for p in $paths; do row "strip alpha in place (1 thr) $p" "StripAlpha_OursInPlace/$p" ToRGB_Qt; done
for p in $paths; do row "rotate 90 $p" "Rotate90_Ours/$p" Rotate90_QtRGB888; done
row "rotate 90 $best" "Rotate90_Ours/$best" Rotate90_QtRGB32
row "rotate 90 $best" "Rotate90_Ours/$best" Rotate90_Vips
for p in $paths; do row "rotate 180 $p (vs a copy)" "Rotate180_Ours/$p" Floor_Copy; done
for p in $paths; do row "rotate 7.5 bilinear, white $p" "Rotate7_5_Ours/$p" Rotate7_5_QtPainterRGB32; done
row "rotate 7.5 bilinear, white $best" "Rotate7_5_Ours/$best" Rotate7_5_Vips
row "fresh buffer: rotate + table" FreshBuffer_Rotate7_5AndTable \
  FreshBuffer_Rotate7_5AndTable_HugePages
row "fresh buffer: first touch" FreshBuffer_FirstTouchOnly FreshBuffer_FirstTouchOnly_HugePages
echo "(ratio = peer / ours; for the floor and fresh rows the 'peer' is the other variant)"

# The libvips tools, whole process, on a file of the same picture (vips format, mapped).
"$bin" --write-picture="$out/picture.v"
"$bin" --write-lut="$out/lut.v"
tool() { # label, command...
  local label="$1"; shift
  local best=""
  for _ in $(seq "$reps"); do
    local s e
    s=$(date +%s%N); "$@" >/dev/null; e=$(date +%s%N)
    local ms=$(((e - s) / 1000000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  printf "%-44s %6s ms (best of %s, whole process)\n" "$label" "$best" "$reps"
}
echo
tool "vips rot d90" vips rot "$out/picture.v" "$out/r.v" d90
tool "vips rotate 7.5 bilinear white" vips rotate "$out/picture.v" "$out/r.v" 7.5 \
  --interpolate bilinear --background "255 255 255"
tool "vips maplut" vips maplut "$out/picture.v" "$out/r.v" "$out/lut.v"
tool "vips copy (read + write the file)" vips copy "$out/picture.v" "$out/r.v"
for pages in 4k huge; do
  env=()
  if [ "$pages" = huge ]; then env=(FOTINO_BENCH_HUGEPAGES=1); fi
  for op in rot90 rotate7.5 table; do
    tool "ours $op (fresh $pages-page buffers, 1 thread)" \
      env "${env[@]}" "$bin" --once=$op "$out/picture.v" "$out/r.raw"
  done
done

# The adjusted picture and the finished photo (fotino_bench_rendering), same picture size.
rbin=build-bench/bench/fotino_bench_rendering
rrun() { # threads, cpu list
  FOTINO_BENCH_THREADS="$1" taskset -c "$2" "$rbin" --benchmark_filter='^(Derive|Decode|Draw|Peer|Render)' \
    --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | grep '_median"' >"$out/r$1.csv"
}
echo >&2
echo "running the rendering benchmarks..." >&2
rrun 1 0
rrun 2 "0-$(($(nproc) - 1))"
set=r
echo
printf "%-36s %8s %8s | %-38s %8s %8s | %7s %7s\n" "ours (ms)" "1 thr" "2 thr" \
  "peer" "1 thr" "2 thr" "ratio1" "ratio2"
row "derive: rotate 90 + contrast" Derive_Rotate90Contrast Decode_LibjpegTurbo
row "derive with JPEG decode" Derive_WithDecode Decode_LibjpegTurbo
row "decode (Qt, as we do)" Decode_QImageReader Decode_LibjpegTurbo
row "draw 600x770 frame" Draw_Frame600x770 Peer_QtScaledCrop/32
row "draw 600x770 frame" Draw_Frame600x770 Peer_QtScaledCrop/24
row "toImage 300 (413x531)" Render_ToImage300 Peer_QtScaledCrop/32
echo "quality against an exact area average (PSNR in dB; inf = identical):"
"$rbin" --benchmark_filter=Quality 2>/dev/null | grep -o '[a-z_]*_dB=[^ ]*' | paste -sd' '
