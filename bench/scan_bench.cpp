// Times STEP 2's full scan of a generated Applications folder: 500 folders
// holding one of the maker's applications each (bundles and files with
// Finder information by turns) among 5,000 other folders, gathered by the
// gathering thread into the real item list window, started by Next on STEP 1
// as the user starts it. Prints the time, the number of yields and the
// longest time the event loop went without a pass.
//
//   scan_bench

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <memory>
#include <string>

#include "app/App.h"
#include "gather/Window2.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "platform/threads/Thread.h"
#include "tests/support/FakeMachine.h"
#include "wizard/Window1.h"

namespace {

std::uint64_t gYields = 0;

constexpr int kFolders = 5500;
constexpr int kProductEvery = 11; // 500 of the 5,500 folders hold an application
constexpr int kTimeLimitMs = 120000;
constexpr int kStep1ShownMs = 300;

struct Product {
    const char* creator;
    const char* prefFolder;
    const char* supportFolder; // "" when the product has none
};

// The five products that the scan gathers, with their folders in the user's Library.
constexpr Product kProducts[] = {
    {"qWt1", "Solvane初期設定", "Solvane II"},
    {"qWt2", "", ""},
    {"qWt4", "Tessaro初期設定", ""},
    {"qWt5", "Kelmo初期設定", "Kelmo"},
    {"qWtm", "Brisko初期設定", ""},
};

// Yields a given number of times, then says so.
class YieldingThread : public Thread {
public:
    YieldingThread(std::uint64_t count, bool& done) : count_(count), done_(done) {}

protected:
    void Event_Run() override {
        for (std::uint64_t i = 0; i < count_; ++i)
            coop::YieldToNextThread();
        done_ = true;
    }

private:
    std::uint64_t count_;
    bool& done_;
};

std::string FolderName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "Applications/Folder %05d", index);
    return name;
}

void BuildDisk(FakeMachine& machine) {
    FakeMacDisk& disk = machine.StartupDisk();
    for (int i = 0; i < kFolders; ++i) {
        const std::string folder = FolderName(i);
        if (i % kProductEvery != 0) {
            disk.File(folder + "/Read Me.txt", "notes");
            continue;
        }
        const int n = i / kProductEvery;
        const Product& product = kProducts[n % std::size(kProducts)];
        if (n % 2 == 0)
            disk.AppBundle(folder + "/Application.app", std::string("APPL") + product.creator);
        else
            disk.TypedFile(folder + "/Application", "APPL", product.creator);
    }
    for (const Product& product : kProducts) {
        if (*product.prefFolder)
            disk.Folder(machine.Home() + "/Library/Preferences/" + product.prefFolder);
        if (*product.supportFolder)
            disk.Folder(machine.Home() + "/Library/Application Support/" + product.supportFolder);
    }
}

} // namespace

int main() {
    // Every yield of the program is counted.
    coop::SetYieldHook([] { ++gYields; });
    FakeMachine machine;
    BuildDisk(machine);

    App app;
    app.InitApp();
    const auto wizard = Window1::Instance();
    wizard->RadioButton1->SetValue(true);
    // STEP 1 on screen, as the user sees it before pressing Next.
    coop::RunEventLoopUntil([] { return false; }, kStep1ShownMs);

    // A zero-interval timer fires on every pass of the event loop.
    QElapsedTimer clock;
    qint64 lastPass = 0;
    qint64 longestGap = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastPass);
        lastPass = now;
    });

    gYields = 0;
    const std::clock_t cpuStart = std::clock();
    clock.start();
    wizard->PushButton2->Push();
    lastPass = clock.nsecsElapsed();
    probe.start();
    const bool done = coop::RunEventLoopUntil(
        [&] { return wizard->PushButton8->Caption() == "再取得"; }, kTimeLimitMs);
    const qint64 elapsed = clock.nsecsElapsed();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    probe.stop();

    Listbox& rows = *Window2::Instance()->Listbox1;
    int groups = 0;
    for (int row = 0; row < rows.ListCount(); ++row)
        if (rows.Cell(row, 1) == "")
            ++groups;

    std::printf("scan: %d folders, %d with an application: %d GroupRows, %d rows, %zu records\n",
                kFolders, kFolders / kProductEvery, groups, rows.ListCount(), wizard->pFI.size());
    std::printf("scan: %.3f s (processor %.3f s), %llu yields, longest event-loop gap %.1f ms%s\n",
                elapsed / 1e9, cpu, static_cast<unsigned long long>(gYields), longestGap / 1e6,
                done ? "" : " (time limit reached)");
    const bool smooth = done && longestGap < 50'000'000;
    const char* verdict = !smooth                 ? "missed"
                          : elapsed < 400'000'000 ? "met"
                          : elapsed < 800'000'000 ? "met as on a loaded machine only"
                                                  : "missed";
    std::printf("scan: targets (0.4 s quiet, 0.8 s loaded, gap under 50 ms) %s\n", verdict);

    // The same number of bare yields, for the share that switching takes.
    const std::uint64_t yields = gYields;
    bool yielded = false;
    clock.restart();
    std::make_shared<YieldingThread>(yields, yielded)->Run();
    coop::RunEventLoopUntil([&] { return yielded; }, kTimeLimitMs);
    std::printf("scan: %llu bare yields take %.1f ms\n", static_cast<unsigned long long>(yields),
                clock.nsecsElapsed() / 1e6);
    Window::CloseAll();
    return done ? 0 : 1;
}
