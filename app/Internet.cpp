#include "app/Internet.h"

#include <fstream>
#include <sstream>
#include <string>

#include "app/Settings.h"
#include "common/Text.h"

namespace talver {

namespace {

constexpr unsigned kRouteUp = 0x1;

bool Ipv4DefaultRoute(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);  // column headings
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string iface;
    std::string destination;
    std::string gateway;
    std::string flags;
    if (!(fields >> iface >> destination >> gateway >> flags)) {
      continue;
    }
    if (iface != "lo" && destination == "00000000" &&
        (std::stoul(flags, nullptr, 16) & kRouteUp) != 0) {
      return true;
    }
  }
  return false;
}

bool Ipv6DefaultRoute(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string destination;
    std::string prefixLength;
    std::string source;
    std::string sourceLength;
    std::string nextHop;
    std::string metric;
    std::string references;
    std::string use;
    std::string flags;
    std::string iface;
    if (!(fields >> destination >> prefixLength >> source >> sourceLength >> nextHop >> metric >>
          references >> use >> flags >> iface)) {
      continue;
    }
    if (iface != "lo" && destination == std::string(32, '0') && prefixLength == "00" &&
        (std::stoul(flags, nullptr, 16) & kRouteUp) != 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool SystemHasDefaultRoute(const std::filesystem::path& procNet) {
  try {
    return Ipv4DefaultRoute(procNet / "route") || Ipv6DefaultRoute(procNet / "ipv6_route");
  } catch (const std::exception&) {
    return false;
  }
}

bool InetConnected(const Settings& settings) {
  const std::string online(Trim(settings.Read("INET", "Online")));
  if (online == "1") {
    return true;
  }
  if (online == "0") {
    return false;
  }
  return SystemHasDefaultRoute();
}

}  // namespace talver
