// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
//
// The frame is one pixel wide in every style, so the area inside it has the
// same size on every desktop.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    static constexpr int frameThickness = 1;

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The drawing surface, in logical pixels from the top-left corner of the
    // area inside the frame. Each figure drawn schedules a repaint.
    PictureSurface& surface();

    // Makes the next figure drawn begin a new picture: the picture is cleared
    // just before it, so that until then the last one still shows, and a
    // picture never shows traces of the ones before it.
    void startOver();

    // Shows `picture` instead of what was drawn, scaled to the area inside
    // the frame (drawn at its device pixel ratio, it stays sharp).
    void showImage(const QImage& picture);

    // The size of the area inside the frame, in the surface's units.
    float innerWidth() const;
    float innerHeight() const;

    // What has been drawn so far, transparent where nothing has.
    const QImage& image() const;
    // Whether anything has been drawn yet.
    bool hasDrawing() const { return drawn_; }

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
    bool clearBeforeNextFigure_ = false;
    bool drawn_ = false;
};

} // namespace luna
