# SPDX-License-Identifier: MIT
# Fails when `durnik-batch --help` and its manual page do not list the same long options.
# Run as: cmake -DPROGRAM=durnik-batch -DPAGE=durnik-batch.1 -P CheckOptions.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help exited with ${status}")
endif()
file(READ ${PAGE} page)

# In the help text an option starts an indented line; in the page it is written "\-\-name".
string(REGEX MATCHALL "\n  +--[a-z-]+" help_options "${help}")
list(TRANSFORM help_options REPLACE "^\n +--" "")
string(REGEX MATCHALL "\\\\-\\\\-[a-z]+(\\\\-[a-z]+)*" page_options "${page}")
list(TRANSFORM page_options REPLACE "\\\\-" "-")
list(TRANSFORM page_options REPLACE "^--" "")
list(REMOVE_DUPLICATES help_options)
list(REMOVE_DUPLICATES page_options)
list(FILTER page_options EXCLUDE REGEX "^$")
list(SORT help_options)
list(SORT page_options)

if(NOT help_options)
    message(FATAL_ERROR "found no options in the output of --help:\n${help}")
endif()
if(NOT help_options STREQUAL page_options)
    message(FATAL_ERROR "--help lists: ${help_options}\nthe manual page lists: ${page_options}\n"
        "Describe every option of durnik-batch in man/durnik-batch.1.in, and no other.")
endif()
message(STATUS "both list: ${help_options}")
