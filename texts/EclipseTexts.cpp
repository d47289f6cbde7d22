// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EclipseTexts.h"

#include "Formats.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace luna {

namespace {

QString hourText(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, QStringLiteral("HH:mm"), zone);
}

// A phase that begins at `from` and ends at `to`: "dalle 06:09 alle 09:47".
QString span(const std::optional<sky::Instant>& from, const std::optional<sky::Instant>& to, const sky::Zone& zone)
{
    return QCoreApplication::translate("Eclipses", "dalle %1 alle %2").arg(hourText(*from, zone), hourText(*to, zone));
}

// The total or annular phase's length: "3 min 6 s".
QString durationText(double seconds)
{
    const long whole = std::lround(seconds);
    return QCoreApplication::translate("Eclipses", "%1 min %2 s").arg(whole / 60).arg(whole % 60);
}

} // namespace

QString localEclipseText(const sky::LocalEclipse& local, const sky::Zone& zone)
{
    using sky::LocalContact;
    using Type = sky::LocalEclipse::Type;
    if (local.type == Type::None)
        return QCoreApplication::translate("Eclipses", "non visibile da qui");
    QString seen;
    switch (local.type) {
    case Type::Total:
        seen = QCoreApplication::translate("Eclipses", "totale per %1").arg(durationText(local.durationSeconds));
        break;
    case Type::Annular:
        seen = QCoreApplication::translate("Eclipses", "anulare per %1").arg(durationText(local.durationSeconds));
        break;
    default:
        seen = QCoreApplication::translate("Eclipses", "parziale");
        break;
    }
    // Short of total, never "100%".
    int percent = int(std::lround(local.obscuration * 100));
    if (local.type != Type::Total)
        percent = std::min(percent, 99);

    const sky::Instant begins = *local.contact(LocalContact::C1), ends = *local.contact(LocalContact::C4);
    QString when;
    if (local.risesEclipsed() && local.setsEclipsed())
        when = QCoreApplication::translate("Eclipses", "il Sole sorge e tramonta eclissato");
    else if (local.risesEclipsed())
        when = QCoreApplication::translate("Eclipses", "il Sole sorge eclissato, fine alle %1").arg(hourText(ends, zone));
    else if (local.setsEclipsed())
        when = QCoreApplication::translate("Eclipses", "dalle %1, il Sole tramonta eclissato").arg(hourText(begins, zone));
    else
        when = span(begins, ends, zone);

    const double height = local.altitude(LocalContact::Greatest);
    const QString greatest = height > 0
        ? QCoreApplication::translate("Eclipses", "massimo alle %1 con il Sole alto %2°")
              .arg(hourText(*local.contact(LocalContact::Greatest), zone))
              .arg(std::lround(height))
        : QCoreApplication::translate("Eclipses", "massimo alle %1 con il Sole sotto l'orizzonte")
              .arg(hourText(*local.contact(LocalContact::Greatest), zone));
    return QCoreApplication::translate("Eclipses", "da qui: %1, coperto %2 del Sole, %3, %4")
        .arg(seen, thePercent(percent), when, greatest);
}

QString eclipseName(const sky::Eclipse& eclipse)
{
    using sky::EclipseType;
    if (eclipse.kind == sky::EclipseKind::Lunar) {
        switch (eclipse.type) {
        case EclipseType::Penumbral:
            return QCoreApplication::translate("Eclipses", "eclissi penombrale di Luna");
        case EclipseType::Total:
            return QCoreApplication::translate("Eclipses", "eclissi totale di Luna");
        default:
            return QCoreApplication::translate("Eclipses", "eclissi parziale di Luna");
        }
    }
    switch (eclipse.type) {
    case EclipseType::Total:
        return QCoreApplication::translate("Eclipses", "eclissi totale di Sole");
    case EclipseType::Annular:
        return QCoreApplication::translate("Eclipses", "eclissi anulare di Sole");
    case EclipseType::Hybrid:
        return QCoreApplication::translate("Eclipses", "eclissi ibrida di Sole");
    default:
        return QCoreApplication::translate("Eclipses", "eclissi parziale di Sole");
    }
}

QString eclipseTypeKey(sky::EclipseType type)
{
    switch (type) {
    case sky::EclipseType::Penumbral:
        return QStringLiteral("penumbral");
    case sky::EclipseType::Partial:
        return QStringLiteral("partial");
    case sky::EclipseType::Total:
        return QStringLiteral("total");
    case sky::EclipseType::Annular:
        return QStringLiteral("annular");
    case sky::EclipseType::Hybrid:
        return QStringLiteral("hybrid");
    }
    return {};
}

