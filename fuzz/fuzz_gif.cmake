tavrin_fuzzer(fuzz_gif ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_gif.cpp tavrin_medialib)
