# Target build: the firmware for the board's Cortex-M33.
if(OVRIMO_FIRMWARE_SOURCES)
  add_library(ovrimo_firmware STATIC ${OVRIMO_FIRMWARE_SOURCES})
  target_include_directories(ovrimo_firmware PUBLIC ${OVRIMO_FIRMWARE_INCLUDE_DIRS})
  # Per-function stack frames (.su) and the call graph (.ci) next to each object, for the
  # worst-case stack depth.
  target_compile_options(ovrimo_firmware PRIVATE ${OVRIMO_WARNINGS} -fstack-usage -fcallgraph-info=su)
endif()

# The bootloader image. Built from the objects, not by linking the archive: the vector table
# names its handlers through weak aliases, which would never pull a strong definition out of a
# library.
file(GLOB OVRIMO_BOOT_ASM_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/Core/Startup/*.s
  ${CMAKE_SOURCE_DIR}/Drivers/Device/*.S)
set(OVRIMO_BOOT_LINKER_SCRIPT ${CMAKE_SOURCE_DIR}/Core/bootloader.ld)

if(OVRIMO_FIRMWARE_SOURCES AND OVRIMO_BOOT_ASM_SOURCES)
  add_executable(bootloader $<TARGET_OBJECTS:ovrimo_firmware> ${OVRIMO_BOOT_ASM_SOURCES})
  set_target_properties(bootloader PROPERTIES
    SUFFIX .elf
    LINK_DEPENDS ${OVRIMO_BOOT_LINKER_SCRIPT})
  target_link_options(bootloader PRIVATE
    -T${OVRIMO_BOOT_LINKER_SCRIPT}
    -Wl,-Map=$<TARGET_FILE_DIR:bootloader>/bootloader.map
    -Wl,--cref)
  add_custom_command(TARGET bootloader POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} -O binary $<TARGET_FILE:bootloader> $<TARGET_FILE_DIR:bootloader>/bootloader.bin
    COMMAND ${CMAKE_OBJCOPY} -O ihex $<TARGET_FILE:bootloader> $<TARGET_FILE_DIR:bootloader>/bootloader.hex
    COMMAND ${CMAKE_COMMAND}
      -DSIZE_TOOL=${CMAKE_SIZE}
      -DELF=$<TARGET_FILE:bootloader>
      -DBIN=$<TARGET_FILE_DIR:bootloader>/bootloader.bin
      -DREGION_BYTES=65536
      -P ${CMAKE_SOURCE_DIR}/cmake/size_report.cmake
    BYPRODUCTS
      ${CMAKE_BINARY_DIR}/bootloader.bin
      ${CMAKE_BINARY_DIR}/bootloader.hex
      ${CMAKE_BINARY_DIR}/bootloader.map
    VERBATIM)
endif()

# The sample application images and the emulator's test programs.
add_subdirectory(${CMAKE_SOURCE_DIR}/examples/app ${CMAKE_BINARY_DIR}/examples/app)
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/emu/programs ${CMAKE_BINARY_DIR}/tests/emu/programs)
