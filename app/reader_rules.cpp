#include "app/reader_rules.h"

#include "app/station_strings.h"

const char* BrokenReaderRule(const CString& strReaderId, const CString& strPiccReaderId,
                             const CString& strExtReaderId) {
    if (strReaderId == kNoReader && strPiccReaderId == kNoReader) {
        return kMsgNoProgrammingStation;
    }
    if (strPiccReaderId == strReaderId) return kMsgSameStationReader;
    if (strExtReaderId != kNoReader &&
        (strExtReaderId == strReaderId || strExtReaderId == strPiccReaderId)) {
        return kMsgSameKeyStationReader;
    }
    return nullptr;
}
