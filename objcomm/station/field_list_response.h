#pragma once
#include <vector>

#include "objcomm/station/field_kinds.h"
#include "objcomm/station/pass_through_response.h"

// Who a response is: its sub-command and the display name that opens its describe list.
struct CResponseSpec {
    int nSubCommand;
    const char* pszDisplayName;
};

// A pass-through response whose payload is a plain run of fields. Its fields are members of
// the CField kinds, declared in payload order; they read themselves while the response is
// constructed, and Describe and GetData walk them in the same order.
class CFieldListResponse : public CPassThroughResponse {
public:
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

protected:
    CFieldListResponse(CInBinaryString& payload, DWORD dwContext, const CResponseSpec& spec);

private:
    friend class CField;

    // The reader the fields take their bytes from; valid only while the response is being
    // constructed, which is the only time a field reads.
    CInBinaryString* const m_pPayload;
    std::vector<CField*> m_fields;
    const char* const m_pszDisplayName;
};

// Who a response is, and what it calls the destination byte that opens its payload.
struct CDestinationSpec {
    int nSubCommand;
    const char* pszDisplayName;
    CTextTable destinations;
};

// Most card-station responses begin with the destination.
class CDestinationResponse : public CFieldListResponse {
public:
    CValueField<int> m_nDestination;

protected:
    CDestinationResponse(CInBinaryString& payload, DWORD dwContext, const CDestinationSpec& spec);
};

// A response class that differs from others of its shape only in data. TShape owns the
// fields; kSpec (a constant of the spec type TShape takes) names the class and its texts.
template <typename TShape, const auto& kSpec>
class CShapedResponse final : public TShape {
public:
    CShapedResponse(CInBinaryString& payload, DWORD dwContext)
        : TShape(payload, dwContext, kSpec) {}
};
