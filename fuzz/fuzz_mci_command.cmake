tavrin_fuzzer(fuzz_mci_command ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_mci_command.cpp tavrin_mci)
