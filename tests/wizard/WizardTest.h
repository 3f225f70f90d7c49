#pragma once
// Fixture of the wizard tests: a device folder of the test's own holds the
// running program, alerts beep not, and modals are answered by script.

#include <memory>
#include <string>

#include "common/Globals.h"
#include "platform/gui/ModalScript.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/ScopedProgramFolder.h"
#include "tests/support/gui/GuiTest.h"
#include "wizard/Window1.h"

// The wizard's run state that only its own buttons set.
struct Window1TestAccess {
    static void StartRun(Window1& wizard) { wizard.pStartCP = true; }
    static std::int32_t VolNo(const Window1& wizard) { return wizard.pVolNo; }
    static const String& User(const Window1& wizard) { return wizard.pUser; }
};

class WizardTest : public GuiTest {
protected:
    static constexpr const char* kBundle = "DRAVO Migration Assistant.app";

    void SetUp() override {
        GuiTest::SetUp();
        Globals::gBeep = false;
    }

    // The assistant as the build makes it, in the device folder.
    void InstallAssistant(const std::string& bundle = kBundle) {
        device.AppBundle(bundle, "APPLqWts", "contents");
    }

    std::string MarkerOf(const std::string& bundle) const {
        return bundle + "/contents/Resources/CopyDone";
    }
    bool HasMarker(const std::string& bundle = kBundle) const {
        return device.Item(MarkerOf(bundle)).Exists();
    }
    void PutMarker(const std::string& bundle = kBundle) { device.File(MarkerOf(bundle)); }

    // Answers the next alert with its button of that role, keeping what it said.
    void AnswerAlert(void (Modal::*press)()) {
        ModalScript::Push([this, press](Modal& alert) {
            alertMessage = alert.message;
            alertExplanation = alert.explanation;
            alertCancelCaption = alert.cancelButton.caption;
            alertActionCaption = alert.actionButton.caption;
            (alert.*press)();
        });
    }

    FakeMacDisk device{"Device"};
    ScopedProgramFolder programFolder{device.Path()};
    std::string alertMessage;
    std::string alertExplanation;
    std::string alertCancelCaption;
    std::string alertActionCaption;
};
