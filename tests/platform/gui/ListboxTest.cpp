#include "platform/gui/Listbox.h"
#include "platform/gui/ColumnWidths.h"
#include "platform/gui/Window.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/Thread.h"
#include "tests/support/ProcessorTime.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QImage>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const Color kTint = RGB(237, 243, 254);

class ListWindow : public Window {
public:
    Listbox* list = nullptr;

protected:
    void Layout() override { SetContentSize(360, 446); }
    void CreateControls() override { list = Add<Listbox>("Listbox1", 10, 25, 346, 395); }
};

class RunThread : public Thread {
public:
    explicit RunThread(std::function<void()> run) : run_(std::move(run)) {}

protected:
    void Event_Run() override { run_(); }

private:
    std::function<void()> run_;
};

void StartThread(std::function<void()> run) {
    std::make_shared<RunThread>(std::move(run))->Run();
}

// A list set up as the item list window sets up its own: hierarchical, four
// columns of which two hold data unseen, no heading.
class ListboxTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window_ = Window::New<ListWindow>();
        list = window_->list;
        list->SetHierarchical(true);
        list->SetColumnCount(4);
        list->SetColumnWidths("70%,0,0,*");
        list->SetHasHeading(false);
        list->SetTextSize(12);
    }
    QTreeView& View() const { return *static_cast<QTreeView*>(list->Widget()); }

    // A folder row whose expand adds `children` rows named "<name>/<i>".
    void AddGroup(const std::string& name, int children) {
        list->AddFolder(String(name));
        list->SetCellType(list->LastIndex(), 0, Listbox::TypeCheckbox);
        list->SetCellCheck(list->LastIndex(), 0, true);
        list->SetCell(list->LastIndex(), 2, String(std::to_string(children)));
    }

    // The expand handler: adds the children that the group's column 2 asks
    // for, logs each and runs afterChild after it.
    void FillGroupsOnExpand() {
        list->OnExpandRow = [this](int row) {
            expandedRows.push_back(row);
            const std::string group = list->List(row).ToUTF8();
            const int children = std::stoi(list->Cell(row, 2).ToUTF8());
            for (int i = 1; i <= children; ++i) {
                const std::string name = group + "/" + std::to_string(i);
                list->AddRow(String(name));
                list->SetCellType(list->LastIndex(), 0, Listbox::TypeCheckbox);
                list->SetCellCheck(list->LastIndex(), 0, true);
                list->SetCell(list->LastIndex(), 1, "D");
                added.push_back(name);
                if (const auto after = afterChild) // a copy: a test may replace it meanwhile
                    after(group, i);
            }
        };
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < list->ListCount(); ++i)
            rows.push_back(list->List(i).ToUTF8());
        return rows;
    }

    // The view's rows, walked as it shows them, with their names.
    std::vector<std::string> RowsShown() const {
        std::vector<std::string> rows;
        for (QModelIndex index = View().model()->index(0, 0); index.isValid();
             index = View().indexBelow(index))
            rows.push_back(index.data().toString().toStdString());
        return rows;
    }

    QModelIndex IndexShown(int row) const {
        QModelIndex index = View().model()->index(0, 0);
        for (int i = 0; i < row; ++i)
            index = View().indexBelow(index);
        return index;
    }

    void ClickDisclosure(int row) {
        const QRect cell = View().visualRect(IndexShown(row));
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                          QPoint(cell.left() - View().indentation() / 2, cell.center().y()));
    }

    void ClickCheckBox(int row) {
        QStyleOptionViewItem option;
        option.initFrom(&View());
        option.rect = View().visualRect(IndexShown(row));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            View().style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &View());
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, box.center());
    }

    static void WaitFor(const std::function<bool()>& done) { ASSERT_TRUE(RunEventLoopUntil(done)); }
    static void ProcessEvents() {
        RunEventLoopUntil([] { return false; }, 20);
    }

    std::shared_ptr<ListWindow> window_;
    Listbox* list = nullptr;
    std::vector<int> expandedRows;
    std::vector<std::string> added;
    std::function<void(const std::string& group, int child)> afterChild;
};

using Names = std::vector<std::string>;

