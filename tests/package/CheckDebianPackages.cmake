# Makes the Debian packages with cpack into OUT and checks them as a user
# meets them: what each package holds and needs, that every dependency is met
# on this machine (by the set itself or by what is installed), the control
# fields, and the layout once they are unpacked into a scratch root, where the
# installed viewer then runs on the installed libraries and samples.
cmake_policy(VERSION 3.22)
include(${BUILD_DIR}/CPackConfig.cmake)   # the settings the packages are made from

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
        message(FATAL_ERROR "failed (${failed}): ${ARGV}\n${output}")
    endif()
endfunction()

file(REMOVE_RECURSE ${OUT})
run(${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake)

set(v ${VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(packages libquotechart${MAJOR} libquotechart-dev libsplitbay6-${MAJOR} libsplitbay6-dev quotechart-samples)
if(DESIGNER)
    list(APPEND packages quotechart-designer-plugin)
endif()
if(VIEWER)
    list(APPEND packages quotechart-viewer)
endif()
foreach(package ${packages})
    set(deb_${package} ${OUT}/${package}_${v}_${ARCH}.deb)
    if(package STREQUAL "quotechart-samples")
        set(deb_${package} ${OUT}/${package}_${v}_all.deb)
    endif()
    if(NOT EXISTS ${deb_${package}})
        message(FATAL_ERROR "no package ${deb_${package}}")
    endif()
    set(built_${package} ${v})
endforeach()

function(field package name out)
    execute_process(COMMAND dpkg-deb -f ${deb_${package}} ${name} OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# expect_package(<package> [HAS <paths...>] [LACKS <paths...>] [DEPENDS <packages...>])
function(expect_package package)
    cmake_parse_arguments(arg "" "" "HAS;LACKS;DEPENDS" ${ARGN})
    execute_process(COMMAND dpkg-deb -c ${deb_${package}} OUTPUT_VARIABLE contents)
    field(${package} Depends depends)
    foreach(path ${arg_HAS})
        string(FIND "${contents}" "${path}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${package} lacks ${path}:\n${contents}")
        endif()
    endforeach()
    foreach(path ${arg_LACKS})
        string(FIND "${contents}" "${path}" at)
        if(NOT at EQUAL -1)
            message(FATAL_ERROR "${package} holds ${path}:\n${contents}")
        endif()
    endforeach()
    foreach(dependency ${arg_DEPENDS})
        string(FIND "${depends}" "${dependency}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${package} does not depend on ${dependency}: ${depends}")
        endif()
    endforeach()
endfunction()

# The runtime packages carry the SONAME link (libquotechart.so.1 -> libquotechart.so.1.0.0).
expect_package(libquotechart${MAJOR} HAS /lib/libquotechart.so.${VERSION} "/lib/libquotechart.so.${MAJOR} -> "
    LACKS /include/ libquotechart.so\n /cmake/ /hist/ splitbay DEPENDS libqt6widgets6)
expect_package(libquotechart-dev
    HAS /include/quotechart/REvuved.h /include/quotechart/quotechart_export.h /include/quotechart/Version.h
        /include/quotechart/ErrorNumbers.h /lib/libquotechart.so /cmake/quotechart/quotechartConfig.cmake
    LACKS libquotechart.so.${VERSION} splitbay /hist/
    DEPENDS "libquotechart${MAJOR} (= ${v})" "quotechart-samples (= ${v})")
expect_package(libsplitbay6-${MAJOR} HAS /lib/libsplitbay6.so.${VERSION} "/lib/libsplitbay6.so.${MAJOR} -> "
    LACKS /include/ /cmake/ quotechart DEPENDS libqt6widgets6)
expect_package(libsplitbay6-dev
    HAS /include/splitbay6/SplitbayCtl.h /include/splitbay6/Version.h /include/splitbay6/ErrorNumbers.h
        /lib/libsplitbay6.so /cmake/splitbay6/splitbay6Config.cmake
    LACKS libsplitbay6.so.${VERSION} quotechart /hist/ DEPENDS "libsplitbay6-${MAJOR} (= ${v})")
expect_package(quotechart-samples HAS /share/quotechart/hist/MSFT.csv /share/quotechart/hist/GOOG.csv
    LACKS /lib/ /bin/)
if(DESIGNER)
    expect_package(quotechart-designer-plugin HAS /plugins/designer/libquotechart_designer.so
        LACKS /include/ DEPENDS "libquotechart${MAJOR} (= ${v})" "libsplitbay6-${MAJOR} (= ${v})" libqt6designer6
                                libc6)
endif()
if(VIEWER)
    expect_package(quotechart-viewer HAS /bin/quotechart-viewer LACKS /include/ /hist/
        DEPENDS "libquotechart${MAJOR} (= ${v})" "libsplitbay6-${MAJOR} (= ${v})" "quotechart-samples (= ${v})"
                libqt6widgets6)
endif()

# What `dpkg -i` would ask of this machine: each dependency on a package of
# the set names its version; the others are met by what is installed here
# (dpkg-checkbuilddeps weighs versions, alternatives and virtual packages).
function(expect_installable package)
    field(${package} Depends depends)
    string(REPLACE "," ";" depends "${depends}")
    set(elsewhere)
    foreach(dependency IN LISTS depends)
        string(STRIP "${dependency}" dependency)
        set(name "")
        if(dependency MATCHES "^([a-z0-9.+-]+) \\(= ([^)]+)\\)$")
            set(name ${CMAKE_MATCH_1})
            set(version ${CMAKE_MATCH_2})
        endif()
        if(DEFINED built_${name})
            if(NOT version STREQUAL built_${name})
                message(FATAL_ERROR "${package} asks for ${dependency}, the set has ${built_${name}}")
            endif()
        else()
            list(APPEND elsewhere "${dependency}")
        endif()
    endforeach()
    list(JOIN elsewhere ", " elsewhere)
    execute_process(COMMAND dpkg-checkbuilddeps -d "${elsewhere}" /dev/null RESULT_VARIABLE unmet ERROR_VARIABLE why)
    if(unmet)
        message(FATAL_ERROR "${package} would not install here: ${why}")
    endif()
endfunction()

set(summaries)
foreach(package ${packages})
    field(${package} Maintainer maintainer)
    if(NOT maintainer STREQUAL CPACK_PACKAGE_CONTACT OR NOT maintainer MATCHES "^[^<>]+ <[^@<> ]+@[^@<> ]+\\.[a-z]+>$"
       OR maintainer MATCHES "localhost|example|invalid")
        message(FATAL_ERROR "${package}: Maintainer \"${maintainer}\" is not the configured, real address")
    endif()

    field(${package} Description description)
    string(REGEX MATCH "^[^\n]*" summary "${description}")
    if(summary IN_LIST summaries OR NOT description MATCHES "\n [^\n]")
        message(FATAL_ERROR "${package}: a summary of its own and a description are wanted:\n${description}")
    endif()
    list(APPEND summaries "${summary}")

    expect_installable(${package})
endforeach()

# Unpacked as dpkg installs them, into a scratch root.
set(root ${OUT}/root)
foreach(package ${packages})
    run(dpkg-deb -x ${deb_${package}} ${root})
endforeach()
set(usr ${root}/usr)
set(installed
    ${LIBDIR}/libquotechart.so.${VERSION} ${LIBDIR}/libquotechart.so.${MAJOR} ${LIBDIR}/libquotechart.so
    ${LIBDIR}/libsplitbay6.so.${VERSION} ${LIBDIR}/libsplitbay6.so.${MAJOR} ${LIBDIR}/libsplitbay6.so
    ${INCLUDEDIR}/quotechart/REvuved.h ${INCLUDEDIR}/quotechart/HostHooks.h ${INCLUDEDIR}/splitbay6/SplitbayCtl.h
    ${LIBDIR}/cmake/quotechart/quotechartConfig.cmake ${LIBDIR}/cmake/quotechart/quotechartTargets.cmake
    ${LIBDIR}/cmake/splitbay6/splitbay6Config.cmake ${LIBDIR}/cmake/splitbay6/splitbay6Targets.cmake
    ${DATADIR}/quotechart/hist/MSFT.csv ${DATADIR}/quotechart/hist/GOOG.csv)
set(binaries ${LIBDIR}/libquotechart.so.${VERSION} ${LIBDIR}/libsplitbay6.so.${VERSION})
if(DESIGNER)
    list(APPEND installed ${PLUGINDIR}/designer/libquotechart_designer.so)
    list(APPEND binaries ${PLUGINDIR}/designer/libquotechart_designer.so)
endif()
if(VIEWER)
    set(viewer_files ${BINDIR}/quotechart-viewer ${DATADIR}/applications/quotechart-viewer.desktop
        ${DATADIR}/icons/hicolor/scalable/apps/quotechart-viewer.svg ${MANDIR}/man1/quotechart-viewer.1.gz)
    list(APPEND installed ${viewer_files})
    list(APPEND binaries ${BINDIR}/quotechart-viewer)
endif()
foreach(package ${packages})
    list(APPEND installed ${DOCROOT}/${package}/copyright ${DOCROOT}/${package}/changelog.Debian.gz)
endforeach()
foreach(path ${installed})
    if(NOT EXISTS ${usr}/${path})
        message(FATAL_ERROR "not installed: /usr/${path}")
    endif()
endforeach()

foreach(binary ${binaries})
    execute_process(COMMAND readelf -S --wide ${usr}/${binary} OUTPUT_VARIABLE sections)
    if(sections MATCHES "\\.symtab|\\.debug_")
        message(FATAL_ERROR "/usr/${binary} is not stripped")
    endif()
endforeach()

file(STRINGS ${usr}/${DOCROOT}/libquotechart${MAJOR}/copyright format LIMIT_COUNT 1)
if(NOT format MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
    message(FATAL_ERROR "the copyright file is not machine-readable: ${format}")
endif()
execute_process(COMMAND gzip -dc ${usr}/${DOCROOT}/libquotechart${MAJOR}/changelog.Debian.gz
                OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^quotechart \\(${v}\\) ")
    message(FATAL_ERROR "the changelog's newest entry is not for ${v}: add one to cmake/debian/changelog.in")
endif()

if(VIEWER)
    # The menu entry starts the installed program and names the installed icon.
    file(STRINGS ${usr}/${DATADIR}/applications/quotechart-viewer.desktop entry)
    if(NOT "Exec=quotechart-viewer" IN_LIST entry OR NOT "Icon=quotechart-viewer" IN_LIST entry)
        message(FATAL_ERROR "the menu entry does not start quotechart-viewer with its icon: ${entry}")
    endif()

    # The installed viewer on the installed libraries: with no display it
    # stops unless asked for its session, which opens the installed samples.
    set(installed_env LD_LIBRARY_PATH=${usr}/${LIBDIR} QT_QPA_PLATFORM=offscreen)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${installed_env} ${usr}/${BINDIR}/quotechart-viewer
                    RESULT_VARIABLE result ERROR_VARIABLE output TIMEOUT 60)
    if(NOT result EQUAL 1 OR NOT output MATCHES "No display")
        message(FATAL_ERROR "the viewer with no display did not stop (${result}):\n${output}")
    endif()
    run(${CMAKE_COMMAND} -E env ${installed_env} ${usr}/${BINDIR}/quotechart-viewer --scripted-session
        --out ${OUT}/session)
    if(NOT EXISTS ${OUT}/session/main-window.png)
        message(FATAL_ERROR "the installed viewer's session wrote no pictures")
    endif()
endif()
