// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "PhasePicture.h"
#include "PictureBox.h"
#include "ScrollBar.h"
#include "ScrollBarParts.h"
#include "TextNumber.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <clocale>
#include <string_view>
#include <thread>

using namespace luna;

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void readsTheLeadingNumber_data();
    void readsTheLeadingNumber();
    void writesPlainNumbers_data();
    void writesPlainNumbers();
    void numbersIgnoreTheLocale();

    void captionAnnouncesRealChanges();

    void scrollBarKeys_data();
    void scrollBarKeys();
    void heldKeysFoldIntoTheNextStep_data();
    void heldKeysFoldIntoTheNextStep();
    void scrollBarClicks_data();
    void scrollBarClicks();
    void thumbDragScrollsThenChangesOnce();

    void pictureStartsEmptyAndKeepsDrawing();
    void pictureReportsLeftClicksOnly();

private:
    void showBar(ScrollBar& bar, int value);
};

void TestControls::readsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("digits") << "359" << 359.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("leading blanks") << " \t42" << 42.0;
    QTest::newRow("negative decimal") << "-7.5" << -7.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("fraction only") << ".5" << 0.5;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("incomplete exponent") << "1e+" << 1.0;
    QTest::newRow("trailing text") << "12 gradi" << 12.0;
    QTest::newRow("comma is not a decimal point") << "3,5" << 3.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("words") << "luna" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("nan is not a number") << "nan" << 0.0;
    QTest::newRow("inf is not a number") << "inf" << 0.0;
    QTest::newRow("too large") << "1e999" << 0.0;
}

void TestControls::readsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numberFromText(text), expected);
}

void TestControls::writesPlainNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("359") << 359.0 << "359";
    QTest::newRow("no group separator") << 123456.0 << "123456";
    QTest::newRow("decimal") << 2.5 << "2.5";
    QTest::newRow("negative") << -10.0 << "-10";
}

void TestControls::writesPlainNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(textFromNumber(value), expected);
    QCOMPARE(numberFromText(textFromNumber(value)), value);
}

void TestControls::numbersIgnoreTheLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY2(std::setlocale(LC_ALL, "it_IT.UTF-8"), "the it_IT.UTF-8 locale is not installed");
    QCOMPARE(std::localeconv()->decimal_point, std::string_view(","));

    QCOMPARE(textFromNumber(1234.5), QStringLiteral("1234.5"));
    QCOMPARE(numberFromText(u"1234.5"), 1234.5);
    QCOMPARE(numberFromText(u"2,5"), 2.0);

    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
}

void TestControls::captionAnnouncesRealChanges()
{
    CaptionLabel label(QStringLiteral("0"));
    QSignalSpy changed(&label, &CaptionLabel::changed);
    QString seenInside;
    connect(&label, &CaptionLabel::changed, this, [&] { seenInside = label.caption(); });

    label.setCaption(QStringLiteral("1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(seenInside, QStringLiteral("1"));
    label.setCaption(QStringLiteral("1"));
    QCOMPARE(changed.count(), 1);
    label.setCaption(QStringLiteral("0"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(label.text(), QStringLiteral("0"));
    QCOMPARE(label.focusPolicy(), Qt::NoFocus);
}

void TestControls::showBar(ScrollBar& bar, int value)
{
    bar.setRange(0, 359);
    bar.setSingleStep(1);
    bar.setPageStep(10);
    bar.setValue(value);
    bar.setGeometry(0, 0, 160, 17);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
}

void TestControls::scrollBarKeys_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("Right +1") << 100 << int(Qt::Key_Right) << 101;
    QTest::newRow("Left -1") << 100 << int(Qt::Key_Left) << 99;
    QTest::newRow("Down +1") << 100 << int(Qt::Key_Down) << 101;
    QTest::newRow("Up -1") << 100 << int(Qt::Key_Up) << 99;
    QTest::newRow("Page Down +10") << 100 << int(Qt::Key_PageDown) << 110;
    QTest::newRow("Page Up -10") << 100 << int(Qt::Key_PageUp) << 90;
    QTest::newRow("Home to 0") << 100 << int(Qt::Key_Home) << 0;
    QTest::newRow("End to 359") << 100 << int(Qt::Key_End) << 359;
    QTest::newRow("Left stops at 0") << 0 << int(Qt::Key_Left) << 0;
    QTest::newRow("Page Down stops at 359") << 355 << int(Qt::Key_PageDown) << 359;
}

void TestControls::scrollBarKeys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);

    ScrollBar bar(Qt::Horizontal);
    showBar(bar, start);
    QSignalSpy changes(&bar, &ScrollBar::change);
    QSignalSpy scrolls(&bar, &ScrollBar::scroll);
    QTest::keyClick(&bar, Qt::Key(key));
    QCOMPARE(bar.value(), expected);
    QCOMPARE(changes.count(), start == expected ? 0 : 1);
    QCOMPARE(scrolls.count(), 0);
}

void TestControls::heldKeysFoldIntoTheNextStep_data()
{
    // Right key presses: when each was generated (ms) and whether it is an
    // auto-repeat. Every step takes LunaPause (100 ms) to handle.
    QTest::addColumn<QList<int>>("times");
    QTest::addColumn<QList<bool>>("repeats");
    QTest::addColumn<int>("steps");
    // When the key was released before each press, or -1 for not at all:
    // the window system repeats a held key as a release and a press of the
    // same instant, which Qt does not always flag.
    QTest::addColumn<QList<int>>("releases");

    QTest::newRow("distinct presses all count")
        << QList<int>{1000, 1010, 1020, 1030, 1040, 1050, 1060, 1070, 1080, 1090}
        << QList<bool>(10, false) << 10 << QList<int>(10, -1);
    QTest::newRow("repeats during a step fold into the next")
        << QList<int>{1000, 1040, 1080, 1120, 1160, 1200, 1240}
        << QList<bool>{false, true, true, true, true, true, true} << 3 << QList<int>(7, -1);
    QTest::newRow("repeats after each step all count")
        << QList<int>{1000, 1200, 1400} << QList<bool>{false, true, true} << 3 << QList<int>(3, -1);
    QTest::newRow("a clock that wrapped around")
        << QList<int>{-300, 50} << QList<bool>{false, true} << 2 << QList<int>{-1, -1};
    QTest::newRow("unflagged repeats, each a release and a press at once, fold")
        << QList<int>{1000, 1040, 1080, 1120, 1160, 1200, 1240} << QList<bool>(7, false) << 3
        << QList<int>{-1, 1040, 1080, 1120, 1160, 1200, 1240};
    QTest::newRow("quick real taps, released before each press, all count")
        << QList<int>{1000, 1040, 1080} << QList<bool>(3, false) << 3 << QList<int>{-1, 1030, 1070};
}

void TestControls::heldKeysFoldIntoTheNextStep()
{
    QFETCH(QList<int>, times);
    QFETCH(QList<bool>, repeats);
    QFETCH(int, steps);
    QFETCH(QList<int>, releases);

    ScrollBar bar(Qt::Horizontal);
    showBar(bar, 0);
    connect(&bar, &ScrollBar::change, this, [] { std::this_thread::sleep_for(LunaPause); });
    for (qsizetype i = 0; i < times.size(); ++i) {
        if (releases[i] >= 0) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
            release.setTimestamp(static_cast<quint32>(releases[i]));
            QApplication::sendEvent(&bar, &release);
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, {}, repeats[i]);
        press.setTimestamp(static_cast<quint32>(times[i]));
        QApplication::sendEvent(&bar, &press);
    }
    QCOMPARE(bar.value(), steps);
}

