#pragma once

#include <optional>
#include <string_view>

// What a Wayland compositor offers, asked before Qt connects to it. The program wants one
// answer only (whether the compositor draws title bars), so it speaks the few messages of the
// Wayland wire protocol that give it itself, rather than bringing in the client library's
// headers for them.

// How far a compositor's answer to get_registry (object 2) and sync (object 3) has come.
enum class GlobalsAnswer {
  kAdvertised,     // a wl_registry.global event names the interface
  kNotAdvertised,  // the sync's wl_callback.done came first
  kIncomplete,     // more bytes are needed
  kMalformed,      // not the messages of a Wayland compositor, or a protocol error
};

// Reads `events`, the bytes received so far, for a global named `interface`.
GlobalsAnswer ReadGlobals(std::string_view events, std::string_view interface);

// Whether the compositor at WAYLAND_DISPLAY (under XDG_RUNTIME_DIR) advertises the global
// `interface`; nothing when that cannot be known: no compositor there, a connection that Qt
// is handed in WAYLAND_SOCKET and that nobody else may use, or no answer within a moment.
std::optional<bool> CompositorAdvertises(std::string_view interface);
