tavrin_fuzzer(fuzz_jpeg ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_jpeg.cpp tavrin_medialib)
