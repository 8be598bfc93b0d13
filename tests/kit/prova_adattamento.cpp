// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting a text in its box where the designed face is missing: the designed font while the
// text fits, else the largest smaller size that fits; worked out anew on any change.
#include "kit/adattamento.h"
#include "kit/caratteri.h"

#include <QTemporaryFile>
#include <QTest>
#include <tuple>

namespace {

QFont disegnato() { return ui::carattere(QStringLiteral("Arial"), 20.25); }

// As the kit measures: across, the advance; down, the line or else the ink (from the top for a label).
bool entra(const QFont& f, const QString& testo, const QSize& box, bool inAlto)
{
    const QFontMetrics fm(f);
    const QRect ink = fm.tightBoundingRect(testo);
    const int alto = fm.ascent() + fm.descent() <= box.height() ? 0
                     : inAlto                                   ? fm.ascent() + ink.bottom() + 1
                                                                : ink.height();
    return fm.horizontalAdvance(testo) <= box.width() && alto <= box.height();
}

} // namespace

class ProvaAdattamento : public QObject {
    Q_OBJECT

public:
    // Before the application: fontconfig as the system has it, less the designed face.
    static void initMain()
    {
        static QTemporaryFile conf;
        conf.open();
        conf.write("<fontconfig><include>/etc/fonts/fonts.conf</include><selectfont><rejectfont><pattern><patelt "
                   "name=\"family\"><string>" +
                   ui::Carattere.toUtf8() +
                   "</string></patelt></pattern></rejectfont>"
                   "</selectfont></fontconfig>");
        conf.flush();
        qputenv("FONTCONFIG_FILE", QFile::encodeName(conf.fileName()));
    }

private slots:
    void initTestCase() { QVERIFY(!ui::caratteri().facciaDisegnata()); }

    void adatta_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("margine");         // pixels across beyond the designed advance
        QTest::addColumn<bool>("soloInchiostro"); // the box as high as the ink, not the line
        QTest::addColumn<bool>("inAlto");
        QTest::addColumn<bool>("ridotto");
        QTest::newRow("fits") << "Esercitazione" << 0 << false << true << false;
        QTest::newRow("a pixel too narrow") << "Esercitazione" << -1 << false << false << true;
        QTest::newRow("far too narrow") << "Esercitazione" << -100 << false << true << true;
        QTest::newRow("ink fits, centred") << "ramo" << 0 << true << false << false;
        QTest::newRow("ink cut, from the top") << "ramo" << 0 << true << true << true;
    }

    void adatta()
    {
        QFETCH(QString, testo);
        QFETCH(int, margine);
        QFETCH(bool, soloInchiostro);
        QFETCH(bool, inAlto);
        QFETCH(bool, ridotto);
        const QFontMetrics fm(disegnato());
        const QSize box(fm.horizontalAdvance(testo) + margine,
                        soloInchiostro ? fm.tightBoundingRect(testo).height() : fm.ascent() + fm.descent());
        const auto posizione = inAlto ? ui::CarattereAdattato::Posizione::InAlto
                                      : ui::CarattereAdattato::Posizione::AlCentro;
        const QFont f = ui::CarattereAdattato().per(disegnato(), testo, box, posizione);
        QCOMPARE(f != disegnato(), ridotto);
        QVERIFY(entra(f, testo, box, inAlto));
        // No smaller than it must.
        QFont piuGrande = f;
        piuGrande.setPixelSize(f.pixelSize() + 1);
        QVERIFY(!ridotto || !entra(piuGrande, testo, box, inAlto));
        // Asked before with another font, text or box, a fitter gives the same.
        for (const auto& [font, t, b] :
             {std::tuple(ui::carattere(QStringLiteral("Arial"), 20.25, ui::Peso::Grassetto), testo, box),
              std::tuple(disegnato(), QString(), box), std::tuple(disegnato(), testo, box / 2)}) {
            ui::CarattereAdattato usato;
            usato.per(font, t, b, posizione);
            QCOMPARE(usato.per(disegnato(), testo, box, posizione), f);
        }
    }
};

QTEST_MAIN(ProvaAdattamento)
#include "prova_adattamento.moc"
