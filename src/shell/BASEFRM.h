#pragma once

#include <QWidget>

#include "shell/AppContext.h"

namespace pekuru {

// The blank backdrop that stands behind the screens while one replaces another.
class BASEFRM : public QWidget {
    Q_OBJECT
  public:
    explicit BASEFRM(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace pekuru
