// Runs a fuzz target without libFuzzer, so that every test run covers it with any compiler: over
// the files named on the command line, or, with `--corpus FOLDER`, over the seed corpus in that
// folder and 5000 mutations of the seeds from a fixed seed.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size);

namespace {

std::string contents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void feed(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 || std::string(argv[1]) != "--corpus") {
        for (int i = 1; i < argc; ++i)
            feed(contents(argv[i]));
        return 0;
    }

    std::vector<std::string> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[2]))
        seeds.push_back(contents(entry.path()));
    if (seeds.empty())
        return 1;
    // Characters that make numbers and separate fields, and now and then any byte.
    const std::string alphabet = "0123456789,;.\t\n\r\"-+eE \xEF\xBB\xBF";
    std::mt19937 random(14);
    for (const std::string& seed : seeds)
        feed(seed);
    for (int round = 0; round < 5000; ++round) {
        std::string input = seeds[random() % seeds.size()];
        for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
            const std::size_t at = random() % (input.size() + 1);
            switch (random() % 3) {
            case 0: input.insert(at, 1, alphabet[random() % alphabet.size()]); break;
            case 1: if (at < input.size()) input.erase(at, 1); break;
            default: if (at < input.size()) input[at] = static_cast<char>(random()); break;
            }
        }
        feed(input);
    }
    return 0;
}
