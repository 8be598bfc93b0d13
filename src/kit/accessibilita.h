#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// What the screens offer assistive technology.
namespace ui {

// What a screen has to say to a screen reader, said when it happens: a notification (it has
// no size and draws nothing) that is shown anew with each sentence, which a screen reader
// speaks as it appears, wherever the focus is. One sentence per event: a later one in the
// same event replaces an earlier one, and a sentence said before its window is active waits
// for it, so that the window's own announcement does not cut it short.
class Avviso : public QWidget {
    Q_OBJECT
public:
    explicit Avviso(QWidget* genitore);

    void annuncia(const QString& frase);
    QString frase() const { return m_frase; }
    // The window has become active: a waiting sentence is said now.
    void finestraAttiva();

private:
    void mostra();

    QString m_frase;
    bool m_inAttesa = false;
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
