// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down list: its face and its open list in its own colour; Up and Down move the
// choice, and nothing can be typed into it.
#include "kit/controlli.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

class ProvaTendina : public QObject {
    Q_OBJECT
    QWidget m_finestra;
    ui::Tendina* m_tendina = new ui::Tendina(&m_finestra, QStringLiteral("Combo1"));

private slots:
    void initTestCase()
    {
        m_tendina->setGeometry(0, 0, 300, 40);
        m_tendina->addItems({QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre")});
        m_finestra.show();
    }

    void sfondo()
    {
        const QColor colore(255, 255, 192);
        m_tendina->impostaSfondo(colore);
        QCOMPARE(m_tendina->sfondo(), colore);
        QCOMPARE(m_tendina->grab().toImage().pixelColor(2, 30), colore); // left of the text
        m_tendina->showPopup();
        QAbstractItemView* lista = m_tendina->view();
        QVERIFY(lista->isVisible());
        // Right of the text of an entry not chosen.
        const int riga = lista->visualRect(m_tendina->model()->index(2, 0)).center().y();
        QCOMPARE(lista->viewport()->grab().toImage().pixelColor(lista->viewport()->width() - 3, riga), colore);
        m_tendina->hidePopup();
    }

    void tasti_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("scelta");
        QTest::newRow("Down") << int(Qt::Key_Down) << 2;
        QTest::newRow("Up") << int(Qt::Key_Up) << 0;
        QTest::newRow("a letter") << int(Qt::Key_X) << 1;
    }

    // From the middle entry. A move is a choice, as with the mouse: the start screen says it aloud.
    void tasti()
    {
        QFETCH(int, tasto);
        QFETCH(int, scelta);
        m_tendina->setCurrentIndex(1);
        QSignalSpy scelte(m_tendina, &QComboBox::activated);
        QTest::keyClick(m_tendina, Qt::Key(tasto));
        QCOMPARE(m_tendina->currentIndex(), scelta);
        QCOMPARE(scelte.size(), scelta == 1 ? 0 : 1);
        QVERIFY(!m_tendina->isEditable());
    }
};

QTEST_MAIN(ProvaTendina)
#include "prova_tendina.moc"
