#pragma once
// The counted command lists of the bulk responses. The array shares each command through
// CRCPtr, so copies of an element never copy a command; the last holder frees it.
#include <algorithm>
#include <utility>

#include "objcomm/describe.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "objcomm/rc_ptr.h"
#include "platform/format.h"

// Reads the two-byte count, then that many commands, each a TCommand(args...) made in its
// holder's block, in its place in the array. A record takes at least nSmallestRecord bytes;
// the count is only the sender's claim, so the array is never sized past what the bytes left
// could hold. When a command fails to read, the ones already added go with the array as the
// response unwinds.
template <typename TCommand, typename... Args>
void ReadCommands(CInBinaryString& in, size_t nSmallestRecord, CArray<CRCPtr<TCommand>>& commands,
                  Args&... args) {
    const WORD nCount = in.ReadWord();
    commands.reserve(std::min<size_t>(nCount, in.GetRemaining() / nSmallestRecord));
    for (WORD i = 0; i < nCount; ++i) commands.emplace_back(std::in_place, args...);
}

// The count, always two bytes, then each command's record.
template <typename TCommand>
void WriteCommands(const CArray<CRCPtr<TCommand>>& commands, COutBinaryString& out) {
    out.AppendWord(static_cast<WORD>(commands.size()));
    for (const CRCPtr<TCommand>& command : commands) command->Encode(out);
}

// "Number of Commands", then every command's own list, whole and in order.
template <typename TCommand>
void DescribeCommands(const CArray<CRCPtr<TCommand>>& commands, CStringArray& list) {
    AddPair(list, "Number of Commands", FormatText("%d", static_cast<int>(commands.size())));
    for (const CRCPtr<TCommand>& command : commands) {
        const CStringArray& own = command->Describe();
        list.insert(list.end(), own.begin(), own.end());
    }
}
