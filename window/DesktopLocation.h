// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusObjectPath>
#include <QObject>
#include <QString>

class QDBusMessage;
class QTimer;

namespace luna {

// Where the desktop says the computer is, from its location service
// (GeoClue 2 on the system bus), asked as the desktop's own programs ask:
// by Luna's desktop id, so that the desktop asks the user's permission, and
// to the accuracy of a city. One question at a time; the answer comes as
// found() or failed().
class DesktopLocation : public QObject {
    Q_OBJECT

public:
    enum class Failure {
        NoService, // no location service on the system bus
        Refused,   // the user, or the desktop's rules, said no
        NoAnswer,  // no position came in time
    };
    Q_ENUM(Failure)

    explicit DesktopLocation(QObject* parent = nullptr);
    ~DesktopLocation() override;

    // Asks; a question under way is let go.
    void find();

signals:
    void found(double latitude, double longitude, double accuracyMetres);
    void failed(luna::DesktopLocation::Failure why);

private slots:
    void onLocationUpdated(const QDBusObjectPath& before, const QDBusObjectPath& now);

private:
    template <typename Reply, typename Then>
    void ask(const QDBusMessage& message, Then then);
    void startClient(const QString& client);
    void fail(Failure why);
    void stop();

    QString client_;
    bool waiting_ = false;
    QTimer* patience_ = nullptr;
    // What running out of patience means: no answer, or no bus at all.
    Failure timeout_ = Failure::NoAnswer;
};

} // namespace luna
