// The item list window: children made on expand, tick spreading, the tint
// of even rows, and the close box.

#include <QImage>
#include <QPainter>
#include <QRect>

#include "gather/Window2.h"
#include "tests/gather/GatheringTest.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/UserActions.h"

namespace {

class ItemList : public GatheringTest {
protected:
    void SetUp() override {
        GatheringTest::SetUp();
        window = Window2::Instance();
        window->pWin1 = wizard;
    }
    void TearDown() override {
        window.reset();
        GatheringTest::TearDown();
    }

    // A record of the store for a new folder of that name.
    std::int32_t Record(const std::string& name, const char* kind) {
        return wizard->AddFIlist(Disk().Folder("Items/" + name), kind);
    }
    // A GroupRow as the gathering writes it.
    void AddGroup(const char* name, const char* indexList) {
        List().AddFolder(name);
        List().SetCellType(List().LastIndex(), 0, Listbox::TypeCheckbox);
        List().SetCellCheck(List().LastIndex(), 0, true);
        List().SetCell(List().LastIndex(), 2, indexList);
    }
    void AddDocumentRow(const std::string& name) {
        const std::int32_t index = Record(name, "DD");
        List().AddRow(String(name));
        List().SetCellType(List().LastIndex(), 0, Listbox::TypeCheckbox);
        List().SetCellCheck(List().LastIndex(), 0, true);
        List().SetCell(List().LastIndex(), 1, "DD");
        List().SetCell(List().LastIndex(), 2, Str(index));
    }
    // The user changes a check box: the list has set it, then raises CellAction.
    void UserSetsCheck(int row, bool checked) {
        List().SetCellCheck(row, 0, checked);
        window->Listbox1_CellAction(row, 0);
    }
    std::vector<bool> Ticks() {
        std::vector<bool> ticks;
        for (const ShownRow& row : Rows())
            ticks.push_back(row.ticked);
        return ticks;
    }

    std::shared_ptr<Window2> window;
};

TEST_F(ItemList, ExpandMakesTheChildrenInIndexListOrderWithTheirLabels) {
    for (const auto& [name, kind] :
         std::vector<std::pair<std::string, const char*>>{{"pref", "P"},
                                                          {"package", "A"},
                                                          {"support", "AS"},
                                                          {"documents", "DD"},
                                                          {"document", "D"},
                                                          {"folder", "AD"},
                                                          {"other", "X"}})
        Record(name, kind);
    AddGroup("Solvane II", "5:1:0:2:3:4:6:");
    List().SetExpanded(0, true);
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{{"Solvane II", "", "5:1:0:2:3:4:6:", "", true},
                                             {"folder", "AD", "5", "アプリ", true},
                                             {"package", "A", "1", "アプリ", true},
                                             {"pref", "P", "0", "初期設定", true},
                                             {"support", "AS", "2", "App. Support", true},
                                             {"documents", "DD", "3", "書類", true},
                                             {"document", "D", "4", "書類", true},
                                             {"other", "X", "6", "", true}}));
}

TEST_F(ItemList, CollapseAndExpandMakeTheChildrenAnewAllTicked) {
    Record("app", "AD");
    Record("pref", "P");
    AddGroup("Kelmo", "0:1:");
    List().SetExpanded(0, true);
    UserSetsCheck(2, false);
    List().SetExpanded(0, false);
    EXPECT_EQ(List().ListCount(), 1);
    List().SetExpanded(0, true);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, true, true}));
}

// Rows: Kelmo, its two children, a document, Brisko, its child, a document.
class TickSpreading : public ItemList {
protected:
    void SetUp() override {
        ItemList::SetUp();
        Record("kelmo", "AD");
        Record("kelmo pref", "P");
        Record("brisko", "AD");
        AddGroup("Kelmo", "0:1:");
        AddDocumentRow("plans");
        AddGroup("Brisko", "2:");
        AddDocumentRow("notes");
        List().SetExpanded(2, true);
        List().SetExpanded(0, true);
    }
};

