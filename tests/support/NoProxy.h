// The tests talk to servers on 127.0.0.1; a proxy set in the environment must not stand
// between them.
#pragma once

#include <cstdlib>

namespace talver::testing {

inline void ClearProxyEnvironment() {
  for (const char* name : {"http_proxy", "https_proxy", "ftp_proxy", "all_proxy", "HTTP_PROXY",
                           "HTTPS_PROXY", "FTP_PROXY", "ALL_PROXY"}) {
    unsetenv(name);
  }
}

}  // namespace talver::testing
