// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QAccessibleWidget>

#include "PainterSurface.h"
#include "PhasePicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>

namespace luna {

namespace {

class FrameStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_DefaultFrameWidth)
            return PictureBox::frameThickness;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

class PictureBox::Surface final : public PainterSurface {
public:
    explicit Surface(PictureBox& box)
        : PainterSurface(box.canvas_)
        , box_(box)
    {
    }

    void circle(std::uint16_t flags, double x, double y, double radius, Colour colour,
                double start, double end, double aspect) override
    {
        box_.fitCanvas();
        if (box_.clearBeforeNextFigure_) {
            box_.canvas_.fill(Qt::transparent);
            box_.clearBeforeNextFigure_ = false;
        }
        PainterSurface::circle(flags, x, y, radius, colour, start, end, aspect);
        box_.drawn_ = true;
        box_.update(box_.contentsRect());
    }

private:
    PictureBox& box_;
};

namespace {

// Assistive technologies see the picture as an image, named by its owner.
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("luna::PictureBox") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
    , surface_(std::make_unique<Surface>(*this))
{
    static const bool accessible = (QAccessible::installFactory(pictureAccessible), true);
    Q_UNUSED(accessible)
    // The style is not owned by the widget; as a child it goes with it.
    auto* style = new FrameStyle;
    style->setParent(this);
    setStyle(style);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

PictureBox::~PictureBox() = default;

PictureSurface& PictureBox::surface()
{
    return *surface_;
}

void PictureBox::startOver()
{
    clearBeforeNextFigure_ = true;
}

void PictureBox::showImage(const QImage& picture)
{
    fitCanvas();
    canvas_.fill(Qt::transparent);
    {
        QPainter painter(&canvas_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, innerWidth(), innerHeight()), picture);
    }
    clearBeforeNextFigure_ = false;
    drawn_ = true;
    update(contentsRect());
}

float PictureBox::innerWidth() const
{
    return static_cast<float>(contentsRect().width());
}

float PictureBox::innerHeight() const
{
    return static_cast<float>(contentsRect().height());
}

const QImage& PictureBox::image() const
{
    return canvas_;
}

void PictureBox::fitCanvas()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size();
    if (canvas_.size() == size * ratio && canvas_.devicePixelRatio() == ratio)
        return;

    // A new size keeps what was drawn, anchored at the top-left corner.
    QImage canvas = emptyPicture(size, ratio);
    if (!canvas_.isNull())
        QPainter(&canvas).drawImage(QPointF(0, 0), canvas_);
    canvas_ = std::move(canvas);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    fitCanvas();
    QPainter painter(this);
    showPicture(painter, contentsRect(), canvas_, pictureBackground());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace luna