QString eclipseKindKey(sky::EclipseKind kind)
{
    return kind == sky::EclipseKind::Lunar ? QStringLiteral("lunar") : QStringLiteral("solar");
}

QString eclipseText(const sky::Eclipse& eclipse, const std::optional<sky::Place>& place)
{
    return eclipseText(sky::eclipseSeen(eclipse, place), sky::clockOf(place));
}

QString eclipseText(const sky::EclipseSeen& seenFromPlace, const sky::Zone& zone)
{
    using sky::Contact;
    const sky::Eclipse& eclipse = seenFromPlace.eclipse;
    const QString when = localTime(eclipse.greatest, zone);
    // A penumbral eclipse has no umbral magnitude worth the name.
    QString text = eclipse.type == sky::EclipseType::Penumbral
        ? QCoreApplication::translate("Eclipses", "%1  %2, magnitudine di penombra %3")
              .arg(when, eclipseName(eclipse), decimal(eclipse.penumbralMagnitude, 3))
        : QCoreApplication::translate("Eclipses", "%1  %2, magnitudine %3")
              .arg(when, eclipseName(eclipse), decimal(eclipse.magnitude, 3));
    if (eclipse.kind == sky::EclipseKind::Solar)
        return seenFromPlace.local ? text + QStringLiteral("; ") + localEclipseText(*seenFromPlace.local, zone) : text;

    QStringList phases;
    if (eclipse.contact(Contact::U1))
        phases << QCoreApplication::translate("Eclipses", "parziale %1")
                      .arg(span(eclipse.contact(Contact::U1), eclipse.contact(Contact::U4), zone));
    if (eclipse.contact(Contact::U2))
        phases << QCoreApplication::translate("Eclipses", "totale %1")
                      .arg(span(eclipse.contact(Contact::U2), eclipse.contact(Contact::U3), zone));
    if (phases.isEmpty())
        phases << QCoreApplication::translate("Eclipses", "penombra %1")
                      .arg(span(eclipse.contact(Contact::P1), eclipse.contact(Contact::P4), zone));
    text += QStringLiteral("; ") + phases.join(QStringLiteral(", "));

    if (const auto& seen = seenFromPlace.visibility)
        text += lunarVisibilityText(*seen);
    return text;
}

QString lunarVisibilityText(const sky::Visibility& seen)
{
    QStringList during;
    if (seen.penumbral)
        during << QCoreApplication::translate("Eclipses", "penombra");
    if (seen.partial)
        during << QCoreApplication::translate("Eclipses", "parziale");
    if (seen.total)
        during << QCoreApplication::translate("Eclipses", "totale");
    if (!seen.any())
        return QCoreApplication::translate("Eclipses", "; non visibile: la Luna è sotto l'orizzonte");
    if (seen.atGreatest)
        return QCoreApplication::translate("Eclipses", "; visibile al massimo (fasi: %1)").arg(during.join(QStringLiteral(", ")));
    return QCoreApplication::translate("Eclipses", "; non visibile al massimo, solo in parte (fasi: %1)").arg(during.join(QStringLiteral(", ")));
}

QString eclipseNowText(const sky::EclipseNow& now)
{
    // In the order of EclipseNow::Phase.
    static constexpr const char* phases[] = {
        QT_TRANSLATE_NOOP("Eclipses", "fase di penombra, magnitudine di penombra %1"),
        QT_TRANSLATE_NOOP("Eclipses", "fase parziale, magnitudine %1"),
        QT_TRANSLATE_NOOP("Eclipses", "totalità, magnitudine %1"),
        QT_TRANSLATE_NOOP("Eclipses", "fase anulare, magnitudine %1")};
    const QString phase = QCoreApplication::translate("Eclipses", phases[int(now.phase)]);
    QString text = QCoreApplication::translate("Eclipses", "%1 in corso: %2")
                       .arg(eclipseName(now.seen.eclipse), phase.arg(decimal(now.magnitude, 3)));
    if (!now.seenNow)
        text += now.seen.eclipse.kind == sky::EclipseKind::Lunar
            ? QCoreApplication::translate("Eclipses", "; da qui la Luna è sotto l'orizzonte")
            : QCoreApplication::translate("Eclipses", "; da qui il Sole è sotto l'orizzonte");
    return text;
}

} // namespace luna
