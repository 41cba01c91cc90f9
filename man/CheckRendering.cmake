# SPDX-License-Identifier: MIT
# Renders a manual page as man(1) does and fails on anything the formatter warns about.
# Run as: cmake -DMAN=man -DPAGE=page.1 -P CheckRendering.cmake
set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANROFFSEQ} "")
set(ENV{MANWIDTH} 80)
execute_process(COMMAND ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
    OUTPUT_VARIABLE rendered ERROR_VARIABLE warnings RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man -l ${PAGE} (exit ${status}):\n${warnings}")
endif()
