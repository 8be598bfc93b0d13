// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/adattamento.h"
#include "kit/twip.h"

#include <QAbstractButton>
#include <QBasicTimer>
#include <QColor>
#include <QComboBox>
#include <QWidget>

// The controls of the designed screens: labels that draw only what they are told to,
// buttons filled flat with their colour, frames with a caption, lines, rounded shapes and
// the drop-down list.
namespace ui {

// A label. setText runs the change handlers at once, inside the call.
class Etichetta : public QWidget {
    Q_OBJECT
public:
    Etichetta(QWidget* genitore, const QString& nome);

    QString text() const { return m_testo; }
    void setText(const QString& testo);

    void setAlignment(Qt::Alignment a)
    {
        m_allineamento = a;
        update();
    }
    Qt::Alignment alignment() const { return m_allineamento; }
    // A transparent label draws only its text; others fill their box first.
    void impostaTrasparente(bool t)
    {
        m_trasparente = t;
        update();
    }
    bool trasparente() const { return m_trasparente; }
    // From now on sized to its text: it grows and shrinks with it.
    void impostaAdattaAlTesto();
    void impostaSfondo(const QColor& c)
    {
        m_sfondo = c;
        update();
    }
    QColor sfondo() const { return m_sfondo; }
    void impostaInchiostro(const QColor& c)
    {
        m_inchiostro = c;
        update();
    }
    QColor inchiostro() const { return m_inchiostro; }
    // A value under a column heading is read with it ("Risposte esatte 3"), wherever it is read.
    void impostaIntestazione(const QString& i) { m_intestazione = i; }
    QString intestazione() const { return m_intestazione; }

signals:
    void cambiato();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void adattaAlTesto();
    // The width the text may take: up to the first control laid over the label's right part.
    QSize spazioScoperto() const;

    QString m_testo;
    Qt::Alignment m_allineamento = Qt::AlignLeft;
    bool m_trasparente = false;
    bool m_adattaAlTesto = false;
    QColor m_sfondo;
    QColor m_inchiostro;
    QString m_intestazione;
    CarattereAdattato m_adattato;
};

// A push button whose face is filled with its background colour, whatever the style.
class Pulsante : public QAbstractButton {
    Q_OBJECT
public:
    Pulsante(QWidget* genitore, const QString& nome, const QString& didascalia = QString());

    void impostaSfondo(const QColor& c)
    {
        m_sfondo = c;
        update();
    }
    QColor sfondo() const { return m_sfondo; }
    QSize sizeHint() const override { return size(); }

    // Whether a mouse click could press it now: on show, enabled with all its frames, and
    // the control in front at its centre.
    bool raggiungibile() const;
    // Presses it from the keyboard or an assistive tool, with the mouse's gating: the click
    // runs at once, so no key is lost however fast they come, and the face shows the press
    // for a moment. False when a click could not reach it.
    bool premi();

protected:
    void paintEvent(QPaintEvent*) override;
    void timerEvent(QTimerEvent* e) override;

private:
    QColor m_sfondo;
    CarattereAdattato m_adattato;
    QBasicTimer m_pressione; // runs only for the moment a press from the keyboard shows
};

// Whether a frame has an etched border.
enum class Bordo { Nessuno, Inciso };

// A frame: a container with a background, an optional etched border and caption.
// Its children are placed from its outer top-left corner.
class Cornice : public QWidget {
    Q_OBJECT
public:
    Cornice(QWidget* genitore, const QString& nome, const QString& didascalia = QString(), Bordo bordo = Bordo::Inciso);

    QString didascalia() const { return m_didascalia; }
    bool haBordo() const { return m_bordo == Bordo::Inciso; }
    void impostaSfondo(const QColor& c)
    {
        m_sfondo = c;
        update();
    }
    QColor sfondo() const { return m_sfondo; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_didascalia;
    Bordo m_bordo;
    QColor m_sfondo;
};

// A straight line between two points given in twips within its container.
class Linea : public QWidget {
    Q_OBJECT
public:
    Linea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_da;
    QPoint m_a;
};

// A drop-down list to choose from (no typing), filled with its background colour.
class Tendina : public QComboBox {
    Q_OBJECT
public:
    Tendina(QWidget* genitore, const QString& nome);

    void impostaSfondo(const QColor& c);
    QColor sfondo() const { return m_sfondo; }
    // The open list in the list's own colour, not the style's.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_sfondo;
};

// A filled rectangle with curved corners.
class Sagoma : public QWidget {
    Q_OBJECT
public:
    Sagoma(QWidget* genitore, const QString& nome, const QColor& riempimento, int spessore);
    QColor riempimento() const { return m_riempimento; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_riempimento;
    int m_spessore;
};

} // namespace ui
