// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "FactsWindow.h"
#include "Formats.h"
#include "FormGeometry.h"
#include "MoonFace.h"
#include "LunarFeatures.h"
#include "MonthWindow.h"
#include "MoonReport.h"
#include "PhaseTexts.h"
#include "PictureBox.h"
#include "PictureGeometry.h"
#include "Planner.h"
#include "ScrollBar.h"
#include "Settings.h"
#include "TextNumber.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>

namespace luna {

namespace {

constexpr Qt::WindowFlags fixedDialogFlags = Qt::Window | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
    | Qt::MSWindowsFixedSizeDialogHint;

// Shrinks the label's font until `widest`, the longest text it will show,
// fits inside its box.
void fitText(QLabel* label, const QString& widest)
{
    QFont font = label->font();
    const QSize room = label->contentsRect().size();
    for (int pixels = font.pixelSize(); pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(widest) <= room.width() && metrics.height() <= room.height())
            break;
    }
    label->setFont(font);
}

// The drawing's pause, spent handling whatever is not the user's input:
// the other windows repaint and their timers run, while the bar's queued
// input waits its turn, in order.
void waitHandlingTheRest(std::chrono::steady_clock::time_point until)
{
    static bool waiting = false;
    if (waiting || !QCoreApplication::instance())
        return;
    waiting = true;
    for (auto now = std::chrono::steady_clock::now(); now < until; now = std::chrono::steady_clock::now()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now);
        // A timer wakes the wait when nothing else does.
        QTimer wake;
        wake.setSingleShot(true);
        wake.start(int(left.count()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    waiting = false;
}

} // namespace

Form1::Form1(const sky::Clock& clock, QWidget* parent)
    : QWidget(parent, fixedDialogFlags)
    , clock_(clock)
{
    setWindowTitle(title0());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    setFont(font);
    // The position is that of the client area, as the layout gives it.
    setGeometry(QRect(FormGeometry::clientOrigin, FormGeometry::client));
    setFixedSize(FormGeometry::client);

    Text1 = new CaptionLabel(QStringLiteral("0"), this);
    Text1->setGeometry(FormGeometry::Text1);
    Text1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Text1->setAlignment(Qt::AlignCenter);
    fitText(Text1, QStringLiteral("359"));

    HScroll1 = new ScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(FormGeometry::HScroll1);
    HScroll1->setRange(0, 359);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);

    Label1 = new QLabel(tr("Scorri per visualizzare"), this);
    Label1->setGeometry(FormGeometry::Label1);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fitText(Label1, Label1->text());

    PicLuna = new PictureBox(this);
    PicLuna->setGeometry(FormGeometry::PicLuna);

    HScroll1->setAccessibleName(tr("Angolo di fase"));
    Text1->setAccessibleName(tr("Angolo in gradi"));
    PicLuna->setAccessibleName(tr("Luna"));

    setTabOrder(PicLuna, HScroll1);
    PicLuna->setFocus();

    connect(HScroll1, &ScrollBar::change, this, &Form1::onHScroll1Change);
    connect(HScroll1, &ScrollBar::change, this, &Form1::showDrawing);
    connect(HScroll1, &ScrollBar::scroll, this, &Form1::onHScroll1Scroll);
    connect(Text1, &CaptionLabel::changed, this, &Form1::onText1Change);
    connect(PicLuna, &PictureBox::clicked, this, &Form1::onPicLunaClick);
    PicLuna->installEventFilter(this);

    createMenu();
    setPauseWaiter(waitHandlingTheRest);
}

Form1::~Form1()
{
    setPauseWaiter(nullptr);
}

QString Form1::title()
{
    return tr("Luna");
}

QString Form1::title0()
{
    return tr("Visualizzazione Zelvo lunari");
}

void Form1::showAngle(int angle)
{
    if (HScroll1->value() != angle) {
        HScroll1->setValue(angle);
        return;
    }
    onText1Change();
    showDrawing();
}

void Form1::showInstant(sky::Instant when)
{
    try {
        sky::requireSupported(when);
    } catch (const sky::OutOfRange&) {
        return;
    }
    shown_ = when;
    showingInstant_ = true;
    showAngle(angleOfElongation(sky::elongation(when), hemisphere()));
    showingInstant_ = false;
    setWindowTitle(tr("%1 — %2").arg(title0(), dateTimeText(when, viewpoint_.clock())));
    describe(numberFromText(Text1->caption()));
    emit skyChanged();
}

void Form1::returnToBareAngle()
{
    if (showingInstant_ || !shown_)
        return;
    shown_.reset();
    setWindowTitle(title0());
    emit skyChanged();
}

void Form1::setHemisphere(Hemisphere hemisphere)
{
    viewpoint_.forceHemisphere(hemisphere);
    actionSouth->setChecked(hemisphere == Hemisphere::South);
}

Hemisphere Form1::hemisphere() const
{
    return viewpoint_.hemisphere();
}

void Form1::setPlace(const sky::Place& place)
{
    viewpoint_.forcePlace(place);
    followViewpoint();
}

// After a change of place or hemisphere: the Moon of the instant shown is
// drawn again as seen from there, and the other windows follow.
void Form1::followViewpoint()
{
    actionSouth->setChecked(hemisphere() == Hemisphere::South);
    if (shown_)
        showInstant(*shown_);
    else if (PicLuna->hasDrawing())
        describe(numberFromText(Text1->caption()));
    if (month_)
        month_->setViewpoint(viewpoint_);
    emit skyChanged();
}

void Form1::onHScroll1Change()
{
    returnToBareAngle();
    const QString digits = textFromNumber(HScroll1->value());
    Text1->setCaption(textFromNumber(numberFromText(digits)));
}

void Form1::onHScroll1Scroll()
{
    onHScroll1Change();
    Label1->repaint();
    PicLuna->repaint();
}

void Form1::onText1Change()
{
    const float w1 = PicLuna->innerWidth();
    const float h = PicLuna->innerHeight();
    const QString caption = Text1->caption();
    const float w2 = PicLuna->innerWidth();
    const double angle = numberFromText(caption);
    // Each drawing starts from a clean picture: drawn over the last one, the
    // rim's blended edge would darken a little more with every redraw.
    if (actionFace && actionFace->isChecked()) {
        // The face keeps the drawing's pace.
        waitLunaPause();
        PicLuna->showImage(facePicture(angle));
        describe(angle);
        return;
    }
    PicLuna->startOver();
    const DiscPlacement disc = placeDisc(double{w1}, double{h});
    DrawLuna(PicLuna->surface(), disc.x, disc.y, angle, placeDisc(double{w2}, double{h}).radius);
    describe(angle);
}

// The face of the instant shown, or the mean face of the bar's angle, at
// the picture's size in device pixels.
QImage Form1::facePicture(double angle)
{
    if (moonMap_.isNull())
        moonMap_ = shippedMoonMap();
    const qreal ratio = PicLuna->devicePixelRatioF();
    const QSize size(int(std::lround(PicLuna->innerWidth() * ratio)), int(std::lround(PicLuna->innerHeight() * ratio)));
    QImage face = drawMoonFace(moonMap_, size, Qt::transparent, faceView(angle), hemisphere() == Hemisphere::South ? 180 : 0);
    face.setDevicePixelRatio(ratio);
    return face;
}

FaceView Form1::faceView(double angle) const
{
    return shown_ ? faceViewAt(*shown_) : meanFaceView(elongationOf(angle, hemisphere()));
}

// With the face shown, the tooltip names the feature under the pointer.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != PicLuna || event->type() != QEvent::ToolTip || !actionFace || !actionFace->isChecked())
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF at = QPointF(help->pos()) - QPointF(PictureBox::frameThickness, PictureBox::frameThickness);
    const QSize size(int(PicLuna->innerWidth()), int(PicLuna->innerHeight()));
    const auto point = selenographicAt(faceView(numberFromText(Text1->caption())), size, at,
                                       hemisphere() == Hemisphere::South ? 180 : 0);
    const sky::LunarFeature* feature = point ? sky::featureAt(point->first, point->second) : nullptr;
    if (!feature)
        return QWidget::eventFilter(watched, event);
    QToolTip::showText(help->globalPos(),
                       tr("%1, %2 km").arg(QString::fromStdString(feature->name),
                                           QLocale().toString(feature->diameterKm, 'f', 0)),
                       PicLuna);
    return true;
}

