# Makes the Debian packages with cpack into OUT and checks what each holds:
# a runtime package only its shared library, a development package the
# headers, the link name and the CMake package, the chart's with the samples.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
    message(FATAL_ERROR "cpack failed:\n${log}")
endif()

function(expect_package deb)
    cmake_parse_arguments(arg "" "" "HAS;LACKS;DEPENDS" ${ARGN})
    if(NOT EXISTS ${OUT}/${deb})
        message(FATAL_ERROR "no package ${deb}")
    endif()
    execute_process(COMMAND dpkg-deb -c ${OUT}/${deb} OUTPUT_VARIABLE contents)
    execute_process(COMMAND dpkg-deb -f ${OUT}/${deb} Depends OUTPUT_VARIABLE depends)
    foreach(path ${arg_HAS})
        string(FIND "${contents}" "${path}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${deb} lacks ${path}:\n${contents}")
        endif()
    endforeach()
    foreach(path ${arg_LACKS})
        string(FIND "${contents}" "${path}" at)
        if(NOT at EQUAL -1)
            message(FATAL_ERROR "${deb} holds ${path}:\n${contents}")
        endif()
    endforeach()
    foreach(package ${arg_DEPENDS})
        string(FIND "${depends}" "${package}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${deb} does not depend on ${package}: ${depends}")
        endif()
    endforeach()
endfunction()

set(v ${VERSION})
# The runtime packages carry the SONAME link (libquotechart.so.1 -> libquotechart.so.1.0.0).
expect_package(libquotechart${MAJOR}_${v}_${ARCH}.deb HAS /lib/libquotechart.so.${v} "/lib/libquotechart.so.${MAJOR} -> "
    LACKS /include/ libquotechart.so\n /cmake/ /hist/ splitbay DEPENDS libqt6widgets6)
expect_package(libquotechart-dev_${v}_${ARCH}.deb
    HAS /include/quotechart/REvuved.h /include/quotechart/quotechart_export.h /include/quotechart/Version.h
        /include/quotechart/ErrorNumbers.h /lib/libquotechart.so
        /cmake/quotechart/quotechartConfig.cmake /share/quotechart/hist/MSFT.csv /share/quotechart/hist/GOOG.csv
    LACKS libquotechart.so.${v} splitbay DEPENDS "libquotechart${MAJOR} (= ${v})")
expect_package(libsplitbay6-${MAJOR}_${v}_${ARCH}.deb HAS /lib/libsplitbay6.so.${v} "/lib/libsplitbay6.so.${MAJOR} -> "
    LACKS /include/ /cmake/ quotechart DEPENDS libqt6widgets6)
expect_package(libsplitbay6-dev_${v}_${ARCH}.deb
    HAS /include/splitbay6/SplitbayCtl.h /include/splitbay6/Version.h /include/splitbay6/ErrorNumbers.h
        /lib/libsplitbay6.so /cmake/splitbay6/splitbay6Config.cmake
    LACKS libsplitbay6.so.${v} quotechart /hist/ DEPENDS "libsplitbay6-${MAJOR} (= ${v})")
if(DESIGNER)
    expect_package(quotechart-designer-plugin_${v}_${ARCH}.deb HAS /plugins/designer/libquotechart_designer.so
        LACKS /include/ DEPENDS "libquotechart${MAJOR} (= ${v})" "libsplitbay6-${MAJOR} (= ${v})")
endif()
