// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopLocation.h"

#include "Identity.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

#include <cmath>

namespace luna {

namespace {

const QString service = QStringLiteral("org.freedesktop.GeoClue2");
const QString clientInterface = QStringLiteral("org.freedesktop.GeoClue2.Client");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

// GeoClue's accuracy levels: a city is all the Moon needs.
constexpr uint cityAccuracy = 4;

// How long the user and the service may take: a permission asked waits for
// the person.
constexpr int patienceMs = 60000;

QDBusMessage call(const QString& path, const QString& interface, const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return message;
}

QDBusMessage propertySetting(const QString& client, const QString& name, const QVariant& value)
{
    return call(client, properties, QStringLiteral("Set"), {clientInterface, name, QVariant::fromValue(QDBusVariant(value))});
}

DesktopLocation::Failure failureOf(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownMethod:
        return DesktopLocation::Failure::NoService;
    case QDBusError::AccessDenied:
        return DesktopLocation::Failure::Refused;
    default:
        return DesktopLocation::Failure::NoAnswer;
    }
}

} // namespace

DesktopLocation::DesktopLocation(QObject* parent)
    : QObject(parent)
    , patience_(new QTimer(this))
{
    patience_->setSingleShot(true);
    connect(patience_, &QTimer::timeout, this, [this] { fail(timeout_); });
}

DesktopLocation::~DesktopLocation()
{
    stop();
}

void DesktopLocation::find()
{
    stop();
    QDBusConnection bus = QDBusConnection::systemBus();
    waiting_ = true;
    if (!bus.isConnected()) {
        // Said once the caller is ready to hear it.
        timeout_ = Failure::NoService;
        patience_->start(0);
        return;
    }
    timeout_ = Failure::NoAnswer;
    patience_->start(patienceMs);
    auto* reply = new QDBusPendingCallWatcher(
        bus.asyncCall(call(QStringLiteral("/org/freedesktop/GeoClue2/Manager"), QStringLiteral("org.freedesktop.GeoClue2.Manager"),
                           QStringLiteral("GetClient"))),
        this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> client = *done;
        if (!waiting_)
            return;
        if (client.isError())
            return fail(failureOf(client.error()));
        startClient(client.value().path());
    });
}

// The client says who asks and how exactly, then starts; the position
// arrives as LocationUpdated.
void DesktopLocation::startClient(const QString& client)
{
    client_ = client;
    QDBusConnection bus = QDBusConnection::systemBus();
    bus.connect(service, client_, clientInterface, QStringLiteral("LocationUpdated"), this,
                SLOT(onLocationUpdated(QDBusObjectPath, QDBusObjectPath)));
    bus.asyncCall(propertySetting(client_, QStringLiteral("DesktopId"), applicationId()));
    bus.asyncCall(propertySetting(client_, QStringLiteral("RequestedAccuracyLevel"), cityAccuracy));
    auto* started = new QDBusPendingCallWatcher(bus.asyncCall(call(client_, clientInterface, QStringLiteral("Start"))), this);
    connect(started, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<> reply = *done;
        if (reply.isError() && waiting_)
            fail(failureOf(reply.error()));
    });
}

void DesktopLocation::onLocationUpdated(const QDBusObjectPath&, const QDBusObjectPath& now)
{
    if (!waiting_)
        return;
    QDBusMessage ask = call(now.path(), properties, QStringLiteral("GetAll"), {QStringLiteral("org.freedesktop.GeoClue2.Location")});
    auto* reply = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(ask), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QVariantMap> location = *done;
        if (!waiting_)
            return;
        if (location.isError())
            return fail(failureOf(location.error()));
        const QVariantMap values = location.value();
        bool north = false, east = false;
        const double latitude = values.value(QStringLiteral("Latitude")).toDouble(&north);
        const double longitude = values.value(QStringLiteral("Longitude")).toDouble(&east);
        const double accuracy = values.value(QStringLiteral("Accuracy")).toDouble();
        if (!north || !east || std::abs(latitude) > 90 || std::abs(longitude) > 180)
            return fail(Failure::NoAnswer);
        stop();
        emit found(latitude, longitude, accuracy);
    });
}

void DesktopLocation::fail(Failure why)
{
    stop();
    emit failed(why);
}

void DesktopLocation::stop()
{
    waiting_ = false;
    patience_->stop();
    if (client_.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    bus.disconnect(service, client_, clientInterface, QStringLiteral("LocationUpdated"), this,
                   SLOT(onLocationUpdated(QDBusObjectPath, QDBusObjectPath)));
    bus.asyncCall(call(client_, clientInterface, QStringLiteral("Stop")));
    client_.clear();
}

} // namespace luna
