// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawLuna.h"
#include "Formats.h"
#include "PhaseDescription.h"
#include "PhaseTexts.h"

#include <QTest>

using namespace luna;

Q_DECLARE_METATYPE(luna::Hemisphere)

class TestPhaseDescription : public QObject {
    Q_OBJECT

private slots:
    void describesEachBoundary_data();
    void describesEachBoundary();
    void namesRoundTheElongation();
    void anglesShowTheElongation_data();
    void anglesShowTheElongation();
    void articlesFollowTheNumbersSound_data();
    void articlesFollowTheNumbersSound();
    void longDatesKeepTheLocalesOrder_data();
    void longDatesKeepTheLocalesOrder();
};

void TestPhaseDescription::describesEachBoundary_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<Hemisphere>("hemisphere");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("key");

    // In the north the picture at angle a shows elongation 360 - a, in the
    // south elongation a; each row is named by the elongation it shows.
    struct Row {
        int elongation;
        const char* description;
        const char* key;
    };
    const Row rows[] = {
        {0, "Luna nuova, illuminata allo 0%", "new_moon"},
        {1, "Luna crescente, illuminata allo 0%", "waxing_crescent"},
        {89, "Luna crescente, illuminata al 49%", "waxing_crescent"},
        {90, "Primo quarto, illuminata al 50%", "first_quarter"},
        {91, "Gibbosa crescente, illuminata al 51%", "waxing_gibbous"},
        {179, "Gibbosa crescente, illuminata al 100%", "waxing_gibbous"},
        {180, "Luna piena, illuminata al 100%", "full_moon"},
        {181, "Gibbosa calante, illuminata al 100%", "waning_gibbous"},
        {269, "Gibbosa calante, illuminata al 51%", "waning_gibbous"},
        {270, "Ultimo quarto, illuminata al 50%", "last_quarter"},
        {271, "Luna calante, illuminata al 49%", "waning_crescent"},
        {359, "Luna calante, illuminata allo 0%", "waning_crescent"},
    };
    for (const Row& row : rows) {
        QTest::addRow("north, e %d", row.elongation)
            << double((360 - row.elongation) % 360) << Hemisphere::North << row.description
            << row.key;
        QTest::addRow("south, e %d", row.elongation)
            << double(row.elongation) << Hemisphere::South << row.description << row.key;
    }
    QTest::newRow("north by default, a 90") << 90.0 << Hemisphere::North
                                            << "Ultimo quarto, illuminata al 50%" << "last_quarter";
    QTest::newRow("angle normalised, a -90") << -90.0 << Hemisphere::North
                                             << "Primo quarto, illuminata al 50%" << "first_quarter";
}

void TestPhaseDescription::describesEachBoundary()
{
    QFETCH(double, angle);
    QFETCH(Hemisphere, hemisphere);
    QFETCH(QString, description);
    QFETCH(QString, key);
    const double e = elongationOf(angle, hemisphere);
    QCOMPARE(phaseDescription(e), description);
    QCOMPARE(QString::fromLatin1(phaseKey(phaseOf(e))), key);
}

void TestPhaseDescription::namesRoundTheElongation()
{
    QCOMPARE(elongationOf(90), 270.0);
    QCOMPARE(phaseOf(359.5), PhaseId::NewMoon);
    QCOMPARE(phaseOf(89.5), PhaseId::FirstQuarter);
    QCOMPARE(phaseOf(180.4), PhaseId::FullMoon);
    QCOMPARE(sky::illuminatedFraction(60), 0.25);
}

void TestPhaseDescription::anglesShowTheElongation_data()
{
    QTest::addColumn<double>("elongation");
    QTest::addColumn<Hemisphere>("hemisphere");
    QTest::addColumn<int>("angle");

    QTest::newRow("new, north") << 0.0 << Hemisphere::North << 0;
    QTest::newRow("first quarter, north: right half") << 90.0 << Hemisphere::North << 270;
    QTest::newRow("first quarter, south: left half") << 90.0 << Hemisphere::South << 90;
    QTest::newRow("full, both") << 180.0 << Hemisphere::North << 180;
    QTest::newRow("half to even, north 359.5") << 0.5 << Hemisphere::North << 0;
    QTest::newRow("half to even, south 2.5") << 2.5 << Hemisphere::South << 2;
    QTest::newRow("just before new, south") << 359.7 << Hemisphere::South << 0;
    QTest::newRow("just after new, north") << 0.3 << Hemisphere::North << 0;
}

void TestPhaseDescription::anglesShowTheElongation()
{
    QFETCH(double, elongation);
    QFETCH(Hemisphere, hemisphere);
    QFETCH(int, angle);
    QCOMPARE(angleOfElongation(elongation, hemisphere), angle);
    QCOMPARE(elongationOf(angle, hemisphere), double(normalisedAngle(elongation)));
}

void TestPhaseDescription::articlesFollowTheNumbersSound_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("the");

    QTest::newRow("zero") << 0 << "allo 0%" << "lo 0%";
    QTest::newRow("uno") << 1 << "all'1%" << "l'1%";
    QTest::newRow("due") << 2 << "al 2%" << "il 2%";
    QTest::newRow("otto") << 8 << "all'8%" << "l'8%";
    QTest::newRow("undici") << 11 << "all'11%" << "l'11%";
    QTest::newRow("diciotto") << 18 << "al 18%" << "il 18%";
    QTest::newRow("cinquanta") << 50 << "al 50%" << "il 50%";
    QTest::newRow("ottanta") << 80 << "all'80%" << "l'80%";
    QTest::newRow("ottantanove") << 89 << "all'89%" << "l'89%";
    QTest::newRow("novanta") << 90 << "al 90%" << "il 90%";
    QTest::newRow("cento") << 100 << "al 100%" << "il 100%";
}

void TestPhaseDescription::articlesFollowTheNumbersSound()
{
    QFETCH(int, percent);
    QFETCH(QString, at);
    QFETCH(QString, the);
    QCOMPARE(atThePercent(percent), at);
    QCOMPARE(thePercent(percent), the);
}

void TestPhaseDescription::longDatesKeepTheLocalesOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("withoutYear");
    QTest::addColumn<QString>("dayAndMonth");
    QTest::newRow("Italian") << "it_IT" << "mercoledì 30 dicembre" << "30 dicembre";
    QTest::newRow("American") << "en_US" << "Wednesday, December 30" << "December 30";
    QTest::newRow("British") << "en_GB" << "Wednesday, 30 December" << "30 December";
}

// Every date in a month's lists is the locale's long date, less the year
// (and the weekday), in the locale's own order.
void TestPhaseDescription::longDatesKeepTheLocalesOrder()
{
    QFETCH(QString, locale);
    QFETCH(QString, withoutYear);
    QFETCH(QString, dayAndMonth);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const QDate day(2026, 12, 30);
    QCOMPARE(QLocale().toString(day, longDateFormat(DateParts::WithoutYear)), withoutYear);
    QCOMPARE(QLocale().toString(day, longDateFormat(DateParts::DayAndMonth)), dayAndMonth);
    QLocale::setDefault(before);
}

QTEST_APPLESS_MAIN(TestPhaseDescription)
#include "tst_phasedescription.moc"
