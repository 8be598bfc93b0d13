#pragma once

#include <QWidget>

// The plain light-green background that covers the desktop for the whole run. It
// takes no input; whenever it is activated it brings the drill's own screen forward.
class FrmInizioSfondo : public QWidget {
    Q_OBJECT
public:
    static FrmInizioSfondo* istanza();
    static FrmInizioSfondo* caricato();
    // Unloads it; doing so again, or when it is not loaded, does nothing.
    static void scarica();

protected:
    void changeEvent(QEvent* e) override;

private:
    FrmInizioSfondo();
    ~FrmInizioSfondo() override;
    void Form_Load();
    void Form_GotFocus();

    bool m_scaricando = false;
};
