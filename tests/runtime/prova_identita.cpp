// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop knows it: the names it declares agree with its desktop entry,
// and its icon is drawn for each size a window manager shows.
#include "identita.h"

#include <QApplication>
#include <QSet>
#include <QSettings>
#include <QTest>

class ProvaIdentita : public QObject {
    Q_OBJECT

private slots:
    // Docks find the launcher by the desktop file's name (Wayland) and by StartupWMClass
    // against the windows' class (X11); the desktop entry names the icon after itself.
    void vociDelDesktop()
    {
        identita::dichiara();
        const QString file = QStringLiteral(MASSA_PACKAGING_DIR "/") + QGuiApplication::desktopFileName() +
                             QStringLiteral(".desktop");
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QSettings voce(file, QSettings::IniFormat);
        voce.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(voce.value(QStringLiteral("StartupWMClass")).toString(), QCoreApplication::applicationName());
        QCOMPARE(voce.value(QStringLiteral("Icon")).toString(), QGuiApplication::desktopFileName());
        QCOMPARE(voce.value(QStringLiteral("Exec")).toString(), QCoreApplication::applicationName());
    }

    void icona_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<bool>("aPixel"); // a pixel picture: only the drawing's own colours
        for (const int lato : {16, 22, 24, 32})
            QTest::addRow("%d px", lato) << lato << true;
        for (const int lato : {48, 64})
            QTest::addRow("%d px", lato) << lato << false;
    }

    void icona()
    {
        QFETCH(int, lato);
        QFETCH(bool, aPixel);
        const QIcon icona = identita::icona();
        QVERIFY(icona.availableSizes().contains(QSize(lato, lato)));
        const QImage img = icona.pixmap(QSize(lato, lato), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(lato, lato));
        // A picture scaled from another size would blend its colours at the edges.
        const QImage disegno = QImage(QStringLiteral(":/assets/icona.xpm")).convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> tavolozza;
        for (int y = 0; y < disegno.height(); ++y)
            for (int x = 0; x < disegno.width(); ++x)
                tavolozza.insert(disegno.pixel(x, y));
        int opachi = 0;
        int fuoriTavolozza = 0;
        for (int y = 0; y < lato; ++y) {
            for (int x = 0; x < lato; ++x) {
                const QRgb p = img.pixel(x, y);
                opachi += qAlpha(p) == 255;
                fuoriTavolozza += qAlpha(p) != 0 && !tavolozza.contains(p);
            }
        }
        QVERIFY(opachi > lato * lato / 2);
        if (aPixel)
            QCOMPARE(fuoriTavolozza, 0);
    }
};

QTEST_MAIN(ProvaIdentita)
#include "prova_identita.moc"
