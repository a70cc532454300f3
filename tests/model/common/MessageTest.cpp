#include "model/common/Message.h"
#include "model/common/NumberEntry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct FillCase {
    const char* pattern;
    std::vector<std::string> values;
    const char* text;
};

// One pass from left to right: a value is never read as a pattern, only %1 to %9 are places, and
// a place without its value stays as written.
TEST(Message, FillInPutsEachValueInItsPlace)
{
    const FillCase cases[] = {
        {"%1 and %2", {"a", "b"}, "a and b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%1", {"x"}, "xx"},
        {"%1 is kept", {"%2", "no"}, "%2 is kept"},
        {"%3 is missing", {"a", "b"}, "%3 is missing"},
        {"%10 is %1 then 0", {"a"}, "a0 is a then 0"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
        {"%0 %a %%1 100%", {"x"}, "%0 %a %x 100%"},
        {"", {"a"}, ""},
        {"no places", {}, "no places"},
        {"%1", {""}, ""},
    };
    for (const FillCase& c : cases)
        EXPECT_EQ(decay::fillIn(c.pattern, c.values), c.text) << '"' << c.pattern << '"';
}

// Numbers as C writes them: whole ones in full below 10^15, others to 15 significant digits.
TEST(Message, TextWritesNumbersPlainly)
{
    const std::pair<decay::MessageValue, const char*> cases[] = {
        {0, "0"}, {1000000, "1000000"}, {-32768, "-32768"}, {999999999999999.0, "999999999999999"},
        {1e15, "1e+15"}, {1e30, "1e+30"}, {0.1, "0.1"}, {-2.5, "-2.5"}, {1.0 / 3, "0.333333333333333"},
        {1e-9, "1e-09"}, {"U-238", "U-238"}, {std::string("%1"), "%1"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(value.plain(), text);
    EXPECT_EQ((decay::Message{"From %1 to %2 in %3.", {0.001, 1e6, "grams"}}.text()), "From 0.001 to 1000000 in grams.");
    EXPECT_TRUE(decay::Message{}.empty());
}

struct EntryCase {
    const char* text;
    const char* point;
    std::optional<double> value; // none: refused with the range's message
};

// Both limits belong to the range; the user's decimal point and the program's own are read; what
// is no finite number, or lies outside, is refused with the very limits of the check.
TEST(NumberEntry, ReadsANumberWithinItsRange)
{
    const EntryCase cases[] = {
        {"5", ".", 5}, {"1", ".", 1}, {"10", ".", 10}, {" 7 ", ".", 7}, {"1e1", ".", 10}, {"2,5", ",", 2.5},
        {"2.5", ",", 2.5}, {"0.999999", ".", std::nullopt}, {"10.000001", ".", std::nullopt}, {"2,5", ".", std::nullopt},
        {"", ".", std::nullopt}, {"abc", ".", std::nullopt}, {"5 s", ".", std::nullopt}, {"nan", ".", std::nullopt},
        {"inf", ".", std::nullopt}, {"1e400", ".", std::nullopt}, {"-5", ".", std::nullopt}};
    for (const EntryCase& c : cases) {
        const decay::NumberEntry entry = decay::readNumberIn(c.text, c.point, 1, 10, "The time must be from %1 to %2 s.");
        EXPECT_EQ(entry.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(entry.error.text(), c.value ? "" : "The time must be from 1 to 10 s.") << '"' << c.text << '"';
    }
    EXPECT_EQ(decay::readNumberIn("0", ".", 0, 0, "%1 to %2").value, 0); // a range of one value
    EXPECT_EQ(decay::readNumberIn("2e-9", ".", 1e-9, 1e20, "From %1 to %2.").value, 2e-9);
    EXPECT_EQ(decay::readNumberIn("2e20", ".", 1e-9, 1e20, "From %1 to %2.").error.text(), "From 1e-09 to 1e+20.");
}

} // namespace
