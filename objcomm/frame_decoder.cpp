#include "objcomm/frame_decoder.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "objcomm/errors.h"

CDecodedFrame DecodeFrame(CInBinaryString& frame, DWORD dwContext) {
    CDecodedFrame decoded;
    try {
        decoded.response.reset(CObjCommResponse::Create(frame, &decoded.dwTag, dwContext));
    } catch (const CPassThruFormatError& error) {
        decoded.strError = ClassName(typeid(error));
    }
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
