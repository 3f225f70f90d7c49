// Times the transfer thread against the shell doing the same work in the
// same run. The device copy takes gathered items (four products whose
// folders hold 10,000 small files and two files of 500 MB in all) from the
// old machine into the transfer folder, started by the Copy button as the
// user starts it; the paste takes that transfer folder into a new machine's
// folders through the Paste button. Three lines, each ending in the ratio:
//
//   device copy   against `cp -a` of the same folders into fresh folders;
//   paste (empty) into a new machine's empty folders, against `cp -a` into
//                 fresh folders;
//   paste (replace) into folders that already hold every item, replacing
//                 them, against the shell's safe replace: `cp -a` into a
//                 scratch folder, `mv` of the old aside and of the copy into
//                 place, `rm -rf` of the old.
//
// Each is timed five times by turns with the shell, after a sync, and the
// best time of each counts. The design waits 100 ms before each item; those
// waits are printed and taken off the assistant's time for the ratio.
//
// First, a device copy of items holding a few small files each, where the run
// spends nearly all its time in those waits, shows what waiting costs: the
// processor time used over the wall time (the whole process's and the GUI
// thread's), and the longest time an event posted from another thread waited
// for the event loop, with the part of it that the GUI thread was working.
//
// With --memory it instead copies and pastes 100,000 small files in 1,000
// folders (each run twice, so that the second copy empties the transfer
// folder and the second paste replaces) and prints the peak resident memory.
//
//   transfer_bench [small-file-count] [large-file-megabytes]
//   transfer_bench --memory

#include <QCoreApplication>

#include <pthread.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/App.h"
#include "common/Globals.h"
#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ScopedProgramFolder.h"
#include "tests/support/TemporaryFolder.h"
#include "wizard/Window1.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRounds = 5;
constexpr int kTimeLimitMs = 600000;
constexpr double kWaitPerItem = 0.1;
constexpr int kFilesPerFolder = 100;
constexpr long kKilobytesPerMegabyte = 1024;
constexpr int kWaitingCopyFiles = 40;
constexpr auto kPostEvery = std::chrono::milliseconds(2);

// The gathered products: application folder, preference folder, and
// Application Support folder ("" for none), on the old machine.
struct Product {
    const char* folder;
    const char* bundle;
    const char* code;
    const char* prefFolder;
    const char* supportFolder;
};
constexpr Product kProducts[] = {
    {"Solvane II", "Solvane.app", "APPLqWt1", "Solvane初期設定", "Solvane II"},
    {"Tessaro", "Tessaro.app", "APPLqWt4", "Tessaro初期設定", ""},
    {"Kelmo", "Kelmo.app", "APPLqWt5", "Kelmo初期設定", "Kelmo"},
    {"Brisko", "Brisko.app", "APPLqWtm", "Brisko初期設定", ""},
};

void WriteRandomFile(const fs::path& path, std::size_t size, std::mt19937_64& random) {
    std::string block(std::min<std::size_t>(size, 1 << 20), '\0');
    for (auto& byte : block)
        byte = static_cast<char>(random());
    std::ofstream out(path, std::ios::binary);
    for (std::size_t written = 0; written < size; written += block.size()) {
        block[0] = static_cast<char>(random()); // no two blocks alike
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min(block.size(), size - written)));
    }
}

// The folders that the gathering picks up, grouped by the transfer folder's sub-folder.
struct Items {
    std::vector<fs::path> app, pref, support;
    std::vector<fs::path> All() const {
        std::vector<fs::path> all = app;
        all.insert(all.end(), pref.begin(), pref.end());
        all.insert(all.end(), support.begin(), support.end());
        return all;
    }
};

// What the old machine's items hold: small files of up to a given size,
// spread over a number of folders in each item, and two large files.
struct Workload {
    int smallFiles;
    int foldersPerItem;
    std::size_t largestSmallFile;
    std::size_t largeMegabytes;
};

Items BuildOldMachine(FakeMachine& machine, const Workload& workload) {
    FakeMacDisk& disk = machine.StartupDisk();
    const std::string library = machine.Home() + "/Library/";
    Items items;
    for (const Product& product : kProducts) {
        const std::string app = std::string("Applications/") + product.folder;
        disk.AppBundle(app + "/" + product.bundle, product.code);
        items.app.push_back(disk.Path(app));
        items.pref.push_back(
            disk.Folder(library + "Preferences/" + product.prefFolder).AbsolutePath().ToUTF8());
        if (*product.supportFolder)
            items.support.push_back(
                disk.Folder(library + "Application Support/" + product.supportFolder)
                    .AbsolutePath()
                    .ToUTF8());
    }
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<std::size_t> size(100, workload.largestSmallFile);
    const std::vector<fs::path> all = items.All();
    for (int i = 0; i < workload.smallFiles; ++i) {
        const fs::path folder =
            all[static_cast<std::size_t>(i) % all.size()] /
            ("Data " + std::to_string(i / kFilesPerFolder % workload.foldersPerItem));
        fs::create_directories(folder);
        WriteRandomFile(folder / ("file" + std::to_string(i) + ".dat"), size(random), random);
    }
    WriteRandomFile(items.app[2] / "Intro.mov", workload.largeMegabytes << 20, random);
    WriteRandomFile(items.support[0] / "Library.db", workload.largeMegabytes << 20, random);
    return items;
}

