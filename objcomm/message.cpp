#include "objcomm/message.h"

#include "objcomm/frame_codes.h"

void CObjCommMessage::BuildPacket(COutBinaryString& out, WORD wTag, const CString& strIdentifier,
                                  BOOL bLongLength) {
    COutBinaryString body;
    const int nCommand = GetCommand();
    if (nCommand == kPassThrough) {
        body.AppendByte(static_cast<BYTE>(GetSubCommand())).AppendWord(wTag);
    }
    body.AppendBytes(GetData().GetBytes());

    out.Clear();
    if (bLongLength) {
        out.AppendByte(0x02).SetPrefix(-1).AppendString(strIdentifier);
        out.AppendByte(static_cast<BYTE>(nCommand)).SetPrefix(-4).AppendBytes(body.GetBytes());
    } else if (HasHeader()) {
        out.AppendByte(0x00).SetPrefix(-1).AppendString(strIdentifier);
        out.AppendByte(static_cast<BYTE>(nCommand)).SetPrefix(-2).AppendBytes(body.GetBytes());
    } else {
        out.AppendByte(static_cast<BYTE>(nCommand)).SetPrefix(-2).AppendBytes(body.GetBytes());
    }
    out.AppendChecksum();
}
