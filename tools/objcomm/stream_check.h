#pragma once
#include <istream>
#include <ostream>
#include <string>

// Checks made before a verb exits, as coreutils make them: output that never arrived or
// input that could not be read is a failure, not a success with less data. Each gives one
// line on err, starting with strWho ("objcomm decode").

// Flushes out first: a full disk often shows only then.
bool OutputWritten(std::ostream& out, std::ostream& err, const std::string& strWho);
// A read error, as opposed to the end of the input.
bool InputRead(const std::istream& in, std::ostream& err, const std::string& strWho);

// ": " and the system's text for errno, or nothing when errno is 0.
std::string ErrnoSuffix();
