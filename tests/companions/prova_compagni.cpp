// SPDX-License-Identifier: GPL-3.0-or-later
// The three companion windows, built in-process: what they show, that they fit a small
// school screen, that every way of closing them ends the program, and that the table's
// examples agree with the table itself.
#include "avvertenza.h"
#include "informazioni.h"
#include "quadro.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace {

std::unique_ptr<compagni::Finestra> crea(const QString& nome)
{
    if (nome == QLatin1String("quadro"))
        return std::make_unique<compagni::Quadro>();
    if (nome == QLatin1String("www"))
        return std::make_unique<compagni::Informazioni>();
    if (nome == QLatin1String("avvertenza"))
        return std::make_unique<compagni::Avvertenza>();
    return nullptr;
}

QStringList testiDi(const QWidget& w)
{
    QStringList t{w.windowTitle()};
    for (const QLabel* l : w.findChildren<QLabel*>())
        t << l->text();
    return t;
}

// Labels sorted left to right, as a child reads them.
QList<QLabel*> daSinistra(const QWidget& w, const QString& nome)
{
    QList<QLabel*> l = w.findChildren<QLabel*>(nome);
    std::sort(l.begin(), l.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    return l;
}

// "2,5" -> 25 tenths.
long decimi(const QString& numero)
{
    QString n = numero;
    if (!n.contains(QLatin1Char(',')))
        n += QLatin1String(",0");
    const QStringList parti = n.split(QLatin1Char(','));
    return parti[0].toLong() * 10 + parti[1].left(1).toLong();
}

} // namespace

class ProvaCompagni : public QObject {
    Q_OBJECT
private slots:
    void testi_data();
    void testi();
    void icona_data();
    void icona();
    void entraNelloSchermo_data();
    void entraNelloSchermo();
    void testoIntero_data();
    void testoIntero();
    void chiusura_data();
    void chiusura();
    void passiTraLeUnita();
    void esempi_data();
    void esempi();
};

void ProvaCompagni::testi_data()
{
    QTest::addColumn<QString>("compagno");
    QTest::addColumn<QString>("atteso");
    const char* unita[][2] = {{"kg", "chilogrammo"}, {"hg", "ettogrammo"},  {"dag", "decagrammo"}, {"g", "grammo"},
                              {"dg", "decigrammo"},  {"cg", "centigrammo"}, {"mg", "milligrammo"}};
    for (const auto& u : unita) {
        QTest::addRow("quadro %s", u[0]) << "quadro" << QString::fromLatin1(u[0]);
        QTest::addRow("quadro %s", u[1]) << "quadro" << QString::fromLatin1(u[1]);
    }
    QTest::newRow("quadro x 10") << "quadro"
                                 << "x 10";
    QTest::newRow("quadro : 10") << "quadro"
                                 << ": 10";
    QTest::newRow("quadro esempio") << "quadro"
                                    << "1 kg = 10 hg = 100 dag = 1000 g";
    QTest::newRow("www titolo") << "www"
                                << "TRASFORMAZIONI CON LE MISURE DI MASSA";
    QTest::newRow("www versione") << "www" << QStringLiteral("Versione " MASSA_VERSIONE_ATTESA);
    QTest::newRow("www ideazione") << "www"
                                   << "Ideazione, progettazione e realizzazione";
    QTest::newRow("www autore") << "www"
                                << "Il software di Velmaro";
    QTest::newRow("www scopo") << "www"
                               << "misure di massa";
    QTest::newRow("avvertenza titolo") << "avvertenza"
                                       << "AVVERTENZA";
    QTest::newRow("avvertenza destinatari") << "avvertenza"
                                            << "insegnanti e ai genitori";
    QTest::newRow("avvertenza cosa") << "avvertenza"
                                     << "chilogrammi, ettogrammi";
    QTest::newRow("avvertenza come") << "avvertenza"
                                     << "Verifica";
    QTest::newRow("avvertenza disco") << "avvertenza"
                                      << "non salva nulla sul disco";
}

