// Whether the computer has an internet connection.
#pragma once

#include <filesystem>

namespace talver {

class Settings;

// A network interface other than loopback that is up and carries a default route.
bool SystemHasDefaultRoute(const std::filesystem::path& procNet = "/proc/net");

// InetConnected: [INET] Online "1" or "0" decides; otherwise the system is asked.
bool InetConnected(const Settings& settings);

}  // namespace talver
