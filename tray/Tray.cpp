// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tray.h"

#include "Autostart.h"
#include "CalendarTexts.h"
#include "CrescentTexts.h"
#include "Eclipses.h"
#include "InstantFacts.h"
#include "EclipseTexts.h"
#include "FactsWindow.h"
#include "Form1.h"
#include "Formats.h"
#include "Identity.h"
#include "MonthWindow.h"
#include "MoonIcon.h"
#include "PanelItem.h"
#include "PhaseTexts.h"
#include "Settings.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMenu>

namespace luna {

namespace {

using namespace std::chrono;

// The first instant the sky tells of.
const sky::Instant firstInstant{sys_days(year(sky::firstYear) / 1 / 1)};

// How often the icon is drawn anew at most ten minutes apart.
constexpr minutes redraw{10};

// The desktop's notification service, and the key of a notice's action
// that shows the window.
const QString noticesService = QStringLiteral("org.freedesktop.Notifications");
const QString noticesPath = QStringLiteral("/org/freedesktop/Notifications");
const QString showAction = QStringLiteral("show");

} // namespace

std::vector<Notice> upcomingNotices(sky::Instant after, const std::optional<sky::Place>& place)
{
    std::vector<Notice> notices;
    const sky::Zone zone = sky::clockOf(place);
    try {
        for (const sky::PhaseEvent& event : sky::nextPhases(after)) {
            if (event.phase != sky::Phase::New && event.phase != sky::Phase::Full)
                continue;
            notices.push_back({event.when, principalPhaseName(int(event.phase)), dayAndTime(event.when, zone)});
        }
        if (place) {
            // The new crescent, an hour before the best time of the first
            // evening it can be seen with the naked eye.
            for (const sky::Crescent& crescent : sky::nextCrescents(std::max(after - days(4), firstInstant), *place, 2))
                for (const sky::CrescentEvening& evening : crescent.evenings)
                    if ((evening.yallop == sky::YallopZone::A || evening.yallop == sky::YallopZone::B)
                        && *evening.bestTime - hours(1) > after) {
                        notices.push_back({*evening.bestTime - hours(1), QCoreApplication::translate("Tray", "La prima falce"),
                                           crescentNoticeText(evening, zone)});
                        break;
                    }
            // The eclipses seen from the place, as they begin there: a lunar
            // one at the Moon's first touch of the penumbra, a solar one at
            // the first contact the place sees.
            for (const sky::Eclipse& eclipse : sky::nextEclipses(after, 4, sky::EclipseKinds::All)) {
                const sky::EclipseSeen seen = sky::eclipseSeen(eclipse, place);
                if (!seen.seen())
                    continue;
                QString name = eclipseName(eclipse);
                name[0] = name[0].toUpper();
                if (seen.visibility) {
                    const auto start = eclipse.contact(sky::Contact::P1);
                    if (!start || *start <= after)
                        continue;
                    notices.push_back({*start, name, QCoreApplication::translate("Tray", "Comincia ora; il massimo %1")
                                                          .arg(dayAndTime(eclipse.greatest, zone))});
                } else if (seen.local) {
                    const auto start = seen.local->contact(sky::LocalContact::C1);
                    if (!start || *start <= after)
                        continue;
                    notices.push_back({*start, name, QCoreApplication::translate("Tray", "Comincia ora; %1")
                                                          .arg(localEclipseText(*seen.local, zone))});
                }
            }
        }
    } catch (const sky::OutOfRange&) {
    }
    std::sort(notices.begin(), notices.end(), [](const Notice& a, const Notice& b) { return a.when < b.when; });
    return notices;
}

std::optional<Notice> dueNotice(sky::Instant lastNotified, sky::Instant now, const std::optional<sky::Place>& place)
{
    const sky::Instant from = std::max(lastNotified, now - noticeWorth);
    if (from >= now)
        return std::nullopt;
    std::optional<Notice> due;
    for (const Notice& notice : upcomingNotices(from, place))
        if (notice.when <= now)
            due = notice;
    return due;
}

QString trayToolTip(sky::Instant now, const std::optional<sky::Place>& place)
{
    try {
        const double e = sky::elongation(now);
        const sky::PhaseEvent next = sky::nextPhases(now).front();
        QString tip = QCoreApplication::translate("Tray", "%1 — %2 %3")
                          .arg(phaseDescription(e), principalPhaseName(int(next.phase)), dayAndTime(next.when, sky::clockOf(place)));
        if (const auto eclipse = sky::eclipseNow(now, place))
            tip += u'\n' + sentence(eclipseNowText(*eclipse));
        return tip;
    } catch (const sky::OutOfRange&) {
        return Form1::title();
    }
}

Tray::Tray(const sky::Clock& clock, PanelIcon panel, QObject* parent)
    : QObject(parent)
    , clock_(clock)
{
    icon = new QSystemTrayIcon(this);
    menu = new QMenu;
    // "Mostra Luna" or, while the window is shown, "Nascondi Luna".
    actionShow = menu->addAction(tr("Mostra Luna"), this, &Tray::toggleWindow);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        actionShow->setText(window_ && window_->isVisible() ? tr("Nascondi Luna") : tr("Mostra Luna"));
    });
    actionFacts = menu->addAction(tr("La Luna…"), this, [this] { window().actionFacts->trigger(); });
    actionMonth = menu->addAction(tr("Calendario lunare…"), this, [this] { window().actionMonth->trigger(); });
    menu->addSeparator();
    actionNotices = menu->addAction(tr("Avvisi alle lune piene e nuove"));
    actionNotices->setCheckable(true);
    actionNotices->setChecked(settings::notices.read());
    connect(actionNotices, &QAction::toggled, this, [](bool on) { settings::notices.write(on); });
    actionAutostart = menu->addAction(tr("Avvia con la sessione"));
    actionAutostart->setCheckable(true);
    actionAutostart->setChecked(startsWithSession());
    connect(actionAutostart, &QAction::toggled, this, [this](bool on) {
        if (!setStartsWithSession(on)) {
            const QSignalBlocker quiet(actionAutostart);
            actionAutostart->setChecked(startsWithSession());
        }
    });
    menu->addSeparator();
    actionQuit = menu->addAction(tr("Esci"), qApp, &QCoreApplication::quit);
    icon->setContextMenu(menu);
    connect(icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            toggleWindow();
    });

    // Only what comes after the start is announced.
    lastNotified_ = clock_.now();
    connect(&clock_, &WallClock::alarm, this, &Tray::refresh);
    connect(&clock_, &WallClock::jumped, this, &Tray::refresh);
    QDBusConnection::sessionBus().connect(QString(), noticesPath, noticesService, QStringLiteral("ActionInvoked"), this,
                                          SLOT(onNoticeAction(uint, QString)));
    QDBusConnection::sessionBus().connect(QString(), noticesPath, noticesService, QStringLiteral("NotificationClosed"), this,
                                          SLOT(onNoticeClosed(uint)));
    refresh();
    if (panel == PanelIcon::Shown) {
        icon->show();
        nameStatusNotifierItem(applicationId(), applicationTitle());
    }
}