double SecondsFor(const std::function<void()>& work) {
    std::system("sync");
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One quoted shell argument with the space before it. Built by appending:
// g++ 12 at -O3 warns falsely on a literal joined before a string.
std::string Argument(const fs::path& path) {
    std::string argument = " '";
    argument.append(path.string()).append("'");
    return argument;
}

void RunShell(const std::string& command) {
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
}

void CopyWithCp(const std::vector<fs::path>& sources, const fs::path& destination) {
    fs::create_directories(destination);
    std::string command = "cp -a";
    for (const fs::path& source : sources)
        command += Argument(source);
    command += Argument(destination);
    RunShell(command + "/");
}

// The shell's way of replacing entries without losing them: the copies are
// made in a scratch folder beside them, each old entry steps aside for its
// copy, and the old ones go last.
void ReplaceWithShell(const std::vector<fs::path>& sources, const fs::path& destination) {
    const fs::path scratch = destination / ".scratch";
    std::string command = "mkdir" + Argument(scratch) + " && cp -a";
    for (const fs::path& source : sources)
        command += Argument(source);
    command += Argument(scratch) + "/";
    for (const fs::path& source : sources) {
        const fs::path name = source.filename();
        command +=
            " && mv" + Argument(destination / name) + Argument(scratch / (name.string() + ".old"));
        command += " && mv" + Argument(scratch / name) + Argument(destination) + "/";
    }
    RunShell(command + " && rm -rf" + Argument(scratch));
}

std::vector<fs::path> EntriesOf(const fs::path& folder) {
    std::vector<fs::path> entries;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            entries.push_back(entry.path());
    return entries;
}

// The wizard opened anew, as a new start of the assistant from the program folder.
std::shared_ptr<Window1> OpenWizard() {
    Window::CloseAll();
    return Window1::Instance();
}

bool RunUntilEnded(const std::shared_ptr<Window1>& wizard) {
    return coop::RunEventLoopUntil([&] { return !wizard->pRunningCP; }, kTimeLimitMs);
}

struct Timing {
    double assistant = 1e9;
    double cp = 1e9;
    int items = 0;
};

// The wizard opened anew on the device route, its gathering done and the
// Copy page showing.
std::shared_ptr<Window1> GatheredOnDeviceRoute() {
    const auto wizard = OpenWizard();
    wizard->RadioButton1->SetValue(true);
    wizard->PushButton2->Push();
    coop::RunEventLoopUntil([&] { return wizard->PushButton8->Caption() == "再取得"; },
                            kTimeLimitMs);
    wizard->PushButton2->Push();
    return wizard;
}

// One device copy round: gathering first, untimed; then Copy until the run ends.
double TimeDeviceCopy(int& items) {
    const auto wizard = GatheredOnDeviceRoute();
    const double seconds = SecondsFor([&] {
        wizard->PushButton5->Push();
        RunUntilEnded(wizard);
    });
    items = wizard->ProgressBar1->Maximum();
    if (wizard->PushButton5->Enabled())
        std::fprintf(stderr, "the copy did not complete\n");
    return seconds;
}

double TimePaste(int& items) {
    const auto wizard = OpenWizard();
    wizard->RadioButton5->SetValue(true);
    const double seconds = SecondsFor([&] {
        wizard->PushButton6->Push();
        RunUntilEnded(wizard);
    });
    items = wizard->ProgressBar2->Maximum();
    if (wizard->pPastePhase != 2)
        std::fprintf(stderr, "the paste did not complete\n");
    return seconds;
}

// The processor time of the whole process (RUSAGE_SELF) or of the calling
// OS thread alone (RUSAGE_THREAD).
double ProcessorSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Microseconds of the given clock: the wall clock, or a thread's processor clock.
double ClockMicroseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Posts an event to the event loop every few milliseconds from another
// thread, as a screen reader's request arrives, and keeps the longest time
// one waited before the loop ran it, and the longest processor time that the
// GUI thread spent meanwhile: what our code held the loop for, where the rest
// is the machine's other work. Made on the GUI thread.
class EventPoster {
public:
    EventPoster() {
        pthread_getcpuclockid(pthread_self(), &guiClock_);
        thread_ = std::thread([this] {
            while (!stop_) {
                const double posted = ClockMicroseconds(CLOCK_MONOTONIC);
                const double guiPosted = ClockMicroseconds(guiClock_);
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [this, posted, guiPosted] {
                        longestUs_ =
                            std::max(longestUs_, ClockMicroseconds(CLOCK_MONOTONIC) - posted);
                        longestBusyUs_ =
                            std::max(longestBusyUs_, ClockMicroseconds(guiClock_) - guiPosted);
                    },
                    Qt::QueuedConnection);
                std::this_thread::sleep_for(kPostEvery);
            }
        });
    }
    ~EventPoster() { Stop(); }
    // Stops posting and lets the events still queued run.
    void Stop() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        QCoreApplication::sendPostedEvents();
    }
    double LongestMs() const { return longestUs_ / 1000; }
    double LongestBusyMs() const { return longestBusyUs_ / 1000; }

