#include "Info.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <ctime>

namespace luna {

namespace {

enum class Zone { Utc, Local };

QString formatted(sky::Instant when, const char* format, Zone zone)
{
    const std::time_t t = when.time_since_epoch().count();
    std::tm civil{};
    if (zone == Zone::Utc)
        gmtime_r(&t, &civil);
    else
        localtime_r(&t, &civil);
    char text[64];
    std::strftime(text, sizeof text, format, &civil);
    return QString::fromLocal8Bit(text);
}

QString isoUtc(sky::Instant when)
{
    return formatted(when, "%Y-%m-%dT%H:%M:%SZ", Zone::Utc);
}

QString localTime(sky::Instant when)
{
    return formatted(when, "%Y-%m-%d %H:%M %Z", Zone::Local);
}

QString utcTime(sky::Instant when)
{
    return isoUtc(when).first(16).replace(u'T', u' ') + QStringLiteral(" UTC");
}

// A number as Italians write it, with a decimal comma.
QString decimal(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

QString hemisphereName(Hemisphere hemisphere)
{
    return hemisphere == Hemisphere::South ? QStringLiteral("south") : QStringLiteral("north");
}

QString name(double elongation)
{
    return QString::fromStdString(phaseName(elongation));
}

constexpr double quarterElongation[] = {0, 90, 180, 270};

} // namespace

QString phaseInfo(const RenderOptions& options)
{
    const double e = options.when ? sky::elongation(*options.when)
                                  : elongationOf(options.angle, options.hemisphere);
    const int angle = angleOfElongation(e, options.hemisphere);
    const double lit = illuminatedFraction(e);

    if (options.json) {
        QJsonObject object{{"elongation", e},
                           {"angle", angle},
                           {"hemisphere", hemisphereName(options.hemisphere)},
                           {"phase", name(e)},
                           {"illumination", lit}};
        if (options.when) {
            object.insert("date", isoUtc(*options.when));
            object.insert("age", sky::age(*options.when));
            QJsonArray next;
            for (const sky::PhaseEvent& event : sky::nextPhases(*options.when))
                next.append(QJsonObject{{"phase", name(quarterElongation[int(event.phase)])},
                                        {"date", isoUtc(event.when)}});
            object.insert("next", next);
        }
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
    }

    QString text;
    if (options.when)
        text += QStringLiteral("Istante:       %1 (ora locale %2)\n")
                    .arg(utcTime(*options.when), localTime(*options.when));
    text += QStringLiteral("Elongazione:   %1°\n").arg(decimal(e, 2));
    text += QStringLiteral("Angolo:        %1 (il disegno, visto dall'emisfero %2)\n")
                .arg(angle)
                .arg(options.hemisphere == Hemisphere::South ? u"sud" : u"nord");
    text += QStringLiteral("Fase:          %1\n").arg(name(e));
    text += QStringLiteral("Illuminata:    %1%\n").arg(std::lround(lit * 100));
    if (options.when) {
        text += QStringLiteral("Età:           %1 giorni dalla luna nuova\n")
                    .arg(decimal(sky::age(*options.when), 1));
        text += QStringLiteral("Prossime fasi:\n") + nextPhasesText(*options.when);
    }
    return text;
}

QString nextPhasesText(sky::Instant when)
{
    QString text;
    for (const sky::PhaseEvent& event : sky::nextPhases(when))
        text += QStringLiteral("  %1  %2  (ora locale %3)\n")
                    .arg(name(quarterElongation[int(event.phase)]), -13)
                    .arg(utcTime(event.when), localTime(event.when));
    return text;
}

} // namespace luna
