#include "wizard/QuitQuestion.h"

QuitQuestion UnfinishedRunQuestion(UnfinishedRun run, RunSide side) {
    const bool copySide = side == RunSide::Copy;
    if (run == UnfinishedRun::Stopped && copySide)
        return {"処理を中止したままで終了すると、ペーストができません。それでも終了しますか？",
                "ペースト処理したい場合は、終了しないで戻り、コピー処理を継続してください。"};
    if (run == UnfinishedRun::Stopped)
        return {
            "処理を中止したままで終了すると、ペーストが不完全で終わります。"
            "それでも終了しますか？",
            "ペースト処理を完了したい場合は、終了しないで戻り、ペースト処理を継続してください。"};
    if (run == UnfinishedRun::Running)
        return {"処理中に終了すると、処理が不完全で終わります。それでも終了しますか？",
                "処理の終了を待つ場合は、終了しないで戻ってください。"};
    if (copySide)
        return {
            "コピーが完了していないまま終了すると、ペーストができません。それでも終了しますか？",
            "ペースト処理したい場合は、終了しないで戻り、"
            "原因を取り除いてからコピーし直してください。"};
    return {"ペーストが完了していないまま終了すると、ペーストが不完全で終わります。"
            "それでも終了しますか？",
            "ペースト処理を完了したい場合は、終了しないで戻り、"
            "原因を取り除いてからペーストし直してください。"};
}
