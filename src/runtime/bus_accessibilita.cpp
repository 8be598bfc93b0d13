// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/bus_accessibilita.h"

#if MASSA_DBUS
#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#endif

namespace bus_accessibilita {

#if !MASSA_DBUS
// Elsewhere assistive technology hears what Qt tells it.
void segnalaVisibile(QAccessibleInterface*, bool) {}
#else

void segnalaVisibile(QAccessibleInterface* oggetto, bool visibile)
{
    // The bridge's own connection (Qt names it "a11y"): an event on another one would come
    // from another application, to which the object does not belong.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!oggetto || !bus.isConnected())
        return;
    // Where the bridge puts every object but the application itself.
    const QString percorso = QStringLiteral("/org/a11y/atspi/accessible/") +
                             QString::number(QAccessible::uniqueId(oggetto));
    QDBusMessage m = QDBusMessage::createSignal(percorso, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                QStringLiteral("StateChanged"));
    m << QStringLiteral("visible") << int(visibile) << 0 << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    bus.send(m);
}

#endif

} // namespace bus_accessibilita
