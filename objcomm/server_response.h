#pragma once
#include "objcomm/frame_codes.h"
#include "objcomm/response.h"

// Base of the answers of the server's own services: a fixed command and no sub-command.
class CServerResponse : public CObjCommResponse {
public:
    int GetCommand() override { return m_nCommand; }
    int GetSubCommand() override { return kNoSubCommand; }

protected:
    CServerResponse(int nCommand, DWORD dwContext)
        : CObjCommResponse(dwContext), m_nCommand(nCommand) {}

    CStringArray m_arrDescribe;

private:
    const int m_nCommand;
};
