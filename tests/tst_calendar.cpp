// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Calendar.h"
#include "CalendarFiles.h"
#include "Clock.h"
#include "MonthFacts.h"
#include "When.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

using namespace luna;
using namespace std::chrono;

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run run(const QString& program, const QStringList& arguments, const QString& zone = "Europe/Rome")
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TZ", zone);
    environment.insert("LANG", "C.UTF-8");
    environment.remove("LANGUAGE");
    environment.remove("LC_ALL");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Run render(const QStringList& arguments, const QString& zone = "Europe/Rome")
{
    return run(QStringLiteral(LUNA_RENDER), arguments, zone);
}

void useZone(const char* zone)
{
    qputenv("TZ", zone);
    tzset();
}

int count(const sky::MonthFacts& facts, sky::Phase phase)
{
    return int(std::count_if(facts.events.begin(), facts.events.end(), [&](const sky::MonthEvent& e) {
        return e.kind == sky::MonthEvent::Kind::Phase && e.phase == phase;
    }));
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void monthsHoldTheirPhases_data();
    void monthsHoldTheirPhases();
    void halvesFollowTheLunations();
    void textGridOfAKnownMonth();
    void everyEdgeMonthInEveryZone_data();
    void everyEdgeMonthInEveryZone();
    void pdfHasTheMonthsInText();
    void legendHoldsEveryStretch();
    void monthListsReadAsItalianDoes_data();
    void monthListsReadAsItalianDoes();
    void iCalendarReadsAndKeepsItsUids();
    void pagesAsPicturesOneAMonth();
    void badInputWritesNothing_data();
    void badInputWritesNothing();
};

void TestCalendar::cleanup()
{
    useZone("UTC0");
}

void TestCalendar::monthsHoldTheirPhases_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("newMoons");
    QTest::addColumn<int>("fullMoons");
    QTest::addColumn<int>("eclipses");

    // Published: new moons on 2014 Jan 1 and 30 and Mar 1 (none in
    // February); full moons on 2026 May 1 and 31; in March 2025 the total
    // lunar eclipse of the 14th and the partial solar one of the 29th; in
    // February 2018 no full moon (Jan 31 and Mar 2).
    QTest::newRow("two new moons, January 2014") << 2014 << 1 << 2 << 1 << 0;
    QTest::newRow("no new moon, February 2014") << 2014 << 2 << 0 << 1 << 0;
    QTest::newRow("two full moons, May 2026") << 2026 << 5 << 1 << 2 << 0;
    QTest::newRow("no full moon, February 2018") << 2018 << 2 << 1 << 0 << 1;
    QTest::newRow("two eclipses, March 2025") << 2025 << 3 << 1 << 1 << 2;
}

void TestCalendar::monthsHoldTheirPhases()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, newMoons);
    QFETCH(int, fullMoons);
    QFETCH(int, eclipses);

    useZone("UTC0");
    const sky::MonthFacts facts = sky::monthFacts(year, unsigned(month), std::nullopt);
    QCOMPARE(count(facts, sky::Phase::New), newMoons);
    QCOMPARE(count(facts, sky::Phase::Full), fullMoons);
    QCOMPARE(int(std::count_if(facts.events.begin(), facts.events.end(),
                               [](const sky::MonthEvent& e) { return e.kind == sky::MonthEvent::Kind::Eclipse; })),
             eclipses);
    QCOMPARE(int(facts.days.size()), QDate(year, month, 1).daysInMonth());
    for (std::size_t i = 1; i < facts.events.size(); ++i)
        QVERIFY(facts.events[i].when >= facts.events[i - 1].when);
}

