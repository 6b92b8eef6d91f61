#include "winsys/wayland_globals.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uint32_t kDisplay = 1, kRegistry = 2, kCallback = 3;

void AppendWord(std::string& bytes, std::uint32_t word) {
  bytes.append(reinterpret_cast<const char*>(&word), sizeof word);
}

// A message as the compositor sends it: sender, size and opcode, then the arguments.
std::string Message(std::uint32_t sender, std::uint32_t opcode, const std::string& arguments) {
  std::string bytes;
  AppendWord(bytes, sender);
  AppendWord(bytes, static_cast<std::uint32_t>((8 + arguments.size()) << 16 | opcode));
  return bytes + arguments;
}

// wl_registry.global: name, interface string (length with its NUL, padded to a word), version.
std::string Global(const std::string& interface) {
  std::string arguments;
  AppendWord(arguments, 7);
  AppendWord(arguments, static_cast<std::uint32_t>(interface.size() + 1));
  arguments += interface;
  arguments.append(4 - interface.size() % 4, '\0');
  AppendWord(arguments, 1);
  return Message(kRegistry, 0, arguments);
}

std::string Done() {
  std::string serial;
  AppendWord(serial, 0);
  return Message(kCallback, 0, serial);
}

constexpr const char* kDecorations = "zxdg_decoration_manager_v1";

TEST(WaylandGlobals, ReadsTheCompositorsAnswer) {
  std::string lengthPastTheEnd;
  AppendWord(lengthPastTheEnd, 7);
  AppendWord(lengthPastTheEnd, 64);
  std::string noClosingNul;
  AppendWord(noClosingNul, 7);
  AppendWord(noClosingNul, 4);
  noClosingNul += "abcd";
  const std::string full = Global("wl_compositor") + Global(kDecorations);
  struct Case {
    const char* what;
    std::string events;
    GlobalsAnswer expected;
  };
  const std::vector<Case> cases = {
      {"nothing yet", "", GlobalsAnswer::kIncomplete},
      {"the interface among others", full + Done(), GlobalsAnswer::kAdvertised},
      {"the interface before the rest came", Global(kDecorations), GlobalsAnswer::kAdvertised},
      {"done without it", Global("wl_compositor") + Global("xdg_wm_base") + Done(),
       GlobalsAnswer::kNotAdvertised},
      {"a longer name that starts with it", Global(std::string(kDecorations) + "x") + Done(),
       GlobalsAnswer::kNotAdvertised},
      {"half a header", full.substr(0, 4), GlobalsAnswer::kIncomplete},
      {"half a message", Global("wl_compositor").substr(0, 13), GlobalsAnswer::kIncomplete},
      {"a size below a header", Message(kRegistry, 0, "").substr(0, 4) + std::string("\0\0\4\0", 4),
       GlobalsAnswer::kMalformed},
      {"a size that is no whole word", Message(kRegistry, 0, "abc"), GlobalsAnswer::kMalformed},
      {"a protocol error", Message(kDisplay, 0, std::string(12, '\0')), GlobalsAnswer::kMalformed},
      {"a string longer than its message", Message(kRegistry, 0, lengthPastTheEnd),
       GlobalsAnswer::kMalformed},
      {"a string without its NUL", Message(kRegistry, 0, noClosingNul), GlobalsAnswer::kMalformed},
      {"other objects' events are passed over", Message(9, 0, "abcd") + Done(),
       GlobalsAnswer::kNotAdvertised},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadGlobals(c.events, kDecorations), c.expected) << c.what;
}

// A compositor of one answer on a socket of its own, in a scratch runtime directory.
class FakeCompositor : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Saved& saved : saved_) {
      const char* value = std::getenv(saved.name);
      saved.value = value ? std::optional<std::string>(value) : std::nullopt;
    }
    char pattern[] = "/tmp/quillet-wayland-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir_ + "/wayland-test";
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener_, 1), 0);
    setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    setenv("WAYLAND_DISPLAY", "wayland-test", 1);
    unsetenv("WAYLAND_SOCKET");
  }
  void TearDown() override {
    if (server_.joinable())
      server_.join();
    close(listener_);
    std::filesystem::remove_all(dir_);
    // The other tests of this program run in the environment they were started in.
    for (const Saved& saved : saved_) {
      if (saved.value)
        setenv(saved.name, saved.value->c_str(), 1);
      else
        unsetenv(saved.name);
    }
  }
  // Answers the one connection: reads the client's 24 bytes of requests, then sends `answer`.
  void Answer(std::string answer) {
    server_ = std::thread([this, answer] {
      const int client = accept(listener_, nullptr, nullptr);
      char requests[24];
      requests_ = recv(client, requests, sizeof requests, MSG_WAITALL);
      send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
      close(client);
    });
  }
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  };
  Saved saved_[3] = {{"XDG_RUNTIME_DIR", {}}, {"WAYLAND_DISPLAY", {}}, {"WAYLAND_SOCKET", {}}};
  std::string dir_;
  int listener_ = -1;
  std::thread server_;
  ssize_t requests_ = 0;
};

TEST_F(FakeCompositor, AsksAndReadsTheAnswer) {
  Answer(Global("wl_compositor") + Global(kDecorations) + Done());
  EXPECT_EQ(CompositorAdvertises(kDecorations), std::optional<bool>(true));
  server_.join();
  EXPECT_EQ(requests_, 24);
}

TEST_F(FakeCompositor, KnowsWhenTheInterfaceIsMissing) {
  Answer(Global("wl_compositor") + Done());
  EXPECT_EQ(CompositorAdvertises(kDecorations), std::optional<bool>(false));
}

TEST_F(FakeCompositor, KnowsNothingFromAnAnswerCutShortOrNoCompositor) {
  Answer(Global("wl_compositor").substr(0, 10));
  EXPECT_EQ(CompositorAdvertises(kDecorations), std::nullopt);
  server_.join();
  setenv("WAYLAND_DISPLAY", "wayland-nobody", 1);
  EXPECT_EQ(CompositorAdvertises(kDecorations), std::nullopt);
  setenv("WAYLAND_DISPLAY", "wayland-test", 1);
  setenv("WAYLAND_SOCKET", "5", 1);
  EXPECT_EQ(CompositorAdvertises(kDecorations), std::nullopt);
  unsetenv("WAYLAND_SOCKET");
}

}  // namespace
