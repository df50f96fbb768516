#!/usr/bin/env bash
# Sets up a Debian machine for Quorvantile and builds it: installs the missing
# packages, generates the pt_BR.UTF-8 locale, fetches the real test data,
# configures and builds into build/ (QLM_BUILD_DIR overrides) every target, or
# those QLM_BUILD_TARGETS names (separated by blanks).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QLM_BUILD_DIR:-$root/build}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages=(
  cmake ninja-build g++ pkg-config
  libvtk9-dev qt6-base-dev libcharls-dev zlib1g-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libdraco-dev libmeshoptimizer-dev libzstd-dev
  xvfb xauth libgl1-mesa-dri locales python3 python3-aiosmtpd openssl
  qt6-translations-l10n
  fonts-liberation2 poppler-utils
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  $sudo apt-get -o DPkg::Lock::Timeout=600 update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf8$'; then
  $sudo sed -i 's/^# *\(pt_BR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi

bash "$root/scripts/fetch-test-data.sh"

# Optimised as the tests expect (-O2), without debug information, which made
# the objects ten times larger and the links of the test programs slow.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG" "$@"
read -r -a targets <<< "${QLM_BUILD_TARGETS:-}"
cmake --build "$build" -j "$(nproc)" ${targets[@]+--target "${targets[@]}"}

# The sample project, written into the test-data folder by the program's own
# writer when it is missing or was written by an older tool (its notes carry
# the revision of the tool that wrote it).
sample="${QLM_TEST_DATA:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantile/testdata}/projects/Amostra.qlm"
tool="$build/tests/project/QlmMakeSampleProject"
if [ -x "$tool" ] && ! "$tool" --check "$sample"; then
  "$tool" "$sample"
fi
