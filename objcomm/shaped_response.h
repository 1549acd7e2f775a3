#pragma once
// The card-station responses that differ from others of their shape only in data: a
// profile constant holds the data, and its type names the shape (the base class) that a
// CShaped class of it derives from, so such a class takes one line:
//     struct CRspEjectCard : CShaped<kEjectCard> { using CShaped::CShaped; };
#include <type_traits>

#include "objcomm/field_list_response.h"
#include "objcomm/text_table.h"

class CNoFieldsResponse;
class CDestinationResponse;

// Who a response is: its sub-command and the display name that opens its describe list.
struct CResponseProfile {
    using Shape = CNoFieldsResponse;
    int nSubCommand;
    const char* pszDisplayName;
};

// A response that carries nothing; payload bytes, if any, are left unread.
class CNoFieldsResponse : public CPassThroughFieldResponse {
public:
    void VisitFields(CFieldVisitor&) override {}

protected:
    CNoFieldsResponse(const CResponseProfile& profile, DWORD dwContext)
        : CPassThroughFieldResponse(profile.nSubCommand, profile.pszDisplayName, dwContext) {}
};

// Who a response is, and its texts for the destination byte that opens its payload.
struct CDestinationProfile : CResponseProfile {
    using Shape = CDestinationResponse;
    CTextTable destinations;
};

// Most card-station responses begin with the destination.
class CDestinationResponse : public CPassThroughFieldResponse {
public:
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nDestination = 0;

protected:
    CDestinationResponse(const CDestinationProfile& profile, DWORD dwContext);

private:
    const CTextTable m_destinations;
};

// The one class of a profile. It is the most derived class, so it reads the fields.
template <const auto& kProfile>
class CShaped : public std::remove_cvref_t<decltype(kProfile)>::Shape {
    using Shape = typename std::remove_cvref_t<decltype(kProfile)>::Shape;

public:
    static constexpr int kSubCommand = kProfile.nSubCommand;

    CShaped(CInBinaryString& payload, DWORD dwContext) : Shape(kProfile, dwContext) {
        ReadFields(*this, payload);
    }
};
