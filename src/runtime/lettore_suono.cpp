// The sound player, loaded by the drill only when the first right answer wants a sound:
// Qt Multimedia and the libraries it pulls in stay out of the start-up and the memory
// of a drill that has not played anything yet.
#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void massaSuona(const char* percorso)
{
    // Owned by the application object, so it goes before the audio back end does.
    static QPointer<QSoundEffect> effetto;
    if (!effetto) {
        effetto = new QSoundEffect(QCoreApplication::instance());
        QObject::connect(effetto, &QSoundEffect::statusChanged, effetto, [] {
            if (effetto->status() == QSoundEffect::Error)
                QApplication::beep();
        });
    }
    const QUrl url = QUrl::fromLocalFile(QString::fromUtf8(percorso));
    if (effetto->source() != url)
        effetto->setSource(url);
    effetto->play();
}
