// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>

namespace luna {

// A file that could not be written; what() names the file and why, in the
// user's language.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace luna
