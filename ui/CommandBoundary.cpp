#include "ui/CommandBoundary.h"

#include "ui/Prompter.h"

#include <exception>

bool RunCommand(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ShowRuntimeError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowRuntimeError(QStringLiteral("An unexpected error ended the command."));
    }
    return false;
}
