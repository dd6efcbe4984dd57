# Warnings as an INTERFACE target that every project target links.
add_library(plakora_warnings INTERFACE)
add_library(plakora::warnings ALIAS plakora_warnings)
target_compile_options(plakora_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                  -Wno-sign-conversion)
