tavrin_fuzzer(fuzz_caption ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_caption.cpp LIBS tavrin_medialib)