private:
    clockid_t guiClock_{};
    std::atomic<bool> stop_{false};
    double longestUs_ = 0;
    double longestBusyUs_ = 0;
    std::thread thread_;
};

// A device copy that mostly waits: the four products with a few small files.
// One round measures the processor time; another, with events posted meanwhile,
// how long they waited.
void MeasureWaitingCopy(const fs::path& root) {
    FakeMachine machine;
    BuildOldMachine(machine, {kWaitingCopyFiles, 10, 16 * 1024, 0});
    for (const bool posting : {false, true}) {
        FakeMacDisk device(root.string(), posting ? "Posting device" : "Waiting device");
        device.AppBundle("DRAVO Migration Assistant.app", "APPLqWts", "contents");
        const ScopedProgramFolder program(device.Path());
        const auto wizard = GatheredOnDeviceRoute();
        std::optional<EventPoster> poster;
        double processor = 0;
        double guiThread = 0;
        const double seconds = SecondsFor([&] {
            if (posting)
                poster.emplace();
            processor = ProcessorSeconds(RUSAGE_SELF);
            guiThread = ProcessorSeconds(RUSAGE_THREAD);
            wizard->PushButton5->Push();
            RunUntilEnded(wizard);
            processor = ProcessorSeconds(RUSAGE_SELF) - processor;
            guiThread = ProcessorSeconds(RUSAGE_THREAD) - guiThread;
        });
        if (posting) {
            poster->Stop();
            std::printf("waiting copy: longest wait of a posted event %.2f ms, the GUI thread "
                        "working at most %.2f ms of such a wait\n",
                        poster->LongestMs(), poster->LongestBusyMs());
        } else {
            std::printf(
                "waiting copy %7.3f s (%d items of a few small files): processor %.1f%% "
                "of a core, %.1f%% of a core on the GUI thread (the rest: the copying threads)\n",
                seconds, wizard->ProgressBar1->Maximum(), 100 * processor / seconds,
                100 * guiThread / seconds);
        }
    }
}

void Report(const char* what, const Timing& timing) {
    const double waits = timing.items * kWaitPerItem;
    std::printf("%-15s assistant %7.3f s (%d items, waits %.3f s, without them %7.3f s)   "
                "shell %7.3f s   ratio %.3f\n",
                what, timing.assistant, timing.items, waits, timing.assistant - waits, timing.cp,
                (timing.assistant - waits) / timing.cp);
}

// The transfer folder's sub-folders and the new machine's folders they go to.
struct PastePlace {
    const char* subFolder;
    const char* destination; // relative to the user's Library, or the start-up disk
    bool inLibrary;
};
constexpr PastePlace kPastePlaces[] = {
    {"App", "Applications", false},
    {"Pref", "Preferences", true},
    {"AS", "Application Support", true},
};

fs::path Destination(FakeMachine& machine, const PastePlace& place) {
    const FakeMacDisk& disk = machine.StartupDisk();
    return place.inLibrary ? disk.Path(machine.Home() + "/Library/" + place.destination)
                           : disk.Path(place.destination);
}

// Pastes into a new machine's folders, empty or already holding every item,
// by turns with the shell doing the same into folders of its own. Each round's
// new machine stays, as the shell's folders do, until the bench ends: a disk
// without a journal makes new files pass over the ones deleted in the last
// minutes, so a round that followed the removal of another's files would pay
// for them and the shell would not.
Timing TimePastes(const fs::path& transferFolder, const fs::path& root, bool replace,
                  std::vector<std::unique_ptr<FakeMachine>>& newMachines) {
    Timing paste;
    for (int round = 0; round < kRounds; ++round) {
        FakeMachine& newMachine =
            *newMachines.emplace_back(std::make_unique<FakeMachine>("hanako"));
        const fs::path cpFolder =
            root / ((replace ? "shell replace " : "shell paste ") + std::to_string(round));
        for (const PastePlace& place : kPastePlaces) {
            fs::create_directories(cpFolder / place.destination);
            if (replace) {
                CopyWithCp(EntriesOf(transferFolder / place.subFolder),
                           cpFolder / place.destination);
                CopyWithCp(EntriesOf(transferFolder / place.subFolder),
                           Destination(newMachine, place));
            }
        }
        const auto withShell = [&] {
            paste.cp = std::min(paste.cp, SecondsFor([&] {
                                    for (const PastePlace& place : kPastePlaces) {
                                        const auto sources =
                                            EntriesOf(transferFolder / place.subFolder);
                                        if (replace)
                                            ReplaceWithShell(sources, cpFolder / place.destination);
                                        else
                                            CopyWithCp(sources, cpFolder / place.destination);
                                    }
                                }));
        };
        if (round % 2 == 0)
            withShell();
        paste.assistant = std::min(paste.assistant, TimePaste(paste.items));
        if (round % 2 != 0)
            withShell();
    }
    return paste;
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / kKilobytesPerMegabyte;
}

