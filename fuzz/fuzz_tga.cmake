tavrin_fuzzer(fuzz_tga ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_tga.cpp tavrin_medialib)
