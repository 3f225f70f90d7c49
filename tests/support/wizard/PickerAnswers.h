#pragma once
// Answers for the old-machine disk and user picker, as a user gives them.

#include <string>

// The picker's next showing chooses the volume of that row and the user of
// that name, then presses Execute.
void AnswerPickerWith(int volumeRow, const std::string& user);