void TestCalendar::halvesFollowTheLunations()
{
    useZone("Europe/Rome");
    const sky::MonthFacts facts = sky::monthFacts(2026, 12, std::nullopt);
    QVERIFY(facts.halves.size() >= 2);
    for (std::size_t i = 1; i < facts.halves.size(); ++i) {
        QCOMPARE(facts.halves[i].from, facts.halves[i - 1].to);
        QVERIFY(facts.halves[i].waxing != facts.halves[i - 1].waxing);
    }
    // The first half began before the month and the last ends after it.
    QVERIFY(facts.halves.front().from < facts.days.front().evening);
    QVERIFY(facts.halves.back().to > facts.days.back().evening);
    // Each evening lies in a half of its own kind.
    for (const sky::DayFacts& day : facts.days) {
        const auto half = std::find_if(facts.halves.begin(), facts.halves.end(), [&](const sky::Half& h) {
            return day.evening >= h.from && day.evening < h.to;
        });
        QVERIFY(half != facts.halves.end());
        QCOMPARE(half->waxing, day.waxing);
    }
}

void TestCalendar::textGridOfAKnownMonth()
{
    // December 2026 begins on a Tuesday; the U.S. Naval Observatory's phases
    // in Rome's time: last quarter the 1st at 07:09, new moon the 9th at
    // 01:52, first quarter the 17th at 06:43, full moon the 24th at 02:28,
    // last quarter the 30th at 20:00.
    const Run grid = render({"--calendar", "2026-12"});
    QCOMPARE(grid.status, 0);
    const QStringList lines = grid.out.split(u'\n');
    QCOMPARE(lines[0].trimmed(), "dicembre 2026");
    QCOMPARE(lines[1], "Lu  Ma  Me  Gi  Ve  Sa  Do");
    QCOMPARE(lines[2], "     1◑  2   3   4   5   6");
    QCOMPARE(lines[3], " 7   8   9● 10  11  12  13");
    QCOMPARE(lines[5], "21  22  23  24○ 25  26  27");
    QCOMPARE(lines[6], "28  29  30◑ 31");
    for (const char* event : {"Ultimo quarto: martedì 1 dicembre, 07:09", "Luna nuova: mercoledì 9 dicembre, 01:52",
                              "Primo quarto: giovedì 17 dicembre, 06:43", "Luna piena: giovedì 24 dicembre, 02:28",
                              "Ultimo quarto: mercoledì 30 dicembre, 20:00"})
        QVERIFY2(grid.out.contains(QString::fromUtf8(event)), event);
    QVERIFY(grid.out.contains("crescente dal 9 dicembre, 01:52 al 24 dicembre, 02:28"));

    // Seen from the south, the quarters' signs are mirrored.
    const Run south = render({"--calendar", "2026-12", "--hemisphere", "south"});
    QVERIFY(south.out.contains(" 1◐") && south.out.contains("17◑"));
}

void TestCalendar::everyEdgeMonthInEveryZone_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("zone");

    QTest::newRow("January 1900, 14 hours ahead") << "1900-01" << "Etc/GMT-14";
    QTest::newRow("January 1900, 12 hours behind") << "1900-01" << "Etc/GMT+12";
    QTest::newRow("December 2100, 12 hours behind") << "2100-12" << "Etc/GMT+12";
    QTest::newRow("December 2100, 14 hours ahead, with a place") << "2100-12" << "Pacific/Kiritimati";
}

void TestCalendar::everyEdgeMonthInEveryZone()
{
    QFETCH(QString, month);
    QFETCH(QString, zone);
    const Run text = render({"--calendar", month}, zone);
    QCOMPARE(text.status, 0);
    QVERIFY2(text.err.isEmpty(), qPrintable(text.err));
    QVERIFY(text.out.contains("crescente dal") && text.out.contains("calante dal"));
}

void TestCalendar::pdfHasTheMonthsInText()
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("lunario-2027.pdf");
    const Run made = render({"--calendar", "2027", "-o", pdf, "--place", "Rome"});
    QCOMPARE(made.status, 0);
    QVERIFY2(made.err.isEmpty(), qPrintable(made.err));
    QVERIFY(QFileInfo(pdf).size() < 500 * 1024);

    const Run info = run("pdfinfo", {pdf});
    QVERIFY2(info.out.contains(QRegularExpression("Pages:\\s+12")), qPrintable(info.out));
    QVERIFY2(info.out.contains("(A4)"), qPrintable(info.out));
    // Real, copyable text: the month, a phase with its time, rise and set.
    const Run text = run("pdftotext", {"-f", "1", "-l", "1", pdf, "-"});
    QVERIFY(text.out.contains("gennaio 2027"));
    QVERIFY2(text.out.contains("Luna piena: venerdì 22 gennaio, 13:17"), qPrintable(text.out));
    // The city, and the zone its times are in.
    QVERIFY2(text.out.contains("Roma, Lazio, Italia") && text.out.contains("Europe/Rome, CET"), qPrintable(text.out));
    QVERIFY(text.out.contains("Luna alle 21:00"));
    QVERIFY(text.out.contains(QString::fromUtf8("↑")));
    // The Moons are paths, not pictures.
    const Run images = run("pdfimages", {"-list", pdf});
    QCOMPARE(images.out.count(u'\n'), 2);
}

