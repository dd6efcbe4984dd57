// SPDX-License-Identifier: MIT
#include "runtime/picture/jpeg_error_trap.h"

namespace plakora {
namespace {

void IgnoreMessage(j_common_ptr) {}

}  // namespace

void FailJpeg(j_common_ptr codec) {
  std::longjmp(reinterpret_cast<JpegErrorTrap*>(codec->err)->jump, 1);
}

jpeg_error_mgr* ArmJpegErrorTrap(JpegErrorTrap& trap) {
  jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
  manager->error_exit = FailJpeg;
  manager->output_message = IgnoreMessage;
  return manager;
}

}  // namespace plakora
