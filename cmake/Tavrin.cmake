# Shared build helpers for the suite's own targets.

# Our own targets build with every warning as an error.
function(tavrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A library of one subsystem folder: every .cpp beside the CMakeLists.txt.
# Usage: tavrin_library(NAME [PUBLIC_LIBS ...])
function(tavrin_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  tavrin_warnings(${name})
endfunction()

# The unit tests of a folder: every .cpp in its tests/ folder, one executable, one CTest label.
# Usage: tavrin_tests(LABEL LIBS ...)
function(tavrin_tests label)
  if(TAVRIN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${label}_tests)
  add_executable(${target} ${sources})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    TAVRIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVRIN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  tavrin_warnings(${target})
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES PROPERTIES LABELS ${label}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVRIN_AUDIO_SINK=fake")
endfunction()

# A program of the suite, placed in the program folder bin/ under its given file name.
# Usage: tavrin_program(TARGET FILE_NAME SOURCES ... LIBS ...)
function(tavrin_program target file_name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(TAVRIN_FUZZ)
    return()
  endif()
  add_executable(${target} ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${file_name} SUFFIX "")
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  tavrin_warnings(${target})
endfunction()

# A lower-case command-line link beside a program in bin/.
function(tavrin_program_link target link_name)
  if(TAVRIN_FUZZ)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE_NAME:${target}> ${CMAKE_BINARY_DIR}/bin/${link_name})
endfunction()

# A libFuzzer target under fuzz/. Usage: tavrin_fuzzer(NAME SOURCE [LIBS] libraries...)
function(tavrin_fuzzer name source)
  set(libs ${ARGN})
  list(REMOVE_ITEM libs LIBS)
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${libs})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  tavrin_warnings(${name})
endfunction()
