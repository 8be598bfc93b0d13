// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/tavolozza.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>

// What the three companion programs share: the drill's colours and font, a window
// with a title strip on top and a "Chiudi" button at the bottom, and their main().
namespace compagni {

inline constexpr const QColor& Sfondo = ui::Verde;
inline constexpr const QColor& Striscia = ui::Ciano;
inline constexpr const QColor& TestoStriscia = ui::BluTitolo;
inline constexpr const QColor& Riquadro = ui::Crema;
inline constexpr const QColor& RiquadroForte = ui::GialloTasto;
inline constexpr const QColor& Crediti = ui::CianoChiaro;

// Liberation Sans bold at a size in pixels, so the windows look alike at any dpi.
QFont carattere(int pixel);

// A label that fills its box with a colour, centred unless told otherwise.
QLabel* etichetta(const QString& testo, const QColor& sfondo, const QColor& colore, int pixel,
                  QWidget* genitore = nullptr);

// Makes a label a stop of the keyboard, with what a screen reader says of it; the arrows
// and Tab go from stop to stop.
void leggibile(QLabel* l, const QString& parole);

// A window with a title strip, a body for the program's own content, and "Chiudi".
// Esc and Enter close it too, as does the window's close box.
class Finestra : public QWidget {
    Q_OBJECT
public:
    Finestra(const QString& titoloFinestra, const QString& titoloStriscia, QWidget* genitore = nullptr);

    QVBoxLayout* corpo() const { return m_corpo; }
    QPushButton* chiudi() const { return m_chiudi; }
    // A column in the body that scrolls on a screen too small for it, so no text is ever cut
    // off: downwards only, its text wrapped to the window's width, or both ways.
    enum class Scorre { Giu, Ovunque };
    QVBoxLayout* colonnaScorrevole(Scorre come);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QVBoxLayout* m_corpo;
    QPushButton* m_chiudi;
};

// Shows the window, which deletes itself when closed, and runs the event loop until
// it is; returns the loop's status.
int esegui(QWidget* finestra);
// The whole main() of a companion: the application, its window, the event loop.
int avvia(int argc, char* argv[], const std::function<QWidget*()>& crea);

} // namespace compagni
