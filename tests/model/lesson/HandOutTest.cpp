#include "model/lesson/HandIn.h"
#include "model/lesson/HandOut.h"
#include "model/lesson/LessonControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace decay;
using namespace std::string_view_literals;

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// Streams made by zlib 1.2 (Python's zlib.compressobj, raw DEFLATE): fixed codes at level 9 for a
// short text, a dynamic Huffman block for a longer one, a stored block at level 0.
TEST(HandOut, InflatesWhatZlibDeflates)
{
    const std::string fixed = "{\"atomdrift\":1,\"title\":{\"en\":\"Radon in a room, radon in a room, radon in a room\"},\"steps\":[1,2,3,1,2,3,1,2,3]}";
    const std::string_view fixedStream =
        "\xab\x56\x4a\x2c\xc9\xcf\x4d\x29\xca\x4c\x2b\x51\xb2\x32\xd4\x51\x2a\xc9\x2c\xc9\x49\x55\xb2\xaa\x56\x4a\xcd\x53\xb2\x52\x0a\x4a"
        "\x4c\xc9\xcf\x53\xc8\xcc\x53\x48\x54\x28\xca\xcf\xcf\xd5\x51\x28\x22\x20\xa0\x54\xab\xa3\x54\x5c\x92\x5a\x50\xac\x64\x15\x6d\xa8"
        "\x63\xa4\x63\xac\x83\x44\xc6\xd6\x02\x00"sv;
    EXPECT_EQ(inflateRaw(bytesOf(fixedStream), 1000), fixed);

    std::string dynamic;
    for (int i = 0; i < 6; ++i)
        dynamic += "the half-life of radon two hundred twenty two is three point eight days; count the atoms left after each step and compare ";
    for (char c = 32; c < 127; ++c) dynamic += c;
    const std::string_view dynamicStream =
        "\xed\x8d\xd7\x52\x02\x41\x10\x45\x7f\xa5\xcd\xa0\x62\x40\x8c\xa8\x60\x00\x73\xce\x11\x9a\x9d\x1e\x66\x60\x77\x66\x9d\xe9\x15\xd7"
        "\xf4\xed\x6e\xf1\x0f\xbe\xf1\x76\xeb\xd4\xa9\x7b\x58\x11\x28\x0c\x65\x21\xd4\x92\xc0\x4a\x70\x28\xac\x01\xee\x59\x50\x89\x11\x8e"
        "\x44\xb6\xc9\x70\xda\x47\xda\x03\x2b\x47\x04\xb1\xd5\x86\x81\x74\x5b\x31\x08\x4c\x7d\x19\x02\x9b\x64\x84\xb3\x3b\x64\x1b\x79\x08"
        "\x49\x32\xa0\x64\x72\x40\x18\x28\xf0\x4c\x31\xa0\x11\x99\x18\xc5\xe8\xa8\xaf\x0e\xca\x83\xf2\xff\x95\x61\x68\x78\x64\x74\x6c\x7c"
        "\x22\x97\x9f\x9c\x9a\x2e\xcc\xcc\xce\xcd\x17\x17\x4a\x8b\x4b\xcb\x2b\xab\x6b\xe5\xf5\x8d\xcd\x4a\x75\x6b\x7b\x67\xb7\x56\xdf\xdb"
        "\x3f\x38\x3c\x3a\x3e\x39\x3d\x3b\xbf\xb8\xbc\xba\xbe\xb9\xbd\xbb\x7f\x78\x7c\x7a\x7e\x79\x6d\x34\xb1\x15\x08\x92\x6d\xa5\x3b\xdd"
        "\x30\x32\x36\x7e\x73\x9e\x93\xf7\xde\x47\xfa\xf9\xf5\xfd\xf3\xfb\x07"sv;
    const auto inflated = inflateRaw(bytesOf(dynamicStream), 10000);
    ASSERT_TRUE(inflated);
    EXPECT_EQ(*inflated, dynamic);
    EXPECT_EQ(crc32(*inflated), 3042537967u); // zlib.crc32 of the same text

    EXPECT_EQ(inflateRaw(bytesOf("\x01\x14\x00\xeb\xff" "stored, not squeezed"sv), 100), "stored, not squeezed");
    // Cut short, too long for the room given, and a stored block whose length fails its complement.
    EXPECT_FALSE(inflateRaw(bytesOf(dynamicStream.substr(0, 100)), 10000));
    EXPECT_FALSE(inflateRaw(bytesOf(dynamicStream), 800));
    EXPECT_FALSE(inflateRaw(bytesOf("\x01\x14\x00\xea\xff" "stored, not squeezed"sv), 100));

    // And back: the deflated text inflates to itself, repeats squeezed.
    const auto squeezed = deflateRaw(dynamic);
    EXPECT_LT(squeezed.size(), dynamic.size() / 2);
    EXPECT_EQ(inflateRaw(squeezed, 10000), dynamic);
    EXPECT_EQ(inflateRaw(deflateRaw(""), 10), "");
}

