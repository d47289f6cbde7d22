// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhasePicture.h"
#include "PictureGeometry.h"
#include "Formats.h"
#include "Render.h"

#include <QDateTime>
#include <QDir>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QRegularExpression>

#include <cmath>
#include <csignal>

using namespace luna;

namespace {

// Language variables, LANG, LANGUAGE and the like, with their values; and
// TZ, Europe/Rome unless given.
using Language = QMap<QString, QString>;

struct Run {
    int status = -1;
    QString out, err;
};

// Runs luna-render with the language variables set as given ("" unsets).
Run render(const QStringList& arguments, const Language& language = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Rome"));
    for (auto variable = language.begin(); variable != language.end(); ++variable)
        environment.insert(variable.key(), variable.value());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUNA_RENDER), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The tone at a point `fraction` of the radius across the disc, and `up` of
// it upwards, in a picture drawn by the window's rule.
QColor at(const QImage& image, double across, double up = 0)
{
    const double r = image.width() / 3.0;
    return image.pixelColor(QPointF(image.width() / 2.0 + across * r,
                                    image.height() / 2.0 - up * r).toPoint());
}

} // namespace

class TestRender : public QObject {
    Q_OBJECT

private slots:
    void init();

    void picturesShowThePhase_data();
    void picturesShowThePhase();
    void svgAgreesWithPng();
    void textMoon_data();
    void textMoon();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void infoAsJson_data();
    void infoAsJson();
    void plannersAnswerInJson_data();
    void plannersAnswerInJson();
    void nightChartIsDrawn();
    void nightTextAgreesWithItsJson();
    void crescentTextAgreesWithItsJson();
    void crescentMapIsDrawn();
    void infoTellsTheHijriDate_data();
    void infoTellsTheHijriDate();
    void calendarTellsTheHijriMonths();
    void eclipsesAreListed();
    void solarEclipsesFromAPlace();
    void timesInThePlacesZone();
    void asSeenTurnsTheBrightLimb_data();
    void asSeenTurnsTheBrightLimb();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();
    void helpAndVersion();
    void infoTellsAnEclipseUnderWay_data();
    void infoTellsAnEclipseUnderWay();
    void timesAreRoundedToTheNearestMinute_data();
    void timesAreRoundedToTheNearestMinute();
    void infoAndMonthAgreeOnTheMinute();
    void cycleIsWrittenWhole();
    void faceIsDrawn();
    void everySpellingEndsCleanly_data();
    void everySpellingEndsCleanly();

private:
    std::unique_ptr<QTemporaryDir> folder;
};

void TestRender::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestRender::picturesShowThePhase_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QList<double>>("lit");
    QTest::addColumn<QList<double>>("dark");

    using L = QList<double>;
    QTest::newRow("new, window size") << 0 << "" << "" << L{} << L{-0.8, 0, 0.8};
    QTest::newRow("45, crescent on the left") << 45 << "512x512" << "transparent" << L{-0.8}
                                              << L{-0.2, 0.5};
    QTest::newRow("90, left half") << 90 << "300x200" << "#204080" << L{-0.6, -0.2} << L{0.2, 0.6};
    QTest::newRow("180, full") << 180 << "64x64" << "transparent" << L{-0.6, 0, 0.6} << L{};
    QTest::newRow("270, right half") << 270 << "257x233" << "red" << L{0.2, 0.6} << L{-0.6, -0.2};
}

void TestRender::picturesShowThePhase()
{
    QFETCH(int, angle);
    QFETCH(QString, size);
    QFETCH(QString, background);
    QFETCH(QList<double>, lit);
    QFETCH(QList<double>, dark);

    const QString file = folder->filePath("moon.png");
    QStringList arguments{QString::number(angle), "-o", file};
    if (!size.isEmpty())
        arguments << "--size" << size;
    if (!background.isEmpty())
        arguments << "--background" << background;
    const Run run = render(arguments);
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());

    const QImage image(file);
    const QSize expected = size.isEmpty()
        ? QSize(windowPicture.width, windowPicture.height)
        : QSize(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt());
    QCOMPARE(image.size(), expected);
    for (double x : lit)
        QCOMPARE(at(image, x), QColor(Qt::white));
    for (double x : dark)
        QCOMPARE(at(image, x), QColor(Qt::black));

    const QColor corner = image.pixelColor(0, 0);
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), corner);
    if (background == "transparent")
        QCOMPARE(corner.alpha(), 0);
    else
        QCOMPARE(corner, background.isEmpty() ? pictureBackground() : QColor(background));
}

void TestRender::svgAgreesWithPng()
{
    const QString png = folder->filePath("moon.png");
    const QString svg = folder->filePath("moon.svg");
    QCOMPARE(render({"135", "-o", png}).status, 0);
    QCOMPARE(render({"135", "-o", svg}).status, 0);

    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.size() < 4096, qPrintable(QString::number(text.size())));
    QVERIFY(text.contains("<path"));
    QVERIFY(!text.contains("<image"));

    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    QImage drawn(expected.size(), QImage::Format_RGB32);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();

    // Only along the edges may anti-aliasing differ.
    int differ = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differ += qAbs(qGray(drawn.pixel(x, y)) - qGray(expected.pixel(x, y))) > 64;
    QVERIFY2(differ < 100, qPrintable(QString::number(differ)));
}

void TestRender::textMoon_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("description");

    const QString firstQuarter = QStringLiteral("2000-01-14T13:34:08Z");
    QTest::newRow("0") << QStringList{"0"} << "." << "." << "Luna nuova, illuminata allo 0%";
    QTest::newRow("90") << QStringList{"90"} << "@" << "." << "Ultimo quarto, illuminata al 50%";
    QTest::newRow("180") << QStringList{"180"} << "@" << "@" << "Luna piena, illuminata al 100%";
    QTest::newRow("270") << QStringList{"270"} << "." << "@" << "Primo quarto, illuminata al 50%";
    QTest::newRow("a first quarter, north")
        << QStringList{"--date", firstQuarter} << "." << "@" << "Primo quarto, illuminata al 50%";
    QTest::newRow("a first quarter, south")
        << QStringList{"--date", firstQuarter, "--hemisphere", "south"} << "@" << "."
        << "Primo quarto, illuminata al 50%";
}

void TestRender::textMoon()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, description);

    const Run run = render(arguments);
    QCOMPARE(run.status, 0);
    QStringList lines = run.out.split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    if (arguments.contains("--date")) {
        // A date's Moon is followed by the next four phases.
        const QStringList next = lines.mid(lines.size() - 5);
        lines = lines.first(lines.size() - 5);
        QCOMPARE(next.first(), "Prossime fasi:");
        QVERIFY2(next[1].contains("Luna piena") && next[4].contains("Primo quarto"),
                 qPrintable(next.join(u'\n')));
    }
    QCOMPARE(lines.takeLast(), description);
    QCOMPARE(lines.size(), 20);

    // A round disc: widest in the middle, narrow at the top and bottom, and
    // each half in its own tone.
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const QString line = lines[row];
        const QString disc = line.trimmed();
        QVERIFY(line.size() <= 40);
        const int expectedWidth = int(2 * std::sqrt(100.0 - std::pow(row - 9.5, 2)) * 2);
        QVERIFY2(qAbs(disc.size() - expectedWidth) <= 3, qPrintable(line));
        QVERIFY2(disc.first(disc.size() / 2 - 1).count(left) == disc.size() / 2 - 1, qPrintable(line));
        QVERIFY2(disc.last(disc.size() / 2 - 1).count(right) == disc.size() / 2 - 1, qPrintable(line));
    }
}

