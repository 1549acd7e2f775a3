#pragma once
#include <type_traits>

#include "objcomm/station/field_kinds.h"
#include "objcomm/station/field_list.h"
#include "objcomm/station/pass_through_response.h"

class CFieldListResponse;
class CDestinationResponse;

// Who a response is: its sub-command and the display name that opens its describe list.
// Each profile type names the shape (the base class) that a CShaped class of it derives from.
struct CResponseProfile {
    using Shape = CFieldListResponse;
    int nSubCommand;
    const char* pszDisplayName;
};

// A pass-through response whose payload is a plain run of fields. Its fields are members of
// the CField kinds, declared in payload order; they read themselves while the response is
// constructed, and Describe and GetData walk them in the same order.
class CFieldListResponse : public CPassThroughResponse, public CFieldList {
public:
    CStringArray& Describe() override;
    COutBinaryString GetData() override;
    CArray<int> GetLoneEntries() override { return m_arrLoneEntries; }

protected:
    CFieldListResponse(CInBinaryString& payload, DWORD dwContext, const CResponseProfile& profile);

private:
    const char* const m_pszDisplayName;
    CArray<int> m_arrLoneEntries;
};

// Who a response is, and what it calls the destination byte that opens its payload.
struct CDestinationProfile {
    using Shape = CDestinationResponse;
    int nSubCommand;
    const char* pszDisplayName;
    CTextTable destinations;
};

// Most card-station responses begin with the destination.
class CDestinationResponse : public CFieldListResponse {
public:
    CValueField<int> m_nDestination;

protected:
    CDestinationResponse(CInBinaryString& payload, DWORD dwContext,
                         const CDestinationProfile& profile);
};

// The base of a class that differs from the others of its shape only in data. kProfile is a
// constant whose type names the shape and which tells it the class's sub-command, display
// name and texts, so such a class takes one line:
//     struct CRspEjectCard : CShaped<kEjectCard> { using CShaped::CShaped; };
template <const auto& kProfile>
class CShaped : public std::remove_cvref_t<decltype(kProfile)>::Shape {
    using Shape = typename std::remove_cvref_t<decltype(kProfile)>::Shape;

public:
    CShaped(CInBinaryString& payload, DWORD dwContext) : Shape(payload, dwContext, kProfile) {}
};