void TestControls::scrollBarClicks_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("expected");

    QTest::newRow("right arrow +1") << int(QStyle::SC_ScrollBarAddLine) << 101;
    QTest::newRow("left arrow -1") << int(QStyle::SC_ScrollBarSubLine) << 99;
    QTest::newRow("trough right of thumb +10") << int(QStyle::SC_ScrollBarAddPage) << 110;
    QTest::newRow("trough left of thumb -10") << int(QStyle::SC_ScrollBarSubPage) << 90;
}

void TestControls::scrollBarClicks()
{
    QFETCH(int, part);
    QFETCH(int, expected);

    ScrollBar bar(Qt::Horizontal);
    showBar(bar, 100);
    QSignalSpy changes(&bar, &ScrollBar::change);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(&bar, QStyle::SubControl(part)));
    QCOMPARE(bar.value(), expected);
    QCOMPARE(changes.count(), 1);
}

void TestControls::thumbDragScrollsThenChangesOnce()
{
    ScrollBar bar(Qt::Horizontal);
    showBar(bar, 100);
    QSignalSpy changes(&bar, &ScrollBar::change);
    QList<int> valuesOnScroll;
    connect(&bar, &ScrollBar::scroll, this, [&] { valuesOnScroll << bar.value(); });

    const QPoint thumb = centreOf(&bar, QStyle::SC_ScrollBarSlider);
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
    for (int dx : {8, 16, 24})
        QTest::mouseMove(&bar, thumb + QPoint(dx, 0));
    QCOMPARE(valuesOnScroll.size(), 3);
    QVERIFY(valuesOnScroll[0] > 100);
    QVERIFY(valuesOnScroll[0] < valuesOnScroll[1] && valuesOnScroll[1] < valuesOnScroll[2]);
    QCOMPARE(valuesOnScroll.last(), bar.value());
    QCOMPARE(changes.count(), 0);

    QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb + QPoint(24, 0));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(valuesOnScroll.size(), 3);

    // A drag that ends where it started changes nothing.
    const QPoint still = centreOf(&bar, QStyle::SC_ScrollBarSlider);
    QTest::mousePress(&bar, Qt::LeftButton, {}, still);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, still);
    QCOMPARE(changes.count(), 1);
}

void TestControls::pictureStartsEmptyAndKeepsDrawing()
{
    PictureBox box;
    box.setGeometry(0, 0, 120, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.innerWidth(), float(box.contentsRect().width()));
    QCOMPARE(box.innerHeight(), float(box.contentsRect().height()));
    QVERIFY(box.innerWidth() > 100);

    QImage shown = box.grab().toImage();
    const QPoint middle = box.contentsRect().center();
    const QColor backgroundColour = shown.pixelColor(middle);
    QCOMPARE(backgroundColour, pictureBackground());

    drawPhase(box.surface(), box.innerWidth() / 2, box.innerHeight() / 2, 180, 30);
    box.repaint();
    QCOMPARE(box.grab().toImage().pixelColor(middle), QColor(Qt::white));
    const QColor corner = box.image().pixelColor(2, 2);
    QCOMPARE(corner.alpha(), 0);

    // What was drawn survives being hidden and shown again.
    box.hide();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.grab().toImage().pixelColor(middle), QColor(Qt::white));
}

void TestControls::pictureReportsLeftClicksOnly()
{
    PictureBox box;
    box.setGeometry(0, 0, 120, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicked(&box, &PictureBox::clicked);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(60, 50));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(box.focusPolicy(), Qt::StrongFocus);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(60, 50));
    QCOMPARE(clicked.count(), 1);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(300, 50));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
