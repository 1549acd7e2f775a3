// Runs the cases of cases/*.txt, each on a fresh registry of its own. A case is a title line
// "=== TITLE", then commands, each followed by what it must give:
//   $ WORDS    a command; "..." and '...' quote literally; stationreg is the one built here,
//              other programs come from PATH; "as-nobody" first runs it as nobody (as root)
//   | TEXT     a line of standard output ("|" alone: an empty one; a final ¶ marks where a
//              line ends in blanks; "| ..." stands for any number of lines)
//   ! TEXT     a line of standard error
//   ? STATUS   the exit status, 0 when absent
//   < TEXT     a line typed on a terminal: the command then runs on one, and its | lines
//              are all the terminal shows, the echo of the typing first
// Lines starting with # are comments. Words and texts may name $STATIONREG, $REGISTRY (the
// database), $FOLDER (its folder), $SOURCE (the tests' sources) and $OBJCOMM (the objcomm
// command, whose cases are in tests/tools/process_cases), and ${TEXT*N} repeats
// TEXT N times. Line ends are compared without their carriage returns.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/registry/temp_registry.h"
#include "tests/support/child_process.h"

namespace {

using Lines = std::vector<std::string>;

struct CStep {
    int nLine = 0;
    std::string strCommand;
    Lines out, err;
    std::string strTyped;
    int nStatus = 0;
};

struct CCase {
    std::string strFile;
    std::string strName;
    std::vector<CStep> steps;
    std::string strProblem;  // a line this runner does not understand
};

// What CTest calls the case.
void PrintTo(const CCase& c, std::ostream* os) {
    *os << c.strName;
}

std::string TestName(const std::filesystem::path& file, const std::string& strTitle) {
    std::string strName = file.stem().string() + "_" + strTitle;
    std::ranges::replace_if(
        strName, [](unsigned char c) { return !std::isalnum(c); }, '_');
    return strName;
}

void AddLine(CCase& c, const std::string& strLine, int nLine) {
    const std::string strText = strLine.size() > 2 ? strLine.substr(2) : "";
    if (strLine[0] == '$') {
        c.steps.emplace_back().nLine = nLine;
        c.steps.back().strCommand = strText;
        return;
    }
    if (c.steps.empty()) c.strProblem = "line " + std::to_string(nLine) + ": no command yet";
    CStep& step = c.steps.empty() ? c.steps.emplace_back() : c.steps.back();
    const std::string strPilcrow = "\xC2\xB6";
    switch (strLine[0]) {
        case '|':
            step.out.push_back(strText.ends_with(strPilcrow)
                                   ? strText.substr(0, strText.size() - strPilcrow.size())
                                   : strText);
            break;
        case '!':
            step.err.push_back(strText);
            break;
        case '?':
            step.nStatus = std::stoi(strText);
            break;
        case '<':
            step.strTyped += strText + "\n";
            break;
        default:
            c.strProblem = "line " + std::to_string(nLine) + ": " + strLine;
    }
}

std::vector<CCase> LoadCases() {
    std::vector<std::filesystem::path> files;
    for (const char* pszFolder : {CASES_DIR, OBJCOMM_CASES_DIR}) {
        for (const auto& entry : std::filesystem::directory_iterator(pszFolder)) {
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
        }
    }
    std::ranges::sort(files);
    std::vector<CCase> cases;
    for (const std::filesystem::path& file : files) {
        std::ifstream input(file);
        std::string strLine;
        for (int nLine = 1; std::getline(input, strLine); ++nLine) {
            if (strLine.starts_with("===")) {
                cases.emplace_back().strFile = file.string();
                cases.back().strName = TestName(file, strLine.substr(4));
            } else if (!strLine.empty() && strLine[0] != '#' && !cases.empty()) {
                AddLine(cases.back(), strLine, nLine);
            }
        }
    }
    return cases;
}

std::string Expand(std::string strText, const std::map<std::string, std::string>& variables) {
    for (size_t nStart = 0; (nStart = strText.find("${", nStart)) != std::string::npos;) {
        const size_t nStar = strText.find('*', nStart);
        const size_t nEnd = strText.find('}', nStar);
        std::string strRepeated;
        for (int i = std::stoi(strText.substr(nStar + 1)); i > 0; --i) {
            strRepeated += strText.substr(nStart + 2, nStar - nStart - 2);
        }
        strText.replace(nStart, nEnd + 1 - nStart, strRepeated);
        nStart += strRepeated.size();
    }
    for (const auto& [strName, strValue] : variables) {
        for (size_t nAt = 0; (nAt = strText.find("$" + strName, nAt)) != std::string::npos;) {
            strText.replace(nAt, strName.size() + 1, strValue);
            nAt += strValue.size();
        }
    }
    return strText;
}

Lines Words(const std::string& strCommand) {
    Lines words;
    bool bInWord = false;
    char cQuote = 0;
    for (const char c : strCommand) {
        if (cQuote) {
            if (c == cQuote) {
                cQuote = 0;
            } else {
                words.back() += c;
            }
        } else if (c == ' ') {
            bInWord = false;
        } else {
            if (!bInWord) words.emplace_back();
            bInWord = true;
            if (c == '"' || c == '\'') {
                cQuote = c;
            } else {
                words.back() += c;
            }
        }
    }
    return words;
}

std::string ProgramPath(const std::string& strName) {
    if (strName == "stationreg") return STATIONREG_PATH;
    std::stringstream path(getenv("PATH") ? getenv("PATH") : "");
    for (std::string strFolder; std::getline(path, strFolder, ':');) {
        const std::string strPath = strFolder + "/" + strName;
        if (access(strPath.c_str(), X_OK) == 0) return strPath;
    }
    return strName;
}

// The output's lines, with diff's mark after a last one that does not end.
Lines LinesOf(std::string strText) {
    for (size_t nAt = 0; (nAt = strText.find("\r\n", nAt)) != std::string::npos;) {
        strText.erase(nAt, 1);
    }
    Lines lines;
    std::stringstream text(strText);
    for (std::string strLine; std::getline(text, strLine);) lines.push_back(strLine);
    if (!strText.empty() && !strText.ends_with('\n')) lines.push_back("\\ No newline at end");
    return lines;
}

bool Matches(const Lines& expected, size_t i, const Lines& actual, size_t j) {
    if (i == expected.size()) return j == actual.size();
    if (expected[i] == "...") {
        return Matches(expected, i + 1, actual, j) ||
               (j < actual.size() && Matches(expected, i, actual, j + 1));
    }
    return j < actual.size() && expected[i] == actual[j] && Matches(expected, i + 1, actual, j + 1);
}

std::string Shown(const Lines& lines) {
    std::string strShown;
    for (const std::string& strLine : lines) strShown += "  [" + strLine + "]\n";
    return strShown;
}

using Variables = std::map<std::string, std::string>;

void Compare(const CCase& c, const CStep& step, const char* pszWhat, const Lines& lines,
             const Variables& variables, const std::string& strActual) {
    Lines expected;
    for (const std::string& strLine : lines) expected.push_back(Expand(strLine, variables));
    const Lines actual = LinesOf(strActual);
    if (!Matches(expected, 0, actual, 0)) {
        ADD_FAILURE_AT(c.strFile.c_str(), step.nLine) << step.strCommand << "\n"
                                                      << pszWhat << " was:\n"
                                                      << Shown(actual) << "expected:\n"
                                                      << Shown(expected);
    }
}

class CommandLine : public CTempRegistryTest, public ::testing::WithParamInterface<CCase> {};

TEST_P(CommandLine, Case) {
    const CCase& c = GetParam();
    ASSERT_EQ(c.strProblem, "") << c.strFile;
    const Variables variables = {
        {"STATIONREG", STATIONREG_PATH},
        {"OBJCOMM", OBJCOMM_PATH},
        {"REGISTRY", m_registry->DatabasePath()},
        {"FOLDER", m_registry->Folder()},
        {"SOURCE", TESTS_SOURCE_DIR},
    };
    for (const CStep& step : c.steps) {
        Lines args;
        for (const std::string& strWord : Words(step.strCommand)) {
            args.push_back(Expand(strWord, variables));
        }
        const bool bAsNobody = !args.empty() && args[0] == "as-nobody";
        if (bAsNobody) args.erase(args.begin());
        ASSERT_FALSE(args.empty()) << c.strFile << ":" << step.nLine;
        args[0] = ProgramPath(args[0]);
        const station_test::CProcessResult result =
            step.strTyped.empty()
                ? station_test::RunProcess(args, {.bStdinFromNull = true, .bAsNobody = bAsNobody})
                : station_test::RunOnTerminal(args, step.strTyped);
        Compare(c, step, "standard output", step.out, variables, result.strOut);
        Compare(c, step, "standard error", step.err, variables, result.strErr);
        if (result.nStatus != step.nStatus) {
            ADD_FAILURE_AT(c.strFile.c_str(), step.nLine)
                << step.strCommand << "\nexit status " << result.nStatus << ", expected "
                << step.nStatus;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stationreg, CommandLine, ::testing::ValuesIn(LoadCases()));

}  // namespace
