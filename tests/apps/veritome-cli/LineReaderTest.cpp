// Checksum-list lines read with a bound, across reads of any size.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "InterruptibleInput.h"
#include "LineReader.h"

namespace {

TEST(LineReader, LinesAboveTheBoundArePassedOverWhole) {
    const std::size_t bound = cli::LineReader::kMaxLine;
    const std::string atBound(bound, 'y');
    const std::string text = "a\n" + std::string(bound + 1, 'x') + "\nb\r\n" + atBound + "\n\n" +
                             std::string(3 * bound, 'z') + "\nc";
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file), text.size());
    std::fflush(file);
    std::rewind(file);
    cli::InterruptibleInput input(::dup(fileno(file)), true);
    std::fclose(file);
    cli::LineReader reader(&input);
    using Got = cli::LineReader::Got;
    const std::vector<std::pair<Got, std::string>> expected = {
        {Got::Line, "a"},     {Got::TooLong, ""}, {Got::Line, "b\r"},
        {Got::Line, atBound}, {Got::Line, ""},    {Got::TooLong, ""},
        {Got::Line, "c"},     {Got::End, ""},     {Got::End, ""}};
    for (const auto& [got, line] : expected) {
        std::string read = "left over";
        EXPECT_EQ(reader.next(&read), got) << line.substr(0, 10);
        EXPECT_EQ(read, line);
    }
    EXPECT_EQ(input.failureReason(), nullptr);
}

}  // namespace
