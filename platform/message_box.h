#pragma once
// Message boxes with the classic style numbers. Tests install a scripted answerer.
#include <QString>
#include <functional>

namespace platform {

inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Shows prompt with the application title as caption; returns the button pressed
// (vbOK, vbYes or vbNo). A lone CR in the prompt breaks the line.
int MsgBox(const QString& prompt, int style = vbOKOnly);

// The real box, whatever handler is installed (a handler may pass a prompt on to it).
int ShowMessageBox(const QString& prompt, int style = vbOKOnly);

using MsgBoxHandler = std::function<int(const QString& prompt, int style)>;
// Replaces the real boxes (tests); an empty handler restores them.
void setMsgBoxHandler(MsgBoxHandler handler);

} // namespace platform
