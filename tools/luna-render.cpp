// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RenderMain.h"

int main(int argc, char* argv[])
{
    return luna::runRender(argc, argv);
}
