// The decoder runs on the gathering thread and must give the other threads
// their turn exactly where it yields: once per key character, before every
// comparison with an alphabet character, and once after every pair.
#include <gtest/gtest.h>

#include <memory>

#include "gather/Enigma.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/Thread.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/PassCounter.h"

class EnigmaYields : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        counter_ = std::make_shared<PassCounter>();
        counter_->Run();
        ASSERT_TRUE(RunEventLoopUntil([this] { return counter_->passes > 0; }));
    }
    void TearDown() override {
        counter_->stop = true;
        EXPECT_TRUE(RunEventLoopUntil([this] { return counter_->ended; }));
        GuiTest::TearDown();
    }

    int YieldsOf(const char* text, const char* key = "3y") {
        const int before = counter_->passes;
        Enigma::Decode(String::FromBytes(text), String::FromBytes(key));
        return counter_->passes - before;
    }

private:
    std::shared_ptr<PassCounter> counter_;
};

TEST_F(EnigmaYields, OncePerKeyCharacterForAnEmptyValue) {
    EXPECT_EQ(YieldsOf(""), 2);
    EXPECT_EQ(YieldsOf("", "DRAVO"), 5);
    EXPECT_EQ(YieldsOf("", ""), 0);
}

TEST_F(EnigmaYields, OncePerCharacterTriedAndOncePerPair) {
    // "Q" and "W" are found at the first and second try.
    EXPECT_EQ(YieldsOf("QW"), 2 + (1 + 2 + 1));
    // "0" is the last of 62 characters.
    EXPECT_EQ(YieldsOf("00QQ"), 2 + (62 + 62 + 1) + (1 + 1 + 1));
}

TEST_F(EnigmaYields, UnknownOrMissingBytesAreTriedAgainstTheWholeAlphabet) {
    EXPECT_EQ(YieldsOf("!Q"), 2 + (62 + 1 + 1));
    EXPECT_EQ(YieldsOf("Q"), 2 + (1 + 62 + 1));
}
