#pragma once
// A machine with the assistant started on it, for the tests of gathering:
// the fake start-up disk (and old machines' disks), the catalogue filled as
// at start-up, the wizard window on STEP 1, and the steps a user takes:
// choose a method, press Next, stop or re-scan, add an item by hand. Every
// wait runs the event loop with a time limit.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/App.h"
#include "platform/gui/Listbox.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/gui/GuiTest.h"
#include "wizard/Window1.h"

// One row of the item list as the tests compare it.
struct ShownRow {
    std::string name;
    std::string kind;  // column 1: "" on a GroupRow
    std::string index; // column 2: the ItemIndexList or the record's index
    std::string label; // column 3
    bool ticked = false;
    bool operator==(const ShownRow&) const = default;
};
void PrintTo(const ShownRow& row, std::ostream* out);

class GatheringTest : public GuiTest {
protected:
    static constexpr int kTimeLimitMs = 10000;

    void SetUp() override;
    void TearDown() override;

    FakeMacDisk& Disk() { return machine_.StartupDisk(); }
    FakeMachine& Machine() { return machine_; }
    // "<home>/Library/Preferences/<name>" and the like, on the start-up disk.
    std::string UserFolder(const std::string& relative) const;

    // STEP 1 with the external device, then Next; returns when the scan has ended.
    void GatherByDevice();
    // STEP 1 with the network, the picker answered with volume 1 and the user.
    void ChooseNetwork(const std::string& user);
    // Next from STEP 1; returns when the scan has ended.
    void PressNextAndWait();
    // Waits until the scan button reads "再取得".
    void WaitForScanEnd();

    // Presses "フォルダを取得..." or "ファイルを取得..." with the dialog
    // answered by choosing `item` (Nil: cancelled).
    void AddFolderByHand(const FolderItem& item);
    void AddFileByHand(const FolderItem& item);
    // Scripts the caution that a manual add shows when it finds nothing;
    // pushed after the dialog, which takes its answer first.
    void ExpectNothingFoundCaution();
    // Runs the event loop until done() holds, then lets ending threads finish.
    void WaitUntil(const std::function<bool()>& done);

    Listbox& List() const;
    std::vector<ShownRow> Rows() const;
    std::vector<std::string> GroupNames() const;
    // The record kinds of the store, by index.
    std::vector<std::string> RecordKinds() const;
    // Every ItemRow names the record that its index points at, with its kind.
    void ExpectRowsMatchRecords() const;

    std::shared_ptr<Window1> wizard;
    bool cautionShown = false;

private:
    void PressAddButton(PushButton& button, const FolderItem& item);

    FakeMachine machine_;
    std::unique_ptr<App> app_;
};
