// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "Form1.h"
#include "FormGeometry.h"
#include "Identity.h"
#include "PhasePicture.h"
#include "PictureBox.h"
#include "ScrollBar.h"
#include "ScrollBarParts.h"

#include <QApplication>
#include <QPainter>
#include <QScopeGuard>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformintegration.h>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <string_view>
#include <optional>

using namespace luna;

namespace {

enum class Tone { White, Black, Empty, Other };

// The tone of the picture as the window paints it, at a point of the disc
// `fraction` of the radius right of its centre (negative: left).
Tone toneAcross(Form1& form, double fraction)
{
    PictureBox* picture = form.PicLuna;
    const QPointF centre(picture->innerWidth() / 2, picture->innerHeight() / 2);
    const double radius = picture->innerWidth() / 3.0;
    const QPoint inPicture = picture->contentsRect().topLeft()
        + (centre + QPointF(fraction * radius, 0)).toPoint();
    const QPoint inWindow = picture->mapTo(&form, inPicture);
    const QImage shown = form.grab().toImage();
    const QColor c = shown.pixelColor((QPointF(inWindow) * shown.devicePixelRatio()).toPoint());
    if (c == pictureBackground())
        return Tone::Empty;
    if (c.red() > 200 && c.green() > 200 && c.blue() > 200)
        return Tone::White;
    if (c.red() < 55 && c.green() < 55 && c.blue() < 55)
        return Tone::Black;
    return Tone::Other;
}


} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowIsAFixedDialog();
    void controlsSitInPlace_data();
    void controlsSitInPlace();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void startsWithZeroAndAnEmptyPicture();
    void focusStartsOnThePictureThenTheBar();

    void barEventsDrawThePhase_data();
    void barEventsDrawThePhase();
    void goingFrom359To0DrawsTheNewMoon();
    void dragDrawsOncePerStepBeforeRelease();
    void creditBoxIsModalAndChangesNothing();
    void captionNotBeginningWithANumberReadsAsZero();
    void commaDecimalLocaleChangesNothing();

    void pictureIsLunaRendersWhateverTheRoad_data();
    void pictureIsLunaRendersWhateverTheRoad();
    void describesThePictureToAssistiveTools();
    void drawsAtTheResolutionOfTheMoment();

private:
    std::unique_ptr<Form1> form;
};

void TestForm1::init()
{
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestForm1::cleanup()
{
    form.reset();
}

void TestForm1::windowIsAFixedDialog()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Visualizzazione Zelvo lunari"));
    // Where the compositor places windows, the window has its size only.
    if (compositorPlacesWindows())
        QCOMPARE(form->size(), FormGeometry::client);
    else
        QCOMPARE(form->geometry(), QRect(FormGeometry::clientOrigin, FormGeometry::client));
    QCOMPARE(form->minimumSize(), FormGeometry::client);
    QCOMPARE(form->maximumSize(), FormGeometry::client);

    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void TestForm1::controlsSitInPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    // The design's twips, 15 to the pixel; the window's geometry must say
    // the same.
    QTest::newRow("client") << "Form1" << QRect(3420, 1965, 4395, 4380);
    QTest::newRow("Text1") << "Text1" << QRect(240, 240, 615, 300);
    QTest::newRow("HScroll1") << "HScroll1" << QRect(960, 240, 1215, 255);
    QTest::newRow("Label1") << "Label1" << QRect(2280, 240, 1815, 255);
    QTest::newRow("PicLuna") << "PicLuna" << QRect(240, 720, 3855, 3495);
}

void TestForm1::controlsSitInPlace()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QRect geometry(twips.topLeft() / 15, twips.size() / 15);

    const QHash<QString, QWidget*> controls{{"Form1", form.get()},
                                            {"Text1", form->Text1},
                                            {"HScroll1", form->HScroll1},
                                            {"Label1", form->Label1},
                                            {"PicLuna", form->PicLuna}};
    QWidget* control = controls.value(name);
    QVERIFY(control);
    if (control == form.get() && compositorPlacesWindows())
        QCOMPARE(control->size(), geometry.size());
    else
        QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());
    if (control == form.get())
        return;
    QVERIFY(form->rect().contains(control->geometry()));
    if (control == form->PicLuna)
        QCOMPARE(form->PicLuna->contentsRect().translated(geometry.topLeft()),
                 FormGeometry::picLunaInside);
}

void TestForm1::textsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("instruction") << "Label1" << "Scorri per visualizzare";
    QTest::newRow("widest angle") << "Text1" << "359";
    QTest::newRow("any three digits") << "Text1" << "888";
}

