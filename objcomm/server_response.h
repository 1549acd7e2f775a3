#pragma once
#include "objcomm/response.h"

// Base of the answers of the server's own services: a fixed command and no sub-command.
class CServerResponse : public CObjCommResponse {
public:
    CServerResponse(int nCommand, DWORD dwContext)
        : CObjCommResponse(dwContext), m_nCommand(nCommand) {}

    int GetCommand() override { return m_nCommand; }
    int GetSubCommand() override { return -1; }

protected:
    CStringArray m_arrDescribe;

private:
    const int m_nCommand;
};
