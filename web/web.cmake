# The web page's WebAssembly module: the core and the tool's platform-free
# parts behind the entry points of WebEntry.cpp, a WASI reactor (no main;
# the page calls its exports).
add_executable(noxbin2xml_web ${CMAKE_SOURCE_DIR}/web/WebEntry.cpp ${TOOL_SHARED_SOURCES})
target_include_directories(noxbin2xml_web PRIVATE ${TOOL_DIR})
target_link_libraries(noxbin2xml_web PRIVATE noxbin2xml_core nlohmann_json)
# At most 1 GiB of memory: room for a document at the 256 MB limit while it
# grows, and a record that asks for more fails in the page without taking
# the machine's memory.
target_link_options(noxbin2xml_web PRIVATE -mexec-model=reactor -Wl,--gc-sections -Wl,--strip-all
                    -Wl,--max-memory=1073741824)
# WASI's libc++ has no std::filesystem, which the JSON library would use.
target_compile_definitions(noxbin2xml_web PRIVATE JSON_HAS_FILESYSTEM=0 JSON_HAS_EXPERIMENTAL_FILESYSTEM=0)
set_target_properties(noxbin2xml_web PROPERTIES SUFFIX .wasm)

# The module under node's WASI on every sample, against the tool's expected
# outputs.
enable_testing()
find_program(NODE_EXECUTABLE node REQUIRED)
add_test(NAME wasi_samples COMMAND ${NODE_EXECUTABLE} --no-warnings ${CMAKE_SOURCE_DIR}/web/test/wasi-samples.js
                                   $<TARGET_FILE:noxbin2xml_web>)
