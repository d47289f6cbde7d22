// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FactsWindow.h"

#include "Formats.h"
#include "InstantFacts.h"

#include "MoonFace.h"
#include "OwnWindow.h"
#include "Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <QUrl>
#include <QVBoxLayout>

namespace luna {

namespace {

// The side of the face beside the text, in logical pixels.
constexpr int faceSide = 180;

} // namespace

FactsWindow::FactsWindow(const sky::Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , clock_(clock)
{
    setWindowTitle(tr("La Luna"));
    heading = new QLabel(this);
    heading->setWordWrap(true);
    text = new QPlainTextEdit(this);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setAccessibleName(tr("I fatti della Luna"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    text->setFont(mono);
    face = new QLabel(this);
    face->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    face->setAccessibleName(tr("Il volto della Luna"));
    copy = new QPushButton(tr("&Copia"), this);
    copy->setDefault(true);
    nightButton = new QPushButton(tr("S&tanotte…"), this);
    auto* close = new QPushButton(tr("C&hiudi"), this);
    terminator = new QLabel(this);
    terminator->setWordWrap(true);
    terminator->setTextFormat(Qt::RichText);
    terminator->setTextInteractionFlags(Qt::TextBrowserInteraction);
    terminator->setAccessibleName(tr("Sul terminatore: quando guardarli"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(nightButton);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    auto* body = new QHBoxLayout;
    body->addWidget(face);
    body->addWidget(text, 1);
    layout->addLayout(body);
    layout->addWidget(terminator);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(report_); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(nightButton, &QPushButton::clicked, this, &FactsWindow::nightRequested);
    connect(terminator, &QLabel::linkActivated, this, [this](const QString& link) {
        emit featureRequested(QUrl::fromPercentEncoding(link.toUtf8()));
    });
    minute_.setSingleShot(true);
    connect(&minute_, &QTimer::timeout, this, &FactsWindow::refresh);
    makeOwnWindow(this, QSize(640, 560), settings::factsGeometry.read());
}

void FactsWindow::showFor(std::optional<sky::Instant> instant, const Viewpoint& viewpoint)
{
    instant_ = instant;
    request_.hemisphere = viewpoint.hemisphere();
    request_.place = viewpoint.place();
    request_.placeFromZone = viewpoint.placeFromZone();
    request_.reader = ReportReader::Window;
    refresh();
}

void FactsWindow::refresh()
{
    request_.when = instant_.value_or(clock_.now());
    QStringList links;
    try {
        const sky::InstantFacts facts = sky::gatherFacts(*request_.when, request_.place);
        report_ = moonReport(facts, request_.hemisphere, request_.placeFromZone, request_.reader);
        face->setAccessibleDescription(faceDescription(facts.elongation, facts.terminator));
        for (const std::string& name : facts.terminator) {
            const QString feature = QString::fromStdString(name);
            links << QStringLiteral("<a href=\"%1\">%2</a>")
                         .arg(QString::fromUtf8(QUrl::toPercentEncoding(feature)), feature.toHtmlEscaped());
        }
    } catch (const sky::OutOfRange&) {
        report_.clear();
    }
    terminator->setText(links.isEmpty() ? QString()
                                        : tr("Quando guardare i dettagli sul terminatore: %1").arg(links.join(QStringLiteral(", "))));
    terminator->setVisible(!links.isEmpty());
    text->setPlainText(report_);
    showFace();
    // Wide enough for the longest line, as far as the screen allows.
    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString& line : report_.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // The face stands beside the text: what is left of the screen is the
    // text's, up to a comfortable measure; longer lines wrap.
    const int measure = metrics.horizontalAdvance(QString(88, u'M'));
    const int room = std::min(measure, screen() ? screen()->availableGeometry().width() - 40 - faceSide
                                                      - 2 * layout()->spacing()
                                                : widest);
    text->setMinimumWidth(std::min(widest + 2 * text->frameWidth() + 24, room));
    text->setLineWrapMode(widest + 24 > room ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    showClock();
    // Live, the facts follow the clock: again at the next minute.
    if (!instant_) {
        // At the turn of the clock's minute.
        const auto now = clock_.now();
        const auto next = std::chrono::floor<std::chrono::minutes>(now) + std::chrono::minutes(1);
        minute_.start(int(std::chrono::duration_cast<std::chrono::milliseconds>(next - now).count()) + 50);
    } else {
        minute_.stop();
    }
}

void FactsWindow::showClock()
{
    // To the minute, as every time the window gives, on the place's clock
    // and with its zone's name.
    const sky::Zone zone = sky::clockOf(request_.place);
    const sky::Instant shown = request_.when.value_or(clock_.now());
    const QString when = dateTimeText(shown, zone) + u' '
        + QString::fromStdString(zone.abbreviation(sky::nearestMinute(shown)));
    heading->setText(instant_ ? tr("La Luna di %1").arg(when) : tr("La Luna di adesso, %1").arg(when));
}

void FactsWindow::showFace()
{
    if (moonMap_.isNull())
        moonMap_ = shippedMoonMap();
    const qreal ratio = devicePixelRatioF();
    try {
        QImage picture = drawMoonFace(moonMap_, QSize(faceSide, faceSide) * ratio, Qt::transparent, faceViewAt(request_.when.value_or(clock_.now())),
                                      request_.hemisphere == Hemisphere::South ? 180 : 0);
        picture.setDevicePixelRatio(ratio);
        face->setPixmap(QPixmap::fromImage(picture));
    } catch (const sky::OutOfRange&) {
        face->clear();
    }
}

void FactsWindow::showEvent(QShowEvent* event)
{
    if (!instant_)
        refresh();
    keepOnScreen(this);
    QWidget::showEvent(event);
}

void FactsWindow::hideEvent(QHideEvent* event)
{
    rememberGeometry(this, settings::factsGeometry);
    QWidget::hideEvent(event);
}

} // namespace luna