void ProvaCompagni::testi()
{
    QFETCH(QString, compagno);
    QFETCH(QString, atteso);
    auto w = crea(compagno);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QStringList t = testiDi(*w);
    // Whole words: "g" must be a label of its own, not a letter of "kg".
    const bool breve = atteso.size() <= 3;
    QVERIFY2(breve ? t.contains(atteso) : t.join(QLatin1Char('\n')).contains(atteso),
             qPrintable(t.join(QLatin1String(" | "))));
}

void ProvaCompagni::icona_data()
{
    QTest::addColumn<QString>("compagno");
    QTest::newRow("quadro") << "quadro";
    QTest::newRow("www") << "www";
    QTest::newRow("avvertenza") << "avvertenza";
}

void ProvaCompagni::icona()
{
    QFETCH(QString, compagno);
    auto w = crea(compagno);
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(w->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

void ProvaCompagni::entraNelloSchermo_data() { icona_data(); }

void ProvaCompagni::entraNelloSchermo()
{
    // A school's old screen: 1024 x 768, less a task bar and a title bar.
    QFETCH(QString, compagno);
    auto w = crea(compagno);
    const QSize minimo = w->minimumSizeHint();
    QVERIFY2(minimo.width() <= 1024 && minimo.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(minimo.width()).arg(minimo.height())));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY2(w->width() <= 1024 && w->height() <= 700,
             qPrintable(QStringLiteral("opens at %1 x %2").arg(w->width()).arg(w->height())));
    for (const QLabel* l : w->findChildren<QLabel*>()) {
        if (!l->wordWrap())
            QVERIFY2(l->width() >= l->sizeHint().width() - 2 * l->margin(), qPrintable(l->text()));
    }
}

void ProvaCompagni::testoIntero_data()
{
    // The table keeps its columns: it fits 800 x 600 (entraNelloSchermo), not less.
    QTest::addColumn<QString>("compagno");
    QTest::newRow("www") << "www";
    QTest::newRow("avvertenza") << "avvertenza";
}

void ProvaCompagni::testoIntero()
{
    // On 640 x 480, made as small as placement makes it: every paragraph is whole, on show
    // or a scroll away.
    QFETCH(QString, compagno);
    auto w = crea(compagno);
    w->resize(w->size().boundedTo(QSize(640, 440)).expandedTo(w->minimumSizeHint()));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY2(w->width() <= 640 && w->height() <= 440,
             qPrintable(QStringLiteral("%1 x %2").arg(w->width()).arg(w->height())));
    for (const QLabel* l : w->findChildren<QLabel*>()) {
        QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(l->text()));
        const QRect dove(l->mapTo(w.get(), QPoint(0, 0)), l->size());
        QScrollArea* scorre = nullptr;
        for (QWidget* p = l->parentWidget(); p && !scorre; p = p->parentWidget())
            scorre = qobject_cast<QScrollArea*>(p);
        QVERIFY2(w->rect().contains(dove) || (scorre && scorre->widget()->isAncestorOf(l)), qPrintable(l->text()));
    }
}

void ProvaCompagni::chiusura_data()
{
    QTest::addColumn<QString>("compagno");
    QTest::addColumn<QString>("modo");
    for (const char* c : {"quadro", "www", "avvertenza"}) {
        for (const char* m : {"Chiudi", "Esc", "Invio", "finestra"})
            QTest::addRow("%s %s", c, m) << QString::fromLatin1(c) << QString::fromLatin1(m);
    }
}

void ProvaCompagni::chiusura()
{
    // The companion's own loop must end, with status 0, and the window must be gone.
    QFETCH(QString, compagno);
    QFETCH(QString, modo);
    QPointer<compagni::Finestra> w = crea(compagno).release();
    QTimer::singleShot(0, w, [w, modo] {
        if (!QTest::qWaitForWindowActive(w))
            return;
        if (modo == QLatin1String("Chiudi"))
            QTest::mouseClick(w->chiudi(), Qt::LeftButton);
        else if (modo == QLatin1String("Esc"))
            QTest::keyClick(w, Qt::Key_Escape);
        else if (modo == QLatin1String("Invio"))
            QTest::keyClick(w, Qt::Key_Return);
        else
            w->windowHandle()->close();
    });
    // Should the window stay open, the loop is ended from outside with another status; the
    // timer goes with this case, or it would end a later case's loop.
    QTimer limite;
    limite.setSingleShot(true);
    connect(&limite, &QTimer::timeout, qApp, [] { QApplication::exit(99); });
    limite.start(10000);
    const int stato = compagni::esegui(w);
    QCOMPARE(stato, 0);
    QTRY_VERIFY(w.isNull());
}

