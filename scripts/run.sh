#!/usr/bin/env bash
# Installs what is missing, builds Durnik and starts it with the shipped mask and sample
# pictures. Without a display it converts the samples with durnik-batch instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset run >/dev/null
build=build/run
targets=(durnik-batch)
if ninja -C "$build" -t targets all | grep -q '^durnik:'; then
    targets+=(durnik)
fi
cmake --build --preset run -j 2 --target "${targets[@]}"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    if [ ! -x "$build/durnik" ]; then
        echo "The window program was not built; see the build output above." >&2
        exit 1
    fi
    exec "$build/durnik" "$@"
fi

output="${DURNIK_SAMPLE_TILES:-$PWD/sample-tiles}"
mkdir -p "$output"
echo "There is no display here, so the window cannot open."
echo "Converting the sample pictures of $build/bmp into $output with durnik-batch:"
"$build/durnik-batch" "$build/bmp" "$output"
cat <<TEXT

To start the window, run this script from a graphical session (DISPLAY or WAYLAND_DISPLAY
set), or here under a virtual display:  xvfb-run -a $build/durnik
TEXT
