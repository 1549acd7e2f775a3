#include "objcomm/describe_entries.h"

#include <algorithm>

std::vector<CDescribeEntry> DescribeEntries(const CStringArray& list, const CArray<int>& lone) {
    std::vector<CDescribeEntry> entries;
    for (size_t i = 0; i < list.size();) {
        CDescribeEntry& entry = entries.emplace_back();
        entry.strLabel = list[i];
        entry.bAlone = i + 1 == list.size() ||
                       std::find(lone.begin(), lone.end(), static_cast<int>(i)) != lone.end();
        if (!entry.bAlone) entry.strValue = list[i + 1];
        i += entry.bAlone ? 1 : 2;
    }
    return entries;
}
