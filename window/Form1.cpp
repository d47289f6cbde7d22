#include "Form1.h"

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "PictureBox.h"
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
    setWindowTitle(QStringLiteral("Visualizzazione Zelvo lunari"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    setFont(font);
    // The position is that of the client area, as the layout gives it.
    setGeometry(228, 131, 293, 292);
    setFixedSize(293, 292);

    Text1 = new CaptionLabel(QStringLiteral("0"), this);
    Text1->setGeometry(16, 16, 41, 20);
    Text1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Text1->setAlignment(Qt::AlignCenter);
    fitText(Text1, QStringLiteral("359"));

    HScroll1 = new ScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(64, 16, 81, 17);
    HScroll1->setRange(0, 359);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);

    Label1 = new QLabel(QStringLiteral("Scorri per visualizzare"), this);
    Label1->setGeometry(152, 16, 121, 17);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fitText(Label1, Label1->text());

    PicLuna = new PictureBox(this);
    PicLuna->setGeometry(16, 48, 257, 233);

    HScroll1->setAccessibleName(QStringLiteral("Angolo di fase"));
    Text1->setAccessibleName(QStringLiteral("Angolo in gradi"));
    PicLuna->setAccessibleName(QStringLiteral("Luna"));

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
    return QStringLiteral("Luna");
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
    DrawLuna(PicLuna->surface(), double{w1} / 2, double{h} / 2, angle, double{w2} / 3);

    const QString description
        = QString::fromStdString(phaseDescription(elongationOf(angle, hemisphere_)));
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
    QMessageBox::information(this, title(),
                             QStringLiteral("Luna: le fasi della Luna, disegnate con Qt 6."));
}

} // namespace luna
