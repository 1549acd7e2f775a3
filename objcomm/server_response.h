#pragma once
#include "objcomm/export.h"
#include "objcomm/frame_codes.h"
#include "objcomm/response.h"

// Base of the answers of the server's own services: a fixed command and no sub-command.
class OBJCOMM_API CServerResponse : public CObjCommResponse {
public:
    // The command the class answers.
    int GetCommand() override { return m_nCommand; }
    // kNoSubCommand.
    int GetSubCommand() override { return kNoSubCommand; }

protected:
    // nCommand is the command byte of the class's frames.
    CServerResponse(int nCommand, DWORD dwContext)
        : CObjCommResponse(dwContext), m_nCommand(nCommand) {}

    // The list Describe fills and returns.
    CStringArray m_arrDescribe;

private:
    const int m_nCommand;
};
