#!/usr/bin/env bash
# Sets up, builds and starts Quorvantile on the bundled sample project.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QLM_BUILD_DIR:-$root/build}

# The program and the tool that writes the sample project; the tests are not needed.
QLM_BUILD_TARGETS="Quorvantile QlmMakeSampleProject" bash "$root/scripts/setup.sh"
sample="${QLM_TEST_DATA:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantile/testdata}/projects/Amostra.qlm"
if [ -f "$sample" ]; then
  exec "$build/app/Quorvantile" "$sample"
fi
exec "$build/app/Quorvantile"
