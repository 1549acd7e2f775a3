#include "tools/objcomm/frame_decoder.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "objcomm/errors.h"

CDecodedFrame CatchFormatErrors(const std::function<CObjCommResponse*()>& create) {
    CDecodedFrame decoded;
    try {
        decoded.response.reset(create());
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

CDecodedFrame DecodeFrame(CInBinaryString& frame, DWORD dwContext) {
    DWORD dwTag = 0;
    CDecodedFrame decoded =
        CatchFormatErrors([&] { return CObjCommResponse::Create(frame, &dwTag, dwContext); });
    decoded.dwTag = dwTag;
    return decoded;
}

std::string ResponseClassName(const CObjCommResponse& response) {
    return ClassName(typeid(response));
}

std::string ClassName(const std::type_info& type) {
    const char* mangled = type.name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    return name;
}
