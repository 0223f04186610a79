tavrin_fuzzer(profile_store ${CMAKE_CURRENT_SOURCE_DIR}/profile_store.cpp tavrin_medialib)
