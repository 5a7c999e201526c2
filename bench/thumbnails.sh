#!/usr/bin/env bash
# Thumbnail maker against the usual tools, in one run on the same pictures, every
# tool on all cores (our threads; two or more processes for the others). Never part
# of ctest. The last row of each JPEG set is libjpeg-turbo alone at 1/8 scale,
# the floor for any maker built on it.
#
#   bench/thumbnails.sh [RUNS]     (best of RUNS timings per tool, 3 by default)
#
# The corpus is made once with ImageMagick's plasma:fractal from fixed seeds and kept
# in build/bench-corpus (VENDALUZ_BENCH_CORPUS to put it elsewhere): 200 photographs
# of 1600 by 1200 and 20 of 4000 by 3000 as JPEG quality 90, 20 GIFs of 800 by 600.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-3}
cores=$(nproc)
corpus=${VENDALUZ_BENCH_CORPUS:-build/bench-corpus}
# The Debian program by its full name, whatever else PATH may put first.
convert=/usr/bin/convert

# The other tools come from Debian; they are needed by this script alone.
missing=()
for pair in vipsthumbnail:libvips-tools gm:graphicsmagick "$convert":imagemagick; do
  command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

[ -x build/bin/bench_miniaturas ] || scripts/build
cmake --build build --target bench_miniaturas bench_piso_jpeg >/dev/null

# make_set NAME COUNT WIDTH HEIGHT EXT [QUALITY]
make_set() {
  local dir="$corpus/$1" count=$2 w=$3 h=$4 ext=$5 q=${6:-90}
  [ -f "$dir.hecho" ] && return
  rm -rf "$dir" && mkdir -p "$dir"
  echo "Creando $count imágenes de ${w}x${h} en $dir ..." >&2
  seq -w 1 "$count" | xargs -P "$cores" -I{} \
    "$convert" -seed "1{}" -size "${w}x${h}" plasma:fractal -quality "$q" "$dir/foto{}.$ext"
  touch "$dir.hecho"
}
make_set 1600x1200 200 1600 1200 jpg
make_set 4000x3000 20 4000 3000 jpg
make_set gif800x600 20 800 600 gif

now() { date +%s.%N; }

# split_run CMD...: runs CMD FILES... in $cores processes, each on its share of the
# pictures of $set, from inside $set (gm's -output-directory keeps the path it is
# given, so the names must be bare).
split_run() {
  (
    cd "$set"
    local files=(foto*)
    local per=$(((${#files[@]} + cores - 1) / cores))
    local pids=()
    for ((i = 0; i < ${#files[@]}; i += per)); do
      "$@" "${files[@]:i:per}" >/dev/null 2>&1 &
      pids+=($!)
    done
    local rc=0
    for p in "${pids[@]}"; do wait "$p" || rc=1; done
    return $rc
  )
}

tool_vendaluz() { build/bin/bench_miniaturas "$set" "$out" 0 >/dev/null; }
# Decoding alone; it writes nothing.
tool_floor() { build/bin/bench_piso_jpeg "$set" 0; }
# One thread per process for the others: the processes already fill the cores.
tool_vips() {
  (export VIPS_CONCURRENCY=1; split_run vipsthumbnail --size 80x80 -o "$out/%s.jpg[Q=85]")
}
tool_gm() {
  (export OMP_NUM_THREADS=1; split_run gm mogrify -output-directory "$out" -format jpg \
    -size 160x160 -thumbnail 80x80 -quality 85)
}
tool_im() {
  local f
  export MAGICK_THREAD_LIMIT=1
  for f in "$set"/foto*; do echo "$f"; done |
    xargs -P "$cores" -I{} sh -c \
      "$convert -define jpeg:size=160x160 \"\$1\" -thumbnail 80x80 -quality 85 \"$out/\$(basename \"\$1\").jpg\"" \
      _ {}
}

# time_once TOOL: seconds for one run into a fresh output folder, after checking that
# it made a thumbnail of every picture.
time_once() {
  local t0 t1 made
  out=$(mktemp -d)
  t0=$(now)
  "$1"
  t1=$(now)
  made=$(find "$out" -name '*.jpg' | wc -l)
  rm -rf "$out"
  if [ "$1" != tool_floor ] && [ "$made" -ne "$count" ]; then
    echo "$1 hizo $made miniaturas de $count" >&2
    exit 1
  fi
  awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }'
}

printf '%d núcleos, mejor de %d pasadas; ventaja: su tiempo entre el de vendaluz\n\n' "$cores" "$runs"
printf '%-20s %-15s %9s %12s %14s\n' conjunto herramienta segundos 'imágenes/s' 'ventaja'
declare -A shown=([vendaluz]=vendaluz [vips]=vipsthumbnail [gm]="gm -size"
  [im]="convert -define" [floor]="piso libjpeg")
for name in 1600x1200 4000x3000 gif800x600; do
  set="$corpus/$name"
  count=$(find "$set" -name 'foto*' | wc -l)
  tools="vendaluz vips gm im"
  [[ $name == gif* ]] || tools="$tools floor"
  # The tools take turns within each pass, so that a busy moment of the machine
  # does not fall on one tool alone; each keeps its best pass.
  declare -A best=()
  for ((r = 0; r < runs; r++)); do
    for tool in $tools; do
      t=$(time_once "tool_$tool")
      if [ -z "${best[$tool]:-}" ] || awk -v t="$t" -v b="${best[$tool]}" 'BEGIN { exit !(t < b) }'; then
        best[$tool]=$t
      fi
    done
  done
  label="$name ($count)"
  for tool in $tools; do
    awk -v l="$label" -v s="${shown[$tool]}" -v t="${best[$tool]}" -v n="$count" \
      -v o="${best[vendaluz]}" \
      'BEGIN { printf "%-20s %-15s %9.3f %12.1f %13.2fx\n", l, s, t, n / t, t / o }'
    label=""
  done
  unset best
done
