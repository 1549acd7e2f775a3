#pragma once
#include "platform/types.h"

// Shows a message with the OK button only and the application title as caption, modal to
// the active window. Every message of the program goes through here.
void StationMessageBox(const CString& strText);

// While one of these lives, StationMessageBox appends its text here instead of showing a
// box, so that a test can read the messages and never waits on a modal.
class CMessageRecorder {
public:
    CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;
    ~CMessageRecorder();

    const CStringArray& GetTexts() const { return m_arrTexts; }

private:
    friend void StationMessageBox(const CString& strText);

    CStringArray m_arrTexts;
    CMessageRecorder* m_pOuter;
};
