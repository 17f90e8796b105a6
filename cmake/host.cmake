# Host build: the board model, the firmware compiled natively against it, the tests and tools.
find_package(GTest REQUIRED)
include(GoogleTest)
enable_testing()

file(GLOB OVRIMO_MODEL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/board/model/*.cpp)
add_library(ovrimo_board_model STATIC ${OVRIMO_MODEL_SOURCES})
target_include_directories(ovrimo_board_model PUBLIC ${CMAKE_SOURCE_DIR}/board)
target_compile_options(ovrimo_board_model PRIVATE ${OVRIMO_WARNINGS})

# What sits at the far end of the board's serial lines: scripted test peers, the XMODEM sender
# and the bridge to a terminal or pseudo-terminal.
file(GLOB OVRIMO_PEER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/board/peers/*.cpp)
add_library(ovrimo_line_peers STATIC ${OVRIMO_PEER_SOURCES})
target_compile_options(ovrimo_line_peers PRIVATE ${OVRIMO_WARNINGS})
target_link_libraries(ovrimo_line_peers PUBLIC ovrimo_board_model)

# The firmware sources, unchanged, with the device layer bound to the model.
add_library(ovrimo_native_firmware STATIC ${OVRIMO_NATIVE_FIRMWARE_SOURCES} ${CMAKE_SOURCE_DIR}/board/native/binding.cpp
            ${CMAKE_SOURCE_DIR}/board/native/polling_watch.cpp)
target_include_directories(ovrimo_native_firmware PUBLIC ${OVRIMO_FIRMWARE_INCLUDE_DIRS} ${CMAKE_SOURCE_DIR}/board)
target_compile_definitions(ovrimo_native_firmware PUBLIC OVRIMO_NATIVE=1)
target_compile_options(ovrimo_native_firmware PRIVATE ${OVRIMO_WARNINGS})
target_link_libraries(ovrimo_native_firmware PUBLIC ovrimo_board_model)
# The boot manager's entry point is called by tests, not by the host's start-up code.
set_source_files_properties(${CMAKE_SOURCE_DIR}/Core/Src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=firmware_main)

# Where the firmware preset puts its images; tests that check the linked image read them there.
set(OVRIMO_FIRMWARE_DIR ${CMAKE_SOURCE_DIR}/build/firmware CACHE PATH "Build directory of the firmware preset")

# Tests: one executable per file. tests/model exercises the board model alone, tests/unit the
# native firmware against it. Suites whose name ends in Slow (whole-image transfers, runs that keep
# to real time) also carry the label `slow`, so `ctest -LE slow` stays quick.
function(ovrimo_add_tests folder label)
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*_test.cpp)
  foreach(source ${test_sources})
    get_filename_component(name ${source} NAME_WE)
    set(target ${folder}_${name})
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE ${OVRIMO_WARNINGS})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${target} PRIVATE OVRIMO_FIRMWARE_DIR="${OVRIMO_FIRMWARE_DIR}")
    target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest_main)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${label})
    # Runs in ctest after the discovered tests are defined; a label list cannot pass through
    # gtest_discover_tests' properties intact.
    set(slow_labels ${CMAKE_CURRENT_BINARY_DIR}/${target}_slow_labels.cmake)
    file(WRITE ${slow_labels}
         "foreach(test IN LISTS ${target}_TESTS)\n"
         "  if(test MATCHES \"Slow[.]\")\n"
         "    set_tests_properties(\${test} PROPERTIES LABELS \"${label};slow\")\n"
         "  endif()\n"
         "endforeach()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${slow_labels})
  endforeach()
endfunction()

# The application image contract is the one firmware header host code includes: plain constants
# and rules, no device access.
add_library(ovrimo_app_image INTERFACE)
target_include_directories(ovrimo_app_image INTERFACE ${CMAKE_SOURCE_DIR}/mcu_boot/Inc)

ovrimo_add_tests(model unit ovrimo_board_model ovrimo_line_peers)
ovrimo_add_tests(peers unit ovrimo_line_peers)
# Whole archive: board hooks (HAL_MspInit, HAL_UART_MspInit, ...) replace weak defaults, and a
# strong definition is never pulled out of an archive just to replace a weak one already linked.
ovrimo_add_tests(unit unit "$<LINK_LIBRARY:WHOLE_ARCHIVE,ovrimo_native_firmware>" ovrimo_line_peers)

# The emulator: the real firmware image, instruction by instruction, on the board model, with the
# Unicorn engine as the CPU; and the host command line built on it.
file(GLOB OVRIMO_EMULATOR_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/board/emu/*.cpp)
if(OVRIMO_EMULATOR_SOURCES)
  find_path(UNICORN_INCLUDE_DIR unicorn/unicorn.h REQUIRED)
  find_library(UNICORN_LIBRARY unicorn REQUIRED)
  add_library(ovrimo_emulator STATIC ${OVRIMO_EMULATOR_SOURCES})
  target_include_directories(ovrimo_emulator PUBLIC ${CMAKE_SOURCE_DIR}/board PRIVATE ${UNICORN_INCLUDE_DIR})
  target_compile_options(ovrimo_emulator PRIVATE ${OVRIMO_WARNINGS})
  target_link_libraries(ovrimo_emulator PUBLIC ovrimo_board_model PRIVATE ${UNICORN_LIBRARY})
  ovrimo_add_tests(emu e2e ovrimo_emulator ovrimo_line_peers ovrimo_app_image)
  # The interpreter's differential test runs Unicorn itself, as the reference.
  if(TARGET emu_thumb_core_test)
    target_include_directories(emu_thumb_core_test PRIVATE ${UNICORN_INCLUDE_DIR})
    target_link_libraries(emu_thumb_core_test PRIVATE ${UNICORN_LIBRARY})
  endif()
endif()

# The tool's modules are a library, so that tests/tools can check them directly; the executable
# is main.cpp on top.
file(GLOB OVRIMO_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
list(REMOVE_ITEM OVRIMO_TOOL_SOURCES ${CMAKE_SOURCE_DIR}/tools/main.cpp)
if(OVRIMO_TOOL_SOURCES)
  find_package(CLI11 REQUIRED)
  find_package(Threads REQUIRED)
  add_library(ovrimo_tools STATIC ${OVRIMO_TOOL_SOURCES})
  target_include_directories(ovrimo_tools PUBLIC ${CMAKE_SOURCE_DIR}/tools)
  target_compile_options(ovrimo_tools PRIVATE ${OVRIMO_WARNINGS})
  target_link_libraries(ovrimo_tools PUBLIC ovrimo_emulator ovrimo_line_peers ovrimo_app_image CLI11::CLI11 Threads::Threads)
  add_executable(ovrimo ${CMAKE_SOURCE_DIR}/tools/main.cpp)
  target_compile_options(ovrimo PRIVATE ${OVRIMO_WARNINGS})
  target_link_libraries(ovrimo PRIVATE ovrimo_tools)
  ovrimo_add_tests(tools unit ovrimo_tools)
endif()

# The command-line tests run the built tool.
foreach(cli_test emu_cli_test emu_demo_cli_test emu_upload_test emu_image_cli_test)
  if(TARGET ovrimo AND TARGET ${cli_test})
    target_compile_definitions(${cli_test} PRIVATE OVRIMO_CLI="$<TARGET_FILE:ovrimo>")
    add_dependencies(${cli_test} ovrimo)
  endif()
endforeach()
