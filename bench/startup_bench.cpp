// Startup to a shown dialog, as the operator waits for it: from starting the process until
// its dialog is shown and painted, on Qt's offscreen platform. configure-station (sockets,
// settings from a registry database, host name, PC/SC listing, three lists) beside a bare
// Qt program that shows a dialog with one list. The ratio of the two is the figure to watch.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/station_settings.h"

extern char** environ;

namespace {

// The environment both probes start in: offscreen, a registry database holding a
// configured station, and a PC/SC socket where no service answers, as on a PC without one.
class CProbeWorld {
public:
    CProbeWorld() {
        std::filesystem::create_directories(m_folder);
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("PCSCLITE_CSOCK_NAME", (m_folder / "no-pcscd.comm").c_str(), 1);
        setenv("STATION_REGISTRY", (m_folder / "registry.db").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        CStationSettings settings;
        settings.Load();
        settings.SetReaderId("Virtual PCD 00 00");
        settings.SetPiccReaderId("Virtual PCD 00 01");
        settings.Save();
    }
    ~CProbeWorld() { std::filesystem::remove_all(m_folder); }

private:
    const std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("station-bench-" + std::to_string(getpid()));
};

void RunProbe(benchmark::State& state, const char* pszProbe) {
    static CProbeWorld world;
    char* argv[] = {const_cast<char*>(pszProbe), nullptr};
    for (auto _ : state) {
        pid_t pid = -1;
        int nStatus = 0;
        if (posix_spawn(&pid, pszProbe, nullptr, nullptr, argv, environ) != 0 ||
            waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0) {
            state.SkipWithError("the probe did not run to its end");
            return;
        }
    }
}

void BM_BareDialogWithOneList(benchmark::State& state) {
    RunProbe(state, PROBE_BARE);
}
BENCHMARK(BM_BareDialogWithOneList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConfigureStation(benchmark::State& state) {
    RunProbe(state, PROBE_STATION);
}
BENCHMARK(BM_ConfigureStation)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
