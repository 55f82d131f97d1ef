# Compiler flags shared by every target of the project, applied through one interface target
# (kvarn_flags) rather than global settings, so that each target states what it uses.
add_library(kvarn_flags INTERFACE)
target_compile_options(kvarn_flags INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -Wpedantic>)
if(KVARN_WERROR)
  target_compile_options(kvarn_flags INTERFACE -Werror)
endif()
if(KVARN_SANITIZE)
  set(KVARN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(kvarn_flags INTERFACE ${KVARN_SANITIZER_FLAGS})
  target_link_options(kvarn_flags INTERFACE ${KVARN_SANITIZER_FLAGS})
endif()
