tavrin_fuzzer(fuzz_scanner ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_scanner.cpp tavrin_script)
