#!/usr/bin/env bash
# Fails when a shipped language has a text that is unfinished or no longer used: the program's
# texts (translations/*.ts, checked against the sources as lupdate reads them now) and the
# launcher entry's and AppStream metadata's (data/po/*.po, against the templates).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

cp translations/*.ts "$work/"
"$lupdate" -silent -locations none src -ts $(ls "$work"/*.ts | grep -v '_en\.ts$')
# English holds only the plural forms ("1 file", "2 files").
"$lupdate" -silent -locations none -pluralonly src -ts "$work/korvane_en.ts"
for ts in "$work"/*.ts; do
    name=$(basename "$ts")
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    gone=$(grep -c -E 'type="(obsolete|vanished)"' "$ts" || true)
    if [ "$unfinished" != 0 ] || [ "$gone" != 0 ]; then
        echo "translations/$name: $unfinished unfinished, $gone no longer used"
        status=1
    fi
done

xgettext --from-code=UTF-8 --package-name=korvane --foreign-user -o "$work/korvane.pot" \
    data/org.korvane.Korvane.desktop.in data/org.korvane.Korvane.metainfo.xml.in
for po in data/po/*.po; do
    msgmerge --quiet --no-fuzzy-matching -o "$work/merged.po" "$po" "$work/korvane.pot"
    stats=$(msgfmt --check --statistics -o /dev/null "$work/merged.po" 2>&1)
    gone=$(grep -c '^#~ msgid' "$work/merged.po" || true)
    if ! grep -q -E '^[0-9]+ translated messages?\.$' <<<"$stats" || [ "$gone" != 0 ]; then
        echo "$po: $stats; $gone no longer used"
        status=1
    fi
done

[ "$status" = 0 ] && echo "Every shipped language is complete."
exit "$status"
