#!/bin/sh
# Checks the desktop entry and the AppStream metainfo with the desktop's own validators.
#   validate-metadata.sh DESKTOP-FILE METAINFO-FILE
# Exits 77 (skipped) when neither validator is installed.
desktop="$1"
metainfo="$2"
ran=0
failed=0
if command -v desktop-file-validate >/dev/null 2>&1; then
    ran=1
    echo "desktop-file-validate $desktop"
    desktop-file-validate "$desktop" || failed=1
else
    echo "note: desktop-file-validate is not installed (package desktop-file-utils): desktop entry not checked"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    ran=1
    echo "appstreamcli validate --no-net $metainfo"
    appstreamcli validate --no-net "$metainfo" || failed=1
else
    echo "note: appstreamcli is not installed (package appstream): metainfo not checked"
fi
# The game has no web home of its own yet: the metainfo names no web address (a homepage or a
# screenshot on a domain the project does not control would point users at someone else's site).
if grep -n -E 'https?://' "$metainfo"; then
    echo "error: the metainfo names a web address"
    exit 1
fi
if [ "$ran" -eq 0 ]; then
    echo "skipped: neither desktop-file-validate nor appstreamcli is installed"
    exit 77
fi
exit "$failed"
