#include "tools/stationreg/outcome.h"

#include <ostream>

#include "platform/format.h"
#include "tools/stationreg/confirm.h"
#include "tools/stationreg/messages.h"

int Fail(std::ostream& err, const CString& strMessage) {
    err << strMessage << "\n";
    return 1;
}

int Report(LONG lResult, std::ostream& out, std::ostream& err) {
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    out << kSuccessMessage << "\n";
    return 0;
}

std::optional<int> Refusal(const CString& strQuestion, const CString& strAction,
                           std::ostream& err) {
    switch (Confirm(strQuestion)) {
        case EConfirm::kYes:
            return std::nullopt;
        case EConfirm::kNo:
            return Fail(err, kCanceledMessage);
        case EConfirm::kNoTerminal:
            break;
    }
    return Fail(err, FormatText("ERROR: There is no terminal to confirm on; add /f to %s.",
                                strAction.c_str()));
}