void TestForm1::textsFitTheirBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QLabel* label = name == "Label1" ? form->Label1 : form->Text1;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    QVERIFY2(metrics.horizontalAdvance(text) <= room.width(),
             qPrintable(QString("%1 > %2").arg(metrics.horizontalAdvance(text)).arg(room.width())));
    QVERIFY2(metrics.height() <= room.height(),
             qPrintable(QString("%1 > %2").arg(metrics.height()).arg(room.height())));
    QVERIFY2(label->font().pixelSize() >= 9, "text shrunk beyond reading");
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("DejaVu Sans"));

    // As drawn, at the screen's resolution: a clipped text would run into
    // the edge of the box.
    label->setText(text);
    const QImage drawn = label->grab().toImage();
    const qreal ratio = drawn.devicePixelRatio();
    const QRect inside(room.topLeft() * ratio, room.size() * ratio);
    QRect ink;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(drawn.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(inside.adjusted(1, 1, -1, -1).contains(ink),
             qPrintable(QString("ink %1,%2 %3x%4 in %5x%6").arg(ink.x()).arg(ink.y())
                            .arg(ink.width()).arg(ink.height())
                            .arg(inside.width()).arg(inside.height())));
}

void TestForm1::startsWithZeroAndAnEmptyPicture()
{
    QCOMPARE(form->Text1->caption(), QStringLiteral("0"));
    QCOMPARE(form->Label1->text(), QStringLiteral("Scorri per visualizzare"));
    QCOMPARE(form->HScroll1->value(), 0);
    QCOMPARE(form->HScroll1->minimum(), 0);
    QCOMPARE(form->HScroll1->maximum(), 359);
    QCOMPARE(form->HScroll1->singleStep(), 1);
    QCOMPARE(form->HScroll1->pageStep(), 10);

    QImage drawn = form->PicLuna->image();
    if (!drawn.isNull()) {
        QImage empty(drawn.size(), drawn.format());
        empty.setDevicePixelRatio(drawn.devicePixelRatio());
        empty.fill(Qt::transparent);
        QCOMPARE(drawn, empty);
    }
    for (double at : {-0.5, 0.0, 0.5})
        QVERIFY(toneAcross(*form, at) == Tone::Empty);
}

void TestForm1::focusStartsOnThePictureThenTheBar()
{
    if (!QGuiApplicationPrivate::platformIntegration()->hasCapability(QPlatformIntegration::WindowActivation))
        QSKIP("a headless compositor activates no window without input");
    QCOMPARE(QApplication::focusWidget(), form->PicLuna);
    QTest::keyClick(form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->HScroll1);
    QTest::keyClick(form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->PicLuna);
    QTest::keyClick(form.get(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form->HScroll1);

    QTest::mouseClick(form->Text1, Qt::LeftButton);
    QTest::mouseClick(form->Label1, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), form->HScroll1);
}

void TestForm1::barEventsDrawThePhase_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<double>>("lit");
    QTest::addColumn<QList<double>>("dark");

    using L = QList<double>;
    QTest::newRow("Right key, thin crescent") << "Right" << "1" << L{} << L{-0.8, 0, 0.8};
    QTest::newRow("right arrow") << "AddLine" << "1" << L{} << L{-0.8, 0, 0.8};
    QTest::newRow("trough") << "AddPage" << "10" << L{} << L{-0.5, 0, 0.8};
    QTest::newRow("Page Down") << "PageDown" << "10" << L{} << L{-0.5, 0, 0.8};
    QTest::newRow("End key") << "End" << "359" << L{} << L{-0.8, 0, 0.8};
}

void TestForm1::barEventsDrawThePhase()
{
    QFETCH(QString, how);
    QFETCH(QString, caption);
    QFETCH(QList<double>, lit);
    QFETCH(QList<double>, dark);

    ScrollBar* bar = form->HScroll1;
    bar->setFocus();
    QSignalSpy captions(form->Text1, &CaptionLabel::changed);
    if (how == "AddLine")
        QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, QStyle::SC_ScrollBarAddLine));
    else if (how == "AddPage")
        QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, QStyle::SC_ScrollBarAddPage));
    else
        QTest::keyClick(bar, how == "Right" ? Qt::Key_Right
                             : how == "End" ? Qt::Key_End
                                            : Qt::Key_PageDown);
    QCOMPARE(captions.count(), 1);
    QCOMPARE(form->Text1->caption(), caption);
    form->repaint();
    for (double at : lit)
        QVERIFY(toneAcross(*form, at) == Tone::White);
    for (double at : dark)
        QVERIFY(toneAcross(*form, at) == Tone::Black);
}

