// SPDX-License-Identifier: GPL-3.0-or-later
// The icon and the mouse pointer reach every program that links the drill's core as
// resources, with no set-up call: pixel pictures of at most 16 colours, with see-through parts.
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>

class ProvaRisorse : public QObject {
    Q_OBJECT
private slots:
    void immagine_data();
    void immagine();
};

void ProvaRisorse::immagine_data()
{
    QTest::addColumn<QString>("percorso");
    QTest::addColumn<int>("lato");
    QTest::newRow("icona") << ":/assets/icona.xpm" << 32;
    QTest::newRow("icona 16") << ":/assets/icona-16.xpm" << 16;
    QTest::newRow("icona 22") << ":/assets/icona-22.xpm" << 22;
    QTest::newRow("icona 24") << ":/assets/icona-24.xpm" << 24;
    QTest::newRow("puntatore") << ":/assets/puntatore.xpm" << 32;
}

void ProvaRisorse::immagine()
{
    QFETCH(QString, percorso);
    QVERIFY(!QIcon(percorso).isNull());
    const QImage img = QImage(percorso).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    QFETCH(int, lato);
    QCOMPARE(img.size(), QSize(lato, lato));
    QSet<QRgb> colori;
    int trasparenti = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) == 0)
                ++trasparenti;
            else
                colori.insert(p);
        }
    }
    QVERIFY2(colori.size() <= 16, qPrintable(QString::number(colori.size())));
    QVERIFY(trasparenti > 0);
    QVERIFY(colori.size() >= 4);
}

QTEST_MAIN(ProvaRisorse)
#include "prova_risorse.moc"
