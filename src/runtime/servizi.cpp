#include "runtime/servizi_reali.h"
#include "runtime/lettore_suono.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QTime>

namespace {
Services* g_installed = nullptr;
}

Services& services()
{
    if (g_installed)
        return *g_installed;
    static RealServices real;
    return real;
}

void installServices(Services* s) { g_installed = s; }

QString applicationTitle() { return QStringLiteral("Misure di massa"); }

void Services::playSound(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.size() >= LargestSound) {
        beep();
        return;
    }
    startSound(path, [this] { beep(); });
}

void avviaCompagno(const QString& nome)
{
    if (!services().startProgram(nome, Services::WindowNormalFocus))
        services().messageBox(QStringLiteral("File mancante"), Services::StyleOkOnly);
}

RealServices::RealServices() = default;
RealServices::~RealServices() = default;

void RealServices::randomize(double seed)
{
    // Every bit of the reading counts, so two questions a few ms apart differ.
    const auto bits = static_cast<std::uint64_t>(seed * 1000.0);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    m_generator.seed(seq);
}

float RealServices::rnd()
{
    // 24 random bits give every float step in [0, 1) and can never round up to 1.
    return static_cast<float>(m_generator() >> 8) * (1.0f / 16777216.0f);
}

double RealServices::timer()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QStringList RealServices::searchFolders(const QString& programFolder, const QString& pathVariable)
{
    QStringList folders;
    if (!programFolder.isEmpty())
        folders << programFolder;
    for (const QString& entry : pathVariable.split(QLatin1Char(':'))) {
        if (!entry.isEmpty() && QDir::isAbsolutePath(entry))
            folders << entry;
    }
    return folders;
}

QString RealServices::locate(const QString& fileName, const QStringList& folders)
{
    // A bare name only: anything with a folder in it is refused.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')))
        return {};
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return {};
}

bool RealServices::startProgram(const QString& fileName, int /*windowStyle*/)
{
    const QString path = locate(fileName, searchFolders(programFolder(), qEnvironmentVariable("PATH")));
    if (path.isEmpty())
        return false;
    // Detached: the drill neither waits for it nor hears from it.
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

void RealServices::messageBox(const QString& prompt, int style, const QString& title)
{
    // A carriage return breaks the line, as the prompts are written.
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString titolo = title.isEmpty() ? applicationTitle() : title;
    QMessageBox box(style == StyleInformation ? QMessageBox::Information : QMessageBox::NoIcon, titolo, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    // A box as narrow as "File mancante" would cut its own title short: wide enough for the
    // title in a window manager's (often larger, bold) font, and its buttons.
    if (auto* griglia = qobject_cast<QGridLayout*>(box.layout())) {
        const int larghezza = QFontMetrics(box.font()).horizontalAdvance(titolo) * 3 / 2 + 120;
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
    }
    box.exec();
}

QString RealServices::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

void RealServices::startSound(const QString& path, std::function<void()> failed)
{
    // Made on the first sound: until then nothing of libcanberra is loaded.
    if (!m_lettore)
        m_lettore = std::make_unique<LettoreSuono>();
    m_lettore->suona(path, std::move(failed));
}

void RealServices::beep() { QApplication::beep(); }