// The picture is named by its phase in words, so that a screen reader says
// the phase as the bar moves or the date changes; its description adds the
// instant and, on the face, the features on the terminator.
void Form1::describe(double angle)
{
    const QString phase = phaseDescription(elongationOf(angle, hemisphere()));
    QString description = shown_ ? tr("%1 — %2").arg(dateTimeText(*shown_, viewpoint_.clock()), phase) : phase;
    PicLuna->setToolTip(description);
    if (actionFace && actionFace->isChecked()) {
        const FaceView view = faceView(angle);
        sky::MoonFace face;
        face.librationLongitude = view.centreLongitude;
        face.librationLatitude = view.centreLatitude;
        face.subsolarLongitude = view.sunLongitude;
        face.subsolarLatitude = view.sunLatitude;
        const QString shown = faceDescription(elongationOf(angle, hemisphere()), sky::terminatorFeatures(face));
        description = shown_ ? tr("%1 — %2").arg(dateTimeText(*shown_, viewpoint_.clock()), shown) : shown;
    }
    PicLuna->setAccessibleName(phase);
    PicLuna->setAccessibleDescription(description);
}

// A change shows at once, before whatever input is queued behind it is
// handled; a drag shows each step through onHScroll1Scroll().
void Form1::showDrawing()
{
    Text1->repaint();
    PicLuna->repaint();
}

QString Form1::credit()
{
    return tr("Luna: le fasi della Luna, disegnate con Qt 6.");
}

void Form1::onPicLunaClick()
{
    QMessageBox::information(this, title(), credit());
}

} // namespace luna
