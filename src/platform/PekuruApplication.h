#pragma once

#include <QApplication>
#include <functional>
#include <memory>

#include "platform/ControlMap.h"
#include "platform/MessageService.h"
#include "platform/ProgramError.h"

namespace pekuru {

// The application object. An error that escapes any event handler ends here: the stack has already
// unwound (so open files are closed and unfinished saves discarded), the user is told what went
// wrong, and the program ends with a non-zero exit status.
class PekuruApplication : public QApplication {
  public:
    PekuruApplication(int& argc, char** argv);

    void setMessageService(MessageService* messages) { messages_ = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs `step` (start-up, say) under the same rule as an event handler.
    void runGuarded(const std::function<void()>& step);

    // Tells the user and ends the process at once.
    [[noreturn]] void endWith(const ProgramExit& exit);

  private:
    MessageService* messages_ = nullptr;
    // Kept only for drivers that ask for it (PEKURU_CONTROL_MAP).
    std::unique_ptr<ControlMap> controlMap_;
};

}  // namespace pekuru