void TestRender::badInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("names");

    // The file each row would write is out.png (or out.svg) in the folder.
    QTest::newRow("angle not a number") << QStringList{"luna", "-o", "@/out.png"} << "«luna»";
    QTest::newRow("angle not finite") << QStringList{"inf", "-o", "@/out.png"} << "«inf»";
    QTest::newRow("angle NaN") << QStringList{"nan", "-o", "@/out.png"} << "«nan»";
    QTest::newRow("no angle") << QStringList{"-o", "@/out.png"} << "angolo";
    QTest::newRow("size zero") << QStringList{"90", "--size", "0x10", "-o", "@/out.png"} << "--size";
    QTest::newRow("size too large") << QStringList{"90", "--size", "16385x10", "-o", "@/out.png"} << "--size";
    QTest::newRow("size not WxH") << QStringList{"90", "--size", "200", "-o", "@/out.png"} << "--size";
    QTest::newRow("size negative") << QStringList{"90", "--size", "-20x20", "-o", "@/out.png"} << "--size";
    QTest::newRow("size missing") << QStringList{"90", "-o", "@/out.png", "--size"} << "--size";
    QTest::newRow("unknown colour") << QStringList{"90", "--background", "lunare", "-o", "@/out.png"} << "--background";
    QTest::newRow("unknown extension") << QStringList{"90", "-o", "@/out.jpg"} << "out.jpg";
    QTest::newRow("no such folder") << QStringList{"90", "-o", "@/nowhere/out.png"} << "nowhere";
    QTest::newRow("folder for --all missing") << QStringList{"--all", "@/nowhere"} << "nowhere";
    QTest::newRow("unknown format") << QStringList{"--all", "@", "--format", "gif"} << "--format";
    QTest::newRow("unknown option") << QStringList{"90", "--colour", "red", "-o", "@/out.png"} << "--colour";
    QTest::newRow("hemisphere") << QStringList{"90", "--hemisphere", "east", "-o", "@/out.png"} << "--hemisphere";
    QTest::newRow("impossible date") << QStringList{"--date", "2026-02-30", "-o", "@/out.png"} << "2026-02-30";
    QTest::newRow("text that is no date") << QStringList{"--date", "domani", "-o", "@/out.png"} << "domani";
    QTest::newRow("before 1900") << QStringList{"--date", "1899-12-31T12:00Z", "-o", "@/out.png"} << "1900";
    QTest::newRow("after 2100 on every clock") << QStringList{"--date", "2100-12-31T23:00-13:00", "-o", "@/out.png"} << "--date: l'anno 2101";
    QTest::newRow("angle and date") << QStringList{"90", "--date", "now", "-o", "@/out.png"} << "«90»";
    QTest::newRow("latitude beyond the pole") << QStringList{"90", "--place", "91,12", "-o", "@/out.png"} << "--place: «91,12»";
    QTest::newRow("place not a number") << QStringList{"--date", "now", "--info", "--place", "41,est"} << "--place";
    QTest::newRow("unknown place, with the closest") << QStringList{"--date", "now", "--info", "--place", "Rme"} << "Europe/Rome";
    QTest::newRow("place missing") << QStringList{"--date", "now", "--info", "--place"} << "--place: manca il valore";
    QTest::newRow("as seen, without a place")
        << QStringList{"TZ=UTC", "--date", "now", "--as-seen", "-o", "@/out.png"} << "--place";
    QTest::newRow("as seen, without a date") << QStringList{"90", "--as-seen", "-o", "@/out.png"} << "--date";
    QTest::newRow("no eclipses") << QStringList{"--eclipses", "--count", "0"} << "--count: «0»";
    QTest::newRow("too many eclipses") << QStringList{"--eclipses", "--count", "1001"} << "--count";
    QTest::newRow("count in words") << QStringList{"--eclipses", "--count", "dieci"} << "--count";
    QTest::newRow("unknown kind") << QStringList{"--eclipses", "--kind", "moon"} << "--kind: «moon»";
    QTest::newRow("eclipses after 2100") << QStringList{"--eclipses", "--date", "2101-01-01"} << "2101";
    QTest::newRow("count without eclipses") << QStringList{"90", "--count", "3"} << "--eclipses";
    QTest::newRow("visible without a place") << QStringList{"TZ=UTC", "--eclipses", "--visible"} << "--place";
    QTest::newRow("visible without eclipses") << QStringList{"--date", "now", "--info", "--visible"} << "--eclipses";
    QTest::newRow("night without a place") << QStringList{"TZ=UTC", "--night"} << "--place";
    QTest::newRow("night, a count") << QStringList{"--night", "--place", "Rome", "--count", "2"} << "--count";
    QTest::newRow("night, a picture that is no picture")
        << QStringList{"--night", "--place", "Rome", "-o", "@/out.jpg"} << "out.jpg";
    QTest::newRow("unknown feature, with the closest")
        << QStringList{"--feature", "Copernicos", "--place", "Rome"} << "Copernicus";
    QTest::newRow("feature and night") << QStringList{"--feature", "Plato", "--night", "--place", "Rome"} << "--night";
    QTest::newRow("feature drawn") << QStringList{"--feature", "Plato", "--place", "Rome", "-o", "@/out.png"} << "-o";
    QTest::newRow("azimuth 400") << QStringList{"--toward", "400,10", "--place", "Rome"} << "400";
    QTest::newRow("altitude past the zenith") << QStringList{"--toward", "90,95", "--place", "Rome"} << "95";
    QTest::newRow("direction not AZ,ALT") << QStringList{"--toward", "est", "--place", "Rome"} << "--toward";
    QTest::newRow("landmark where one stands")
        << QStringList{"--landmark", "41.8892,12.4922", "--place", "41.8892,12.4922,60"} << "--landmark";
    QTest::newRow("landmark under the horizon")
        << QStringList{"--landmark", "42.5,13.5", "--place", "41.8892,12.4922,60"} << "km";
    QTest::newRow("landmark not a number") << QStringList{"--landmark", "cupola", "--place", "Rome"} << "--landmark";
    QTest::newRow("days out of range") << QStringList{"--toward", "90,10", "--place", "Rome", "--days", "0"} << "--days";
    QTest::newRow("days without a planner") << QStringList{"--eclipses", "--days", "30"} << "--days";
    QTest::newRow("crescent without a place") << QStringList{"TZ=UTC", "--crescent"} << "--place";
    QTest::newRow("crescent drawn") << QStringList{"--crescent", "--place", "Rome", "-o", "@/out.png"} << "--crescent-map";
    QTest::newRow("no crescents") << QStringList{"--crescent", "--place", "Rome", "--count", "0"} << "--count: «0»";
    QTest::newRow("crescent and its map") << QStringList{"--crescent", "--crescent-map", "--place", "Rome"} << "--crescent-map";
    QTest::newRow("map, neither file nor JSON") << QStringList{"--crescent-map", "--date", "2027-02-08"} << "--json";
    QTest::newRow("map, unknown criterion")
        << QStringList{"--crescent-map", "--date", "2027-02-08", "--criterion", "danjon", "-o", "@/out.png"} << "«danjon»";
    QTest::newRow("map, a count") << QStringList{"--crescent-map", "--date", "2027-02-08", "--count", "2", "--json"} << "--count";
    QTest::newRow("map, no picture") << QStringList{"--crescent-map", "--date", "2027-02-08", "-o", "@/out.jpg"} << "out.jpg";
    QTest::newRow("criterion without the map") << QStringList{"--crescent", "--place", "Rome", "--criterion", "odeh"} << "--criterion";
    QTest::newRow("hijri without the calendar") << QStringList{"--info", "--date", "now", "--hijri"} << "--hijri";
    QTest::newRow("criterion alone") << QStringList{"--info", "--date", "now", "--criterion", "odeh"} << "--criterion";
}

