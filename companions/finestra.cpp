// SPDX-License-Identifier: GPL-3.0-or-later
#include "finestra.h"

#include "identita.h"
#include "runtime/collocazione.h"
#include "runtime/piattaforma.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QStyleFactory>

namespace compagni {

QFont carattere(int pixel)
{
    QFont f = ui::carattereDisegnato();
    f.setPixelSize(pixel);
    f.setBold(true);
    return f;
}

QLabel* etichetta(const QString& testo, const QColor& sfondo, const QColor& colore, int pixel, QWidget* genitore)
{
    auto* l = new QLabel(testo, genitore);
    l->setFont(carattere(pixel));
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::WindowText, colore);
    l->setPalette(p);
    l->setMargin(6);
    return l;
}

Finestra::Finestra(const QString& titoloFinestra, const QString& titoloStriscia, QWidget* genitore) : QWidget(genitore)
{
    setWindowTitle(titoloFinestra);
    setWindowIcon(identita::icona());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Sfondo);
    setPalette(p);

    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(16, 16, 16, 16);
    esterno->setSpacing(14);
    auto* striscia = etichetta(titoloStriscia, Striscia, TestoStriscia, 30, this);
    striscia->setObjectName(QStringLiteral("striscia"));
    esterno->addWidget(striscia);

    m_corpo = new QVBoxLayout;
    m_corpo->setSpacing(10);
    esterno->addLayout(m_corpo, 1);

    m_chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    m_chiudi->setObjectName(QStringLiteral("chiudi"));
    m_chiudi->setFont(carattere(22));
    m_chiudi->setMinimumSize(200, 48);
    QPalette pb = m_chiudi->palette();
    pb.setColor(QPalette::Button, RiquadroForte);
    pb.setColor(QPalette::ButtonText, TestoStriscia);
    m_chiudi->setPalette(pb);
    connect(m_chiudi, &QPushButton::clicked, this, &QWidget::close);
    // The arrows go from stop to stop, before a scrolling area takes them.
    for (const Qt::Key tasto : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
        const bool avanti = tasto == Qt::Key_Right || tasto == Qt::Key_Down;
        auto* scorciatoia = new QShortcut(QKeySequence(tasto), this);
        connect(scorciatoia, &QShortcut::activated, this, [this, avanti] { focusNextPrevChild(avanti); });
    }
    esterno->addWidget(m_chiudi, 0, Qt::AlignHCenter);
}

QVBoxLayout* Finestra::colonnaScorrevole(Scorre come)
{
    auto* scorrimento = new QScrollArea(this);
    scorrimento->setObjectName(QStringLiteral("scorrimento"));
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setWidgetResizable(true);
    if (come == Scorre::Giu)
        scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* contenuto = new QWidget;
    auto* colonna = new QVBoxLayout(contenuto);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(m_corpo->spacing());
    scorrimento->setWidget(contenuto);
    // The window's green behind the content, as if it did not scroll.
    scorrimento->viewport()->setAutoFillBackground(false);
    contenuto->setAutoFillBackground(false);
    m_corpo->addWidget(scorrimento, 1);
    return colonna;
}

void leggibile(QLabel* l, const QString& parole)
{
    l->setFocusPolicy(Qt::StrongFocus);
    l->setAccessibleName(parole);
}

void Finestra::keyPressEvent(QKeyEvent* e)
{
    // Nothing on these windows takes typing, so Esc and Enter both mean "Chiudi".
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

int esegui(QWidget* finestra)
{
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    collocazione::colloca(finestra, collocazione::Misura::Variabile);
    finestra->show();
    return QApplication::exec();
}

int avvia(int argc, char* argv[], const std::function<QWidget*()>& crea)
{
    piattaforma::scalaValida(argc > 0 ? argv[0] : "misure-di-massa");
    QApplication app(argc, argv);
    // The companions belong to the drill: task bars show them under its launcher.
    identita::dichiara();
    // Fusion honours the button colours whatever the desktop's style.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(identita::icona());
    return esegui(crea());
}

} // namespace compagni
