tavrin_fuzzer(fuzz_tiff ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_tiff.cpp tavrin_medialib)
