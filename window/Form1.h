// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "MoonFace.h"
#include "PhaseDescription.h"
#include "Sky.h"
#include "Viewpoint.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QAction;
class QLabel;
class QMenu;

namespace luna {

class CaptionLabel;
class FactsWindow;
class MonthWindow;
class NightWindow;
class PictureBox;
class ScrollBar;

// The main window: a scroll bar chooses the phase angle, a label shows it,
// and the picture below shows the Moon at that phase.
//
// Beyond that, a context menu (right click, the Menu key or Shift+F10) and
// its shortcuts show the Moon of now or of a chosen instant, choose the
// place and the hemisphere, and open the Moon's facts and the lunar
// calendar.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // `clock` says what "now" is, for the menu and the windows it opens.
    explicit Form1(const sky::Clock& clock = sky::programClock(), QWidget* parent = nullptr);
    ~Form1() override;

    static QString title();
    // The window's own title, "Visualizzazione Zelvo lunari".
    static QString title0();

    // Moves the bar to `angle` as the user would, and draws it even where the
    // bar already stands, as at 0 when the window opens.
    void showAngle(int angle);

    // Shows the Moon of an instant: the bar goes to the angle that shows it,
    // the title and the picture's description name the instant. Moving the
    // bar by hand returns to a bare angle.
    void showInstant(sky::Instant when);
    std::optional<sky::Instant> shownInstant() const { return shown_; }

    // The hemisphere the picture is drawn and described for. Set here (as
    // from the command line) it holds for this run.
    void setHemisphere(Hemisphere hemisphere);
    Hemisphere hemisphere() const;
    // The place, as from the command line, for this run.
    void setPlace(const sky::Place& place);
    const Viewpoint& viewpoint() const { return viewpoint_; }

    FactsWindow* facts();
    MonthWindow* month();
    NightWindow* night();
    // "Stanotte": the night of the instant shown (or of now) at the place.
    void showNight();
    // The next windows of a feature of the gazetteer, by its name.
    void showFeature(const QString& name);
    void showAlignment();

    CaptionLabel* Text1 = nullptr;
    ScrollBar* HScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    PictureBox* PicLuna = nullptr;

    QMenu* menu = nullptr;
    QAction* actionNow = nullptr;
    QAction* actionDate = nullptr;
    QAction* actionPlace = nullptr;
    QAction* actionSouth = nullptr;
    QAction* actionFace = nullptr;
    QAction* actionFacts = nullptr;
    QAction* actionMonth = nullptr;
    QAction* actionNight = nullptr;
    QAction* actionAlignment = nullptr;
    QAction* actionAbout = nullptr;
    QAction* actionQuit = nullptr;

signals:
    // The instant shown, or the place and hemisphere, changed.
    void skyChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The face's tooltip names the feature under the pointer.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onHScroll1Change();
    void onHScroll1Scroll();
    void onText1Change();
    void onPicLunaClick();
    void showAbout();
    static QString credit();

    void showDrawing();
    QImage facePicture(double angle);
    FaceView faceView(double angle) const;
    void createMenu();
    void chooseDate();
    void choosePlace();
    void describe(double angle);
    void returnToBareAngle();
    void followViewpoint();

    sky::Instant now() const { return clock_.now(); }

    const sky::Clock& clock_;
    Viewpoint viewpoint_;
    std::optional<sky::Instant> shown_;
    bool showingInstant_ = false;
    QPointer<FactsWindow> facts_;
    QPointer<MonthWindow> month_;
    QPointer<NightWindow> night_;
    QImage moonMap_;
};

} // namespace luna
