// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in companion: writes where it was started from and in which folder it runs into
// the file PROVA_AVVIO_SEGNO names, then ends. No Qt, so it starts from any folder with any
// PATH.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#ifdef _WIN32
#include <windows.h>
#endif

int main()
{
    const char* segno = std::getenv("PROVA_AVVIO_SEGNO");
    if (!segno)
        return 1;
#ifdef _WIN32
    wchar_t nome[MAX_PATH];
    GetModuleFileNameW(nullptr, nome, MAX_PATH);
    const std::filesystem::path eseguibile(nome);
#else
    const std::filesystem::path eseguibile = std::filesystem::read_symlink("/proc/self/exe");
#endif
    std::ofstream(segno, std::ios::binary) << eseguibile.string() << '\n'
                                           << std::filesystem::current_path().string() << '\n';
    return 0;
}
