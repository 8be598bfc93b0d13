// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/striscia_titolo.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

StrisciaTitolo::StrisciaTitolo(QWidget* finestra) : QWidget(finestra)
{
    setObjectName(QStringLiteral("strisciaTitolo"));
    setMouseTracking(true);
    finestra->installEventFilter(this);
    setGeometry(0, 0, finestra->width(), altezza());
}

int StrisciaTitolo::altezza() const { return fontMetrics().height() + 10; }

QRect StrisciaTitolo::chiusura() const
{
    const int lato = height() - 8;
    return QRect(width() - lato - 6, 4, lato, lato);
}

bool StrisciaTitolo::eventFilter(QObject* o, QEvent* e)
{
    if (o == parentWidget()) {
        if (e->type() == QEvent::Resize)
            setGeometry(0, 0, parentWidget()->width(), altezza());
        else if (e->type() == QEvent::WindowTitleChange)
            update();
    }
    return false;
}

void StrisciaTitolo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, QColor(224, 224, 224));
    p.setPen(QColor(160, 160, 160));
    p.drawLine(r.bottomLeft(), r.bottomRight());

    const QRect x = chiusura();
    if (m_sopraChiusura)
        p.fillRect(x, m_premutaChiusura ? QColor(180, 180, 180) : QColor(204, 204, 204));
    p.setPen(QPen(Qt::black, 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF croce = QRectF(x).adjusted(x.width() * 0.3, x.height() * 0.3, -x.width() * 0.3, -x.height() * 0.3);
    p.drawLine(croce.topLeft(), croce.bottomRight());
    p.drawLine(croce.bottomLeft(), croce.topRight());

    p.setPen(Qt::black);
    const QRect testo = r.adjusted(x.width() + 12, 0, -x.width() - 12, 0);
    p.drawText(testo, Qt::AlignCenter,
               fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, testo.width()));
}

void StrisciaTitolo::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (chiusura().contains(e->position().toPoint())) {
        m_premutaChiusura = true;
        update();
    } else if (QWindow* w = window()->windowHandle()) {
        w->startSystemMove();
    }
}

void StrisciaTitolo::mouseReleaseEvent(QMouseEvent* e)
{
    if (!m_premutaChiusura)
        return;
    m_premutaChiusura = false;
    update();
    if (chiusura().contains(e->position().toPoint()))
        window()->close();
}

void StrisciaTitolo::mouseMoveEvent(QMouseEvent* e)
{
    const bool sopra = chiusura().contains(e->position().toPoint());
    if (sopra != m_sopraChiusura) {
        m_sopraChiusura = sopra;
        update();
    }
}

void StrisciaTitolo::leaveEvent(QEvent*)
{
    m_sopraChiusura = false;
    update();
}
