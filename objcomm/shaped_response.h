#pragma once
// The card-station responses that differ from others of their shape only in data: a
// profile constant holds the data, and its type names the shape (the base class) that a
// CShaped class of it derives from, so such a class takes one line:
//     struct CRspEjectCard : CShaped<kEjectCard> { using CShaped::CShaped; };
#include <type_traits>

#include "objcomm/export.h"
#include "objcomm/field_list_response.h"
#include "objcomm/text_table.h"

class CNoFieldsResponse;
class CDestinationResponse;

// Who a response is: its sub-command and the display name that opens its describe list.
struct OBJCOMM_API CResponseProfile {
    // The base class of the CShaped classes of such profiles.
    using Shape = CNoFieldsResponse;
    // The sub-command byte the class answers.
    int nSubCommand;
    // The text that opens the describe list.
    const char* pszDisplayName;
};

// A response that carries nothing; payload bytes, if any, are left unread.
class OBJCOMM_API CNoFieldsResponse : public CPassThroughFieldResponse {
public:
    // No fields.
    void VisitFields(CFieldVisitor&) override {}

protected:
    // The profile is the class's; the constructor reads nothing.
    CNoFieldsResponse(const CResponseProfile& profile, DWORD dwContext)
        : CPassThroughFieldResponse(profile.nSubCommand, profile.pszDisplayName, dwContext) {}
};

// Who a response is, and its texts for the destination byte that opens its payload.
struct OBJCOMM_API CDestinationProfile : CResponseProfile {
    // The base class of the CShaped classes of such profiles.
    using Shape = CDestinationResponse;
    // The destinations the class recognises, and its text for any other.
    CTextTable destinations;
};

// Most card-station responses begin with the destination.
class OBJCOMM_API CDestinationResponse : public CPassThroughFieldResponse {
public:
    // The destination byte.
    void VisitFields(CFieldVisitor& visitor) override;

    // The destination code, as the first byte of the payload gives it.
    int m_nDestination = 0;

protected:
    // The profile is the class's; the most derived class reads the fields.
    CDestinationResponse(const CDestinationProfile& profile, DWORD dwContext);

private:
    const CTextTable m_destinations;
};

// The one class of a profile. It is the most derived class, so it reads the fields.
template <const auto& kProfile>
class OBJCOMM_API CShaped : public std::remove_cvref_t<decltype(kProfile)>::Shape {
    using Shape = typename std::remove_cvref_t<decltype(kProfile)>::Shape;

public:
    // The sub-command byte the class answers, from its profile.
    static constexpr int kSubCommand = kProfile.nSubCommand;

    // Reads the response's fields from its payload; throws CInBinaryStringException when the
    // payload ends before a field does.
    CShaped(CInBinaryString& payload, DWORD dwContext) : Shape(kProfile, dwContext) {
        ReadFields(*this, payload);
    }
};
