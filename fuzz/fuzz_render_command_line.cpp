// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// luna-render's whole command line, from arbitrary bytes: one argument a
// line, run as the program runs it, in a folder of its own. Whatever the
// arguments, it ends with a status of its own.

#include "RenderMain.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The files it writes stay in a folder of their own, and what it prints
    // goes nowhere.
    char folder[] = "/tmp/luna-fuzz-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0)
        std::abort();
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    // Paths stay inside the folder; the cycle of every angle and the largest
    // pictures are slow without being odd.
    static const QRegularExpression slow(QStringLiteral("all|\\d{4}x|x\\d{4}|count"));
    if (input.contains('/') || input.contains('\0') || slow.match(QString::fromLatin1(input)).hasMatch())
        return 0;
    QByteArrayList arguments = input.split('\n');
    if (arguments.size() > 12)
        return 0;
    arguments.prepend("luna-render");
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = int(arguments.size());
    const int status = luna::runRender(argc, argv.data());
    if (status != 0 && status != 1 && status != 2)
        __builtin_trap();
    return 0;
}