void TestRender::badInputIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, names);

    for (QString& argument : arguments)
        argument.replace(u'@', folder->path());
    // A leading TZ=... sets the time zone.
    Language zone;
    if (arguments.first().startsWith("TZ="))
        zone.insert("TZ", arguments.takeFirst().mid(3));
    const Run run = render(arguments, zone);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("luna-render: ") && run.err.count(u'\n') == 1
                 && run.err.endsWith(u'\n'),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(names), qPrintable(run.err));
    // A sentence: a capital, an option's name or a quotation first.
    QVERIFY2(!run.err.at(13).isLower(), qPrintable(run.err));
    QCOMPARE(QDir(folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestRender::infoAsJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("angle");

    const QStringList angleKeys{"angle", "elongation", "hemisphere", "illumination", "phase",
                                "phase_id"};
    QTest::newRow("an angle") << QStringList{"90"} << angleKeys << 90;
    const QStringList dateKeys = angleKeys
        + QStringList{"age", "hijri", "date", "next", "next_lunar_eclipse", "next_solar_eclipse", "eclipse_now", "libration_longitude",
                      "libration_latitude", "axis_position_angle", "subsolar_longitude", "subsolar_latitude",
                      "colongitude", "terminator_features"};
    const QStringList placeKeys{"place", "rise", "transit", "set", "altitude", "azimuth", "sun", "moon_in_dark_sky",
                                "distance_km", "diameter_arcmin", "bright_limb_angle",
                                "parallactic_angle", "next_perigee", "next_apogee", "first_crescent"};
    QTest::newRow("a full moon, nowhere")
        << QStringList{"TZ=UTC", "--date", "2000-01-21T04:40:31Z"} << dateKeys << 180;
    QTest::newRow("a full moon, in Rome by the time zone")
        << QStringList{"--date", "2000-01-21T05:40:31+01:00"} << dateKeys + placeKeys << 180;
    QTest::newRow("a full moon, in Sydney by --place: south")
        << QStringList{"TZ=UTC", "--date", "2000-01-21T04:40:31Z", "--place", "Sydney"}
        << dateKeys + placeKeys << 180;
}

void TestRender::infoAsJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, keys);
    QFETCH(int, angle);

    Language zone;
    if (arguments.first().startsWith("TZ="))
        zone.insert("TZ", arguments.takeFirst().mid(3));
    const Run run = render(arguments + QStringList{"--info", "--json"}, zone);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count(u'\n'), 1);
    QJsonParseError error;
    const QJsonObject info = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QStringList found = info.keys();
    found.sort();
    keys.sort();
    QCOMPARE(found, keys);

    QVERIFY(info["elongation"].isDouble());
    QCOMPARE(info["angle"].toVariant().userType(), QMetaType::LongLong);
    QCOMPARE(info["angle"].toInt(), angle);
    const bool south = arguments.contains("Sydney");
    QCOMPARE(info["hemisphere"].toString(), south ? "south" : "north");
    QVERIFY(info["phase"].isString());
    QVERIFY(info["illumination"].toDouble(-1) >= 0 && info["illumination"].toDouble() <= 1);
    if (!info.contains("date"))
        return;

    QCOMPARE(info["date"].toString(), "2000-01-21T04:40:31Z");
    QCOMPARE(info["phase"].toString(), "Luna piena");
    QCOMPARE(info["phase_id"].toString(), "full_moon");
    QVERIFY(std::abs(info["age"].toDouble() - 14.4) < 0.1);
    // At full moon the terminator runs along the limb.
    const QJsonArray crossed = info["terminator_features"].toArray();
    QVERIFY(!crossed.isEmpty());
    for (const QJsonValue& name : crossed)
        QVERIFY(name.isString() && !name.toString().isEmpty());
    const QJsonArray next = info["next"].toArray();
    QCOMPARE(next.size(), 4);
    QString previous = info["date"].toString();
    for (const QJsonValue& phase : next) {
        QCOMPARE(phase.toObject().keys(), (QStringList{"date", "phase", "phase_id"}));
        const QString date = phase["date"].toString();
        QVERIFY2(date.endsWith(u'Z') && date > previous, qPrintable(date));
        previous = date;
    }
    QCOMPARE(next[0]["phase"].toString(), "Ultimo quarto");
    QCOMPARE(next[3]["phase"].toString(), "Luna piena");
    const QStringList ids{"last_quarter", "new_moon", "first_quarter", "full_moon"};
    for (qsizetype i = 0; i < ids.size(); ++i)
        QCOMPARE(next[i]["phase_id"].toString(), ids[i]);
    if (!info.contains("place"))
        return;

    const QJsonObject place = info["place"].toObject();
    // Sydney the city, by --place; Rome's zone, from TZ.
    QCOMPARE(place["name"].toString(), south ? "Sydney" : "Europe/Rome");
    QCOMPARE(place["zone"].toString(), south ? "Australia/Sydney" : "Europe/Rome");
    QCOMPARE(place["country"].toString(), south ? "AU" : "IT");
    QCOMPARE(place["latitude"].toDouble() < 0, south);
    // A full moon rises near sunset and sets near sunrise, opposite the Sun.
    const QDateTime rise = QDateTime::fromString(info["rise"].toString(), Qt::ISODate);
    const QDateTime set = QDateTime::fromString(info["set"].toString(), Qt::ISODate);
    QVERIFY2(rise.isValid() && set.isValid(), qPrintable(info["rise"].toString()));
    QVERIFY(info["transit"].toString().endsWith(u'Z'));
    QVERIFY(info["distance_km"].toDouble() > 356000 && info["distance_km"].toDouble() < 407000);
    QVERIFY(info["diameter_arcmin"].toDouble() > 29 && info["diameter_arcmin"].toDouble() < 34);
    // At the instant it gives for the rise the Moon's upper limb touches the
    // horizon, refraction and all: its centre stands a semidiameter below
    // (give or take the 3' by which refraction grows from the limb down to
    // the centre, which the almanacs' fixed 34' leaves out).
    const Run atRise = render({"--info", "--json", "--date", info["rise"].toString(), "--place",
                               place["name"].toString()}, zone);
    const QJsonObject risen = QJsonDocument::fromJson(atRise.out.toUtf8()).object();
    const double semidiameter = risen["diameter_arcmin"].toDouble() / 120;
    QVERIFY2(std::abs(risen["altitude"].toDouble() + semidiameter) < 0.08,
             qPrintable(QString::number(risen["altitude"].toDouble())));
    // A full moon opposite the January Sun stands some 20 degrees north of
    // the equator: it rises north of east, north and south alike.
    QVERIFY2(risen["azimuth"].toDouble() > 45 && risen["azimuth"].toDouble() < 90,
             qPrintable(QString::number(risen["azimuth"].toDouble())));
    for (const char* apsis : {"next_perigee", "next_apogee"}) {
        const QJsonObject object = info[apsis].toObject();
        QCOMPARE(object.keys(), (QStringList{"date", "distance_km"}));
        QVERIFY(object["date"].toString() > info["date"].toString());
    }
}

void TestRender::plannersAnswerInJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("itemKeys");
    QTest::newRow("a night") << QStringList{"--night", "--date", "2027-03-20", "--place", "Rome"}
                             << QStringList{"from", "moon_in_dark_sky", "moon_rise", "moon_set", "moon_transit",
                                            "samples", "sun", "to"}
                             << "samples" << 24 * 6 + 1
                             << QStringList{"moon_altitude", "moon_azimuth", "sun_altitude", "sun_azimuth", "time"};
    QTest::newRow("a crater") << QStringList{"--feature", "copernicus", "--date", "2027-01-01", "--place", "Rome"}
                              << QStringList{"colongitude", "date", "distance_from_centre", "feature", "on_near_side",
                                             "sun_altitude", "windows"}
                              << "windows" << 4
                              << QStringList{"colongitude", "from", "illuminated", "moon_altitude_max", "phase_id",
                                             "sun_altitude_from", "sun_altitude_to", "to"};
    QTest::newRow("a landmark")
        << QStringList{"--landmark", "41.9022,12.4533,136", "--place", "41.8892,12.4922,60", "--date", "2027-01-01",
                       "--count", "2"}
        << QStringList{"passes", "target"} << "passes" << 2
        << QStringList{"illuminated", "light", "moon_altitude", "moon_azimuth", "moon_diameter_arcmin", "phase_id",
                       "separation", "sun_altitude", "time"};
    QTest::newRow("the crescents") << QStringList{"--crescent", "--date", "2027-01-01", "--place", "Rome", "--count", "3"}
                                   << QStringList{"crescents"} << "crescents" << 3
                                   << QStringList{"evenings", "first_visible_evening", "new_moon", "umm_al_qura_first_day"};
    QTest::newRow("the crescent's map") << QStringList{"--crescent-map", "--date", "2027-02-08", "--criterion", "odeh"}
                                        << QStringList{"conjunction", "criterion", "date", "points"} << "points" << 61 * 181
                                        << QStringList{"latitude", "longitude", "v", "zone"};
}

