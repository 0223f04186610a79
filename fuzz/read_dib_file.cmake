tavrin_fuzzer(read_dib_file ${CMAKE_CURRENT_SOURCE_DIR}/read_dib_file.cpp tavrin_medialib)
