#pragma once

#include "PictureSurface.h"

#include <QFrame>
#include <QImage>

#include <memory>

namespace luna {

// A framed picture that keeps what was drawn on it: its surface() paints an
// off-screen image the size of the area inside the frame, and the widget
// shows that image over its background whenever it is repainted. It starts
// with nothing drawn, and reports a left click with clicked().
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The drawing surface, in logical pixels from the top-left corner of the
    // area inside the frame. Each figure drawn schedules a repaint.
    PictureSurface& surface();

    // The size of the area inside the frame, in the surface's units.
    float innerWidth() const;
    float innerHeight() const;

    // What has been drawn so far, transparent where nothing has.
    const QImage& image() const;

    // What shows where nothing has been drawn.
    static QColor backgroundColor();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class Surface;

    void fitCanvas();

    QImage canvas_;
    std::unique_ptr<Surface> surface_;
    bool pressed_ = false;
};

} // namespace luna
