#pragma once
// The program's own message box: the text, one OK button, no icon anywhere, titled "Veltrane".
// It is application-modal, belongs to the window it blocks (Help, the board, the splash), and
// returns when the player presses OK.

#include <QString>

class QWidget;

namespace veltrane::platform {

inline constexpr const char* kAppTitle = "Veltrane";

void MsgBox(const QString& text);

// Gives a window no icon: an empty icon would fall back to the application's.
void ClearWindowIcon(QWidget* window);

} // namespace veltrane::platform
