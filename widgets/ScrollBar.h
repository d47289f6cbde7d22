// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

namespace luna {

// A scroll bar that reports as a classic desktop one does: change() once the
// value has changed (arrow, trough, keyboard, or the end of a thumb drag), and
// scroll() for each new value while the thumb is dragged. value() already
// holds the new value when either is emitted.
//
// A click in the trough always moves one page toward the click, whatever the
// style prefers, and with a horizontal bar Page Up moves left and Page Down
// right, as Left and Right do one step at a time.
//
// A held key never runs ahead of the window: an auto-repeated press that was
// generated while the bar was still handling the previous step is dropped, so
// the next repeat after that step makes the next one. Distinct presses always
// count. A press is taken for a repeat when Qt says so, or when it comes at
// the very instant of the release before it, as the window system repeats.
class ScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    void change();
    void scroll();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int valueAtPress_ = 0;
    // When the last key step ended, on the clock of the events' timestamps.
    ulong keyStepEnded_ = 0;
    // The last key released, and when.
    struct Release {
        int key = 0;
        ulong timestamp = 0;
    } lastRelease_;
};

} // namespace luna
