#include "HandOut.h"

#include "LessonJson.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace decay {
namespace {

// The lengths and distances of DEFLATE's codes: base values and extra bits (RFC 1951, 3.2.5).
constexpr std::array<int, 29> kLengthBase{3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr int kWindow = 32768;

class BitReader {
public:
    explicit BitReader(const std::vector<std::uint8_t>& in) : m_in(in) {}
    bool failed() const { return m_failed; }
    int bits(int need)
    {
        std::uint32_t value = m_buffer;
        while (m_count < need) {
            if (m_pos >= m_in.size()) {
                m_failed = true;
                return 0;
            }
            value |= static_cast<std::uint32_t>(m_in[m_pos++]) << m_count;
            m_count += 8;
        }
        m_buffer = value >> need;
        m_count -= need;
        return static_cast<int>(value & ((1u << need) - 1));
    }
    // A stored block starts on a byte.
    void toByte()
    {
        m_buffer = 0;
        m_count = 0;
    }
    std::optional<std::uint8_t> byte()
    {
        if (m_pos >= m_in.size()) return std::nullopt;
        return m_in[m_pos++];
    }

private:
    const std::vector<std::uint8_t>& m_in;
    std::size_t m_pos = 0;
    std::uint32_t m_buffer = 0;
    int m_count = 0;
    bool m_failed = false;
};

// A canonical Huffman code: how many codes of each length, and the symbols in code order.
struct Huffman {
    std::array<int, 16> count{};
    std::array<int, 320> symbol{};
};

// False for an over-subscribed set of lengths, which no encoder makes.
bool build(Huffman& code, const int* lengths, int n)
{
    code.count.fill(0);
    for (int i = 0; i < n; ++i) ++code.count[static_cast<std::size_t>(lengths[i])];
    int left = 1;
    for (std::size_t length = 1; length < 16; ++length) {
        left = left * 2 - code.count[length];
        if (left < 0) return false;
    }
    std::array<int, 16> offset{};
    for (std::size_t length = 1; length < 15; ++length) offset[length + 1] = offset[length] + code.count[length];
    for (int i = 0; i < n; ++i)
        if (lengths[i] != 0) code.symbol[static_cast<std::size_t>(offset[static_cast<std::size_t>(lengths[i])]++)] = i;
    return true;
}

// The next symbol, -1 for a code the table lacks.
int decode(BitReader& in, const Huffman& code)
{
    int bits = 0, first = 0, index = 0;
    for (std::size_t length = 1; length < 16; ++length) {
        bits |= in.bits(1);
        if (in.failed()) return -1;
        const int count = code.count[length];
        if (bits - count < first) return code.symbol[static_cast<std::size_t>(index + bits - first)];
        index += count;
        first = (first + count) << 1;
        bits <<= 1;
    }
    return -1;
}

bool inflateCodes(BitReader& in, const Huffman& lengths, const Huffman& distances, std::string& out, std::size_t most)
{
    for (;;) {
        int symbol = decode(in, lengths);
        if (symbol < 0) return false;
        if (symbol < 256) {
            if (out.size() >= most) return false;
            out.push_back(static_cast<char>(symbol));
            continue;
        }
        if (symbol == 256) return true;
        symbol -= 257;
        if (symbol >= 29) return false;
        const auto length = static_cast<std::size_t>(kLengthBase[static_cast<std::size_t>(symbol)] + in.bits(kLengthExtra[static_cast<std::size_t>(symbol)]));
        const int d = decode(in, distances);
        if (d < 0 || d >= 30) return false;
        const auto distance = static_cast<std::size_t>(kDistanceBase[static_cast<std::size_t>(d)] + in.bits(kDistanceExtra[static_cast<std::size_t>(d)]));
        if (in.failed() || distance > out.size() || out.size() + length > most) return false;
        for (std::size_t k = 0; k < length; ++k) out.push_back(out[out.size() - distance]);
    }
}

void fixedCodes(Huffman& lengths, Huffman& distances)
{
    std::array<int, 288> lengthBits{};
    std::fill(lengthBits.begin(), lengthBits.begin() + 144, 8);
    std::fill(lengthBits.begin() + 144, lengthBits.begin() + 256, 9);
    std::fill(lengthBits.begin() + 256, lengthBits.begin() + 280, 7);
    std::fill(lengthBits.begin() + 280, lengthBits.end(), 8);
    build(lengths, lengthBits.data(), 288);
    std::array<int, 30> distanceBits{};
    distanceBits.fill(5);
    build(distances, distanceBits.data(), 30);
}

bool dynamicCodes(BitReader& in, Huffman& lengths, Huffman& distances)
{
    static constexpr std::array<int, 19> kOrder{16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    const int nLengths = in.bits(5) + 257, nDistances = in.bits(5) + 1, nCodes = in.bits(4) + 4;
    if (nLengths > 286 || nDistances > 30) return false;
    std::array<int, 320> bits{};
    for (int i = 0; i < nCodes; ++i) bits[static_cast<std::size_t>(kOrder[static_cast<std::size_t>(i)])] = in.bits(3);
    Huffman codeLengths;
    if (in.failed() || !build(codeLengths, bits.data(), 19)) return false;
    bits.fill(0);
    for (int i = 0; i < nLengths + nDistances;) {
        const int symbol = decode(in, codeLengths);
        if (symbol < 0) return false;
        if (symbol < 16) {
            bits[static_cast<std::size_t>(i++)] = symbol;
            continue;
        }
        int repeated = 0, times = 0;
        if (symbol == 16) {
            if (i == 0) return false;
            repeated = bits[static_cast<std::size_t>(i - 1)];
            times = 3 + in.bits(2);
        } else {
            times = symbol == 17 ? 3 + in.bits(3) : 11 + in.bits(7);
        }
        if (in.failed() || i + times > nLengths + nDistances) return false;
        while (times-- > 0) bits[static_cast<std::size_t>(i++)] = repeated;
    }
    if (bits[256] == 0) return false; // no end of block
    return build(lengths, bits.data(), nLengths) && build(distances, bits.data() + nLengths, nDistances);
}

class BitWriter {
public:
    void put(std::uint32_t value, int bits)
    {
        m_buffer |= value << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_out.push_back(static_cast<std::uint8_t>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    // Huffman codes go into the stream from their first bit.
    void putCode(std::uint32_t code, int bits)
    {
        std::uint32_t reversed = 0;
        for (int i = 0; i < bits; ++i) reversed |= ((code >> i) & 1u) << (bits - 1 - i);
        put(reversed, bits);
    }
    std::vector<std::uint8_t> finish()
    {
        if (m_count > 0) m_out.push_back(static_cast<std::uint8_t>(m_buffer & 0xFF));
        return std::move(m_out);
    }

private:
    std::vector<std::uint8_t> m_out;
    std::uint32_t m_buffer = 0;
    int m_count = 0;
};

void putLiteralOrLength(BitWriter& out, int symbol)
{
    if (symbol < 144)
        out.putCode(static_cast<std::uint32_t>(0x30 + symbol), 8);
    else if (symbol < 256)
        out.putCode(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    else if (symbol < 280)
        out.putCode(static_cast<std::uint32_t>(symbol - 256), 7);
    else
        out.putCode(static_cast<std::uint32_t>(0xC0 + symbol - 280), 8);
}

void putMatch(BitWriter& out, int length, int distance)
{
    std::size_t l = 28;
    while (kLengthBase[l] > length) --l;
    putLiteralOrLength(out, 257 + static_cast<int>(l));
    out.put(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    std::size_t d = 29;
    while (kDistanceBase[d] > distance) --d;
    out.putCode(static_cast<std::uint32_t>(d), 5);
    out.put(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::string_view kLessonTag = "<script type=\"application/json\" id=\"atomdriftLesson\">";

// Characters no file system of the schools' machines takes in a name, and control characters.
std::string safeFileName(std::string name)
{
    for (char& c : name)
        if (std::strchr("<>:\"/\\|?*", c) || static_cast<unsigned char>(c) < 32) c = '_';
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
    if (name.size() > 120) {
        std::size_t cut = 120;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut; // not inside a UTF-8 character
        name.resize(cut);
    }
    return name.empty() ? std::string("lesson") : name;
}

} // namespace

std::vector<std::uint8_t> deflateRaw(std::string_view bytes)
{
    BitWriter out;
    out.put(1, 1); // the last block
    out.put(1, 2); // with the fixed codes
    constexpr int kHashSize = 1 << 15, kChain = 64;
    std::vector<int> head(kHashSize, -1), previous(bytes.size(), -1);
    const auto hash = [&](std::size_t i) {
        const auto b = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + k])); };
        return static_cast<std::size_t>(((b(0) << 10) ^ (b(1) << 5) ^ b(2)) & (kHashSize - 1));
    };
    const auto insert = [&](std::size_t i) {
        if (i + 3 > bytes.size()) return;
        const std::size_t h = hash(i);
        previous[i] = head[h];
        head[h] = static_cast<int>(i);
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        int bestLength = 0, bestDistance = 0;
        if (i + 3 <= bytes.size()) {
            int candidate = head[hash(i)];
            const std::size_t longest = std::min<std::size_t>(258, bytes.size() - i);
            for (int tries = 0; candidate >= 0 && tries < kChain; ++tries) {
                const auto c = static_cast<std::size_t>(candidate);
                if (i - c > static_cast<std::size_t>(kWindow - 1)) break;
                std::size_t length = 0;
                while (length < longest && bytes[c + length] == bytes[i + length]) ++length;
                if (static_cast<int>(length) > bestLength) {
                    bestLength = static_cast<int>(length);
                    bestDistance = static_cast<int>(i - c);
                }
                candidate = previous[c];
            }
        }
        if (bestLength >= 3) {
            putMatch(out, bestLength, bestDistance);
            for (int k = 0; k < bestLength; ++k) insert(i + static_cast<std::size_t>(k));
            i += static_cast<std::size_t>(bestLength);
        } else {
            putLiteralOrLength(out, static_cast<unsigned char>(bytes[i]));
            insert(i);
            ++i;
        }
    }
    putLiteralOrLength(out, 256);
    return out.finish();
}

std::optional<std::string> inflateRaw(const std::vector<std::uint8_t>& stream, std::size_t most)
{
    BitReader in(stream);
    std::string out;
    for (bool last = false; !last;) {
        last = in.bits(1) == 1;
        const int type = in.bits(2);
        if (in.failed()) return std::nullopt;
        if (type == 0) {
            in.toByte();
            std::array<std::uint8_t, 4> header{};
            for (auto& b : header) {
                const auto read = in.byte();
                if (!read) return std::nullopt;
                b = *read;
            }
            const int length = header[0] | header[1] << 8, complement = header[2] | header[3] << 8;
            if (length != (~complement & 0xFFFF) || out.size() + static_cast<std::size_t>(length) > most) return std::nullopt;
            for (int k = 0; k < length; ++k) {
                const auto read = in.byte();
                if (!read) return std::nullopt;
                out.push_back(static_cast<char>(*read));
            }
            continue;
        }
        Huffman lengths, distances;
        if (type == 1)
            fixedCodes(lengths, distances);
        else if (type != 2 || !dynamicCodes(in, lengths, distances))
            return std::nullopt;
        if (!inflateCodes(in, lengths, distances, out, most)) return std::nullopt;
    }
    return out;
}

std::string base64url(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (std::uint8_t byte : bytes) {
        buffer = (buffer << 8) | byte;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text += kAlphabet[(buffer >> bits) & 63];
        }
    }
    if (bits > 0) text += kAlphabet[(buffer << (6 - bits)) & 63];
    return text;
}

std::optional<std::vector<std::uint8_t>> fromBase64url(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '=') continue; // wrapped by a mail program, padded
        const auto at = kAlphabet.find(c);
        if (at == std::string_view::npos) return std::nullopt;
        buffer = (buffer << 6) | static_cast<std::uint32_t>(at);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>((buffer >> bits) & 0xFF));
        }
    }
    return bytes;
}

