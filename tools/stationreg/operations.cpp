#include "tools/stationreg/operations.h"

#include <optional>

#include "tools/stationreg/key_name.h"
#include "tools/stationreg/messages.h"
#include "tools/stationreg/outcome.h"
#include "tools/stationreg/verbs.h"

int RunCommand(const CRegCommand& command, std::ostream& out, std::ostream& err) {
    if (command.operation == EOperation::kInit) return Report(CreateRegistryDatabase(), out, err);
    const std::optional<CRegKeyName> key = ParseKeyName(command.strKey);
    if (!key) {
        PrintSyntaxError(err, "Invalid key name.");
        return 1;
    }
    switch (command.operation) {
        case EOperation::kQuery:
            return RunQuery(*key, command, out, err);
        case EOperation::kAdd:
            return RunAdd(*key, command, out, err);
        case EOperation::kDelete:
            return RunDelete(*key, command, out, err);
        case EOperation::kGet:
        case EOperation::kInit:
            break;
    }
    return RunGet(*key, *command.strValueName, out, err);
}