// The keys scripts read, each list as long as asked; times in UTC.
void TestRender::plannersAnswerInJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, keys);
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QStringList, itemKeys);
    const Run run = render(arguments + QStringList{"--json"});
    QCOMPARE(run.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(object.keys(), keys);
    const QJsonArray items = object[list].toArray();
    QCOMPARE(items.size(), count);
    for (const QJsonValue& item : items) {
        QCOMPARE(item.toObject().keys(), itemKeys);
        for (const char* time : {"time", "from", "to"})
            if (item.toObject().contains(QLatin1String(time)))
                QVERIFY(item.toObject()[QLatin1String(time)].toString().endsWith(u'Z'));
    }
    if (list == u"samples") {
        QCOMPARE(items.first().toObject()["time"].toString(), object["from"].toString());
        QCOMPARE(items.last().toObject()["time"].toString(), object["to"].toString());
        QCOMPARE(object["from"].toString(), QStringLiteral("2027-03-20T11:00:00Z"));
        QCOMPARE(object["sun"].toObject().keys().size(), 8);
    }
    if (list == u"crescents") {
        const QStringList eveningKeys{"age_hours", "arcl", "arcl_topocentric", "arcv", "arcv_topocentric", "best_time", "date",
                                      "daz", "daz_topocentric", "lag_minutes", "moon_altitude", "moon_azimuth", "moonset",
                                      "odeh_v", "odeh_zone", "sunset", "width_arcmin", "width_topocentric_arcmin",
                                      "yallop_q", "yallop_zone"};
        for (const QJsonValue& item : items) {
            QVERIFY(item.toObject()["new_moon"].toString().endsWith(u'Z'));
            const QJsonArray evenings = item.toObject()["evenings"].toArray();
            QVERIFY(!evenings.isEmpty() && evenings.size() <= 3);
            for (const QJsonValue& evening : evenings) {
                QCOMPARE(evening.toObject().keys(), eveningKeys);
                QVERIFY(QStringList({"A", "B", "C", "D", "E", "F"}).contains(evening.toObject()["yallop_zone"].toString()));
                // Without a best time, none of its values.
                QCOMPARE(evening.toObject()["best_time"].isNull(), evening.toObject()["yallop_q"].isNull());
            }
        }
    }
    if (list == u"points") {
        QCOMPARE(object["criterion"].toString(), QStringLiteral("odeh"));
        QCOMPARE(object["date"].toString(), QStringLiteral("2027-02-08"));
        QCOMPARE(items.first().toObject()["latitude"].toDouble(), 60.0);
        QCOMPARE(items.first().toObject()["longitude"].toDouble(), -180.0);
        QCOMPARE(items.last().toObject()["latitude"].toDouble(), -60.0);
    }
    if (list == u"passes") {
        QVERIFY(std::abs(object["target"].toObject()["distance_m"].toDouble() - 3536) < 2);
        for (const QJsonValue& item : items)
            QVERIFY(QStringList({"day", "golden", "blue", "night"}).contains(item.toObject()["light"].toString()));
    }
}

// The chart at its default size and at another, as PNG and SVG; its
// bands are the sky's: the day's blue at noon on the left, the night's in
// the middle.
void TestRender::nightChartIsDrawn()
{
    const QString png = folder->filePath("notte.png"), svg = folder->filePath("notte.svg");
    QCOMPARE(render({"--night", "--date", "2027-03-20", "--place", "Rome", "-o", png}).status, 0);
    const QImage chart(png);
    QCOMPARE(chart.size(), QSize(800, 450));
    const QColor noon = chart.pixelColor(70, 60), midnight = chart.pixelColor(470, 400);
    QVERIFY2(noon.blue() > 180 && noon.red() < 160, qPrintable(noon.name()));
    QVERIFY2(midnight.lightness() < 40, qPrintable(midnight.name()));
    QCOMPARE(render({"--night", "--date", "2027-03-20", "--place", "Rome", "-o", svg, "--size", "1600x900"}).status, 0);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox().size(), QSize(1600, 900));
}

// The text tells the same night as the JSON: the rise at the minute its
// instant rounds to, on the place's clock, and a row for every hour of a
// night whose clocks go forward (23 of them, noon to noon inclusive).
void TestRender::nightTextAgreesWithItsJson()
{
    const QStringList arguments{"--night", "--date", "2027-03-27", "--place", "Rome"};
    const Run text = render(arguments), json = render(arguments + QStringList{"--json"});
    QCOMPARE(text.status, 0);
    QCOMPARE(json.status, 0);
    const QJsonObject night = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QDateTime rise = QDateTime::fromString(night["moon_rise"].toString(), Qt::ISODate)
                               .addSecs(30)
                               .toTimeZone(QTimeZone("Europe/Rome"));
    QVERIFY(rise.isValid());
    const QString riseLine = text.out.section(QStringLiteral("Sorge:"), 1).section(u'\n', 0, 0);
    QVERIFY2(riseLine.contains(QStringLiteral(" %1 ").arg(rise.date().day())) && riseLine.contains(rise.toString(", HH:mm ")),
             qPrintable(riseLine + " against " + rise.toString()));
    static const QRegularExpression row(QStringLiteral("^\\d\\d:00  "), QRegularExpression::MultilineOption);
    QCOMPARE(text.out.count(row), 24);
}

// Each evening's sentence says the zone and the value its JSON gives, at
// the minute of its best time on the place's clock; the month's first day
// and the first evening beside the new moon.
void TestRender::crescentTextAgreesWithItsJson()
{
    const QStringList arguments{"--crescent", "--date", "2027-01-01", "--place", "Rome", "--count", "1"};
    const Run text = render(arguments), json = render(arguments + QStringList{"--json"});
    QCOMPARE(text.status, 0);
    QCOMPARE(json.status, 0);
    const QJsonObject crescent = QJsonDocument::fromJson(json.out.toUtf8()).object()["crescents"].toArray()[0].toObject();
    const QJsonArray evenings = crescent["evenings"].toArray();
    QVERIFY(!evenings.isEmpty());
    for (const QJsonValue& value : evenings) {
        const QJsonObject evening = value.toObject();
        const QDate date = QDate::fromString(evening["date"].toString(), Qt::ISODate);
        const QString day = QLocale(QLocale::Italian).toString(date, QStringLiteral("dddd d MMMM"));
        const QString line = text.out.section(u'\n' + day + u':', 1).section(u'\n', 0, 0);
        QVERIFY2(!line.isEmpty(), qPrintable(day));
        QVERIFY2(line.contains(QStringLiteral("Yallop %1").arg(evening["yallop_zone"].toString())), qPrintable(line));
        QVERIFY2(line.contains(QStringLiteral("Odeh %1").arg(evening["odeh_zone"].toString())), qPrintable(line));
        if (evening["best_time"].isNull())
            continue;
        const QDateTime best = QDateTime::fromString(evening["best_time"].toString(), Qt::ISODate)
                                   .addSecs(30)
                                   .toTimeZone(QTimeZone("Europe/Rome"));
        QVERIFY2(line.contains(best.toString("HH:mm")), qPrintable(line));
        const QString q = QLocale(QLocale::Italian).toString(std::abs(evening["yallop_q"].toDouble()), 'f', 2);
        QVERIFY2(line.contains(QStringLiteral("q = ") + (evening["yallop_q"].toDouble() < 0 ? QChar(0x2212) : QChar(u'+')) + q),
                 qPrintable(line));
    }
    const QDate first = QDate::fromString(crescent["umm_al_qura_first_day"].toString(), Qt::ISODate);
    QVERIFY(text.out.contains(QStringLiteral("il mese comincia ") + QLocale(QLocale::Italian).toString(first, QLocale::LongFormat)));
    const QDate seen = QDate::fromString(crescent["first_visible_evening"].toString(), Qt::ISODate);
    QVERIFY(text.out.contains(QStringLiteral("la sera di ") + QLocale(QLocale::Italian).toString(seen, QLocale::LongFormat)));
}

