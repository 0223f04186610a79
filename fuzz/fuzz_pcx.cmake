tavrin_fuzzer(fuzz_pcx ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_pcx.cpp tavrin_medialib)