std::string lessonFragment(const Lesson& lesson)
{
    // Without the file's indent: a link wants every character.
    return std::string(kLinkKey) + base64url(deflateRaw(lessonjson::lessonDocument(lesson).dump()));
}

bool isLessonLink(std::string_view text)
{
    return text.find(kLinkKey) != std::string_view::npos;
}

LessonRead readLessonLink(std::string_view link, const std::string& name)
{
    const auto at = link.find(kLinkKey);
    const auto damaged = [&] { return LessonRead{std::nullopt, Message{"The lesson %1 cannot be opened: %2", {name, modelSentence(Message{"the link is damaged or cut short."})}}}; };
    if (at == std::string_view::npos)
        return {std::nullopt, Message{"The lesson %1 cannot be opened: %2", {name, modelSentence(Message{"the text is no link to a lesson."})}}};
    std::string_view data = link.substr(at + kLinkKey.size());
    data = data.substr(0, data.find_first_of("&#?\"'<>"));
    const auto bytes = fromBase64url(data);
    if (!bytes) return damaged();
    const auto json = inflateRaw(*bytes, kMostLessonBytes);
    if (!json) return damaged();
    return readLesson(*json, name);
}

std::string pageWithLesson(std::string_view page, const Lesson& lesson)
{
    // '<' only stands inside the JSON's strings, where \u003c is the same text and no "</script>"
    // can end the element early.
    std::string json;
    for (char c : writeLesson(lesson)) {
        if (c == '<')
            json += "\\u003c";
        else
            json += c;
    }
    std::string out(page);
    const auto tag = out.rfind(kLessonTag);
    if (tag != std::string::npos) {
        const auto start = tag + kLessonTag.size();
        const auto end = out.find("</script>", start);
        if (end != std::string::npos) return out.replace(start, end - start, json);
    }
    const std::string element = std::string(kLessonTag) + json + "</script>\n";
    const auto body = out.rfind("</body>");
    return body == std::string::npos ? out + element : out.insert(body, element);
}

std::string lessonInPage(std::string_view page)
{
    const auto tag = page.rfind(kLessonTag);
    if (tag == std::string_view::npos) return {};
    const auto start = tag + kLessonTag.size();
    const auto end = page.find("</script>", start);
    return end == std::string_view::npos ? std::string() : std::string(page.substr(start, end - start));
}

std::string handInFileName(const Lesson& lesson, std::string_view studentName)
{
    return safeFileName(lesson.title.in("") + " - " + std::string(studentName)) + ".handin";
}

std::string lessonFileName(const Lesson& lesson)
{
    return safeFileName(lesson.title.in("")) + ".atomdrift";
}

} // namespace decay