// The map at its default size over the Earth: on the evening of 2027
// February 7 the crescent is easily seen over the Pacific (zone A, green)
// and not at all over the western Pacific (F: the grey Earth shows); as SVG at
// another size with Odeh's zones.
void TestRender::crescentMapIsDrawn()
{
    const QString png = folder->filePath("falce.png"), svg = folder->filePath("falce.svg");
    QCOMPARE(render({"--crescent-map", "--date", "2027-02-07", "-o", png}).status, 0);
    const QImage map(png);
    QCOMPARE(map.size(), QSize(1440, 720));
    // 150 W and 120 E on the equator, in the map's 3:1 frame.
    const auto pixel = [&](double longitude) {
        return map.pixelColor(int(64 + (longitude + 180) / 360 * 1366), 338);
    };
    const QColor pacific = pixel(-150), asia = pixel(150);
    QVERIFY2(pacific.green() > pacific.red() + 40 && pacific.green() > pacific.blue() + 40, qPrintable(pacific.name()));
    QVERIFY2(std::abs(asia.red() - asia.green()) < 12 && std::abs(asia.green() - asia.blue()) < 12, qPrintable(asia.name()));
    QCOMPARE(render({"--crescent-map", "--date", "2027-02-07", "--criterion", "odeh", "--size", "800x400", "-o", svg}).status, 0);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox().size(), QSize(800, 400));
}

void TestRender::infoTellsTheHijriDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<int>>("hijri");
    QTest::addColumn<QString>("month");
    // Umm al-Qura's published days.
    QTest::newRow("Jumada II 1448") << "2026-11-28T12:00" << "Calendario islamico: 18 Jumada II 1448" << QList<int>{1448, 6, 18}
                                    << "Jumada II";
    QTest::newRow("the first of Ramadan 1447") << "2026-02-18T12:00" << "Calendario islamico: 1 Ramadan 1447"
                                               << QList<int>{1447, 9, 1} << "Ramadan";
}

void TestRender::infoTellsTheHijriDate()
{
    QFETCH(QString, date);
    QFETCH(QString, line);
    QFETCH(QList<int>, hijri);
    QFETCH(QString, month);
    const QStringList arguments{"--info", "--date", date, "--place", "Rome"};
    const Run text = render(arguments), json = render(arguments + QStringList{"--json"});
    QVERIFY2(text.out.contains(line + u'\n'), qPrintable(text.out));
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object()["hijri"].toObject();
    QCOMPARE((QList<int>{object["year"].toInt(), object["month"].toInt(), object["day"].toInt()}), hijri);
    QCOMPARE(object["month_name"].toString(), month);
}

