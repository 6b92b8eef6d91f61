#include "winsys/wayland_globals.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The objects of the exchange: the display is always 1; the registry and the sync callback
// take the next free identifiers.
constexpr std::uint32_t kDisplay = 1;
constexpr std::uint32_t kRegistry = 2;
constexpr std::uint32_t kCallback = 3;
constexpr std::uint32_t kGetRegistry = 1;
constexpr std::uint32_t kSync = 0;
constexpr std::uint32_t kGlobalEvent = 0;
constexpr std::uint32_t kDoneEvent = 0;
constexpr std::uint32_t kErrorEvent = 0;
constexpr std::size_t kHeaderSize = 8;
// A compositor names a few dozen globals; an answer much longer than that is no answer.
constexpr std::size_t kLongestAnswer = 1 << 16;
constexpr auto kPatience = std::chrono::milliseconds(500);

// Words travel in the machine's own byte order: client and compositor share the machine.
std::uint32_t WordAt(std::string_view bytes, std::size_t offset) {
  std::uint32_t word;
  std::memcpy(&word, bytes.data() + offset, sizeof word);
  return word;
}

// The interface name of a wl_registry.global event's `arguments`: its name (a word), then the
// string (a length that counts the closing NUL, the bytes, padding to a whole word), then the
// version. Nothing if the arguments do not hold that.
std::optional<std::string_view> GlobalInterface(std::string_view arguments) {
  if (arguments.size() < 8)
    return std::nullopt;
  const std::uint32_t length = WordAt(arguments, 4);
  if (length == 0 || length > arguments.size() - 8 || arguments[8 + length - 1] != '\0')
    return std::nullopt;
  return arguments.substr(8, length - 1);
}

std::optional<std::string> SocketPath() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  const std::string display = name && *name ? name : "wayland-0";
  if (display.front() == '/')
    return display;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || !*runtime)
    return std::nullopt;
  return std::string(runtime) + "/" + display;
}

// Closes the descriptor on every way out.
struct Socket {
  int fd;
  ~Socket() {
    if (fd >= 0)
      close(fd);
  }
};

std::array<std::uint32_t, 6> Requests() {
  constexpr std::uint32_t kSizeOfNewIdRequest = (kHeaderSize + 4) << 16;
  return {kDisplay, kSizeOfNewIdRequest | kGetRegistry, kRegistry,
          kDisplay, kSizeOfNewIdRequest | kSync,        kCallback};
}

}  // namespace

GlobalsAnswer ReadGlobals(std::string_view events, std::string_view interface) {
  std::size_t offset = 0;
  while (events.size() - offset >= kHeaderSize) {
    const std::uint32_t sender = WordAt(events, offset);
    const std::uint32_t sizeAndOpcode = WordAt(events, offset + 4);
    const std::size_t size = sizeAndOpcode >> 16;
    const std::uint32_t opcode = sizeAndOpcode & 0xffff;
    if (size < kHeaderSize || size % 4 != 0)
      return GlobalsAnswer::kMalformed;
    if (events.size() - offset < size)
      return GlobalsAnswer::kIncomplete;
    const std::string_view arguments = events.substr(offset + kHeaderSize, size - kHeaderSize);
    if (sender == kDisplay && opcode == kErrorEvent)
      return GlobalsAnswer::kMalformed;
    if (sender == kCallback && opcode == kDoneEvent)
      return GlobalsAnswer::kNotAdvertised;
    if (sender == kRegistry && opcode == kGlobalEvent) {
      const std::optional<std::string_view> name = GlobalInterface(arguments);
      if (!name)
        return GlobalsAnswer::kMalformed;
      if (*name == interface)
        return GlobalsAnswer::kAdvertised;
    }
    offset += size;
  }
  return GlobalsAnswer::kIncomplete;
}

std::optional<bool> CompositorAdvertises(std::string_view interface) {
  if (std::getenv("WAYLAND_SOCKET"))
    return std::nullopt;
  const std::optional<std::string> path = SocketPath();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (!path || path->size() >= sizeof address.sun_path)
    return std::nullopt;
  std::memcpy(address.sun_path, path->c_str(), path->size() + 1);
  const Socket socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
  if (socket.fd < 0 ||
      connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return std::nullopt;
  const auto requests = Requests();
  if (send(socket.fd, requests.data(), sizeof requests, MSG_NOSIGNAL) !=
      static_cast<ssize_t>(sizeof requests))
    return std::nullopt;

  std::string events;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (events.size() < kLongestAnswer) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd readable{socket.fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0)
      return std::nullopt;
    std::array<char, 4096> chunk;
    const ssize_t received = recv(socket.fd, chunk.data(), chunk.size(), 0);
    if (received <= 0)
      return std::nullopt;
    events.append(chunk.data(), static_cast<std::size_t>(received));
    switch (ReadGlobals(events, interface)) {
      case GlobalsAnswer::kAdvertised:
        return true;
      case GlobalsAnswer::kNotAdvertised:
        return false;
      case GlobalsAnswer::kMalformed:
        return std::nullopt;
      case GlobalsAnswer::kIncomplete:
        break;
    }
  }
  return std::nullopt;
}
