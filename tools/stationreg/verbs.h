#pragma once
// The verbs that work on a key, each printing results on out and failures on err and
// returning the exit status (0 on success, 1 otherwise).
#include <iosfwd>

#include "tools/stationreg/command_line.h"
#include "tools/stationreg/key_name.h"

int RunQuery(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
             std::ostream& err);
int RunGet(const CRegKeyName& key, const CString& strName, std::ostream& out, std::ostream& err);
int RunAdd(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
           std::ostream& err);
int RunDelete(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
              std::ostream& err);
