# The firmware's sources, shared by the target image and the native build. A module added under
# one of these folders is picked up by both builds.
set(OVRIMO_FIRMWARE_INCLUDE_DIRS
  ${CMAKE_SOURCE_DIR}/Drivers/Device
  ${CMAKE_SOURCE_DIR}/Drivers/HAL/Inc
  ${CMAKE_SOURCE_DIR}/Core/Inc
  ${CMAKE_SOURCE_DIR}/mcu_boot/Inc)

file(GLOB OVRIMO_HAL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Drivers/HAL/Src/*.cpp)
file(GLOB OVRIMO_BOOT_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/Core/Src/*.cpp
  ${CMAKE_SOURCE_DIR}/mcu_boot/Src/*.cpp)

# Sources that only make sense on the chip: start-up code, the hand-off routine, and the C
# library's system-call hooks (the host has its own C library).
file(GLOB OVRIMO_TARGET_ONLY_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/Core/Startup/*.s
  ${CMAKE_SOURCE_DIR}/Core/Startup/*.S
  ${CMAKE_SOURCE_DIR}/Drivers/Device/*.S
  ${CMAKE_SOURCE_DIR}/Core/Src/syscalls.cpp
  ${CMAKE_SOURCE_DIR}/Core/Src/sysmem.cpp)

set(OVRIMO_FIRMWARE_SOURCES ${OVRIMO_HAL_SOURCES} ${OVRIMO_BOOT_SOURCES})
set(OVRIMO_NATIVE_FIRMWARE_SOURCES ${OVRIMO_FIRMWARE_SOURCES})
list(REMOVE_ITEM OVRIMO_NATIVE_FIRMWARE_SOURCES ${OVRIMO_TARGET_ONLY_SOURCES})

set(OVRIMO_WARNINGS -Wall -Wextra -Werror)
