// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthWindow.h"

#include "CalendarFiles.h"
#include "CalendarTexts.h"
#include "LocalDates.h"
#include "MonthPage.h"
#include "OwnWindow.h"
#include "Settings.h"
#include "WriteError.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTime>
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

MonthWindow::MonthWindow(const sky::Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , clock_(clock)
{
    setWindowTitle(tr("Calendario lunare"));
    view = new MonthView(this);
    previous = new QPushButton(tr("◀ Mese &prima"), this);
    next = new QPushButton(tr("Mese &dopo ▶"), this);
    todayButton = new QPushButton(tr("&Oggi"), this);
    printButton = new QPushButton(tr("&Stampa…"), this);
    exportButton = new QPushButton(tr("&Esporta…"), this);
    hijriBox = new QCheckBox(tr("Calendario &islamico"), this);
    hijriBox->setToolTip(tr("Sotto ogni giorno la data del calendario islamico di Umm al-Qura"));
    hijriBox->setChecked(settings::hijriDates.read());
    view->setHijriDates(hijriBox->isChecked() ? HijriDates::Shown : HijriDates::Hidden);
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
    actions->addWidget(todayButton);
    actions->addStretch();
    actions->addWidget(printButton);
    actions->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    // A page that does not fit scrolls, and follows the selection.
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll_, 1);
    // On a line of its own, that the window stays narrow on a small screen.
    layout->addWidget(hijriBox);
    layout->addLayout(actions);
    connect(view, &MonthView::selected, this, [this](QRect cell) {
        scroll_->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 2, cell.height() / 2 + 2);
    });
    connect(view, &MonthView::dayOutside, this, [this](QDate day) {
        if (showMonth(day.year(), unsigned(day.month())))
            view->selectDay(day);
    });
    // The months turn wherever the focus is, the grid's arrows and the
    // scroll area's pages notwithstanding.
    const auto turn = [this](QKeySequence keys, int months) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, months] { step(months); });
    };
    turn(QKeySequence(Qt::Key_PageUp), -1);
    turn(QKeySequence(Qt::Key_PageDown), 1);
    turn(QKeySequence(Qt::CTRL | Qt::Key_Left), -1);
    turn(QKeySequence(Qt::CTRL | Qt::Key_Right), 1);

    connect(previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { step(1); });
    connect(todayButton, &QPushButton::clicked, this, [this] {
        showMonthOf(clock_.now());
        view->setFocus();
    });
    connect(hijriBox, &QCheckBox::toggled, this, [this](bool shown) {
        settings::hijriDates.write(shown);
        view->setHijriDates(shown ? HijriDates::Shown : HijriDates::Hidden);
    });
    connect(printButton, &QPushButton::clicked, this, &MonthWindow::print);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Esporta il calendario lunare"),
            // A file name in the interface's language.
            tr("lunario-%1-%2.pdf").arg(year_).arg(month_, 2, 10, QLatin1Char('0')),
            tr("PDF (*.pdf);;iCalendar (*.ics)"));
        if (!path.isEmpty())
            exportTo(path);
    });
    connect(view, &MonthView::dayClicked, this, [this](QDate day) {
        emit daySelected(instantAt(day, QTime(int(sky::eveningHour.count()), 0), view->facts().clock));
    });
    // The keys start on the days.
    view->setFocus();
    // Wide enough for the whole week in the system's font, where the screen
    // allows.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    makeOwnWindow(this, QSize(view->sizeHint().width() + 2 * layout->contentsMargins().left() + scrollBar + 4, 860),
                  settings::monthGeometry.read());
}

void MonthWindow::showMonthOf(sky::Instant when)
{
    const QDate date = dayOf(when, sky::clockOf(place_));
    if (showMonth(date.year(), unsigned(date.month())))
        view->selectDay(date);
}

bool MonthWindow::showMonth(int year, unsigned month)
{
    if (year < sky::firstYear || year > sky::lastYear || month < 1 || month > 12)
        return false;
    year_ = year;
    month_ = month;
    rebuild();
    return true;
}

void MonthWindow::setViewpoint(const Viewpoint& viewpoint)
{
    hemisphere_ = viewpoint.hemisphere();
    place_ = viewpoint.place();
    placeName_ = viewpoint.placeName();
    if (year_ != 0)
        rebuild();
}

HijriDates MonthWindow::hijriDates() const
{
    return hijriBox->isChecked() ? HijriDates::Shown : HijriDates::Hidden;
}

void MonthWindow::rebuild()
{
    const sky::MonthFacts facts = sky::monthFacts(year_, month_, place_);
    view->setToday(dayOf(clock_.now(), facts.clock));
    view->setMonth(facts, hemisphere_, placeName_);
    title->setText(monthTitle(year_, month_));
    previous->setEnabled(!(year_ == sky::firstYear && month_ == 1));
    next->setEnabled(!(year_ == sky::lastYear && month_ == 12));
}

void MonthWindow::step(int months)
{
    const QDate day = view->selectedDay();
    int month = int(month_) - 1 + months;
    int year = year_ + (month < 0 ? -1 : month / 12);
    month = (month + 12) % 12;
    if (!showMonth(year, unsigned(month + 1)) || !day.isValid())
        return;
    const QDate first(year, month + 1, 1);
    view->selectDay(first.addDays(std::min(day.day(), first.daysInMonth()) - 1));
}

void MonthWindow::showEvent(QShowEvent* event)
{
    keepOnScreen(this);
    QWidget::showEvent(event);
}

void MonthWindow::hideEvent(QHideEvent* event)
{
    rememberGeometry(this, settings::monthGeometry);
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
    MonthPage page(view->facts(), hemisphere_, placeName_, hijriDates());
    page.paint(painter, fitted(QRectF(QPointF(0, 0), QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size()))));
}

void MonthWindow::exportTo(const QString& path)
{
    const auto format = calendarFormatOfFile(path);
    try {
        if (!format)
            throw WriteError(tr("«%1»: serve un file .pdf o .ics").arg(path).toStdString());
        writeCalendar(path, *format, {view->facts()}, hemisphere_, placeName_, hijriDates());
    } catch (const WriteError& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    }
}

} // namespace luna
