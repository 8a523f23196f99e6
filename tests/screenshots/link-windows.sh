#!/usr/bin/env bash
# tests/screenshots/link-windows.sh [build-folder]
# Shows the server settings, user settings and status windows on a virtual X display
# (Xvfb) and saves each as a PNG picture in <build-folder>/screenshots, for a person to
# check that every caption and value is readable. The build folder defaults to
# build/test and must have been built (scripts/build).
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$here/build/test}" && pwd)
out="$build/screenshots"
program="$build/bin/linkwindows_test_windowlayout"
[[ -x "$program" ]] || { echo "not built: $program (run scripts/build first)" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*Window.png
# The windows need the string component registered, in a registry file of the build tree.
export LEXMARA_REGISTRY="$build/lexmara-registry.ini"
"$build/bin/lexmara-regsvr" "$build/bin/liblexmara.so" >/dev/null

QT_QPA_PLATFORM=xcb VISTREL_SCREENSHOT_DIR="$out" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
ls -l "$out"/*Window.png
