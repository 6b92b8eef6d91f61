#pragma once

#include <string_view>
#include <thread>

// Two steps of every Qt start-up on the desktop that need nothing of the main thread, begun on
// threads of their own so that the main thread does not wait for them:
//   - the font configuration: every configuration file of the system's fonts and then the font
//     cache, which Qt's font database reads before the first text is measured, the largest
//     single step of the start-up; it is read while the QApplication connects to the display;
//   - the session bus, through which Qt reaches screen readers (AT-SPI): Qt connects to it
//     while the first window is built and waits for the connection (without a bus, for the
//     attempt to start one); it is made while the main thread loads the fonts.

// Starts reading the font configuration; call it before the QApplication exists, and join the
// thread before the first font is used: Qt's font database, looking earlier, would read the
// configuration a second time.
std::jthread LoadTheFontConfigurationMeanwhile();

// Whether Qt's platform `platformName` reaches screen readers through the session bus: the
// desktops' X11 and Wayland platforms do, the offscreen and other test platforms do not.
bool PlatformUsesTheSessionBus(std::string_view platformName);

// Connects to the session bus when the running platform uses it; call it once the QApplication
// exists, and let the thread (not joinable when there is none) end before the QApplication
// does. Qt keeps the connection and hands the same one to every later caller.
std::jthread ConnectToTheSessionBusMeanwhile();
