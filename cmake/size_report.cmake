# Prints the size of a firmware image after it is linked: what goes into flash (text: vector
# table, code, constants, init tables), initialised RAM (data, also stored in flash), zeroed RAM
# (bss), the RAM reserved for heap and stack and the .noinit area, and the flash left before the
# end of the image's region.
#   -DSIZE_TOOL=<size program> -DELF=<image.elf> -DBIN=<image.bin> -DREGION_BYTES=<bytes>
execute_process(COMMAND ${SIZE_TOOL} -A -d ${ELF} OUTPUT_VARIABLE size_out RESULT_VARIABLE size_rc)
if(NOT size_rc EQUAL 0)
  message(FATAL_ERROR "size report: ${SIZE_TOOL} failed on ${ELF}")
endif()

set(text 0)
set(data 0)
set(bss 0)
set(reserve 0)
set(noinit 0)
string(REPLACE "\n" ";" lines "${size_out}")
foreach(line IN LISTS lines)
  if(line MATCHES "^([._A-Za-z0-9]+)[ \t]+([0-9]+)[ \t]+([0-9]+)")
    set(section ${CMAKE_MATCH_1})
    set(bytes ${CMAKE_MATCH_2})
    if(section MATCHES "^\\.(isr_vector|text|rodata|ARM|ARM\\.extab|ARM\\.exidx|init_array|fini_array|preinit_array)$")
      math(EXPR text "${text} + ${bytes}")
    elseif(section STREQUAL ".data")
      set(data ${bytes})
    elseif(section STREQUAL ".bss")
      set(bss ${bytes})
    elseif(section STREQUAL "._user_heap_stack")
      set(reserve ${bytes})
    elseif(section STREQUAL ".noinit")
      set(noinit ${bytes})
    endif()
  endif()
endforeach()

file(SIZE ${BIN} flash_used)
math(EXPR flash_free "${REGION_BYTES} - ${flash_used}")
get_filename_component(name ${ELF} NAME)
message("${name}: text ${text}  data ${data}  bss ${bss}  (heap+stack reserve ${reserve}, noinit ${noinit})")
message("${name}: flash ${flash_used} of ${REGION_BYTES} bytes used, ${flash_free} free below the application")
