// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/tavolozza.h"

#include <QColor>
#include <QWindow>
#include <memory>

class QBackingStore;

// The plain light-green background that covers the desktop for the whole run. It
// takes no input; whenever it receives the focus it brings the drill's own screen
// forward. A bare window rather than a widget: on X11 the server fills it with its
// colour, so the full-screen picture a widget would keep in memory is never drawn.
// Destroyed from outside, it comes back.
class FrmInizioSfondo : public QWindow {
    Q_OBJECT
public:
    static FrmInizioSfondo* istanza();
    static FrmInizioSfondo* caricato();
    // Unloads it; doing so again, or when it is not loaded, does nothing.
    static void scarica();

    static QColor colore() { return ui::Verde; }
    bool isEnabled() const { return m_abilitato; }

protected:
    void exposeEvent(QExposeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    // Only the start screen's closing paths unload it: a close request from the desktop
    // is refused.
    bool event(QEvent* e) override;

private:
    FrmInizioSfondo();
    ~FrmInizioSfondo() override;
    void Form_Load();
    void Form_GotFocus();
    // Maximized and shown, filled by the window system where it can.
    void mostraSulloSchermo();
    // A new window in place of one destroyed from outside.
    void ricrea();

    bool m_abilitato = true;
    bool m_scaricando = false;
    bool m_coloreDalServer = false;
    bool m_ricreato = false;
    // Only where the server cannot fill it.
    std::unique_ptr<QBackingStore> m_superficie;
};
