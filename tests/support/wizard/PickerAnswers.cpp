#include "tests/support/wizard/PickerAnswers.h"

#include "platform/gui/ModalScript.h"
#include "wizard/Window3.h"

void AnswerPickerWith(int volumeRow, const std::string& user) {
    ModalScript::Push([volumeRow, user](Modal& modal) {
        auto& picker = *static_cast<Window3*>(modal.window);
        picker.Listbox1->SetListIndex(volumeRow);
        for (int row = 0; row < picker.Listbox2->ListCount(); ++row)
            if (picker.Listbox2->List(row) == String(user))
                picker.Listbox2->SetListIndex(row);
        picker.PushButton2->Push();
    });
}
