#include "platform/work/FileWork.h"

#include "platform/files/Scratch.h"
#include "platform/files/TreeCopy.h"
#include "platform/work/BackgroundWork.h"
#include "platform/work/SafeReplace.h"

#include <memory>
#include <optional>
#include <string>

namespace work {

namespace {

// Where a job leaves its outcome; shared, as the job may outlive a caller
// that quits. RunInBackground returns only once the job has left it.
using JobOutcome = std::shared_ptr<std::optional<Outcome>>;

} // namespace

Outcome CopyFileTo(const FolderItem& item, const FolderItem& folder, files::SourceLink sourceLink,
                   const std::function<bool()>& stopRequested) {
    // Plain paths go to the worker, never the handles the GUI thread uses.
    const std::string source = item.PosixPath();
    const std::string destination = folder.PosixPath();
    const JobOutcome outcome = std::make_shared<std::optional<Outcome>>();
    RunInBackground(
        [outcome, source, destination, sourceLink](const files::StopRequest& stop) {
            std::string error;
            std::string leftOut;
            const bool copied =
                files::CopyIntoFolder(source, destination, sourceLink, error, leftOut, &stop);
            // Something left out makes the copy incomplete.
            *outcome = copied ? CopyOutcome(leftOut.empty(), leftOut) : CopyOutcome(false, error);
        },
        stopRequested);
    return outcome->value();
}

Outcome ReplaceWithCopy(const FolderItem& existing, const FolderItem& item,
                        files::SourceLink sourceLink, const std::function<bool()>& stopRequested) {
    const std::string target = existing.PosixPath();
    const std::string source = item.PosixPath();
    const JobOutcome outcome = std::make_shared<std::optional<Outcome>>();
    RunInBackground(
        [outcome, target, source, sourceLink](const files::StopRequest& stop) {
            *outcome = ReplaceWithCopyOf(target, source, sourceLink, &stop);
        },
        stopRequested);
    return outcome->value();
}

void ClearStaleScratch(const FolderItem& folder) {
    const std::string path = folder.PosixPath();
    RunInBackground([path](const files::StopRequest&) { files::ClearStaleScratch(path); });
}

} // namespace work
