# Fuzz build (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer): the board model, the
# native firmware, the line peer the target drives and the target, nothing else. Only the
# firmware and the target carry libFuzzer's coverage: the model's own branches would only steer
# the fuzzer towards the model, and tracing their comparisons costs most of each run.
#
# With OVRIMO_FUZZ_COVERAGE the same target is built without sanitizers and with clang's
# source-based coverage on the firmware only, to measure which lines of the receiver a corpus
# reaches: libFuzzer's own edge counts include the sanitizers' check branches, never taken.
if(OVRIMO_FUZZ_COVERAGE)
  set(OVRIMO_FIRMWARE_FLAGS -fprofile-instr-generate -fcoverage-mapping)
  set(OVRIMO_LINK_FLAGS -fsanitize=fuzzer -fprofile-instr-generate)
else()
  set(OVRIMO_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${OVRIMO_SANITIZE})
  set(OVRIMO_LINK_FLAGS -fsanitize=fuzzer,address,undefined)
endif()

file(GLOB OVRIMO_MODEL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/board/model/*.cpp)
add_library(ovrimo_fuzz_board STATIC ${OVRIMO_MODEL_SOURCES} ${CMAKE_SOURCE_DIR}/board/native/binding.cpp
            ${CMAKE_SOURCE_DIR}/board/native/polling_watch.cpp ${CMAKE_SOURCE_DIR}/board/peers/xmodem_sender.cpp)
target_include_directories(ovrimo_fuzz_board PUBLIC ${CMAKE_SOURCE_DIR}/board ${OVRIMO_FIRMWARE_INCLUDE_DIRS})
target_compile_definitions(ovrimo_fuzz_board PUBLIC OVRIMO_NATIVE=1)

add_library(ovrimo_native_firmware STATIC ${OVRIMO_NATIVE_FIRMWARE_SOURCES})
target_compile_options(ovrimo_native_firmware PRIVATE -fsanitize=fuzzer-no-link ${OVRIMO_FIRMWARE_FLAGS})
target_link_libraries(ovrimo_native_firmware PUBLIC ovrimo_fuzz_board)
set_source_files_properties(${CMAKE_SOURCE_DIR}/Core/Src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=firmware_main)

add_executable(xmodem_receiver_fuzz ${CMAKE_SOURCE_DIR}/tests/fuzz/xmodem_receiver_fuzz.cpp)
target_compile_options(xmodem_receiver_fuzz PRIVATE -fsanitize=fuzzer-no-link)
target_include_directories(xmodem_receiver_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_link_options(xmodem_receiver_fuzz PRIVATE ${OVRIMO_LINK_FLAGS})
target_link_libraries(xmodem_receiver_fuzz PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,ovrimo_native_firmware>" ovrimo_fuzz_board)
