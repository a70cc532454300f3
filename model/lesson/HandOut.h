#pragma once

#include "Lesson.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// A lesson handed out as a link: the lesson's JSON, compressed (DEFLATE, RFC 1951) and written in
// base64url, in the fragment of the page's address, which a browser never sends to a server:
//   atomdrift.html#lesson=<base64url>
// A link is offered only while it stays within kMostLinkCharacters, which mail programs, chats and
// learning platforms keep whole.
inline constexpr std::size_t kMostLinkCharacters = 2000;
inline constexpr std::string_view kLinkKey = "#lesson=";
// The fragment, "#lesson=" and the compressed lesson.
std::string lessonFragment(const Lesson& lesson);
// The lesson of a link, a whole address or its fragment alone, or why not (the message names
// `name`, as the user knows the link).
LessonRead readLessonLink(std::string_view link, const std::string& name);
// Whether the text holds a lesson's fragment, so that a field or a drop can take it as a link.
bool isLessonLink(std::string_view text);

// A lesson built into the program's one web page: the page's text with the lesson's JSON in a
// script element of its own, which the page reads on opening. A page that holds a lesson already
// gets this one instead.
std::string pageWithLesson(std::string_view page, const Lesson& lesson);
// The lesson built into a page; empty text when it holds none.
std::string lessonInPage(std::string_view page);

// The name a hand-in is offered under: "<lesson title> - <name>.handin", with the characters no
// file system takes replaced.
std::string handInFileName(const Lesson& lesson, std::string_view studentName);
// A lesson file's name from its title: "<title>.atomdrift".
std::string lessonFileName(const Lesson& lesson);

// DEFLATE (RFC 1951): any stream inflates (stored, fixed and dynamic Huffman blocks); deflating
// finds repeats within 32 KiB and writes them with the fixed codes. Empty on a damaged stream, or
// past `most` bytes out.
std::vector<std::uint8_t> deflateRaw(std::string_view bytes);
std::optional<std::string> inflateRaw(const std::vector<std::uint8_t>& stream, std::size_t most);
std::string base64url(const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> fromBase64url(std::string_view text);

} // namespace decay