Lesson radon()
{
    Lesson lesson;
    lesson.id = "0123456789abcdef";
    lesson.title = textIn("en", "Radon </script> in a room");
    lesson.title.byLanguage.emplace_back("de", "Radon im Raum: Ä/ß");
    lesson.part = LessonPart::Nuclides;
    lesson.setup = {{"cboNuclide", "Ra-226"}, {"txtStep", "1"}, {"cboStepUnit", "d"}, {"txtSteps", "60"}};
    LessonStep step;
    step.text = textIn("en", "What is the activity of Rn-222 over that of Ra-226, once in equilibrium?");
    step.question = QuestionKind::Number;
    step.tolerance.relative = 0.02;
    step.answer = ExpectedAnswer{};
    step.answer->quantity = "equilibriumRatio";
    step.answer->arguments = {{"daughter", "Rn-222"}, {"over", "Ra-226"}};
    lesson.steps = {step, step, step};
    return lesson;
}

TEST(HandOut, LinksAndPagesCarryTheLessonWhole)
{
    const Lesson lesson = radon();
    const std::string fragment = lessonFragment(lesson);
    EXPECT_EQ(fragment.rfind("#lesson=", 0), 0u);
    EXPECT_LT(fragment.size(), writeLesson(lesson).size() / 2);
    EXPECT_TRUE(fragment.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_", 8) == std::string::npos);
    for (const std::string& link : {fragment, "file:///home/teacher/atomdrift.html" + fragment, "https://school.example/a.html" + fragment + "&x=1"}) {
        const LessonRead read = readLessonLink(link, "from the link");
        ASSERT_TRUE(read.lesson) << read.error.text();
        EXPECT_EQ(writeLesson(*read.lesson), writeLesson(lesson));
    }
    EXPECT_TRUE(isLessonLink("see atomdrift.html" + fragment));
    EXPECT_EQ(readLessonLink(fragment.substr(0, fragment.size() / 2), "from the link").error.text(),
              "The lesson from the link cannot be opened: the link is damaged or cut short.");
    EXPECT_EQ(readLessonLink(fragment + "!", "from the link").error.text(), "The lesson from the link cannot be opened: the link is damaged or cut short.");
    EXPECT_EQ(readLessonLink("https://school.example/", "from the link").error.text(), "The lesson from the link cannot be opened: the text is no link to a lesson.");

    const std::string page = "<!doctype html><html><body><div id=\"app\"></div><script>const s = \"</body>\";</script>\n</body></html>";
    const std::string withLesson = pageWithLesson(page, lesson);
    EXPECT_EQ(withLesson.find("</script> in a room"), std::string::npos); // the title cannot end the element
    const LessonRead fromPage = readLesson(lessonInPage(withLesson), "page");
    ASSERT_TRUE(fromPage.lesson) << fromPage.error.text();
    EXPECT_EQ(fromPage.lesson->title.in("en"), "Radon </script> in a room");
    EXPECT_TRUE(withLesson.ends_with("</script>\n</body></html>"));
    // Another lesson replaces the one built in.
    Lesson other = lesson;
    other.title = textIn("fr", "Le radon");
    const std::string replaced = pageWithLesson(withLesson, other);
    EXPECT_EQ(replaced.find("atomdriftLesson"), replaced.rfind("atomdriftLesson"));
    EXPECT_EQ(readLesson(lessonInPage(replaced), "page").lesson->title.in("en"), "Le radon");
    EXPECT_EQ(lessonInPage(page), "");

    EXPECT_EQ(handInFileName(lesson, "Ada / Lovelace?"), "Radon __script_ in a room - Ada _ Lovelace_.handin");
    EXPECT_EQ(lessonFileName(other), "Le radon.atomdrift");
}

TEST(HandOut, EntriesInTheUsersWayAndTheLessonsRanges)
{
    Lesson lesson = radon();
    lesson.controls = {{"txtSteps", ControlUse::Range, 10, 100}};
    EXPECT_EQ(shownEntry("0.25", ","), "0,25");
    EXPECT_EQ(storedEntry("0,25", ","), "0.25");
    EXPECT_EQ(storedEntry("0.25", "."), "0.25");
    EXPECT_TRUE(rangeRefusal(lesson, "txtSteps", "100", ",").empty());
    EXPECT_TRUE(rangeRefusal(lesson, "txtSteps", "ten", ",").empty());
    EXPECT_TRUE(rangeRefusal(lesson, "txtStep", "1000", ",").empty());
    EXPECT_EQ(rangeRefusal(lesson, "txtSteps", "100,5", ",").text(), "This lesson takes values from 10 to 100 here, and 100.5 is outside them.");
}

} // namespace