void ProvaCompagni::passiTraLeUnita()
{
    compagni::Quadro q;
    q.show();
    QVERIFY(QTest::qWaitForWindowExposed(&q));
    const QList<QLabel*> simboli = daSinistra(q, QStringLiteral("simbolo"));
    const QList<QLabel*> nomi = daSinistra(q, QStringLiteral("nome"));
    const QList<QLabel*> avanti = daSinistra(q, QStringLiteral("perDieci"));
    const QList<QLabel*> indietro = daSinistra(q, QStringLiteral("diviso10"));
    QCOMPARE(simboli.size(), 7);
    QCOMPARE(nomi.size(), simboli.size());
    QCOMPARE(avanti.size(), simboli.size() - 1);
    QCOMPARE(indietro.size(), simboli.size() - 1);
    for (int i = 0; i < simboli.size(); ++i) {
        // Each name stands under its own symbol.
        QCOMPARE(nomi[i]->geometry().center().x(), simboli[i]->geometry().center().x());
        QVERIFY(nomi[i]->y() > simboli[i]->y());
    }
    for (int i = 0; i + 1 < simboli.size(); ++i) {
        for (const QLabel* passo : {avanti[i], indietro[i]}) {
            QVERIFY2(passo->x() >= simboli[i]->geometry().right() && passo->geometry().right() <= simboli[i + 1]->x(),
                     qPrintable(passo->text()));
        }
        QVERIFY(avanti[i]->text().contains(QStringLiteral("→")));
        QVERIFY(indietro[i]->text().contains(QStringLiteral("←")));
    }
}

void ProvaCompagni::esempi_data()
{
    QTest::addColumn<QString>("esempio");
    compagni::Quadro q;
    const QList<QLabel*> esempi = q.findChildren<QLabel*>(QStringLiteral("esempio"));
    QVERIFY(esempi.size() >= 2);
    for (const QLabel* e : esempi)
        QTest::newRow(qPrintable(e->text())) << e->text();
}

void ProvaCompagni::esempi()
{
    // Every equality must hold by the table's own order of units: one place to the
    // right is ten times as many.
    QFETCH(QString, esempio);
    compagni::Quadro q;
    QStringList ordine;
    for (const QLabel* s : daSinistra(q, QStringLiteral("simbolo")))
        ordine << s->text();
    const QStringList membri = esempio.split(QLatin1String(" = "));
    QVERIFY(membri.size() >= 2);
    static const QRegularExpression forma(QStringLiteral("^(\\d+(?:,\\d)?) ([a-z]+)$"));
    for (int i = 0; i + 1 < membri.size(); ++i) {
        const auto a = forma.match(membri[i]);
        const auto b = forma.match(membri[i + 1]);
        QVERIFY2(a.hasMatch() && b.hasMatch(), qPrintable(esempio));
        const qsizetype da = ordine.indexOf(a.captured(2));
        const qsizetype finoA = ordine.indexOf(b.captured(2));
        QVERIFY(da >= 0 && finoA >= 0);
        long sinistra = decimi(a.captured(1));
        long destra = decimi(b.captured(1));
        for (qsizetype k = da; k < finoA; ++k)
            sinistra *= 10;
        for (qsizetype k = finoA; k < da; ++k)
            destra *= 10;
        QVERIFY2(sinistra == destra, qPrintable(membri[i] + QLatin1String(" = ") + membri[i + 1]));
    }
}

QTEST_MAIN(ProvaCompagni)
#include "prova_compagni.moc"
