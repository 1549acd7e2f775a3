// decode-frame HEX: decodes one whole Object Communicator frame with the response factory
// and prints the response's describe list, one entry a line. Exit status: 0 decoded, 1 the
// factory rejected the frame, 2 usage or bad hex.
#include <objcomm/errors.h>
#include <objcomm/hex.h>
#include <objcomm/in_binary_string.h>
#include <objcomm/response.h>

#include <cstdio>
#include <memory>

static int Reject(const char* pszWhy) {
    std::fprintf(stderr, "decode-frame: the frame was rejected: %s\n", pszWhy);
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: decode-frame HEX\n");
        return 2;
    }
    CByteArray bytes;
    CString strError;
    if (!ParseHexBytes(argv[1], bytes, &strError)) {
        std::fprintf(stderr, "decode-frame: %s\n", strError.c_str());
        return 2;
    }

    CInBinaryString frame(std::move(bytes));
    DWORD dwTag = 0;
    std::unique_ptr<CObjCommResponse> response;
    try {
        response.reset(CObjCommResponse::Create(frame, &dwTag, 0));
    } catch (const CPassThruChecksumError&) {
        return Reject("its checksum does not match");
    } catch (const CPassThruCmdUnknown&) {
        return Reject("its command is unknown");
    } catch (const CPassThruSubCmdUnknown&) {
        return Reject("its sub-command is unknown");
    } catch (const CPassThruFormatError&) {
        return Reject("it is malformed");
    } catch (const CInBinaryStringException&) {
        return Reject("it ends early");
    }
    for (const CString& entry : response->Describe()) std::printf("%s\n", entry.c_str());
    return 0;
}
