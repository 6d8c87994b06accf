// The command line of tessaly-batch: accepted forms and every refusal.
#include "batch/BatchOptions.h"

#include <gtest/gtest.h>

namespace tessaly::batch {
namespace {

TEST(BatchOptions, FullCommandLine)
{
    const ParseResult r = ParseBatchArguments({"--folder", "/p", "a.tly", "--mode", "labels", "--count", "25",
                                               "--start", "3", "--import", "in.csv", "--png", "out", "--dpm",
                                               "5.905512", "--fine"});
    ASSERT_TRUE(r.options) << r.error;
    const BatchOptions& o = *r.options;
    EXPECT_EQ(o.folder, "/p");
    EXPECT_EQ(o.project, "a.tly");
    EXPECT_EQ(o.mode, PrintMode::Labels);
    EXPECT_EQ(o.count, 25);
    EXPECT_EQ(o.start, "3");
    EXPECT_EQ(o.importFile, "in.csv");
    EXPECT_EQ(o.output, OutputKind::Png);
    EXPECT_EQ(o.target, "out");
    EXPECT_DOUBLE_EQ(o.dpm, 5.905512);
    EXPECT_TRUE(o.fine);
}

TEST(BatchOptions, Defaults)
{
    const ParseResult r = ParseBatchArguments({"a.tly", "--pdf", "o.pdf"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_FALSE(r.options->mode);   // chosen from the label later
    EXPECT_EQ(r.options->sheets, 1);
    EXPECT_EQ(r.options->start, "1");
    EXPECT_DOUBLE_EQ(r.options->dpm, kDefaultDpm);
    EXPECT_FALSE(r.options->fine);
    EXPECT_TRUE(r.options->folder.empty());
}

TEST(BatchOptions, HelpStopsParsing)
{
    EXPECT_FALSE(ParseBatchArguments({"--bogus", "--help"}).help);   // the first fault stops
    EXPECT_TRUE(ParseBatchArguments({"a.tly", "--help"}).help);
    EXPECT_NE(UsageText().find("--printer NAME"), std::string::npos);
}

TEST(BatchOptions, Refusals)
{
    struct Case {
        std::vector<std::string> args;
        const char* fragment;
    };
    const Case cases[] = {
        {{"--pdf", "o.pdf"}, "no project"},
        {{"a.tly"}, "choose an output"},
        {{"a.tly", "b.tly", "--pdf", "o"}, "only one project"},
        {{"a.tly", "--pdf", "o", "--png", "d"}, "only one of"},
        {{"a.tly", "--pdf"}, "needs a value"},
        {{"a.tly", "--pdf", ""}, "needs a value"},
        {{"a.tly", "--pdf", "o", "--mode", "all"}, "--mode"},
        {{"a.tly", "--pdf", "o", "--count", "0"}, "--count"},
        {{"a.tly", "--pdf", "o", "--count", "12x"}, "--count"},
        {{"a.tly", "--pdf", "o", "--count", "99999999999999999999"}, "--count"},
        {{"a.tly", "--pdf", "o", "--sheets", "-1"}, "--sheets"},
        {{"a.tly", "--pdf", "o", "--sheets", "100001"}, "--sheets"},
        {{"a.tly", "--png", "d", "--dpm", "0"}, "--dpm"},
        {{"a.tly", "--png", "d", "--dpm", "nan"}, "--dpm"},
        {{"a.tly", "--png", "d", "--dpm", "1e9"}, "--dpm"},
        {{"a.tly", "--pdf", "o", "--dpm", "5"}, "--png only"},
        {{"a.tly", "--pdf", "o", "--colour"}, "unknown option --colour"},
    };
    for (const Case& c : cases) {
        const ParseResult r = ParseBatchArguments(c.args);
        EXPECT_FALSE(r.options) << c.fragment;
        EXPECT_NE(r.error.find(c.fragment), std::string::npos) << r.error;
    }
}

} // namespace
} // namespace tessaly::batch