void TestForm1::goingFrom359To0DrawsTheNewMoon()
{
    ScrollBar* bar = form->HScroll1;
    bar->setFocus();
    bar->setValue(200);
    QCOMPARE(form->Text1->caption(), QStringLiteral("200"));
    form->repaint();
    QVERIFY(toneAcross(*form, 0) == Tone::White);

    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(form->Text1->caption(), QStringLiteral("359"));
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(form->Text1->caption(), QStringLiteral("0"));
    form->repaint();
    for (double at : {-0.9, -0.5, 0.0, 0.5, 0.9})
        QVERIFY(toneAcross(*form, at) == Tone::Black);
}

void TestForm1::dragDrawsOncePerStepBeforeRelease()
{
    ScrollBar* bar = form->HScroll1;
    bar->setValue(80);
    form->repaint();
    QVERIFY(toneAcross(*form, 0) == Tone::Black);

    QSignalSpy captions(form->Text1, &CaptionLabel::changed);
    const QPoint thumb = centreOf(bar, QStyle::SC_ScrollBarSlider);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QElapsedTimer clock;
    clock.start();
    constexpr int steps = 5;
    QStringList seen;
    for (int step = 1; step <= steps; ++step) {
        QTest::mouseMove(bar, thumb + QPoint(2 * step, 0));
        seen << form->Text1->caption();
        QCOMPARE(captions.count(), step);
        QCOMPARE(form->Text1->caption(), QString::number(bar->value()));
    }
    // Each redraw pauses a tenth of a second; drawing twice per step would
    // take twice as long.
    QVERIFY2(clock.elapsed() < steps * 180, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(bar->isSliderDown());
    QVERIFY(bar->value() > 100 && bar->value() < 260);
    QVERIFY(toneAcross(*form, 0) == Tone::White);
    QCOMPARE(seen.removeDuplicates(), 0);

    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(2 * steps, 0));
    QCOMPARE(captions.count(), steps);
}

void TestForm1::creditBoxIsModalAndChangesNothing()
{
    form->HScroll1->setValue(45);
    form->repaint();
    const QImage before = form->PicLuna->image();
    QVERIFY(!before.isNull());

    // The box is closed first and looked at afterwards, so that a failed
    // check cannot leave it open and the test waiting.
    struct Seen {
        bool modal = false;
        QString title, text;
        int buttons = 0;
        QMessageBox::StandardButtons standard;
        bool textFits = false;
    };
    std::optional<Seen> seen;
    QTimer::singleShot(50, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const QFontMetrics metrics(box->font());
        seen = Seen{box->isModal(), box->windowTitle(), box->text(),
                    int(box->buttons().size()), box->standardButtons(),
                    metrics.horizontalAdvance(box->text()) < box->width()};
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    });
    QTest::mouseClick(form->PicLuna, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY2(seen, "no message box");
    QVERIFY(seen->modal);
    QCOMPARE(seen->title, QStringLiteral("Luna"));
    QCOMPARE(seen->buttons, 1);
    QCOMPARE(seen->standard, QMessageBox::Ok);
    QVERIFY(!seen->text.isEmpty());
    QVERIFY(!seen->text.contains(u'\n'));
    QVERIFY(seen->textFits);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(form->Text1->caption(), QStringLiteral("45"));
    QCOMPARE(form->HScroll1->value(), 45);
    QCOMPARE(form->PicLuna->image(), before);
}

void TestForm1::captionNotBeginningWithANumberReadsAsZero()
{
    form->Text1->setCaption(QStringLiteral("luna"));
    form->repaint();
    for (double at : {-0.9, 0.0, 0.9})
        QVERIFY(toneAcross(*form, at) == Tone::Black);

    form->Text1->setCaption(QStringLiteral("180 gradi"));
    form->repaint();
    for (double at : {-0.9, 0.0, 0.9})
        QVERIFY(toneAcross(*form, at) == Tone::White);
}

void TestForm1::commaDecimalLocaleChangesNothing()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY2(std::setlocale(LC_ALL, "it_IT.UTF-8"), "the it_IT.UTF-8 locale is not installed");
    QCOMPARE(std::localeconv()->decimal_point, std::string_view(","));

    QTest::keyClick(form->HScroll1, Qt::Key_PageDown);
    QCOMPARE(form->Text1->caption(), QStringLiteral("10"));
    // 22.5 rounds to 22, a crescent lit on the left; read with a comma
    // locale it would become 225 or 0, with the centre lit or the left dark.
    form->Text1->setCaption(QStringLiteral("22.5"));
    form->repaint();
    QVERIFY(toneAcross(*form, -0.9) == Tone::White);
    QVERIFY(toneAcross(*form, 0) == Tone::Black);

    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
}

