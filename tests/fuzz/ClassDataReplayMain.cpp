// Runs the fuzz target without libFuzzer: over the files named on the command line, or else over
// a few seed files and 20000 mutations of them from a fixed seed, so that every test run covers it.
#include <cstdint>
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

} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        feed(std::string(std::istreambuf_iterator<char>(file), {}));
    }
    if (argc > 1)
        return 0;

    const std::vector<std::string> seeds = {
        "throw;A;B\r\n0;60;40\r\n1;50;33\r\n2;42;28\r\n",
        "\xEF\xBB\xBF\"t\"\t\"dice, red\"\n0\t20\n\n1\t17\n2\t14,5\n",
        "0,36\n1,30\n2,25\n3,1e3\n",
        "0,\"36\"\"\",x\n",
    };
    const std::string alphabet = "0123456789,;\t\n\r\".-e E\xEF\xBB\xBF";
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
