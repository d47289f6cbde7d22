// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Trova la mia posizione" against a stand-in for GeoClue 2 on a private
// bus of the test's own, which Luna takes for the system bus
// (DBUS_SYSTEM_BUS_ADDRESS): a position found, permission refused, and no
// service at all.

#include "Language.h"
#include "PlaceDialog.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace luna;

class TestLocation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void findsThePlace_data();
    void findsThePlace();

private:
    QProcess bus;
};

void TestLocation::initTestCase()
{
    qputenv("LANGUAGE", "it");
    speakUsersLanguage(*qApp);
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                              QStringLiteral("--print-address=1")});
    QVERIFY(bus.waitForStarted());
    QTRY_VERIFY(bus.canReadLine());
    const QByteArray address = bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    QVERIFY(QDBusConnection::systemBus().isConnected());
}

void TestLocation::cleanupTestCase()
{
    bus.terminate();
    bus.waitForFinished();
}

void TestLocation::findsThePlace_data()
{
    QTest::addColumn<QStringList>("standIn");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("said");

    // The Duomo of Milan (45.4642 N, 9.1916 E): GeoNames' Milano lies
    // within a kilometre. The Colosseum (41.8902 N, 12.4922 E) lies 1.6 km
    // from GeoNames' Rome (41.89193 N, 12.51133 E).
    QTest::newRow("found") << QStringList{"found", "45.4642", "9.1916"} << QStringLiteral("Milano, Lombardia, Italia")
                           << QStringLiteral("La tua posizione: 45,46° N, 9,19° E, a meno di un chilometro da Milano, Lombardia, Italia.");
    QTest::newRow("found, a city away") << QStringList{"found", "41.8902", "12.4922"} << QStringLiteral("Roma, Lazio, Italia")
                                        << QStringLiteral("La tua posizione: 41,89° N, 12,49° E, a 2 km da Roma, Lazio, Italia.");
    QTest::newRow("refused") << QStringList{"refused"} << QStringLiteral("Roma")
                             << QStringLiteral("non ha concesso la posizione");
    QTest::newRow("no service") << QStringList{} << QStringLiteral("Roma")
                                << QStringLiteral("non ha un servizio di localizzazione");
}

void TestLocation::findsThePlace()
{
    QFETCH(QStringList, standIn);
    QFETCH(QString, field);
    QFETCH(QString, said);

    QProcess service;
    service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!standIn.isEmpty()) {
        service.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(LUNA_GEOCLUE)} + standIn);
        QTRY_VERIFY(QDBusConnection::systemBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.GeoClue2")));
    }
    const auto stop = qScopeGuard([&service] {
        service.terminate();
        service.waitForFinished();
    });

    PlaceDialog dialog(QStringLiteral("Roma"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QString before = dialog.resolved->text();
    QTest::mouseClick(dialog.locate, Qt::LeftButton);
    QVERIFY(!dialog.locate->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.locate->isEnabled(), 10000);

    QCOMPARE(dialog.field->text(), field);
    if (standIn.value(0) == QLatin1String("found")) {
        QVERIFY2(dialog.resolved->text().startsWith(said), qPrintable(dialog.resolved->text()));
        QVERIFY(dialog.problem->isHidden());
        // Luna named itself, so that the desktop could ask the user.
        QByteArray heard;
        QTRY_VERIFY2((heard += service.readAllStandardOutput()).contains("DesktopId = io.github.luna.Luna"), heard.constData());
        QCOMPARE(dialog.choice(), field);
    } else {
        // Nothing changes but the word of why.
        QCOMPARE(dialog.resolved->text(), before);
        QVERIFY(dialog.problem->isVisible());
        QVERIFY2(dialog.problem->text().contains(said), qPrintable(dialog.problem->text()));
        QCOMPARE(dialog.locate->toolTip(), dialog.problem->text());
    }
}

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
