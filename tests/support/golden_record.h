#pragma once
// A golden record: the text a test forms, compared line by line with the file it was recorded to, or written
// to that file when TERVALO_GOLDEN_RECORD is set. Lines starting with "# project" name the project that
// follows, so that a failure says where it is.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "temp_dir.h"

namespace tervalo::test {

inline void ExpectGoldenRecord(const std::string& text, const std::string& file) {
    if (std::getenv("TERVALO_GOLDEN_RECORD")) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
        GTEST_SKIP() << "record written to " << file;
    }
    const std::string expected = ReadBytes(file);
    ASSERT_FALSE(expected.empty()) << "the golden record is missing";
    std::istringstream got(text), want(expected);
    std::string gotLine, wantLine, project;
    int differences = 0;
    for (int line = 1; std::getline(want, wantLine); ++line) {
        if (!std::getline(got, gotLine)) gotLine = "(end)";
        if (wantLine.rfind("# project", 0) == 0) project = wantLine;
        if (gotLine != wantLine && ++differences <= 10)
            ADD_FAILURE() << project << ", line " << line << ": expected \"" << wantLine << "\", got \""
                          << gotLine << "\"";
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "more output than the record holds";
    EXPECT_EQ(differences, 0);
}

}  // namespace tervalo::test