// August 2027 touches four halves of lunations: the page lists all four,
// below a six-week grid and a solar eclipse's long line.
void TestCalendar::legendHoldsEveryStretch()
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("agosto.pdf");
    QCOMPARE(render({"--calendar", "2027-08", "-o", pdf, "--place", "Roma"}).status, 0);
    const Run text = run("pdftotext", {pdf, "-"});
    for (const char* stretch : {"calante dal 18 luglio", "crescente dal 2 agosto", "calante dal 17 agosto",
                                "crescente dal 31 agosto"})
        QVERIFY2(text.out.contains(QString::fromUtf8(stretch)), stretch);
    QVERIFY2(text.out.contains("da qui: parziale"), qPrintable(text.out));
    // The marks of the days, explained at the foot: August 2027 has the
    // total eclipse of the Sun of the 2nd and the penumbral one of the Moon
    // of the 17th, and no superluna.
    QVERIFY2(text.out.contains(QString::fromUtf8("☉ eclissi di Sole · ☾ eclissi di Luna")) && !text.out.contains(u'★'),
             qPrintable(text.out.right(400)));
}

void TestCalendar::monthListsReadAsItalianDoes_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("reads");
    // The article elided before "uno", "otto" and "undici", kept whole
    // before the rest; the full moons of 2026 February 1 and September 11 (on
    // Rome's clock, 2 and 11 September in UTC both) and the new moon of
    // December 8 in New York.
    QTest::newRow("all'1") << "2026-02" << "Roma" << "crescente dal 18 gennaio, 20:52 all'1 febbraio";
    QTest::newRow("dall'1") << "2026-02" << "Roma" << "calante dall'1 febbraio";
    QTest::newRow("all'11") << "2026-09" << "Roma" << "calante dal 28 agosto, 06:19 all'11 settembre";
    QTest::newRow("dall'11") << "2026-09" << "Roma" << "crescente dall'11 settembre";
    QTest::newRow("all'8") << "2026-12" << "New York" << "calante dal 24 novembre, 09:54 all'8 dicembre";
    QTest::newRow("dall'8") << "2026-12" << "New York" << "crescente dall'8 dicembre, 19:52 al 23 dicembre";
    // A lunar eclipse says whether the place sees it, as a solar one does.
    QTest::newRow("lunar eclipse by day") << "2026-03" << "Roma"
                                          << "Eclissi totale di Luna: martedì 3 marzo, 12:34, magnitudine 1,151; "
                                             "non visibile: la Luna è sotto l'orizzonte";
    QTest::newRow("lunar eclipse at dawn") << "2026-08" << "Roma"
                                           << "magnitudine 0,929; visibile al massimo (fasi: penombra, parziale)";
}

void TestCalendar::monthListsReadAsItalianDoes()
{
    QFETCH(QString, month);
    QFETCH(QString, place);
    QFETCH(QString, reads);
    const Run text = render({"--calendar", month, "--place", place});
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.contains(reads), qPrintable(text.out.right(600)));
    QVERIFY(!text.out.contains("al 1 ") && !text.out.contains("al 8 ") && !text.out.contains("al 11 "));
}

