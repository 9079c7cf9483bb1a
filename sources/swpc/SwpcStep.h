// The space-weather step of each cycle (LoadFileStorm): the daily indices and the world
// lists over one anonymous FTP connection, then the storm corrections over HTTPS.
#pragma once

#include <string>

#include "sources/Acquisition.h"

namespace talver {

struct SwpcEndpoints {
  std::string ftpHost;
  int ftpPort = 21;
  std::string textUrl;     // the SWPC text directory, ending in "/text/"
  std::string webAddress;  // shown when the FTP server cannot be reached
};

// From [FTP] Host/Port and [URL] SwpcText, with SWPC's own addresses as defaults.
SwpcEndpoints ReadSwpcEndpoints(const Settings& settings);

void LoadFileStorm(Acquisition& acquisition, const SwpcEndpoints& endpoints);

}  // namespace talver
