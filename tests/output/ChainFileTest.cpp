#include "output/ChainFile.h"

#include <gtest/gtest.h>

namespace {

// Mo-99 at 65.932 h (NUBASE2020) with 10^6 atoms and nothing else: A = 10^6 ln 2 / 237355.2 s.
TEST(ChainFile, HeaderAndLinesAsTheLabWritesThem)
{
    const decay::Chain chain{{{"Mo-99", "", 65.932 * 3600}, {"Tc-99m", "", 6.0066 * 3600}, {"Tc-99", "", 0}},
                             {{0, 1, 0.875}, {0, 2, 0.125}, {1, 2, 0.999963}}};
    const decay::LabRun run{.chain = chain,
                            .setup = {.initial = {1e6, 0, 0}, .step = 5400, .steps = 1, .milk = {}},
                            .unit = decay::TimeUnit::Hour,
                            .random = false,
                            .atoms = {3, 1, {1e6, 989542.25, 0, 9150.5, 0, 1307.25}, {}},
                            .exact = {}};
    EXPECT_EQ(decay::chainFileText(run),
              "\"t [h]\",\"N Mo-99\",\"N Tc-99m\",\"N Tc-99\",\"A Mo-99 [Bq]\",\"A Tc-99m [Bq]\",\"A Tc-99 [Bq]\"\r\n"
              "0,1000000,0,0,2.920294902,0,0\r\n"
              "1.5,989542.25,9150.5,1307.25,2.889755188,0.2933182423,0\r\n");

    // A logarithmic grid's times as they are: 0, 0.1 h, 1 h.
    decay::LabRun log = run;
    log.setup.grid = {0, 360, 3600};
    log.setup.steps = 2;
    log.atoms = {3, 2, {1e6, 1e6, 1e6, 0, 0, 0, 0, 0, 0}, {}};
    const std::string text = decay::chainFileText(log);
    EXPECT_NE(text.find("\r\n0.1,1000000,"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n1,1000000,"), std::string::npos) << text;
}

} // namespace
