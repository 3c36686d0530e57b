#!/usr/bin/env bash
# Makes the Debian packages from a release build that exists already, without
# compiling anything again (only the reference is made where it is missing):
# packaging/debian is copied into a scratch source folder, whose parent
# receives what dpkg-buildpackage makes; the packages and the .changes file
# are then moved to the output folder.
#
#   packaging/build-debs.sh <release-build-dir> <output-dir>
set -euo pipefail
BUILD=$(realpath "${1:?release build folder}")
OUT=$(realpath -m "${2:?output folder}")
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
package_version=$(dpkg-parsechangelog -l "$HERE/debian/changelog" -S Version)
if [ "$project_version" != "$package_version" ]; then
  echo "build-debs: the build is version '$project_version', packaging/debian/changelog '$package_version'" >&2
  exit 1
fi
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$BUILD/CMakeCache.txt")
if [ "$prefix" != "/usr" ]; then
  echo "build-debs: the build installs to '$prefix'; packages need a build configured with CMAKE_INSTALL_PREFIX=/usr (the release preset)" >&2
  exit 1
fi

# The reference is part of the packages: made here when the build has not
# made it yet (Doxygen only; the library is not compiled again).
cmake --build "$BUILD" --target docs >/dev/null

mkdir -p "$WORK/quil" "$OUT"
cp -r "$HERE/debian" "$WORK/quil/"
(cd "$WORK/quil" && QUIL_BUILD="$BUILD" DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage --build=binary --no-sign)
mv "$WORK"/*.deb "$WORK"/*.changes "$WORK"/*.buildinfo "$OUT/"
