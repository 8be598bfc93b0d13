// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a companion by its bare name, the way the drill does it: from the program's
// own folder first, then from absolute PATH folders, and never from the current
// directory, whatever PATH says and wherever the drill was started from.
#include "runtime/servizi_reali.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A stand-in program that writes where it was started from and in which folder it runs.
void scriviFinto(const QString& percorso, bool eseguibile = true)
{
    QVERIFY(QFile::copy(QStringLiteral(MASSA_FINTO), percorso));
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (eseguibile)
        p |= QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(percorso, p));
}

// A PATH written with ':' as on Linux, in this system's own separator.
QString elenco(QString path) { return path.replace(QLatin1Char(':'), QDir::listSeparator()); }

} // namespace

class ProvaAvvio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cartelleDiRicerca_data();
    void cartelleDiRicerca();
    void compagniAccantoAlProgramma_data();
    void compagniAccantoAlProgramma();
    void avvio_data();
    void avvio();

private:
    QString m_cartellaIniziale;
    QByteArray m_path;
    QStringList m_daTogliere;
};

void ProvaAvvio::init()
{
    m_cartellaIniziale = QDir::currentPath();
    m_path = qgetenv("PATH");
}

void ProvaAvvio::cleanup()
{
    QDir::setCurrent(m_cartellaIniziale);
    qputenv("PATH", m_path);
    for (const QString& f : std::as_const(m_daTogliere))
        QFile::remove(f);
    m_daTogliere.clear();
}

void ProvaAvvio::cartelleDiRicerca_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("attese");
    QTest::newRow("vuoto") << "" << QStringList{"/prog"};
    QTest::newRow("punto") << "." << QStringList{"/prog"};
    QTest::newRow("voci vuote") << "::/usr/bin:" << QStringList{"/prog", "/usr/bin"};
    QTest::newRow("relative") << "bin:./x:../y:/opt/z" << QStringList{"/prog", "/opt/z"};
    QTest::newRow("ordine") << "/b:.:/a" << QStringList{"/prog", "/b", "/a"};
}

void ProvaAvvio::cartelleDiRicerca()
{
    QFETCH(QString, path);
    QFETCH(QStringList, attese);
    QCOMPARE(ServiziReali::cartelleDiRicerca(QStringLiteral("/prog"), elenco(path)), attese);
}

void ProvaAvvio::compagniAccantoAlProgramma_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("quadro") << "quadro.exe";
    QTest::newRow("www") << "www.exe";
    QTest::newRow("avvertenza") << "avvertenza.exe";
}

void ProvaAvvio::compagniAccantoAlProgramma()
{
    // The build puts the companions beside the drill; one of the same name in the
    // current directory, with "." on PATH, must not win.
    QFETCH(QString, nome);
    QTemporaryDir altrove;
    scriviFinto(altrove.filePath(nome));
    QVERIFY(QDir::setCurrent(altrove.path()));
    const QString programma = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral(MASSA_BIN_DIR));
    QVERIFY(QDir(programma).exists(QStringLiteral(MASSA_PROGRAMMA)));
    const QString trovato = ServiziReali::trovaEseguibile(nome, ServiziReali::cartelleDiRicerca(programma,
                                                                                                elenco(QStringLiteral(
                                                                                                    ".:"))));
    QCOMPARE(trovato, QDir(programma).absoluteFilePath(nome));
}

