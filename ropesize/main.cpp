#include "formprogram.h"
#include "plinthwindow5.h"

int main(int argc, char *argv[]) {
    return runtime::RunFormProgram(argc, argv, "ibbrin",
                                   [] { return new ropesize::PlinthWindow5; });
}
