// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhaseTexts.h"

#include "Formats.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

namespace luna {

namespace {

constexpr std::array<const char*, 8> names{
    QT_TRANSLATE_NOOP("Phase", "Luna nuova"),
    QT_TRANSLATE_NOOP("Phase", "Luna crescente"),
    QT_TRANSLATE_NOOP("Phase", "Primo quarto"),
    QT_TRANSLATE_NOOP("Phase", "Gibbosa crescente"),
    QT_TRANSLATE_NOOP("Phase", "Luna piena"),
    QT_TRANSLATE_NOOP("Phase", "Gibbosa calante"),
    QT_TRANSLATE_NOOP("Phase", "Ultimo quarto"),
    QT_TRANSLATE_NOOP("Phase", "Luna calante"),
};

} // namespace

QString phaseName(PhaseId phase)
{
    return QCoreApplication::translate("Phase", names[std::size_t(phase)]);
}

QString phaseSourceName(PhaseId phase)
{
    return QString::fromUtf8(names[std::size_t(phase)]);
}

QString phaseDescription(double elongation)
{
    const int percent = int(std::lround(sky::illuminatedFraction(elongation) * 100));
    return QCoreApplication::translate("Phase", "%1, illuminata %2")
        .arg(phaseName(phaseOf(elongation)), atThePercent(percent));
}

QString principalPhaseName(int quarter)
{
    return phaseName(PhaseId(2 * (quarter % 4)));
}

QString hemisphereName(Hemisphere hemisphere)
{
    return hemisphere == Hemisphere::South ? QCoreApplication::translate("Phase", "sud")
                                           : QCoreApplication::translate("Phase", "nord");
}

} // namespace luna