// With --hijri the month's text says where the Hijri months begin: 1
// Ramadan 1447 on 18 February 2026, as Umm al-Qura published it.
void TestRender::calendarTellsTheHijriMonths()
{
    const Run run = render({"--calendar", "2026-02", "--place", "Rome", "--hijri"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Calendario islamico: mercoledì 18 febbraio è il 1 Ramadan 1447\n")),
             qPrintable(run.out));
    QVERIFY(!render({"--calendar", "2026-02", "--place", "Rome"}).out.contains(QStringLiteral("Calendario islamico")));
}

void TestRender::eclipsesAreListed()
{
    const Language utc{{"TZ", "UTC"}};
    // The canon's two total lunar eclipses of 2025, greatest at 06:58:45
    // and 18:11:43 UT.
    const QStringList lunar2025{"--eclipses", "--kind", "lunar", "--date", "2025-01-01", "--count", "2"};
    const Run text = render(lunar2025, utc);
    QCOMPARE(text.status, 0);
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("venerdì 14 marzo 2025, 06:59 UTC") && lines[0].contains("eclissi totale di Luna"), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith("domenica 7 settembre 2025, 18:12 UTC") && lines[1].contains("totale dalle"), qPrintable(lines[1]));

    const Run json = render(lunar2025 + QStringList{"--json"}, utc);
    QCOMPARE(json.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(list.size(), 2);
    const QJsonObject first = list[0].toObject();
    QCOMPARE(first["kind"].toString(), "lunar");
    QCOMPARE(first["type"].toString(), "total");
    QVERIFY(!first.contains("visible"));
    QStringList contacts = first["contacts"].toObject().keys();
    QCOMPARE(contacts, (QStringList{"P1", "P4", "U1", "U2", "U3", "U4"}));
    QString previous;
    for (const char* contact : {"P1", "U1", "U2", "U3", "U4", "P4"}) {
        const QString at = first["contacts"].toObject()[contact].toString();
        QVERIFY2(at > previous && at.endsWith(u'Z'), qPrintable(at));
        previous = at;
    }
    QVERIFY(std::abs(first["magnitude"].toDouble() - 1.1784) < 0.01);

    // A place says whether each lunar eclipse is seen; solar ones carry no
    // contacts.
    const Run rome = render({"--eclipses", "--date", "2025-01-01", "--count", "4", "--json"});
    for (const QJsonValue& value : QJsonDocument::fromJson(rome.out.toUtf8()).array()) {
        const QJsonObject eclipse = value.toObject();
        QCOMPARE(eclipse.contains("visible"), eclipse["kind"] == "lunar");
        QCOMPARE(eclipse.contains("contacts"), eclipse["kind"] == "lunar");
    }

    // 2048 January 1 from Shanghai: the Moon rises in the last of the
    // penumbral phase. Seen, then, but not at greatest.
    const Run shanghai = render({"--eclipses", "--date", "2047-12-25", "--count", "1", "--kind", "lunar",
                                 "--place", "31.23,121.47", "--json"});
    const QJsonObject late = QJsonDocument::fromJson(shanghai.out.toUtf8()).array().first().toObject();
    QVERIFY(late["greatest"].toString().startsWith("2048-01-01T06:5"));
    QCOMPARE(late["visible"].toBool(false), true);
    QCOMPARE(late["visible_at_greatest"].toBool(true), false);

    // The list ends with 2100, fewer than asked, and that is no failure.
    const Run last = render({"--eclipses", "--date", "2100-06-01", "--count", "10"}, utc);
    QCOMPARE(last.status, 0);
    QVERIFY(last.out.count(u'\n') < 10);
    QVERIFY(last.out.trimmed().endsWith("2100."));
}

// Against USNO's Solar Eclipse Computer, as tests/data/local-solar-eclipses.txt
// keeps it.
void TestRender::solarEclipsesFromAPlace()
{
    const Language utc{{"TZ", "UTC"}};
    const auto solar = [&](const char* date, const char* place, const QStringList& more = {}) {
        return render(QStringList{"--eclipses", "--kind", "solar", "--count", "1", "--date", date, "--place", place} + more, utc);
    };

    // 2024-04-08 from Kingston, Ontario: total, 3 min 6 s.
    const Run kingston = solar("2024-04-01", "44.22568,-76.48151,74", {"--json"});
    QCOMPARE(kingston.status, 0);
    const QJsonObject local = QJsonDocument::fromJson(kingston.out.toUtf8()).array().first()["local"].toObject();
    QCOMPARE(local["type"].toString(), "total");
    QCOMPARE(local["visible"].toBool(), true);
    QCOMPARE(local["contacts"].toObject().keys(), (QStringList{"C1", "C2", "C3", "C4", "max"}));
    QCOMPARE(local["sun_altitude"].toObject().keys(), (QStringList{"C1", "C2", "C3", "C4", "max"}));
    QVERIFY(local["contacts"].toObject()["C2"].toString().startsWith("2024-04-08T19:22:"));
    QVERIFY(std::abs(local["sun_altitude"].toObject()["max"].toDouble() - 42.9) < 1);
    QVERIFY(std::abs(local["duration_seconds"].toDouble() - 185.8) < 10);
    QCOMPARE(local["obscuration"].toDouble(), 1.0);

    // 2017-08-21 from 30° N, 87° W: partial, 80.5% covered.
    const Run partial = solar("2017-08-01", "30,-87");
    QVERIFY2(partial.out.contains("; da qui: parziale, coperto l'80% del Sole, dalle 17:04 alle 20:03, "
                                  "massimo alle 18:37 con il Sole alto 69°"),
             qPrintable(partial.out));
    const Run partialJson = solar("2017-08-01", "30,-87", {"--json"});
    const QJsonObject partialLocal = QJsonDocument::fromJson(partialJson.out.toUtf8()).array().first()["local"].toObject();
    QCOMPARE(partialLocal["contacts"].toObject().keys(), (QStringList{"C1", "C4", "max"}));
    QVERIFY(!partialLocal.contains("duration_seconds"));

    // 2026-08-12 from Covarrubias, Spain: total for 1 min 47 s, and the Sun
    // sets before the end. 2024-04-08 happens in Sydney's night.
    QVERIFY(solar("2026-08-01", "42.06,-3.52,894").out.contains("totale per 1 min 4"));
    QVERIFY(solar("2026-08-01", "42.06,-3.52,894").out.contains("il Sole tramonta eclissato"));
    QVERIFY(solar("2024-04-01", "-33.87,151.21").out.trimmed().endsWith("; non visibile da qui"));
    const Run sydney = solar("2024-04-01", "-33.87,151.21", {"--json"});
    const QJsonObject dark = QJsonDocument::fromJson(sydney.out.toUtf8()).array().first()["local"].toObject();
    QCOMPARE(dark["type"].toString(), "none");
    QCOMPARE(dark["visible"].toBool(true), false);
    QVERIFY(dark["contacts"].toObject().isEmpty());

    // Without a place, nothing local.
    const Run nowhere = render({"--eclipses", "--kind", "solar", "--count", "2", "--json"}, utc);
    for (const QJsonValue& eclipse : QJsonDocument::fromJson(nowhere.out.toUtf8()).array())
        QVERIFY(!eclipse.toObject().contains("local"));

    // --visible: Rome misses the annular eclipse of 2027-02-06 and sees the
    // next ones, in order; lunar ones are those with some phase in its sky.
    const Run seen = render({"--eclipses", "--visible", "--place", "Rome", "--date", "2026-12-08", "--count", "6", "--json"}, utc);
    QCOMPARE(seen.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(seen.out.toUtf8()).array();
    QCOMPARE(list.size(), 6);
    QString previous;
    bool sawSolar = false;
    for (const QJsonValue& value : list) {
        const QJsonObject eclipse = value.toObject();
        QVERIFY(eclipse["greatest"].toString() > previous);
        previous = eclipse["greatest"].toString();
        QVERIFY(!previous.startsWith("2027-02-06"));
        if (eclipse["kind"] == "solar") {
            sawSolar = true;
            QVERIFY(eclipse["local"].toObject()["visible"].toBool());
        } else {
            QVERIFY(eclipse["visible"].toBool());
        }
    }
    QVERIFY(sawSolar);
}

// A city or a zone brings its own clock; bare coordinates keep the system's
// (Rome's, here).
void TestRender::timesInThePlacesZone()
{
    const Run newYork = render({"--info", "--date", "2026-12-08T20:00Z", "--place", "New York"});
    QVERIFY2(newYork.out.contains("martedì 8 dicembre 2026, 15:00 EST (20:00 UTC)"), qPrintable(newYork.out));
    QVERIFY(newYork.out.contains("New York, Stato di New York, Stati Uniti (40,71° N, 74,01° O)"));
    const Run coordinates = render({"--info", "--date", "2026-12-08T20:00Z", "--place", "40.71,-74.01"});
    QVERIFY(coordinates.out.contains("martedì 8 dicembre 2026, 21:00 CET (20:00 UTC)"));
    // --date's local time is the place's too.
    const Run local = render({"--info", "--json", "--date", "2026-12-08T15:00", "--place", "New York"});
    QCOMPARE(QJsonDocument::fromJson(local.out.toUtf8())["date"].toString(), "2026-12-08T20:00:00Z");
    // The full moon of 2027-01-22, 12:17 UT, on Tokyo's calendar.
    const Run tokyo = render({"--calendar", "2027-01", "--place", "Tokyo"});
    QVERIFY2(tokyo.out.contains("Luna piena: venerdì 22 gennaio, 21:17"), qPrintable(tokyo.out));
    // In English, the English names.
    const Run english = render({"--info", "--date", "now", "--place", "Monaco di Baviera"}, {{"LANG", "en_US.UTF-8"}});
    QVERIFY2(english.out.contains("Munich, Bavaria, Germany"), qPrintable(english.out));
}

void TestRender::asSeenTurnsTheBrightLimb_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("place");

    QTest::newRow("gibbous rising in Rome") << "2026-12-20T18:00" << "Rome";
    QTest::newRow("crescent setting in Sydney") << "2026-12-14T21:00" << "Sydney";
    QTest::newRow("waning high over Quito") << "2026-12-31T04:00" << "-0.22,-78.51,2850";
}

void TestRender::asSeenTurnsTheBrightLimb()
{
    QFETCH(QString, date);
    QFETCH(QString, place);

    const QStringList when{"--date", date, "--place", place};
    const Run json = render(when + QStringList{"--info", "--json"});
    QCOMPARE(json.status, 0);
    const QJsonObject info = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const double expected = info["bright_limb_angle"].toDouble() - info["parallactic_angle"].toDouble();

    const QString file = folder->filePath("seen.png");
    QCOMPARE(render(when + QStringList{"--as-seen", "-o", file, "--size", "300x300"}).status, 0);
    const QImage image = QImage(file).convertToFormat(QImage::Format_RGB32);
    // The lit pixels' centroid lies from the centre toward the middle of
    // the bright limb.
    const QPointF centre(150, 150);
    QPointF sum;
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 240) {
                sum += QPointF(x + 0.5, y + 0.5) - centre;
                ++lit;
            }
    QVERIFY(lit > 100);
    const QPointF towards = sum / lit;
    // Counterclockwise from the top, on a picture whose y axis points down.
    const double found = std::atan2(-towards.x(), -towards.y()) * 180 / M_PI;
    const double off = std::remainder(found - expected, 360.0);
    QVERIFY2(std::abs(off) < 5, qPrintable(QString("lit side at %1, the sky says %2").arg(found).arg(expected)));
}

