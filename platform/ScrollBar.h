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
class ScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    void change();
    void scroll();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int valueAtPress_ = 0;
};

} // namespace luna
