#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every text a person reads has its English translation: lupdate, run over
# the sources into a copy of the translation, finds nothing new and nothing
# left untranslated. Argument: lupdate.
set -euo pipefail
lupdate=$1
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$source/translations/luna_en.ts" "$work/luna_en.ts"
(cd "$source" && "$lupdate" -silent -no-obsolete -locations none -disable-heuristic sametext -disable-heuristic similartext -disable-heuristic number \
    app window widgets texts options tools calendar tray -ts "$work/luna_en.ts")
cmp -s "$work/luna_en.ts" "$source/translations/luna_en.ts" \
    || fail "translations/luna_en.ts is out of date: cmake --build build --target update_translations"
unfinished=$(grep -c 'type="unfinished"' "$work/luna_en.ts" || true)
[ "$unfinished" -eq 0 ] || fail "$unfinished texts have no English translation yet"
echo "every text has its English translation"
