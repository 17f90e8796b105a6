# Target build: the firmware for the board's Cortex-M33.
if(OVRIMO_FIRMWARE_SOURCES)
  add_library(ovrimo_firmware STATIC ${OVRIMO_FIRMWARE_SOURCES})
  target_include_directories(ovrimo_firmware PUBLIC ${OVRIMO_FIRMWARE_INCLUDE_DIRS})
  target_compile_options(ovrimo_firmware PRIVATE ${OVRIMO_WARNINGS})
endif()
