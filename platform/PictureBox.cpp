#include "PictureBox.h"

#include "PainterSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace luna {

namespace {

// A neutral grey, against which both a white and a black disc stand out.
const QColor pictureBackground(0x8c, 0x8c, 0x8c);

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
        PainterSurface::circle(flags, x, y, radius, colour, start, end, aspect);
        box_.update(box_.contentsRect());
    }

private:
    PictureBox& box_;
};

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
    , surface_(std::make_unique<Surface>(*this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

PictureBox::~PictureBox() = default;

PictureSurface& PictureBox::surface()
{
    return *surface_;
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

QColor PictureBox::backgroundColor()
{
    return pictureBackground;
}

void PictureBox::fitCanvas()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size() * ratio;
    if (canvas_.size() == size && canvas_.devicePixelRatio() == ratio)
        return;

    // A new size keeps what was drawn, anchored at the top-left corner.
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    if (!canvas_.isNull())
        QPainter(&canvas).drawImage(QPointF(0, 0), canvas_);
    canvas_ = std::move(canvas);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    fitCanvas();
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, pictureBackground);
    painter.drawImage(inside.topLeft(), canvas_);
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
