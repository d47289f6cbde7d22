// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "FormGeometry.h"
#include "PhaseTexts.h"
#include "PictureBox.h"
#include "PictureGeometry.h"
#include "ScrollBar.h"
#include "TextNumber.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>

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

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, fixedDialogFlags)
{
    setWindowTitle(tr("Visualizzazione Zelvo lunari"));
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
}

QString Form1::title()
{
    return tr("Luna");
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

void Form1::setHemisphere(Hemisphere hemisphere)
{
    hemisphere_ = hemisphere;
}

void Form1::onHScroll1Change()
{
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
    PicLuna->startOver();
    const DiscPlacement disc = placeDisc(double{w1}, double{h});
    DrawLuna(PicLuna->surface(), disc.x, disc.y, angle, placeDisc(double{w2}, double{h}).radius);

    const QString description = phaseDescription(elongationOf(angle, hemisphere_));
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

void Form1::onPicLunaClick()
{
    QMessageBox::information(this, title(), tr("Luna: le fasi della Luna, disegnate con Qt 6."));
}

} // namespace luna
