#!/usr/bin/env bash
# tests/screenshots/frame-windows.sh [build-folder]
# Shows the windows on the gradient with check boxes or radio buttons (options, support
# chat, status, user settings, player search, the frame with the main window) and the
# about box on a virtual X display (Xvfb) and saves each as a PNG picture in
# <build-folder>/screenshots/frame, for a person to check that every check box and
# radio button shows and every text is whole. The build folder defaults to
# build/test and must have been built (scripts/build).
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$here/build/test}" && pwd)
out="$build/screenshots/frame"
program="$build/bin/frame_test_windowlook"
[[ -x "$program" ]] || { echo "not built: $program (run scripts/build first)" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*.png
# The windows need the string component registered, in a registry file of the build tree.
export LEXMARA_REGISTRY="$build/lexmara-registry.ini"
"$build/bin/lexmara-regsvr" "$build/bin/liblexmara.so" >/dev/null

QT_QPA_PLATFORM=xcb VISTREL_SCREENSHOT_DIR="$out" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
ls -l "$out"/*.png
