#!/usr/bin/env bash
# Makes the README's pictures of the window, headless: builds the window program, starts it on
# Qt's offscreen platform with a 1280x860 screen at a fixed zone moment, and saves what it draws.
# The position is the one Nocturna starts with when nothing is saved (42°N 75°W, ZD +5): the
# program reads its settings from an empty temporary folder, never from yours.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${NOCTURNA_BUILD_DIR:-build}"
out_dir="${1:-docs/screenshots}"
cmake -S . -B "$build_dir" -G Ninja ${NOCTURNA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" --target nocturna
program="$(cd "$build_dir" && pwd)/app/nocturna"
mkdir -p "$out_dir"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cat > "$scratch/screen.json" <<'JSON'
{ "screens": [ { "name": "shot", "x": 0, "y": 0, "width": 1280, "height": 860,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON

# A settings file with night vision on, for the night-vision picture.
mkdir -p "$scratch/night-config/nocturna"
python3 - "$scratch/night-config/nocturna/registry.hive" <<'PY'
import sys, zlib
body = "NOCTURNA-HIVE 1\nkey \\software\\Quillon\nvalue nightvision dword 4 01000000\n"
open(sys.argv[1], "w").write(body + "crc32 %08x\n" % zlib.crc32(body.encode()))
PY

shoot() {  # shoot FILE "YYYY-MM-DD HH:MM:SS" [CONFIG-FOLDER]
  (cd "$scratch" &&
   env XDG_CONFIG_HOME="${3:-$scratch/config}" XDG_RUNTIME_DIR="$scratch" TZ=UTC \
       QT_QPA_PLATFORM="offscreen:configfile=$scratch/screen.json" \
       "$program" --zone-time "$2" --screenshot "$scratch/shot.png")
  mv "$scratch/shot.png" "$1"
  echo "wrote $1"
}

shoot "$out_dir/night.png" "2015-06-01 22:30:00"
shoot "$out_dir/day.png" "2015-06-01 14:00:00"
shoot "$out_dir/night-vision.png" "2015-06-01 22:30:00" "$scratch/night-config"
