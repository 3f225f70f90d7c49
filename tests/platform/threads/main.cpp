// The tests run under a QCoreApplication, or under a QApplication when
// started with --widgets, as the program itself runs.
#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const bool widgets = std::any_of(argv + 1, argv + argc, [](const char* arg) {
        return std::string_view(arg) == "--widgets";
    });
    std::unique_ptr<QCoreApplication> app;
    if (widgets)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
