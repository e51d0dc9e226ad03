#include "screen_reader.h"

#include <atspi/atspi.h>
#include <chrono>
#include <stdexcept>

namespace veltrane::e2e {

namespace {

Node Own(AtspiAccessible* accessible) {
    return accessible != nullptr ? Node(accessible, [](void* a) { g_object_unref(a); }) : Node();
}

AtspiAccessible* Of(const Node& node) {
    return static_cast<AtspiAccessible*>(node.get());
}

// Takes a string the library hands over, and any error with it.
std::string Take(gchar* text, GError* error) {
    if (error != nullptr) {
        g_error_free(error);
    }
    std::string taken = text != nullptr ? text : "";
    g_free(text);
    return taken;
}

bool Has(const Node& node, AtspiStateType state) {
    AtspiStateSet* states = atspi_accessible_get_state_set(Of(node));
    const bool has = states != nullptr && atspi_state_set_contains(states, state);
    if (states != nullptr) {
        g_object_unref(states);
    }
    return has;
}

const char* const kEvents[] = {
    "object:property-change:accessible-description",
    "object:state-changed:selected",
};

} // namespace

ScreenReader::ScreenReader() {
    if (atspi_init() > 1) {
        throw std::runtime_error("the accessibility bus cannot be reached");
    }
    // A busy machine may take a while to answer; a Press that waits for a window to close
    // would still outlast this by far.
    atspi_set_timeout(8000, 20000);
    AtspiEventListener* listener = atspi_event_listener_new(
        reinterpret_cast<AtspiEventListenerCB>(&ScreenReader::record), this, nullptr);
    for (const char* event : kEvents) {
        atspi_event_listener_register(listener, event, nullptr);
    }
    listener_ = listener;
}

ScreenReader::~ScreenReader() {
    auto* listener = static_cast<AtspiEventListener*>(listener_);
    for (const char* event : kEvents) {
        atspi_event_listener_deregister(listener, event, nullptr);
    }
    g_object_unref(listener);
    told_.clear();
}

void ScreenReader::record(void* event, void* self) {
    auto* e = static_cast<AtspiEvent*>(event);
    auto* reader = static_cast<ScreenReader*>(self);
    Told told;
    told.type = e->type != nullptr ? e->type : "";
    told.detail = e->detail1;
    if (e->source != nullptr) {
        told.object = Own(static_cast<AtspiAccessible*>(g_object_ref(e->source)));
        told.source = Take(atspi_accessible_get_name(e->source, nullptr), nullptr);
    }
    if (G_VALUE_HOLDS_STRING(&e->any_data)) {
        const gchar* text = g_value_get_string(&e->any_data);
        told.text = text != nullptr ? text : "";
    }
    reader->told_.push_back(std::move(told));
    g_boxed_free(atspi_event_get_type(), e);
}

bool ScreenReader::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        // Wakes for the next message from the bus, or after a short while to look again.
        const guint wake = g_timeout_add(
            20, [](gpointer) -> gboolean { return G_SOURCE_REMOVE; }, nullptr);
        g_main_context_iteration(nullptr, TRUE);
        if (GSource* source = g_main_context_find_source_by_id(nullptr, wake)) {
            g_source_destroy(source);
        }
    }
    return true;
}

std::optional<Node> ScreenReader::waitForApplication(long pid, int timeoutMs) {
    std::optional<Node> found;
    waitUntil(
        [&] {
            const Node desktop = Own(atspi_get_desktop(0));
            const gint count = atspi_accessible_get_child_count(Of(desktop), nullptr);
            for (gint i = 0; i < count && !found; ++i) {
                const Node app = Own(atspi_accessible_get_child_at_index(Of(desktop), i, nullptr));
                if (app && atspi_accessible_get_process_id(Of(app), nullptr) == pid) {
                    // Every read asks the application, so what it says is never stale.
                    atspi_accessible_set_cache_mask(Of(app), ATSPI_CACHE_NONE);
                    found = app;
                }
            }
            return found.has_value();
        },
        timeoutMs);
    return found;
}

