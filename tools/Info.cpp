// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Info.h"

#include "Formats.h"
#include "PhaseTexts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace luna {

namespace {

QString hemisphereKey(Hemisphere hemisphere)
{
    return hemisphere == Hemisphere::South ? QStringLiteral("south") : QStringLiteral("north");
}

} // namespace

QString phaseInfo(const RenderOptions& options)
{
    const double e = options.when ? sky::elongation(*options.when)
                                  : elongationOf(options.angle, options.hemisphere);
    const int angle = angleOfElongation(e, options.hemisphere);
    const double lit = illuminatedFraction(e);
    const PhaseId phase = phaseOf(e);

    if (options.json) {
        // The same in every language: scripts read it.
        QJsonObject object{{"elongation", e},
                           {"angle", angle},
                           {"hemisphere", hemisphereKey(options.hemisphere)},
                           {"phase", phaseSourceName(phase)},
                           {"phase_id", QString::fromLatin1(phaseKey(phase))},
                           {"illumination", lit}};
        if (options.when) {
            object.insert("date", isoUtc(*options.when));
            object.insert("age", sky::age(*options.when));
            QJsonArray next;
            for (const sky::PhaseEvent& event : sky::nextPhases(*options.when))
                next.append(QJsonObject{{"phase", phaseSourceName(PhaseId(2 * int(event.phase)))},
                                        {"date", isoUtc(event.when)}});
            object.insert("next", next);
        }
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
    }

    QString text;
    if (options.when)
        text += QCoreApplication::translate("Info", "Istante:       %1 (ora locale %2)\n")
                    .arg(utcTime(*options.when), localTime(*options.when));
    text += QCoreApplication::translate("Info", "Elongazione:   %1°\n").arg(decimal(e, 2));
    text += QCoreApplication::translate("Info", "Angolo:        %1 (il disegno, visto dall'emisfero %2)\n")
                .arg(angle)
                .arg(hemisphereName(options.hemisphere));
    text += QCoreApplication::translate("Info", "Fase:          %1\n").arg(phaseName(phase));
    text += QCoreApplication::translate("Info", "Illuminata:    %1%\n").arg(QLocale().toString(qlonglong(std::lround(lit * 100))));
    if (options.when) {
        text += QCoreApplication::translate("Info", "Età:           %1 giorni dalla luna nuova\n").arg(decimal(sky::age(*options.when), 1));
        text += QCoreApplication::translate("Info", "Prossime fasi:\n") + nextPhasesText(*options.when);
    }
    return text;
}

QString nextPhasesText(sky::Instant when)
{
    QString text;
    for (const sky::PhaseEvent& event : sky::nextPhases(when))
        text += QCoreApplication::translate("Info", "  %1  %2  (ora locale %3)\n")
                    .arg(principalPhaseName(int(event.phase)), -13)
                    .arg(utcTime(event.when), localTime(event.when));
    return text;
}

} // namespace luna