TEST_F(ListboxTest, ExpandAddsChildrenBelowTheRowAndShiftsTheRowsBelow) {
    FillGroupsOnExpand();
    AddGroup("A", 1);
    AddGroup("B", 3);
    list->AddRow("doc");

    list->SetExpanded(1, true);

    EXPECT_EQ(Rows(), (Names{"A", "B", "B/1", "B/2", "B/3", "doc"}));
    EXPECT_EQ(RowsShown(), Rows());
    EXPECT_EQ(expandedRows, std::vector<int>{1});
    EXPECT_TRUE(list->Expanded(1));
    EXPECT_EQ(list->LastIndex(), 4);
    EXPECT_EQ(list->Cell(4, 1).ToUTF8(), "D");
    EXPECT_TRUE(list->CellCheck(4, 0));
    EXPECT_EQ(list->Cell(5, 0).ToUTF8(), "doc");
}

TEST_F(ListboxTest, ExpandingAgainOrExpandingALeafChangesNothing) {
    FillGroupsOnExpand();
    AddGroup("A", 2);
    list->AddRow("doc");
    list->SetExpanded(0, true);

    list->SetExpanded(0, true);
    list->SetExpanded(3, true);
    ProcessEvents();

    EXPECT_EQ(Rows(), (Names{"A", "A/1", "A/2", "doc"}));
    EXPECT_EQ(expandedRows, std::vector<int>{0});
    EXPECT_FALSE(list->Expanded(3));
}

TEST_F(ListboxTest, CollapseRemovesTheChildrenAndTheNextExpandMakesThemAnew) {
    FillGroupsOnExpand();
    AddGroup("A", 2);
    AddGroup("B", 1);
    list->SetExpanded(0, true);
    list->SetCellCheck(1, 0, false);

    list->SetExpanded(0, false);
    EXPECT_EQ(Rows(), (Names{"A", "B"}));
    EXPECT_EQ(RowsShown(), Rows());

    list->SetExpanded(0, true);
    EXPECT_EQ(Rows(), (Names{"A", "A/1", "A/2", "B"}));
    EXPECT_TRUE(list->CellCheck(1, 0));
    EXPECT_EQ(expandedRows, (std::vector<int>{0, 0}));
}

TEST_F(ListboxTest, ExpandingFromTheLastRowToTheFirstVisitsEveryRowOnce) {
    FillGroupsOnExpand();
    AddGroup("A", 2);
    list->AddRow("doc");
    AddGroup("B", 0);
    AddGroup("C", 3);

    for (int row = list->ListCount() - 1; row >= 0; --row)
        list->SetExpanded(row, true);

    EXPECT_EQ(expandedRows, (std::vector<int>{3, 2, 0}));
    EXPECT_EQ(Rows(), (Names{"A", "A/1", "A/2", "doc", "B", "C", "C/1", "C/2", "C/3"}));
    EXPECT_EQ(RowsShown(), Rows());
}

TEST_F(ListboxTest, RowsAddedInsideANestedExpandGoUnderTheirOwnRow) {
    list->OnExpandRow = [this](int row) {
        const std::string name = list->List(row).ToUTF8();
        if (name == "top") {
            list->AddFolder("inner");
            list->SetExpanded(list->LastIndex(), true);
            list->AddRow("top/after");
        } else {
            list->AddRow("inner/1");
        }
    };
    list->AddFolder("top");
    list->AddRow("end");

    list->SetExpanded(0, true);

    EXPECT_EQ(Rows(), (Names{"top", "inner", "inner/1", "top/after", "end"}));
    EXPECT_EQ(RowsShown(), Rows());
    list->SetExpanded(0, false);
    EXPECT_EQ(Rows(), (Names{"top", "end"}));
}

TEST_F(ListboxTest, RowsAddedAfterAnExpandStayAtTheTopLevel) {
    FillGroupsOnExpand();
    AddGroup("A", 1);
    list->SetExpanded(0, true);

    list->AddRow("doc");
    EXPECT_EQ(list->LastIndex(), 2);
    list->SetExpanded(0, false);

    EXPECT_EQ(Rows(), (Names{"A", "doc"}));
    EXPECT_EQ(list->LastIndex(), 1);
}

