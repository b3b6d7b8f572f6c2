#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program: Vorlat unless another
# is named (the name in any case).
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-vorlat}" in
  [Vv][Oo][Rr][Ll][Aa][Tt]) program=Vorlat ;;
  [Tt][Aa][Mm][Ss][Ee][Ll]) program=Tamsel ;;
  *)
    echo "usage: tools/run.sh [Vorlat|Tamsel]" >&2
    exit 2
    ;;
esac
tools/build.sh
exec "build/bin/$program"
