// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "CaptionLabel.h"
#include "DateDialog.h"
#include "DrawLuna.h"
#include "FactsWindow.h"
#include "Formats.h"
#include "FormGeometry.h"
#include "MoonFace.h"
#include "MonthWindow.h"
#include "PhaseTexts.h"
#include "PictureBox.h"
#include "PictureGeometry.h"
#include "PlaceDialog.h"
#include "ScrollBar.h"
#include "Settings.h"
#include "TextNumber.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

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

void Form1::createMenu()
{
    menu = new QMenu(this);
    const auto add = [this](const QString& text, const QKeySequence& shortcut, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        menu->addAction(action);
        return action;
    };
    actionNow = add(tr("La Luna di adesso"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { showInstant(now()); });
    actionDate = add(tr("Scegli data e ora…"), QKeySequence(Qt::CTRL | Qt::Key_D), [this] { chooseDate(); });
    actionPlace = add(tr("Luogo…"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { choosePlace(); });
    actionSouth = add(tr("Emisfero sud"), {}, [this](bool south) {
        viewpoint_.chooseHemisphere(south ? Hemisphere::South : Hemisphere::North);
        followViewpoint();
    });
    actionSouth->setCheckable(true);
    actionSouth->setChecked(hemisphere() == Hemisphere::South);
    actionFace = add(tr("Volto della Luna"), QKeySequence(Qt::CTRL | Qt::Key_F), [this](bool face) {
        settings::face.write(face);
        onText1Change();
    });
    actionFace->setCheckable(true);
    actionFace->setChecked(settings::face.read());
    menu->addSeparator();
    actionFacts = add(tr("La Luna…"), QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
        facts()->show();
        facts()->raise();
        facts()->activateWindow();
    });
    actionMonth = add(tr("Calendario lunare…"), QKeySequence(Qt::CTRL | Qt::Key_K), [this] {
        month()->showMonthOf(shown_.value_or(now()));
        month()->show();
        month()->raise();
        month()->activateWindow();
    });
    actionNight = add(tr("Stanotte"), QKeySequence(Qt::CTRL | Qt::Key_T), [this] { showNight(); });
    actionAlignment = add(tr("Allineamento…"), QKeySequence(Qt::CTRL | Qt::Key_G), [this] { showAlignment(); });
    menu->addSeparator();
    actionAbout = add(tr("Informazioni su Luna"), {}, [this] { showAbout(); });
    actionQuit = add(tr("Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q), [] { QApplication::quit(); });

    // Qt turns the Menu key into a context menu event, but on X11 not
    // Shift+F10: a shortcut of the window's opens the menu by the focus.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget* focus = focusWidget() ? focusWidget() : this;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, focus->rect().center(),
                                focus->mapToGlobal(focus->rect().center()));
        contextMenuEvent(&event);
    });
    addAction(menuKey);
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    actionSouth->setChecked(hemisphere() == Hemisphere::South);
    menu->popup(event->globalPos());
    event->accept();
}

FactsWindow* Form1::facts()
{
    if (!facts_) {
        facts_ = new FactsWindow(clock_, this);
        facts_->showFor(shown_, viewpoint_);
        connect(this, &Form1::skyChanged, facts_, [this] { facts_->showFor(shown_, viewpoint_); });
        connect(facts_, &FactsWindow::nightRequested, this, &Form1::showNight);
        connect(facts_, &FactsWindow::featureRequested, this, &Form1::showFeature);
    }
    return facts_;
}

MonthWindow* Form1::month()
{
    if (!month_) {
        month_ = new MonthWindow(clock_, this);
        month_->setViewpoint(viewpoint_);
        connect(month_, &MonthWindow::daySelected, this, [this](sky::Instant evening) {
            showInstant(evening);
            // The day picked is to be seen, not left behind the calendar.
            raise();
            activateWindow();
        });
    }
    return month_;
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

void Form1::chooseDate()
{
    DateDialog dialog(shown_.value_or(now()), viewpoint_.hemisphere(), viewpoint_.clock(), clock_, this);
    if (dialog.exec() == QDialog::Accepted)
        showInstant(dialog.instant());
}

void Form1::choosePlace()
{
    PlaceDialog dialog(viewpoint_.placeToEdit(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        viewpoint_.choosePlace(dialog.choice());
    } catch (const sky::BadPlace&) {
        return;
    }
    followViewpoint();
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

void Form1::describe(double angle)
{
    QString description = phaseDescription(elongationOf(angle, hemisphere()));
    if (shown_)
        description = tr("%1 — %2").arg(dateTimeText(*shown_, viewpoint_.clock()), description);
    PicLuna->setToolTip(description);
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

void Form1::showAbout()
{
    QMessageBox::about(this, tr("Informazioni su Luna"),
                       QStringLiteral("<p>%1</p><p>%2</p><p>%3</p><p>%4</p>")
                           .arg(credit().toHtmlEscaped(),
                                tr("Versione %1.").arg(QCoreApplication::applicationVersion()),
                                tr("Fatta con ERFA (le routine SOFA dell'Unione Astronomica Internazionale) per "
                                   "il cielo, Qt %1 per le finestre e, per le città, i dati di GeoNames "
                                   "(geonames.org, CC BY 4.0) tramite libgeonames.")
                                    .arg(QString::fromLatin1(qVersion())),
                                tr("Software libero, sotto la GNU General Public License, versione 3 o "
                                   "successive.")));
}

} // namespace luna