TEST_F(ListboxTest, TheUsersDisclosureClickExpandsAndCollapsesLikeCode) {
    FillGroupsOnExpand();
    AddGroup("A", 2);
    AddGroup("B", 1);

    ClickDisclosure(1);
    WaitFor([this] { return list->ListCount() == 3; });
    EXPECT_EQ(Rows(), (Names{"A", "B", "B/1"}));
    EXPECT_TRUE(list->Expanded(1));

    ClickDisclosure(1);
    WaitFor([this] { return list->ListCount() == 2; });
    EXPECT_FALSE(list->Expanded(1));
    ProcessEvents();
    EXPECT_EQ(expandedRows, std::vector<int>{1});
}

TEST_F(ListboxTest, TheUsersCheckBoxClickRaisesCellActionAndCodeDoesNot) {
    std::vector<std::pair<int, bool>> actions;
    list->OnCellAction = [&](int row, int column) {
        EXPECT_EQ(column, 0);
        actions.emplace_back(row, list->CellCheck(row, 0));
    };
    for (const char* name : {"one", "two"}) {
        list->AddRow(name);
        list->SetCellType(list->LastIndex(), 0, Listbox::TypeCheckbox);
        list->SetCellCheck(list->LastIndex(), 0, true);
    }
    ProcessEvents();
    EXPECT_TRUE(actions.empty());

    ClickCheckBox(1);
    WaitFor([&] { return !actions.empty(); });
    EXPECT_EQ(actions, (std::vector<std::pair<int, bool>>{{1, false}}));
    EXPECT_TRUE(list->CellCheck(0, 0));

    list->SetListIndex(0);
    View().setFocus();
    QTest::keyClick(View().viewport(), Qt::Key_Space);
    WaitFor([&] { return actions.size() == 2; });
    EXPECT_EQ(actions[1], std::make_pair(0, false));
}

TEST_F(ListboxTest, CheckBoxesAreShownOnlyInCheckBoxCells) {
    list->AddRow("plain");
    list->SetCellCheck(0, 0, true);
    list->AddRow("ticked");
    list->SetCellType(1, 0, Listbox::TypeCheckbox);
    list->SetCellCheck(1, 0, true);

    const QAbstractItemModel& model = *View().model();
    EXPECT_FALSE(model.index(0, 0).data(Qt::CheckStateRole).isValid());
    EXPECT_TRUE(list->CellCheck(0, 0));
    EXPECT_EQ(model.index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model.index(1, 0).data().toString(), "ticked");
    EXPECT_EQ(list->CellType(1, 0), Listbox::TypeCheckbox);
}

TEST_F(ListboxTest, CellBackgroundPaintReachesEveryShownCellAndItsFillIsSeen) {
    std::set<std::pair<int, int>> painted;
    list->OnCellBackgroundPaint = [&](Graphics& g, int row, int column) {
        painted.emplace(row, column);
        if (row % 2 == 0) {
            g.SetForeColor(kTint);
            g.FillRect(0, 0, list->Width(), list->Height());
        }
        return false;
    };
    for (const char* name : {"a", "b", "c"})
        list->AddRow(name);

    const QImage shot = View().grab().toImage();

    std::set<std::pair<int, int>> expected;
    for (int row = 0; row < 3; ++row)
        for (int column : {0, 3})
            expected.emplace(row, column);
    EXPECT_EQ(painted, expected);

    const QColor tint(kTint.red, kTint.green, kTint.blue);
    for (int row = 0; row < 3; ++row) {
        const QRect rect = View().visualRect(IndexShown(row));
        // The view holds the shown columns only: column 3 is its second.
        for (const auto& [column, place] : {std::pair{0, 0}, std::pair{3, 1}}) {
            const int right = View().header()->sectionViewportPosition(place) +
                              View().header()->sectionSize(place) - 3;
            const QPoint inCell =
                View().viewport()->mapTo(&View(), QPoint(right, rect.center().y()));
            EXPECT_EQ(shot.pixelColor(inCell) == tint, row % 2 == 0)
                << "row " << row << " column " << column;
        }
    }
}

