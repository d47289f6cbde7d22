// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnWindow.h"

#include "Identity.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace luna {

namespace {

// What the window manager adds around a window, at most, as far as Luna
// guesses before the window is shown.
constexpr int frameAllowance = 48;

// Return (or Enter) on a button of the window presses it, as Space does.
class ReturnPresses : public QObject {
public:
    explicit ReturnPresses(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || button->window() != window_ || !button->isEnabled())
            return false;
        button->click();
        return true;
    }

private:
    QWidget* window_;
};

QRect roomFor(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void keepOnScreen(QWidget* window)
{
    const QRect room = roomFor(window);
    if (room.isEmpty())
        return;
    // The frame's own margins once it is shown, a guess before.
    const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->size()
                                            : QSize(frameAllowance / 2, frameAllowance);
    const QSize most = room.size() - frame;
    const QSize size = window->size().boundedTo(most);
    if (size != window->size())
        window->resize(size);
    QRect outline(window->pos(), size + frame);
    if (outline.right() > room.right())
        outline.moveRight(room.right());
    if (outline.bottom() > room.bottom())
        outline.moveBottom(room.bottom());
    outline.moveLeft(std::max(outline.left(), room.left()));
    outline.moveTop(std::max(outline.top(), room.top()));
    // Where the compositor places windows, it keeps them on the screen.
    if (outline.topLeft() != window->pos() && !compositorPlacesWindows())
        window->move(outline.topLeft());
}

void makeOwnWindow(QWidget* window, QSize preferred, const QByteArray& saved)
{
    // Esc, Ctrl+W and whatever else the platform closes windows with, each
    // once: a key bound twice would do nothing.
    QList<QKeySequence> closers{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Close))
        if (!closers.contains(keys))
            closers << keys;
    for (const QKeySequence& keys : closers) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
    new ReturnPresses(window);
    // Qt's scroll bars have no names of their own for a screen reader.
    for (QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>()) {
        area->verticalScrollBar()->setAccessibleName(QCoreApplication::translate("OwnWindow", "Scorrimento verticale"));
        area->horizontalScrollBar()->setAccessibleName(QCoreApplication::translate("OwnWindow", "Scorrimento orizzontale"));
    }

    const QRect room = roomFor(window);
    const bool restored = !saved.isEmpty() && window->restoreGeometry(saved);
    // A size left on a larger screen, or at a smaller scale, is let go; a
    // window left partly off the screen comes back just within it.
    if (!restored || (!room.isEmpty() && (window->width() > room.width() || window->height() > room.height()))) {
        window->resize(preferred);
        if (!room.isEmpty() && !compositorPlacesWindows())
            window->move(room.center() - QPoint(preferred.width() / 2, preferred.height() / 2));
    }
    keepOnScreen(window);
}

void rememberGeometry(const QWidget* window, const Setting<QByteArray>& setting)
{
    if (!compositorPlacesWindows()) {
        setting.write(window->saveGeometry());
        return;
    }
    QWidget kept;
    const QByteArray before = setting.read();
    if (!before.isEmpty())
        kept.restoreGeometry(before);
    kept.resize(window->size());
    setting.write(kept.saveGeometry());
}

} // namespace luna
