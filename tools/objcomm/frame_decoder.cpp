#include "tools/objcomm/frame_decoder.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "objcomm/errors.h"

CDecodedFrame DecodeFrame(CInBinaryString& frame, DWORD dwContext) {
    CDecodedFrame decoded;
    try {
        decoded.response.reset(CObjCommResponse::Create(frame, &decoded.dwTag, dwContext));
    } catch (const CPassThruParseError&) {
        decoded.strError = "CPassThruParseError";
    } catch (const CPassThruChecksumError&) {
        decoded.strError = "CPassThruChecksumError";
    } catch (const CPassThruCmdUnknown&) {
        decoded.strError = "CPassThruCmdUnknown";
    } catch (const CPassThruSubCmdUnknown&) {
        decoded.strError = "CPassThruSubCmdUnknown";
    }
    return decoded;
}

CDecodedFrame DecodeFrame(const CByteArray& frame, DWORD dwContext) {
    CInBinaryString reader(frame);
    return DecodeFrame(reader, dwContext);
}

std::string ResponseClassName(const CObjCommResponse& response) {
    const char* mangled = typeid(response).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    return name;
}