void TestForm1::pictureIsLunaRendersWhateverTheRoad_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("angle");

    QTest::newRow("123 in one step") << 123 << 123;
    QTest::newRow("123 after 38 presses") << 85 << 123;
    QTest::newRow("new moon after 50 presses back") << 50 << 0;
    QTest::newRow("90 after 50 presses back") << 140 << 90;
    QTest::newRow("270 after 45 presses") << 225 << 270;
    QTest::newRow("full moon in one step") << 180 << 180;
}

void TestForm1::pictureIsLunaRendersWhateverTheRoad()
{
    QFETCH(int, from);
    QFETCH(int, angle);
    if (form->devicePixelRatioF() != 1)
        QSKIP("luna-render draws at one pixel to the pixel");

    setPauseForTesting(std::chrono::microseconds(0));
    const auto restore = qScopeGuard([] { setPauseForTesting(LunaPause); });
    ScrollBar* bar = form->HScroll1;
    bar->setFocus();
    bar->setValue(from);
    const Qt::Key key = angle > from ? Qt::Key_Right : Qt::Key_Left;
    while (bar->value() != angle)
        QTest::keyClick(bar, key);
    form->repaint();
    const QImage shown = form->PicLuna->grab(form->PicLuna->contentsRect())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("luna.png"));
    QCOMPARE(QProcess::execute(QStringLiteral(LUNA_RENDER), {QString::number(angle), "-o", file}), 0);
    const QImage rendered = QImage(file).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), rendered.size());
    int differ = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differ += shown.pixel(x, y) != rendered.pixel(x, y);
    QVERIFY2(differ == 0, qPrintable(QString("%1 pixels differ").arg(differ)));
}

void TestForm1::describesThePictureToAssistiveTools()
{
    QCOMPARE(form->HScroll1->accessibleName(), QStringLiteral("Angolo di fase"));
    QCOMPARE(form->Text1->accessibleName(), QStringLiteral("Angolo in gradi"));
    QCOMPARE(form->PicLuna->accessibleName(), QStringLiteral("Luna"));
    QVERIFY(form->PicLuna->toolTip().isEmpty());
    QVERIFY(form->PicLuna->accessibleDescription().isEmpty());

    // At 90 the left half is lit: the last quarter in the north, the first
    // in the south.
    const QString last = QStringLiteral("Ultimo quarto, illuminata al 50%");
    form->HScroll1->setValue(90);
    QCOMPARE(form->PicLuna->toolTip(), last);
    QCOMPARE(form->PicLuna->accessibleDescription(), last);

    form->setHemisphere(Hemisphere::South);
    QTest::keyClick(form->HScroll1, Qt::Key_Right);
    const QString waxing = QStringLiteral("Gibbosa crescente, illuminata al 51%");
    QCOMPARE(form->PicLuna->toolTip(), waxing);
    QCOMPARE(form->PicLuna->accessibleDescription(), waxing);
}

namespace {

// Whether the window shows the picture's drawing pixel for pixel, at the
// screen's resolution, over the picture's background.
bool showsTheDrawingUnscaled(Form1& form)
{
    const PictureBox& picture = *form.PicLuna;
    QImage drawing = picture.image();
    const qreal ratio = drawing.devicePixelRatio();
    drawing.setDevicePixelRatio(1);
    QImage expected(drawing.size(), QImage::Format_RGB32);
    expected.fill(pictureBackground());
    QPainter(&expected).drawImage(0, 0, drawing);

    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = picture.mapTo(&form, picture.contentsRect().topLeft());
    const QRect area(QPointF(origin * ratio).toPoint(), drawing.size());
    // Where a logical pixel is no whole number of device pixels, the frame
    // shares the outermost ones.
    const QRect within = QRect(QPoint(0, 0), drawing.size()).adjusted(1, 1, -1, -1);
    return shown.copy(area).copy(within) == expected.copy(within);
}

} // namespace

void TestForm1::drawsAtTheResolutionOfTheMoment()
{
    PictureBox* picture = form->PicLuna;
    const qreal before = picture->devicePixelRatioF();
    form->HScroll1->setValue(180);
    QCOMPARE(picture->image().devicePixelRatio(), before);
    QCOMPARE(picture->image().size(), picture->contentsRect().size() * before);
    QVERIFY(showsTheDrawingUnscaled(*form));

    // As when the window moves to a denser screen.
    QHighDpiScaling::setScreenFactor(form->screen(), 2);
    const auto restore = qScopeGuard([this] { QHighDpiScaling::setScreenFactor(form->screen(), 1); });
    QTRY_COMPARE(picture->devicePixelRatioF(), 2 * before);
    form->HScroll1->setValue(181);
    QCOMPARE(picture->image().devicePixelRatio(), 2 * before);
    QCOMPARE(picture->image().size(), picture->contentsRect().size() * (2 * before));
    QVERIFY(showsTheDrawingUnscaled(*form));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
