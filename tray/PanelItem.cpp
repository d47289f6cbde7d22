// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PanelItem.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QMetaMethod>
#include <QtGui/private/qdbustraytypes_p.h>

namespace luna {

namespace {

// Takes over the org.kde.StatusNotifierItem interface of Qt's item: the Id
// and Title are its own, every other property, method and signal is Qt's
// adaptor's. Qt's D-Bus layer serves the last adaptor added for an interface.
class NamedItem : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString AttentionIconName READ attentionIconName)
    Q_PROPERTY(QXdgDBusImageVector AttentionIconPixmap READ attentionIconPixmap)
    Q_PROPERTY(QString AttentionMovieName READ attentionMovieName)
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QXdgDBusImageVector IconPixmap READ iconPixmap)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString OverlayIconName READ overlayIconName)
    Q_PROPERTY(QXdgDBusImageVector OverlayIconPixmap READ overlayIconPixmap)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QXdgDBusToolTipStruct ToolTip READ toolTip)

public:
    NamedItem(QObject* item, QObject* qts, QString id, QString title)
        : QDBusAbstractAdaptor(item)
        , qts_(qts)
        , id_(std::move(id))
        , title_(std::move(title))
    {
        for (const char* name : {"NewAttentionIcon()", "NewIcon()", "NewOverlayIcon()", "NewMenu()",
                                 "NewTitle()", "NewToolTip()", "NewStatus(QString)"}) {
            const QByteArray signature = QMetaObject::normalizedSignature(name);
            connect(qts_, qts_->metaObject()->method(qts_->metaObject()->indexOfSignal(signature)), this,
                    metaObject()->method(metaObject()->indexOfSignal(signature)));
        }
    }

    QString attentionIconName() const { return forwarded<QString>("AttentionIconName"); }
    QXdgDBusImageVector attentionIconPixmap() const { return forwarded<QXdgDBusImageVector>("AttentionIconPixmap"); }
    QString attentionMovieName() const { return forwarded<QString>("AttentionMovieName"); }
    QString category() const { return forwarded<QString>("Category"); }
    QString iconName() const { return forwarded<QString>("IconName"); }
    QXdgDBusImageVector iconPixmap() const { return forwarded<QXdgDBusImageVector>("IconPixmap"); }
    QString id() const { return id_; }
    bool itemIsMenu() const { return forwarded<bool>("ItemIsMenu"); }
    QDBusObjectPath menu() const { return forwarded<QDBusObjectPath>("Menu"); }
    QString overlayIconName() const { return forwarded<QString>("OverlayIconName"); }
    QXdgDBusImageVector overlayIconPixmap() const { return forwarded<QXdgDBusImageVector>("OverlayIconPixmap"); }
    QString status() const { return forwarded<QString>("Status"); }
    QString title() const { return title_; }
    QXdgDBusToolTipStruct toolTip() const { return forwarded<QXdgDBusToolTipStruct>("ToolTip"); }

public slots:
    void Activate(int x, int y) { QMetaObject::invokeMethod(qts_, "Activate", Q_ARG(int, x), Q_ARG(int, y)); }
    void ContextMenu(int x, int y) { QMetaObject::invokeMethod(qts_, "ContextMenu", Q_ARG(int, x), Q_ARG(int, y)); }
    void SecondaryActivate(int x, int y)
    {
        QMetaObject::invokeMethod(qts_, "SecondaryActivate", Q_ARG(int, x), Q_ARG(int, y));
    }
    void Scroll(int delta, const QString& orientation)
    {
        QMetaObject::invokeMethod(qts_, "Scroll", Q_ARG(int, delta), Q_ARG(QString, orientation));
    }
    void ProvideXdgActivationToken(const QString& token)
    {
        QMetaObject::invokeMethod(qts_, "ProvideXdgActivationToken", Q_ARG(QString, token));
    }

signals:
    void NewAttentionIcon();
    void NewIcon();
    void NewOverlayIcon();
    void NewMenu();
    void NewStatus(const QString& status);
    void NewTitle();
    void NewToolTip();

private:
    template <typename T>
    T forwarded(const char* name) const
    {
        return qts_->property(name).value<T>();
    }

    QObject* qts_;
    QString id_;
    QString title_;
};

} // namespace

bool nameStatusNotifierItem(const QString& id, const QString& title)
{
    // Qt gives each of its items a connection of its own, named as the bus
    // name the item registers: org.kde.StatusNotifierItem-PID-N.
    for (int n = 1; n <= 16; ++n) {
        const QDBusConnection connection(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                                             .arg(QCoreApplication::applicationPid())
                                             .arg(n));
        QObject* item = connection.isConnected() ? connection.objectRegisteredAt(QStringLiteral("/StatusNotifierItem"))
                                                 : nullptr;
        if (!item)
            continue;
        for (QObject* child : item->children())
            if (child->inherits("QStatusNotifierItemAdaptor")) {
                new NamedItem(item, child, id, title);
                return true;
            }
    }
    return false;
}

} // namespace luna

#include "PanelItem.moc"
