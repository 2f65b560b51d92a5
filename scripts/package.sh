#!/usr/bin/env bash
# Builds the Debian package of Nocturna (nocturna_<version>_<arch>.deb) with CPack into
# build-package/, or into the folder given. The package installs under /usr and declares the
# shared libraries the programs link (found by dpkg-shlibdeps) plus the Qt platform plugins and
# fonts they load at run time. Install it with:  sudo apt-get install ./build-package/nocturna_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# CPack's Debian generator needs dpkg-shlibdeps (dpkg-dev) and file.
missing=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${NOCTURNA_PACKAGE_BUILD_DIR:-build-package}"
out_dir="$(mkdir -p "${1:-$build_dir}" && cd "${1:-$build_dir}" && pwd)"
# A release build of the two programs only: the package holds no tests or benchmarks.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DNOCTURNA_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build_dir" --target nocturna nocturna-almanac
(cd "$build_dir" && cpack -G DEB -B "$out_dir")
rm -rf "$out_dir/_CPack_Packages"
ls -l "$out_dir"/nocturna_*.deb
