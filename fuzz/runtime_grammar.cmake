tavrin_fuzzer(runtime_grammar ${CMAKE_CURRENT_SOURCE_DIR}/runtime_grammar.cpp LIBS tavrin_runtime)
