#pragma once

#include <QString>

namespace pekuru {

// Message boxes. Logic talks to this interface; the program uses real boxes, tests record them,
// and an unattended run (PEKURU_UNATTENDED=1) writes them to standard error and goes on.
class MessageService {
  public:
    enum class Icon { None, Information, Warning, Critical };
    virtual ~MessageService() = default;
    // Shows a message with an OK button and returns when it is closed.
    virtual void showMessage(Icon icon, const QString& title, const QString& text) = 0;
};

// Writes messages to standard error only.
class StderrMessageService : public MessageService {
  public:
    void showMessage(Icon icon, const QString& title, const QString& text) override;
};

}  // namespace pekuru