TEST_F(ListboxTest, ZeroWidthColumnsAreHiddenAndTheRestSharesTheWidth) {
    list->AddRow("row");
    list->SetCell(0, 1, "AD");
    list->SetCell(0, 3, "アプリ");
    const int width = View().viewport()->width();
    // The view is given the shown columns, 0 and 3, only.
    ASSERT_EQ(View().model()->columnCount(), 2);
    EXPECT_EQ(View().model()->index(0, 1).data().toString(), "アプリ");
    EXPECT_EQ(list->Cell(0, 1), "AD");
    EXPECT_EQ(View().columnWidth(0), width * 70 / 100);
    EXPECT_EQ(View().columnWidth(0) + View().columnWidth(1), width);

    View().resize(View().width() + 100, View().height());
    EXPECT_EQ(View().columnWidth(0), View().viewport()->width() * 70 / 100);
}

TEST_F(ListboxTest, OutOfRangeRowsAndColumnsReadEmptyAndIgnoreWrites) {
    FillGroupsOnExpand();
    AddGroup("A", 1);
    const std::vector<std::pair<int, int>> outside{{-1, 0}, {1, 0}, {99, 0}, {0, -1}, {0, 4}};
    for (const auto& [row, column] : outside) {
        SCOPED_TRACE(testing::Message() << "cell " << row << ", " << column);
        list->SetCell(row, column, "x");
        list->SetCellCheck(row, column, true);
        list->SetCellType(row, column, Listbox::TypeCheckbox);
        EXPECT_TRUE(list->Cell(row, column).IsEmpty());
        EXPECT_FALSE(list->CellCheck(row, column));
        EXPECT_EQ(list->CellType(row, column), 0);
    }
    for (int row : {-1, 1, 99}) {
        list->SetExpanded(row, true);
        list->SetListIndex(row);
        EXPECT_FALSE(list->Expanded(row));
        EXPECT_TRUE(list->List(row).IsEmpty());
    }
    EXPECT_TRUE(expandedRows.empty());
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(Rows(), Names{"A"});
    EXPECT_EQ(list->Cell(0, 3).ToUTF8(), "");

    list->DeleteAllRows();
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(list->ListCount(), 0);
}

TEST_F(ListboxTest, SelectionFollowsItsRowAndRaisesChangeOnlyWhenItChanges) {
    int changes = 0;
    list->OnChange = [&] { ++changes; };
    FillGroupsOnExpand();
    AddGroup("A", 2);
    list->AddRow("doc");

    list->SetListIndex(1);
    list->SetListIndex(1);
    EXPECT_EQ(changes, 1);

    list->SetExpanded(0, true);
    EXPECT_EQ(list->ListIndex(), 3);
    list->SetListIndex(2);
    EXPECT_EQ(changes, 2);

    list->SetExpanded(0, false);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(changes, 3);

    const QRect row = View().visualRect(IndexShown(1));
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, row.center());
    WaitFor([&] { return changes == 4; });
    EXPECT_EQ(list->ListIndex(), 1);
    ProcessEvents();
    EXPECT_EQ(changes, 4);
}

// A screen reader reads the shown columns only, under the headings that the
// list was given, and hears each check box's tick, ticked or not.
TEST_F(ListboxTest, ScreenReadersGetTheShownColumnsTheirHeadingsAndEachTick) {
    list->SetAccessibleName("取得したアイテム");
    list->SetHeading(0, "アイテム名");
    list->SetHeading(3, "種別");
    FillGroupsOnExpand();
    AddGroup("Kelmo", 1);
    list->SetExpanded(0, true);
    list->SetCell(1, 3, "アプリ");
    list->SetCellCheck(1, 0, false);

    EXPECT_EQ(AccessibleOf(*list).name, "取得したアイテム");
    EXPECT_EQ(AccessibleHeadings(*list), (Names{"アイテム名", "種別"}));
    const auto cells = AccessibleCells(*list);
    ASSERT_EQ(cells.size(), 2u);
    struct Cell {
        std::string name;
        bool checkable, checked;
        std::string description;
    };
    const Cell expected[2][2] = {
        {{"Kelmo", true, true, "チェックあり"}, {"", false, false, ""}},
        {{"Kelmo/1", true, false, "チェックなし"}, {"アプリ", false, false, ""}}};
    for (int row = 0; row < 2; ++row) {
        ASSERT_EQ(cells[row].size(), 2u) << "row " << row;
        for (int column = 0; column < 2; ++column) {
            const AccessibleFacts& seen = cells[row][column];
            const Cell& cell = expected[row][column];
            EXPECT_EQ(seen.name, cell.name) << row << "," << column;
            EXPECT_EQ(seen.checkable, cell.checkable) << row << "," << column;
            EXPECT_EQ(seen.checked, cell.checked) << row << "," << column;
            EXPECT_EQ(seen.description, cell.description) << row << "," << column;
        }
    }
}

