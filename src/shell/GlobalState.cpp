#include "shell/GlobalState.h"

namespace pekuru {

hensuu1::hensuu1() { BangouList.resize(1); }

}  // namespace pekuru
