#!/usr/bin/env bash
# Checks the configured AppStream metainfo: valid without network access, its newest release is
# the project's version, and each screenshot it names is one of the pictures in docs/.
# Arguments: metainfo file, project version, docs folder.
set -euo pipefail
metainfo=$1 version=$2 docs=$3
status=0

appstreamcli validate --no-net "$metainfo" || status=1

newest=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
if [ "$newest" != "$version" ]; then
    echo "The newest release in the metainfo is '$newest', the project's version is $version:"
    echo "add a <release> for $version."
    status=1
fi

shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|.*/\([^/<]*\)</image>|\1|')
if [ -z "$shots" ]; then
    echo "The metainfo names no screenshot."
    status=1
fi
for shot in $shots; do
    if [ ! -f "$docs/$shot" ]; then
        echo "The metainfo shows $shot, which is not in docs/."
        status=1
    fi
done
exit $status