// The row that the keys move to is the selected row, also the row that had
// the focus already: what looks chosen is chosen.
TEST_F(ListboxTest, TheRowTheKeysMoveToIsSelected) {
    struct KeyCase {
        int rows;
        Key key;
        int selected;
    };
    for (const KeyCase& c : {KeyCase{1, Key::Down, 0}, KeyCase{1, Key::Up, 0},
                             KeyCase{3, Key::Down, 1}, KeyCase{3, Key::End, 2}}) {
        list->DeleteAllRows();
        for (int row = 0; row < c.rows; ++row)
            list->AddRow(String("user" + std::to_string(row)));
        ProcessEvents();
        int changes = 0;
        list->OnChange = [&] { ++changes; };
        FocusOn(*list);
        EXPECT_EQ(list->ListIndex(), -1) << "the focus alone chooses nothing";

        PressKey(*list, c.key);
        WaitFor([&] { return changes == 1; });

        EXPECT_EQ(list->ListIndex(), c.selected)
            << c.rows << " rows, key " << static_cast<int>(c.key);
        EXPECT_TRUE(AccessibleCells(*list)[c.selected][0].selected);
        list->OnChange = nullptr;
        list->SetListIndex(-1);
        list->Widget()->clearFocus();
    }
}

TEST_F(ListboxTest, AddingAndWalkingThousandsOfRowsIsFast) {
    FillGroupsOnExpand();
    const double startMs = ThreadProcessorMs();
    for (int i = 0; i < 1000; ++i)
        AddGroup(std::string("G").append(std::to_string(i)), 4);
    for (int row = list->ListCount() - 1; row >= 0; --row)
        list->SetExpanded(row, true);
    ASSERT_EQ(list->ListCount(), 5000);

    int ticked = 0;
    for (int row = 0; row < list->ListCount(); ++row)
        if (list->CellCheck(row, 0) && !list->Cell(row, 1).IsEmpty())
            ++ticked;
    ProcessEvents();
    EXPECT_EQ(ticked, 4000);
    EXPECT_LT(ThreadProcessorMs() - startMs, 1000);
}

TEST_F(ListboxTest, RowsFromAnotherThreadDuringAYieldingExpandStayAtTheTopLevel) {
    FillGroupsOnExpand();
    afterChild = [](const std::string&, int) { coop::YieldToNextThread(); };
    AddGroup("A", 3);
    AddGroup("B", 0);
    bool expanded = false;
    bool lateAdded = false;
    StartThread([&] {
        list->SetExpanded(0, true);
        expanded = true;
    });
    StartThread([&] {
        for (int i = 0; i < 4; ++i) {
            list->AddRow(String("late" + std::to_string(i)));
            coop::YieldToNextThread();
        }
        lateAdded = true;
    });

    WaitFor([&] { return expanded && lateAdded; });

    EXPECT_EQ(Rows(), (Names{"A", "A/1", "A/2", "A/3", "B", "late0", "late1", "late2", "late3"}));
    EXPECT_EQ(RowsShown(), Rows());
}

// A thread's expand that stops after its first child until `resume` is set.
class PausedExpandTest : public ListboxTest {
protected:
    void SetUp() override {
        ListboxTest::SetUp();
        FillGroupsOnExpand();
        afterChild = [this](const std::string& group, int child) {
            if (group == pausedGroup && child == 1) {
                paused = true;
                coop::WaitUntil([this] { return resume; });
            }
        };
    }