void TestCalendar::iCalendarReadsAndKeepsItsUids()
{
    QTemporaryDir folder;
    const QString first = folder.filePath("luna.ics"), second = folder.filePath("again.ics");
    QCOMPARE(render({"--calendar", "2027", "-o", first}).status, 0);
    QCOMPARE(render({"--calendar", "2027", "-o", second}).status, 0);

    // Debian's icalendar reads both: every event has a UTC start and a UID,
    // the same in both runs; the year has 12 or 13 of each principal phase.
    const QString script = QStringLiteral(
        "import icalendar, sys, collections\n"
        "uids = []\n"
        "for path in sys.argv[1:]:\n"
        "    cal = icalendar.Calendar.from_ical(open(path, 'rb').read())\n"
        "    events = cal.walk('VEVENT')\n"
        "    assert all(e.decoded('DTSTART').tzinfo is not None for e in events)\n"
        "    assert all(e.decoded('DTSTART').utcoffset().total_seconds() == 0 for e in events)\n"
        "    uids.append([str(e['UID']) for e in events])\n"
        "    kinds = collections.Counter(str(e['SUMMARY']).split(' (')[0] for e in events)\n"
        "    print(kinds['Luna piena'], kinds['Luna nuova'], len(events))\n"
        "assert uids[0] == uids[1] and len(set(uids[0])) == len(uids[0])\n"
        "full = [e for e in events if str(e['SUMMARY']).startswith('Luna piena')][0]\n"
        "print(full.decoded('DTSTART').strftime('%Y-%m-%dT%H:%MZ'), full['UID'])\n");
    const Run parsed = run("/usr/bin/python3", {"-c", script, first, second});
    QVERIFY2(parsed.status == 0, qPrintable(parsed.err));
    const QStringList lines = parsed.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    const QStringList counts = lines[0].split(u' ');
    QVERIFY(counts[0].toInt() >= 12 && counts[0].toInt() <= 13);
    QVERIFY(counts[1].toInt() >= 12 && counts[1].toInt() <= 13);
    // The first full moon of 2027: January 22, 12:17 UTC.
    QVERIFY2(lines[2].startsWith("2027-01-22T12:17Z 20270122-full-moon@"), qPrintable(lines[2]));

    // Each event is stamped with the program's clock, LUNA_CLOCK's where set.
    sky::programClock().startAt(sky::parseWhen("2027-03-15T12:00Z", {}, sky::Zone()));
    const QByteArray march = calendarICalendar({sky::monthFacts(2027, 3, std::nullopt)});
    sky::programClock().startAt(sky::Instant(floor<seconds>(system_clock::now())));
    QVERIFY(march.contains("DTSTAMP:20270315T120000Z\r\n"));
    QCOMPARE(march.count("DTSTAMP:"), march.count("BEGIN:VEVENT"));
}

void TestCalendar::pagesAsPicturesOneAMonth()
{
    QTemporaryDir folder;
    QCOMPARE(render({"--calendar", "2027", "-o", folder.filePath("luna.svg")}).status, 0);
    QStringList files = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 12);
    QCOMPARE(files.first(), "luna-01.svg");
    QCOMPARE(files.last(), "luna-12.svg");
    QCOMPARE(render({"--calendar", "2027-02", "-o", folder.filePath("febbraio.png")}).status, 0);
    const QImage page(folder.filePath("febbraio.png"));
    QCOMPARE(page.size(), QSize(1240, 1754));
}

void TestCalendar::badInputWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("names");

    QTest::newRow("month 13") << QStringList{"--calendar", "2027-13", "-o", "@/l.pdf"} << "«2027-13»";
    QTest::newRow("year 2101") << QStringList{"--calendar", "2101", "-o", "@/l.pdf"} << "2101";
    QTest::newRow("year 1899") << QStringList{"--calendar", "1899-12"} << "1899";
    QTest::newRow("not a month") << QStringList{"--calendar", "dicembre"} << "--calendar";
    QTest::newRow("unknown extension") << QStringList{"--calendar", "2027", "-o", "@/l.doc"} << "l.doc";
    QTest::newRow("with an angle") << QStringList{"90", "--calendar", "2027"} << "--calendar";
}

void TestCalendar::badInputWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, names);
    QTemporaryDir folder;
    for (QString& argument : arguments)
        argument.replace(u'@', folder.path());
    const Run refused = render(arguments);
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.err.count(u'\n') == 1 && refused.err.contains(names), qPrintable(refused.err));
    QVERIFY(QDir(folder.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
