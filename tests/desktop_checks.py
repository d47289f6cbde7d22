# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the desktop's tests share: a check that is counted, a wait for a
condition, and the verdict at the end."""

import time

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)


def wait_for(find, seconds=15):
    """What `find` returns once it is something, or its last answer after
    `seconds`."""
    for _ in range(int(seconds * 10)):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return find()


def verdict(name):
    """The test's exit status, said in a line."""
    if failures:
        print(f"{name}: FAILED:", "; ".join(failures))
        return 1
    print(f"{name}: all checks passed")
    return 0
