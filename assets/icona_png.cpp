// Turns the XPM icon into the PNG sizes a desktop's icon theme wants. Whole multiples
// are scaled pixel by pixel, so the drawing stays crisp.
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s icona.xpm lato icona.png\n", argv[0]);
        return 2;
    }
    const QImage immagine(QString::fromLocal8Bit(argv[1]));
    const int lato = QString::fromLatin1(argv[2]).toInt();
    if (immagine.isNull() || lato <= 0)
        return 1;
    const QImage scalata = immagine.convertToFormat(QImage::Format_ARGB32)
                               .scaled(lato, lato, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scalata.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
