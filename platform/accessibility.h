#pragma once
// What an assistive technology (a screen reader, a switch device) reads and presses.
//
// A clickable picture or strip becomes a button or a link whose Press is the very click the
// mouse makes, run by the same handler inside the same error guard. The Press answers the
// assistive technology at once and the click runs from the event loop just after, as a mouse
// click does: a click that opens a modal window (Help, the win dialog) then never leaves the
// assistive technology waiting for the window to close. While a modal window is open, a Press
// on another window is ignored, as a mouse click there would be.

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

class QAction;

namespace veltrane::platform {

// Makes the program's own accessible objects known to Qt; calling it again does nothing.
void InstallAccessibility();

struct PressBehaviour {
    // Button or Link.
    QAccessible::Role role = QAccessible::Button;
    // The click, exactly as the mouse makes it.
    std::function<void()> press;
    // Whether the widget carries the selection mark; empty for a widget that never does.
    std::function<bool()> selected;
};

// Gives a widget the Press of an assistive technology. Call it right after making the widget,
// before anything has asked for the widget's accessible object.
void MakePressable(QWidget* widget, PressBehaviour behaviour);

// A menu item whose Press, too, runs from the event loop just after, not inside the call of
// the assistive technology. The mouse and the keyboard trigger it as before.
void MakePressLater(QAction* action);

// Sets the text that tells what the widget shows (its accessible description) and, only when
// it really changed and `tell` is true, tells the assistive technology, with the new text.
void SetDescription(QWidget* widget, const QString& description, bool tell = true);

// Says the words through the screen reader at once: news of what the last key on the focused
// widget did ("seven of hearts, waste: six of clubs"). Nothing is stored or shown; a screen
// reader says it for the widget that has the focus.
void Announce(QWidget* widget, const QString& words);

// A window made from a plain widget (the splash) is a window to a screen reader, which would
// otherwise take it for a layout filler and pass over it. Call it before the window is shown.
void MakeWindowAccessible(QWidget* window);

// A text that a picture shows, laid over the picture where the words are drawn: read by an
// assistive technology, invisible, and not in the way of the mouse.
QWidget* AddPictureText(QWidget* parent, const QRect& where, QAccessible::Role role,
                        const QString& text);

} // namespace veltrane::platform
