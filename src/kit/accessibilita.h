// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// What the screens offer assistive technology.
namespace ui {

// What a screen has to say to a screen reader, said when it happens. A screen reader
// speaks the object that takes the focus, in its own words and wherever the learner is,
// and then reads the screen afresh: each sentence is given the focus of assistive
// technology, on one of two voices that take turns (the same object twice would be heard
// once), without moving the keyboard's focus or changing anything drawn. One sentence per
// event: a later one in the same event replaces an earlier one, and a sentence said before
// its window is active waits for it.
class Avviso : public QWidget {
    Q_OBJECT
public:
    explicit Avviso(QWidget* genitore);

    void annuncia(const QString& frase);
    QString frase() const { return m_frase; }
    // The window has become active: a waiting sentence is said now.
    void finestraAttiva();
    // The voice that spoke last, or nullptr.
    const QWidget* voceAttiva() const { return m_parlante < 0 ? nullptr : m_voci[m_parlante]; }

private:
    void mostra();

    QString m_frase;
    bool m_inAttesa = false;
    QWidget* m_voci[2];
    int m_parlante = -1;
};

// ---- Assistive technology ----

// Marks a control that only decorates: it is not offered to assistive technology.
void decorativo(QWidget* w);
// Whether assistive technology is offered w: not a decoration, a line, a shape, nor a
// button without text or name.
bool offerto(const QWidget* w);
// The child controls of a container that are offered, in reading order: rows from top
// to bottom, each from left to right.
QList<QWidget*> ordineDiLettura(const QWidget* contenitore);
// Installs the accessible interfaces of the kit's controls (once).
void installaAccessibilita();

} // namespace ui
