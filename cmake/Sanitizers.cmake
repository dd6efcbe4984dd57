# ASan + UBSan as an INTERFACE target; empty unless PLAKORA_SANITIZE is on.
add_library(plakora_sanitizers INTERFACE)
add_library(plakora::sanitizers ALIAS plakora_sanitizers)
if(PLAKORA_SANITIZE)
  set(_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(plakora_sanitizers INTERFACE ${_flags})
  target_link_options(plakora_sanitizers INTERFACE ${_flags})
endif()
if(PLAKORA_BUILD_FUZZ)
  # Coverage for libFuzzer in every library the targets link.
  target_compile_options(plakora_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()
