# gzip_file(<source> <output>): a gzip copy made at configure time, at the
# greatest compression and with no name or time stamp in it (as Debian wants
# changelogs and manual pages), made again whenever the source changes.
function(gzip_file source output)
    find_program(GZIP_PROGRAM gzip REQUIRED)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND ${GZIP_PROGRAM} -9nc INPUT_FILE ${source} OUTPUT_FILE ${output} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${source}")
    endif()
endfunction()
