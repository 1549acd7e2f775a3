#include "objcomm/message.h"

#include "objcomm/frame_codes.h"
#include "objcomm/length_prefix.h"

void CObjCommMessage::BuildPacket(COutBinaryString& out, WORD wTag, const CString& strIdentifier,
                                  BOOL bLongLength) {
    COutBinaryString body;
    const int nCommand = GetCommand();
    if (nCommand == kPassThrough) {
        body.AppendByte(static_cast<BYTE>(GetSubCommand())).AppendWord(wTag);
    }
    body.AppendBytes(GetData().GetBytes());

    out.Clear();
    const bool bLongForm = bLongLength || HasHeader();
    if (bLongForm) {
        out.AppendByte(bLongLength ? kLongForm32 : kLongForm16);
        out.SetPrefix(kCountByte).AppendString(strIdentifier);
    }
    out.AppendByte(static_cast<BYTE>(nCommand));
    out.SetPrefix(bLongLength ? kCountDWord : kCountWord).AppendBytes(body.GetBytes());
    out.AppendChecksum();
}
