// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthAccessible.h"

#include "MonthView.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTextDocumentFragment>

#include <map>

namespace luna {

namespace {

QDate firstDay(const MonthView* view)
{
    return QDate(view->facts().year, int(view->facts().month), 1);
}

// A day of the grid: it has no object of its own, only its place in the
// view.
class DayItem : public QAccessibleInterface {
public:
    DayItem(MonthView* view, QDate day)
        : view_(view)
        , day_(day)
    {
    }

    bool isValid() const override { return view_ && day_.month() == int(view_->facts().month) && day_.year() == view_->facts().year; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return view_->spokenDay(day_);
        if (kind == QAccessible::Description)
            return QTextDocumentFragment::fromHtml(view_->dayStory(day_)).toPlainText();
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = view_->dayRect(day_);
        return QRect(view_->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.invisible = !view_ || !view_->isVisible();
        state.selected = view_ && view_->selectedDay() == day_;
        state.focused = state.selected && view_->hasFocus();
        return state;
    }

private:
    QPointer<MonthView> view_;
    QDate day_;
};

class MonthList : public QAccessibleWidget {
public:
    explicit MonthList(MonthView* view)
        : QAccessibleWidget(view, QAccessible::List)
    {
    }

    ~MonthList() override
    {
        for (const auto& [day, id] : days_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return view()->facts().days.empty() ? 0 : firstDay(view()).daysInMonth(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const QDate day = firstDay(view()).addDays(index);
        auto known = days_.find(day);
        // Qt's registry owns each day's interface; the list deletes them
        // through it when it goes.
        if (known == days_.end())
            known = days_.emplace(day, QAccessible::registerAccessibleInterface(new DayItem(view(), day))).first; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
        return QAccessible::accessibleInterface(known->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [day, id] : days_)
            if (QAccessible::accessibleInterface(id) == child && child->isValid())
                return int(firstDay(view()).daysTo(day));
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        return view()->hasFocus() ? child(int(firstDay(view()).daysTo(view()->selectedDay()))) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* day = child(i); day->rect().contains(x, y))
                return day;
        return nullptr;
    }

private:
    MonthView* view() const { return static_cast<MonthView*>(widget()); }

    mutable std::map<QDate, QAccessible::Id> days_;
};

} // namespace

QAccessibleInterface* monthAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("luna::MonthView") && object && object->isWidgetType())
        return new MonthList(static_cast<MonthView*>(object));
    return nullptr;
}

} // namespace luna
