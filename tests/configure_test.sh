#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Luna configures without Google Benchmark: the programs and the tests are
# there to build, the benchmark is left out with a word. Argument: the
# source folder.
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake -G Ninja -S "$source" -B "$work" -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$work/configure.log" 2>&1 \
    || { cat "$work/configure.log" >&2; fail "does not configure without Google Benchmark"; }
grep -q "luna_bench is not built" "$work/configure.log" || fail "no word that the benchmark is left out"
targets=$(ninja -C "$work" -t targets all)
for target in app/luna tools/luna-render tests/tst_render; do
    grep -q "^$target:" <<<"$targets" || fail "$target is not built"
done
! grep -q "^bench/luna_bench:" <<<"$targets" || fail "luna_bench is built without Google Benchmark"
echo "configures without Google Benchmark"
