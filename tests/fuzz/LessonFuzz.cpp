// Any bytes at all, as a lesson, a hand-in and a link: each reads whole or names what is wrong, a
// lesson read is saved and read again unchanged, and the inflater never writes past its room.
#include "FuzzProperties.h"
#include "model/lesson/HandIn.h"
#include "model/lesson/HandOut.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const decay::LessonRead lesson = decay::readLesson(text, "fuzz.atomdrift");
    fuzz::require(lesson.lesson.has_value() == lesson.error.empty(), "a lesson or an error");
    if (lesson.lesson) {
        fuzz::require(decay::lessonFault(*lesson.lesson).empty(), "a lesson read can be given to a class");
        const std::string saved = decay::writeLesson(*lesson.lesson);
        const decay::LessonRead again = decay::readLesson(saved, "again.atomdrift");
        fuzz::require(again.lesson && decay::writeLesson(*again.lesson) == saved, "saved and read again unchanged");
        const decay::LessonRead linked = decay::readLessonLink(decay::lessonFragment(*lesson.lesson), "link");
        fuzz::require(linked.lesson && decay::writeLesson(*linked.lesson) == saved, "a link carries the lesson whole");
    } else {
        fuzz::require(lesson.error.text().starts_with("The lesson fuzz.atomdrift cannot be opened: "), "the error names the file");
    }

    const decay::HandInRead handIn = decay::readHandIn(text, "fuzz.handin");
    fuzz::require(handIn.handIn.has_value() == handIn.error.empty(), "a hand-in or an error");
    if (handIn.handIn) {
        const std::string saved = decay::writeHandIn(*handIn.handIn);
        const decay::HandInRead again = decay::readHandIn(saved, "again.handin");
        fuzz::require(again.handIn && decay::writeHandIn(*again.handIn) == saved, "a hand-in saved and read again unchanged");
    }

    const auto inflated = decay::inflateRaw(std::vector<std::uint8_t>(bytes, bytes + size), 1 << 16);
    fuzz::require(!inflated || inflated->size() <= (1u << 16), "the inflater keeps to its room");
    const decay::LessonRead linked = decay::readLessonLink(std::string("#lesson=") + std::string(text), "link");
    fuzz::require(linked.lesson.has_value() == linked.error.empty(), "a link's lesson or an error");
    return 0;
}
