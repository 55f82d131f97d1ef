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
# g++ 12 at -O3 warns -Wrestrict inside libstdc++'s own std::string concatenation (a known false
# positive of that release, fixed in 13); the warning says nothing about our code there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kvarn_flags INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
endif()
