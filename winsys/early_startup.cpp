#include "winsys/early_startup.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>
#include <QGuiApplication>

std::jthread LoadTheFontConfigurationMeanwhile() {
  return std::jthread([] { FcInit(); });
}

bool PlatformUsesTheSessionBus(std::string_view platformName) {
  return platformName == "xcb" || platformName.starts_with("wayland");
}

std::jthread ConnectToTheSessionBusMeanwhile() {
  if (!PlatformUsesTheSessionBus(QGuiApplication::platformName().toStdString()))
    return {};
  return std::jthread([] { QDBusConnection::sessionBus(); });
}
