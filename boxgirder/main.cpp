#include "formprogram.h"
#include "inputwindow.h"

int main(int argc, char *argv[]) {
    return runtime::RunFormProgram(argc, argv, "elsbrook",
                                   [] { return new elsbrook::InputWindow; });
}