TEST_F(TickSpreading, GroupRowTickReachesEveryRowUpToTheNextGroupRow) {
    UserSetsCheck(0, false);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, false, false, true, true, true}));
    UserSetsCheck(0, true);
    EXPECT_EQ(Ticks(), (std::vector<bool>(7, true)));
}

TEST_F(TickSpreading, LastGroupRowReachesTheEndOfTheList) {
    UserSetsCheck(4, false);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, true, true, true, false, false, false}));
}

TEST_F(TickSpreading, CollapsedGroupRowReachesTheDocumentsRightBelowIt) {
    List().SetExpanded(0, false);
    UserSetsCheck(0, false);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, true, true, true}));
}

TEST_F(TickSpreading, ItemRowTickChangesOnlyItself) {
    UserSetsCheck(1, false);
    UserSetsCheck(3, false);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, true, false, true, true, true}));
}

TEST_F(ItemList, EvenRowsAreTintedAcrossAllColumns) {
    const QColor tint(237, 243, 254);
    const int columnWidths[] = {240, 0, 0, 100};
    for (int row = 0; row < 4; ++row) {
        QImage image(340, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        int left = 0;
        for (int column = 0; column < 4; ++column) {
            Graphics g(painter, QRect(left, 0, columnWidths[column], 20));
            EXPECT_FALSE(window->Listbox1_CellBackgroundPaint(g, row, column));
            left += columnWidths[column];
        }
        painter.end();
        const QColor expected = row % 2 == 0 ? tint : QColor(Qt::white);
        for (int x : {0, 239, 240, 339})
            EXPECT_EQ(image.pixelColor(x, 10), expected) << "row " << row << " x " << x;
    }
}

// A screen reader hears what the window and its list are, the headings the
// user sees, no item codes or store indexes, and each row's tick.
TEST_F(ItemList, AScreenReaderHearsTheListAsTheUserSeesIt) {
    Record("app", "AD");
    AddGroup("Kelmo", "0:");
    List().SetExpanded(0, true);
    UserSetsCheck(1, false);

    EXPECT_EQ(AccessibleOf(*window).name, "取得したアイテムの一覧");
    EXPECT_EQ(window->Title(), String("Untitled"));
    EXPECT_EQ(AccessibleOf(*window->Listbox1).name, "取得したアイテム");
    EXPECT_EQ(AccessibleHeadings(*window->Listbox1),
              (std::vector<std::string>{"アイテム名", "種別"}));
    std::vector<std::vector<std::string>> heard;
    for (const auto& row : AccessibleCells(*window->Listbox1)) {
        std::vector<std::string> cells;
        for (const AccessibleFacts& cell : row)
            cells.push_back(cell.name + (cell.checkable ? cell.checked ? " ✓" : " ☐" : "") +
                            (cell.description.empty() ? "" : " " + cell.description));
        heard.push_back(cells);
    }
    EXPECT_EQ(heard, (std::vector<std::vector<std::string>>{{"Kelmo ✓ チェックあり", ""},
                                                            {"app ☐ チェックなし", "アプリ"}}));
}

TEST_F(ItemList, CloseBoxIsRefusedWhileTheWizardLives) {
    AddDocumentRow("notes");
    PressCloseBox(*window);
    EXPECT_FALSE(window->IsClosed());
    EXPECT_EQ(Window2::Instance(), window);
    EXPECT_EQ(List().ListCount(), 1);
    EXPECT_FALSE(window->CancelClose(true)) << "quitting decides for itself";

    wizard->Close();
    PressCloseBox(*window);
    EXPECT_TRUE(window->IsClosed());
}

TEST_F(ItemList, WithoutTheWizardOrItsRecordsExpandAddsNothing) {
    Record("app", "AD");
    AddGroup("Kelmo", "0:99:");
    List().SetExpanded(0, true);
    EXPECT_EQ(List().ListCount(), 2) << "only the record the store holds";
    List().SetExpanded(0, false);
    wizard->Close();
    wizard.reset();
    EXPECT_TRUE(RunEventLoopUntil([this] { return window->pWin1.expired(); }, 2000))
        << "the list does not keep the wizard alive";
    List().SetExpanded(0, true);
    EXPECT_EQ(List().ListCount(), 1);
}

} // namespace