void TestRender::speaksTheUsersLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("english");

    QTest::newRow("C") << Language{{"LANG", "C"}} << false;
    QTest::newRow("POSIX") << Language{{"LC_ALL", "POSIX"}} << false;
    QTest::newRow("Italian") << Language{{"LANG", "it_IT.UTF-8"}} << false;
    QTest::newRow("English") << Language{{"LANG", "en_US.UTF-8"}} << true;
    QTest::newRow("British, by LC_MESSAGES")
        << Language{{"LANG", "it_IT.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}} << true;
    QTest::newRow("Italian before English") << Language{{"LANGUAGE", "it:en"}, {"LANG", "en_US.UTF-8"}} << false;
    QTest::newRow("German first, then English")
        << Language{{"LANGUAGE", "de:en"}, {"LANG", "de_DE.UTF-8"}} << true;
    QTest::newRow("German alone") << Language{{"LANG", "de_DE.UTF-8"}} << false;
}

void TestRender::speaksTheUsersLanguage()
{
    QFETCH(Language, language);
    QFETCH(bool, english);

    const Run text = render({"90"}, language);
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.endsWith(english ? "Last quarter, 50% illuminated\n"
                                       : "Ultimo quarto, illuminata al 50%\n"),
             qPrintable(text.out));

    const QStringList date{"--date", "2026-12-24T22:00", "--info"};
    const Run info = render(date, language);
    QCOMPARE(info.status, 0);
    // Dates as the locale writes them, American or British in English.
    const QStringList expected = english
        ? QStringList{"Instant:       Thursday, ", " 2026, 22:00 CET (21:00 UTC)\n",
                      "Elongation:    191.63°\n", "Phase:         Waning gibbous\n",
                      "Age:           15.8 days since the new moon\n",
                      "  Last quarter   Wednesday, ", " 2026, 20:00 CET (19:00 UTC)\n"}
        : QStringList{"Istante:       giovedì 24 dicembre 2026, 22:00 CET (21:00 UTC)\n",
                      "Elongazione:   191,63°\n", "Fase:          Gibbosa calante\n",
                      "Età:           15,8 giorni dalla luna nuova\n",
                      "  Ultimo quarto  mercoledì 30 dicembre 2026, 20:00 CET (19:00 UTC)\n"};
    for (const QString& line : expected)
        QVERIFY2(info.out.contains(line), qPrintable(line + " in:\n" + info.out));

    // Scripts read the same JSON whatever the language.
    const Run json = render(date + QStringList{"--json"}, language);
    QCOMPARE(json.status, 0);
    QCOMPARE(json.out, render(date + QStringList{"--json"}).out);

    const Run mistake = render({"--date", "2026-02-30"}, language);
    QCOMPARE(mistake.status, 2);
    QCOMPARE(mistake.err, english ? "luna-render: --date: “2026-02-30” is not a day of the calendar\n"
                                  : "luna-render: --date: «2026-02-30» non è una data del calendario\n");
    QVERIFY(render({"--help"}, language).out.startsWith(english ? "Usage: luna-render" : "Uso: luna-render"));
}

void TestRender::timesAreRoundedToTheNearestMinute_data()
{
    QTest::addColumn<QString>("instant");
    QTest::addColumn<QString>("reads");

    QTest::newRow("a second short of the half") << "2026-12-30T18:59:29Z" << "18:59";
    QTest::newRow("on the half") << "2026-12-30T18:59:30Z" << "19:00";
    // Halves go up, to an even minute or an odd one alike.
    QTest::newRow("on the half, to an odd minute") << "2026-12-09T00:12:30Z" << "00:13";
    QTest::newRow("on the half, to an even minute") << "2026-12-09T00:13:30Z" << "00:14";
    QTest::newRow("the last quarter of 2026-12-30") << "2026-12-30T18:59:32Z" << "19:00";
    QTest::newRow("before 1970") << "1950-06-01T23:59:45Z" << "00:00";
    QTest::newRow("on the minute") << "2100-12-31T23:59:00Z" << "23:59";
}

void TestRender::timesAreRoundedToTheNearestMinute()
{
    QFETCH(QString, instant);
    QFETCH(QString, reads);
    const sky::Instant when = sky::parseWhen(instant.toStdString(), sky::Instant{}, sky::Zone());
    QCOMPARE(timeText(when, QStringLiteral("HH:mm"), sky::Zone()), reads);
    QVERIFY(localTime(when, sky::Zone()).endsWith(reads + " UTC"));
}

// The same event reads the same minute in --info and in the month.
void TestRender::infoAndMonthAgreeOnTheMinute()
{
    const Run info = render({"--info", "--date", "2026-12-24T12:00Z"});
    QCOMPARE(info.status, 0);
    QVERIFY2(info.out.contains(u"mercoledì 30 dicembre 2026, 20:00 CET"), qPrintable(info.out));
    const Run month = render({"--calendar", "2026-12"});
    QCOMPARE(month.status, 0);
    QVERIFY2(month.out.contains(u"30 dicembre, 20:00"), qPrintable(month.out));

    // Rome's moonrise of 2026-12-08 comes at 06:07:48 UT.
    const Run rise = render({"--info", "--date", "2026-12-08T12:00Z", "--place", "Europe/Rome"});
    QVERIFY2(rise.out.contains(u"martedì 8 dicembre 2026, 07:08 CET"), qPrintable(rise.out));
}

void TestRender::infoTellsAnEclipseUnderWay_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("instant");
    QTest::addColumn<QString>("eclipse");
    // The greatest of the total lunar eclipse of 2026 March 3, 11:33:37 UT
    // (umbral magnitude 1.1507, NASA), on a clock that reads UTC: one time,
    // not the same twice.
    QTest::newRow("Italian") << Language{{"TZ", "Etc/UTC"}} << "Istante:       martedì 3 marzo 2026, 11:34 UTC\n"
                             << "Eclissi:       eclissi totale di Luna in corso: totalità, magnitudine 1,15";
    QTest::newRow("English") << Language{{"TZ", "Etc/UTC"}, {"LANG", "en_US.UTF-8"}}
                             << "Instant:       Tuesday, March 3, 2026, 11:34 UTC\n"
                             << "Eclipse:       total lunar eclipse under way: totality, magnitude 1.15";
}

void TestRender::infoTellsAnEclipseUnderWay()
{
    QFETCH(Language, language);
    QFETCH(QString, instant);
    QFETCH(QString, eclipse);
    const Run run = render({"--info", "--date", "2026-03-03T11:33:37Z"}, language);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(instant), qPrintable(run.out.left(200)));
    QVERIFY2(run.out.contains(eclipse), qPrintable(run.out.left(400)));
    // Nowhere the same time twice, as "11:34 UTC (11:34 UTC)".
    QVERIFY2(!run.out.contains(" UTC ("), qPrintable(run.out));
}

void TestRender::helpAndVersion()
{
    const Run help = render({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Uso: luna-render"));
    QVERIFY(help.out.contains("Esempi:"));
    const Run version = render({"--version"});
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.startsWith("luna-render "));
}

void TestRender::cycleIsWrittenWhole()
{
    QCOMPARE(render({"--all", folder->path(), "--size", "64x64"}).status, 0);
    const QStringList files = QDir(folder->path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 360);
    QCOMPARE(files.first(), "luna-000.png");
    QCOMPARE(files.last(), "luna-359.png");
    QCOMPARE(QImage(folder->filePath("luna-180.png")).pixelColor(32, 32), QColor(Qt::white));

    // Interrupted, it leaves whole pictures and nothing else.
    QTemporaryDir big;
    QProcess process;
    process.start(QStringLiteral(LUNA_RENDER), {"--all", big.path(), "--size", "2048x2048"});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY(QDir(big.path()).entryList(QDir::Files).size() >= 2);
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 130);
    const QStringList written = QDir(big.path()).entryList(QDir::Files | QDir::Hidden);
    QVERIFY(written.size() < 360);
    for (const QString& name : written) {
        QImageReader reader(big.filePath(name));
        QVERIFY2(name.startsWith("luna-") && reader.read().size() == QSize(2048, 2048),
                 qPrintable(name));
    }
}

