// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace luna {

// luna-render as a whole, from its command line to its exit status: 0 done,
// 1 a file could not be written, 2 a mistake in the arguments, 130
// interrupted. Creates and destroys its own application object.
int runRender(int argc, char* argv[]);

} // namespace luna