    void ExpandOnAThread(int row) {
        paused = resume = expanded = false;
        StartThread([this, row] {
            list->SetExpanded(row, true);
            expanded = true;
        });
        WaitFor([this] { return paused; });
    }

    void FinishExpand() {
        resume = true;
        WaitFor([this] { return expanded; });
    }

    std::string pausedGroup = "A";
    bool paused = false;
    bool resume = false;
    bool expanded = false;
};

TEST_F(PausedExpandTest, ACollapseDropsTheRestOfTheThreadsRows) {
    AddGroup("A", 3);
    ExpandOnAThread(0);
    EXPECT_EQ(Rows(), (Names{"A", "A/1"}));

    list->SetExpanded(0, false);
    FinishExpand();

    EXPECT_EQ(Rows(), Names{"A"});
    EXPECT_EQ(list->LastIndex(), -1);
}

TEST_F(PausedExpandTest, DeletingAllRowsDropsTheRestOfTheThreadsRows) {
    AddGroup("A", 3);
    ExpandOnAThread(0);

    list->DeleteAllRows();
    list->AddRow("new scan");
    FinishExpand();

    EXPECT_EQ(Rows(), Names{"new scan"});
    EXPECT_TRUE(list->Cell(0, 1).IsEmpty());
}

TEST_F(PausedExpandTest, TheUsersExpandMeanwhileKeepsEachRowsChildren) {
    AddGroup("A", 3);
    AddGroup("B", 2);
    pausedGroup = "B";
    ExpandOnAThread(1);
    const auto pausedAfterChild = afterChild;
    afterChild = [&](const std::string& group, int child) {
        pausedAfterChild(group, child);
        if (group == "A") {
            resume = true;
            coop::YieldToNextThread();
        }
    };

    list->SetExpanded(0, true); // on the event loop's stack, as after a click
    WaitFor([this] { return expanded; });

    EXPECT_EQ(added, (Names{"B/1", "A/1", "B/2", "A/2", "A/3"}));
    EXPECT_EQ(Rows(), (Names{"A", "A/1", "A/2", "A/3", "B", "B/1", "B/2"}));
    EXPECT_EQ(RowsShown(), Rows());
}

struct WidthCase {
    const char* name;
    const char* widthsText;
    int columns;
    int width;
    std::vector<int> expected;
};

void PrintTo(const WidthCase& value, std::ostream* out) {
    *out << value.name;
}

class ColumnWidthsTest : public testing::TestWithParam<WidthCase> {};

TEST_P(ColumnWidthsTest, SplitsTheListWidth) {
    const WidthCase& c = GetParam();
    EXPECT_EQ(ColumnWidthsFor(c.widthsText, c.columns, c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ColumnWidths, ColumnWidthsTest,
    testing::Values(WidthCase{"PercentHiddenAndRest", "70%,0,0,*", 4, 344, {240, 0, 0, 104}},
                    WidthCase{"Pixels", "100, 50", 2, 300, {100, 50}},
                    WidthCase{"MissingEntriesShareTheRest", "100", 3, 301, {100, 100, 101}},
                    WidthCase{"EmptySpecSharesEqually", "", 2, 200, {100, 100}},
                    WidthCase{"TooWideLeavesNothingForTheRest", "80%,50%,*", 3, 100, {80, 50, 0}},
                    WidthCase{"ExtraEntriesIgnored", "10,20,30", 2, 100, {10, 20}},
                    WidthCase{"NotANumberSharesTheRest", "abc,40", 2, 100, {60, 40}}),
    [](const testing::TestParamInfo<WidthCase>& info) { return info.param.name; });

} // namespace

TEST_F(ListboxTest, RowsAddedInABurstAreAllDrawnOnceTheBurstIsOver) {
    std::set<int> painted;
    list->OnCellBackgroundPaint = [&](Graphics&, int row, int) {
        painted.insert(row);
        return false;
    };
    window_->Show();
    list->AddRow("first");
    WaitFor([&] { return painted.count(0) == 1; });
    for (const char* name : {"a", "b", "c"})
        list->AddRow(name);
    // Drawing may be held back for a moment, never left off.
    WaitFor([&] { return painted.count(3) == 1 && View().updatesEnabled(); });
}