// A copy and a paste of 100,000 small files, each run twice: the second copy
// empties the transfer folder first, the second paste replaces every item.
int MeasureMemory(const fs::path& root) {
    FakeMachine oldMachine;
    const Workload workload{100'000, 100, 1024, 0};
    std::printf("Making %d small files in %d folders ...\n", workload.smallFiles,
                workload.foldersPerItem * 10);
    BuildOldMachine(oldMachine, workload);
    const double before = PeakResidentMegabytes();
    FakeMacDisk device(root.string(), "Memory device");
    device.AppBundle("DRAVO Migration Assistant.app", "APPLqWts", "contents");
    const ScopedProgramFolder program(device.Path());
    int items = 0;
    const double copies = TimeDeviceCopy(items) + TimeDeviceCopy(items);
    device.File("DRAVO Migration Assistant.app/contents/Resources/CopyDone");
    const FakeMachine newMachine("hanako");
    const double pastes = TimePaste(items) + TimePaste(items);
    std::printf("memory: copies %.3f s, pastes %.3f s; peak resident %.1f MB (%.1f MB before the "
                "runs)\n",
                copies, pastes, PeakResidentMegabytes(), before);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool memory = argc > 1 && std::string(argv[1]) == "--memory";
    const Workload workload{argc > 1 ? std::atoi(argv[1]) : 10'000, 10, 16 * 1024,
                            argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 500};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TemporaryFolder folder;
    const fs::path root = folder.Path();

    App app;
    app.InitApp();
    Globals::gBeep = false;
    // A caution nobody answers would stop the run: it is reported instead.
    ModalScript::SetScripting(true);
    ModalScript::SetFailureHook(
        [](const std::string& what) { std::fprintf(stderr, "unexpected: %s\n", what.c_str()); });
    if (memory)
        return MeasureMemory(root);
    MeasureWaitingCopy(root);

    FakeMachine oldMachine;
    std::printf("Making %d small files and 2 files of %zu MB in %s ...\n", workload.smallFiles,
                workload.largeMegabytes, oldMachine.StartupDisk().Path().c_str());
    const Items items = BuildOldMachine(oldMachine, workload);

    // Each round copies onto a device of its own, so no round pays for emptying another's.
    std::vector<std::unique_ptr<FakeMacDisk>> devices;
    Timing copy;
    for (int round = 0; round < kRounds; ++round) {
        devices.push_back(
            std::make_unique<FakeMacDisk>(root.string(), "Device " + std::to_string(round)));
        devices.back()->AppBundle("DRAVO Migration Assistant.app", "APPLqWts", "contents");
        const ScopedProgramFolder program(devices.back()->Path());
        const fs::path cpFolder = root / ("cp copy " + std::to_string(round));
        const auto withCp = [&] {
            copy.cp = std::min(copy.cp, SecondsFor([&] {
                                   CopyWithCp(items.app, cpFolder / "App");
                                   CopyWithCp(items.pref, cpFolder / "Pref");
                                   CopyWithCp(items.support, cpFolder / "AS");
                               }));
        };
        // Taking turns at going first evens out what the disk still does for the other.
        if (round % 2 == 0)
            withCp();
        copy.assistant = std::min(copy.assistant, TimeDeviceCopy(copy.items));
        if (round % 2 != 0)
            withCp();
    }
    Report("device copy", copy);

    // The first device goes to the new machine, marked as the quit after its copy marks it.
    const FakeMacDisk& device = *devices.front();
    const ScopedProgramFolder program(device.Path());
    devices.front()->File("DRAVO Migration Assistant.app/contents/Resources/CopyDone");
    const fs::path transferFolder = device.Path("temp");
    std::vector<std::unique_ptr<FakeMachine>> newMachines;
    Report("paste (empty)", TimePastes(transferFolder, root, false, newMachines));
    Report("paste (replace)", TimePastes(transferFolder, root, true, newMachines));
    Window::CloseAll();
    return 0;
}
