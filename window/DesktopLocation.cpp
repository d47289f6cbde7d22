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
#include <type_traits>

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

// Sends `message` on the system bus; its answer goes to `then` while the
// question stands, its error to fail().
template <typename Reply, typename Then>
void DesktopLocation::ask(const QDBusMessage& message, Then then)
{
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, then](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<Reply> reply = *done;
        if (!waiting_)
            return;
        if (reply.isError())
            return fail(failureOf(reply.error()));
        if constexpr (std::is_void_v<Reply>)
            then();
        else
            then(reply.value());
    });
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
    ask<QDBusObjectPath>(call(QStringLiteral("/org/freedesktop/GeoClue2/Manager"), QStringLiteral("org.freedesktop.GeoClue2.Manager"),
                              QStringLiteral("GetClient")),
                         [this](const QDBusObjectPath& client) { startClient(client.path()); });
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
    ask<void>(call(client_, clientInterface, QStringLiteral("Start")), [] {});
}

void DesktopLocation::onLocationUpdated(const QDBusObjectPath&, const QDBusObjectPath& now)
{
    if (!waiting_)
        return;
    ask<QVariantMap>(call(now.path(), properties, QStringLiteral("GetAll"), {QStringLiteral("org.freedesktop.GeoClue2.Location")}),
                     [this](const QVariantMap& values) {
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
