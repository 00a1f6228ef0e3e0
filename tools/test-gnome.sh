#!/usr/bin/env bash
# The game on the desktop a new Debian 13 user gets, GNOME 48 on Wayland (headless), at monitor
# scales 1, 2 and 1.5, and at 1 with Qt's own scale factor on top: what Orca says and brailles in
# the flows of the X11 Orca test, with GNOME's magnifier centred on each focused control; and,
# given the screen reader test, its walk of every showing object, whose extents must be in the
# compositor's own coordinates. Installs what it needs (root); run it in the Debian 13 root, on a
# built tree:
#   tools/test-in-debian.sh trixie bash tools/test-gnome.sh build/vorlakin build/tests/tst_screen_reader
#   tools/test-gnome.sh PROGRAM [TST_SCREEN_READER]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:?usage: tools/test-gnome.sh PROGRAM [TST_SCREEN_READER]}
walk=${2:-}
[ -x "$program" ] || { echo "no program at $program: build the tree first" >&2; exit 1; }
bash tools/install-deps.sh --tests --gnome

status=0
# The monitor's scale, and QT_SCALE_FACTOR (none where empty).
for run in "1 " "2 " "1.5 " "1 1.5"; do
    read -r scale qt <<<"$run"
    echo "== Orca and the magnifier on GNOME, Wayland, scale $scale${qt:+, QT_SCALE_FACTOR $qt}"
    timeout 600 env ${qt:+QT_SCALE_FACTOR=$qt} python3 tests/orca/test_orca_speech.py \
        --session gnome --scale "$scale" --program "$program" || status=1
    if [ -n "$walk" ]; then
        echo "== Every showing object where it shows, same desktop"
        timeout 240 env ${qt:+QT_SCALE_FACTOR=$qt} python3 tests/orca/gnome_session.py \
            --scale "$scale" -- "$walk" everyShowingObjectIsWhereItShows \
            extentsAreInTheDisplayUnit theCaretHasAPlaceAtTheEndOfTheText || status=1
    fi
done
exit $status
