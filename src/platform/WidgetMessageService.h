#pragma once

#include "platform/MessageService.h"

namespace pekuru {

// Real modal message boxes. Every message is also written to standard error, so that a teacher who
// starts the program from a terminal keeps a copy of what it said.
class WidgetMessageService : public StderrMessageService {
  public:
    void showMessage(Icon icon, const QString& title, const QString& text) override;
};

}  // namespace pekuru