void ProvaAvvio::avvio_data()
{
    // Where a program of the name lies: the program folder, the current directory and an
    // absolute PATH folder; and which copy must start (empty: none may).
    QTest::addColumn<bool>("nelProgramma");
    QTest::addColumn<bool>("eseguibileNelProgramma");
    QTest::addColumn<bool>("nellaCorrente");
    QTest::addColumn<bool>("inPath");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("programma, non la corrente") << true << true << true << false << ".:/usr/bin"
                                                << "programma";
    QTest::newRow("voce vuota di PATH") << true << true << true << false << ":/usr/bin:"
                                        << "programma";
    QTest::newRow("PATH relativo") << true << true << true << false << "sotto:."
                                   << "programma";
    QTest::newRow("prima del PATH") << true << true << false << true << "@path"
                                    << "programma";
    QTest::newRow("solo la corrente") << false << false << true << false << ".::/usr/bin"
                                      << "";
    QTest::newRow("PATH assoluto, non la corrente") << false << false << true << true << ".:@path"
                                                    << "path";
    QTest::newRow("non eseguibile nel programma") << true << false << true << true << ".:@path"
                                                  << "path";
    QTest::newRow("da nessuna parte") << false << false << false << false << "/usr/bin"
                                      << "";
}

void ProvaAvvio::avvio()
{
    QFETCH(bool, nelProgramma);
    QFETCH(bool, eseguibileNelProgramma);
    QFETCH(bool, nellaCorrente);
    QFETCH(bool, inPath);
    QFETCH(QString, path);
    QFETCH(QString, atteso);
#ifdef Q_OS_WIN
    if (!eseguibileNelProgramma && nelProgramma)
        QSKIP("Windows knows a program by its name's ending, not by a permission");
#endif

    // A name of its own for each row, so nothing real or left over can answer.
    const QString nome = QStringLiteral("prova-avvio-%1-%2.exe")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QString::fromLatin1(QTest::currentDataTag())
                                      .replace(QLatin1Char(' '), QLatin1Char('_')));
    QTemporaryDir corrente, cartellaPath, segni;
    QVERIFY(corrente.isValid() && cartellaPath.isValid() && segni.isValid());
    const QString programma = QCoreApplication::applicationDirPath();
    if (nelProgramma) {
        m_daTogliere << QDir(programma).filePath(nome);
        scriviFinto(QDir(programma).filePath(nome), eseguibileNelProgramma);
    }
    if (nellaCorrente) {
        scriviFinto(corrente.filePath(nome));
        QDir(corrente.path()).mkdir(QStringLiteral("sotto"));
        scriviFinto(corrente.filePath(QStringLiteral("sotto/") + nome));
    }
    if (inPath)
        scriviFinto(cartellaPath.filePath(nome));

    const QString segno = segni.filePath(QStringLiteral("segno"));
    qputenv("PROVA_AVVIO_SEGNO", segno.toLocal8Bit());
    qputenv("PATH", elenco(path).replace(QLatin1String("@path"), cartellaPath.path()).toLocal8Bit());
    QVERIFY(QDir::setCurrent(corrente.path()));

    ServiziReali servizi;
    QLoggingCategory::setFilterRules(QStringLiteral("misure.di.massa.compagni=true"));
    if (atteso.isEmpty())
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(nome + " non avviato: non è nella cartella del programma"));
    const bool avviato = servizi.eseguiProgramma(nome, StileFinestra::Normale);
    QCOMPARE(avviato, !atteso.isEmpty());
    if (atteso.isEmpty()) {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(segno));
        return;
    }
    const QString cartella = atteso == QLatin1String("programma") ? programma : cartellaPath.path();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(segno), 10000);
    QStringList righe;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                 QFile f(segno);
                                 if (!f.open(QIODevice::ReadOnly))
                                     return false;
                                 righe = QString::fromLocal8Bit(f.readAll())
                                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                                 return righe.size() == 2;
                             }()),
                             5000);
    QCOMPARE(QFileInfo(righe[0]).canonicalFilePath(), QFileInfo(QDir(cartella).filePath(nome)).canonicalFilePath());
    // It runs in its own folder, not in the drill's current one.
    QCOMPARE(QFileInfo(righe[1]).canonicalFilePath(), QFileInfo(cartella).canonicalFilePath());
}

QTEST_GUILESS_MAIN(ProvaAvvio)
#include "prova_avvio.moc"
