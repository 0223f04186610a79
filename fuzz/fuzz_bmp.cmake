tavrin_fuzzer(fuzz_bmp ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_bmp.cpp tavrin_medialib)
