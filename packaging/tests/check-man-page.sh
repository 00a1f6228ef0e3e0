#!/usr/bin/env bash
# Checks the manual page: man formats it without a single warning, and it names every item of
# the main window's menus, so a new item cannot go undocumented.
# Arguments: manual page, the main window's source.
set -euo pipefail
page=$1 window_source=$2
status=0

warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null) || status=1
if [ -n "$warnings" ]; then
    echo "man warns about $page:"
    echo "$warnings"
    status=1
fi

captions=$(grep -o 'addItem("mnu[A-Za-z]*", QStringLiteral("[^"]*")' "$window_source" |
    sed 's/.*QStringLiteral("\([^"]*\)")/\1/')
if [ -z "$captions" ]; then
    echo "Found no menu items in $window_source: has the way menus are declared changed?"
    status=1
fi
while IFS= read -r caption; do
    if ! grep -qF -- "$caption" "$page"; then
        echo "The manual page does not mention the menu item '$caption'."
        status=1
    fi
done <<<"$captions"
exit $status
