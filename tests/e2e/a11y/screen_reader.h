#pragma once
// End-to-end test support: the game read and played as a screen reader does, through the
// desktop's accessibility bus (AT-SPI) and nothing else: no pointer, no keys.
//
// It finds an application by its process, walks its tree of accessible objects by role and
// name, reads names, descriptions and states, presses actions, and records the events the
// application tells: description changes with the text they carry, and changes of the selected
// state. Every wait is bounded and ends as soon as what it waits for has happened.
//
// Needs DBUS_SESSION_BUS_ADDRESS of a session whose bus can start the accessibility bus, and
// the application started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the same session.

#include <QRect>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltrane::e2e {

// One accessible object of the application (the library's object, held by reference).
using Node = std::shared_ptr<void>;

struct Told {
    std::string type;   // "object:property-change:accessible-description", ...
    std::string source; // the name of the object that told it
    std::string text;   // the text the event carries, if it carries one
    int detail = 0;     // 1 when a state came, 0 when it went
    Node object;
};

class ScreenReader {
  public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // The application of the process, once it has joined the accessibility bus.
    std::optional<Node> waitForApplication(long pid, int timeoutMs = 20000);

    // The first object under root (depth first) with the role and, unless empty, the name,
    // waiting up to timeoutMs; only objects that are showing count when showingOnly is true.
    std::optional<Node> waitFor(const Node& root, const std::string& role, const std::string& name,
                                int timeoutMs = 10000, bool showingOnly = true);
    // Every object under root with the role, showing or not.
    std::vector<Node> all(const Node& root, const std::string& role);

    std::string name(const Node& node);
    std::string description(const Node& node);
    // What a review of the screen reads of the object: its text, empty when it has none.
    std::string text(const Node& node);
    std::string role(const Node& node);
    std::vector<std::string> actions(const Node& node);
    bool selected(const Node& node);
    bool showing(const Node& node);
    QRect extents(const Node& node);

    // Runs the action named "Press" and returns whether the application answered without an
    // error (a call the application does not answer in time is an error).
    bool press(const Node& node);

    // The events told since the last clear, in order.
    const std::vector<Told>& told() const { return told_; }
    void clearTold() { told_.clear(); }

    // Lets the events in and checks the condition until it holds or the time is up.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

  private:
    static void record(void* event, void* self);
    std::vector<Told> told_;
    void* listener_ = nullptr;
};

} // namespace veltrane::e2e
