# Host build: the board model, the firmware compiled natively against it, the tests and tools.
find_package(GTest REQUIRED)
include(GoogleTest)
enable_testing()

file(GLOB OVRIMO_MODEL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/board/model/*.cpp)
add_library(ovrimo_board_model STATIC ${OVRIMO_MODEL_SOURCES})
target_include_directories(ovrimo_board_model PUBLIC ${CMAKE_SOURCE_DIR}/board)
target_compile_options(ovrimo_board_model PRIVATE ${OVRIMO_WARNINGS})

# The firmware sources, unchanged, with the device layer bound to the model.
add_library(ovrimo_native_firmware STATIC ${OVRIMO_NATIVE_FIRMWARE_SOURCES} ${CMAKE_SOURCE_DIR}/board/native/binding.cpp)
target_include_directories(ovrimo_native_firmware PUBLIC ${OVRIMO_FIRMWARE_INCLUDE_DIRS} ${CMAKE_SOURCE_DIR}/board)
target_compile_definitions(ovrimo_native_firmware PUBLIC OVRIMO_NATIVE=1)
target_compile_options(ovrimo_native_firmware PRIVATE ${OVRIMO_WARNINGS})
target_link_libraries(ovrimo_native_firmware PUBLIC ovrimo_board_model)
# The boot manager's entry point is called by tests, not by the host's start-up code.
set_source_files_properties(${CMAKE_SOURCE_DIR}/Core/Src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=firmware_main)

# Tests: one executable per file. tests/model exercises the board model alone, tests/unit the
# native firmware against it.
function(ovrimo_add_tests folder label)
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*_test.cpp)
  foreach(source ${test_sources})
    get_filename_component(name ${source} NAME_WE)
    set(target ${folder}_${name})
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE ${OVRIMO_WARNINGS})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest_main)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${label})
  endforeach()
endfunction()

ovrimo_add_tests(model unit ovrimo_board_model)
ovrimo_add_tests(unit unit ovrimo_native_firmware)
