#!/usr/bin/env bash
# Builds and runs the tests under a sanitizer: `asan` (address + undefined
# behaviour, the whole suite) or `tsan` (thread, the timer's tests).
set -euo pipefail
cd "$(dirname "$0")/.."
kind="${1:?usage: tools/sanitize.sh asan|tsan [ctest args...]}"
shift
tools/setup.sh
cmake --preset "$kind" >/dev/null
targets=()
[ "$kind" = tsan ] && targets=(--target animtimer_test)  # only the timer's tests run there
cmake --build --preset "$kind" -j"$(nproc)" "${targets[@]}"

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
run=(ctest --preset "$kind" -j"$(nproc)" "$@")
if [ -z "${DISPLAY:-}" ]; then
  run=(xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}")
fi
"${run[@]}"
