#include "transfer/TransferWalk.h"

#include "gather/Window2.h"
#include "platform/threads/Cooperative.h"
#include "wizard/Window1.h"

bool TransferWalk(Window1& wizard, const std::function<bool(const WalkRow& row)>& handle) {
    const auto itemList = Window2::Instance();
    const int n = itemList->RowCount();
    for (int r = 0; r < n; ++r) {
        const Window2::ItemRow row = itemList->Row(r);
        if (row.ticked && row.kind != "") {
            const double index = Val(row.index);
            // Every index comes from the store; a row naming none takes no part.
            if (index >= 0 && index < static_cast<double>(wizard.pFI.size())) {
                const auto i = static_cast<std::size_t>(index);
                if (!wizard.pFI[i].used) {
                    if (handle(WalkRow{i, wizard.pFI[i], row.kind, row.name}))
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