// luna-render --face: the face of an instant or of an angle, on any map, in
// PNG or SVG, turned for the south.
void TestRender::faceIsDrawn()
{
    const QString dir = folder->path();
    const auto meanInDisc = [](const QImage& image, int channel) {
        const DiscPlacement disc = placeDisc(image.width(), image.height());
        double sum = 0;
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::hypot(x + 0.5 - disc.x, y + 0.5 - disc.y) < disc.radius - 2) {
                    const QRgb c = image.pixel(x, y);
                    sum += channel == 0 ? qRed(c) : qGreen(c);
                    ++n;
                }
        return sum / n;
    };
    // The full moon of 2026-12-24, and the total eclipse of 2000-01-21.
    QCOMPARE(render({"--date", "2026-12-24T01:28Z", "--face", "-o", dir + "/full.png"}).status, 0);
    QCOMPARE(render({"--date", "2000-01-21T04:44Z", "--face", "-o", dir + "/eclipse.png"}).status, 0);
    const QImage full(dir + "/full.png"), eclipse(dir + "/eclipse.png");
    QCOMPARE(full.size(), QSize(windowPicture.width, windowPicture.height));
    QVERIFY(meanInDisc(full, 1) > 100);
    QVERIFY(meanInDisc(eclipse, 1) < meanInDisc(full, 1) / 4);
    QVERIFY(meanInDisc(eclipse, 0) > 1.5 * meanInDisc(eclipse, 1));

    // On a map of one bright spot at the middle of the face, the full moon
    // of a bare angle shows it at the disc's centre.
    QImage map(720, 360, QImage::Format_Grayscale8);
    map.fill(60);
    QPainter(&map).fillRect(QRect(356, 176, 8, 8), Qt::white);
    QVERIFY(map.save(dir + "/map.png"));
    QCOMPARE(render({"180", "--face", "--map", dir + "/map.png", "--size", "301x301", "-o", dir + "/spot.png"}).status, 0);
    const QImage spot(dir + "/spot.png");
    QVERIFY(qGray(spot.pixel(150, 150)) > 200);
    QVERIFY(qGray(spot.pixel(150, 120)) < 100);

    // The south sees the face half turned; an SVG holds it as an image.
    QCOMPARE(render({"--date", "2026-12-13T18:00Z", "--face", "-o", dir + "/north.png"}).status, 0);
    QCOMPARE(render({"--date", "2026-12-13T18:00Z", "--face", "--hemisphere", "south", "-o", dir + "/south.png"}).status, 0);
    const QImage north(dir + "/north.png"), south(dir + "/south.png");
    const DiscPlacement disc = placeDisc(north.width(), north.height());
    const int right = int(disc.x + disc.radius * 0.8), left = int(disc.x - disc.radius * 0.8);
    // A waxing crescent: lit on the right from the north, on the left from
    // the south.
    QVERIFY(qGray(north.pixel(right, int(disc.y))) > qGray(north.pixel(left, int(disc.y))) + 40);
    QVERIFY(qGray(south.pixel(left, int(disc.y))) > qGray(south.pixel(right, int(disc.y))) + 40);
    QCOMPARE(render({"90", "--face", "-o", dir + "/face.svg"}).status, 0);
    QFile svg(dir + "/face.svg");
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<image"));

    // What does not go together is said.
    for (const QStringList& wrong : {QStringList{"90", "--map", dir + "/map.png", "-o", dir + "/x.png"},
                                     QStringList{"90", "--face"},
                                     QStringList{"90", "--face", "--map", dir + "/none.png", "-o", dir + "/x.png"},
                                     QStringList{"--date", "now", "--face", "--info"},
                                     QStringList{"--calendar", "2027", "--face"}}) {
        const Run run = render(wrong);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count(u'\n'), 1);
    }
}

void TestRender::everySpellingEndsCleanly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("writes");

    // Each option as luna-render reads it with two dashes, and again with
    // one, as separate words and joined by '='; the status it must end with
    // and the file it must leave.
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
        QString writes;
    };
    const QList<Case> cases{
        {"calendar to pdf", {"--calendar", "2027-01", "-o", "gennaio.pdf"}, 0, "gennaio.pdf"},
        {"calendar to svg", {"--calendar", "2027-02", "--output", "febbraio.svg"}, 0, "febbraio.svg"},
        {"calendar as text", {"--calendar", "2027"}, 0, ""},
        {"calendar to ics", {"--calendar", "2027-03", "-o", "marzo.ics"}, 0, "marzo.ics"},
        {"picture", {"90", "-o", "luna.png", "--size", "64x64", "--background", "navy"}, 0, "luna.png"},
        {"svg picture", {"--date", "2026-12-24T12:00Z", "-o", "luna.svg"}, 0, "luna.svg"},
        {"all as svg", {"--all", ".", "--format", "svg", "--size", "8x8"}, 0, "luna-000.svg"},
        {"info", {"--info", "--json", "--date", "2026-12-24", "--place", "Europe/Rome"}, 0, ""},
        {"as seen", {"--as-seen", "--date", "2026-12-24T21:00Z", "--place", "41.9,12.5"}, 0, ""},
        {"eclipses", {"--eclipses", "--count", "2", "--kind", "solar"}, 0, ""},
        {"hemisphere", {"45", "--hemisphere", "south"}, 0, ""},
        {"face", {"--date", "2026-12-24T21:00Z", "--face", "--as-seen", "--place", "Europe/Rome", "-o", "volto.png"}, 0, "volto.png"},
        {"map without a face", {"90", "--map", "luna.png", "-o", "x.png"}, 2, ""},
        {"all", {"--all", ".", "--size", "8x8"}, 0, "luna-359.png"},
        {"help", {"--help"}, 0, ""},
        {"version", {"--version"}, 0, ""},
        {"unwritable path", {"90", "-o", "/proc/luna.png"}, 1, ""},
        {"missing folder", {"--calendar", "2027-01", "-o", "nowhere/gennaio.pdf"}, 2, ""},
        {"a folder for a file", {"--calendar", "2027-01", "-o", "."}, 2, ""},
        {"unknown extension", {"90", "-o", "luna.bmp"}, 2, ""},
        {"calendar, unknown extension", {"--calendar", "2027-01", "-o", "gennaio.doc"}, 2, ""},
        {"empty name", {"90", "-o", ""}, 2, ""},
        {"calendar, empty name", {"--calendar", "2027", "-o", ""}, 2, ""},
        {"calendar out of range", {"--calendar", "2101-01"}, 2, ""},
        {"odd count", {"--eclipses", "--count", "-3"}, 2, ""},
        {"odd kind", {"--eclipses", "--kind", "annular"}, 2, ""},
        {"odd size", {"90", "--size", "0x99999", "-o", "x.png"}, 2, ""},
        {"odd date", {"--date", "2026-02-30"}, 2, ""},
        {"odd place", {"--info", "--place", "91,0"}, 2, ""},
        {"missing value", {"--calendar"}, 2, ""},
    };
    const QStringList flags{"--info", "--json", "--as-seen", "--eclipses", "--face", "--help", "--version"};
    for (const Case& c : cases) {
        QStringList single, joined, singleJoined;
        for (qsizetype i = 0; i < c.arguments.size(); ++i) {
            const QString& word = c.arguments[i];
            const bool option = word.startsWith(u"--");
            const QString oneDash = option ? word.mid(1) : word;
            single << oneDash;
            if (option && !flags.contains(word) && i + 1 < c.arguments.size()) {
                const QString& value = c.arguments[++i];
                joined << word + u'=' + value;
                singleJoined << oneDash + u'=' + value;
                single << value;
            } else {
                joined << word;
                singleJoined << oneDash;
            }
        }
        QTest::addRow("%s, --option value", c.name) << c.arguments << c.status << c.writes;
        QTest::addRow("%s, -option value", c.name) << single << c.status << c.writes;
        QTest::addRow("%s, --option=value", c.name) << joined << c.status << c.writes;
        QTest::addRow("%s, -option=value", c.name) << singleJoined << c.status << c.writes;
    }
}

// Whatever is typed, luna-render ends by its own hand with 0, 1 or 2, never
// by a signal, and a spelling reaches the same work as any other.
void TestRender::everySpellingEndsCleanly()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, writes);

    QProcess process;
    process.setWorkingDirectory(folder->path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Rome"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUNA_RENDER), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    if (!writes.isEmpty())
        QVERIFY2(QFileInfo(folder->filePath(writes)).size() > 0, qPrintable(writes));
    if (status != 0)
        QVERIFY(!process.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
