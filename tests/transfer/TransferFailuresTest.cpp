// The caution's explanation of a run that left items behind.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "transfer/TransferFailures.h"

namespace {

struct FailureCase {
    int count;
    std::string explanation;
};

void PrintTo(const FailureCase& value, std::ostream* out) {
    *out << value.count << " failures";
}

class FailureExplanation : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureExplanation, NamesTheFirstTenThenCountsTheRestThenGivesTheFirstReason) {
    TransferFailures failures;
    for (int i = 1; i <= GetParam().count; ++i)
        failures.Add(String("Item " + std::to_string(i)), String("reason " + std::to_string(i)));
    const std::string eol = EndOfLine().ToUTF8();
    std::string expected = GetParam().explanation;
    for (std::size_t at = expected.find('\n'); at != std::string::npos;
         at = expected.find('\n', at + eol.size()))
        expected.replace(at, 1, eol);
    EXPECT_EQ(failures.Explanation().ToUTF8(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, FailureExplanation,
    testing::Values(FailureCase{1, "Item 1\n\n原因：reason 1"},
                    FailureCase{10,
                                "Item 1\nItem 2\nItem 3\nItem 4\nItem 5\nItem 6\nItem 7\nItem 8\n"
                                "Item 9\nItem 10\n\n原因：reason 1"},
                    FailureCase{13,
                                "Item 1\nItem 2\nItem 3\nItem 4\nItem 5\nItem 6\nItem 7\nItem 8\n"
                                "Item 9\nItem 10\n他 3 件\n\n原因：reason 1"}));

} // namespace
