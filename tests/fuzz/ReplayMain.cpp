// Runs a fuzz target without libFuzzer, so that every test run covers it: over the files and the
// files of the folders named on the command line (else the target's seed corpus), then over 20000
// mutations of them from a fixed seed.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size);

namespace {

void feed(const std::string& text)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string contents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::filesystem::path> named(argv + 1, argv + argc);
    if (named.empty())
        named.emplace_back(FUZZ_CORPUS);
    std::vector<std::string> seeds;
    for (const auto& path : named) {
        if (!std::filesystem::is_directory(path)) {
            seeds.push_back(contents(path));
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(path))
            seeds.push_back(contents(entry.path()));
    }
    if (seeds.empty())
        return 1;
    for (const std::string& seed : seeds)
        feed(seed);

    const std::string alphabet = "0123456789,;\t\n\r\".-e E[]\xEF\xBB\xBF";
    std::mt19937 random(14);
    for (int round = 0; round < 20000; ++round) {
        std::string text = seeds[random() % seeds.size()];
        for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
            const std::size_t at = random() % (text.size() + 1);
            switch (random() % 3) {
            case 0: text.insert(at, 1, alphabet[random() % alphabet.size()]); break;
            case 1: if (at < text.size()) text.erase(at, 1); break;
            default: if (at < text.size()) text[at] = static_cast<char>(random()); break;
            }
        }
        feed(text);
    }
    return 0;
}
