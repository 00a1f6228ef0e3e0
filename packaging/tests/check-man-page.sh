#!/usr/bin/env bash
# Checks the manual page: man formats it without a single warning, and it names every item of
# the main window's menus, so a new item cannot go undocumented.
# Arguments: manual page, the main window's menu table (forms/main/MainMenu.cpp).
set -euo pipefail
page=$1 menu_table=$2
status=0

warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null) || status=1
if [ -n "$warnings" ]; then
    echo "man warns about $page:"
    echo "$warnings"
    status=1
fi

# Each item's row: its menu's name, its own, its caption.
captions=$(grep -o '{"mnu[A-Za-z]*", "mnu[A-Za-z]*", "[^"]*"' "$menu_table" |
    sed 's/.*"\([^"]*\)"$/\1/' || true)
if [ -z "$captions" ]; then
    echo "Found no menu items in $menu_table: has the way menus are declared changed?"
    status=1
fi
while IFS= read -r caption; do
    if ! grep -qF -- "$caption" "$page"; then
        echo "The manual page does not mention the menu item '$caption'."
        status=1
    fi
done <<<"$captions"
exit $status
