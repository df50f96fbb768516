#!/usr/bin/env bash
# Fetches the real test data (a head CT with teeth, real meshes) from Debian's
# packages into a cache folder outside the source tree. Idempotent.
#   ct/Cranium/matrix.dat       raw int16 LE, 256x256x108, 0.9570312 x 0.9570312 x 1.5 mm
#   ct/Cranium/surface_0.vtp    bone surface (VTK XML)
#   meshes/*.off, meshes/pig.stl, meshes/stl/*.stl
set -euo pipefail

dest=${QLM_TEST_DATA:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantile/testdata}
stamp="$dest/.complete-v1"
[ -f "$stamp" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# apt-get download runs as _apt where it can; give it a folder it may write.
chmod 777 "$work"

packages=(invesalius-examples libcgal-demo assimp-testmodels)
if ! apt-get download "${packages[@]}" >/dev/null 2>&1; then
  apt-get -o DPkg::Lock::Timeout=600 update >/dev/null
  apt-get download "${packages[@]}" >/dev/null
fi
for deb in *.deb; do dpkg -x "$deb" root; done

mkdir -p "$dest/ct/Cranium" "$dest/meshes/stl"
tar -xzf root/usr/share/doc/invesalius-examples/examples/Cranium.inv3 -C "$work"
cp "$work"/tmp*/matrix.dat "$work"/tmp*/surface_0.vtp "$dest/ct/Cranium/"

tar -xzf root/usr/share/doc/libcgal-dev/data.tar.gz -C "$work" \
  data/meshes/bunny00.off data/meshes/armadillo.off data/meshes/refined_elephant.off data/meshes/pig.stl
cp "$work"/data/meshes/* "$dest/meshes/"
cp root/usr/share/assimp/models/STL/*.stl root/usr/share/assimp/models/STL/*.STL "$dest/meshes/stl/"

touch "$stamp"
echo "test data in $dest"
