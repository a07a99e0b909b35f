#include "platform/HostFonts.h"

namespace pekuru {

// fontconfig finds the IPA fonts that the package depends on (fonts-ipafont-gothic).
void useHostFonts(const QString&, const QString&, const QString&) {}

}  // namespace pekuru
