# The hardening Debian builds its programs with (what dpkg-buildflags gives
# with hardening=+all on amd64): buffer overflows caught by the C library
# and the stack protector, relocations read-only and bound at start, and
# position-independent programs (the compiler's default on Debian, asked
# for here so that another compiler does the same).
#
# Every build gets them, so that the tests run the programs as they are
# shipped. The sanitizer and fuzzing builds do not: the C library's checked
# functions would hide overflows from AddressSanitizer.

if(CHEQBOOK_SANITIZE OR CHEQBOOK_FUZZ)
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# The checked functions need the optimiser to know the sizes.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
