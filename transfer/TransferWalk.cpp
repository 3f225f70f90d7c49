#include "transfer/TransferWalk.h"

#include "gather/Window2.h"
#include "platform/threads/Cooperative.h"
#include "wizard/Window1.h"

bool TransferWalk(Window1& wizard, const std::function<bool(const WalkRow& row)>& handle) {
    const auto itemList = Window2::Instance();
    const Listbox& list = *itemList->Listbox1;
    const int n = list.ListCount();
    for (int row = 0; row < n; ++row) {
        if (list.CellCheck(row, 0) && list.Cell(row, 1) != "") {
            const double index = Val(list.Cell(row, 2));
            // Every index comes from the store; a row naming none takes no part.
            if (index >= 0 && index < static_cast<double>(wizard.pFI.size())) {
                const auto i = static_cast<std::size_t>(index);
                if (!wizard.pFI[i].used) {
                    if (handle(WalkRow{i, wizard.pFI[i], list.Cell(row, 1), list.Cell(row, 0)}))
                        return true;
                    wizard.pFI[i].used = true;
                }
            }
        }
        coop::YieldToNextThread();
    }
    return false;
}

void ClearUsedMarks(Window1& wizard) {
    for (std::size_t i = 0; i < wizard.pFI.size(); ++i) {
        wizard.pFI[i].used = false;
        coop::YieldToNextThread();
    }
}
