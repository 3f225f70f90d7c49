// Any bytes, read as the transfer folder's mark, give a machine and names that
// the mark's bytes hold, or a failure with its reason and nothing recorded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/ItemKinds.h"
#include "fuzz/InputFolder.h"
#include "transfer/TransferRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFolder input("transfer_mark_fuzzer");
    const FolderItem transferFolder = input.Holding(data, size, "temp/.dravo-transfer", "temp");

    TransferRecord record;
    const Outcome outcome = record.Read(transferFolder);
    const bool read = outcome.Succeeded();
    // A failure always says why.
    if (read == outcome.Failed() || (outcome.Failed() && outcome.Reason() == ""))
        std::abort();
    // Unescaping never lengthens a name.
    std::size_t bytes = 0;
    for (const ItemKind* kind : TransferSubFolders())
        for (const String& name : record.NamesIn(kind->subFolder))
            bytes += name.Bytes().size();
    if ((!read && bytes > 0) || bytes > size)
        std::abort();
    if (RecordedMachine(transferFolder).Bytes().size() > size)
        std::abort();
    return 0;
}
