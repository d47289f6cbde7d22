// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MonthFacts.h"
#include "Viewpoint.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPrinter;
class QPushButton;

namespace luna {

class MonthPage;

// A month of the lunario on screen, laid out as on paper, today marked. A
// click on a day picks its Moon at 21:00.
class MonthView : public QWidget {
    Q_OBJECT

public:
    explicit MonthView(QWidget* parent = nullptr);
    ~MonthView() override;

    void setMonth(const sky::MonthFacts& facts, Hemisphere hemisphere, const QString& place);
    const sky::MonthFacts& facts() const { return facts_; }
    // Where the page stands in the widget.
    QRectF pageArea() const;

signals:
    void dayClicked(QDate day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    sky::MonthFacts facts_;
    std::unique_ptr<MonthPage> page_;
};

// "Calendario lunare": the month view with buttons (and Page Up, Page Down)
// for the months before and after, "Stampa…" through the system's print
// dialog and "Esporta…" to PDF or iCalendar.
class MonthWindow : public QWidget {
    Q_OBJECT

public:
    explicit MonthWindow(QWidget* parent = nullptr);

    void showMonthOf(sky::Instant when);
    void showMonth(int year, unsigned month);
    void setViewpoint(const Viewpoint& viewpoint);
    void print();
    // Prints the month shown on `printer`, as print() does once the
    // system's dialog has set it up.
    void printOn(QPrinter& printer) const;
    void exportTo(const QString& path);

    MonthView* view = nullptr;
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QLabel* title = nullptr;

signals:
    // The Moon at 21:00 of the day clicked.
    void daySelected(sky::Instant evening);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void step(int months);
    void rebuild();

    int year_ = 0;
    unsigned month_ = 0;
    Hemisphere hemisphere_ = Hemisphere::North;
    std::optional<sky::Place> place_;
    QString placeName_;
};

} // namespace luna
