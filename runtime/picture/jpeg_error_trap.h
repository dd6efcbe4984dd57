// SPDX-License-Identifier: MIT
// libjpeg reports fatal errors through a callback that must not return; this one longjmps
// back to the caller's setjmp. Functions that call setjmp keep only trivially destructible
// locals, since a longjmp skips destructors.
#pragma once

#include <csetjmp>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

namespace plakora {

struct JpegErrorTrap {
  jpeg_error_mgr manager;  // first, so libjpeg's err pointer leads back to the trap
  std::jmp_buf jump;
};

// Prepares `trap` (errors longjmp to trap.jump, nothing is printed) and returns the manager
// to store in the codec object's `err` before jpeg_create_*.
jpeg_error_mgr* ArmJpegErrorTrap(JpegErrorTrap& trap);

// Ends the current libjpeg call through the trap.
[[noreturn]] void FailJpeg(j_common_ptr codec);

}  // namespace plakora
