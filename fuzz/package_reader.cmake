tavrin_fuzzer(package_reader ${CMAKE_CURRENT_SOURCE_DIR}/package_reader.cpp tavrin_projects)
