#include "ui/CommandBoundary.h"

#include "storage/TableErrorText.h"
#include "ui/Prompter.h"

#include <QCoreApplication>

#include <exception>

bool RunCommand(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ShowRuntimeError(TableErrorText::Of(e));
    } catch (...) {
        ShowRuntimeError(
            QCoreApplication::translate("RunCommand", "An unexpected error ended the command."));
    }
    return false;
}
