// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The title bar of a window whose frame nobody else draws (Wayland without Qt's
// decorations): the window's caption and a close box across the window's top, drawn inside
// the window. Dragging it moves the window, as the compositor does it.
class StrisciaTitolo : public QWidget {
    Q_OBJECT
public:
    // Lies across the top of `finestra`, as wide as it, whatever its size.
    explicit StrisciaTitolo(QWidget* finestra);

    int altezza() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    QRect chiusura() const;

    bool m_sopraChiusura = false;
    bool m_premutaChiusura = false;
};