namespace {

void Collect(ScreenReader& reader, const Node& node, const std::string& role,
             const std::string& name, bool showingOnly, bool firstOnly, std::vector<Node>& into,
             int depth) {
    if (depth > 20 || (firstOnly && !into.empty())) {
        return;
    }
    const gint count = atspi_accessible_get_child_count(Of(node), nullptr);
    for (gint i = 0; i < count; ++i) {
        const Node child = Own(atspi_accessible_get_child_at_index(Of(node), i, nullptr));
        if (!child) {
            continue;
        }
        if (reader.role(child) == role && (name.empty() || reader.name(child) == name) &&
            (!showingOnly || reader.showing(child))) {
            into.push_back(child);
            if (firstOnly) {
                return;
            }
        }
        Collect(reader, child, role, name, showingOnly, firstOnly, into, depth + 1);
        if (firstOnly && !into.empty()) {
            return;
        }
    }
}

} // namespace

std::optional<Node> ScreenReader::waitFor(const Node& root, const std::string& role,
                                          const std::string& name, int timeoutMs,
                                          bool showingOnly) {
    std::vector<Node> found;
    waitUntil(
        [&] {
            Collect(*this, root, role, name, showingOnly, true, found, 0);
            return !found.empty();
        },
        timeoutMs);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

std::vector<Node> ScreenReader::all(const Node& root, const std::string& role) {
    std::vector<Node> found;
    Collect(*this, root, role, {}, false, false, found, 0);
    return found;
}

std::string ScreenReader::name(const Node& node) {
    GError* error = nullptr;
    gchar* text = atspi_accessible_get_name(Of(node), &error);
    return Take(text, error);
}

std::string ScreenReader::description(const Node& node) {
    GError* error = nullptr;
    gchar* text = atspi_accessible_get_description(Of(node), &error);
    return Take(text, error);
}

std::string ScreenReader::text(const Node& node) {
    AtspiText* text = atspi_accessible_get_text_iface(Of(node));
    if (text == nullptr) {
        return {};
    }
    GError* error = nullptr;
    gchar* all = atspi_text_get_text(text, 0, -1, &error);
    g_object_unref(text);
    return Take(all, error);
}

std::string ScreenReader::role(const Node& node) {
    GError* error = nullptr;
    gchar* text = atspi_accessible_get_role_name(Of(node), &error);
    return Take(text, error);
}

std::vector<std::string> ScreenReader::actions(const Node& node) {
    std::vector<std::string> names;
    AtspiAction* action = atspi_accessible_get_action_iface(Of(node));
    if (action == nullptr) {
        return names;
    }
    const gint count = atspi_action_get_n_actions(action, nullptr);
    for (gint i = 0; i < count; ++i) {
        GError* error = nullptr;
        names.push_back(Take(atspi_action_get_action_name(action, i, &error), error));
    }
    g_object_unref(action);
    return names;
}

bool ScreenReader::selected(const Node& node) {
    return Has(node, ATSPI_STATE_SELECTED);
}

bool ScreenReader::showing(const Node& node) {
    return Has(node, ATSPI_STATE_SHOWING);
}

QRect ScreenReader::extents(const Node& node) {
    QRect extents;
    AtspiComponent* component = atspi_accessible_get_component_iface(Of(node));
    if (component == nullptr) {
        return extents;
    }
    if (AtspiRect* rect =
            atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr)) {
        extents = QRect(rect->x, rect->y, rect->width, rect->height);
        g_boxed_free(atspi_rect_get_type(), rect);
    }
    g_object_unref(component);
    return extents;
}

bool ScreenReader::press(const Node& node) {
    const std::vector<std::string> names = actions(node);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] != "Press") {
            continue;
        }
        AtspiAction* action = atspi_accessible_get_action_iface(Of(node));
        GError* error = nullptr;
        const gboolean done = atspi_action_do_action(action, static_cast<gint>(i), &error);
        g_object_unref(action);
        if (error != nullptr) {
            g_error_free(error);
            return false;
        }
        return done != FALSE;
    }
    return false;
}

} // namespace veltrane::e2e
