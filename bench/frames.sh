#!/usr/bin/env bash
# Runs every frame benchmark in one go, on the display there is or on a virtual one:
#   bench/frames.sh [SECONDS] [BUILD_DIR]   (5 s each, build/ by default)
# Prints each mode's figures, then both programs' unpaced rates over the plain program's
# and their paced CPU use with the graphs, and in exact mode, over that without.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
bench=${2:-build}/bin/bench_frames
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi

declare -A rate cpu
for mode in plain "vorlat --unpaced" "tamsel --unpaced" vorlat tamsel "vorlat --graphs" \
  "tamsel --graphs" "vorlat --exact" "tamsel --exact"; do
  echo "== $mode"
  # shellcheck disable=SC2086  # a mode may carry its option
  output=$("$bench" $mode --seconds "$seconds")
  echo "$output"
  rate[$mode]=$(awk '$1 == "ticks_per_second" { print $2 }' <<<"$output")
  cpu[$mode]=$(awk '$1 == "cpu_percent" { print $2 }' <<<"$output")
done
for program in vorlat tamsel; do
  awk -v name="$program" -v a="${rate[$program --unpaced]}" -v b="${rate[plain]}" \
    'BEGIN { printf "%s_unpaced_over_plain %.2f\n", name, a / b }'
done
for program in vorlat tamsel; do
  awk -v name="$program" -v a="${cpu[$program --graphs]}" -v b="${cpu[$program]}" \
    'BEGIN { printf "%s_graphs_cpu_over_without %.2f\n", name, a / b }'
  awk -v name="$program" -v a="${cpu[$program --exact]}" -v b="${cpu[$program]}" \
    'BEGIN { printf "%s_exact_cpu_over_scheme %.2f\n", name, a / b }'
done
