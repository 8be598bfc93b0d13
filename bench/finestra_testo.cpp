// SPDX-License-Identifier: GPL-3.0-or-later
// The second yardstick: the bare window of the benchmarks with what any Qt program that
// shows text has, a menu bar of three entries and one label. What the drill spends beyond
// it is the drill's own.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget w;
    w.setWindowTitle(QStringLiteral("text-window"));
    w.resize(794, 575);
    auto* barra = new QMenuBar(&w);
    for (const char* voce : {"Esci", "?", "Avvertenza"})
        barra->addAction(QString::fromLatin1(voce));
    barra->setGeometry(0, 0, 794, 19);
    auto* etichetta = new QLabel(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA"), &w);
    etichetta->setGeometry(13, 30, 756, 50);
    w.show();
    return QApplication::exec();
}
