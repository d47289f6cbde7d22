// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sky.h"
#include "Viewpoint.h"
#include "WallClock.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace luna {

class Form1;

// Something worth a word on the desktop: a full or a new moon, or the start
// of a lunar eclipse seen from the place.
struct Notice {
    sky::Instant when;
    QString summary;
    QString body;
};

// The notices from `after` on, in time order: the next full and new moons
// and the next eclipses seen from `place`, lunar and solar, as they begin
// there.
std::vector<Notice> upcomingNotices(sky::Instant after, const std::optional<sky::Place>& place);

// How long a notice stays worth giving: a wake finds at most the latest
// notice of the last day; older ones are let go.
inline constexpr std::chrono::hours noticeWorth{24};

// What a refresh at `now` announces when the last notice given was at
// `lastNotified`: the latest notice come due since, if it came within
// noticeWorth of `now`. Nothing when the clock stands before `lastNotified`
// (it was set back) or when that notice was given already.
std::optional<Notice> dueNotice(sky::Instant lastNotified, sky::Instant now, const std::optional<sky::Place>& place);

// "Gibbosa crescente, illuminata al 78% — Luna piena giovedì 24 dicembre,
// 02:28", on the place's clock, and below it an eclipse under way.
QString trayToolTip(sky::Instant now, const std::optional<sky::Place>& place);

// Whether the desktop shows tray icons: without them Luna still gives its
// notices.
enum class PanelIcon { Shown, None };

// Luna in the panel: tonight's Moon as the tray icon, redrawn every ten
// minutes and at once when the clock jumps; its tooltip names the phase and
// the next one; a left click shows or hides the window on the Moon of now;
// and, while the choice is on, a notice through the desktop's notification
// service at each full and new moon and lunar eclipse, each with an action
// that shows the window at the event.
class Tray : public QObject {
    Q_OBJECT

public:
    explicit Tray(const sky::Clock& clock = sky::programClock(), PanelIcon panel = PanelIcon::Shown,
                  QObject* parent = nullptr);
    ~Tray() override;

    QSystemTrayIcon* icon = nullptr;
    QMenu* menu = nullptr;
    QAction* actionShow = nullptr;
    QAction* actionFacts = nullptr;
    QAction* actionMonth = nullptr;
    QAction* actionNotices = nullptr;
    QAction* actionAutostart = nullptr;
    QAction* actionQuit = nullptr;

    // Redraws, says what came due, and sets the next wake.
    void refresh();

    // The instant of the last notice given, or of the start.
    sky::Instant lastNotified() const { return lastNotified_; }

    // The window, shown on the Moon of `when` and brought forward.
    void showWindowAt(sky::Instant when);

    // The window, once it has been made.
    Form1* shownWindow() const { return window_.get(); }

signals:
    // A notice went out to the desktop.
    void notified(const luna::Notice& notice);

private slots:
    // The notification service's word that an action of a notice was chosen.
    void onNoticeAction(uint id, const QString& action);
    // A notice the service has closed offers its action no more.
    void onNoticeClosed(uint id);

private:
    Form1& window();
    void toggleWindow();
    void notify(const Notice& notice);

    WallClock clock_;
    std::unique_ptr<Form1> window_;
    sky::Instant lastNotified_{};
    // The notices given, by the service's number: what their action shows.
    std::map<uint, sky::Instant> given_;
};

} // namespace luna
