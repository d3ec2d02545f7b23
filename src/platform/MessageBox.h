#pragma once
// Modal message boxes of the five kinds the program uses. The text is shown
// exactly as given, its own line breaks included.
#include <QString>

namespace vel {

enum class MsgKind {
    Warning,       // warning icon, OK and Cancel (the answer is not used)
    Error,         // error icon, OK and Cancel (the answer is not used)
    Information,   // information icon, OK and Cancel (the answer is not used)
    Confirmation,  // question icon, Yes and No
    Plain,         // no icon, OK alone
};

enum class MsgButton { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MsgButton Show(MsgKind kind, const QString &text) = 0;
};

// Shows a box through the service in use (the real one unless a test put a
// script in its place).
MsgButton MessageDlg(MsgKind kind, const QString &text);
// The plain box for short notices.
void ShowMessage(const QString &text);
// nullptr restores the real boxes; the caller keeps ownership.
void SetMessageService(MessageService *service);

}  // namespace vel
