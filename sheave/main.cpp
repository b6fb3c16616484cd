#include "form1.h"
#include "formprogram.h"

int main(int argc, char *argv[]) {
    return runtime::RunFormProgram(argc, argv, "tolvane", [] { return new sheave::Form1; });
}
