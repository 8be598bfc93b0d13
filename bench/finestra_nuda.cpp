// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the benchmarks: a bare Qt Widgets window of the drill's client size,
// started and shown the way the drill starts, with nothing drawn on it.
#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget w;
    w.setWindowTitle(QStringLiteral("bare-window"));
    w.resize(794, 556);
    w.show();
    return QApplication::exec();
}