Tray::~Tray()
{
    delete menu;
}

Form1& Tray::window()
{
    if (!window_)
        window_ = std::make_unique<Form1>(clock_.source());
    return *window_;
}

void Tray::toggleWindow()
{
    if (window_ && window_->isVisible()) {
        window_->hide();
        return;
    }
    showWindowAt(clock_.now());
}

void Tray::showWindowAt(sky::Instant when)
{
    window().showInstant(when);
    window().show();
    window().raise();
    window().activateWindow();
}

void Tray::refresh()
{
    const sky::Instant now = clock_.now();
    const Viewpoint viewpoint;
    try {
        icon->setIcon(panelIcon(sky::elongation(now), viewpoint.hemisphere(), qApp->devicePixelRatio()));
    } catch (const sky::OutOfRange&) {
    }
    icon->setToolTip(trayToolTip(now, viewpoint.place()));

    // A last notice later than now was given by a clock that was wrong, or
    // has been set back since: the notices due from now on are given.
    lastNotified_ = std::min(lastNotified_, now);

    // What came due since the last notice: the latest of it, once, and only
    // if still fresh (after a long sleep the older ones are let go).
    if (const auto due = dueNotice(lastNotified_, now, viewpoint.place())) {
        if (actionNotices->isChecked())
            notify(*due);
        lastNotified_ = due->when;
    }

    sky::Instant next = floor<minutes>(now) + redraw;
    for (const Notice& notice : upcomingNotices(std::max(lastNotified_, now), viewpoint.place()))
        if (notice.when > now) {
            next = std::min(next, notice.when);
            break;
        }
    clock_.wakeAt(next);
}

void Tray::notify(const Notice& notice)
{
    QDBusMessage call = QDBusMessage::createMethodCall(noticesService, noticesPath, noticesService,
                                                       QStringLiteral("Notify"));
    // The action "default" is a click on the notice itself; the desktop
    // entry lets the desktop name the notice after Luna and group it there.
    const QStringList actions{QStringLiteral("default"), tr("Mostra"), showAction, tr("Mostra")};
    const QVariantMap hints{{QStringLiteral("desktop-entry"), applicationId()}};
    call << applicationTitle() << 0u << applicationId() << notice.summary << notice.body << actions << hints << -1;
    auto* reply = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this, when = notice.when](QDBusPendingCallWatcher* done) {
        const QDBusPendingReply<uint> id = *done;
        if (id.isValid())
            given_[id.value()] = when;
        done->deleteLater();
    });
    emit notified(notice);
}

void Tray::onNoticeAction(uint id, const QString& action)
{
    const auto given = given_.find(id);
    if (given == given_.end() || (action != showAction && action != QLatin1String("default")))
        return;
    showWindowAt(given->second);
}

void Tray::onNoticeClosed(uint id)
{
    given_.erase(id);
}

} // namespace luna
