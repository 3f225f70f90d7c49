#pragma once
// The transfer walk over the item list, shared by the count, the copy into
// the transfer folder and the network copy. The row count is read once, at
// the start. A row takes part when its check box is ticked and its kind
// column is not empty (so never a GroupRow), and names its record of the
// wizard's item store by the index in column 2. A record already marked
// "used" is passed over; any other is handed to the handler and then marked,
// so an item listed on several rows is handled once per walk. The thread
// yields after every row.

#include <cstddef>
#include <functional>

#include "common/TransferItem.h"
#include "platform/text/String.h"

class Window1;

struct WalkRow {
    std::size_t index = 0; // of the record in the store
    TransferItem record;   // a copy: the store may grow while the handler yields
    String kind;           // the row's kind column
    String name;           // the row's name column, as the user saw it
};

// handle answers True to end the walk at once (a stop); that row's record
// then stays unmarked. The walk answers whether it was ended so.
bool TransferWalk(Window1& wizard, const std::function<bool(const WalkRow& row)>& handle);

// Clears the "used" mark of every record, yielding after each.
void ClearUsedMarks(Window1& wizard);
