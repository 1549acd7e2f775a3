// The objcomm command over the cases of tests/tools/cases. A case is a "$ objcomm" line with
// the words ('...' keeps blanks together), then "< " lines of standard input, the lines of
// standard output, "2> " lines of standard error and "exit N" when the status is not 0. It
// ends at the next case, at a "#" comment or at the end of the file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/objcomm/commands.h"

namespace {

struct CCase {
    int nLine = 0;
    std::vector<std::string> words;
    std::string strIn, strOut, strErr;
    int nStatus = 0;
};

std::vector<std::string> SplitWords(const std::string& strText) {
    std::vector<std::string> words;
    for (size_t i = strText.find_first_not_of(' '); i != std::string::npos;
         i = strText.find_first_not_of(' ', i)) {
        const bool bQuoted = strText[i] == '\'';
        const size_t nEnd = bQuoted ? strText.find('\'', i + 1) : strText.find(' ', i);
        const size_t nFirst = bQuoted ? i + 1 : i;
        words.push_back(strText.substr(nFirst, nEnd == std::string::npos ? nEnd : nEnd - nFirst));
        i = nEnd == std::string::npos ? nEnd : nEnd + (bQuoted ? 1 : 0);
    }
    return words;
}

std::string After(const std::string& strLine, size_t nPrefix) {
    return strLine.size() > nPrefix ? strLine.substr(nPrefix) : "";
}

std::vector<CCase> ReadCases(const std::string& strPath) {
    std::ifstream file(strPath);
    EXPECT_TRUE(file) << strPath;
    std::vector<CCase> cases;
    bool bInCase = false;
    // Blank lines count as output only when more output follows them.
    std::string strBlanks;
    std::string line;
    for (int nLine = 1; std::getline(file, line); ++nLine) {
        if (line.starts_with("$ objcomm")) {
            cases.emplace_back();
            cases.back().nLine = nLine;
            cases.back().words = SplitWords(After(line, 9));
            bInCase = true;
            strBlanks.clear();
        } else if (line.starts_with("#")) {
            bInCase = false;
        } else if (!bInCase) {
            EXPECT_EQ(line, "") << strPath << ":" << nLine << " is outside any case";
        } else if (line.starts_with("<")) {
            cases.back().strIn += After(line, 2) + "\n";
        } else if (line.starts_with("2> ")) {
            cases.back().strErr += After(line, 3) + "\n";
        } else if (line.starts_with("exit ")) {
            cases.back().nStatus = std::stoi(After(line, 5));
        } else if (line.empty()) {
            strBlanks += "\n";
        } else {
            cases.back().strOut += strBlanks + line + "\n";
            strBlanks.clear();
        }
    }
    return cases;
}

class ToolCasesTest : public testing::TestWithParam<const char*> {
protected:
    std::string Path() const { return std::string(TOOL_CASES_DIR "/") + GetParam() + ".cases"; }
};

TEST_P(ToolCasesTest, EveryCaseGivesItsOutputAndStatus) {
    const std::string strPath = Path();
    const std::vector<CCase> cases = ReadCases(strPath);
    EXPECT_FALSE(cases.empty());
    for (const CCase& c : cases) {
        SCOPED_TRACE(strPath + ":" + std::to_string(c.nLine));
        std::istringstream in(c.strIn);
        std::ostringstream out, err;
        EXPECT_EQ(RunObjcomm(c.words, in, out, err), c.nStatus);
        EXPECT_EQ(out.str(), c.strOut);
        EXPECT_EQ(err.str(), c.strErr);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ToolCasesTest,
                         testing::Values("decode_samples", "decode_card_station", "decode_bulk",
                                         "decode_server", "tool_words"));

}  // namespace
