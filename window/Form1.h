// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"

#include <QWidget>

class QLabel;

namespace luna {

class CaptionLabel;
class PictureBox;
class ScrollBar;

// The main window: a scroll bar chooses the phase angle, a label shows it,
// and the picture below shows the Moon at that phase.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    static QString title();

    // Moves the bar to `angle` as the user would, and draws it even where the
    // bar already stands, as at 0 when the window opens.
    void showAngle(int angle);

    // The hemisphere the picture is described for; North unless set.
    void setHemisphere(Hemisphere hemisphere);

    CaptionLabel* Text1 = nullptr;
    ScrollBar* HScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    PictureBox* PicLuna = nullptr;

private:
    void onHScroll1Change();
    void onHScroll1Scroll();
    void onText1Change();
    void onPicLunaClick();

    void showDrawing();

    Hemisphere hemisphere_ = Hemisphere::North;
};

} // namespace luna
