// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthWindow.h"

#include "CalendarFiles.h"
#include "CalendarTexts.h"
#include "MonthPage.h"
#include "OwnWindow.h"
#include "Settings.h"
#include "WriteError.h"

#include <QDateTime>
#include <QScrollArea>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace luna {

namespace {

// The largest A4 rectangle that fits in `area`, centred.
QRectF fitted(const QRectF& area)
{
    const double scale = std::min(area.width() / MonthPage::a4.width(), area.height() / MonthPage::a4.height());
    const QSizeF size = MonthPage::a4 * scale;
    return {area.center() - QPointF(size.width(), size.height()) / 2, size};
}

} // namespace

MonthView::MonthView(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(420, 594);
    setCursor(Qt::PointingHandCursor);
}

MonthView::~MonthView() = default;

void MonthView::setMonth(const sky::MonthFacts& facts, Hemisphere hemisphere, const QString& place)
{
    facts_ = facts;
    page_ = std::make_unique<MonthPage>(facts_, hemisphere, place);
    page_->setToday(QDate::currentDate());
    setAccessibleName(monthTitle(facts.year, facts.month));
    update();
}

QRectF MonthView::pageArea() const
{
    return fitted(QRectF(rect()));
}

void MonthView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (page_)
        page_->paint(painter, pageArea());
}

void MonthView::mouseReleaseEvent(QMouseEvent* event)
{
    if (page_ && event->button() == Qt::LeftButton)
        if (const auto day = page_->dayAt(pageArea(), event->position()))
            emit dayClicked(*day);
    QWidget::mouseReleaseEvent(event);
}

MonthWindow::MonthWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Calendario lunare"));
    view = new MonthView(this);
    previous = new QPushButton(tr("◀ Mese &prima"), this);
    next = new QPushButton(tr("Mese &dopo ▶"), this);
    printButton = new QPushButton(tr("&Stampa…"), this);
    exportButton = new QPushButton(tr("&Esporta…"), this);
    title = new QLabel(this);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* row = new QHBoxLayout;
    row->addWidget(previous);
    row->addWidget(title, 1);
    row->addWidget(next);
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(printButton);
    actions->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    // A page that does not fit scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);
    layout->addLayout(actions);

    connect(previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { step(1); });
    connect(printButton, &QPushButton::clicked, this, &MonthWindow::print);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Esporta il calendario lunare"),
            QStringLiteral("lunario-%1-%2.pdf").arg(year_).arg(month_, 2, 10, QLatin1Char('0')),
            tr("PDF (*.pdf);;iCalendar (*.ics)"));
        if (!path.isEmpty())
            exportTo(path);
    });
    connect(view, &MonthView::dayClicked, this, [this](QDate day) {
        const QDateTime evening(day, QTime(int(sky::eveningHour.count()), 0), Qt::LocalTime);
        emit daySelected(sky::Instant{std::chrono::seconds(evening.toSecsSinceEpoch())});
    });
    makeOwnWindow(this, QSize(560, 860), settings::monthGeometry.read());
}

void MonthWindow::showMonthOf(sky::Instant when)
{
    const QDate date = QDateTime::fromSecsSinceEpoch(when.time_since_epoch().count(), Qt::LocalTime).date();
    showMonth(date.year(), unsigned(date.month()));
}

void MonthWindow::showMonth(int year, unsigned month)
{
    if (year < sky::firstYear || year > sky::lastYear || month < 1 || month > 12)
        return;
    year_ = year;
    month_ = month;
    rebuild();
}

void MonthWindow::setViewpoint(const Viewpoint& viewpoint)
{
    hemisphere_ = viewpoint.hemisphere();
    place_ = viewpoint.place();
    placeName_ = viewpoint.placeName();
    if (year_ != 0)
        rebuild();
}

void MonthWindow::rebuild()
{
    view->setMonth(sky::monthFacts(year_, month_, place_), hemisphere_, placeName_);
    title->setText(monthTitle(year_, month_));
    previous->setEnabled(!(year_ == sky::firstYear && month_ == 1));
    next->setEnabled(!(year_ == sky::lastYear && month_ == 12));
}

void MonthWindow::step(int months)
{
    int month = int(month_) - 1 + months;
    int year = year_ + (month < 0 ? -1 : month / 12);
    month = (month + 12) % 12;
    showMonth(year, unsigned(month + 1));
}

void MonthWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageUp)
        step(-1);
    else if (event->key() == Qt::Key_PageDown)
        step(1);
    else
        QWidget::keyPressEvent(event);
}

void MonthWindow::showEvent(QShowEvent* event)
{
    keepOnScreen(this);
    QWidget::showEvent(event);
}

void MonthWindow::hideEvent(QHideEvent* event)
{
    settings::monthGeometry.write(saveGeometry());
    QWidget::hideEvent(event);
}

void MonthWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(monthTitle(year_, month_));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printOn(printer);
}

void MonthWindow::printOn(QPrinter& printer) const
{
    QPainter painter(&printer);
    MonthPage page(view->facts(), hemisphere_, placeName_);
    page.paint(painter, fitted(QRectF(QPointF(0, 0), QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size()))));
}

void MonthWindow::exportTo(const QString& path)
{
    const auto format = calendarFormatOfFile(path);
    try {
        if (!format)
            throw WriteError(tr("«%1»: serve un file .pdf o .ics").arg(path).toStdString());
        writeCalendar(path, *format, {view->facts()}, hemisphere_, placeName_);
    } catch (const WriteError& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    }
}

} // namespace luna
