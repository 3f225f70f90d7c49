// A gathering run on the demo world, with the assistant started as the run
// script starts it: every product of the maker that the old Mac holds is
// listed with its folders, the document folders that the products' own
// preference files name included, and every item is the old Mac's.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gather/Window2.h"
#include "scripts/demo/DemoSession.h"
#include "scripts/demo/DemoWorld.h"
#include "tests/demo/StubAssistant.h"
#include "tests/support/TemporaryFolder.h"
#include "wizard/Window1.h"

namespace {

using demo::DemoStart;
using demo::DemoWorld;

struct ListedRow {
    std::string name;
    std::string label; // "" on a product's row
    bool operator==(const ListedRow&) const = default;
};

void PrintTo(const ListedRow& row, std::ostream* out) {
    *out << "{\"" << row.name << "\", \"" << row.label << "\"}";
}

// Products in the order of their folders in Applications, each with its items.
const std::vector<ListedRow> kEveryProduct = {
    {"Brisko", ""},
    {"Brisko", "アプリ"},
    {"Brisko初期設定", "初期設定"},
    {"Kelmo", ""},
    {"Kelmo", "アプリ"},
    {"Kelmo初期設定", "初期設定"},
    {"Kelmo", "App. Support"},
    {"Kelmo書類", "書類"},
    {"Solvane II", ""},
    {"Solvane II", "アプリ"},
    {"Solvane初期設定", "初期設定"},
    {"Solvane II", "App. Support"},
    {"Solvane書類", "書類"},
    {"Solvane II Swapdeck", ""},
    {"Solvane II Swapdeck", "アプリ"},
    {"Tessaro", ""},
    {"Tessaro", "アプリ"},
    {"Tessaro初期設定", "初期設定"},
    {"Tessaro書類", "書類"},
};

std::vector<ListedRow> ListedRows(const Listbox& list) {
    std::vector<ListedRow> rows;
    for (int row = 0; row < list.ListCount(); ++row)
        rows.push_back({list.Cell(row, 0).ToUTF8(), list.Cell(row, 3).ToUTF8()});
    return rows;
}

struct Route {
    const char* name;
    DemoStart (DemoWorld::*start)() const;
    bool network;
};

void PrintTo(const Route& route, std::ostream* out) {
    *out << route.name;
}

class DemoGathering : public testing::TestWithParam<Route> {
protected:
    void SetUp() override { world.Make(MakeStubAssistant(folder.Path(), "assistant")); }

    TemporaryFolder folder;
    DemoWorld world{folder.Path("demo")};
};

TEST_P(DemoGathering, ListsEveryProductWithItsFoldersFromTheOldMac) {
    demo::DemoSession session((world.*GetParam().start)());
    if (GetParam().network)
        session.ChooseNetwork("Old Mac HD", std::string(DemoWorld::kUser));
    else
        session.ChooseDevice();
    session.NextAndGather();

    EXPECT_EQ(ListedRows(*session.ItemList().Listbox1), kEveryProduct);
    for (const TransferItem& record : session.Wizard().pFI)
        EXPECT_TRUE(record.item.AbsolutePath().ToUTF8().starts_with(world.OldDisk() + "/"))
            << record.item.AbsolutePath().ToUTF8();
}

INSTANTIATE_TEST_SUITE_P(
    Routes, DemoGathering,
    testing::Values(Route{"OldMacWithDevice", &DemoWorld::OldMacWithDevice, false},
                    Route{"NewMacOnNetwork", &DemoWorld::NewMacOnNetwork, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
