// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScrollBar.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

namespace luna {

namespace {

class PageStepStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// How far behind a repeat may be and still count as generated during the
// last step; older timestamps are taken for a clock that wrapped around.
constexpr ulong longestStep = 60'000;

} // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    // The style is not owned by the widget; as a child it goes with it.
    auto* style = new PageStepStyle;
    style->setParent(this);
    setStyle(style);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);

    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (isSliderDown())
            emit scroll();
        else
            emit change();
    });
    connect(this, &QScrollBar::sliderPressed, this, [this] { valueAtPress_ = value(); });
    connect(this, &QScrollBar::sliderReleased, this, [this] {
        if (value() != valueAtPress_)
            emit change();
    });
}

void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    const bool backward = orientation() == Qt::Horizontal && isRightToLeft();
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
        action = backward ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        action = backward ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();

    const ulong pressedAt = event->timestamp();
    // The window system repeats a held key as a release and a press of the
    // same instant. Qt tells them by looking ahead in its queue, which fails
    // when input waits there while a drawing pauses; the pair itself tells
    // just as well.
    const bool repeated = event->isAutoRepeat()
        || (event->key() == lastRelease_.key && pressedAt == lastRelease_.timestamp && pressedAt != 0);
    if (repeated && pressedAt < keyStepEnded_
        && keyStepEnded_ - pressedAt < longestStep)
        return;
    // The step is handled at once, the redraw included; the press was taken
    // from the queue just now, so its timestamp marks when the step began.
    QElapsedTimer handling;
    handling.start();
    triggerAction(action);
    keyStepEnded_ = pressedAt + static_cast<ulong>(handling.elapsed());
}

void ScrollBar::keyReleaseEvent(QKeyEvent* event)
{
    lastRelease_ = {event->key(), event->timestamp()};
    QScrollBar::keyReleaseEvent(event);
}

void ScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;

    // Many styles show no focus on a scroll bar; the keys act on the thumb,
    // so that is where the focus is shown.
    QStyleOptionSlider slider;
    initStyleOption(&slider);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subControlRect(QStyle::CC_ScrollBar, &slider, QStyle::SC_ScrollBarSlider, this)
                     .adjusted(2, 2, -2, -2);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

} // namespace luna
