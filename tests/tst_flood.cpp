// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ten thousand random bar events through the real widgets, with the drawing's
// pause shortened: the window must stay alive and its label and picture must
// agree with the bar.

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "Form1.h"
#include "PainterSurface.h"
#include "PictureBox.h"
#include "PictureGeometry.h"
#include "ScrollBar.h"
#include "ScrollBarParts.h"

#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

using namespace luna;

namespace {

// Whether the picture shows the drawing at `angle`, compared well inside
// the disc, where earlier drawings leave no trace.
bool pictureShows(const PictureBox& picture, int angle)
{
    QImage expected(picture.image().size(), QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(picture.image().devicePixelRatio());
    expected.fill(Qt::transparent);
    PainterSurface surface(expected);
    const DiscPlacement disc = placeDisc(picture.innerWidth(), picture.innerHeight());
    drawPhase(surface, disc.x, disc.y, angle, disc.radius);

    const QImage& shown = picture.image();
    const double ratio = shown.devicePixelRatio();
    const QPointF centre(disc.x * ratio, disc.y * ratio);
    const double inside = disc.radius * ratio * 0.95;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (QLineF(centre, QPointF(x + 0.5, y + 0.5)).length() < inside
                && shown.pixel(x, y) != expected.pixel(x, y))
                return false;
    return true;
}

void sendKey(ScrollBar* bar, Qt::Key key, bool repeat, ulong timestamp)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, {}, repeat);
    press.setTimestamp(timestamp);
    QApplication::sendEvent(bar, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, {}, repeat);
    release.setTimestamp(timestamp);
    QApplication::sendEvent(bar, &release);
}

} // namespace

class TestFlood : public QObject {
    Q_OBJECT

private slots:
    void survivesTenThousandEvents();
};

void TestFlood::survivesTenThousandEvents()
{
    setPauseForTesting(std::chrono::microseconds(0));
    const auto restore = qScopeGuard([] { setPauseForTesting(LunaPause); });

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ScrollBar* bar = form.HScroll1;
    bar->setFocus();
    // The picture is empty until the bar first moves; from then on the two
    // must agree.
    bar->setValue(180);

    // A run is repeated with FLOOD_SEED set to the seed it printed.
    const quint32 seed = qEnvironmentVariableIsSet("FLOOD_SEED")
        ? quint32(qEnvironmentVariableIntValue("FLOOD_SEED"))
        : QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    constexpr Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_PageUp,
                                Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    constexpr QStyle::SubControl parts[] = {QStyle::SC_ScrollBarAddLine,
                                            QStyle::SC_ScrollBarSubLine,
                                            QStyle::SC_ScrollBarAddPage,
                                            QStyle::SC_ScrollBarSubPage};
    ulong clock = 1000;
    int events = 0;
    while (events < 10'000) {
        switch (random.bounded(4)) {
        case 0: // a key
            sendKey(bar, keys[random.bounded(6)], false, clock += random.bounded(200));
            ++events;
            break;
        case 1: { // a held key: a press and its repeats
            const Qt::Key key = keys[random.bounded(4)];
            sendKey(bar, key, false, clock += 50);
            for (int repeat = random.bounded(30); repeat > 0; --repeat, ++events)
                sendKey(bar, key, true, clock += 40);
            ++events;
            break;
        }
        case 2: // a click on an arrow or the trough
            QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, parts[random.bounded(4)]));
            ++events;
            break;
        default: { // a drag of the thumb
            const QPoint thumb = centreOf(bar, QStyle::SC_ScrollBarSlider);
            QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
            QPoint at = thumb;
            for (int move = random.bounded(1, 10); move > 0; --move, ++events) {
                at.rx() += random.bounded(-15, 16);
                QTest::mouseMove(bar, at);
            }
            QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
            events += 2;
            break;
        }
        }
        if (events % 1000 < 40) {
            QCOMPARE(form.Text1->caption(), QString::number(bar->value()));
            QVERIFY2(pictureShows(*form.PicLuna, bar->value()), qPrintable(form.Text1->caption()));
        }
    }
    QTest::qWait(50);
    QCOMPARE(form.Text1->caption(), QString::number(bar->value()));
    QVERIFY(pictureShows(*form.PicLuna, bar->value()));
    // And after all that the bar still answers, at both ends.
    QTest::keyClick(bar, Qt::Key_End);
    QTRY_COMPARE(form.Text1->caption(), "359");
    QTest::keyClick(bar, Qt::Key_Home);
    QTRY_COMPARE(form.Text1->caption(), "0");
    QVERIFY(pictureShows(*form.PicLuna, 0));
}

QTEST_MAIN(TestFlood)
#include "tst_flood.moc"
