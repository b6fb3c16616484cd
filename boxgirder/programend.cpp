#include "programend.h"

#include <QCoreApplication>

namespace elsbrook {
namespace {

// Leaves the event loop without asking the windows to close, so that no close handler can
// hold the program back.
void leaveEventLoop() {
    QCoreApplication::exit(0);
}

ProgramEndFunction &currentEndFunction() {
    static ProgramEndFunction function = leaveEventLoop;
    return function;
}

} // namespace

void EndProgram() {
    currentEndFunction()();
}

ProgramEndFunction SetProgramEndFunction(ProgramEndFunction function) {
    ProgramEndFunction previous = std::move(currentEndFunction());
    currentEndFunction() = function ? std::move(function) : leaveEventLoop;
    return previous;
}

} // namespace elsbrook
