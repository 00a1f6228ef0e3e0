#!/usr/bin/env bash
# Checks the desktop entry: desktop-file-validate has nothing to say about it, hints included
# (a missing main category only earns a hint, and hides the game in a catch-all menu), and its
# icon is the one the build installs, named like the entry.
# Arguments: desktop entry.
set -euo pipefail
entry=$1
status=0

messages=$(desktop-file-validate "$entry" 2>&1) || status=1
if [ -n "$messages" ]; then
    echo "$messages"
    status=1
fi

id=$(basename "$entry" .desktop)
icon=$(sed -n 's/^Icon=//p' "$entry")
if [ "$icon" != "$id" ]; then
    echo "The entry's icon is '$icon'; the installed icon is named $id."
    status=1
fi
exit $status
