#pragma once
// Every window derives its outer size from a fixed client size in pixels, plus one pixel, and
// centres itself on the screen while it loads. The arithmetic follows the classic frame model
// of a captioned window and carries lengths through twips (1440 to the logical inch), so each
// window keeps the same size in pixels at any display resolution.

#include <cstdint>

class QWidget;

namespace veltrane::platform {

enum class FrameKind { FixedSingle, ToolWindow };

struct WindowSpec {
    int clientWidth;
    int clientHeight;
    bool menuAllowance;
    FrameKind frame;
};

// The classic frame: a thin fixed border, a normal title bar, a menu bar; tool windows have
// a small title bar.
inline constexpr int kBorder = 3;
inline constexpr int kCaption = 19;
inline constexpr int kMenuBar = 19;
inline constexpr int kSmallCaption = 15;

struct PixelRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// Widens a client rectangle to the outer rectangle of a window with a normal title bar and a
// thin fixed border, with or without a menu bar.
PixelRect AdjustWindowRect(PixelRect rect, bool menu);

struct Placement {
    float widthTwips;
    float heightTwips;
    float leftTwips;
    float topTwips;
    int outerWidth; // pixels
    int outerHeight;
    int left; // pixels on the desktop, may lie off the screen: there is no clamping
    int top;
    int clientWidth; // the client area the window's own frame kind leaves inside the outer size
    int clientHeight;
};

// The whole rule for one window: dpiX/dpiY are the display's logical pixels per inch, the
// screen's size and its top-left corner on the desktop are in pixels. The twips of the
// centring are counted from the screen's corner. A zero resolution is the run-time error
// "Division by zero".
Placement ComputePlacement(const WindowSpec& shape, double dpiX, double dpiY, int screenWidth,
                           int screenHeight, int screenLeft = 0, int screenTop = 0);

// Twips to whole pixels, as the window system places windows: nearest, halves to even.
int TwipsToPixels(double twips, double twipsPerPixel);

// 1440 / dpi rounded to the nearest whole number, halves to even.
int TwipsPerPixelRounded(double dpi);

// The real logical resolution of the window's display, the primary screen on which every
// window is sized and centred: Qt reports 96 and puts desktop scaling into the
// device pixel ratio, so both are multiplied back together.
double DisplayDpiX(const QWidget* window);
double DisplayDpiY(const QWidget* window);

// Applies the size part of the rule: the window gets the fixed client size its frame kind
// leaves inside the computed outer size. For a main window with a menu bar that is the
// central widget's size, below the menu bar.
void SizeWindow(QWidget* window, const WindowSpec& shape);
// Applies the centring part: the outer rectangle centred on the primary screen's full
// geometry, its origin included.
void CentreWindow(QWidget* window, const WindowSpec& shape);

} // namespace veltrane::platform
