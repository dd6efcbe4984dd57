// SPDX-License-Identifier: MIT
#include "app/startup/start_program.h"

int main(int argc, char** argv) { return plakora::StartProgram(argc, argv); }
