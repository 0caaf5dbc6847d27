# Compiler flags shared by every target of the project.
add_library(qv_flags INTERFACE)
target_compile_options(qv_flags INTERFACE -Wall -Wextra -Wpedantic -Wnon-virtual-dtor)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(qv_flags INTERFACE -Wshadow=local)
  if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 at -O3 reports -Wrestrict inside libstdc++'s own std::string code wherever an
    # assignment from a literal or a "literal" + std::string is inlined (GCC bug 105651,
    # fixed in GCC 13): a memcpy "of 9223372036854775810 or more bytes" that no code path
    # reaches. It says nothing about our code, so this compiler goes without the warning.
    target_compile_options(qv_flags INTERFACE -Wno-restrict)
  endif()
endif()
if(QV_WERROR)
  target_compile_options(qv_flags INTERFACE -Werror)
endif()
if(QV_FUZZ)
  # Coverage instrumentation for everything, so the fuzzers see inside the core.
  target_compile_options(qv_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(qv_flags INTERFACE -fsanitize=address,undefined)
endif()
if(QV_SANITIZE)
  target_compile_options(qv_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(qv_flags INTERFACE -fsanitize=address,undefined)
endif()

# Adds a static library made of every .cpp file below the given folders (relative to the
# current source dir). A folder without sources gives an interface library, so that the
# dependency graph stays the same while an area is still empty.
function(qv_add_globbed_library name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  set(sources "")
  foreach(folder IN LISTS ARG_FOLDERS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} qv_flags)
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LINKS} qv_flags)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
endfunction()
