// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NightWindow.h"

#include "Formats.h"
#include "NightPage.h"
#include "OwnWindow.h"
#include "PlanTexts.h"
#include "Settings.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace luna {

// The chart itself, drawn at whatever size the window gives it.
class NightChartView : public QWidget {
public:
    explicit NightChartView(QWidget* parent)
        : QWidget(parent)
    {
        setMinimumSize(240, 135);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(NightWindow::tr("Grafico della notte"));
    }

    void show(const std::optional<sky::Night>& night, const std::optional<sky::Place>& place)
    {
        night_ = night;
        place_ = place;
        update();
    }

    QSize sizeHint() const override { return {800, 450}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (night_ && place_)
            paintNightPage(painter, rect(), *night_, *place_);
        else
            painter.fillRect(rect(), palette().window());
        if (hasFocus()) {
            painter.setPen(QPen(palette().highlight(), 2));
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }

private:
    std::optional<sky::Night> night_;
    std::optional<sky::Place> place_;
};

NightWindow::NightWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Stanotte"));
    chart_ = new NightChartView(this);
    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->hide();
    previous = new QPushButton(tr("◀ &Notte prima"), this);
    next = new QPushButton(tr("Notte &dopo ▶"), this);
    previous->setAccessibleName(tr("Notte prima"));
    next->setAccessibleName(tr("Notte dopo"));
    auto* close = new QPushButton(tr("C&hiudi"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problem);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);

    connect(previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { step(1); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // The nights turn wherever the focus is.
    const auto turn = [this](QKeySequence keys, int nights) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, nights] { step(nights); });
    };
    turn(QKeySequence(Qt::Key_PageUp), -1);
    turn(QKeySequence(Qt::Key_PageDown), 1);
    turn(QKeySequence(Qt::CTRL | Qt::Key_Left), -1);
    turn(QKeySequence(Qt::CTRL | Qt::Key_Right), 1);
    chart_->setFocus();
    makeOwnWindow(this, QSize(820, 520), settings::nightGeometry.read());
}

QWidget* NightWindow::chart() const
{
    return chart_;
}

void NightWindow::showNight(sky::Instant day, const std::optional<sky::Place>& place)
{
    day_ = day;
    place_ = place;
    night_.reset();
    problem->hide();
    try {
        if (place)
            night_ = sky::nightAfter(day, *place);
        else
            problem->setText(tr("Per la notte serve un luogo: sceglierlo con Luogo… (Ctrl+L) nel menu della finestra."));
    } catch (const sky::OutOfRange& error) {
        problem->setText(describe(error));
    }
    problem->setVisible(!night_);
    previous->setEnabled(bool(night_));
    next->setEnabled(bool(night_));
    chart_->show(night_, place_);
    // What the chart shows, in words, for those who cannot see it.
    QString description;
    if (night_) {
        const QString text = nightText(*night_, *place_, false);
        description = text.left(text.indexOf(QStringLiteral("\n\n")));
        setWindowTitle(tr("Stanotte — %1").arg(timeText(night_->from, QLocale().dateFormat(QLocale::LongFormat), place_->clock())));
    } else {
        setWindowTitle(tr("Stanotte"));
    }
    chart_->setAccessibleDescription(description);
    chart_->setToolTip(description);
    QAccessibleEvent changed(chart_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void NightWindow::step(int nights)
{
    if (!night_ || !place_)
        return;
    const sky::Instant day = day_ + std::chrono::days(nights);
    try {
        sky::requireSupported(day);
    } catch (const sky::OutOfRange&) {
        return;
    }
    showNight(day, place_);
}

void NightWindow::hideEvent(QHideEvent* event)
{
    rememberGeometry(this, settings::nightGeometry);
    QWidget::hideEvent(event);
}

} // namespace luna
