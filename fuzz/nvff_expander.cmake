tavrin_fuzzer(nvff_expander ${CMAKE_CURRENT_SOURCE_DIR}/nvff_expander.cpp tavrin_medialib)
